#pragma once

// A record's lines, as the frame parser reports them, gathered into a measurement without a window: what a
// download of many records saves, while the window keeps the measurement it shows.

#include "cmdparser.h"
#include "measurement.h"

#include <QObject>

class RecordCollector : public QObject
{
    Q_OBJECT

public:
    explicit RecordCollector(CmdParser *parser, QObject *parent = nullptr) : QObject(parent), m_parser(parser)
    {
    }
    // Empties the measurement and takes the parser's reports from now on, until stop().
    void start();
    void stop();
    const Measurement &measurement() const { return m_record; }

private:
    CmdParser *m_parser;
    Measurement m_record;
    QList<QMetaObject::Connection> m_connections;
};
