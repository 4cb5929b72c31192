#pragma once

#include "xmlaction.h"

#include <QDomElement>
#include <QString>
#include <QStringList>

#include <memory>

class xmlreader;
class xmlwriter;

// Reads config.xml (the form's lists, language, site-code label, batteries) and writes back what the program
// learns.
class XmlConf
{
public:
    XmlConf(const QString &fileName, XmlAction mode);
    ~XmlConf();
    XmlConf(const XmlConf &) = delete;
    XmlConf &operator=(const XmlConf &) = delete;

    QStringList getFabricants() const;
    QStringList getPuissances() const;
    QStringList getTensionsHT(const QString &type) const;
    QStringList getTensionsBt(const QString &type) const;
    QStringList getEtats() const;
    QStringList getPiles() const;
    QString getLangageencours() const;
    void setLangageencours(const QString &code);
    QString getgdotitle() const;

    void addFabricant(const QString &nom);
    void addPuissance(const QString &val);
    void addTensionHT(const QString &val);
    void addTensionBt(const QString &val);
    bool write();

    // Copies a config file that exists but does not parse to a free name beside it, byte for byte, and
    // returns that name; returns an empty string when there is nothing to keep or the copy failed.
    static QString keepUnreadable(const QString &path);

private:
    void create(const QString &fileName);
    void lookUpSections(bool update);
    void addEntry(QDomElement &section, const QString &tag, const QString &attribute, const QString &type,
                  const QString &value);

    QDomElement m_root;
    QDomElement m_file;
    QDomElement m_puis;
    QDomElement m_tens_ht;
    QDomElement m_tens_bt;
    QDomElement m_fab;
    QDomElement m_fuse;
    QDomElement m_langage;
    QDomElement m_gdo;
    QDomElement m_pile;
    std::unique_ptr<xmlreader> m_reader;
    std::unique_ptr<xmlwriter> m_writer;
};
