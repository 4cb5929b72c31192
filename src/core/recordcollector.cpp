#include "recordcollector.h"

void RecordCollector::start()
{
    stop();
    m_record = Measurement();
    m_record.date = QDate::currentDate();
    // Each report read into the collector's own measurement, by the measurement's own reading as the
    // window's is.
    CmdParser *p = m_parser;
    m_connections = {
        connect(p, &CmdParser::cmdDebReceived, this,
                [this](QString start) {
                    m_record.comment = start.replace(QLatin1Char('\r'), QLatin1Char('\n'));
                }),
        connect(p, &CmdParser::CmdRawDataReceived, this,
                [this](QString line) { Measurement::appendParagraph(m_record.capture, line.chopped(1)); }),
        connect(
            p, &CmdParser::CmdResultatReceived, this,
            [this](uint test, bool passed, const QString &com) { m_record.takeVerdict(test, passed, com); }),
        connect(p, &CmdParser::CmdValuesReceived, this,
                [this](uint curve, QVector<QPointF> &points) { m_record.takePoints(curve, points); }),
        connect(p, &CmdParser::CmdRapportReceived, this,
                [this](uint ratio, const QString &text) { m_record.takeRatio(ratio, text); }),
        connect(p, &CmdParser::CmdEndReceived, this,
                [this](const QString &, const QString &range, const QString &end) {
                    m_record.gamme = range;
                    Measurement::appendParagraph(m_record.capture, end.chopped(1));
                })};
}

void RecordCollector::stop()
{
    for (const QMetaObject::Connection &c : m_connections)
        disconnect(c);
    m_connections.clear();
}
