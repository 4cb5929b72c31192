#include "recordcollector.h"

RecordCollector::RecordCollector(CmdParser *parser, QObject *parent) : QObject(parent)
{
    // The same reading of each report as the window's, into the collector's own measurement.
    connect(parser, &CmdParser::cmdDebReceived, this, [this](QString start) {
        if (m_listening)
            m_record.comment = start.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    });
    connect(parser, &CmdParser::CmdRawDataReceived, this, [this](QString line) {
        line.chop(1);
        if (m_listening)
            Measurement::appendParagraph(m_record.capture, line);
    });
    connect(parser, &CmdParser::CmdResultatReceived, this,
            [this](uint test, bool passed, const QString &com) {
                if (!m_listening || test < 1 || test > Qvx2::TestCount)
                    return;
                m_record.verdicts[test - 1] = com == QLatin1String("clear") ? Measurement::Verdict::None
                                              : passed                      ? Measurement::Verdict::Passed
                                                                            : Measurement::Verdict::Failed;
            });
    connect(parser, &CmdParser::CmdValuesReceived, this, [this](uint curve, QVector<QPointF> &points) {
        if (m_listening && curve < Qvx2::CurveCount)
            m_record.curves[curve] += points;
    });
    connect(parser, &CmdParser::CmdRapportReceived, this, [this](uint ratio, const QString &text) {
        if (m_listening && ratio < Qvx2::RatioShown)
            m_record.ratios[ratio] = text;
    });
    connect(parser, &CmdParser::CmdEndReceived, this,
            [this](const QString &, const QString &range, QString end) {
                if (!m_listening)
                    return;
                m_record.gamme = range;
                end.chop(1);
                Measurement::appendParagraph(m_record.capture, end);
            });
}

void RecordCollector::start()
{
    m_record = Measurement();
    m_record.date = QDate::currentDate();
    m_listening = true;
}
