// Instrument parameters, the memory save and patch files.

#include "mainwindow.h"
#include "patchfile.h"
#include "recup_cutoff.h"
#include "recup_gamme.h"
#include "recup_pile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace
{

// Number under which the instrument last reported a parameter of that name, or -1.
int reportedNumber(const CmdParser &parser, const QString &name)
{
    for (int n = Qvx2::FlagParamFirst; n <= Qvx2::FlagParamLast; ++n)
        if (parser.params[n].name == name)
            return n;
    return -1;
}

} // namespace

void MainWindow::qv2_sauve_eeprom(const QString &message)
{
    qDebug() << "qv2_sauve_eeprom " << message;
    if (ls_envoi_attente_trame(QLatin1String(Qvx2::CmdEepromSave), QStringLiteral("eeprom sav"),
                               Qvx2::WaitAnswerCycles, Qvx2::FlagEepromSaved))
        QMessageBox::information(this, tr("Enregistrement"), message);
}

int MainWindow::qv2_demande_param(const QString &label, int numero)
{
    // The instrument lists every parameter in number order; the wanted one ends the wait.
    if (ls_envoi_attente_trame(QLatin1String(Qvx2::CmdParamList), label, Qvx2::WaitLongCycles, numero))
        return 1;
    QMessageBox::information(this, label, tr("interrogation impossible"));
    qDebug() << " qv2_demande_param Can't read pour " << label;
    return 0;
}

bool MainWindow::qv2_envoi_et_sauve_param(int valeur, const QString &label, int numero)
{
    qDebug() << "qv2_envoi_et_sauve_param " << numero << " ->  " << valeur << label;
    if (numero < 0 || numero >= Qvx2::ParamCount)
        return false;
    const QString cmd =
        QString::fromLatin1(Qvx2::CmdParamWrite)
            .arg(QString::number(numero), QString::number(valeur), parser().params[numero].name);
    if (!ls_envoi_attente_trame(cmd, label, Qvx2::WaitAnswerCycles, numero))
        return false;
    // The echo has replaced the stored value: confirm what the instrument took, not what was sent.
    const CmdParser::Param &echoed = parser().params[numero];
    qv2_sauve_eeprom(QStringLiteral("%1 %2 (%3)").arg(label, QString::number(echoed.value), echoed.name));
    return true;
}

void MainWindow::on_actionTemps_de_Coupure_du_QVX2_triggered()
{
    if (!qv2_demande_param(tr("P_AL_FALIM_TEMPS"), Qvx2::ParamCutoffTime))
        return;
    recup_cutoff dialog(this);
    dialog.set_temps(parser().params[Qvx2::ParamCutoffTime].value);
    if (dialog.exec() == QDialog::Accepted && dialog.get_temps() >= recup_cutoff::Cutoff2Min)
        qv2_envoi_et_sauve_param(dialog.get_temps(), tr("Temps de coupure (en s)"), Qvx2::ParamCutoffTime);
}

void MainWindow::on_actionChoix_de_la_gamme_au_d_marrage_triggered()
{
    if (!qv2_demande_param(tr("P_DEMAR_GAMME"), Qvx2::ParamStartRange))
        return;
    recup_gamme dialog(this);
    dialog.set_gamme(parser().params[Qvx2::ParamStartRange].value);
    if (dialog.exec() == QDialog::Accepted && dialog.get_gamme() >= 0)
        qv2_envoi_et_sauve_param(dialog.get_gamme(), tr("Choix de la gamme au demarrage :"),
                                 Qvx2::ParamStartRange);
}

void MainWindow::on_actionChoix_du_type_de_batterie_triggered()
{
    recup_pile dialog(this);
    dialog.set_liste(batteryList);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The threshold's number is the instrument's own: it is looked up by name once the user has chosen,
    // so that a cancelled dialog costs no exchange at all.
    const QString seuilName = QLatin1String(Qvx2::ParamBatteryThresholdName);
    if (!qv2_demande_param(tr("P_AL_FALIM_SEUIL"), Qvx2::FlagParamLast))
        return;
    const int numero = reportedNumber(parser(), seuilName);
    if (numero < 0) {
        qDebug() << "on_actionChoix_du_type_de_batterie_triggered: no parameter" << seuilName;
        QMessageBox::warning(
            this, tr("Choix du type de batterie"),
            tr("L'appareil ne connait pas le parametre %1 : le seuil de pile n'a pas ete modifie.")
                .arg(seuilName));
        return;
    }
    qv2_envoi_et_sauve_param(dialog.get_vpiles(), tr("seuil de pile :"), numero);
}

void MainWindow::Ouvrir_fichier_patch(const QString &nomFichier)
{
    if (!qv2_demande_param(tr("Ouvrir_fichier_patch"), Qvx2::FlagParamLast))
        return;
    // The user's own copy beside config.xml first, else the shipped one.
    QString path = m_currentPath + nomFichier;
    if (!QFileInfo::exists(path))
        path = m_sharePath + nomFichier;
    qDebug() << "Ouvrir_fichier_patch: " << path;

    const QString shownPath = QDir::toNativeSeparators(path);
    QVector<PatchLine> lines;
    if (!PatchFile::read(path, &lines)) {
        QMessageBox::warning(
            this, tr("Patch"),
            tr("Le fichier %1 n'a pas pu etre lu : rien n'a ete envoye a l'appareil.").arg(shownPath));
        return;
    }
    int named = 0;
    int written = 0;
    for (const PatchLine &line : qAsConst(lines)) {
        for (int j = 0; j < Qvx2::ParamCount; ++j) {
            const QString name = parser().params[j].name;
            qDebug() << "Ouvrir_fichier_patch " << j << " ->  " << line.name << " " << name << ">";
            if (line.name != name)
                continue;
            ++named;
            if (qv2_envoi_et_sauve_param(line.value, name, j))
                ++written;
            qDebug() << "Ouvrir_fichier_patch fin " << j << " ->  " << line.value << " " << name << ">";
            break;
        }
    }
    // Each written line has shown its own box; a run that wrote nothing must not look like one that did.
    if (written > 0)
        return;
    QMessageBox::information(
        this, tr("Patch"),
        named == 0
            ? tr("Le fichier %1 ne nomme aucun parametre de l'appareil : rien n'a ete ecrit.").arg(shownPath)
            : tr("L'appareil n'a confirme aucune ecriture du fichier %1 : rien n'a ete ecrit.")
                  .arg(shownPath));
}

void MainWindow::on_actionPatch_court_circuit_triggered()
{
    Ouvrir_fichier_patch(QLatin1String(Qvx2::PatchVoltaneFile));
}

void MainWindow::on_actionPatch_DIREVE_triggered()
{
    Ouvrir_fichier_patch(QLatin1String(Qvx2::PatchDireveFile));
}
