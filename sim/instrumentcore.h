#pragma once

#include "faults.h"
#include "simconstants.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

#include <array>
#include <random>

namespace qvx2sim
{

// A piece of output: bytes to write after a pause, or the order to close the link.
struct Chunk {
    QByteArray bytes;
    int delayMs = 0;        // pause before these bytes, after the previous chunk or the command's CR
    bool closeLink = false; // the link dies here (bytes is then empty)
};

// One numbered instrument parameter.
struct Parameter {
    qint32 value = 0;
    QString name;
};

// One measurement record as the instrument keeps it in its ring.
struct Record {
    int number = 0;
    bool present = true;     // false: the slot was never written and downloads as an erased record
    int highVoltage = 20000; // V
    int lowVoltage = kLowVoltage;
    int rangeCode = 3; // index into kRangeNames
    std::array<bool, kTestCount> passed{};
    std::array<int, kTestCount> measures{};
    std::array<QVector<int>, kCurveCount> curves; // y values; x runs from 0
    std::array<double, kPhaseCount> ratios{};
};

// One bootloader command and what the instrument answered to it.
struct BootExchange {
    int run = 0;   // bootloader entries so far, 1 for the first
    int index = 0; // exchange index within the run, 0 = RESET 00
    QByteArray command;
    QByteArray answer; // the lines sent, empty when the answer was dropped
    bool acknowledged = false;
};

// The simulated QUARVEN 2 without any I/O: command bytes in, timed answer chunks out.
class InstrumentCore
{
public:
    enum class Mode { Normal, Bootloader };

    explicit InstrumentCore(quint32 seed = kDefaultSeed);

    // Bytes from the application; every complete line is handled at once.
    void feed(const QByteArray &bytes);
    bool hasOutput() const { return !m_output.isEmpty(); }
    QList<Chunk> takeOutput();

    Faults &faults() { return m_faults; }
    const Faults &faults() const { return m_faults; }
    Mode mode() const { return m_mode; }
    QList<QByteArray> ignoredLines() const { return m_ignored; }

    // Records. Changing the seed or the current number rebuilds the ring and drops setRecord() changes.
    quint32 seed() const { return m_seed; }
    void setSeed(quint32 seed);
    int recordNumber() const { return m_recordNumber; }
    void setRecordNumber(int number);
    Record record(int age) const; // age 1 (newest) .. 10
    void setRecord(int age, const Record &record);
    bool erased() const { return m_erased; }
    void setErased(bool erased) { m_erased = erased; }
    QList<QByteArray> recordLines(int age) const; // the download of that age, before any fault
    static Record generateRecord(quint32 seed, int number);

    // Parameters 1..26.
    Parameter parameter(int number) const;
    void setParameter(int number, qint32 value);
    void setParameter(int number, qint32 value, const QString &name);
    QVector<Parameter> parameters() const { return m_params; } // index 0 unused
    int seuilNumber() const { return m_seuilNumber; }
    bool setSeuilNumber(int number); // 0 = no P_AL_FALIM_SEUIL; resets the whole table to its defaults
    int eepromSaveCount() const { return m_eepromSaves; }
    QVector<Parameter> savedParameters() const { return m_savedParams; } // as at the last EEPROM 01

    // Bootloader and flash.
    QMap<int, QByteArray> flashPages() const { return m_flash; } // page index -> 512 bytes
    void setFlashPages(const QMap<int, QByteArray> &pages) { m_flash = pages; }
    void clearFlash() { m_flash.clear(); }
    QList<BootExchange> bootLog() const { return m_bootLog; }
    void clearBootLog() { m_bootLog.clear(); }
    int bootRuns() const { return m_bootRun; }
    int bootExchangeCount() const { return m_bootIndex; } // exchanges of the current run

    static quint8 pageChecksum(const QByteArray &page);
    static QByteArray pageText(const QByteArray &page); // 1024 hex digits + checksum, upper case

private:
    void handleLine(const QByteArray &line);
    void handleParamWrite(int number, qint32 value);
    void sendRecord(int age);
    QList<QByteArray> infoLines() const;
    void rebuildRecords();
    void resetParameters();

    void enterBootloader(const QByteArray &line);
    void handleBootLine(const QByteArray &line);
    QByteArray bootAnswer(const QByteArray &line, int &delayMs);
    QByteArray fillPage(const QByteArray &line);
    void bootReply(int index, const QByteArray &line, QList<QByteArray> lines, int delayMs);

    QByteArray wireLine(const QByteArray &line) const;
    void answer(const QList<QByteArray> &lines, int leadDelayMs, int closeAfterLines = -1);

    Faults m_faults;
    Mode m_mode = Mode::Normal;
    QByteArray m_line;
    bool m_lineOverflow = false;
    QList<QByteArray> m_ignored;
    QList<Chunk> m_output;
    int m_garbageCount = 0;

    quint32 m_seed;
    int m_recordNumber = kDefaultRecordNumber;
    std::array<Record, kRecordCount> m_records;
    bool m_erased = false;

    QVector<Parameter> m_params;
    QVector<Parameter> m_savedParams;
    int m_seuilNumber = kDefaultSeuilNumber;
    int m_eepromSaves = 0;

    QMap<int, QByteArray> m_flash;
    QList<BootExchange> m_bootLog;
    int m_bootRun = 0;
    int m_bootIndex = 0;
    int m_bootPage = -1;
    QByteArray m_bootBuffer; // filled page, empty when no valid fill
    std::mt19937 m_bootRng;
};

} // namespace qvx2sim
