// The translation sources against the program's texts, and what the build and an install put beside the
// program: its catalogues, its guides and patch templates, and nothing made up for the simulator.

#include "testutil.h"

#include <QDomDocument>
#include <QtTest>

namespace
{

struct Message {
    QString context, source, translation, type;
    QString key() const { return context + " | " + source; }
};

QVector<Message> readTs(const QString &path)
{
    QFile file(path);
    QDomDocument doc; // lupdate writes a CR as <byte value="xd"/>: read as the character it stands for
    if (!file.open(QIODevice::ReadOnly) ||
        !doc.setContent(file.readAll().replace("<byte value=\"xd\"/>", "&#xd;")))
        qWarning("%s does not read", qPrintable(path));
    QVector<Message> messages;
    const QDomNodeList all = doc.elementsByTagName("message");
    for (int i = 0; i < all.size(); ++i) {
        const QDomElement m = all.at(i).toElement(), t = m.firstChildElement("translation");
        messages.append({m.parentNode().firstChildElement("name").text(),
                         m.firstChildElement("source").text(), t.text(), t.attribute("type")});
    }
    return messages;
}

// What of a text its layout depends on: blanks at either end, line ends, placeholders.
QString layout(const QString &text)
{
    QStringList found{QString::number(text.count('\n')), QString::number(text.count('\r'))};
    for (auto it = QRegularExpression("%L?\\d+").globalMatch(text); it.hasNext();)
        found << it.next().captured();
    std::sort(found.begin() + 2, found.end());
    found.erase(std::unique(found.begin() + 2, found.end()), found.end());
    static const QRegularExpression ends("^(\\s*).*?(\\s*)\\z",
                                         QRegularExpression::DotMatchesEverythingOption);
    return found.join(' ') + " [" + ends.match(text).capturedTexts().mid(1).join('|') + ']';
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void productionFolder_data();
    void productionFolder();
};

void TestTranslations::messages_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"fr", "en", "ng", "sv", "ru"})
        QTest::newRow(code) << QString(code);
}

// Every text the sources pass through translation (as lupdate finds it) is in each catalogue, and no other;
// each is finished, laid out as its source (spaced list entries, CR LF history lines and two-line buttons
// depend on it), held as such by the catalogue built beside the program, and French for French. A word of
// Latin and Cyrillic letters together reads wrong; the battery captions end with their only colon.
void TestTranslations::messages()
{
    QFETCH(QString, code);
    static QSet<QString> program;
    if (program.isEmpty()) {
        QTemporaryDir dir;
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QVX_LUPDATE, {"-no-obsolete", "-locations", "none", QVX_SOURCE_DIR "/src", "-ts",
                                    dir.filePath("p.ts")});
        QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0, lupdate.readAll().constData());
        for (const Message &m : readTs(dir.filePath("p.ts")))
            program.insert(m.key());
    }
    QTranslator built;
    QVERIFY(built.load(QStringLiteral(QVX_APP_DIR "/quarvex2_%1.qm").arg(code)));
    QSet<QString> committed;
    QStringList wrong;
    for (const Message &m : readTs(QStringLiteral(QVX_SOURCE_DIR "/translations/quarvex2_%1.ts").arg(code))) {
        committed.insert(m.key());
        static const QRegularExpression mixedWord(
            "(^|[\\s-])(?=[^\\s-]*[A-Za-z])(?=[^\\s-]*[\\x{0400}-\\x{04FF}])");
        const bool mixed = m.translation.contains(mixedWord);
        const bool caption = m.source.startsWith("Pile ") && m.source.endsWith(" :");
        if (!m.type.isEmpty() || m.translation.isEmpty() || layout(m.translation) != layout(m.source) ||
            (code == "fr" && m.translation != m.source) || mixed ||
            built.translate(qPrintable(m.context), m.source.toUtf8().constData()) != m.translation ||
            (caption && (m.translation.count(':') != 1 || !m.translation.endsWith(':'))))
            wrong << QString(m.key() + " -> " + m.translation).replace('\r', "\\r").replace('\n', "\\n");
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    QStringList missing = (program - committed).values(), stale = (committed - program).values();
    QVERIFY2(missing.isEmpty(),
             qPrintable("not in the file (run the lupdate target):\n" + missing.join('\n')));
    QVERIFY2(stale.isEmpty(), qPrintable("no longer in the sources:\n" + stale.join('\n')));
}

void TestTranslations::productionFolder_data()
{
    QTest::addColumn<QString>("bin");
    QTest::addColumn<QString>("share");
    QTest::newRow("build") << QStringLiteral(QVX_APP_DIR) << QStringLiteral(QVX_APP_DIR);
    static QTemporaryDir prefix;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QVX_CMAKE, {"--install", QVX_BINARY_DIR, "--prefix", prefix.path()});
    QVERIFY2(install.waitForFinished(120000) && install.exitCode() == 0, install.readAll().constData());
    QTest::newRow("cmake --install") << prefix.filePath("bin") << prefix.filePath("share/quarvex2");
}

// What a technician runs: the program, its catalogues (Qt's holding only what it loads, with no catalogue of
// another module to find), the guides and patch templates that write nothing; nothing of the demo. The build
// folder is a portable copy with an empty Maj/; an installed copy has its desktop entry, icon and metainfo.
void TestTranslations::productionFolder()
{
    QFETCH(QString, bin);
    QFETCH(QString, share);
    const QDir dir(share);
    const bool portable = bin == share;
    QStringList expected = {"patch_direve.txt", "patch_voltane.txt"};
    for (const char *code : {"en", "fr", "ng", "ru", "sv"}) {
        expected << QStringLiteral("qt_%1.qm").arg(code) << QStringLiteral("quarvex2_%1.qm").arg(code);
        QTranslator alone;
        QVERIFY2(alone.load(dir.filePath(QStringLiteral("qt_%1.qm").arg(code))), code);
        QVERIFY(alone.isEmpty() == (QLatin1String(code) == "en")); // Qt's own texts are English
    }
    expected << (portable ? QStringList{"quarvex2"} : QStringList());
    expected.sort();
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), expected);
    QVERIFY(portable || QDir(bin).entryList(QDir::Files) == QStringList("quarvex2"));
    QCOMPARE(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             portable ? QStringList({"Doc", "Maj"}) : QStringList("Doc"));
    QCOMPARE(QDir(dir.filePath("Maj")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(dir.filePath("Doc")).entryList({"GU_QUARVEN2_V_*.pdf"}, QDir::Files).size(), 2);
    for (const char *patch : {"patch_voltane.txt", "patch_direve.txt"}) // comments only
        QVERIFY(!QString(TestUtil::readFile(dir.filePath(patch)))
                     .contains(QRegularExpression("^\\s*[^#\\s]", QRegularExpression::MultilineOption)));
    for (const char *desktop :
         {"applications/fr.orva.quarvex2.desktop", "metainfo/fr.orva.quarvex2.metainfo.xml",
          "icons/hicolor/48x48/apps/quarvex2.png"})
        QVERIFY2(portable || QFileInfo::exists(share + "/../" + desktop), desktop);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
