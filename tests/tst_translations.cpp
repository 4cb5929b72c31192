// The translation sources against the program's texts, and the catalogues the build puts beside the program.

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

// The text of the element the reader stands on; lupdate writes a CR as <byte value="xd"/>.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    const QString name = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            text += value.startsWith(QLatin1Char('x')) ? QChar(value.mid(1).toUShort(nullptr, 16))
                                                       : QChar(value.toUShort());
        } else if (xml.isEndElement() && xml.name() == name) {
            break;
        }
    }
    return text;
}

QVector<Message> readTs(const QString &path, QString *error)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("context")) {
            context.clear();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message m;
            m.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = readText(xml);
                } else if (xml.name() == QLatin1String("comment")) {
                    m.comment = readText(xml);
                } else if (xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = readText(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(m);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QString tsPath(const QString &code)
{
    return QStringLiteral(QVX_SOURCE_DIR "/translations/quarvex2_%1.ts").arg(code);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%L?\\d+"));
    QStringList found;
    auto it = re.globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

QString leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return text.left(n);
}

QString trailingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return text.right(n);
}

QString visible(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QSet<QString> m_programTexts; // context | source of every text the sources pass through translation

    QVector<Message> load(const QString &code)
    {
        QString error;
        const QVector<Message> messages = readTs(tsPath(code), &error);
        if (!error.isEmpty())
            qWarning("%s: %s", qPrintable(tsPath(code)), qPrintable(error));
        return messages;
    }
    static void languages()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"fr", "en", "ng", "sv", "ru"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

private slots:
    void initTestCase();
    void finished_data() { languages(); }
    void finished();
    void coversProgramTexts_data() { languages(); }
    void coversProgramTexts();
    void placeholdersKept_data() { languages(); }
    void placeholdersKept();
    void blanksAndLinesKept_data() { languages(); }
    void blanksAndLinesKept();
    void frenchIsTheSource();
    void batteryCaptionsEndInColon_data() { languages(); }
    void batteryCaptionsEndInColon();
    void builtBesideProgram_data();
    void builtBesideProgram();
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
    QString error;
    const QVector<Message> program = readTs(ts, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(program.size() > 100);
    for (const Message &m : program)
        m_programTexts.insert(key(m));
}

void TestTranslations::finished()
{
    QFETCH(QString, code);
    const QVector<Message> messages = load(code);
    QVERIFY(!messages.isEmpty());
    QStringList open;
    for (const Message &m : messages)
        if (!m.type.isEmpty() || m.translation.isEmpty())
            open.append(QStringLiteral("%1 [%2]").arg(key(m), m.type));
    QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1Char('\n'))));
}

// A text missing from a catalogue shows in French; one the sources no longer have is dead weight.
void TestTranslations::coversProgramTexts()
{
    QFETCH(QString, code);
    QSet<QString> committed;
    for (const Message &m : load(code))
        committed.insert(key(m));
    QStringList missing = (m_programTexts - committed).values();
    QStringList stale = (committed - m_programTexts).values();
    missing.sort();
    stale.sort();
    QVERIFY2(missing.isEmpty(),
             qPrintable("not in the file (run the lupdate target):\n" + missing.join('\n')));
    QVERIFY2(stale.isEmpty(), qPrintable("no longer in the sources:\n" + stale.join('\n')));
}

void TestTranslations::placeholdersKept()
{
    QFETCH(QString, code);
    for (const Message &m : load(code))
        QVERIFY2(placeholders(m.translation) == placeholders(m.source),
                 qPrintable(QStringLiteral("%1 -> %2").arg(key(m), m.translation)));
}

// Spaced list entries, CR LF history lines and two-line buttons are laid out by their texts.
void TestTranslations::blanksAndLinesKept()
{
    QFETCH(QString, code);
    for (const Message &m : load(code)) {
        const QString where = visible(QStringLiteral("%1 -> %2").arg(key(m), m.translation));
        QVERIFY2(leadingBlanks(m.translation) == leadingBlanks(m.source), qPrintable(where));
        QVERIFY2(trailingBlanks(m.translation) == trailingBlanks(m.source), qPrintable(where));
        QVERIFY2(m.translation.count(QLatin1Char('\n')) == m.source.count(QLatin1Char('\n')),
                 qPrintable(where));
        QVERIFY2(m.translation.count(QLatin1Char('\r')) == m.source.count(QLatin1Char('\r')),
                 qPrintable(where));
    }
}

void TestTranslations::frenchIsTheSource()
{
    for (const Message &m : load(QStringLiteral("fr")))
        QVERIFY2(m.translation == m.source, qPrintable(visible(key(m) + " -> " + m.translation)));
}

// The battery dialog reads the threshold after the caption's colon, so a caption has exactly one, at its end.
void TestTranslations::batteryCaptionsEndInColon()
{
    QFETCH(QString, code);
    int seen = 0;
    for (const Message &m : load(code)) {
        if (m.context != QLatin1String("QObject") || (m.source != QLatin1String("Pile seche 9V :") &&
                                                      m.source != QLatin1String("Pile rechargeable :")))
            continue;
        ++seen;
        QCOMPARE(m.translation.count(QLatin1Char(':')), 1);
        QVERIFY(m.translation.endsWith(QLatin1Char(':')));
        QVERIFY(m.translation.size() > 1);
    }
    QCOMPARE(seen, 2);
}

void TestTranslations::builtBesideProgram_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("qtOpen"); // Qt's "Open" of the file dialog; empty: no Qt catalogue needed
    QTest::newRow("fr") << "fr"
                        << "Ouvrir";
    QTest::newRow("en") << "en" << QString();
    QTest::newRow("ng") << "ng"
                        << "Opna";
    QTest::newRow("sv") << "sv"
                        << "Öppna";
    QTest::newRow("ru") << "ru"
                        << "Открыть";
}

// The catalogues lie beside the program, load, and hold what the .ts files say (not a stale build).
void TestTranslations::builtBesideProgram()
{
    QFETCH(QString, code);
    QFETCH(QString, qtOpen);
    QTranslator app;
    QVERIFY(app.load(QStringLiteral(QVX_APP_DIR "/quarvex2_%1.qm").arg(code)));
    for (const Message &m : load(code)) {
        const QString built = app.translate(qPrintable(m.context), m.source.toUtf8().constData(),
                                            m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData());
        QVERIFY2(built == m.translation, qPrintable(visible(key(m) + " -> " + built)));
    }

    const QString qtFile = QStringLiteral(QVX_APP_DIR "/qt_%1.qm").arg(code);
    if (qtOpen.isEmpty() && !QFile::exists(qtFile))
        return;
    // A meta-catalogue loads only when the module catalogues it names lie beside it.
    QTranslator qt;
    QVERIFY2(qt.load(qtFile), qPrintable(qtFile));
    if (!qtOpen.isEmpty())
        QCOMPARE(qt.translate("QFileDialog", "Open"), qtOpen);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
