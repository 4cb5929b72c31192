#pragma once

// The application's only window: it shows one measurement, edits its identification and drives the
// instrument link through the user's commands.

#include "apppaths.h"
#include "constants.h"
#include "csvexport.h"
#include "instrumentlink.h"
#include "measurement.h"
#include "portcatalog.h"
#include "ratioevaluation.h"
#include "recordreader.h"
#include "recordsession.h"

#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QStringList>
#include <QTranslator>
#include <QVector>
#include <qwt_plot_curve.h>

class ArchiveWindow;
class FormEditor;
class QActionGroup;
class XmlConf;
class recup_info;

namespace Ui
{
class MainWindow;
} // namespace Ui

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Application directory and the machine's serial ports.
    explicit MainWindow(QWidget *parent = nullptr);
    // appDir holds config.xml, Data/, Maj/, Doc/; ports is what the automatic search may try.
    MainWindow(const QString &appDir, PortCatalog ports, QWidget *parent = nullptr);
    MainWindow(const AppPaths &paths, PortCatalog ports, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Window title with or without a document name.
    void setWindowTitleFile(const QString &fileName);
    void setPrintEnabled(bool enabled);

    // Verdicts, curves, ratios and range.
    void setTestResult(unsigned index, bool ok);
    void clearMeasurement();
    void setCurveTitles();

    // The link's primitives, on the window as the instrument's commands use them.
    void ls_envoi_cmd(const QString &cmd);
    bool ls_attente_trame_progress(int tempo, int pas, int quel_reponse);
    bool ls_attente_trame(int tempo, int quel_reponse);
    bool ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente, int quel_reponse);
    void PortComLibere();
    bool ls_connection_auto();
    void envoi_pingQV2();
    void updateConnectionStatus();
    void updateConnectionActions();

    // Record download and memory commands.
    void lancedownload();
    int recup_enreg_show(int position);
    bool recup_eeprom_num_enreg(int numero);
    void effacement_enregistrements();
    void qv2_sauve_eeprom(const QString &message);

    // Parameters and patches.
    int qv2_demande_param(const QString &label, int numero);
    // True when the instrument echoed the write (the memory save and its box follow).
    bool qv2_envoi_et_sauve_param(int valeur, const QString &label, int numero);
    void Ouvrir_fichier_patch(const QString &nomFichier);

    // Documents.
    QString save();
    bool saveResult(const QString &fileName);
    bool isFormFilled() const;
    // On-screen labels of the fields a save needs and that are empty, in the current language.
    QStringList emptyRequiredFields() const;
    QString proposedFileName() const;
    void reloadFormLists();
    // False, with a message naming the file and the window unchanged, when it is no measurement document.
    bool openDocument(const QString &fileName);
    // The record the window shows, and its life.
    const RecordSession &record() const { return *m_session; }
    const Measurement &currentMeasurement() const { return m_session->measurement(); }
    // The measured ratios against the rated ratio of the form's voltages, with the configured tolerance.
    RatioEvaluation evaluation() const { return RatioEvaluation::of(currentMeasurement(), m_tolerance); }
    // The words of a report in the interface's language.
    ReportTexts reportTexts() const;
    // Downloaded or edited since it was last saved or opened, or cut off.
    bool hasUnsavedData() const { return m_session->hasUnsavedWork(); }
    // Before a command that replaces or drops the measurement: asks the unsaved-data question when there is
    // something to lose. True when the command may go on (saved, or the user chose to discard).
    bool okToDiscard();

    // Replays a saved capture through the parser, as if the instrument sent it again.
    void replayCapture(const QString &fileName);

    // Firmware.
    void startFirmwareUpdate();

    // Languages and help.
    void createLanguageMenu();
    void loadLanguage(const QString &code);
    void switchTranslator(QTranslator &translator, const QString &fileName);
    void updateLanguageActions(const QString &code);
    void retranslateUi();
    int rechercheficdansliste(const QStringList *list, const QString &search);

    // Tests only: a shorter polling cycle, so that waits of hundreds of cycles run quickly.
    static void setLinkCycleMs(int ms) { InstrumentLink::setCycleMs(ms); }

    // Read access for the display and the tests.
    InstrumentLink &link() { return *m_link; }
    CmdParser &parser() { return m_link->parser(); }
    QSerialPort *serialPort() const { return m_link->port(); }
    recup_info *debugWindow() const { return m_recup_info; }
    const QVector<QPointF> &pointsOf(int curve) const { return currentMeasurement().curves[size_t(curve)]; }
    const QwtPlotCurve &curve(int index) const;
    bool testResult(int index) const { return currentMeasurement().passed(index); }
    bool isSerialConnected() const { return m_link->isConnected(); }
    // A whole record is on screen (downloaded, replayed or opened).
    bool isDataPresent() const { return m_session->isWhole(); }
    bool isDataSaved() const { return m_session->isWhole() && !m_session->hasUnsavedWork(); }
    bool isUpdateInProgress() const { return m_link->isPaused(); }
    QString currentPath() const { return m_currentPath; }
    // The last documents opened or saved, newest first, at most RecentDocumentCount.
    QStringList recentDocuments() const;
    void openRecentDocument(const QString &fileName);
    QString language() const { return currentLanguage; }

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

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The form's texts, then what the form does not hold: title, test names shown from their start.
    void retranslateForm();
    void connectForm();
    void loadConfiguration();
    // A config.xml that no longer parses is kept beside and replaced by the default, and the user told.
    void ensureConfigReadable();
    void showVerdict(int index);
    void showRatios();
    // Everything the record shows, after it was replaced (a document, a new record).
    void showRecord();
    // Save, print and the exports follow the record's life; the title names its document.
    void updateRecordActions();
    void onBusyChanged(bool busy);
    // Window sizes and places from the last session, and the recent documents, per user.
    void restoreSession();
    void saveSession() const;
    void addRecentDocument(const QString &fileName);
    void setRecentDocuments(const QStringList &files);
    void fillRecentMenu();
    // What the last search tried and why each port failed, for the user.
    QString searchReport() const;
    // The deviation fields beside the ratios, brought up to date with the form and the ratios.
    void setupEvaluation();
    void showEvaluation();
    // The files exported from the window.
    QString exportFileName(const QString &title, const QString &suffix, const QString &filter);
    bool writeExport(const QString &fileName, const std::function<bool(QIODevice *)> &write);
    bool writePdf(QIODevice *device);

    Ui::MainWindow *ui = nullptr;
    InstrumentLink *m_link = nullptr; // the serial port, its parser and the ping; a child of the window
    QLabel m_statusText;
    QLabel m_statusIcon;
    QLabel m_statusNote; // why there is no connection
    QLabel m_recordNote; // the record shown is incomplete
    enum class LinkNote { None, SearchFailed, Lost } m_linkNote = LinkNote::None;
    QString m_lostPort;
    double m_tolerance = Qvx2::RatioTolerancePercent;
    std::array<QLabel *, Qvx2::RatioShown> m_deviations{};
    QLabel *testIcons[Qvx2::TestCount] = {};
    RecordSession *m_session = nullptr; // the record shown, which a save stores
    RecordReader *m_reader = nullptr;   // the parser's reports into a record
    FormEditor *m_form = nullptr;       // the identification and the comment, editing the record
    QPointer<ArchiveWindow> m_archive;  // open while the user keeps it
    // Loaded once: a QPixmap built from a file name goes back to the file (and its cache) every time.
    const QPixmap m_imgNoVerdict{QLatin1String(Qvx2::ImgNoVerdict)};
    const QPixmap m_imgPassed{QLatin1String(Qvx2::ImgPassed)};
    const QPixmap m_imgFailed{QLatin1String(Qvx2::ImgFailed)};
    QString firmwareFile;
    QString savedLanguage;
    QString m_configFile;
    QString m_currentPath; // config.xml, Data/, Maj/
    QString m_sharePath;   // catalogues, Doc/, patch templates
    QStringList batteryList;
    QString m_code_gdo;
    recup_info *m_recup_info = nullptr;
    QTranslator appTranslator;
    QTranslator qtTranslator;
    QString currentLanguage;
    QActionGroup *languageGroup = nullptr;
    QString m_titleFile; // document name shown in the title
};
