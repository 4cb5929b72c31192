// The translation sources against the program's texts, and what the build and an install put beside the
// program: its catalogues, its guides and patch templates, and nothing made up for the simulator.

#include "testutil.h"

#include <QDomDocument>
#include <QtTest>

namespace
{

struct Message {
    QString context, source, translation, type;
    bool plural = false;
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
        // A message with plural forms stands for its last: the one of five, in every language.
        const QDomElement plural = t.lastChildElement("numerusform");
        messages.append({m.parentNode().firstChildElement("name").text(),
                         m.firstChildElement("source").text(), plural.isNull() ? t.text() : plural.text(),
                         t.attribute("type"), !plural.isNull()});
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

// The texts of a catalogue as a guide may quote them: a line of one, without its accelerator mark, with or
// without its closing colon or ellipsis; a text with placeholders as a pattern, if it has words of its own.
struct Quotable {
    QSet<QString> texts;
    QVector<QRegularExpression> patterns;
    explicit Quotable(const QVector<Message> &catalogue)
    {
        static const QRegularExpression accelerator("&(?=[^&\\s])"), closing("\\s*(:|\\.\\.\\.|\u2026)$"),
            placeholder("%\\d"), letter("\\p{L}");
        for (const Message &m : catalogue)
            for (const QString &line : QStringList(m.translation) + m.translation.split('\n')) {
                const QString whole = QString(line).remove(accelerator).replace("&&", "&").simplified();
                for (const QString &text : {whole, QString(whole).remove(closing)}) {
                    texts.insert(text);
                    if (!text.contains(placeholder) || !QString(text).remove(placeholder).contains(letter))
                        continue;
                    QStringList pieces = text.split(placeholder);
                    for (QString &piece : pieces)
                        piece = QRegularExpression::escape(piece);
                    patterns.append(QRegularExpression('^' + pieces.join(".+") + '$'));
                }
            }
    }
    bool has(const QString &quoted) const
    {
        return texts.contains(quoted) || std::any_of(patterns.begin(), patterns.end(), [&](const auto &p) {
                   return p.match(quoted).hasMatch();
               });
    }
};

// A guide's HTML as plain text.
QString plain(QString html)
{
    html.remove(QRegularExpression("<[^>]*>"));
    for (auto it = QRegularExpression("&#(\\d+);").globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        html.replace(m.captured(), QChar(m.captured(1).toInt()));
    }
    return html.replace("&nbsp;", "\u00a0")
        .replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&")
        .simplified();
}

QString guideSource(const QString &code)
{
    return QString::fromUtf8(
        TestUtil::readFile(QStringLiteral(QVX_SOURCE_DIR "/doc/guide_%1.html").arg(code)));
}

const char *const Languages[] = {"fr", "en", "ng", "sv", "ru"};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void guides_data() { messages_data(); }
    void guides();
    void productionFolder_data();
    void productionFolder();
};

void TestTranslations::messages_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : Languages)
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
            built.translate(qPrintable(m.context), m.source.toUtf8().constData(), nullptr,
                            m.plural ? 5 : -1) != m.translation ||
            (caption && (m.translation.count(':') != 1 || !m.translation.endsWith(':'))))
            wrong << QString(m.key() + " -> " + m.translation).replace('\r', "\\r").replace('\n', "\\n");
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    QStringList missing = (program - committed).values(), stale = (committed - program).values();
    QVERIFY2(missing.isEmpty(),
             qPrintable("not in the file (run the lupdate target):\n" + missing.join('\n')));
    QVERIFY2(stale.isEmpty(), qPrintable("no longer in the sources:\n" + stale.join('\n')));
}

// Each language's guide is built beside the program and the demo, written in that language (its letters; its
// own opening sentence and no other guide's), and quotes every window text as that language's window shows
// it.
void TestTranslations::guides()
{
    QFETCH(QString, code);
    const QString pattern = QStringLiteral("GU_QUARVEN2_V_*_%1.pdf").arg(code);
    const QStringList built = QDir(QVX_APP_DIR "/Doc").entryList({pattern}, QDir::Files);
    QCOMPARE(built.size(), 1);
    QCOMPARE(QDir(QVX_DEMO_DIR "/Doc").entryList({pattern}, QDir::Files), built);
    QProcess pdftotext;
    pdftotext.start("pdftotext", {QVX_APP_DIR "/Doc/" + built.first(), "-"});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    const int letters = text.count(QRegularExpression("\\p{L}")),
              cyrillic = text.count(QRegularExpression("[\\x{0400}-\\x{04FF}]"));
    QVERIFY2(code == "ru" ? cyrillic > letters * 0.8 : cyrillic < letters / 100, qPrintable(code));
    static const QRegularExpression firstParagraph("<h1>.*?<p>(.*?)</p>",
                                                   QRegularExpression::DotMatchesEverythingOption);
    for (const char *other : Languages) {
        const QString opening =
            plain(firstParagraph.match(guideSource(other)).captured(1)).section(' ', 0, 7);
        QVERIFY2(opening.size() > 30 && text.contains(opening) == (code == other), qPrintable(opening));
    }
    const Quotable window(readTs(QStringLiteral(QVX_SOURCE_DIR "/translations/quarvex2_%1.ts").arg(code)));
    QStringList unknown;
    static const QRegularExpression quoted("<span class=\"ui\">(.*?)</span>",
                                           QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (auto it = quoted.globalMatch(guideSource(code)); it.hasNext(); ++count) {
        const QString q = plain(it.next().captured(1)).remove(QRegularExpression("&(?=[^&\\s])"));
        if (!window.has(q))
            unknown << q;
    }
    QVERIFY2(count > 200 && unknown.isEmpty(), qPrintable("not in the window: " + unknown.join(" | ")));
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
// folder is a portable copy with an empty Maj/; an installed copy has its desktop entry, icon, metainfo,
// manual pages, copyright and changelog.
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
    expected << (portable ? QStringList{"quarvex2", "quarvex2-cli"} : QStringList());
    expected.sort();
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), expected);
    QVERIFY(portable || QDir(bin).entryList(QDir::Files) == QStringList({"quarvex2", "quarvex2-cli"}));
    QCOMPARE(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             portable ? QStringList({"Doc", "Maj"}) : QStringList("Doc"));
    QCOMPARE(QDir(dir.filePath("Maj")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(dir.filePath("Doc")).entryList({"GU_QUARVEN2_V_*.pdf"}, QDir::Files).size(), 5);
    for (const char *patch : {"patch_voltane.txt", "patch_direve.txt"}) // comments only
        QVERIFY(!QString(TestUtil::readFile(dir.filePath(patch)))
                     .contains(QRegularExpression("^\\s*[^#\\s]", QRegularExpression::MultilineOption)));
    for (const char *desktop :
         {"applications/fr.orva.quarvex2.desktop", "metainfo/fr.orva.quarvex2.metainfo.xml",
          "icons/hicolor/48x48/apps/quarvex2.png", "man/man1/quarvex2.1.gz", "man/man1/quarvex2-cli.1.gz",
          "doc/quarvex2/copyright", "doc/quarvex2/changelog.gz"})
        QVERIFY2(portable || QFileInfo::exists(share + "/../" + desktop), desktop);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
