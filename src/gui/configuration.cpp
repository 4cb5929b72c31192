#include "configuration.h"

#include "formeditor.h"
#include "xmlconf.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMessageBox>

Configuration::Configuration(const QString &file, QWidget *window, QObject *parent)
    : QObject(parent), m_file(file), m_window(window)
{
}

void Configuration::ensureReadable()
{
    if (!QFile::exists(m_file)) {
        XmlConf::restoreDefault(m_file);
        return;
    }
    // Never overwritten while unreadable: the user's file is kept as it is, and the program goes on with
    // the default rather than an empty configuration.
    const QString kept = XmlConf::ensureReadable(m_file);
    if (kept.isEmpty())
        return;
    QMessageBox::warning(m_window, tr("Attention"),
                         tr("Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 "
                            "et la configuration par defaut est utilisee.")
                             .arg(QDir::toNativeSeparators(m_file), QDir::toNativeSeparators(kept)));
}

void Configuration::load(FormEditor *form)
{
    ensureReadable();
    const XmlConf conf(m_file, Read);
    form->fillLists(conf);
    m_siteCode = conf.getgdotitle();
    qDebug() << "m_code_gdo " << m_siteCode;
    // A caption that names the comment box's field (the default "Commentaire:") would make two fields read
    // alike: the site code keeps the form's own caption then.
    const QString name = FormEditor::fieldName(m_siteCode);
    if (name.compare(QLatin1String("Commentaire"), Qt::CaseInsensitive) == 0 ||
        name.compare(QCoreApplication::translate("MainWindow", "Commentaire"), Qt::CaseInsensitive) == 0)
        m_siteCode.clear();
    m_batteries = conf.getPiles(); // translated captions
    m_tolerance = conf.getToleranceRapport();
}

QString Configuration::language() const
{
    return XmlConf(m_file, Read).getLangageencours();
}

void Configuration::setLanguage(const QString &code)
{
    ensureReadable();
    XmlConf conf(m_file, Update);
    conf.setLangageencours(code);
    written(conf.write());
}

void Configuration::learn(const Measurement &m)
{
    ensureReadable();
    XmlConf conf(m_file, Update);
    conf.addFabricant(m.fabricant);
    conf.addTensionHT(m.tensionHt);
    conf.addTensionBt(m.tensionBt);
    conf.addPuissance(m.puissance);
    written(conf.write());
}

void Configuration::written(bool ok)
{
    if (ok)
        return;
    qDebug() << "config.xml not written:" << m_file;
    QMessageBox::warning(m_window, tr("Attention"),
                         tr("Le fichier de configuration %1 n'a pas pu etre ecrit : la langue choisie et les "
                            "listes apprises ne seront pas gardees.")
                             .arg(QDir::toNativeSeparators(m_file)));
}
