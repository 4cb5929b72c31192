#pragma once

// The documents last opened or saved, per user (QSettings), newest first, as a menu: an entry asks for its
// document to be opened; one whose file is gone leaves the list with a word.

#include <QObject>
#include <QStringList>

class QMenu;
class QWidget;

class RecentDocuments : public QObject
{
    Q_OBJECT

public:
    RecentDocuments(QMenu *menu, QWidget *window, QObject *parent = nullptr);

    QStringList files() const;
    void add(const QString &fileName);
    // Opens an entry's document (asks for it), or takes a gone one off the list and says so.
    void open(const QString &fileName);
    void setEnabled(bool enabled);

signals:
    void openRequested(const QString &fileName);

private:
    void setFiles(const QStringList &files);
    void fillMenu();

    QMenu *m_menu;
    QWidget *m_window;
    bool m_enabled = true;
};
