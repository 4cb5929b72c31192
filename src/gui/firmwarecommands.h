#pragma once

// The firmware update as the user meets it: the image chosen in Maj/, refused before anything is asked when
// it cannot be flashed, the confirmation naming the file (No its default), the run behind a progress window,
// the outcome told. The update is the core's; the port goes back to the link on every path.

#include <QObject>
#include <QString>

class InstrumentLink;
class QWidget;

class FirmwareCommands : public QObject
{
    Q_OBJECT

public:
    FirmwareCommands(QWidget *window, InstrumentLink *link, const QString &firmwareDir,
                     QObject *parent = nullptr);

    // The file chooser, the check, the confirmation, the update.
    void update();
    // The update of the last file chosen, without asking.
    void run();
    QString lastFile() const { return m_file; }

private:
    QWidget *m_window;
    InstrumentLink *m_link;
    QString m_firmwareDir;
    QString m_file; // the last firmware file chosen
};
