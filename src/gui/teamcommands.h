#pragma once

// The window's team archive: the sync on a thread of its own (at start, after each save and each
// Telecharger tout, and every few minutes while the server answers), its state in the status bar, the
// password the server asks for (kept in the desktop's keyring when the user wants and one runs, otherwise
// for the session only), the team dialog, and the fetch of a team document. With no server set, nothing.

#include "teamsync.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

class QLabel;
class QStatusBar;
class QWidget;

class TeamCommands : public QObject
{
    Q_OBJECT

public:
    TeamCommands(QWidget *window, QStatusBar *bar, const QString &dataDir, const QString &indexFile,
                 QObject *parent = nullptr);
    ~TeamCommands() override;

    TeamSettings settings() const;
    bool isSet() const { return !m_settings.server.isEmpty(); }
    // A sync now, or right after the one running.
    void syncSoon();
    // Configuration > Equipe: the server, a connection test, the last error.
    void showDialog();
    // A team document in the folder of fetched documents, with a busy cursor; empty, with a message, when it
    // could not be had.
    QString fetch(const QString &revision);
    void retranslate();
    QString statusText() const;
    // The team's rows as the last sync left them; null before the first.
    std::shared_ptr<const QList<ArchiveEntry>> rows() const { return m_rows; }

signals:
    void synced(); // the team's copy changed: an open archive shows it again

private:
    void finished(const TeamOutcome &outcome);
    bool askPassword(const QString &why);
    void readKeyring();
    void keep(const QString &password);
    QString keyringKey() const;

    QWidget *m_window;
    TeamSettings m_settings;
    QThread m_thread;
    TeamSync *m_worker = nullptr; // lives on m_thread
    QTimer m_period;
    QLabel *m_status; // owned by the status bar
    bool m_running = false;
    bool m_again = false;
    bool m_asked = false; // the password was asked this session: not again until the dialog's test
    bool m_keep = false;  // the user wants the password asked kept in the keyring
    TeamOutcome m_last;
    std::shared_ptr<const QList<ArchiveEntry>> m_rows;
};
