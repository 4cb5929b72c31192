#include "linkstatus.h"

#include "instrumentlink.h"

#include <QMessageBox>
#include <QStatusBar>

LinkStatus::LinkStatus(InstrumentLink *link, QStatusBar *bar, QWidget *window, QObject *parent)
    : QObject(parent), m_link(link), m_window(window), m_text(new QLabel(bar)), m_icon(new QLabel(bar)),
      m_note(new QLabel(bar)), m_connected(QLatin1String(Qvx2::ImgPassed)),
      m_disconnected(QLatin1String(Qvx2::ImgFailed))
{
    m_icon->setMaximumSize(20, 20);
    m_icon->setScaledContents(true);
    bar->addWidget(m_icon, 0);
    bar->addWidget(m_text, 0);
    bar->addWidget(m_note, 0);
    connect(m_link, &InstrumentLink::connectionChanged, this, &LinkStatus::update);
    connect(m_link, &InstrumentLink::respondingChanged, this, &LinkStatus::update);
    connect(m_link, &InstrumentLink::searchingChanged, this, [this](bool searching) {
        if (!searching)
            m_why = m_link->isConnected() ? Note::None : Note::SearchFailed;
        update();
    });
    connect(m_link, &InstrumentLink::portLost, this, [this](const QString &port) {
        m_why = Note::Lost;
        m_lostPort = port;
        update();
    });
}

void LinkStatus::update()
{
    QString note;
    if (m_link->isSearching() && !m_link->isConnected()) {
        m_text->setText(tr("Recherche de l'appareil\u2026"));
    } else if (m_link->isConnected()) {
        const bool responding = m_link->isResponding();
        m_text->setText(responding ? tr("Connecte (%1)").arg(m_link->portName())
                                   : tr("L'appareil ne repond pas"));
        m_icon->setPixmap(responding ? m_connected : m_disconnected);
    } else {
        m_text->setText(tr("Deconnecte"));
        m_icon->setPixmap(m_disconnected);
        if (m_why == Note::Lost)
            note = tr("Liaison perdue (%1)").arg(m_lostPort);
        else if (m_why == Note::SearchFailed)
            note = searchReport();
    }
    // The first and last lines in the bar (why, and that the search goes on), the whole report when the
    // pointer rests on it.
    const QStringList lines = note.split(QLatin1Char('\n'));
    m_note->setText(lines.size() > 1 ? lines.first() + QStringLiteral("  ") + lines.last() : note);
    m_note->setToolTip(note);
}

QString LinkStatus::searchReport() const
{
    const QList<PortAttempt> &tried = m_link->lastSearch();
    if (tried.isEmpty())
        return tr("Aucun adaptateur serie USB n'est branche.") + QLatin1Char('\n') +
               tr("Un adaptateur branche sera essaye des son arrivee.");
    QStringList lines{tr("Aucun QUARVEN 2 n'a repondu. Ports essayes :")};
    for (const PortAttempt &attempt : tried)
        lines << tr("%1 : %2").arg(attempt.portName, attempt.failure);
    // The program keeps looking: a port that did not answer is probed again, an instrument switched on is
    // found.
    lines << tr("Nouvel essai toutes les %1 s.").arg(m_link->timing().portRetryMs / 1000);
    return lines.join(QLatin1Char('\n'));
}

void LinkStatus::searchAsked()
{
    if (!m_link->search())
        QMessageBox::warning(m_window, tr("Connexion"), searchReport());
}
