#include "languageswitch.h"

#include "configuration.h"
#include "constants.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
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

LanguageSwitch::LanguageSwitch(QWidget *window, Configuration *config, const QString &sharePath,
                               QObject *parent)
    : QObject(parent), m_window(window), m_config(config), m_sharePath(sharePath)
{
}

void LanguageSwitch::createMenu(QMenu *menu, const QList<QPair<QAction *, QString>> &entries)
{
    qDebug() << "createLanguageMenu()";
    m_group = new QActionGroup(menu);
    m_group->setExclusive(true);
    connect(m_group, &QActionGroup::triggered, this, &LanguageSwitch::chosen);
    for (const auto &entry : entries) {
        entry.first->setData(entry.second);
        menu->addAction(entry.first);
        m_group->addAction(entry.first);
    }
    const QString saved = m_config->language();
    for (QAction *action : m_group->actions())
        if (action->data().toString() == saved)
            chosen(action);
}

void LanguageSwitch::chosen(QAction *action)
{
    qDebug() << " slotLanguageChanged()   " << (action ? action->data().toString() : QString());
    if (action)
        load(action->data().toString());
}

void LanguageSwitch::load(const QString &code)
{
    qDebug() << "loadLanguage()";
    if (code == m_current)
        return;
    m_current = code;
    QLocale::setDefault(localeOf(code));
    // The translations lie beside the program, or in the installed share folder.
    switchTranslator(m_appTranslator, m_sharePath + QStringLiteral("quarvex2_%1.qm").arg(code));
    switchTranslator(m_qtTranslator, m_sharePath + QStringLiteral("qt_%1.qm").arg(code));
    m_config->setLanguage(code);
    updateActions(code);
    // The date follows the new locale even when no translation file loads (and so no retranslation runs).
    emit loaded(code);
    qDebug() << QStringLiteral("Current Language changed to %1").arg(code);
}

void LanguageSwitch::switchTranslator(QTranslator &translator, const QString &fileName)
{
    qDebug() << "switchTranslator()";
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(fileName))
        QCoreApplication::installTranslator(&translator);
}

void LanguageSwitch::updateActions(const QString &code)
{
    if (!m_group)
        return;
    for (QAction *action : m_group->actions())
        action->setEnabled(action->data().toString() != code);
}

int LanguageSwitch::find(const QStringList &list, const QString &search)
{
    int found = -1;
    for (int i = 0; i < list.size(); ++i) {
        qDebug() << "help  filepdf " << i << " " << list.at(i);
        if (list.at(i).contains(search, Qt::CaseInsensitive))
            found = i;
    }
    return found;
}

void LanguageSwitch::openGuide()
{
    const QString folder = m_sharePath + QLatin1String(Qvx2::DocDir);
    qDebug() << "help  dir " << folder;
    const QStringList guides =
        QDir(folder).entryList({QStringLiteral("GU_QUARVEN2_V_*.pdf")},
                               QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    // The language's own guide; French or English where there is none.
    int index = find(guides, QStringLiteral("_%1.").arg(m_current));
    if (index < 0)
        index =
            find(guides, m_current == QLatin1String("fr") ? QStringLiteral("_fr.") : QStringLiteral("_en."));
    if (index < 0) {
        QMessageBox::critical(m_window, tr("Erreur"), tr("Aide introuvable."), QMessageBox::Ok);
        return;
    }
    const QString guide = folder + guides.at(index);
    // A local-file URL, so that an absolute path gives file:///... on every platform.
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        return;
    // The guide is there: what is missing is a program to show it.
    QMessageBox::critical(
        m_window, tr("Erreur"),
        tr("Aucun programme de cet ordinateur n'ouvre les fichiers PDF. Le guide se trouve ici :\n%1")
            .arg(QDir::toNativeSeparators(guide)),
        QMessageBox::Ok);
}
