#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QStatusBar>
#include <QTextCursor>

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(QCoreApplication::applicationDirPath(), systemPortCatalog(), parent)
{
}

MainWindow::MainWindow(const QString &appDir, PortCatalog ports, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), m_ports(std::move(ports))
{
    Q_INIT_RESOURCE(resources); // the resources live in a static library
    qDebug() << "MainWindow()";
    ui->setupUi(this);
    showMaximized();

    retranslateForm();

    QLabel *const icons[Qvx2::TestCount] = {ui->IconT1,  ui->IconT2,  ui->IconT3,  ui->IconT4,  ui->IconT5,
                                            ui->IconT6,  ui->IconT7,  ui->IconT8,  ui->IconT9,  ui->IconT10,
                                            ui->IconT11, ui->IconT12, ui->IconT13, ui->IconT14, ui->IconT15,
                                            ui->IconT16, ui->IconT17, ui->IconT18, ui->IconT19};
    std::copy(std::begin(icons), std::end(icons), std::begin(testIcons));

    dataSaved = false;
    dataPresent = false;
    updateInProgress = false;
    m_isSerialConnected = false;

    m_serial = new QSerialPort(this);
    connect(m_serial, &QSerialPort::readyRead, this, &MainWindow::onDataAvailable);
    connect(m_serial, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { onSerialError(e); });

    ui->DateEdit->setDate(QDate::currentDate());

    m_statusIcon.setMaximumSize(20, 20);
    m_statusIcon.setScaledContents(true);
    ui->StatusBar->addWidget(&m_statusIcon, 0);
    ui->StatusBar->addWidget(&m_statusText, 0);

    setupPlot();

    m_currentPath = QDir(appDir).absolutePath() + QLatin1Char('/');
    qDebug() << "m_currentPath :" << m_currentPath;

    m_configFile = m_currentPath + QLatin1String(Qvx2::ConfigFileName);
    loadConfiguration();

    m_recup_info = new recup_info(this);
    m_recup_info->setDataDir(m_currentPath + QLatin1String(Qvx2::DataDir));
    m_recup_info->hide();

    connect(&m_parser, &CmdParser::cmdDebReceived, this, &MainWindow::cmd_deb_received);
    connect(&m_parser, &CmdParser::CmdRawDataReceived, this, &MainWindow::cmd_raw_data_received);
    connect(&m_parser, &CmdParser::CmdResultatReceived, this, &MainWindow::cmd_result_received);
    connect(&m_parser, &CmdParser::CmdValuesReceived, this, &MainWindow::cmd_values_received);
    connect(&m_parser, &CmdParser::CmdEndReceived, this, &MainWindow::cmd_end_received);
    connect(&m_parser, &CmdParser::CmdRapportReceived, this, &MainWindow::cmd_rapport_received);

    ui->actionImprimer->setEnabled(false);
    ui->actionEnregistrer->setEnabled(false);

    if (!QDir().mkpath(m_currentPath + QLatin1String(Qvx2::DataDir)))
        qDebug() << "Impossible de créer le répertoire de sauvegarde.";

    firmwareFile.clear();
    setWindowTitleFile(QString());

    connect(&m_pingTimer, &QTimer::timeout, this, &MainWindow::slotPingQV2);
    m_pingTimer.start(Qvx2::PingPeriodMs);

    ls_connection_auto();
}

MainWindow::~MainWindow()
{
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
}

void MainWindow::setPrintEnabled(bool enabled)
{
    ui->actionImprimer->setEnabled(enabled);
}

void MainWindow::setupPlot()
{
    static const Qt::GlobalColor colours[Qvx2::CurveCount] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed,
                                                              Qt::green,     Qt::blue,     Qt::red};
    // The curves and the grid are members: the plot must not delete them.
    ui->reponsePlot->setAutoDelete(false);
    plotLegend = new QwtLegend;
    for (int i = 0; i < Qvx2::CurveCount; ++i)
        curves[i].setPen(QPen(colours[i]));
    setCurveTitles();
    for (QwtPlotCurve &c : curves) {
        c.attach(ui->reponsePlot);
        c.setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    }
    ui->reponsePlot->insertLegend(plotLegend, QwtPlot::TopLegend, -1);
    ui->reponsePlot->enableAxis(QwtPlot::yLeft, false);
    plotGrid.enableX(false);
    plotGrid.setPen(QPen(QBrush(Qt::darkGray), 0.0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    plotGrid.attach(ui->reponsePlot);
    ui->reponsePlot->enableAxis(QwtPlot::xBottom, false);
}

void MainWindow::setCurveTitles()
{
    const QString titles[Qvx2::CurveCount] = {tr("HT.A"), tr("HT.B"), tr("HT.C"),
                                              tr("bt.a"), tr("bt.b"), tr("bt.c")};
    for (int i = 0; i < Qvx2::CurveCount; ++i)
        curves[i].setTitle(titles[i]);
}

void MainWindow::setTestResult(unsigned index, bool ok)
{
    if (index > Qvx2::TestCount - 1) {
        qDebug() << "setTestResult(): can't set test result: " << index;
        return;
    }
    testResults[index] = ok;
    testIcons[index]->setPixmap(ok ? m_imgPassed : m_imgFailed);
}

void MainWindow::clearMeasurement()
{
    m_recup_info->efface();
    m_capture.clear();
    ui->EditRapportL1->clear();
    ui->EditRapportL2->clear();
    ui->EditRapportL3->clear();
    ui->leratio->clear();
    ui->le_gamme->clear();
    for (QVector<QPointF> &points : curvePoints)
        points.clear();
    for (int i = 0; i < Qvx2::TestCount; ++i) {
        testResults[i] = false;
        testIcons[i]->setPixmap(m_imgNoVerdict);
    }
}

void MainWindow::cmd_deb_received(QString trame)
{
    if (m_infoRequest)
        return;
    clearMeasurement();
    QTextCursor cursor = ui->CommentText->textCursor();
    cursor.movePosition(QTextCursor::Start);
    ui->CommentText->setTextCursor(cursor);
    // The parser's CR becomes a paragraph break, so "---" stands on a line of its own.
    ui->CommentText->insertPlainText(trame.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void MainWindow::cmd_raw_data_received(QString data)
{
    data.chop(1);
    m_recup_info->ajoute_texte(data);
    if (!m_infoRequest)
        Measurement::appendParagraph(m_capture, data);
}

void MainWindow::cmd_result_received(uint n_test, bool isOk, QString com)
{
    if (m_infoRequest)
        return;
    const unsigned i = n_test - 1u;
    if (i > Qvx2::TestCount - 1) {
        qDebug() << "cmd_result_received(): n_test " << i << "> NB_TEST" << Qvx2::TestCount;
        return;
    }
    if (com == QLatin1String("clear")) {
        testResults[i] = false;
        testIcons[i]->setPixmap(m_imgNoVerdict);
        return;
    }
    setTestResult(i, isOk);
}

void MainWindow::cmd_values_received(uint n_curve, QVector<QPointF> &data)
{
    if (m_infoRequest)
        return;
    if (n_curve > Qvx2::CurveCount - 1) {
        qDebug() << "cmd_values_received(): n_curve out of range";
        return;
    }
    curvePoints[n_curve] += data;
    curves[n_curve].setSamples(curvePoints[n_curve]);
    replotCurves();
}

void MainWindow::replotCurves()
{
    if (m_replaying)
        m_replotPending = true;
    else
        ui->reponsePlot->replot();
}

void MainWindow::cmd_end_received(QString comment, QString gamme, QString ratio)
{
    if (m_infoRequest)
        return;
    // A curve this record did not send must not go on showing (and be saved with) the previous record's.
    bool stale = false;
    for (int c = 0; c < Qvx2::CurveCount; ++c) {
        if (curves[c].dataSize() != size_t(curvePoints[c].size())) {
            curves[c].setSamples(curvePoints[c]);
            stale = true;
        }
    }
    if (stale)
        replotCurves();
    ui->le_gamme->setText(gamme);
    ratio.chop(1);
    m_recup_info->ajoute_texte(ratio);
    Measurement::appendParagraph(m_capture, ratio);
    qDebug() << " cmd_end_received  " << comment;
}

void MainWindow::cmd_rapport_received(uint n_rapport, QString rapport)
{
    qDebug() << " n_rapport  " << n_rapport << " rapport  " << rapport;
    if (m_infoRequest)
        return;
    QLineEdit *const edits[] = {ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3, ui->leratio};
    if (n_rapport > 3) {
        qDebug() << "cmd_rapport_received(): n_rapport out of range";
        return;
    }
    edits[n_rapport]->setText(rapport);
}
