#pragma once

// Reads a record's reports from the frame parser into a record session: the one reader of records, for the
// window's record, each record of a download of all, and a replayed capture.

#include "cmdparser.h"
#include "recordsession.h"

#include <QObject>
#include <QPointer>

class RecordReader : public QObject
{
    Q_OBJECT

public:
    explicit RecordReader(CmdParser *parser, QObject *parent = nullptr);

    // From now on the parser's reports of a record go into this session (none: they are not kept).
    void setTarget(RecordSession *session) { m_target = session; }
    RecordSession *target() const { return m_target; }
    // The reports go into another session while it lives (none: nowhere), then back where they went.
    class Redirect
    {
    public:
        Redirect(RecordReader &reader, RecordSession *session) : m_reader(reader), m_before(reader.target())
        {
            reader.setTarget(session);
        }
        ~Redirect() { m_reader.setTarget(m_before); }
        Redirect(const Redirect &) = delete;
        Redirect &operator=(const Redirect &) = delete;

    private:
        RecordReader &m_reader;
        RecordSession *m_before;
    };

    // The parser's reports, as it emits them.
    void start(const QString &trame);
    void line(const QString &line);
    void verdict(uint test, bool isOk, const QString &com);
    void points(uint curve, const QVector<QPointF> &data);
    void end(const QString &comment, const QString &range, const QString &endLine);
    void ratio(uint index, const QString &text);

private:
    bool accepting() const;

    QPointer<RecordSession> m_target;
};
