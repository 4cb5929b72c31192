#include "recordreader.h"

#include <QDebug>

RecordReader::RecordReader(CmdParser *parser, QObject *parent) : QObject(parent)
{
    connect(parser, &CmdParser::cmdDebReceived, this, &RecordReader::start);
    connect(parser, &CmdParser::CmdRawDataReceived, this, &RecordReader::line);
    connect(parser, &CmdParser::CmdResultatReceived, this, &RecordReader::verdict);
    connect(parser, &CmdParser::CmdValuesReceived, this, &RecordReader::points);
    connect(parser, &CmdParser::CmdEndReceived, this, &RecordReader::end);
    connect(parser, &CmdParser::CmdRapportReceived, this, &RecordReader::ratio);
}

bool RecordReader::accepting() const
{
    // Lines outside a transfer (a late ratio, a stray end) must not change a document on screen.
    return m_target && m_target->state() == RecordSession::State::Receiving;
}

void RecordReader::start(const QString &trame)
{
    if (!m_target)
        return;
    m_target->beginReceiving();
    // Each transfer puts its mark, "---" on a line of its own, above what the comment already holds.
    Measurement &m = m_target->receiving();
    m.comment.prepend(QString(trame).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    emit m_target->commentChanged();
}

void RecordReader::line(const QString &line)
{
    if (!accepting())
        return;
    const QString text = line.chopped(1); // less its CR
    Measurement::appendParagraph(m_target->receiving().capture, text);
    emit m_target->lineCaptured(text);
}

void RecordReader::verdict(uint test, bool isOk, const QString &com)
{
    if (!accepting())
        return;
    if (!m_target->receiving().takeVerdict(test, isOk, com)) {
        qDebug() << "cmd_result_received(): n_test " << test - 1u << "> NB_TEST" << Qvx2::TestCount;
        return;
    }
    emit m_target->verdictChanged(int(test - 1));
}

void RecordReader::points(uint curve, const QVector<QPointF> &data)
{
    if (!accepting())
        return;
    if (!m_target->receiving().takePoints(curve, data)) {
        qDebug() << "cmd_values_received(): n_curve out of range";
        return;
    }
    emit m_target->curveChanged(int(curve));
}

void RecordReader::ratio(uint index, const QString &text)
{
    qDebug() << " n_rapport  " << index << " rapport  " << text;
    if (!accepting())
        return;
    if (!m_target->receiving().takeRatio(index, text)) {
        qDebug() << "cmd_rapport_received(): n_rapport out of range";
        return;
    }
    emit m_target->ratiosChanged();
}

void RecordReader::end(const QString &comment, const QString &range, const QString &endLine)
{
    if (!accepting())
        return;
    Measurement &m = m_target->receiving();
    m.gamme = range;
    const QString text = endLine.chopped(1);
    Measurement::appendParagraph(m.capture, text);
    emit m_target->rangeChanged();
    emit m_target->lineCaptured(text);
    qDebug() << " cmd_end_received  " << comment;
    m_target->endReceiving(true);
}
