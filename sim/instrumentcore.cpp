#include "instrumentcore.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace qvx2sim
{

namespace
{

double uniform(std::mt19937 &rng)
{
    return rng() / 4294967296.0;
}

int between(std::mt19937 &rng, int low, int high)
{
    return low + int(rng() % quint32(high - low + 1));
}

// Small noise with a triangular spread of +-amplitude.
double noise(std::mt19937 &rng, double amplitude)
{
    return (uniform(rng) + uniform(rng) - 1.0) * amplitude;
}

QByteArray text(const char *format)
{
    return QByteArray(format);
}

QByteArray text(const QString &s)
{
    return s.toLatin1();
}

int rangeCodeFor(int highVoltage)
{
    if (highVoltage <= 6000)
        return 0;
    if (highVoltage <= 10000)
        return 1;
    if (highVoltage < 20000)
        return 2;
    return 3;
}

bool isUpperHex(const QByteArray &digits)
{
    for (char c : digits) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

// Text up to the first blank, or the whole line when it has none.
QByteArray firstWord(const QByteArray &line)
{
    const int blank = line.indexOf(' ');
    return blank < 0 ? line : line.left(blank);
}

bool isAcknowledgement(const QByteArray &line)
{
    const QByteArray word = firstWord(line).trimmed();
    return word == "FILL" || word == "PAGE" || word == "WRITE" || word == "BOOT" ||
           word + '\r' == QByteArray(kBootStart);
}

} // namespace

InstrumentCore::InstrumentCore(quint32 seed) : m_seed(seed)
{
    resetParameters();
    m_savedParams = m_params;
    rebuildRecords();
}

void InstrumentCore::feed(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (c == '\r') {
            const QByteArray line = m_line;
            const bool overflow = m_lineOverflow;
            m_line.clear();
            m_lineOverflow = false;
            if (overflow)
                m_ignored.append(line);
            else
                handleLine(line);
        } else if (m_line.size() >= kMaxLineBytes) {
            m_lineOverflow = true;
        } else {
            m_line.append(c);
        }
    }
}

QList<Chunk> InstrumentCore::takeOutput()
{
    QList<Chunk> out;
    out.swap(m_output);
    return out;
}

// ---- Records ------------------------------------------------------------------------------------------

void InstrumentCore::setSeed(quint32 seed)
{
    m_seed = seed;
    rebuildRecords();
}

void InstrumentCore::setRecordNumber(int number)
{
    m_recordNumber = number;
    rebuildRecords();
}

Record InstrumentCore::record(int age) const
{
    if (age < 1 || age > kRecordCount)
        return Record{};
    return m_records[size_t(age - 1)];
}

void InstrumentCore::setRecord(int age, const Record &record)
{
    if (age >= 1 && age <= kRecordCount)
        m_records[size_t(age - 1)] = record;
}

void InstrumentCore::rebuildRecords()
{
    for (int age = 1; age <= kRecordCount; ++age) {
        const int number = m_recordNumber - (age - 1);
        if (number >= 1) {
            m_records[size_t(age - 1)] = generateRecord(m_seed, number);
        } else {
            Record empty;
            empty.number = number;
            empty.present = false;
            m_records[size_t(age - 1)] = empty;
        }
    }
}

Record InstrumentCore::generateRecord(quint32 seed, int number)
{
    std::seed_seq seq{seed, quint32(number)};
    std::mt19937 rng(seq);
    static const int kHighVoltages[] = {5500, 10000, 15000, 20000, 20000, 30000};

    Record r;
    r.number = number;
    r.highVoltage = kHighVoltages[between(rng, 0, 5)];
    r.lowVoltage = kLowVoltage;
    r.rangeCode = rangeCodeFor(r.highVoltage);

    r.passed.fill(true);
    const int failures = between(rng, 0, 3);
    for (int i = 0; i < failures; ++i)
        r.passed[size_t(between(rng, 0, kTestCount - 1))] = false;
    for (int t = 0; t < kTestCount; ++t) {
        const bool ok = r.passed[size_t(t)];
        int measure;
        if (t >= 6 && t <= 8) // continuity, mOhm
            measure = ok ? between(rng, 5, 80) : between(rng, 5000, 50000);
        else if (t >= 13) // curve coherence deviation, %
            measure = ok ? between(rng, 0, 4) : between(rng, 15, 60);
        else // insulation, MOhm
            measure = ok ? between(rng, 200, 2000) : between(rng, 0, 5);
        r.measures[size_t(t)] = measure;
    }

    const double nominal = double(r.highVoltage) / r.lowVoltage;
    for (int p = 0; p < kPhaseCount; ++p)
        r.ratios[size_t(p)] = nominal * (1.0 + (uniform(rng) - 0.5) * 0.006);

    // Damped oscillation after the test pulse: three phases 120 degrees apart, secondary much lower.
    const double amplitude = between(rng, 1800, 2600);
    const double secondaryScale = between(rng, 15, 25) / 100.0;
    const double period = between(rng, 36, 44);
    const double tau = between(rng, 120, 260);
    const double twoPi = 2.0 * M_PI;
    for (int c = 0; c < kCurveCount; ++c) {
        const bool primary = c < kPhaseCount;
        double a = primary ? amplitude : amplitude * secondaryScale;
        double phase = twoPi / 3.0 * (c % kPhaseCount) + (primary ? 0.0 : 0.05);
        double spread = primary ? 12.0 : 4.0;
        if (!r.passed[size_t(13 + c)]) { // an incoherent curve: weak, shifted and noisy
            a *= 0.3;
            phase += 1.0;
            spread *= 5.0;
        }
        QVector<int> &ys = r.curves[size_t(c)];
        ys.reserve(kCurvePoints);
        for (int x = 0; x < kCurvePoints; ++x) {
            const double y =
                a * std::exp(-x / tau) * std::sin(twoPi * x / period - phase) + noise(rng, spread);
            ys.append(int(std::lround(y)));
        }
    }
    return r;
}

QList<QByteArray> InstrumentCore::recordLines(int age) const
{
    QList<QByteArray> lines;
    if (age < 1 || age > kRecordCount)
        return lines;
    const Record &r = m_records[size_t(age - 1)];
    lines.append(text(QString(kRecStart).arg(r.number)));
    if (m_erased || !r.present) {
        for (int t = 1; t <= kTestCount; ++t)
            lines.append(text(QString(kRecResultCleared).arg(t, 2, 10, QChar('0'))));
        lines.append(text(QString(kRecEnd).arg(r.number)));
        return lines;
    }
    lines.append(text(QString(kRecTitle).arg(r.number)));
    lines.append(text(QString(kRecTransformer).arg(r.highVoltage).arg(r.lowVoltage)));
    lines.append(text(kRecChannels));
    for (int t = 0; t < kTestCount; ++t) {
        lines.append(text(QString(kRecResult)
                              .arg(t + 1, 2, 10, QChar('0'))
                              .arg(r.passed[size_t(t)] ? kRecPassed : kRecFailed)
                              .arg(r.measures[size_t(t)])));
    }
    lines.append(text(QString(kRecContinuity).arg(r.measures[6])));
    for (int c = 0; c < kCurveCount; ++c) {
        const QVector<int> &ys = r.curves[size_t(c)];
        for (int start = 0; start < ys.size(); start += kPointsPerLine) {
            QByteArray line = text(QString(kRecCurvePrefix).arg(kCurveChannels[c]).arg(start));
            for (int i = start; i < start + kPointsPerLine; ++i)
                line += ' ' + QByteArray::number(i < ys.size() ? ys[i] : 0);
            lines.append(line + " \r");
        }
    }
    for (int p = 0; p < kPhaseCount; ++p)
        lines.append(text(QString(kRecRatio).arg(p).arg(p + 1).arg(r.ratios[size_t(p)], 0, 'f', 4)));
    const int code = qBound(0, r.rangeCode, kRangeCodeCount - 1);
    lines.append(text(QString(kRecRange).arg(kRangeNames[code])));
    lines.append(text(QString(kRecEnd).arg(r.number)));
    return lines;
}

void InstrumentCore::sendRecord(int age)
{
    answer(recordLines(age), kRecordStartDelayMs, m_faults.dieAfterRecordLines);
}

// ---- Parameters ---------------------------------------------------------------------------------------

void InstrumentCore::resetParameters()
{
    m_params = QVector<Parameter>(kParamCount + 1);
    for (const ParameterDefault &d : kParameterDefaults)
        m_params[d.number] = Parameter{d.value, QString::fromLatin1(d.name)};
    if (m_seuilNumber >= 1 && m_seuilNumber <= kParamCount)
        m_params[m_seuilNumber] = Parameter{kSeuilDefault, QString::fromLatin1(kSeuilName)};
}

bool InstrumentCore::setSeuilNumber(int number)
{
    if (number < 0 || number > kParamCount || number == 13 || number == 14)
        return false;
    m_seuilNumber = number;
    resetParameters();
    return true;
}

Parameter InstrumentCore::parameter(int number) const
{
    if (number < 1 || number > kParamCount)
        return Parameter{};
    return m_params[number];
}

void InstrumentCore::setParameter(int number, qint32 value)
{
    if (number >= 1 && number <= kParamCount)
        m_params[number].value = value;
}

void InstrumentCore::setParameter(int number, qint32 value, const QString &name)
{
    if (number >= 1 && number <= kParamCount)
        m_params[number] = Parameter{value, name};
}

void InstrumentCore::handleParamWrite(int number, qint32 value)
{
    // The instrument keeps its own name for the number; the name on the command line is not read.
    m_params[number].value = value;
    const Parameter &p = m_params[number];
    answer({text(QString(kAnsParam).arg(number).arg(qint64(value) + m_faults.echoOffset).arg(p.name))},
           kAnswerDelayMs);
}

QList<QByteArray> InstrumentCore::infoLines() const
{
    int code = m_params[14].value;
    if (code < 0 || code >= kRangeCodeCount)
        code = kRangeCodeCount - 1;
    return {text(kInfoIdent), text(kInfoTitle), text(kInfoUse), text(kAnsPing),
            text(QString(kInfoRange).arg(kRangeNames[code]))};
}

// ---- Normal mode --------------------------------------------------------------------------------------

void InstrumentCore::handleLine(const QByteArray &line)
{
    if (line == kCmdBootReset) {
        enterBootloader(line);
        return;
    }
    if (m_mode == Mode::Bootloader) {
        handleBootLine(line);
        return;
    }

    static const QRegularExpression download(QString::fromLatin1(kCmdDownloadPattern));
    static const QRegularExpression paramWrite(QString::fromLatin1(kCmdParamWritePattern));
    const QString s = QString::fromLatin1(line);

    if (line == kCmdProbe) {
        answer({text(kAnsProbe)}, kAnswerDelayMs);
    } else if (line == kCmdPing) {
        if (!m_faults.ignorePing)
            answer({text(kAnsPing)}, kAnswerDelayMs);
    } else if (line == kCmdRecordNumber) {
        answer({text(QString(kAnsRecordNumber).arg(m_recordNumber))}, kAnswerDelayMs);
    } else if (line == kCmdErase) {
        m_erased = true;
        answer({text(kAnsErase)}, kEraseDelayMs);
    } else if (line == kCmdParamList) {
        QList<QByteArray> lines;
        for (int n = 1; n <= kParamCount; ++n)
            lines.append(text(QString(kAnsParam).arg(n).arg(m_params[n].value).arg(m_params[n].name)));
        answer(lines, kAnswerDelayMs);
    } else if (line == kCmdEepromSave) {
        m_savedParams = m_params;
        ++m_eepromSaves;
        answer({text(kAnsEeprom)}, kEepromSaveDelayMs);
    } else if (line == kCmdInfo) {
        answer(infoLines(), kAnswerDelayMs);
    } else if (const auto dl = download.match(s); dl.hasMatch()) {
        bool ok = false;
        const int age = dl.captured(1).toInt(&ok);
        if (ok && age >= 1 && age <= kRecordCount)
            sendRecord(age);
        else
            m_ignored.append(line);
    } else if (const auto pw = paramWrite.match(s); pw.hasMatch()) {
        bool okNumber = false;
        bool okValue = false;
        const int number = pw.captured(1).toInt(&okNumber);
        const qint32 value = pw.captured(2).toInt(&okValue);
        if (okNumber && okValue && number >= 1 && number <= kParamCount)
            handleParamWrite(number, value);
        else
            m_ignored.append(line);
    } else {
        m_ignored.append(line);
    }
}

// ---- Bootloader ---------------------------------------------------------------------------------------

void InstrumentCore::enterBootloader(const QByteArray &line)
{
    m_mode = Mode::Bootloader;
    ++m_bootRun;
    m_bootIndex = 0;
    m_bootPage = -1;
    m_bootBuffer.clear();
    m_bootRng.seed(m_faults.dropAckSeed);
    const int index = m_bootIndex++;
    bootReply(index, line, {text(kBootTitle), text(kBootOk)}, kBootStartDelayMs);
}

void InstrumentCore::handleBootLine(const QByteArray &line)
{
    const QByteArray word = firstWord(line);
    if (word != kCmdBootPage && word != kCmdBootFill && word != kCmdBootWrite && word != "ZAZUVEVAZ") {
        m_ignored.append(line);
        return;
    }
    const int index = m_bootIndex++;
    int delayMs = kBootAnswerDelayMs;
    const QByteArray reply = bootAnswer(line, delayMs);
    bootReply(index, line, {reply}, delayMs);
}

// Carries out one bootloader command and returns its answer line.
QByteArray InstrumentCore::bootAnswer(const QByteArray &line, int &delayMs)
{
    if (line.startsWith(QByteArray(kCmdBootPage) + ' ')) {
        const QByteArray digits = line.mid(int(qstrlen(kCmdBootPage)) + 1);
        if (digits.size() != 4 || !isUpperHex(digits))
            return text(kBootErrPage);
        const int page = digits.toInt(nullptr, 16);
        if (page >= kFlashPageCount)
            return text(kBootErrPage);
        m_bootPage = page;
        return text(QString(kBootPage).arg(QString::fromLatin1(digits)));
    }
    if (line.startsWith(QByteArray(kCmdBootFill) + ' '))
        return fillPage(line.mid(int(qstrlen(kCmdBootFill)) + 1));
    if (line == kCmdBootWrite) {
        if (m_bootPage < 0 || m_bootBuffer.isEmpty())
            return text(kBootErrOrder);
        m_flash[m_bootPage] = m_bootBuffer;
        delayMs = kPageWriteMs;
        return text(kBootWriteOk);
    }
    if (line == kCmdBootQuit) {
        m_mode = Mode::Normal;
        delayMs = kBootQuitDelayMs;
        return text(kBootStart);
    }
    return text(kBootErrCommand);
}

QByteArray InstrumentCore::fillPage(const QByteArray &digits)
{
    m_bootBuffer.clear(); // a refused fill leaves nothing to write
    if (digits.size() != kFillHexDigits)
        return text(kBootErrLength);
    if (!isUpperHex(digits))
        return text(kBootErrHex);
    const QByteArray page = QByteArray::fromHex(digits.left(2 * kFlashPageBytes));
    const int checksum = digits.right(2).toInt(nullptr, 16);
    if (pageChecksum(page) != checksum)
        return text(kBootErrChecksum);
    auto refusal = m_faults.refuseChecksum.find(m_bootPage);
    if (refusal != m_faults.refuseChecksum.end() && refusal.value() != 0) {
        if (refusal.value() > 0)
            --refusal.value();
        return text(kBootErrChecksum);
    }
    m_bootBuffer = page;
    return text(kBootFillOk);
}

// Sends the answer of bootloader exchange `index` through the acknowledgement faults and logs it.
void InstrumentCore::bootReply(int index, const QByteArray &line, QList<QByteArray> lines, int delayMs)
{
    bool drop = m_faults.dropAck.contains(index) || (m_faults.dropAckIf && m_faults.dropAckIf(index, line));
    if (m_faults.dropAckProbability > 0.0 && uniform(m_bootRng) < m_faults.dropAckProbability)
        drop = true;
    const bool wrong =
        m_faults.wrongAck.contains(index) || (m_faults.wrongAckIf && m_faults.wrongAckIf(index, line));

    if (drop) {
        lines.clear();
    } else if (wrong) {
        for (QByteArray &l : lines) {
            if (isAcknowledgement(l))
                l.prepend(kBootWrongPrefix);
        }
    }
    BootExchange exchange;
    exchange.run = m_bootRun;
    exchange.index = index;
    exchange.command = line;
    exchange.answer = lines.join();
    exchange.acknowledged = std::any_of(lines.begin(), lines.end(), isAcknowledgement);
    if (m_faults.silent) {
        exchange.answer.clear();
        exchange.acknowledged = false;
    }
    m_bootLog.append(exchange);
    if (!lines.isEmpty())
        answer(lines, delayMs);
}

quint8 InstrumentCore::pageChecksum(const QByteArray &page)
{
    quint8 sum = 0;
    for (char c : page)
        sum = quint8(sum + quint8(c));
    return sum;
}

QByteArray InstrumentCore::pageText(const QByteArray &page)
{
    return page.toHex().toUpper() + QByteArray::number(pageChecksum(page) | 0x100, 16).right(2).toUpper();
}

// ---- Output -------------------------------------------------------------------------------------------

// One answer line (ending in CR) as it goes on the wire, with the line-format faults applied.
QByteArray InstrumentCore::wireLine(const QByteArray &line) const
{
    QByteArray out = line.endsWith('\r') ? line.chopped(1) : line;
    if (m_faults.nulBeforeCr)
        out += '\0';
    out += m_faults.crlf ? "\r\n" : "\r";
    return out;
}

void InstrumentCore::answer(const QList<QByteArray> &lines, int leadDelayMs, int closeAfterLines)
{
    if (m_faults.silent)
        return;
    const bool close = closeAfterLines >= 0 && closeAfterLines < lines.size();
    const int count = close ? closeAfterLines : lines.size();
    QList<QByteArray> wire;
    for (int i = 0; i < count; ++i) {
        if (m_faults.garbage)
            wire.append(wireLine(text(QString(kGarbageLine).arg(++m_garbageCount))));
        wire.append(wireLine(lines[i]));
    }

    const int lead = leadDelayMs + m_faults.lateMs;
    if (m_faults.splitBytes > 0) {
        const QByteArray all = wire.join();
        for (int pos = 0; pos < all.size(); pos += m_faults.splitBytes)
            m_output.append(Chunk{all.mid(pos, m_faults.splitBytes), pos == 0 ? lead : m_faults.splitGapMs});
    } else {
        for (int i = 0; i < wire.size(); ++i)
            m_output.append(Chunk{wire[i], i == 0 ? lead : 0});
    }
    if (close)
        m_output.append(Chunk{QByteArray(), 0, true});
}

} // namespace qvx2sim
