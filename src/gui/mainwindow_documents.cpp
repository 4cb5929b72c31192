// Measurement documents: the form, save, open, and the configuration's lists.

#include "archivewindow.h"
#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

namespace
{

const QDate EarliestDate(2011, 1, 1);

// A form field may hold anything; the file name made from it may not hold a path or a reserved character.
QString fileNamePart(QString text)
{
    static const QRegularExpression forbidden(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    return text.replace(forbidden, QStringLiteral("_"));
}

} // namespace

void MainWindow::loadConfiguration()
{
    if (!QFile::exists(m_configFile))
        XmlConf::restoreDefault(m_configFile);
    ensureConfigReadable();

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
    m_tolerance = conf.getToleranceRapport();
}

void MainWindow::ensureConfigReadable()
{
    // Never overwritten while unreadable: the user's file is kept as it is, and the program goes on with
    // the default rather than an empty configuration.
    const QString kept = XmlConf::ensureReadable(m_configFile);
    if (kept.isEmpty())
        return;
    QMessageBox::warning(this, tr("Attention"),
                         tr("Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 "
                            "et la configuration par defaut est utilisee.")
                             .arg(QDir::toNativeSeparators(m_configFile), QDir::toNativeSeparators(kept)));
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
    ensureConfigReadable();
    {
        XmlConf conf(m_configFile, Read);
        fillFormLists(conf);
        // The battery captions are translated texts too.
        batteryList = conf.getPiles();
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
    connect(edit, &QDateEdit::dateChanged, this, [this](const QDate &d) { m_measurement.date = d; });
}

QString MainWindow::fieldName(const QLabel *label)
{
    // "Nom du poste :" is named as "Nom du poste".
    QString name = label->text().trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

bool MainWindow::isFormFilled() const
{
    return emptyRequiredFields().isEmpty();
}

QStringList MainWindow::emptyRequiredFields() const
{
    const std::pair<const QLineEdit *, const QLabel *> required[] = {{ui->NameEdit, ui->NameLabel},
                                                                     {ui->NamePosteEdit, ui->NamePosteLabel},
                                                                     {ui->NumTranfoEdit, ui->NumTranfoLabel}};
    QStringList empty;
    for (const auto &field : required) {
        if (field.first->text().isEmpty())
            empty.append(fieldName(field.second));
    }
    return empty;
}

QString MainWindow::proposedFileName() const
{
    return QStringLiteral("%1/%2_%3_%4.qv2")
        .arg(m_currentPath + QLatin1String(Qvx2::DataDir), fileNamePart(ui->NamePosteEdit->text()),
             fileNamePart(ui->NumTranfoEdit->text()), fileNamePart(ui->CodeGDOEdit->text()));
}

QString MainWindow::save()
{
    const QStringList empty = emptyRequiredFields();
    if (!empty.isEmpty()) {
        QMessageBox::critical(this, tr("Erreur"),
                              tr("Veuillez remplir les champs avant d'enregistrer.") + QLatin1String("\n\n") +
                                  tr("Champs vides : %1").arg(empty.join(QLatin1String(", "))),
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
    m_savedState = currentMeasurement();
    addRecentDocument(fileName);
    return fileName;
}

bool MainWindow::saveResult(const QString &fileName)
{
    qDebug() << "saveResult()" << fileName;
    const bool written = XmlMesure::save(currentMeasurement(), fileName);

    ensureConfigReadable();
    XmlConf conf(m_configFile, Update);
    conf.addFabricant(m_measurement.fabricant);
    conf.addTensionHT(m_measurement.tensionHt);
    conf.addTensionBt(m_measurement.tensionBt);
    conf.addPuissance(m_measurement.puissance);
    conf.write();
    return written;
}

bool MainWindow::hasUnsavedData() const
{
    return dataPresent && (!dataSaved || currentMeasurement() != m_savedState);
}

bool MainWindow::okToDiscard()
{
    if (!hasUnsavedData())
        return true;
    QMessageBox box(QMessageBox::Question, tr("Attention"),
                    tr("Les donnees n'ont pas ete enregistrees. Voulez-vous les enregistrer ?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        // A save that was refused (fields empty) or cancelled keeps the measurement and stops the command.
        return !save().isEmpty();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
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

bool MainWindow::openDocument(const QString &fileName)
{
    qDebug() << "openDocument()" << fileName;
    Measurement m;
    if (!XmlMesure::load(fileName, &m)) {
        // Shown as a document, such a file would be overwritten by the next save.
        QMessageBox::critical(this, tr("Erreur"),
                              tr("Le fichier %1 n'est pas un document de mesure : il n'a pas ete ouvert.")
                                  .arg(QDir::toNativeSeparators(fileName)),
                              QMessageBox::Ok);
        return false;
    }
    if (!okToDiscard())
        return false;
    showMeasurement(m);
    ui->actionImprimer->setEnabled(true);
    ui->actionEnregistrer->setEnabled(true);
    setWindowTitleFile(QFileInfo(fileName).fileName());
    dataPresent = true;
    // The document is as it is on disk: nothing to save until it is edited.
    dataSaved = true;
    m_savedState = currentMeasurement();
    addRecentDocument(fileName);
    return true;
}

void MainWindow::on_actionQuitter_triggered()
{
    if (okToDiscard())
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (okToDiscard())
        event->accept();
    else
        event->ignore();
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

ArchiveWindow *MainWindow::on_actionArchive_triggered()
{
    // The index lives with the user's data, never in Data/, which may be read-only or shared.
    if (!m_archive) {
        m_archive = new ArchiveWindow(this, m_currentPath + QLatin1String(Qvx2::DataDir),
                                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                          QLatin1Char('/') + QLatin1String(Qvx2::ArchiveIndexFile));
        m_archive->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_archive->show();
    m_archive->raise();
    return m_archive;
}
