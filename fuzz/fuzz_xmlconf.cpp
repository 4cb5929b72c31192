// Fuzzes the configuration reader: the input is a config.xml, read with every getter. Then the program's
// own rewrite: Update, one entry added to each list, write, read again. A file that parsed keeps every list
// and gains each added entry whose section it has; a file that did not parse is first kept byte for byte
// beside it, then replaced by the built-in default, which gains the added entries.

#include "fuzzcommon.h"
#include "xmlconf.h"
#include "xmlreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

struct Lists {
    QStringList fabricants, puissances, ht, bt, etats, piles;
    QString langage, gdo;

    QString dump() const
    {
        return QStringList{"fabricants " + fabricants.join('|'),
                           "puissances " + puissances.join('|'),
                           "ht " + ht.join('|'),
                           "bt " + bt.join('|'),
                           "etats " + etats.join('|'),
                           "piles " + piles.join('|'),
                           "langage " + langage,
                           "gdo " + gdo}
            .join('\n');
    }
};

Lists readAll(const QString &path)
{
    const XmlConf conf(path, Read);
    Lists l;
    l.fabricants = conf.getFabricants();
    l.puissances = conf.getPuissances();
    l.ht = conf.getTensionsHT(QStringLiteral("HT1"));
    l.bt = conf.getTensionsBt(QStringLiteral("bt"));
    l.etats = conf.getEtats();
    l.piles = conf.getPiles();
    l.langage = conf.getLangageencours();
    l.gdo = conf.getgdotitle();
    // Types the program never asks for are read all the same.
    conf.getTensionsHT(QString());
    conf.getTensionsBt(QStringLiteral("HT1"));
    return l;
}

bool hasSection(const xmlreader &reader, const char *tag)
{
    const QDomElement root = reader.findElement(QStringLiteral("QuardaneConf"));
    return !root.isNull() && !reader.findElement(QLatin1String(tag), &root).isNull();
}

// What a list must read after `value` was added to a section that the file has (or has not).
QStringList withAdded(QStringList list, bool section, const QString &value)
{
    if (section && !list.contains(value, Qt::CaseInsensitive))
        list << value;
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCommon::quietLog();
    static const QString path = FuzzCommon::scratchPath(QStringLiteral("config.xml"));
    FuzzCommon::writeFile(path, data, size);
    const QByteArray original(reinterpret_cast<const char *>(data), int(size));

    const Lists before = readAll(path);
    // The update and its checks below on one input in 16 (always the same ones): the reading runs far more.
    if (!FuzzCommon::sampled(data, size, 16))
        return 0;
    const xmlreader reader(path);
    const bool parsed = reader.isValid();

    // Values as a user types them into the form's lists, marked so that the file cannot already hold them.
    const QString typed = QString::fromUtf8(original.left(24)).simplified();
    const QString fab = QStringLiteral("\u2603fab ") + typed;
    const QString puis = QStringLiteral("\u2603puis ") + typed;
    const QString ht = QStringLiteral("\u2603ht ") + typed;
    const QString bt = QStringLiteral("\u2603bt ") + typed;
    bool written = false;
    {
        XmlConf conf(path, Update);
        conf.addFabricant(fab);
        conf.addPuissance(puis);
        conf.addTensionHT(ht);
        conf.addTensionBt(bt);
        // Already there, in other letter case. Only the marker changes case: a letter such as the dotless
        // i has an upper case that is not the same letter ignoring case.
        conf.addFabricant(QStringLiteral("\u2603FAB ") + typed);
        written = conf.write();
    }
    FUZZ_CHECK(written, path);
    const Lists after = readAll(path);
    // What a file can hold of the typed values: characters outside XML are left out when it is written.
    const QString storedFab = FuzzCommon::xmlChars(fab);
    const QString storedPuis = FuzzCommon::xmlChars(puis);
    const QString storedHt = FuzzCommon::xmlChars(ht);
    const QString storedBt = FuzzCommon::xmlChars(bt);

    Lists expected;
    if (parsed) {
        expected = before;
        expected.fabricants = withAdded(before.fabricants, hasSection(reader, "fabricants"), storedFab);
        expected.puissances = withAdded(before.puissances, hasSection(reader, "puissances"), storedPuis);
        expected.ht = withAdded(before.ht, hasSection(reader, "tensions_HT"), storedHt);
        expected.bt = withAdded(before.bt, hasSection(reader, "tensions_bt"), storedBt);
    } else {
        // The unreadable file is kept, unchanged, under another name.
        const QStringList kept =
            QDir(QFileInfo(path).path()).entryList({QStringLiteral("config.xml.unreadable-*")}, QDir::Files);
        FUZZ_CHECK(kept.size() == 1, kept.join(' '));
        QFile keptFile(QFileInfo(path).dir().filePath(kept.first()));
        FUZZ_CHECK(keptFile.open(QIODevice::ReadOnly) && keptFile.readAll() == original, kept.first());
        static const Lists defaults = [] {
            const QString copy = FuzzCommon::scratchPath(QStringLiteral("default.xml"));
            XmlConf::restoreDefault(copy);
            const Lists lists = readAll(copy);
            QFile::remove(copy);
            return lists;
        }();
        expected = defaults;
        expected.fabricants = withAdded(defaults.fabricants, true, storedFab);
        expected.puissances = withAdded(defaults.puissances, true, storedPuis);
        expected.ht = withAdded(defaults.ht, true, storedHt);
        expected.bt = withAdded(defaults.bt, true, storedBt);
    }
    FUZZ_CHECK(after.dump() == expected.dump(),
               QStringLiteral("parsed %1\nexpected:\n%2\n\nread after the update:\n%3")
                   .arg(parsed)
                   .arg(expected.dump(), after.dump()));
    // Only an update leaves files beside the input (the unreadable one kept): none for the next input.
    FuzzCommon::clearScratch();
    return 0;
}
