#include "recordoperations.h"

#include "archiveindex.h"
#include "xmlmesure.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <future>

RecordOperations::RecordOperations(InstrumentLink *link, RecordReader *reader, QObject *parent)
    : QObject(parent), m_link(link), m_reader(reader)
{
}

Result RecordOperations::recordNumber(int *number)
{
    const Result r =
        m_link->exchange(Qvx2::CmdRecordNumber, Qvx2::Answer::RecordNumber, m_link->timing().answerWaitMs,
                         QStringLiteral("recherhe pos num enreg"));
    if (r)
        *number = m_link->parser().recordNumber;
    return r;
}

Result RecordOperations::download(int age, RecordSession *session)
{
    if (m_link->isBusy())
        return Result::failed(Result::Code::Busy);
    const RecordReader::Redirect into(*m_reader, session);
    // The command goes out first: the record is emptied while the instrument reads it out of its memory. Its
    // answer is parsed only once the wait runs the event loop, after the flags are cleared.
    m_link->send(QString::fromLatin1(Qvx2::CmdFetchRecord).arg(age).toLatin1());
    session->beginReceiving();
    Result r = m_link->exchange(QByteArray(), Qvx2::Answer::RecordEnd, m_link->timing().longWaitMs,
                                QStringLiteral("recup eeprom num enreg "));
    // The end line came, but the record did not start with this download (a stray end): not whole.
    if (r && session->state() != RecordSession::State::Complete)
        r = Result::failed(Result::Code::TimedOut);
    session->endReceiving(r.done());
    return r;
}

QString RecordOperations::recordFileName(const QString &dataDir, const QString &number)
{
    const QString base = QDir(dataDir).filePath(
        QString::fromLatin1(Qvx2::RecordFilePattern).arg(number, Qvx2::RecordFileDigits, QLatin1Char('0')));
    QString file = base;
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = base.chopped(int(qstrlen(".qv2"))) + QStringLiteral("_%1.qv2").arg(n);
    return file;
}

RecordOperations::AllRecords RecordOperations::downloadAll(const QString &dataDir, const QString &indexFile,
                                                           const std::function<bool(int)> &going)
{
    QVector<int> ages;
    for (int age = 1; age <= Qvx2::RecordCount; ++age)
        ages << age;
    return downloadRecords(ages, dataDir, indexFile, going);
}

RecordOperations::AllRecords RecordOperations::downloadRecords(const QVector<int> &ages,
                                                               const QString &dataDir,
                                                               const QString &indexFile,
                                                               const std::function<bool(int)> &going)
{
    AllRecords all;
    // The records dataDir holds, read from the index on a thread of its own while the first record comes:
    // the wire does not wait for the index. Joined on every way out.
    std::future<QSet<QByteArray>> indexed = std::async(std::launch::async, [indexFile, dataDir] {
        QSet<QByteArray> records;
        ArchiveIndex index(indexFile, dataDir);
        index.update();
        for (const ArchiveEntry &e : index.entries())
            if (e.readable)
                records.insert(e.record);
        return records;
    });
    QSet<QByteArray> known;
    bool knownRead = false;
    int asked = 0;
    for (; asked < ages.size(); ++asked) {
        const int age = ages[asked];
        if (going && !going(age)) {
            all.cancelled = true;
            break;
        }
        if (!m_link->isConnected()) {
            all.lastFailure = Result::failed(Result::Code::PortLost);
            break;
        }
        RecordSession record;
        const Result fetched = download(age, &record);
        const QString number = m_link->parser().numero.trimmed();
        // The instrument's lines carry no date: the document has the download's, marked as such.
        Measurement m = record.measurement();
        m.dateIsDownload = true;
        if (!fetched || number.isEmpty()) {
            ++all.failed; // an incomplete record is never saved
            all.lastFailure = fetched ? Result::failed(Result::Code::AnswerDiffers) : fetched;
            continue;
        }
        if (!knownRead) {
            known = indexed.get();
            knownRead = true;
        }
        if (known.contains(m.recordId())) {
            ++all.skipped;
            continue;
        }
        const QString file = recordFileName(dataDir, number);
        const Result written = XmlMesure::save(m, file);
        if (!written) {
            ++all.failed;
            all.lastFailure = written;
            continue;
        }
        known.insert(m.recordId());
        all.files << file;
        ++all.saved;
    }
    // The link was lost: the rest could not be fetched.
    if (!all.cancelled)
        all.failed += int(ages.size()) - asked;
    return all;
}

Result RecordOperations::replay(const QString &captureFile, RecordSession *session)
{
    QFile file(captureFile);
    // Read raw: a CR alone stays inside its line (it then ends a frame), only LF and CR LF end lines.
    if (!file.open(QIODevice::ReadOnly))
        return Result::failed(Result::Code::RefusedFile,
                              tr("Le fichier %1 n'a pas pu etre lu (%2).")
                                  .arg(QDir::toNativeSeparators(captureFile), file.errorString()));
    const RecordReader::Redirect into(*m_reader, session);
    // A new record, as a download starts one: what the capture holds, and only that.
    session->beginReceiving();
    CmdParser &parser = m_link->parser();
    parser.reset();
    // A line longer than the receive bound is no capture line; it is taken in pieces. One buffer for all
    // lines: a fresh one per line would cost as much as the line's handling.
    QByteArray piece(Qvx2::ReceiveBufferLimit + 1, Qt::Uninitialized);
    QByteArray buffer;
    while (!file.atEnd()) {
        const qint64 got = file.readLine(piece.data(), piece.size());
        if (got < 0)
            break;
        QByteArray raw(piece.constData(), int(got));
        if (raw.endsWith('\n'))
            raw.chop(raw.endsWith("\r\n") ? 2 : 1);
        QString line = QString::fromLocal8Bit(raw);
        line.remove(QLatin1Char('"'));
        line += QLatin1Char('\r');
        qDebug() << "fichier " << captureFile << " temp  " << line;
        buffer = line.toUtf8();
        qDebug() << " m_buffer_recv  " << buffer;
        parser.parse(buffer);
    }
    // A capture without the record's end line holds a record cut off.
    const bool whole = session->state() == RecordSession::State::Complete;
    session->endReceiving(false);
    return whole ? Result::ok() : Result::failed(Result::Code::Incomplete);
}

Result RecordOperations::erase()
{
    return m_link->exchange(Qvx2::CmdErase, Qvx2::Answer::Erased, m_link->timing().answerWaitMs,
                            QStringLiteral("Effacement enregistrement"));
}

RecordOperations::Identity RecordOperations::identityOf(const QString &lines)
{
    // "IDENT QUARVEN2 D504 SN20417": the model, the firmware, the serial number.
    static const QRegularExpression ident(
        QStringLiteral("(?:^|[\\r\\n])IDENT[ \\t]+\\S+[ \\t]+(\\S+)[ \\t]+(\\S+)"));
    const QRegularExpressionMatch found = ident.match(lines);
    if (!found.hasMatch())
        return {};
    return {found.captured(2), found.captured(1)};
}

Result RecordOperations::information(QString *lines)
{
    // The information lines go nowhere but to the caller: the record shown, and what a save would store,
    // stay as they are.
    const RecordReader::Redirect nowhere(*m_reader, nullptr);
    CmdParser &parser = m_link->parser();
    parser.reset();
    const Result r = m_link->exchange(Qvx2::CmdInfo, Qvx2::Answer::Range, m_link->timing().longWaitMs,
                                      QStringLiteral("on_actionInfo_UC_triggered"));
    // The request ends with its range line: what comes after it is no transfer.
    parser.active = false;
    if (r)
        *lines = parser.text();
    return r;
}
