#include "mainwindow.h"
#include "formeditor.h"
#include "recup_info.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTextCursor>

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(AppPaths::locate(QCoreApplication::applicationDirPath()), systemPortCatalog(), parent)
{
}

MainWindow::MainWindow(const QString &appDir, PortCatalog ports, QWidget *parent)
    : MainWindow(AppPaths::portable(appDir), std::move(ports), parent)
{
}

MainWindow::MainWindow(const AppPaths &paths, PortCatalog ports, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow)
{
    Q_INIT_RESOURCE(gui); // the resources live in a static library
    qDebug() << "MainWindow()";
    ui->setupUi(this);

    QLabel *const icons[Qvx2::TestCount] = {ui->IconT1,  ui->IconT2,  ui->IconT3,  ui->IconT4,  ui->IconT5,
                                            ui->IconT6,  ui->IconT7,  ui->IconT8,  ui->IconT9,  ui->IconT10,
                                            ui->IconT11, ui->IconT12, ui->IconT13, ui->IconT14, ui->IconT15,
                                            ui->IconT16, ui->IconT17, ui->IconT18, ui->IconT19};
    std::copy(std::begin(icons), std::end(icons), std::begin(testIcons));

    // What the program writes is made before anything is read from or written to it: the data folder holds
    // config.xml, the documents and the firmware images (an installed copy's first start has none of them).
    m_currentPath = paths.data;
    m_sharePath = paths.share;
    qDebug() << "m_currentPath :" << m_currentPath;
    for (const char *dir : {Qvx2::DataDir, Qvx2::FirmwareDir})
        if (!QDir().mkpath(m_currentPath + QLatin1String(dir)))
            qDebug() << "Impossible de créer le répertoire de sauvegarde." << dir;

    m_link = new InstrumentLink(std::move(ports), this);
    connect(m_link, &InstrumentLink::connectionChanged, this, [this] {
        updateConnectionStatus();
        updateConnectionActions();
    });
    connect(m_link, &InstrumentLink::busyChanged, this, &MainWindow::onBusyChanged);
    connect(m_link, &InstrumentLink::respondingChanged, this, [this] {
        updateConnectionStatus();
        updateConnectionActions();
    });
    connect(m_link, &InstrumentLink::searchingChanged, this, [this](bool searching) {
        if (!searching)
            m_linkNote = m_link->isConnected() ? LinkNote::None : LinkNote::SearchFailed;
        updateConnectionStatus();
        updateConnectionActions();
    });
    connect(m_link, &InstrumentLink::portLost, this, [this](const QString &port) {
        m_linkNote = LinkNote::Lost;
        m_lostPort = port;
        updateConnectionStatus();
    });

    // The record: its life in the session, the parser's reports read into it, the form editing it.
    m_session = new RecordSession(this);
    m_reader = new RecordReader(&m_link->parser(), this);
    m_reader->setTarget(m_session);
    m_form = new FormEditor({ui->NameEdit, ui->NamePosteEdit, ui->NumTranfoEdit, ui->CodeGDOEdit,
                             ui->NameLabel, ui->NamePosteLabel, ui->NumTranfoLabel, ui->DateEdit,
                             ui->gridLayout_2, ui->PuissanceCombo, ui->VendorCombo, ui->TensionHT1Combo,
                             ui->FuseCombo, ui->TensionBtCombo, ui->CommentText},
                            m_session, this);
    connect(m_session, &RecordSession::replaced, this, &MainWindow::showRecord);
    connect(m_session, &RecordSession::verdictChanged, this, &MainWindow::showVerdict);
    connect(m_session, &RecordSession::curveChanged, this,
            [this](int c) { ui->reponsePlot->setCurve(c, currentMeasurement().curves[size_t(c)]); });
    connect(m_session, &RecordSession::ratiosChanged, this, &MainWindow::showRatios);
    connect(m_session, &RecordSession::rangeChanged, this,
            [this] { ui->le_gamme->setText(currentMeasurement().gamme); });
    connect(m_session, &RecordSession::lineCaptured, this,
            [this](const QString &line) { m_recup_info->ajoute_texte(line); });
    connect(m_session, &RecordSession::stateChanged, this, &MainWindow::updateRecordActions);

    m_statusIcon.setMaximumSize(20, 20);
    m_statusIcon.setScaledContents(true);
    ui->StatusBar->addWidget(&m_statusIcon, 0);
    ui->StatusBar->addWidget(&m_statusText, 0);
    ui->StatusBar->addWidget(&m_statusNote, 0);
    ui->StatusBar->addWidget(&m_recordNote, 0);
    m_recordNote.setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    m_recordNote.hide();

    setCurveTitles();

    // The range and the ratios are the instrument's: shown, never typed.
    for (QLineEdit *result :
         {ui->le_gamme, ui->leratio, ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3})
        result->setReadOnly(true);

    m_configFile = m_currentPath + QLatin1String(Qvx2::ConfigFileName);
    loadConfiguration();
    m_form->showRecord();
    setupEvaluation();
    retranslateForm();

    m_recup_info = new recup_info(this);
    m_recup_info->setDataDir(m_currentPath + QLatin1String(Qvx2::DataDir));
    m_recup_info->hide();
    restoreSession();

    firmwareFile.clear();
    updateRecordActions();

    m_link->startPing();
    ls_connection_auto();
    m_link->startPortWatch();
}

MainWindow::~MainWindow()
{
    saveSession();
    PortComLibere();
    delete ui;
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

void MainWindow::retranslateForm()
{
    ui->retranslateUi(this);
    setWindowTitleFile(m_titleFile); // the form's own title must not replace the document's name
    // A long test name must show its beginning, not its end, when the row is narrow.
    for (QLineEdit *edit : ui->TestGroupBox->findChildren<QLineEdit *>())
        edit->setCursorPosition(0);
    showEvaluation(); // its words, and the rated ratio in the information box's title
    m_recordNote.setText(tr("Enregistrement incomplet"));
}

void MainWindow::setPrintEnabled(bool enabled)
{
    ui->actionImprimer->setEnabled(enabled);
}

void MainWindow::updateRecordActions()
{
    // Only a whole record is saved, printed or exported; nothing is while an exchange fills it.
    const bool whole = m_session->isWhole() && !m_link->isBusy();
    for (QAction *action : {ui->actionEnregistrer, ui->actionImprimer, ui->actionExporterPdf,
                            ui->actionExporterCsv, ui->actionExporterImage})
        action->setEnabled(whole);
    const bool incomplete = m_session->isIncomplete();
    ui->IncompleteLabel->setVisible(incomplete);
    m_recordNote.setVisible(incomplete);
    setWindowTitleFile(m_session->path().isEmpty() ? QString() : QFileInfo(m_session->path()).fileName());
}

void MainWindow::setCurveTitles()
{
    ui->reponsePlot->setTitles(CurvePlot::curveNames());
}

const QwtPlotCurve &MainWindow::curve(int index) const
{
    return ui->reponsePlot->curve(index);
}

void MainWindow::showVerdict(int index)
{
    static_assert(int(Measurement::Verdict::None) == 0, "no verdict is the cleared state");
    const Measurement::Verdict v = currentMeasurement().verdicts[size_t(index)];
    testIcons[index]->setPixmap(v == Measurement::Verdict::Passed   ? m_imgPassed
                                : v == Measurement::Verdict::Failed ? m_imgFailed
                                                                    : m_imgNoVerdict);
}

void MainWindow::showRatios()
{
    const Measurement &m = currentMeasurement();
    QLineEdit *const edits[] = {ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3, ui->leratio};
    for (size_t i = 0; i < std::size(edits); ++i)
        edits[i]->setText(m.ratios[i]);
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
    if (m.capture.isEmpty())
        m_recup_info->efface();
    else
        m_recup_info->set_texte(m.capture);
    showEvaluation();
}

void MainWindow::setTestResult(unsigned index, bool ok)
{
    if (index > Qvx2::TestCount - 1) {
        qDebug() << "setTestResult(): can't set test result: " << index;
        return;
    }
    m_session->setVerdict(int(index), ok ? Measurement::Verdict::Passed : Measurement::Verdict::Failed);
}

void MainWindow::clearMeasurement()
{
    m_recup_info->efface();
    m_session->clearResults();
}

void MainWindow::cmd_deb_received(QString trame)
{
    m_reader->start(trame);
}

void MainWindow::cmd_raw_data_received(QString data)
{
    m_reader->line(data);
}

void MainWindow::cmd_result_received(uint n_test, bool isOk, QString com)
{
    m_reader->verdict(n_test, isOk, com);
}

void MainWindow::cmd_values_received(uint n_curve, QVector<QPointF> &data)
{
    m_reader->points(n_curve, data);
}

void MainWindow::cmd_end_received(QString comment, QString gamme, QString ratio)
{
    m_reader->end(comment, gamme, ratio);
}

void MainWindow::cmd_rapport_received(uint n_rapport, QString rapport)
{
    m_reader->ratio(n_rapport, rapport);
}
