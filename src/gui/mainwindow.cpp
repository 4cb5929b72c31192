#include "mainwindow.h"

#include "configuration.h"
#include "documentcommands.h"
#include "firmwarecommands.h"
#include "format.h"
#include "formeditor.h"
#include "languageswitch.h"
#include "linkstatus.h"
#include "parameteroperations.h"
#include "recentdocuments.h"
#include "recordcommands.h"
#include "recordoperations.h"
#include "recup_info.h"
#include "reportrenderer.h"
#include "settingscommands.h"
#include "teamcommands.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(AppPaths::locate(QCoreApplication::applicationDirPath()), systemPortCatalog(), parent)
{
}

MainWindow::MainWindow(const QString &appDir, PortCatalog ports, QWidget *parent)
    : MainWindow(AppPaths::portable(appDir), std::move(ports), parent)
{
}

MainWindow::MainWindow(const AppPaths &paths, PortCatalog ports, QWidget *parent)
    : MainWindowBase(parent), ui(new Ui::MainWindow), m_paths(paths)
{
    Q_INIT_RESOURCE(gui); // the resources live in a static library
    qDebug() << "MainWindow()";
    ui->setupUi(this);
    qDebug() << "m_currentPath :" << m_paths.data;

    // What the program writes is made before anything is read from or written to it: the data folder holds
    // config.xml, the documents and the firmware images (an installed copy's first start has none of them).
    for (const char *dir : {Qvx2::DataDir, Qvx2::FirmwareDir})
        if (!QDir().mkpath(m_paths.data + QLatin1String(dir)))
            qDebug() << "Impossible de créer le répertoire de sauvegarde." << dir;

    QLabel *const icons[Qvx2::TestCount] = {ui->IconT1,  ui->IconT2,  ui->IconT3,  ui->IconT4,  ui->IconT5,
                                            ui->IconT6,  ui->IconT7,  ui->IconT8,  ui->IconT9,  ui->IconT10,
                                            ui->IconT11, ui->IconT12, ui->IconT13, ui->IconT14, ui->IconT15,
                                            ui->IconT16, ui->IconT17, ui->IconT18, ui->IconT19};
    std::copy(std::begin(icons), std::end(icons), m_testIcons.begin());
    buildParts(std::move(ports));

    ui->StatusBar->addWidget(&m_recordNote, 0);
    m_recordNote.setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    m_recordNote.hide();
    setCurveTitles();
    // The range and the ratios are the instrument's: shown, never typed.
    for (QLineEdit *result :
         {ui->le_gamme, ui->leratio, ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3})
        result->setReadOnly(true);

    // Tab goes down the form's left column, then its right one, then to the comment.
    QWidget *const order[] = {ui->NameEdit,       ui->NamePosteEdit, ui->NumTranfoEdit,  ui->DateEdit,
                              ui->CodeGDOEdit,    ui->VendorCombo,   ui->PuissanceCombo, ui->TensionHT1Combo,
                              ui->TensionBtCombo, ui->FuseCombo,     ui->CommentText};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_config->load(m_form);
    createLanguageMenu();
    m_form->showRecord();
    setupEvaluation();
    retranslateForm();
    restoreSession();
    updateConnectionActions();

    m_parts.link->startPing();
    ls_connection_auto();
    m_parts.link->startPortWatch();
}

void MainWindow::buildParts(PortCatalog ports)
{
    Parts &p = m_parts;
    p.link = new InstrumentLink(std::move(ports), this);
    connect(p.link, &InstrumentLink::connectionChanged, this, &MainWindow::updateConnectionActions);
    connect(p.link, &InstrumentLink::respondingChanged, this, &MainWindow::updateConnectionActions);
    connect(p.link, &InstrumentLink::searchingChanged, this, &MainWindow::updateConnectionActions);
    connect(p.link, &InstrumentLink::busyChanged, this, &MainWindow::onBusyChanged);
    p.status = new LinkStatus(p.link, ui->StatusBar, this, this);

    // The record: its life in the session, the parser's reports read into it, the form editing it.
    p.session = new RecordSession(this);
    p.reader = new RecordReader(&p.link->parser(), this);
    p.reader->setTarget(p.session);
    m_form = new FormEditor(ui->FormGroupBox, ui->gridLayout_2, ui->CommentText, p.session, this);
    connect(p.session, &RecordSession::replaced, this, &MainWindow::showRecord);
    connect(p.session, &RecordSession::verdictChanged, this, &MainWindow::showVerdict);
    connect(p.session, &RecordSession::curveChanged, this,
            [this](int c) { ui->reponsePlot->setCurve(c, currentMeasurement().curves[size_t(c)]); });
    connect(p.session, &RecordSession::ratiosChanged, this, &MainWindow::showRatios);
    connect(p.session, &RecordSession::rangeChanged, this,
            [this] { ui->le_gamme->setText(currentMeasurement().gamme); });
    connect(p.session, &RecordSession::stateChanged, this, &MainWindow::updateConnectionActions);

    m_config = new Configuration(m_paths.data + QLatin1String(Qvx2::ConfigFileName), this, this);
    m_recent = new RecentDocuments(ui->menuDocumentsRecents, this, this);
    m_renderer = new ReportRenderer(ui->reponsePlot, this);
    p.documents = new DocumentCommands(this, p.session, m_form, m_config, m_recent, m_renderer,
                                       m_paths.data + QLatin1String(Qvx2::DataDir), this);
    p.debug = new recup_info(this);
    p.debug->setDataDir(m_paths.data + QLatin1String(Qvx2::DataDir));
    p.debug->hide();
    m_recordOps = new RecordOperations(p.link, p.reader, this);
    p.records = new RecordCommands(this, m_recordOps, p.link, p.session, p.documents, p.debug,
                                   m_paths.data + QLatin1String(Qvx2::DataDir), this);
    connect(p.records, &RecordCommands::instrumentIdentified, p.documents, &DocumentCommands::setInstrument);
    p.team = new TeamCommands(this, ui->StatusBar, m_paths.data + QLatin1String(Qvx2::DataDir),
                              AppPaths::indexFile(), this);
    p.documents->setTeam(p.team);
    connect(p.documents, &DocumentCommands::documentSaved, p.team, &TeamCommands::syncSoon);
    connect(p.records, &RecordCommands::documentsSaved, p.team, &TeamCommands::syncSoon);
    m_parameterOps = new ParameterOperations(p.link, this);
    p.settings = new SettingsCommands(this, m_parameterOps, m_config, m_paths.data, m_paths.share, this);
    p.firmware = new FirmwareCommands(this, p.link, m_paths.data + QLatin1String(Qvx2::FirmwareDir), this);
    p.languages = new LanguageSwitch(this, m_config, m_paths.share, this);
    connect(p.languages, &LanguageSwitch::loaded, this, [this] {
        // A date field takes the date format of the locale in force when it is made.
        m_form->recreateDateEdit();
        ui->DateEdit = m_form->dateEdit();
        retranslateForm();
    });
}

MainWindow::~MainWindow()
{
    saveSession();
    m_parts.link->release();
    delete ui;
}

void MainWindow::createLanguageMenu()
{
    m_parts.languages->createMenu(ui->menuLangue, {{ui->actionFrancais, QStringLiteral("fr")},
                                                   {ui->actionEnglish, QStringLiteral("en")},
                                                   {ui->actionNorsk, QStringLiteral("ng")},
                                                   {ui->actionSvensk, QStringLiteral("sv")},
                                                   {ui->actionRussian, QStringLiteral("ru")}});
}

void MainWindow::setWindowTitleFile(const QString &fileName)
{
    m_titleFile = fileName;
    const QString product = QLatin1String(Qvx2::ProductName);
    const QString version = QLatin1String(Qvx2::ProductVersion);
    if (fileName.isEmpty())
        setWindowTitle(QStringLiteral("%1 %2").arg(product, version));
    else
        setWindowTitle(QStringLiteral("%1 %2 - %3").arg(product, version, fileName));
}

void MainWindow::setPrintEnabled(bool enabled)
{
    ui->actionImprimer->setEnabled(enabled);
}

void MainWindow::setCurveTitles()
{
    ui->reponsePlot->setTitles(CurvePlot::curveNames());
}

const QwtPlotCurve &MainWindow::curve(int index) const
{
    return ui->reponsePlot->curve(index);
}

void MainWindow::updateConnectionStatus()
{
    m_parts.status->update();
}

void MainWindow::updateConnectionActions()
{
    InstrumentLink *link = m_parts.link;
    // While an exchange waits, no other command may reach the instrument, nor replace what it is filling.
    const bool idle = !link->isBusy() && !link->isSearching();
    const bool usable = link->isConnected() && link->isResponding() && idle;
    ui->actionUSB_recherche_automatique->setEnabled((!link->isConnected() || !link->isResponding()) && idle);
    for (QAction *action : {ui->actionTelecharger, ui->actionTelechargerTout,
                            ui->actionTemps_de_Coupure_du_QVX2, ui->actionChoix_de_la_gamme_au_d_marrage,
                            ui->actionMise_jour_firmware, ui->actionChoix_du_type_de_batterie,
                            ui->actionPatch_court_circuit, ui->actionPatch_DIREVE, ui->actionInfo_UC})
        action->setEnabled(usable);
    ui->actionOuvrir->setEnabled(!link->isBusy());
    ui->actionOuvrir_fichier_debug->setEnabled(!link->isBusy());
    m_recent->setEnabled(!link->isBusy());
    // Only a whole record is saved, printed or exported; nothing is while an exchange fills it.
    const RecordSession *session = m_parts.session;
    const bool whole = session->isWhole() && !link->isBusy();
    for (QAction *action : {ui->actionEnregistrer, ui->actionImprimer, ui->actionExporterPdf,
                            ui->actionExporterCsv, ui->actionExporterImage})
        action->setEnabled(whole);
    ui->IncompleteLabel->setVisible(session->isIncomplete());
    m_recordNote.setVisible(session->isIncomplete());
    setWindowTitleFile(session->path().isEmpty() ? QString() : QFileInfo(session->path()).fileName());
}

void MainWindow::onBusyChanged(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    updateConnectionActions();
}

void MainWindow::showVerdict(int index)
{
    static_assert(int(Measurement::Verdict::None) == 0, "no verdict is the cleared state");
    const Measurement::Verdict v = currentMeasurement().verdicts[size_t(index)];
    m_testIcons[size_t(index)]->setPixmap(v == Measurement::Verdict::Passed   ? m_imgPassed
                                          : v == Measurement::Verdict::Failed ? m_imgFailed
                                                                              : m_imgNoVerdict);
}

void MainWindow::showRatios()
{
    const Measurement &m = currentMeasurement();
    QLineEdit *const edits[] = {ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3, ui->leratio};
    for (size_t i = 0; i < std::size(edits); ++i)
        edits[i]->setText(Format::ratio(m.ratios[i]));
}

void MainWindow::showRecord()
{
    const Measurement &m = currentMeasurement();
    for (int n = 0; n < Qvx2::TestCount; ++n)
        showVerdict(n);
    // What arrived, and only that: a new record's curves start empty, never with the previous record's.
    ui->reponsePlot->setCurves(m.curves);
    showRatios();
    ui->le_gamme->setText(m.gamme);
    showEvaluation();
}

RatioEvaluation MainWindow::evaluation() const
{
    return m_parts.documents->evaluation();
}

ReportTexts MainWindow::reportTexts() const
{
    return ReportTexts::current(m_config->siteCodeCaption());
}

QStringList MainWindow::emptyRequiredFields() const
{
    return m_form->emptyRequiredFields();
}

QStringList MainWindow::recentDocuments() const
{
    return m_recent->files();
}

void MainWindow::reloadFormLists()
{
    m_config->load(m_form);
    m_form->recreateDateEdit();
    ui->DateEdit = m_form->dateEdit();
}

void MainWindow::retranslateForm()
{
    ui->retranslateUi(this);
    setWindowTitleFile(m_titleFile); // the form's own title must not replace the document's name
    // A long test name must show its beginning, not its end, when the row is narrow.
    for (QLineEdit *edit : ui->TestGroupBox->findChildren<QLineEdit *>())
        edit->setCursorPosition(0);
    showSiteCodeCaption();
    showEvaluation(); // its words, and the rated ratio in the information box's title
    showRatios();     // in the language's decimal mark
    m_recordNote.setText(tr("Enregistrement incomplet"));
}

void MainWindow::showSiteCodeCaption()
{
    // config.xml's caption names the field in French.
    if (language() == QLatin1String("fr") && !m_config->siteCodeCaption().isEmpty())
        ui->CodeGDOLabel->setText(m_config->siteCodeCaption());
}

void MainWindow::retranslateUi()
{
    qDebug() << "retranslateUi()";
    retranslateForm();
    updateConnectionStatus();
    m_parts.team->retranslate();
    reloadFormLists();
    setCurveTitles();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange) {
        const QString name = QLocale::system().name();
        const int cut = name.lastIndexOf(QLatin1Char('_'));
        loadLanguage(cut < 0 ? QString() : name.left(cut));
    } else if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    MainWindowBase::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While an exchange waits, the record and the port are in use: the window goes once it has ended.
    if (!m_parts.link->isBusy() && okToDiscard())
        event->accept();
    else
        event->ignore();
}

void MainWindow::restoreSession()
{
    const QSettings settings;
    if (restoreGeometry(settings.value(QLatin1String(Qvx2::SettingsWindowGeometry)).toByteArray()))
        show();
    else
        showMaximized(); // the first start
    m_parts.debug->restoreGeometry(settings.value(QLatin1String(Qvx2::SettingsDebugGeometry)).toByteArray());
}

void MainWindow::saveSession() const
{
    QSettings settings;
    settings.setValue(QLatin1String(Qvx2::SettingsWindowGeometry), saveGeometry());
    settings.setValue(QLatin1String(Qvx2::SettingsDebugGeometry), m_parts.debug->saveGeometry());
}
