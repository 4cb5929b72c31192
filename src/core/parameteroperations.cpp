#include "parameteroperations.h"

#include <QDebug>
#include <QDir>

int ParameterOperations::PatchRun::written() const
{
    // Written and saved, as asked or as the instrument took it.
    int n = 0;
    for (const PatchLineResult &line : lines)
        n += line.result.done() || line.result.code == Result::Code::AnswerDiffers ? 1 : 0;
    return n;
}

int ParameterOperations::PatchRun::named() const
{
    int n = 0;
    for (const PatchLineResult &line : lines)
        n += line.number >= 0 ? 1 : 0;
    return n;
}

ParameterOperations::ParameterOperations(InstrumentLink *link, QObject *parent)
    : QObject(parent), m_link(link)
{
}

Result ParameterOperations::read(int number, const QString &label)
{
    // The instrument lists every parameter in number order; the wanted one ends the wait.
    return m_link->exchange(Qvx2::CmdParamList, Qvx2::parameterAnswer(number), m_link->timing().longWaitMs,
                            label);
}

const CmdParser::Param &ParameterOperations::parameter(int number) const
{
    return m_link->parser().params[qBound(0, number, Qvx2::ParamCount - 1)];
}

int ParameterOperations::numberOf(const QString &name) const
{
    for (int n = Qvx2::FlagParamFirst; n <= Qvx2::FlagParamLast; ++n)
        if (m_link->parser().params[n].name == name)
            return n;
    return -1;
}

Result ParameterOperations::write(int number, qint32 value, const QString &label, qint32 *echoed)
{
    qDebug() << "qv2_envoi_et_sauve_param " << number << " ->  " << value << label;
    if (number < Qvx2::FlagParamFirst || number > Qvx2::FlagParamLast)
        return Result::failed(Result::Code::Unknown);
    const QString command = QString::fromLatin1(Qvx2::CmdParamWrite)
                                .arg(QString::number(number), QString::number(value), parameter(number).name);
    const Result written = m_link->exchange(command.toLatin1(), Qvx2::parameterAnswer(number),
                                            m_link->timing().answerWaitMs, label);
    // No echo: the instrument may not hold the value, and it must not be made permanent.
    if (!written)
        return written;
    // The echo has replaced the stored value: what the instrument took, not what was sent.
    const qint32 took = parameter(number).value;
    if (echoed)
        *echoed = took;
    const Result saved = saveEeprom(label);
    if (!saved)
        return saved;
    if (took != value)
        return Result::failed(Result::Code::AnswerDiffers,
                              tr("L'appareil a pris la valeur %1 au lieu de %2.").arg(took).arg(value));
    return Result::ok();
}

Result ParameterOperations::saveEeprom(const QString &label)
{
    qDebug() << "qv2_sauve_eeprom " << label;
    return m_link->exchange(Qvx2::CmdEepromSave, Qvx2::Answer::EepromSaved, m_link->timing().answerWaitMs,
                            QStringLiteral("eeprom sav"));
}

ParameterOperations::PatchRun ParameterOperations::applyPatch(const QString &path)
{
    PatchRun run;
    run.path = path;
    run.result = read(Qvx2::FlagParamLast, QStringLiteral("Ouvrir_fichier_patch"));
    if (!run.result)
        return run;
    qDebug() << "Ouvrir_fichier_patch: " << path;
    QVector<PatchLine> lines;
    if (!PatchFile::read(path, &lines)) {
        run.result = Result::failed(Result::Code::RefusedFile,
                                    tr("Le fichier %1 n'a pas pu etre lu : rien n'a ete envoye a l'appareil.")
                                        .arg(QDir::toNativeSeparators(path)));
        return run;
    }
    for (const PatchLine &line : qAsConst(lines)) {
        PatchLineResult result;
        result.name = line.name;
        result.value = line.value;
        // Names as the instrument reported them, compared with their case.
        result.number = numberOf(line.name);
        if (result.number < 0) {
            result.result = Result::failed(Result::Code::Unknown);
        } else {
            qDebug() << "Ouvrir_fichier_patch " << result.number << " ->  " << line.name;
            result.result = write(result.number, line.value, line.name, &result.echoed);
            qDebug() << "Ouvrir_fichier_patch fin " << result.number << " ->  " << line.value << " "
                     << line.name;
        }
        run.lines << result;
    }
    return run;
}
