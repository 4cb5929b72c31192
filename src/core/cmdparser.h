#pragma once

// Turns the instrument's CR-ended text lines into typed events, answer flags and stored values.

#include "constants.h"

#include <QByteArray>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QStringRef>
#include <QVector>

class CmdParser : public QObject
{
    Q_OBJECT

public:
    using Fields = QVector<QStringRef>;

    struct Param {
        qint32 value = 0;
        QString name;
    };

    explicit CmdParser(QObject *parent = nullptr);

    // Consumes every complete line at the front of buffer; an incomplete tail stays for the next call.
    void parse(QByteArray &buffer);
    // Starts a new transfer: empties range, numero, text and ratios, clears the flags, becomes active.
    void reset();
    void clearReceivedFlags();
    QString text() const { return m_text; }

    Param params[Qvx2::ParamCount];
    qint32 recordNumber = 0;
    int received[Qvx2::FlagCount] = {};
    bool active = false;
    double ratios[Qvx2::RatioCount] = {};
    QString range;
    QString numero;

signals:
    void cmdDebReceived(QString trame);
    void CmdRawDataReceived(QString trame);
    void CmdResultatReceived(unsigned n_test, bool isOk, QString com);
    void CmdValuesReceived(unsigned n_curve, QVector<QPointF> &data);
    void CmdEndReceived(QString comment, QString gamme, QString numero);
    void CmdRapportReceived(unsigned n_rapport, QString rapport);

private:
    // Handles one line (CR included); returns whether a keyword rule recognised it. May extend line.
    bool handleLine(QString &line);
    void verdictRule(const Fields &f);
    void curveRule(const Fields &f);
    void ratioRule(const Fields &f);
    void paramRule(const Fields &f);

    QString m_text;
};
