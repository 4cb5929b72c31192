#include "cmdparser.h"

#include "lineframer.h"

#include <QDebug>
#include <cmath>

namespace
{

using Fields = CmdParser::Fields;

// A field the line does not have reads as empty text.
QStringRef field(const Fields &f, int i)
{
    return i < f.size() ? f.at(i) : QStringRef();
}

bool is(const QStringRef &fieldText, const char *keyword)
{
    return fieldText.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

qint32 toInt(const QStringRef &s)
{
    bool ok = false;
    const int v = s.trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}

double toDecimal(const QStringRef &s)
{
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

} // namespace

CmdParser::CmdParser(QObject *parent) : QObject(parent)
{
    reset();
    active = false;
}

void CmdParser::reset()
{
    range.clear();
    numero.clear();
    m_text.clear();
    for (double &r : ratios)
        r = 0.0;
    clearReceivedFlags();
    active = true;
}

void CmdParser::clearReceivedFlags()
{
    for (int &flag : received)
        flag = 0;
}

void CmdParser::parse(QByteArray &buffer)
{
    LineFramer::takeLines(buffer, [this](const QByteArray &bytes) {
        QString line = QString::fromUtf8(bytes);
        if (handleLine(line)) {
            if (active)
                emit CmdRawDataReceived(line);
            m_text += line;
        } else {
            // A flood without CRs must not flood the log too.
            qDebug() << " unuse " << (line.size() > 200 ? line.left(200) + QStringLiteral("...") : line);
        }
    });
}

bool CmdParser::handleLine(QString &line)
{
    // Fields refer into the line; the end rule extends the line only after its last use of them.
    const Fields f = line.splitRef(QLatin1Char(' '), Qt::KeepEmptyParts);
    const QStringRef key = f.first();

    if (is(key, "RESULT") || is(key, "RESULTAT")) {
        verdictRule(f);
        return true;
    }
    if (is(key, "V.")) {
        curveRule(f);
        return true;
    }
    if (is(key, "FFT") || is(key, "V_ecart") || is(key, "R_ecart") || is(key, "Transformer") ||
        is(key, "Transformateur"))
        return true;
    if (is(key, "Clear_enreg")) {
        received[Qvx2::flag(Qvx2::Answer::Erased)] = 1;
        return true;
    }
    if (is(key, "RAPPORT")) {
        ratioRule(f);
        return true;
    }
    if (is(key, "Voie"))
        return true;
    if (is(key, "PARAM")) {
        paramRule(f);
        return true;
    }
    if (is(key, "Titre:") || is(key, "Continuite") || is(key, "TempsUse:") || is(key, "Alim"))
        return true;
    if (is(key, "Inf:")) {
        if (is(field(f, 1), "recu:EEPROM"))
            received[Qvx2::flag(Qvx2::Answer::EepromSaved)] = 1;
        return true;
    }
    if (is(key, "Conf:")) {
        // The probe answer sets its flag but is neither forwarded nor accumulated.
        if (is(field(f, 1), "Stack_Used"))
            received[Qvx2::flag(Qvx2::Answer::Probe)] = 1;
        return false;
    }
    if (is(key, "GAMME") || is(key, "RANGE")) {
        range = field(f, 1).toString();
        received[Qvx2::flag(Qvx2::Answer::Range)] = 1;
        return true;
    }
    if (is(key, "Recup_courbe")) {
        const QStringRef sub = field(f, 1);
        if (is(sub, "debut")) {
            reset();
            emit cmdDebReceived(QStringLiteral("---\r"));
            return true;
        }
        if (is(sub, "fin")) {
            numero = field(f, 4).toString();
            line += numero + QStringLiteral("\rfin de fichier\r");
            m_text += line;
            received[Qvx2::flag(Qvx2::Answer::RecordEnd)] = 1;
            if (active)
                emit CmdEndReceived(m_text, range, line);
            active = false;
            return true;
        }
        return false;
    }
    if (is(key, "Enreg_en_cours")) {
        recordNumber = toInt(field(f, 1));
        received[Qvx2::flag(Qvx2::Answer::RecordNumber)] = 1;
        return true;
    }
    if (is(key, "IDENT"))
        return true;
    return false;
}

void CmdParser::verdictRule(const Fields &f)
{
    const unsigned nTest = unsigned(toInt(field(f, 1).left(2)));
    const QString com = field(f, 2) == QLatin1String("Test_clear") ? QStringLiteral("clear") : QString();
    const QStringRef verdict = field(f, 3);
    const bool isOk = is(verdict, "CORRECT") || is(verdict, "SUCCESS");
    if (active)
        emit CmdResultatReceived(nTest, isOk, com);
}

void CmdParser::curveRule(const Fields &f)
{
    QVector<QPointF> points;
    points.reserve(10);
    const int x0 = toInt(field(f, 3));
    for (int i = 0; i < 10; ++i)
        points.append(QPointF(double(x0) + i, double(toInt(field(f, 5 + i)))));
    const int channel = toInt(field(f, 1));
    // Instrument channels 0..2 and 4..6 are curves 0..5.
    const unsigned nCurve = unsigned(channel <= 2 ? channel : channel - 1);
    if (active)
        emit CmdValuesReceived(nCurve, points);
}

void CmdParser::ratioRule(const Fields &f)
{
    const int k = toInt(field(f, 1));
    const double r = toDecimal(field(f, 3));
    if (k >= 0 && k < Qvx2::RatioCount) {
        ratios[k] = r;
        if (k == 2) {
            ratios[3] = (ratios[0] + ratios[1] + ratios[2]) / 3.0;
            for (unsigned i = 0; i < 4; ++i)
                emit CmdRapportReceived(i, QString::number(ratios[i], 'f', 2));
        }
    }
    qDebug() << " voie " << k << " rapport " << r;
}

void CmdParser::paramRule(const Fields &f)
{
    const int n = toInt(field(f, 1));
    if (n < Qvx2::FlagParamFirst || n > Qvx2::FlagParamLast)
        return;
    received[n] = 1;
    params[n].value = toInt(field(f, 2));
    params[n].name = field(f, 3).toString();
    qDebug() << " CMD_PARAM " << n << " -> " << params[n].name << " = " << params[n].value;
}
