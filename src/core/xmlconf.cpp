#include "xmlconf.h"

#include "constants.h"
#include "numbers.h"
#include "xmlreader.h"
#include "xmlwriter.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace
{

QList<QDomElement> entries(const QDomElement &section, const QString &tag)
{
    QList<QDomElement> list;
    for (QDomElement e = section.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        list.append(e);
    return list;
}

QVector<Choice> choicesOf(const QDomElement &section, const QString &tag, const QString &attribute,
                          const QString &type = QString())
{
    QVector<Choice> list;
    for (const QDomElement &e : entries(section, tag))
        if (type.isEmpty() || e.attribute("type") == type)
            list.append({e.attribute(attribute), XmlConf::shown(e.attribute(attribute))});
    return list;
}

// By the number each value starts with; values without one (the placeholder) after, in their order.
void sortByNumber(QVector<Choice> &list, const std::function<std::optional<double>(const QString &)> &number)
{
    std::stable_sort(list.begin(), list.end(), [&number](const Choice &a, const Choice &b) {
        const std::optional<double> x = number(a.value), y = number(b.value);
        return x && (!y || *x < *y);
    });
}

std::optional<double> leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? Numbers::decimal(m.captured(1)) : std::nullopt;
}

QStringList shownTexts(const QVector<Choice> &choices)
{
    QStringList list;
    for (const Choice &c : choices)
        list.append(c.shown);
    return list;
}

} // namespace

// "Autre", "Oui" and "Non" are stored untranslated and shown in the interface language.
QString XmlConf::shown(const QString &value)
{
    if (value == QLatin1String("Autre"))
        return QObject::tr("Autre");
    if (value == QLatin1String("Oui"))
        return QObject::tr("Oui");
    if (value == QLatin1String("Non"))
        return QObject::tr("Non");
    return value;
}

XmlConf::XmlConf(const QString &fileName, XmlAction mode)
{
    switch (mode) {
    case Create:
        create(fileName);
        break;
    case Read:
        m_reader = std::make_unique<xmlreader>(fileName);
        lookUpSections(false);
        break;
    case Update:
        if (!QFileInfo::exists(fileName)) {
            create(fileName);
            break;
        }
        m_reader = std::make_unique<xmlreader>(fileName);
        if (m_reader->isValid()) {
            m_writer = std::make_unique<xmlwriter>(fileName, m_reader->document());
            lookUpSections(true);
            break;
        }
        m_reader.reset();
        // The user's file is replaced by the default only once a copy of it is safe beside it; the update
        // then applies to the default, so that the lists, batteries and labels are not lost with it.
        if (ensureReadable(fileName).isEmpty()) {
            qDebug().noquote() << "XmlConf(): unreadable" << fileName << "could not be kept, left unchanged";
            break;
        }
        m_reader = std::make_unique<xmlreader>(fileName);
        if (m_reader->isValid())
            m_writer = std::make_unique<xmlwriter>(fileName, m_reader->document());
        lookUpSections(true);
        break;
    }
}

XmlConf::~XmlConf() = default;

void XmlConf::create(const QString &fileName)
{
    m_writer = std::make_unique<xmlwriter>(fileName, QStringLiteral("OrvaXML"));
    m_root = m_writer->createElement("QuardaneConf");
    m_file = m_writer->createElement("fichier", &m_root);
    m_puis = m_writer->createElement("puissances", &m_root);
    m_tens_ht = m_writer->createElement("tensions_HT", &m_root);
    m_tens_bt = m_writer->createElement("tensions_bt", &m_root);
    m_fab = m_writer->createElement("fabricants", &m_root);
    m_fuse = m_writer->createElement("fusiblages", &m_root);
    m_langage = m_writer->createElement("langages", &m_root);
    m_gdo = m_writer->createElement("codegdo", &m_root);
    m_pile = m_writer->createElement("FAlim_seuil", &m_root);
}

void XmlConf::lookUpSections(bool update)
{
    const auto lookUp = [this](QDomElement &handle, const char *tag, const char *diagnostic) {
        handle = m_reader->findElement(tag, &m_root);
        if (handle.isNull())
            qDebug() << diagnostic;
    };
    m_root = m_reader->findElement("QuardaneConf");
    if (m_root.isNull())
        qDebug() << "m_root isNull";
    lookUp(m_file, "fichier", "m_file isNull");
    lookUp(m_puis, "puissances", "m_puis isNull");
    lookUp(m_tens_ht, "tensions_HT", update ? "m_tens_ht read isNull" : "m_tens_ht isNull");
    lookUp(m_tens_bt, "tensions_bt", update ? "m_tens_bt read isNull" : "m_tens_bt isNull");
    lookUp(m_fab, "fabricants", "m_fab isNull");
    lookUp(m_fuse, "fusiblages", "m_fuse isNull");
    lookUp(m_langage, "langages", "m_langage isNull");
    lookUp(m_gdo, "codegdo", "m_gdo isNull");
    lookUp(m_pile, "FAlim_seuil", "m_pile isNull");
}

QVector<Choice> XmlConf::choices(List which) const
{
    QVector<Choice> list;
    switch (which) {
    case List::Puissances:
        list = choicesOf(m_puis, "puissance", "val");
        sortByNumber(list, leadingNumber);
        break;
    case List::TensionsHT:
        list = choicesOf(m_tens_ht, "tension_HT", "val", QStringLiteral("HT1"));
        sortByNumber(list, Numbers::volts);
        break;
    case List::TensionsBt:
        list = choicesOf(m_tens_bt, "tension_bt", "val", QStringLiteral("bt"));
        sortByNumber(list, Numbers::volts);
        break;
    case List::Fabricants:
        list = choicesOf(m_fab, "fabricant", "nom");
        // The placeholder last, the makers in the configuration's order.
        std::stable_partition(list.begin(), list.end(),
                              [](const Choice &c) { return c.value != QLatin1String("Autre"); });
        break;
    case List::Etats:
        for (const QDomElement &e : entries(m_fuse, "etat")) {
            const QString value =
                e.attribute("val") == QLatin1String("Oui") ? QStringLiteral("Oui") : QStringLiteral("Non");
            list.append({value, shown(value)});
        }
        break;
    }
    return list;
}

QStringList XmlConf::getFabricants() const
{
    return shownTexts(choicesOf(m_fab, "fabricant", "nom"));
}

QStringList XmlConf::getPuissances() const
{
    return shownTexts(choicesOf(m_puis, "puissance", "val"));
}

QStringList XmlConf::getTensionsHT(const QString &type) const
{
    return shownTexts(choicesOf(m_tens_ht, "tension_HT", "val", type));
}

QStringList XmlConf::getTensionsBt(const QString &type) const
{
    return shownTexts(choicesOf(m_tens_bt, "tension_bt", "val", type));
}

QStringList XmlConf::getEtats() const
{
    QStringList list;
    for (const QDomElement &e : entries(m_fuse, "etat"))
        list.append(e.attribute("val") == QLatin1String("Oui") ? QObject::tr("Oui") : QObject::tr("Non"));
    return list;
}

QStringList XmlConf::getPiles() const
{
    QStringList list;
    for (const QDomElement &e : entries(m_pile, "pile")) {
        if (e.attribute("type") == QLatin1String("seche"))
            list.append(QObject::tr("Pile seche 9V :") + e.attribute("valeur", "7200"));
        else
            list.append(QObject::tr("Pile rechargeable :") + e.attribute("valeur", "7700"));
    }
    return list;
}

QString XmlConf::getLangageencours() const
{
    const QDomElement el = m_langage.firstChildElement("langageencours");
    if (el.isNull())
        qDebug() << "el isNull";
    const QString code = el.attribute("encours");
    qDebug().noquote() << "langue en cours " + el.tagName() + " = " + code;
    return code;
}

void XmlConf::setLangageencours(const QString &code)
{
    QDomElement el = m_langage.firstChildElement("langageencours");
    if (!el.isNull())
        el.setAttribute("encours", code);
    getLangageencours();
}

QString XmlConf::getgdotitle() const
{
    const QDomElement el = m_gdo.firstChildElement("Champ_gdo");
    if (el.isNull())
        qDebug() << "el isNull";
    const QString title = el.attribute("titre", "CODE GDO");
    qDebug().noquote() << "CODE GDO" + el.tagName() + " = " + title;
    return title;
}

double XmlConf::getToleranceRapport() const
{
    bool ok = false;
    const double tolerance =
        m_root.firstChildElement(Qvx2::ConfToleranceElement).attribute("val").trimmed().toDouble(&ok);
    return ok && tolerance > 0 ? tolerance : Qvx2::RatioTolerancePercent;
}

void XmlConf::addFabricant(const QString &nom)
{
    addEntry(m_fab, "fabricant", "nom", QString(), nom);
}

void XmlConf::addPuissance(const QString &val)
{
    addEntry(m_puis, "puissance", "val", QString(), val);
}

void XmlConf::addTensionHT(const QString &val)
{
    addEntry(m_tens_ht, "tension_HT", "val", "HT1", val);
}

void XmlConf::addTensionBt(const QString &val)
{
    addEntry(m_tens_bt, "tension_bt", "val", "bt", val);
}

// Appends an entry unless one of any type already stores the value, ignoring case, or the value is a
// placeholder. A missing section gets nothing: the element is then created outside the document.
void XmlConf::addEntry(QDomElement &section, const QString &tag, const QString &attribute,
                       const QString &type, const QString &value)
{
    if (!m_writer || isPlaceholder(value))
        return;
    for (const QDomElement &e : entries(section, tag)) {
        if (e.attribute(attribute).compare(value, Qt::CaseInsensitive) == 0)
            return;
    }
    QDomElement entry = m_writer->createElement(tag, &section);
    if (!type.isEmpty())
        entry.setAttribute("type", type);
    entry.setAttribute(attribute, value);
}

bool XmlConf::write()
{
    return m_writer ? m_writer->write() : false;
}

QString XmlConf::keepUnreadable(const QString &path)
{
    if (!QFileInfo::exists(path) || xmlreader::isParsable(path))
        return QString();
    const QString base = path + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString kept = base;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::copy(path, kept)) {
        qDebug().noquote() << "keepUnreadable(): can't copy" << path << "to" << kept;
        return QString();
    }
    qDebug().noquote() << "keepUnreadable():" << path << "does not parse, kept as" << kept;
    return kept;
}

// The built-in default lives in a static library: it is registered by the first user.
static void registerResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(core);
        return true;
    }();
    Q_UNUSED(registered)
}

QByteArray XmlConf::builtInDefault()
{
    registerResources();
    QFile file(QLatin1String(Qvx2::ConfigResource));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool XmlConf::restoreDefault(const QString &path)
{
    registerResources();
    QFile::remove(path);
    if (!QFile::copy(QLatin1String(Qvx2::ConfigResource), path)) {
        qDebug() << "Can't create default config.xml";
        return false;
    }
    // A file copied out of the resources is read-only.
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner |
                                    QFile::ReadUser | QFile::WriteUser);
    qDebug() << "setPermissions config.xml";
    return true;
}

QString XmlConf::ensureReadable(const QString &path)
{
    const QString kept = keepUnreadable(path);
    if (!kept.isEmpty())
        restoreDefault(path);
    return kept;
}

bool XmlConf::isPlaceholder(const QString &value)
{
    return value.trimmed().isEmpty() || value == QLatin1String("Autre") || value == QObject::tr("Autre");
}
