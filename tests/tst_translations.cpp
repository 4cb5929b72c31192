// The translation sources against the program's texts, and what the build and an install put beside the
// program: its catalogues, its guides and patch templates, and nothing made up for the simulator.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished", or empty when finished
};

QString key(const Message &m)
{
    return m.context + QLatin1String(" | ") + m.source +
           (m.comment.isEmpty() ? QString() : " | " + m.comment);
}

QVector<Message> readTs(const QString &path)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qWarning("%s: %s", qPrintable(path), qPrintable(file.errorString()));
    QXmlStreamReader xml(&file);
    QString context;
    QString *text = nullptr; // the field of the last message the text read belongs to
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringRef name = xml.name();
        if (xml.isCharacters() && text) {
            *text += xml.text();
        } else if (xml.isStartElement() && name == QLatin1String("byte") &&
                   text) { // lupdate's <byte value="xd"/>
            *text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        } else if (xml.isStartElement() && name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("message")) {
            messages.append(Message{context, {}, {}, {}, {}});
        } else if (xml.isStartElement() && !messages.isEmpty()) {
            Message &m = messages.last();
            text = name == QLatin1String("source")        ? &m.source
                   : name == QLatin1String("comment")     ? &m.comment
                   : name == QLatin1String("translation") ? &m.translation
                                                          : nullptr;
            if (text == &m.translation)
                m.type = xml.attributes().value(QLatin1String("type")).toString();
        } else if (xml.isEndElement() && name != QLatin1String("byte")) {
            text = nullptr;
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QVector<Message> readLanguage(const QString &code)
{
    return readTs(QStringLiteral(QVX_SOURCE_DIR "/translations/quarvex2_%1.ts").arg(code));
}

// What of a text its layout depends on: placeholders, blanks at either end, line ends.
QString layout(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    found.removeDuplicates();
    static const QRegularExpression ends(QStringLiteral("^(\\s*).*?(\\s*)\\z"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const auto blanks = ends.match(text);
    // Concatenated, not filled in with arg(): the placeholders found must not be filled in themselves.
    return found.join(QLatin1Char(' ')) + " [" + blanks.captured(1) + '|' + blanks.captured(2) + "] " +
           QString::number(text.count(QLatin1Char('\n'))) + " LF " +
           QString::number(text.count(QLatin1Char('\r'))) + " CR";
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QSet<QString> m_programTexts; // context | source of every text the sources pass through translation

    static void languages()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"fr", "en", "ng", "sv", "ru"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

private slots:
    void initTestCase();
    void messages_data() { languages(); }
    void messages();
    void inStepWithProgram_data() { languages(); }
    void inStepWithProgram();
    void productionFolder_data();
    void productionFolder();
};

// What lupdate finds in the sources today, the same way the lupdate target runs it.
void TestTranslations::initTestCase()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ts = dir.filePath(QStringLiteral("program.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(QVX_LUPDATE),
                  {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(QVX_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());
    for (const Message &m : readTs(ts))
        m_programTexts.insert(key(m));
    QVERIFY(m_programTexts.size() > 100);
}

// Every message is finished, laid out as its source (spaced list entries, CR LF history lines and two-line
// buttons depend on it), and held as such by the catalogue built beside the program, not a stale one. French
// is the source language, so its texts are the sources themselves.
void TestTranslations::messages()
{
    QFETCH(QString, code);
    QTranslator built;
    QVERIFY(built.load(QStringLiteral(QVX_APP_DIR "/quarvex2_%1.qm").arg(code)));
    const QVector<Message> messages = readLanguage(code);
    QVERIFY(messages.size() > 100);
    QStringList wrong;
    int captions = 0;
    for (const Message &m : messages) {
        QString where = QStringLiteral("%1 -> %2 [%3]").arg(key(m), m.translation, m.type);
        where.replace(QLatin1Char('\r'), QLatin1String("\\r"))
            .replace(QLatin1Char('\n'), QLatin1String("\\n"));
        if (!m.type.isEmpty() || m.translation.isEmpty() || layout(m.translation) != layout(m.source) ||
            (code == QLatin1String("fr") && m.translation != m.source))
            wrong.append(where);
        if (built.translate(qPrintable(m.context), m.source.toUtf8().constData(),
                            m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()) != m.translation)
            wrong.append(where + " (built)");
        // A word of Latin and Cyrillic letters together (a curve named with a Latin phase letter) reads
        // wrong.
        for (const QString &word : m.translation.split(QRegularExpression("[\\s-]+")))
            if (word.contains(QRegularExpression("[A-Za-z]")) &&
                word.contains(QRegularExpression("[\\x{0400}-\\x{04FF}]")))
                wrong.append(where + " (scripts mixed)");
        // The battery dialog reads the threshold after the caption's colon: exactly one, at the end.
        if (m.source == QLatin1String("Pile seche 9V :") ||
            m.source == QLatin1String("Pile rechargeable :")) {
            ++captions;
            if (m.translation.count(QLatin1Char(':')) != 1 || !m.translation.endsWith(QLatin1Char(':')))
                wrong.append(where);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QCOMPARE(captions, 2);
}

// A text missing from a catalogue shows in French; one the sources no longer have is dead weight.
void TestTranslations::inStepWithProgram()
{
    QFETCH(QString, code);
    QSet<QString> committed;
    for (const Message &m : readLanguage(code))
        committed.insert(key(m));
    QStringList missing = (m_programTexts - committed).values();
    QStringList stale = (committed - m_programTexts).values();
    missing.sort();
    stale.sort();
    QVERIFY2(missing.isEmpty(),
             qPrintable("not in the file (run the lupdate target):\n" + missing.join('\n')));
    QVERIFY2(stale.isEmpty(), qPrintable("no longer in the sources:\n" + stale.join('\n')));
}

void TestTranslations::productionFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("build") << QStringLiteral(QVX_APP_DIR);
    static QTemporaryDir prefix;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(QVX_CMAKE), {"--install", QVX_BINARY_DIR, "--prefix", prefix.path()});
    QVERIFY2(install.waitForFinished(120000) && install.exitCode() == 0, install.readAll().constData());
    QTest::newRow("cmake --install") << prefix.path();
}

// The folder a technician runs: the program, its catalogues (Qt's holding only what it loads, with no
// catalogue of other modules to find), the guides, patch templates that write nothing, and an empty Maj/.
void TestTranslations::productionFolder()
{
    QFETCH(QString, folder);
    const QDir dir(folder);
    QStringList expected = {"quarvex2", "patch_voltane.txt", "patch_direve.txt"};
    for (const char *code : {"fr", "en", "ng", "sv", "ru"}) {
        expected << QStringLiteral("quarvex2_%1.qm").arg(code) << QStringLiteral("qt_%1.qm").arg(code);
        QTranslator alone;
        QVERIFY2(alone.load(dir.filePath(QStringLiteral("qt_%1.qm").arg(code))), code);
        QVERIFY(alone.isEmpty() == (QLatin1String(code) == "en")); // Qt's own texts are English
    }
    QStringList files = dir.entryList(QDir::Files);
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
    QCOMPARE(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Doc", "Maj"}));
    QCOMPARE(QDir(dir.filePath("Maj")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(dir.filePath("Doc")).entryList({"GU_QUARVEN2_V_*.pdf"}, QDir::Files).size(), 2);
    for (const char *patch : {"patch_voltane.txt", "patch_direve.txt"}) {
        QFile file(dir.filePath(patch));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            QVERIFY2(line.isEmpty() || line.startsWith('#'), line.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
