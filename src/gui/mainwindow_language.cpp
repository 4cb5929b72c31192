// Run-time language switching, the about box and the user guide.

#include "aboutdialog.h"
#include "formeditor.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "xmlconf.h"

#include <QActionGroup>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QMessageBox>
#include <QUrl>

namespace
{

// Locale used for dates and numbers: the program's own Norwegian code is no locale name.
QLocale localeOf(const QString &code)
{
    return QLocale(code == QLatin1String("ng") ? QStringLiteral("nb") : code);
}

} // namespace

void MainWindow::createLanguageMenu()
{
    qDebug() << "createLanguageMenu()";
    languageGroup = new QActionGroup(ui->menuLangue);
    languageGroup->setExclusive(true);
    connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::slotLanguageChanged);
    const std::pair<QAction *, const char *> languages[] = {{ui->actionFrancais, "fr"},
                                                            {ui->actionEnglish, "en"},
                                                            {ui->actionNorsk, "ng"},
                                                            {ui->actionSvensk, "sv"},
                                                            {ui->actionRussian, "ru"}};
    for (const auto &language : languages) {
        language.first->setData(QString::fromLatin1(language.second));
        ui->menuLangue->addAction(language.first);
        languageGroup->addAction(language.first);
    }
    const QList<QAction *> actions = languageGroup->actions();
    for (QAction *action : actions)
        if (action->data().toString() == savedLanguage)
            slotLanguageChanged(action);
}

void MainWindow::slotLanguageChanged(QAction *action)
{
    qDebug() << " slotLanguageChanged()   " << (action ? action->data().toString() : QString());
    if (action)
        loadLanguage(action->data().toString());
}

void MainWindow::loadLanguage(const QString &code)
{
    qDebug() << "loadLanguage()";
    if (code == currentLanguage)
        return;
    currentLanguage = code;
    QLocale::setDefault(localeOf(code));
    // The date follows the new locale even when no translation file loads (and so no retranslation runs).
    m_form->recreateDateEdit();
    ui->DateEdit = m_form->dateEdit();

    // The translations lie beside the program, or in the installed share folder.
    const QString appFile = m_sharePath + QStringLiteral("quarvex2_%1.qm").arg(code);
    const QString qtFile = m_sharePath + QStringLiteral("qt_%1.qm").arg(code);
    qDebug() << appFile;
    switchTranslator(appTranslator, appFile);
    switchTranslator(qtTranslator, qtFile);

    savedLanguage = code;
    ensureConfigReadable();
    {
        XmlConf conf(m_configFile, Update);
        conf.setLangageencours(savedLanguage);
        conf.write();
    }
    updateLanguageActions(code);
    if (currentLanguage == QLatin1String("fr"))
        ui->CodeGDOLabel->setText(m_code_gdo);
    qDebug() << QStringLiteral("Current Language changed to %1").arg(code);
}

void MainWindow::switchTranslator(QTranslator &translator, const QString &fileName)
{
    qDebug() << "switchTranslator()";
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(fileName))
        QCoreApplication::installTranslator(&translator);
}

void MainWindow::updateLanguageActions(const QString &code)
{
    const QList<QAction *> actions = languageGroup->actions();
    for (QAction *action : actions)
        action->setEnabled(action->data().toString() != code);
    retranslateForm();
}

void MainWindow::retranslateUi()
{
    qDebug() << "retranslateUi()";
    retranslateForm();
    if (currentLanguage == QLatin1String("fr"))
        ui->CodeGDOLabel->setText(m_code_gdo);
    updateConnectionStatus();
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
    QMainWindow::changeEvent(event);
}

void MainWindow::on_action_propos_de_ORVA_SA_triggered()
{
    aboutDialog dialog(this);
    dialog.exec();
}

int MainWindow::rechercheficdansliste(const QStringList *list, const QString &search)
{
    int found = -1;
    for (int i = 0; i < list->size(); ++i) {
        qDebug() << "help  filepdf " << i << " " << list->at(i);
        if (list->at(i).contains(search, Qt::CaseInsensitive))
            found = i;
    }
    return found;
}

void MainWindow::on_actionDocumentation_triggered()
{
    const QString folder = m_sharePath + QLatin1String(Qvx2::DocDir);
    qDebug() << "help  dir " << folder;
    QDir dir(folder);
    if (dir.exists()) {
        const QStringList guides =
            dir.entryList({QStringLiteral("GU_QUARVEN2_V_*.pdf")},
                          QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
        const QString language =
            savedLanguage == QLatin1String("fr") ? QStringLiteral("fr") : QStringLiteral("en");
        const int index =
            guides.isEmpty() ? -1 : rechercheficdansliste(&guides, QStringLiteral("_%1.").arg(language));
        if (index >= 0) {
            const QString guide = folder + guides.at(index);
            // A local-file URL, so that an absolute path gives file:///... on every platform.
            if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
                return;
            // The guide is there: what is missing is a program to show it.
            QMessageBox::critical(
                this, tr("Erreur"),
                tr("Aucun programme de cet ordinateur n'ouvre les fichiers PDF. Le guide se "
                   "trouve ici :\n%1")
                    .arg(QDir::toNativeSeparators(guide)),
                QMessageBox::Ok);
            return;
        }
    }
    QMessageBox::critical(this, tr("Erreur"), tr("Aide introuvable."), QMessageBox::Ok);
}
