#pragma once

// The main window's commands and primitives under the names the instrument's program has always given them,
// each a one-line forward to the part that does the work: the link, the record, the document, record,
// settings and firmware commands, the language switch. MainWindow, on top, is the view that builds the parts.

#include "instrumentlink.h"
#include "recordreader.h"
#include "recordsession.h"

#include <QMainWindow>
#include <QStringList>

class ArchiveWindow;
class DocumentCommands;
class FirmwareCommands;
class LanguageSwitch;
class LinkStatus;
class TeamCommands;
class QAction;
class QTranslator;
class RecordCommands;
class SettingsCommands;
class recup_info;

class MainWindowBase : public QMainWindow
{
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;

    // The parts the names forward to.
    InstrumentLink &link() { return *m_parts.link; }
    CmdParser &parser() { return m_parts.link->parser(); }
    const RecordSession &record() const { return *m_parts.session; }
    const Measurement &currentMeasurement() const { return m_parts.session->measurement(); }
    recup_info *debugWindow() const { return m_parts.debug; }
    bool isSerialConnected() const { return m_parts.link->isConnected(); }
    bool isUpdateInProgress() const { return m_parts.link->isHeld(); }
    // A whole record is on screen (downloaded, replayed or opened).
    bool isDataPresent() const { return m_parts.session->isWhole(); }
    bool isDataSaved() const { return m_parts.session->isWhole() && !m_parts.session->hasUnsavedWork(); }
    // Downloaded or edited since it was last saved or opened, or cut off.
    bool hasUnsavedData() const { return m_parts.session->hasUnsavedWork(); }
    const QVector<QPointF> &pointsOf(int curve) const { return currentMeasurement().curves[size_t(curve)]; }
    bool testResult(int index) const { return currentMeasurement().passed(index); }

    // The link's primitives; waits are counted in cycles of the link's cycle length.
    void ls_envoi_cmd(const QString &cmd);
    bool ls_attente_trame_progress(int tempo, int pas, int quel_reponse);
    bool ls_attente_trame(int tempo, int quel_reponse);
    bool ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente, int quel_reponse);
    void PortComLibere();
    bool ls_connection_auto();
    void envoi_pingQV2();

    // The record and the instrument's records.
    void setTestResult(unsigned index, bool ok);
    void clearMeasurement();
    void lancedownload();
    int recup_enreg_show(int position);
    bool recup_eeprom_num_enreg(int numero);
    void effacement_enregistrements();
    void replayCapture(const QString &fileName);

    // Parameters and patches.
    void qv2_sauve_eeprom(const QString &message);
    int qv2_demande_param(const QString &label, int numero);
    bool qv2_envoi_et_sauve_param(int valeur, const QString &label, int numero);
    void Ouvrir_fichier_patch(const QString &nomFichier);

    // Documents.
    QString save();
    bool saveResult(const QString &fileName);
    bool isFormFilled() const;
    QString proposedFileName() const;
    bool openDocument(const QString &fileName);
    bool okToDiscard();

    void startFirmwareUpdate();

    // Languages.
    void loadLanguage(const QString &code);
    void switchTranslator(QTranslator &translator, const QString &fileName);
    void updateLanguageActions(const QString &code);
    int rechercheficdansliste(const QStringList *list, const QString &search);
    QString language() const;

public slots:
    void slotLanguageChanged(QAction *action);
    void slotPingQV2();
    void on_actionPatch_DIREVE_triggered();
    void on_actionImprimer_triggered();
    void on_actionExporterPdf_triggered();
    void on_actionExporterCsv_triggered();
    void on_actionExporterImage_triggered();
    void on_actionOuvrir_triggered();
    void on_actionEnregistrer_triggered();
    void on_actionQuitter_triggered();
    void on_actionTelecharger_triggered();
    void on_actionTelechargerTout_triggered();
    ArchiveWindow *on_actionArchive_triggered();
    void cmd_deb_received(QString trame);
    void cmd_raw_data_received(QString data);
    void cmd_result_received(uint n_test, bool isOk, QString com);
    void cmd_values_received(uint n_curve, QVector<QPointF> &data);
    void cmd_end_received(QString comment, QString gamme, QString ratio);
    void cmd_rapport_received(uint n_rapport, QString rapport);
    void on_actionUSB_recherche_automatique_triggered();
    void on_actionTemps_de_Coupure_du_QVX2_triggered();
    void on_actionChoix_de_la_gamme_au_d_marrage_triggered();
    void on_actionChoix_du_type_de_batterie_triggered();
    void onDataAvailable();
    void on_actionMise_jour_firmware_triggered();
    void on_actionDocumentation_triggered();
    void on_action_propos_de_ORVA_SA_triggered();
    void on_NameEdit_textChanged(QString arg1);
    void on_NamePosteEdit_textChanged(QString arg1);
    void on_NumTranfoEdit_textChanged(QString arg1);
    void on_CodeGDOEdit_textChanged(QString arg1);
    void on_actionDebug_triggered();
    void on_actionOuvrir_fichier_debug_triggered();
    void on_actionPatch_court_circuit_triggered();
    void on_actionInfo_UC_triggered();
    void on_actionEquipe_triggered();

protected:
    struct Parts {
        InstrumentLink *link = nullptr;
        RecordSession *session = nullptr;
        RecordReader *reader = nullptr;
        DocumentCommands *documents = nullptr;
        RecordCommands *records = nullptr;
        SettingsCommands *settings = nullptr;
        FirmwareCommands *firmware = nullptr;
        LanguageSwitch *languages = nullptr;
        LinkStatus *status = nullptr;
        TeamCommands *team = nullptr;
        recup_info *debug = nullptr;
    };
    Parts m_parts;
};
