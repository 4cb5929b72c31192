#include "recordsession.h"

#include "xmlmesure.h"

#include <QDebug>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{
// A form field may hold anything; the file name made from it may not hold a path or a reserved character.
QString fileNamePart(QString text)
{
    static const QRegularExpression forbidden(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    return text.replace(forbidden, QStringLiteral("_"));
}

// The file holds a document of another record than this one (one that does not read counts as another).
bool holdsAnotherRecord(const QString &path, const QByteArray &record)
{
    if (!QFileInfo::exists(path))
        return false;
    Measurement stored;
    return !XmlMesure::load(path, &stored) || stored.recordId() != record;
}
} // namespace

RecordSession::RecordSession(QObject *parent) : QObject(parent)
{
    m_current.date = QDate::currentDate();
}

bool RecordSession::isWhole() const
{
    return m_state == State::Complete || m_state == State::Opened || m_state == State::Saved;
}

bool RecordSession::hasUnsavedWork() const
{
    switch (m_state) {
    case State::Complete:
    case State::Incomplete:
        return true;
    case State::Opened:
    case State::Saved:
        return m_current != m_baseline;
    default:
        return false;
    }
}

void RecordSession::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    qDebug() << "record:" << state << m_path;
    emit stateChanged(state);
}

void RecordSession::beginReceiving()
{
    m_current.clearResults();
    m_path.clear();
    if (m_dateFromDocument) {
        m_current.date = QDate::currentDate();
        m_current.dateIsDownload = false;
        m_dateFromDocument = false;
    }
    setState(State::Receiving);
    emit replaced();
    emit modified();
}

void RecordSession::endReceiving(bool whole)
{
    if (m_state != State::Receiving)
        return;
    setState(whole ? State::Complete : State::Incomplete);
    emit modified();
}

void RecordSession::clearResults()
{
    m_current.clearResults();
    m_path.clear();
    setState(State::Empty);
    emit replaced();
    emit modified();
}

void RecordSession::opened(const QString &path, const Measurement &measurement)
{
    const QDate date = measurement.date.isValid() ? measurement.date : m_current.date;
    m_current = measurement;
    m_current.date = date; // a date that does not read leaves the form's
    m_baseline = m_current;
    m_path = path;
    m_dateFromDocument = true;
    setState(State::Opened);
    // The state may not change (one document after another): the path did.
    emit stateChanged(m_state);
    emit replaced();
    emit modified();
}

void RecordSession::saved(const QString &path)
{
    m_baseline = m_current;
    m_path = path;
    setState(State::Saved);
    emit stateChanged(m_state);
    emit modified();
}

void RecordSession::setText(QString Measurement::*field, const QString &text)
{
    if (m_current.*field == text)
        return;
    m_current.*field = text;
    emit modified();
}

void RecordSession::setDate(const QDate &date)
{
    if (m_current.date == date)
        return;
    m_current.date = date;
    m_current.dateIsDownload = false;
    m_dateFromDocument = false;
    emit dateChanged();
    emit modified();
}

bool RecordSession::setVerdict(int index, Measurement::Verdict verdict)
{
    if (index < 0 || index >= Qvx2::TestCount)
        return false;
    m_current.verdicts[size_t(index)] = verdict;
    emit verdictChanged(index);
    emit modified();
    return true;
}

QString RecordSession::formFileName(const QString &dataDir) const
{
    return QStringLiteral("%1/%2_%3_%4.qv2")
        .arg(dataDir, fileNamePart(m_current.poste), fileNamePart(m_current.numTransfo),
             fileNamePart(m_current.codeGdo));
}

QString RecordSession::proposedFileName(const QString &dataDir) const
{
    if (!m_path.isEmpty())
        return m_path;
    const QString name = formFileName(dataDir);
    const QByteArray record = m_current.recordId();
    if (!holdsAnotherRecord(name, record))
        return name;
    const QString stem =
        name.chopped(int(qstrlen(".qv2"))) + QLatin1Char('_') + m_current.date.toString(Qt::ISODate);
    QString candidate = stem + QStringLiteral(".qv2");
    for (int n = 2; holdsAnotherRecord(candidate, record); ++n)
        candidate = stem + QStringLiteral("_%1.qv2").arg(n);
    return candidate;
}
