// The user guide that Help > Documentation opens, and the about box.

#include "aboutdialog.h"
#include "mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QUrl>
#include <QtTest>
#include <memory>

namespace
{

// Stands for the system's viewer: records what the program asks to open instead of starting anything.
class ViewerStub : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

std::unique_ptr<MainWindow> makeWindow(const QString &appDir)
{
    return std::make_unique<MainWindow>(appDir, [] { return QList<PortCandidate>(); });
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void guideChoice_data();
    void guideChoice();
    void searchInList_data();
    void searchInList();
    void aboutBoxFromMenu();
    void aboutBox_data();
    void aboutBox();

private:
    ViewerStub m_viewer;
};

void TestHelp::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_viewer, "open");
}

void TestHelp::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestHelp::guideChoice_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("docFolder");
    QTest::addColumn<QStringList>("files"); // a trailing "/" makes a folder of that name
    QTest::addColumn<QString>("expected");  // empty: the guide is not found

    const QString fr1 = QStringLiteral("GU_QUARVEN2_V_1_fr.pdf");
    const QString fr2 = QStringLiteral("GU_QUARVEN2_V_2_fr.pdf");
    const QString en1 = QStringLiteral("GU_QUARVEN2_V_1_en.pdf");
    const QString en2 = QStringLiteral("GU_QUARVEN2_V_2_en.pdf");

    QTest::newRow("fr: newest by name") << "fr" << true << QStringList{fr2, fr1} << fr2;
    QTest::newRow("fr: French beside English") << "fr" << true << QStringList{en2, fr1} << fr1;
    QTest::newRow("fr: mark in capitals")
        << "fr" << true << QStringList{QStringLiteral("GU_QUARVEN2_V_2_FR.pdf")}
        << QStringLiteral("GU_QUARVEN2_V_2_FR.pdf");
    QTest::newRow("en: English beside French") << "en" << true << QStringList{fr2, en1} << en1;
    QTest::newRow("en: newest of two") << "en" << true << QStringList{en1, en2, fr2} << en2;
    QTest::newRow("ru: English") << "ru" << true << QStringList{fr1, en1} << en1;
    QTest::newRow("ng: English") << "ng" << true << QStringList{fr1, en1} << en1;
    QTest::newRow("sv: English") << "sv" << true << QStringList{fr1, en1} << en1;
    QTest::newRow("sv: French guides only") << "sv" << true << QStringList{fr1, fr2} << QString();
    QTest::newRow("en: French guide only") << "en" << true << QStringList{fr1} << QString();
    QTest::newRow("fr: English guide only") << "fr" << true << QStringList{en1} << QString();
    QTest::newRow("empty Doc folder") << "fr" << true << QStringList() << QString();
    QTest::newRow("no Doc folder") << "fr" << false << QStringList() << QString();
    QTest::newRow("other names are no guides")
        << "fr" << true
        << QStringList{QStringLiteral("notes_fr.pdf"), QStringLiteral("GU_QUARVEN2_V_1_fr.txt"),
                       QStringLiteral("GU_QUARVEN2_1_fr.pdf")}
        << QString();
    QTest::newRow("language inside the version is no mark")
        << "fr" << true << QStringList{QStringLiteral("GU_QUARVEN2_V_fr_1.pdf")} << QString();
    QTest::newRow("a folder is no guide")
        << "fr" << true << QStringList{fr1, QStringLiteral("GU_QUARVEN2_V_9_fr.pdf/")} << fr1;
    // The guide is there but nothing opens PDF files: said so, with where the guide is.
    QTest::newRow("no PDF viewer") << "fr" << true << QStringList{fr1} << QStringLiteral("!") + fr1;
}

void TestHelp::guideChoice()
{
    QFETCH(QString, language);
    QFETCH(bool, docFolder);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    const bool noViewer = expected.startsWith(QLatin1Char('!'));
    if (noViewer) {
        expected.remove(0, 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(TestUtil::writeFile(dir.filePath("config.xml"), TestUtil::configWithLanguage(language)));
    const QString docDir = dir.path() + QStringLiteral("/Doc/");
    if (docFolder)
        QVERIFY(QDir().mkpath(docDir));
    for (const QString &name : qAsConst(files)) {
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(docDir + name));
            continue;
        }
        QVERIFY(TestUtil::writeFile(docDir + name, "%PDF-1.4\n"));
    }

    auto window = makeWindow(dir.path());
    QCOMPARE(window->language(), language);
    m_viewer.opened.clear();

    // Answered whatever happens, so that an unexpected box cannot block the run; short-lived, so that it
    // cannot reach into the next row.
    QString text;
    QString title;
    TestUtil::answerNextMessageBox(QMessageBox::Ok, &text, &title, 800);
    window->findChild<QAction *>(QStringLiteral("actionDocumentation"))->trigger();

    if (noViewer) {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_viewer, "open");
        QCOMPARE(title, QStringLiteral("Erreur"));
        QVERIFY2(text.contains(QStringLiteral("PDF")) &&
                     text.contains(QDir::toNativeSeparators(docDir + expected)),
                 qPrintable(text));
    } else if (expected.isEmpty()) {
        QVERIFY(m_viewer.opened.isEmpty());
        QCOMPARE(text, QStringLiteral("Aide introuvable."));
        QCOMPARE(title, QStringLiteral("Erreur"));
    } else {
        QTest::qWait(900); // lets the pending answer run out
        QVERIFY2(text.isEmpty(), qPrintable(text));
        QCOMPARE(m_viewer.opened.size(), 1);
        const QUrl url = m_viewer.opened.first();
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(),
                 QFileInfo(docDir + expected).canonicalFilePath());
    }
}

void TestHelp::searchInList_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("expected");

    QTest::newRow("last of several") << QStringList{"a_fr.pdf", "b_en.pdf", "c_fr.pdf", "d_en.pdf"} << "_fr."
                                     << 2;
    QTest::newRow("only the first") << QStringList{"a_fr.pdf", "b_en.pdf"} << "_fr." << 0;
    QTest::newRow("case ignored") << QStringList{"A_FR.PDF", "b_en.pdf"} << "_fr." << 0;
    QTest::newRow("search in capitals") << QStringList{"a_en.pdf", "b_en.pdf"} << "_EN." << 1;
    QTest::newRow("anywhere in the name") << QStringList{"x_fr.pdf.old", "y_en.pdf"} << "_fr." << 0;
    QTest::newRow("none") << QStringList{"a_en.pdf", "a_fr_1.pdf"} << "_fr." << -1;
    QTest::newRow("empty list") << QStringList() << "_fr." << -1;
}

void TestHelp::searchInList()
{
    QFETCH(QStringList, names);
    QFETCH(QString, search);
    QFETCH(int, expected);

    QTemporaryDir dir;
    auto window = makeWindow(dir.path());
    QCOMPARE(window->rechercheficdansliste(&names, search), expected);
}

void TestHelp::aboutBoxFromMenu()
{
    QTemporaryDir dir;
    auto window = makeWindow(dir.path());
    QString className;
    QString title;
    QWidget *parent = nullptr;
    TestUtil::onNextModal([&](QWidget *w) {
        className = QString::fromLatin1(w->metaObject()->className());
        title = w->windowTitle();
        parent = w->parentWidget();
        static_cast<QDialog *>(w)->reject();
    });
    window->findChild<QAction *>(QStringLiteral("action_propos_de_ORVA_SA"))->trigger();
    QCOMPARE(className, QStringLiteral("aboutDialog"));
    QCOMPARE(title, QStringLiteral("A propos de ORVA-SA"));
    QCOMPARE(parent, window.get());
    // The box lives for one showing only.
    QVERIFY(window->findChildren<aboutDialog *>().isEmpty());
}

void TestHelp::aboutBox_data()
{
    QTest::addColumn<QString>("language"); // empty: the source texts
    QTest::addColumn<QString>("version");

    QTest::newRow("source texts") << QString() << "Version D504";
    QTest::newRow("en") << "en"
                        << "Version D504";
    QTest::newRow("ru") << "ru" << QStringLiteral("Версия D504");
}

void TestHelp::aboutBox()
{
    QFETCH(QString, language);
    QFETCH(QString, version);

    QTranslator translator;
    if (!language.isEmpty()) {
        if (!translator.load(QStringLiteral(QVX_APP_DIR "/quarvex2_%1.qm").arg(language)))
            QSKIP("translation not built");
        QCoreApplication::installTranslator(&translator);
    }

    aboutDialog box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.findChild<QLabel *>(QStringLiteral("VersionLabel"))->text(), version);
    QCOMPARE(box.findChild<QLabel *>(QStringLiteral("ProductLabel"))->text(), QStringLiteral("QUARVEN2"));

    // Not resizable: the layout holds the box at the size of its contents.
    QCOMPARE(box.layout()->sizeConstraint(), QLayout::SetFixedSize);
    QCOMPARE(box.minimumSize(), box.sizeHint());
    QCOMPARE(box.maximumSize(), box.sizeHint());
    const QSize before = box.size();
    box.resize(before + QSize(200, 200));
    QCOMPARE(box.size(), before);

    // The history: neither editable nor selectable, and one line of the pane for each line of the text.
    auto *pane = box.findChild<QTextEdit *>(QStringLiteral("text_info"));
    QCOMPARE(pane->textInteractionFlags(), Qt::NoTextInteraction);
    const QString history = aboutDialog::history();
    QVERIFY(history.endsWith(QLatin1String("\r\n")));
    QStringList lines = history.split(QStringLiteral("\r\n"));
    lines.removeLast();
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines.at(10), QStringLiteral(" ")); // the blank line between firmware and program histories
    QStringList shown = pane->toPlainText().split(QLatin1Char('\n'));
    if (!shown.isEmpty() && shown.last().isEmpty())
        shown.removeLast();
    QCOMPARE(shown, lines);

    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
