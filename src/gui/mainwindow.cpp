#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDate>
#include <QDebug>
#include <QDir>
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

    retranslateForm();

    QLabel *const icons[Qvx2::TestCount] = {ui->IconT1,  ui->IconT2,  ui->IconT3,  ui->IconT4,  ui->IconT5,
                                            ui->IconT6,  ui->IconT7,  ui->IconT8,  ui->IconT9,  ui->IconT10,
                                            ui->IconT11, ui->IconT12, ui->IconT13, ui->IconT14, ui->IconT15,
                                            ui->IconT16, ui->IconT17, ui->IconT18, ui->IconT19};
    std::copy(std::begin(icons), std::end(icons), std::begin(testIcons));

    dataSaved = false;
    dataPresent = false;

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

    ui->DateEdit->setDate(QDate::currentDate());

    m_statusIcon.setMaximumSize(20, 20);
    m_statusIcon.setScaledContents(true);
    ui->StatusBar->addWidget(&m_statusIcon, 0);
    ui->StatusBar->addWidget(&m_statusText, 0);
    ui->StatusBar->addWidget(&m_statusNote, 0);
    ui->StatusBar->addWidget(&m_recordNote, 0);
    m_recordNote.setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    m_recordNote.hide();

    setCurveTitles();

    m_currentPath = paths.data;
    m_sharePath = paths.share;
    qDebug() << "m_currentPath :" << m_currentPath;

    m_configFile = m_currentPath + QLatin1String(Qvx2::ConfigFileName);
    loadConfiguration();
    connectForm();
    setupEvaluation();
    connect(ui->actionImprimer, &QAction::changed, this, &MainWindow::updateExportActions);

    m_recup_info = new recup_info(this);
    m_recup_info->setDataDir(m_currentPath + QLatin1String(Qvx2::DataDir));
    m_recup_info->hide();
    restoreSession();

    CmdParser *parser = &m_link->parser();
    connect(parser, &CmdParser::cmdDebReceived, this, &MainWindow::cmd_deb_received);
    connect(parser, &CmdParser::CmdRawDataReceived, this, &MainWindow::cmd_raw_data_received);
    connect(parser, &CmdParser::CmdResultatReceived, this, &MainWindow::cmd_result_received);
    connect(parser, &CmdParser::CmdValuesReceived, this, &MainWindow::cmd_values_received);
    connect(parser, &CmdParser::CmdEndReceived, this, &MainWindow::cmd_end_received);
    connect(parser, &CmdParser::CmdRapportReceived, this, &MainWindow::cmd_rapport_received);

    ui->actionImprimer->setEnabled(false);
    ui->actionEnregistrer->setEnabled(false);

    // What the program writes is made at the first start: the documents' folder and the firmware images'.
    for (const char *dir : {Qvx2::DataDir, Qvx2::FirmwareDir})
        if (!QDir().mkpath(m_currentPath + QLatin1String(dir)))
            qDebug() << "Impossible de créer le répertoire de sauvegarde." << dir;

    firmwareFile.clear();
    setWindowTitleFile(QString());

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

// The form's fields edit the measurement itself.
void MainWindow::connectForm()
{
    Measurement &m = m_measurement;
    const std::pair<QLineEdit *, QString *> edits[] = {
        {ui->NameEdit, &m.releveur},       {ui->NamePosteEdit, &m.poste},
        {ui->CodeGDOEdit, &m.codeGdo},     {ui->NumTranfoEdit, &m.numTransfo},
        {ui->le_gamme, &m.gamme},          {ui->EditRapportL1, &m.ratios[0]},
        {ui->EditRapportL2, &m.ratios[1]}, {ui->EditRapportL3, &m.ratios[2]},
        {ui->leratio, &m.ratios[3]}};
    for (const auto &edit : edits) {
        QString *field = edit.second;
        *field = edit.first->text();
        connect(edit.first, &QLineEdit::textChanged, this, [field](const QString &text) { *field = text; });
    }
    const std::pair<QComboBox *, QString *> lists[] = {{ui->PuissanceCombo, &m.puissance},
                                                       {ui->VendorCombo, &m.fabricant},
                                                       {ui->TensionHT1Combo, &m.tensionHt},
                                                       {ui->FuseCombo, &m.fusible},
                                                       {ui->TensionBtCombo, &m.tensionBt}};
    for (const auto &list : lists) {
        QString *field = list.second;
        *field = list.first->currentText();
        connect(list.first, &QComboBox::currentTextChanged, this,
                [field](const QString &text) { *field = text; });
    }
    m.comment = ui->CommentText->toPlainText();
    connect(ui->CommentText, &QPlainTextEdit::textChanged, this,
            [this] { m_measurement.comment = ui->CommentText->toPlainText(); });
    m.date = ui->DateEdit->date();
    connect(ui->DateEdit, &QDateEdit::dateChanged, this,
            [this](const QDate &date) { m_measurement.date = date; });
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
    const Measurement::Verdict v = m_measurement.verdicts[size_t(index)];
    testIcons[index]->setPixmap(v == Measurement::Verdict::Passed   ? m_imgPassed
                                : v == Measurement::Verdict::Failed ? m_imgFailed
                                                                    : m_imgNoVerdict);
}

void MainWindow::setTestResult(unsigned index, bool ok)
{
    if (index > Qvx2::TestCount - 1) {
        qDebug() << "setTestResult(): can't set test result: " << index;
        return;
    }
    m_measurement.verdicts[index] = ok ? Measurement::Verdict::Passed : Measurement::Verdict::Failed;
    showVerdict(int(index));
}

void MainWindow::clearMeasurement()
{
    // The plot is not redrawn: each curve shows its last points until the new record's arrive.
    m_measurement.clearResults();
    m_recup_info->efface();
    for (QLineEdit *edit :
         {ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3, ui->leratio, ui->le_gamme})
        edit->clear();
    for (int i = 0; i < Qvx2::TestCount; ++i)
        showVerdict(i);
    setIncomplete(false);
}

void MainWindow::setIncomplete(bool incomplete)
{
    ui->IncompleteLabel->setVisible(incomplete);
    m_recordNote.setVisible(incomplete);
}

void MainWindow::showMeasurement(const Measurement &m)
{
    const QDate date = m.date.isValid() ? m.date : m_measurement.date;
    m_measurement = m;
    m_measurement.date = date;
    ui->NameEdit->setText(m.releveur);
    ui->DateEdit->setDate(date);
    ui->NamePosteEdit->setText(m.poste);
    ui->CodeGDOEdit->setText(m.codeGdo);
    ui->NumTranfoEdit->setText(m.numTransfo);
    ui->le_gamme->setText(m.gamme);

    // A stored value the list does not hold shows nothing, and is then nothing.
    const std::pair<QComboBox *, QString> lists[] = {{ui->PuissanceCombo, m.puissance},
                                                     {ui->VendorCombo, m.fabricant},
                                                     {ui->TensionHT1Combo, m.tensionHt},
                                                     {ui->FuseCombo, m.fusible},
                                                     {ui->TensionBtCombo, m.tensionBt}};
    for (const auto &list : lists)
        list.first->setCurrentIndex(
            list.first->findText(list.second, Qt::MatchExactly | Qt::MatchCaseSensitive));

    ui->EditRapportL1->setText(m.ratios[0]);
    ui->EditRapportL2->setText(m.ratios[1]);
    ui->EditRapportL3->setText(m.ratios[2]);
    ui->leratio->setText(m.ratios[3]);
    for (int n = 0; n < Qvx2::TestCount; ++n)
        showVerdict(n);
    ui->reponsePlot->setCurves(m.curves);

    ui->CommentText->clear();
    ui->CommentText->appendPlainText(m.comment);
    m_recup_info->set_texte(m.capture);
    setIncomplete(false);
}

void MainWindow::showHeldCurves()
{
    // A curve the record did not send must not go on showing (and be printed with) the previous record's.
    for (int c = 0; c < Qvx2::CurveCount; ++c)
        if (curve(c).dataSize() != size_t(m_measurement.curves[size_t(c)].size()))
            ui->reponsePlot->setCurve(c, m_measurement.curves[size_t(c)]);
}

void MainWindow::cmd_deb_received(QString trame)
{
    if (m_infoRequest || m_collecting)
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
    if (m_collecting)
        return;
    data.chop(1);
    m_recup_info->ajoute_texte(data);
    if (!m_infoRequest)
        Measurement::appendParagraph(m_measurement.capture, data);
}

void MainWindow::cmd_result_received(uint n_test, bool isOk, QString com)
{
    if (m_infoRequest || m_collecting)
        return;
    if (!m_measurement.takeVerdict(n_test, isOk, com)) {
        qDebug() << "cmd_result_received(): n_test " << n_test - 1u << "> NB_TEST" << Qvx2::TestCount;
        return;
    }
    showVerdict(int(n_test - 1));
}

void MainWindow::cmd_values_received(uint n_curve, QVector<QPointF> &data)
{
    if (m_infoRequest || m_collecting)
        return;
    if (!m_measurement.takePoints(n_curve, data)) {
        qDebug() << "cmd_values_received(): n_curve out of range";
        return;
    }
    ui->reponsePlot->setCurve(int(n_curve), m_measurement.curves[n_curve]);
}

void MainWindow::cmd_end_received(QString comment, QString gamme, QString ratio)
{
    if (m_infoRequest || m_collecting)
        return;
    showHeldCurves();
    ui->le_gamme->setText(gamme);
    ratio.chop(1);
    m_recup_info->ajoute_texte(ratio);
    Measurement::appendParagraph(m_measurement.capture, ratio);
    qDebug() << " cmd_end_received  " << comment;
}

void MainWindow::cmd_rapport_received(uint n_rapport, QString rapport)
{
    qDebug() << " n_rapport  " << n_rapport << " rapport  " << rapport;
    if (m_infoRequest || m_collecting)
        return;
    if (!m_measurement.takeRatio(n_rapport, rapport)) {
        qDebug() << "cmd_rapport_received(): n_rapport out of range";
        return;
    }
    QLineEdit *const edits[] = {ui->EditRapportL1, ui->EditRapportL2, ui->EditRapportL3, ui->leratio};
    edits[n_rapport]->setText(rapport);
}
