// Fuzzes the frame parser with arbitrary bytes cut into arbitrary reads, as a serial port delivers them.
//
// Input: 4 bytes of read sizes (used in turn), 1 byte of padding, then the stream. A padding byte of 0xFF
// puts 72 KiB without a CR in the middle of the stream and makes reads 256 times larger, so that a line
// longer than the receive bound comes from a short input (such runs cost fifty times more: they are rare).
//
// Checked after every read: the buffer holds no CR and stays within the bound, every answer flag is 0 or
// 1, ratios are finite. When no line exceeds the bound, the events and the final state must be exactly
// those of the same stream parsed in one read.

#include "cmdparser.h"
#include "fuzzcommon.h"

#include <QStringList>

#include <cmath>

namespace
{

// Every signal of a parser, in emission order, as bytes: cheap enough to record millions of runs.
struct Recorder {
    QByteArray log;
    void add(char kind, const QString &text)
    {
        log += kind;
        log += QByteArray::number(text.size());
        log += ':';
        log.append(reinterpret_cast<const char *>(text.constData()), text.size() * int(sizeof(QChar)));
    }
    explicit Recorder(CmdParser &p)
    {
        QObject::connect(&p, &CmdParser::cmdDebReceived, [this](QString t) { add('d', t); });
        QObject::connect(&p, &CmdParser::CmdRawDataReceived, [this](QString t) { add('w', t); });
        QObject::connect(&p, &CmdParser::CmdResultatReceived, [this](unsigned n, bool ok, QString com) {
            add('r', com);
            log += QByteArray::number(n) + (ok ? '+' : '-');
        });
        QObject::connect(&p, &CmdParser::CmdValuesReceived, [this](unsigned n, QVector<QPointF> &pts) {
            log += 'v' + QByteArray::number(n) + ':' + QByteArray::number(pts.size()) + ':';
            log.append(reinterpret_cast<const char *>(pts.constData()), pts.size() * int(sizeof(QPointF)));
        });
        QObject::connect(&p, &CmdParser::CmdEndReceived, [this](QString c, QString g, QString n) {
            add('e', c);
            add('g', g);
            add('n', n);
        });
        QObject::connect(&p, &CmdParser::CmdRapportReceived, [this](unsigned n, QString r) {
            add('a', r);
            log += QByteArray::number(n);
        });
    }
};

QString state(const CmdParser &p, const Recorder &r, const QByteArray &rest)
{
    QStringList s;
    s << "events " + QString::fromLatin1(r.log.toHex());
    QString flags;
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        flags += QString::number(p.received[i]);
    s << "flags " + flags << "active " + QString::number(p.active) << "text " + p.text() << "range " + p.range
      << "numero " + p.numero << "record " + QString::number(p.recordNumber)
      << "rest " + QString::fromLatin1(rest.toHex());
    for (int i = 0; i < Qvx2::ParamCount; ++i)
        s << QStringLiteral("param %1 %2 %3").arg(i).arg(p.params[i].value).arg(p.params[i].name);
    for (int i = 0; i < Qvx2::RatioCount; ++i)
        s << QString::number(p.ratios[i], 'g', 17);
    return s.join('\n');
}

bool sameState(const CmdParser &a, const Recorder &ra, const QByteArray &resta, const CmdParser &b,
               const Recorder &rb, const QByteArray &restb)
{
    if (ra.log != rb.log || resta != restb || a.active != b.active || a.text() != b.text() ||
        a.range != b.range || a.numero != b.numero || a.recordNumber != b.recordNumber)
        return false;
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        if (a.received[i] != b.received[i])
            return false;
    for (int i = 0; i < Qvx2::ParamCount; ++i)
        if (a.params[i].value != b.params[i].value || a.params[i].name != b.params[i].name)
            return false;
    for (int i = 0; i < Qvx2::RatioCount; ++i)
        if (a.ratios[i] != b.ratios[i])
            return false;
    return true;
}

void checkAfterRead(const CmdParser &p, const QByteArray &buffer)
{
    FUZZ_CHECK(buffer.size() <= Qvx2::ReceiveBufferLimit, QString::number(buffer.size()));
    FUZZ_CHECK(!buffer.contains('\r'), QString::fromLatin1(buffer.left(200).toHex()));
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        FUZZ_CHECK(p.received[i] == 0 || p.received[i] == 1,
                   QStringLiteral("flag %1 = %2").arg(i).arg(p.received[i]));
    for (double r : p.ratios)
        FUZZ_CHECK(std::isfinite(r), QString::number(r));
}

// Longest run of bytes between two CRs (the tail after the last CR counts too).
int longestLine(const QByteArray &stream)
{
    int longest = 0;
    int from = 0;
    for (int cr = stream.indexOf('\r'); cr >= 0; cr = stream.indexOf('\r', from)) {
        longest = qMax(longest, cr - from);
        from = cr + 1;
    }
    return qMax(longest, stream.size() - from);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCommon::quietLog();
    constexpr size_t Header = 5;
    uint8_t header[Header] = {1, 7, 64, 255, 0};
    for (size_t i = 0; i < Header && i < size; ++i)
        header[i] = data[i];
    const size_t skip = qMin(size, Header);
    const QByteArray body =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data) + skip, int(size - skip));
    const bool padded = header[4] == 0xFF;
    QByteArray stream = body;
    if (padded) {
        const char fill = body.isEmpty() || body.at(0) == '\r' ? 'x' : body.at(0);
        stream.insert(body.size() / 2, QByteArray(72 * 1024, fill));
    }
    const int scale = padded ? 256 : 1;

    CmdParser chunked;
    Recorder chunkedEvents(chunked);
    QByteArray buffer;
    int at = 0;
    for (int read = 0; at < stream.size(); ++read) {
        const int n = qMin((header[read % 4] + 1) * scale, stream.size() - at);
        FUZZ_CHECK(buffer.size() <= Qvx2::ReceiveBufferLimit, QString::number(buffer.size()));
        buffer += stream.mid(at, n);
        at += n;
        chunked.parse(buffer);
        checkAfterRead(chunked, buffer);
    }

    if (longestLine(stream) <= Qvx2::ReceiveBufferLimit) {
        CmdParser whole;
        Recorder wholeEvents(whole);
        QByteArray all = stream;
        whole.parse(all);
        checkAfterRead(whole, all);
        if (!sameState(chunked, chunkedEvents, buffer, whole, wholeEvents, all))
            FuzzCommon::fail("same state read by read as in one read", __FILE__, __LINE__,
                             QStringLiteral("read by read:\n%1\n\nin one read:\n%2")
                                 .arg(state(chunked, chunkedEvents, buffer).left(4000),
                                      state(whole, wholeEvents, all).left(4000)));
    }
    return 0;
}
