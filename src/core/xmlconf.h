#pragma once

#include "xmlaction.h"

#include <QDomElement>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class xmlreader;
class xmlwriter;

// One entry of a form's list: the value documents and config.xml store, and the text shown for it in the
// interface's language (they differ for the placeholder "Autre" and the words "Oui" and "Non").
struct Choice {
    QString value;
    QString shown;
};

// Reads config.xml (the form's lists, language, site-code label, batteries) and writes back what the program
// learns.
class XmlConf
{
public:
    XmlConf(const QString &fileName, XmlAction mode);
    ~XmlConf();
    XmlConf(const XmlConf &) = delete;
    XmlConf &operator=(const XmlConf &) = delete;

    enum class List { Puissances, TensionsHT, TensionsBt, Fabricants, Etats };
    // A form's list as it is offered: voltages and powers by their number, the placeholder last.
    QVector<Choice> choices(List list) const;

    QStringList getFabricants() const;
    QStringList getPuissances() const;
    QStringList getTensionsHT(const QString &type) const;
    QStringList getTensionsBt(const QString &type) const;
    QStringList getEtats() const;
    // A stored list value as the interface shows it: "Autre", "Oui" and "Non" are stored untranslated.
    static QString shown(const QString &value);
    QStringList getPiles() const;
    QString getLangageencours() const;
    void setLangageencours(const QString &code);
    QString getgdotitle() const;
    // The ratio tolerance in per cent: <tolerance_rapport val="0.5"/>, the default when absent or unreadable.
    double getToleranceRapport() const;

    void addFabricant(const QString &nom);
    void addPuissance(const QString &val);
    void addTensionHT(const QString &val);
    void addTensionBt(const QString &val);
    bool write();

    // Copies a config file that exists but does not parse to a free name beside it, byte for byte, and
    // returns that name; returns an empty string when there is nothing to keep or the copy failed.
    static QString keepUnreadable(const QString &path);
    // The configuration the program starts from.
    static QByteArray builtInDefault();
    // Puts the built-in default in place of the file, writable; false when it could not be written.
    static bool restoreDefault(const QString &path);
    // A file that exists but does not parse is kept beside (keepUnreadable) and replaced by the default.
    // Returns the name it was kept under, empty when the file was fine or missing.
    static QString ensureReadable(const QString &path);
    // A list value that is never learned: an empty or blank one, or the "other" entry in any of its forms.
    static bool isPlaceholder(const QString &value);

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
