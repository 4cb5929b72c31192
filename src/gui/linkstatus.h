#pragma once

// The link's state in the status bar: connected (the port), not answering, searching, or disconnected with
// why (no adapter, each port tried and its failure, the link lost) and that the search goes on; and the
// manual search with its report.

#include <QLabel>
#include <QObject>
#include <QPixmap>

class InstrumentLink;
class QStatusBar;
class QWidget;

class LinkStatus : public QObject
{
    Q_OBJECT

public:
    LinkStatus(InstrumentLink *link, QStatusBar *bar, QWidget *window, QObject *parent = nullptr);

    // The bar brought up to date (also after a language change).
    void update();
    // What the last search tried and why each port failed, for the user; its last line says the search goes
    // on.
    QString searchReport() const;
    // Configuration > Se connecter: a search, and its report when no instrument answered.
    void searchAsked();

private:
    InstrumentLink *m_link;
    QWidget *m_window;
    // Owned by the status bar.
    QLabel *m_text;
    QLabel *m_icon;
    QLabel *m_note; // why there is no connection
    enum class Note { None, SearchFailed, Lost } m_why = Note::None;
    QString m_lostPort;
    const QPixmap m_connected;
    const QPixmap m_disconnected;
};
