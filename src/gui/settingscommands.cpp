#include "settingscommands.h"

#include "configuration.h"
#include "recup_cutoff.h"
#include "recup_gamme.h"
#include "recup_pile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

SettingsCommands::SettingsCommands(QWidget *window, ParameterOperations *parameters, Configuration *config,
                                   const QString &dataPath, const QString &sharePath, QObject *parent)
    : QObject(parent), m_window(window), m_parameters(parameters), m_config(config), m_dataPath(dataPath),
      m_sharePath(sharePath)
{
}

bool SettingsCommands::query(const QString &label, int number)
{
    const Result r = m_parameters->read(number, label);
    if (r)
        return true;
    QMessageBox::information(m_window, label,
                             tr("interrogation impossible") + QLatin1String("\n\n") + r.reason);
    qDebug() << " qv2_demande_param Can't read pour " << label;
    return false;
}

void SettingsCommands::tell(const QString &label, const QString &name, qint32 echoed, const Result &result)
{
    // The confirmation names the value the instrument took, not the one sent.
    const QString confirmation = QStringLiteral("%1 %2 (%3)").arg(label, QString::number(echoed), name);
    if (result)
        QMessageBox::information(m_window, tr("Enregistrement"), confirmation);
    else if (result.code == Result::Code::AnswerDiffers)
        QMessageBox::warning(m_window, tr("Enregistrement"),
                             confirmation + QLatin1String("\n\n") + result.reason);
    else
        QMessageBox::warning(m_window, tr("Enregistrement"),
                             tr("%1 : la valeur n'a pas ete enregistree dans l'appareil.").arg(label) +
                                 QLatin1String("\n\n") + result.reason);
}

bool SettingsCommands::write(qint32 value, const QString &label, int number)
{
    qint32 echoed = 0;
    const Result r = m_parameters->write(number, value, label, &echoed);
    tell(label, m_parameters->parameter(number).name, echoed, r);
    return r.done() || r.code == Result::Code::AnswerDiffers;
}

void SettingsCommands::saveMemory(const QString &message)
{
    const Result r = m_parameters->saveEeprom(message);
    if (r)
        QMessageBox::information(m_window, tr("Enregistrement"), message);
    else
        QMessageBox::warning(m_window, tr("Enregistrement"), r.reason);
}

void SettingsCommands::cutoffTime()
{
    if (!query(tr("P_AL_FALIM_TEMPS"), Qvx2::ParamCutoffTime))
        return;
    recup_cutoff dialog(m_window);
    dialog.set_temps(m_parameters->parameter(Qvx2::ParamCutoffTime).value);
    if (dialog.exec() == QDialog::Accepted && dialog.get_temps() >= recup_cutoff::Cutoff2Min)
        write(dialog.get_temps(), tr("Temps de coupure (en s)"), Qvx2::ParamCutoffTime);
}

void SettingsCommands::startRange()
{
    if (!query(tr("P_DEMAR_GAMME"), Qvx2::ParamStartRange))
        return;
    recup_gamme dialog(m_window);
    dialog.set_gamme(m_parameters->parameter(Qvx2::ParamStartRange).value);
    if (dialog.exec() == QDialog::Accepted && dialog.get_gamme() >= 0)
        write(dialog.get_gamme(), tr("Choix de la gamme au demarrage :"), Qvx2::ParamStartRange);
}

void SettingsCommands::batteryType()
{
    recup_pile dialog(m_window);
    dialog.set_liste(m_config->batteries());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The threshold's number is the instrument's own: it is looked up by name once the user has chosen,
    // so that a cancelled dialog costs no exchange at all.
    const QString seuilName = QLatin1String(Qvx2::ParamBatteryThresholdName);
    if (!query(tr("P_AL_FALIM_SEUIL"), Qvx2::FlagParamLast))
        return;
    const int number = m_parameters->numberOf(seuilName);
    if (number < 0) {
        qDebug() << "on_actionChoix_du_type_de_batterie_triggered: no parameter" << seuilName;
        QMessageBox::warning(
            m_window, tr("Choix du type de batterie"),
            tr("L'appareil ne connait pas le parametre %1 : le seuil de pile n'a pas ete modifie.")
                .arg(seuilName));
        return;
    }
    write(dialog.get_vpiles(), tr("seuil de pile :"), number);
}

void SettingsCommands::applyPatch(const QString &fileName)
{
    QString path = m_dataPath + fileName;
    if (!QFileInfo::exists(path))
        path = m_sharePath + fileName;
    const QString shownPath = QDir::toNativeSeparators(path);
    const ParameterOperations::PatchRun run = m_parameters->applyPatch(path);
    if (run.result.code == Result::Code::RefusedFile) {
        QMessageBox::warning(m_window, tr("Patch"), run.result.reason);
        return;
    }
    if (!run.result) {
        QMessageBox::information(m_window, tr("Ouvrir_fichier_patch"),
                                 tr("interrogation impossible") + QLatin1String("\n\n") + run.result.reason);
        return;
    }
    // Each line the instrument took shows its own box; the lines it did not take are told together.
    QStringList failed;
    for (const ParameterOperations::PatchLineResult &line : run.lines) {
        if (line.number < 0)
            continue;
        if (line.result.done() || line.result.code == Result::Code::AnswerDiffers)
            tell(line.name, line.name, line.echoed, line.result);
        else
            failed << tr("%1 = %2 : %3").arg(line.name).arg(line.value).arg(line.result.reason);
    }
    if (run.named() == 0)
        QMessageBox::information(
            m_window, tr("Patch"),
            tr("Le fichier %1 ne nomme aucun parametre de l'appareil : rien n'a ete ecrit.").arg(shownPath));
    else if (run.written() == 0)
        QMessageBox::information(
            m_window, tr("Patch"),
            tr("L'appareil n'a confirme aucune ecriture du fichier %1 : rien n'a ete ecrit.").arg(shownPath) +
                QLatin1String("\n\n") + failed.join(QLatin1Char('\n')));
    else if (!failed.isEmpty())
        QMessageBox::warning(m_window, tr("Patch"),
                             tr("Ces lignes du fichier %1 n'ont pas ete ecrites :").arg(shownPath) +
                                 QLatin1Char('\n') + failed.join(QLatin1Char('\n')));
}
