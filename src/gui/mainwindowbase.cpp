// The window's historical names, each a one-line forward.

#include "mainwindowbase.h"

#include "aboutdialog.h"
#include "documentcommands.h"
#include "firmwarecommands.h"
#include "languageswitch.h"
#include "linkstatus.h"
#include "recordcommands.h"
#include "settingscommands.h"
#include "teamcommands.h"

#include <QCoreApplication>
#include <QDebug>

void MainWindowBase::ls_envoi_cmd(const QString &cmd)
{
    m_parts.link->send(cmd.toLocal8Bit());
}

bool MainWindowBase::ls_attente_trame_progress(int tempo, int pas, int quel_reponse)
{
    return m_parts.link->wait(Qvx2::Answer(quel_reponse), (tempo + 2) * pas).done();
}

bool MainWindowBase::ls_attente_trame(int tempo, int quel_reponse)
{
    return m_parts.link->wait(Qvx2::Answer(quel_reponse), m_parts.link->timing().cycles(tempo)).done();
}

bool MainWindowBase::ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente,
                                            int quel_reponse)
{
    return m_parts.link
        ->exchange(cmd.toLocal8Bit(), Qvx2::Answer(quel_reponse), m_parts.link->timing().cycles(attente),
                   label)
        .done();
}

void MainWindowBase::PortComLibere()
{
    QCoreApplication::processEvents();
    m_parts.link->release();
}

bool MainWindowBase::ls_connection_auto()
{
    return m_parts.link->search();
}

void MainWindowBase::envoi_pingQV2()
{
    m_parts.link->ping();
}

void MainWindowBase::setTestResult(unsigned index, bool ok)
{
    if (!m_parts.session->setVerdict(int(index),
                                     ok ? Measurement::Verdict::Passed : Measurement::Verdict::Failed))
        qDebug() << "setTestResult(): can't set test result: " << index;
}

void MainWindowBase::clearMeasurement()
{
    m_parts.session->clearResults();
}

void MainWindowBase::lancedownload()
{
    m_parts.records->chooseAndDownload();
}

int MainWindowBase::recup_enreg_show(int position)
{
    return m_parts.records->chooseRecord(position);
}

bool MainWindowBase::recup_eeprom_num_enreg(int numero)
{
    return m_parts.records->fetchRecord(numero);
}

void MainWindowBase::effacement_enregistrements()
{
    m_parts.records->erase();
}

void MainWindowBase::replayCapture(const QString &fileName)
{
    m_parts.records->replay(fileName);
}

void MainWindowBase::qv2_sauve_eeprom(const QString &message)
{
    m_parts.settings->saveMemory(message);
}

int MainWindowBase::qv2_demande_param(const QString &label, int numero)
{
    return m_parts.settings->query(label, numero) ? 1 : 0;
}

bool MainWindowBase::qv2_envoi_et_sauve_param(int valeur, const QString &label, int numero)
{
    return m_parts.settings->write(valeur, label, numero);
}

void MainWindowBase::Ouvrir_fichier_patch(const QString &nomFichier)
{
    m_parts.settings->applyPatch(nomFichier);
}

QString MainWindowBase::save()
{
    return m_parts.documents->save();
}

bool MainWindowBase::saveResult(const QString &fileName)
{
    return m_parts.documents->saveTo(fileName);
}

bool MainWindowBase::isFormFilled() const
{
    return m_parts.documents->isFormFilled();
}

QString MainWindowBase::proposedFileName() const
{
    return m_parts.documents->proposedFileName();
}

bool MainWindowBase::openDocument(const QString &fileName)
{
    return m_parts.documents->openDocument(fileName);
}

bool MainWindowBase::okToDiscard()
{
    return m_parts.documents->okToDiscard();
}

void MainWindowBase::startFirmwareUpdate()
{
    m_parts.firmware->run();
}

void MainWindowBase::loadLanguage(const QString &code)
{
    m_parts.languages->load(code);
}

void MainWindowBase::switchTranslator(QTranslator &translator, const QString &fileName)
{
    m_parts.languages->switchTranslator(translator, fileName);
}

void MainWindowBase::updateLanguageActions(const QString &code)
{
    m_parts.languages->updateActions(code);
}

int MainWindowBase::rechercheficdansliste(const QStringList *list, const QString &search)
{
    return LanguageSwitch::find(*list, search);
}

QString MainWindowBase::language() const
{
    return m_parts.languages->current();
}

void MainWindowBase::slotLanguageChanged(QAction *action)
{
    m_parts.languages->chosen(action);
}

void MainWindowBase::slotPingQV2()
{
    m_parts.link->pingDue();
}

void MainWindowBase::on_actionPatch_DIREVE_triggered()
{
    m_parts.settings->applyPatch(QLatin1String(Qvx2::PatchDireveFile));
}

void MainWindowBase::on_actionImprimer_triggered()
{
    m_parts.documents->print();
}

void MainWindowBase::on_actionExporterPdf_triggered()
{
    m_parts.documents->exportPdf();
}

void MainWindowBase::on_actionExporterCsv_triggered()
{
    m_parts.documents->exportCsv();
}

void MainWindowBase::on_actionExporterImage_triggered()
{
    m_parts.documents->exportImage();
}

void MainWindowBase::on_actionOuvrir_triggered()
{
    m_parts.documents->open();
}

void MainWindowBase::on_actionEnregistrer_triggered()
{
    m_parts.documents->save();
}

void MainWindowBase::on_actionQuitter_triggered()
{
    if (m_parts.documents->okToDiscard())
        QCoreApplication::exit(0);
}

void MainWindowBase::on_actionTelecharger_triggered()
{
    m_parts.records->download();
}

void MainWindowBase::on_actionTelechargerTout_triggered()
{
    m_parts.records->downloadAll();
}

ArchiveWindow *MainWindowBase::on_actionArchive_triggered()
{
    return m_parts.documents->showArchive();
}

void MainWindowBase::cmd_deb_received(QString trame)
{
    m_parts.reader->start(trame);
}

void MainWindowBase::cmd_raw_data_received(QString data)
{
    m_parts.reader->line(data);
}

void MainWindowBase::cmd_result_received(uint n_test, bool isOk, QString com)
{
    m_parts.reader->verdict(n_test, isOk, com);
}

void MainWindowBase::cmd_values_received(uint n_curve, QVector<QPointF> &data)
{
    m_parts.reader->points(n_curve, data);
}

void MainWindowBase::cmd_end_received(QString comment, QString gamme, QString ratio)
{
    m_parts.reader->end(comment, gamme, ratio);
}

void MainWindowBase::cmd_rapport_received(uint n_rapport, QString rapport)
{
    m_parts.reader->ratio(n_rapport, rapport);
}

void MainWindowBase::on_actionUSB_recherche_automatique_triggered()
{
    m_parts.status->searchAsked();
}

void MainWindowBase::on_actionTemps_de_Coupure_du_QVX2_triggered()
{
    m_parts.settings->cutoffTime();
}

void MainWindowBase::on_actionChoix_de_la_gamme_au_d_marrage_triggered()
{
    m_parts.settings->startRange();
}

void MainWindowBase::on_actionChoix_du_type_de_batterie_triggered()
{
    m_parts.settings->batteryType();
}

void MainWindowBase::onDataAvailable()
{
    m_parts.link->takeReceived();
}

void MainWindowBase::on_actionMise_jour_firmware_triggered()
{
    m_parts.firmware->update();
}

void MainWindowBase::on_actionDocumentation_triggered()
{
    m_parts.languages->openGuide();
}

void MainWindowBase::on_action_propos_de_ORVA_SA_triggered()
{
    aboutDialog(this).exec();
}

void MainWindowBase::on_NameEdit_textChanged(QString arg1)
{
    qDebug() << " on_NameEdit_textChanged  " << arg1;
}

void MainWindowBase::on_NamePosteEdit_textChanged(QString arg1)
{
    qDebug() << " on_NamePosteEdit_textChanged  " << arg1;
}

void MainWindowBase::on_NumTranfoEdit_textChanged(QString arg1)
{
    qDebug() << " on_NumTranfoEdit_textChanged  " << arg1;
}

void MainWindowBase::on_CodeGDOEdit_textChanged(QString arg1)
{
    qDebug() << " on_CodeGDOEdit_textChanged  " << arg1;
}

void MainWindowBase::on_actionDebug_triggered()
{
    m_parts.records->showCapture();
}

void MainWindowBase::on_actionOuvrir_fichier_debug_triggered()
{
    m_parts.records->replayAsked();
}

void MainWindowBase::on_actionPatch_court_circuit_triggered()
{
    m_parts.settings->applyPatch(QLatin1String(Qvx2::PatchVoltaneFile));
}

void MainWindowBase::on_actionInfo_UC_triggered()
{
    m_parts.records->information();
}

void MainWindowBase::on_actionEquipe_triggered()
{
    m_parts.team->showDialog();
}
