// Measurement documents: the form, save, open, and the configuration's lists.

#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace
{

constexpr char DateFormat[] = "dd/MM/yyyy";
const QDate EarliestDate(2011, 1, 1);

// Selects the entry whose text is exactly the stored one; none when the list has no such entry.
void selectExact(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// A form field may hold anything; the file name made from it may not hold a path or a reserved character.
QString fileNamePart(QString text)
{
    static const QRegularExpression forbidden(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    return text.replace(forbidden, QStringLiteral("_"));
}

} // namespace

void MainWindow::loadConfiguration()
{
    if (!QFile::exists(m_configFile)) {
        if (QFile::copy(QLatin1String(Qvx2::ConfigResource), m_configFile)) {
            // A file copied out of the resources is read-only.
            QFile::setPermissions(m_configFile, QFile::permissions(m_configFile) | QFile::ReadOwner |
                                                    QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            qDebug() << "setPermissions config.xml";
        } else {
            qDebug() << "Can't create default config.xml";
        }
    }

    // A configuration that no longer parses is kept as it is, and the program goes on with the default.
    const QString kept = XmlConf::keepUnreadable(m_configFile);
    if (!kept.isEmpty()) {
        QFile::remove(m_configFile);
        if (QFile::copy(QLatin1String(Qvx2::ConfigResource), m_configFile))
            QFile::setPermissions(m_configFile,
                                  QFile::permissions(m_configFile) | QFile::WriteOwner | QFile::WriteUser);
        QMessageBox::warning(
            this, tr("Attention"),
            tr("Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 "
               "et la configuration par defaut est utilisee.")
                .arg(QDir::toNativeSeparators(m_configFile), QDir::toNativeSeparators(kept)));
    }

    {
        XmlConf conf(m_configFile, Read);
        savedLanguage = conf.getLangageencours();
    }
    createLanguageMenu();

    XmlConf conf(m_configFile, Read);
    fillFormLists(conf);
    m_code_gdo = conf.getgdotitle();
    ui->CodeGDOLabel->setText(m_code_gdo);
    qDebug() << "m_code_gdo " << m_code_gdo;
    batteryList = conf.getPiles();
}

void MainWindow::fillFormLists(const XmlConf &conf)
{
    ui->PuissanceCombo->addItems(conf.getPuissances());
    ui->TensionHT1Combo->addItems(conf.getTensionsHT(QStringLiteral("HT1")));
    ui->TensionBtCombo->addItems(conf.getTensionsBt(QStringLiteral("bt")));
    ui->VendorCombo->addItems(conf.getFabricants());
    ui->FuseCombo->addItems(conf.getEtats());
}

void MainWindow::reloadFormLists()
{
    QComboBox *const lists[] = {ui->VendorCombo, ui->PuissanceCombo, ui->TensionHT1Combo, ui->TensionBtCombo,
                                ui->FuseCombo};
    int selected[5];
    for (int i = 0; i < 5; ++i) {
        selected[i] = lists[i]->currentIndex();
        lists[i]->clear();
    }
    {
        XmlConf conf(m_configFile, Read);
        fillFormLists(conf);
    }
    for (int i = 0; i < 5; ++i)
        lists[i]->setCurrentIndex(selected[i]);

    recreateDateEdit();
}

void MainWindow::recreateDateEdit()
{
    // A date field takes the date format of the locale in force when it is made.
    const QDate date = ui->DateEdit->date();
    delete ui->DateEdit;
    auto *edit = new QDateEdit(ui->FormGroupBox);
    edit->setObjectName(QStringLiteral("DateEdit"));
    edit->setLocale(QLocale()); // the parent keeps the locale it was made with
    edit->setMaximumHeight(22);
    QFont font;
    font.setPointSize(10);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    edit->setFont(font);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMinimumDate(EarliestDate);
    edit->setCalendarPopup(true);
    ui->gridLayout_2->addWidget(edit, 3, 1, 1, 1);
    edit->setDate(date);
    ui->DateEdit = edit;
}

bool MainWindow::isFormFilled() const
{
    return !ui->NameEdit->text().isEmpty() && !ui->NamePosteEdit->text().isEmpty() &&
           !ui->NumTranfoEdit->text().isEmpty();
}

QString MainWindow::proposedFileName() const
{
    return QStringLiteral("%1/%2_%3_%4.qv2")
        .arg(m_currentPath + QLatin1String(Qvx2::DataDir), fileNamePart(ui->NamePosteEdit->text()),
             fileNamePart(ui->NumTranfoEdit->text()), fileNamePart(ui->CodeGDOEdit->text()));
}

QString MainWindow::save()
{
    if (!isFormFilled()) {
        QMessageBox::critical(this, tr("Erreur"), tr("Veuillez remplir les champs avant d'enregistrer."),
                              QMessageBox::Ok);
        return QString();
    }
    const QString proposed = proposedFileName();
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Enregistrer %1").arg(proposed), proposed,
                                                          QLatin1String(Qvx2::DocumentFilter));
    if (fileName.isEmpty()) {
        qDebug() << "save(): bad filename.";
        return QString();
    }
    if (!saveResult(fileName)) {
        QMessageBox::critical(
            this, tr("Erreur"),
            tr("Impossible d'enregistrer le fichier %1.").arg(QDir::toNativeSeparators(fileName)),
            QMessageBox::Ok);
        return QString();
    }
    dataSaved = true;
    return fileName;
}

bool MainWindow::saveResult(const QString &fileName)
{
    qDebug() << "saveResult()" << fileName;
    bool written = false;
    {
        XmlMesure doc(fileName, Create);
        doc.setInfo(QStringLiteral("releveur"), ui->NameEdit->text());
        doc.setInfo(QStringLiteral("date"), ui->DateEdit->date().toString(QLatin1String(DateFormat)));
        doc.setInfo(QStringLiteral("poste"), ui->NamePosteEdit->text());
        doc.setInfo(QStringLiteral("code_gdo"), ui->CodeGDOEdit->text());
        doc.setInfo(QStringLiteral("num_transfo"), ui->NumTranfoEdit->text());
        doc.setInfo(QStringLiteral("puissance"), ui->PuissanceCombo->currentText());
        doc.setInfo(QStringLiteral("fabricant"), ui->VendorCombo->currentText());
        doc.setInfo(QStringLiteral("tension_ht1"), ui->TensionHT1Combo->currentText());
        doc.setInfo(QStringLiteral("fusible"), ui->FuseCombo->currentText());
        doc.setInfo(QStringLiteral("tension_bt"), ui->TensionBtCombo->currentText());
        doc.setInfo(QStringLiteral("gamme_mesure"), ui->le_gamme->text());
        doc.setRapport(0, ui->EditRapportL1->text());
        doc.setRapport(1, ui->EditRapportL2->text());
        doc.setRapport(2, ui->EditRapportL3->text());
        doc.setRapport(3, ui->leratio->text());
        for (int c = 0; c < Qvx2::CurveCount; ++c) {
            const QwtSeriesData<QPointF> *data = curves[c].data();
            QVector<QPointF> points;
            points.reserve(int(data->size()));
            for (size_t i = 0; i < data->size(); ++i)
                points.append(data->sample(i));
            doc.setCurve(c, points);
        }
        for (unsigned n = 0; n < Qvx2::TestCount; ++n)
            doc.setTest(n, testResults[n], QStringLiteral("Resultat test %1").arg(n));
        doc.setComment(ui->CommentText->toPlainText());
        doc.setRecup(m_recup_info->texte());
        written = doc.write();
    }

    XmlConf conf(m_configFile, Update);
    conf.addFabricant(ui->VendorCombo->currentText());
    conf.addTensionHT(ui->TensionHT1Combo->currentText());
    conf.addTensionBt(ui->TensionBtCombo->currentText());
    conf.addPuissance(ui->PuissanceCombo->currentText());
    conf.write();
    return written;
}

void MainWindow::on_actionEnregistrer_triggered()
{
    const QString fileName = save();
    // A refused or cancelled save leaves the title as it was.
    if (!fileName.isEmpty())
        setWindowTitleFile(QFileInfo(fileName).fileName());
}

void MainWindow::on_actionOuvrir_triggered()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Ouvrir"), m_currentPath + QLatin1String(Qvx2::DataDir),
                                     QLatin1String(Qvx2::DocumentFilter));
    if (fileName.isEmpty())
        return;
    openDocument(fileName);
}

void MainWindow::openDocument(const QString &fileName)
{
    qDebug() << "openDocument()" << fileName;
    XmlMesure doc(fileName, Read);
    ui->NameEdit->setText(doc.getInfo(QStringLiteral("releveur")));
    const QDate date = QDate::fromString(doc.getInfo(QStringLiteral("date")), QLatin1String(DateFormat));
    if (date.isValid())
        ui->DateEdit->setDate(date);
    ui->NamePosteEdit->setText(doc.getInfo(QStringLiteral("poste")));
    ui->CodeGDOEdit->setText(doc.getInfo(QStringLiteral("code_gdo")));
    ui->NumTranfoEdit->setText(doc.getInfo(QStringLiteral("num_transfo")));
    ui->le_gamme->setText(doc.getInfo(QStringLiteral("gamme_mesure")));

    selectExact(ui->PuissanceCombo, doc.getInfo(QStringLiteral("puissance")));
    selectExact(ui->VendorCombo, doc.getInfo(QStringLiteral("fabricant")));
    selectExact(ui->TensionHT1Combo, doc.getInfo(QStringLiteral("tension_ht1")));
    selectExact(ui->FuseCombo, doc.getInfo(QStringLiteral("fusible")));
    selectExact(ui->TensionBtCombo, doc.getInfo(QStringLiteral("tension_bt")));

    ui->EditRapportL1->setText(doc.getRapport(0));
    ui->EditRapportL2->setText(doc.getRapport(1));
    ui->EditRapportL3->setText(doc.getRapport(2));
    ui->leratio->setText(doc.getRapport(3));

    for (int n = 0; n < Qvx2::TestCount; ++n)
        setTestResult(unsigned(n), doc.getTest(n).res);
    for (int c = 0; c < Qvx2::CurveCount; ++c)
        curves[c].setSamples(doc.getCurve(c));
    ui->reponsePlot->replot();

    ui->CommentText->clear();
    ui->CommentText->appendPlainText(doc.getComData());
    m_recup_info->set_texte(doc.getRecup());

    ui->actionImprimer->setEnabled(true);
    ui->actionEnregistrer->setEnabled(true);
    setWindowTitleFile(QFileInfo(fileName).fileName());
    dataPresent = true;
}

void MainWindow::on_actionQuitter_triggered()
{
    QCoreApplication::exit(0);
}

void MainWindow::on_NameEdit_textChanged(QString arg1)
{
    qDebug() << " on_NameEdit_textChanged  " << arg1;
}

void MainWindow::on_NamePosteEdit_textChanged(QString arg1)
{
    qDebug() << " on_NamePosteEdit_textChanged  " << arg1;
}

void MainWindow::on_NumTranfoEdit_textChanged(QString arg1)
{
    qDebug() << " on_NumTranfoEdit_textChanged  " << arg1;
}

void MainWindow::on_CodeGDOEdit_textChanged(QString arg1)
{
    qDebug() << " on_CodeGDOEdit_textChanged  " << arg1;
}
