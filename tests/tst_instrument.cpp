// Parameter commands, EEPROM save, record erase and patch files against the simulated instrument.

#include "simrig.h"
#include "testutil.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QtTest>
#include <memory>

namespace
{

// Lets act() work on the next modal dialog; a message box showing instead is closed.
void driveNextDialog(std::function<void(QDialog *)> act)
{
    TestUtil::onNextModal([act](QWidget *w) {
        auto *dialog = qobject_cast<QDialog *>(w);
        if (!dialog || qobject_cast<QMessageBox *>(w)) {
            w->close();
            return;
        }
        act(dialog);
    });
}

QString checkedRadio(const QDialog *dialog)
{
    for (const QRadioButton *b : dialog->findChildren<QRadioButton *>())
        if (b->isChecked())
            return b->objectName();
    return QString();
}

// Presses "Envoyer" of a choice dialog (its object name differs from dialog to dialog).
void pressSend(QDialog *d)
{
    for (QPushButton *b : d->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("Envoyer"))
            b->click();
}

} // namespace

class TestInstrument : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimRig> rig;

    // Lines the window sent since the last call, each with its CR; the periodic ping is left out.
    QStringList sentLines();
    void run(const char *slot);
    void writeFile(const QString &name, const QByteArray &content);

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void erase_data();
    void erase();

    void parameterCommand_data();
    void parameterCommand();
    void cancelSendsNothing_data();
    void cancelSendsNothing();
    void writeWithoutEcho();
    void queryWithoutAnswer();
    void writeOfUnreportedName();

    void battery_data();
    void battery();

    void patch_data();
    void patch();
    void samplePatches_data();
    void samplePatches();
    void patchLargeOrBinary_data();
    void patchLargeOrBinary();
};

QStringList TestInstrument::sentLines()
{
    const QString bytes = QString::fromLatin1(rig->takeReceived());
    QStringList lines;
    int start = 0;
    while (start < bytes.size()) {
        int end = bytes.indexOf(QLatin1Char('\r'), start);
        end = end < 0 ? bytes.size() : end + 1;
        const QString line = bytes.mid(start, end - start);
        if (line != QLatin1String(Qvx2::CmdPing))
            lines << line;
        start = end;
    }
    return lines;
}

void TestInstrument::run(const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(rig->window.get(), slot, Qt::DirectConnection));
    rig->settle(200);
}

void TestInstrument::writeFile(const QString &name, const QByteArray &content)
{
    QFile f(rig->appDir() + QLatin1Char('/') + name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), qint64(content.size()));
}

void TestInstrument::initTestCase()
{
    // Waits of hundreds of cycles stay bounded in cycles; the simulator answers within milliseconds.
    MainWindow::setLinkCycleMs(1);
}

void TestInstrument::init()
{
    rig = std::make_unique<SimRig>();
    QVERIFY(rig->start());
    QVERIFY(rig->window->isSerialConnected());
    rig->takeReceived();
}

void TestInstrument::cleanup()
{
    rig.reset();
}

void TestInstrument::erase_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("erased");

    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

// The erase button of the record dialog asks first; only Yes reaches the instrument, and the window
// forgets its record either way.
void TestInstrument::erase()
{
    QFETCH(int, answer);
    QFETCH(bool, erased);

    // A document on screen that has been saved: both flags set.
    MainWindow *w = rig->window.get();
    rig->child<QLineEdit>(QStringLiteral("NameEdit"))->setText(QStringLiteral("Dupont"));
    rig->child<QLineEdit>(QStringLiteral("NamePosteEdit"))->setText(QStringLiteral("Poste 12"));
    rig->child<QLineEdit>(QStringLiteral("NumTranfoEdit"))->setText(QStringLiteral("T42"));
    const QString document = rig->appDir() + QStringLiteral("/Data/essai.qv2");
    QVERIFY(w->saveResult(document));
    w->openDocument(document);
    TestUtil::answerNextFileDialog(rig->appDir() + QStringLiteral("/Data/essai-2.qv2"));
    QVERIFY(!w->save().isEmpty());
    QVERIFY(w->isDataPresent());
    QVERIFY(w->isDataSaved());
    rig->settle(200);
    sentLines();

    QString text;
    QString title;
    driveNextDialog([&](QDialog *d) {
        TestUtil::answerNextMessageBox(answer, &text, &title);
        d->findChild<QPushButton *>(QStringLiteral("pushButton_11"))->click();
    });
    w->lancedownload();
    rig->settle(200);

    QCOMPARE(title, QStringLiteral("Effacement des enregistrements"));
    QCOMPARE(text, QStringLiteral("Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?"));
    QStringList expected{QLatin1String(Qvx2::CmdRecordNumber)};
    if (erased)
        expected << QLatin1String(Qvx2::CmdErase);
    QCOMPARE(sentLines(), expected);
    QCOMPARE(rig->sim.core().erased(), erased);
    QVERIFY(!w->isDataPresent());
    QVERIFY(!w->isDataSaved());
}

void TestInstrument::parameterCommand_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("echoOffset");
    QTest::addColumn<QString>("write");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<int>("stored");

    const QByteArray cutoff = "on_actionTemps_de_Coupure_du_QVX2_triggered";
    const QByteArray gamme = "on_actionChoix_de_la_gamme_au_d_marrage_triggered";
    QTest::newRow("cut-off 3 -> 8 minutes") << cutoff << 13 << 180 << "M_br_cutoff_2"
                                            << "M_br_cutoff_4" << 0 << "PARAM 13 480 P_AL_FALIM_TEMPS\r"
                                            << "Temps de coupure (en s) 480 (P_AL_FALIM_TEMPS)" << 480;
    QTest::newRow("cut-off, echo differs") << cutoff << 13 << 600 << "M_br_cutoff_3"
                                           << "M_br_cutoff_1" << 5 << "PARAM 13 120 P_AL_FALIM_TEMPS\r"
                                           << "Temps de coupure (en s) 125 (P_AL_FALIM_TEMPS)" << 120;
    QTest::newRow("range 10-19 kV -> last used") << gamme << 14 << 1 << "M_br_gamme_2"
                                                 << "M_br_gamme_4" << 0 << "PARAM 14 3 P_DEMAR_GAMME\r"
                                                 << "Choix de la gamme au demarrage : 3 (P_DEMAR_GAMME)" << 3;
    QTest::newRow("range, echo differs") << gamme << 14 << 7 << "M_br_gamme_4"
                                         << "M_br_gamme_1" << 2 << "PARAM 14 0 P_DEMAR_GAMME\r"
                                         << "Choix de la gamme au demarrage : 2 (P_DEMAR_GAMME)" << 0;
}

// Query, preset from the instrument, write, echo, EEPROM save and the confirmation of the echoed value.
void TestInstrument::parameterCommand()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, number);
    QFETCH(int, held);
    QFETCH(QString, preset);
    QFETCH(QString, choice);
    QFETCH(int, echoOffset);
    QFETCH(QString, write);
    QFETCH(QString, confirmation);
    QFETCH(int, stored);

    auto &core = rig->sim.core();
    core.setParameter(number, held);
    rig->sim.faults().echoOffset = echoOffset;

    QString shown;
    driveNextDialog([&](QDialog *d) {
        shown = checkedRadio(d);
        d->findChild<QRadioButton *>(choice)->click();
        pressSend(d);
    });
    TestUtil::BoxCollector boxes;
    run(slot);

    QCOMPARE(shown, preset);
    QCOMPARE(sentLines(),
             (QStringList{QLatin1String(Qvx2::CmdParamList), write, QLatin1String(Qvx2::CmdEepromSave)}));
    QCOMPARE(boxes.titles, QStringList{QStringLiteral("Enregistrement")});
    QCOMPARE(boxes.texts, QStringList{confirmation});
    QCOMPARE(core.parameter(number).value, stored);
    QCOMPARE(core.eepromSaveCount(), 1);
    QCOMPARE(core.savedParameters().at(number).value, stored);
}

void TestInstrument::cancelSendsNothing_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QStringList>("sent");

    const QStringList query{QLatin1String(Qvx2::CmdParamList)};
    QTest::newRow("cut-off") << QByteArray("on_actionTemps_de_Coupure_du_QVX2_triggered") << query;
    QTest::newRow("range") << QByteArray("on_actionChoix_de_la_gamme_au_d_marrage_triggered") << query;
    QTest::newRow("battery") << QByteArray("on_actionChoix_du_type_de_batterie_triggered") << QStringList();
}

// A dialog left with Escape writes nothing and saves nothing.
void TestInstrument::cancelSendsNothing()
{
    QFETCH(QByteArray, slot);
    QFETCH(QStringList, sent);

    const auto before = rig->sim.core().parameters();
    bool opened = false;
    driveNextDialog([&](QDialog *d) {
        opened = true;
        QTest::keyClick(d, Qt::Key_Escape);
    });
    TestUtil::BoxCollector boxes;
    run(slot);

    QVERIFY(opened);
    QCOMPARE(sentLines(), sent);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(rig->sim.core().eepromSaveCount(), 0);
    for (int n = 1; n <= 26; ++n)
        QCOMPARE(rig->sim.core().parameter(n).value, before.at(n).value);
}

// A write the instrument does not echo is neither confirmed nor saved.
void TestInstrument::writeWithoutEcho()
{
    driveNextDialog([this](QDialog *d) {
        rig->sim.faults().silent = true;
        d->findChild<QRadioButton *>(QStringLiteral("M_br_cutoff_4"))->click();
        pressSend(d);
    });
    TestUtil::BoxCollector boxes;
    run("on_actionTemps_de_Coupure_du_QVX2_triggered");

    QCOMPARE(sentLines(), (QStringList{QLatin1String(Qvx2::CmdParamList),
                                       QStringLiteral("PARAM 13 480 P_AL_FALIM_TEMPS\r")}));
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(rig->sim.core().eepromSaveCount(), 0);
}

// An instrument that does not answer the query gets no dialog and no write, and the user is told.
void TestInstrument::queryWithoutAnswer()
{
    rig->sim.faults().silent = true;
    TestUtil::BoxCollector boxes(true);
    run("on_actionTemps_de_Coupure_du_QVX2_triggered");

    QCOMPARE(sentLines(), QStringList{QLatin1String(Qvx2::CmdParamList)});
    QCOMPARE(boxes.titles, QStringList{QStringLiteral("P_AL_FALIM_TEMPS")});
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("interrogation impossible")});
    QCOMPARE(boxes.dialogs, QStringList());
}

// Before any query the name is unknown: the write still goes out, its name field empty, and the
// confirmation carries the name the instrument echoed.
void TestInstrument::writeOfUnreportedName()
{
    TestUtil::BoxCollector boxes;
    rig->window->qv2_envoi_et_sauve_param(12, QStringLiteral("essai"), 20);

    QCOMPARE(sentLines(),
             (QStringList{QStringLiteral("PARAM 20 12 \r"), QLatin1String(Qvx2::CmdEepromSave)}));
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("essai 12 (P_SEUIL_COHERENCE)")});
    QCOMPARE(rig->sim.core().parameter(20).value, 12);
}

void TestInstrument::battery_data()
{
    QTest::addColumn<int>("seuilNumber"); // 0: the instrument has no threshold parameter
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const QString list = QLatin1String(Qvx2::CmdParamList);
    const QString save = QLatin1String(Qvx2::CmdEepromSave);
    QTest::newRow("dry cell, usual number")
        << 15 << 0 << QStringList{list, "PARAM 15 7700 P_AL_FALIM_SEUIL\r", save} << "Enregistrement"
        << "seuil de pile : 7700 (P_AL_FALIM_SEUIL)";
    QTest::newRow("rechargeable, another number")
        << 22 << 1 << QStringList{list, "PARAM 22 7800 P_AL_FALIM_SEUIL\r", save} << "Enregistrement"
        << "seuil de pile : 7800 (P_AL_FALIM_SEUIL)";
    QTest::newRow("no threshold parameter") << 0 << 1 << QStringList{list} << "Choix du type de batterie"
                                            << "L'appareil ne connait pas le parametre P_AL_FALIM_SEUIL : "
                                               "le seuil de pile n'a pas ete modifie.";
}

// The threshold goes to the number the instrument gives its P_AL_FALIM_SEUIL, never to the cut-off time.
void TestInstrument::battery()
{
    QFETCH(int, seuilNumber);
    QFETCH(int, entry);
    QFETCH(QStringList, sent);
    QFETCH(QString, title);
    QFETCH(QString, text);

    auto &core = rig->sim.core();
    QVERIFY(core.setSeuilNumber(seuilNumber));
    const auto before = core.parameters();
    driveNextDialog([entry](QDialog *d) {
        d->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(entry);
        d->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    });
    TestUtil::BoxCollector boxes;
    run("on_actionChoix_du_type_de_batterie_triggered");

    QCOMPARE(sentLines(), sent);
    QCOMPARE(boxes.titles, QStringList{title});
    QCOMPARE(boxes.texts, QStringList{text});
    const int written = sent.size() > 1 ? seuilNumber : 0;
    for (int n = 1; n <= 26; ++n)
        if (n != written)
            QCOMPARE(core.parameter(n).value, before.at(n).value);
    if (written)
        QCOMPARE(core.savedParameters().at(written).value, entry == 0 ? 7700 : 7800);
    QCOMPARE(core.eepromSaveCount(), written ? 1 : 0);
}

void TestInstrument::patch_data()
{
    QTest::addColumn<bool>("direve");     // which command runs; the other file holds a decoy
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("one name twice, in file order")
        << false << QByteArray("P_TEMP_MAX = 55\nP_TEMP_MAX = 65\n")
        << QStringList{"PARAM 21 55 P_TEMP_MAX\r", "PARAM 21 65 P_TEMP_MAX\r"}
        << QStringList{"P_TEMP_MAX 55 (P_TEMP_MAX)", "P_TEMP_MAX 65 (P_TEMP_MAX)"};
    QTest::newRow("letter case differs")
        << true << QByteArray("p_temp_max = 55\nP_Temp_Max = 56\n") << QStringList() << QStringList();
    QTest::newRow("name number value, CR LF")
        << true << QByteArray("P_GAIN_HT 7 1010\r\nP_GAIN_BT 8 990\r\n")
        << QStringList{"PARAM 7 1010 P_GAIN_HT\r", "PARAM 8 990 P_GAIN_BT\r"}
        << QStringList{"P_GAIN_HT 1010 (P_GAIN_HT)", "P_GAIN_BT 990 (P_GAIN_BT)"};
    QTest::newRow("name = value, no final line end")
        << false << QByteArray("P_OFFSET_BT = -12") << QStringList{"PARAM 10 -12 P_OFFSET_BT\r"}
        << QStringList{"P_OFFSET_BT -12 (P_OFFSET_BT)"};
    QTest::newRow("value not a number")
        << false << QByteArray("P_SEUIL_ISOLEMENT = 12abc\n") << QStringList{"PARAM 12 0 P_SEUIL_ISOLEMENT\r"}
        << QStringList{"P_SEUIL_ISOLEMENT 0 (P_SEUIL_ISOLEMENT)"};
    QTest::newRow("comments, blank, indented and short lines")
        << true
        << QByteArray("# P_TEMP_MAX = 1\n\n   P_TEMP_MAX = 2\nP_TEMP_MAX 3\nP_TEMP_MAX\n"
                      "INCONNU = 4\nP_TEMP_MAX\t=\t44  extra fields\n")
        << QStringList{"PARAM 21 44 P_TEMP_MAX\r"} << QStringList{"P_TEMP_MAX 44 (P_TEMP_MAX)"};
    QTest::newRow("empty file") << false << QByteArray("") << QStringList() << QStringList();
    QTest::newRow("missing file") << true << QByteArray() << QStringList() << QStringList();
}

// Each matching line is one write, one EEPROM save and one confirmation, in file order.
void TestInstrument::patch()
{
    QFETCH(bool, direve);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, writes);
    QFETCH(QStringList, boxes);

    const QString own = QLatin1String(direve ? Qvx2::PatchDireveFile : Qvx2::PatchVoltaneFile);
    const QString other = QLatin1String(direve ? Qvx2::PatchVoltaneFile : Qvx2::PatchDireveFile);
    writeFile(other, "P_MODE_DEBUG = 1\n"); // must not be applied by this command
    if (!file.isNull())
        writeFile(own, file);

    TestUtil::BoxCollector collector;
    run(direve ? "on_actionPatch_DIREVE_triggered" : "on_actionPatch_court_circuit_triggered");

    QStringList expected{QLatin1String(Qvx2::CmdParamList)};
    for (const QString &w : writes)
        expected << w << QLatin1String(Qvx2::CmdEepromSave);
    QCOMPARE(sentLines(), expected);
    QCOMPARE(collector.texts, boxes);
    for (const QString &title : qAsConst(collector.titles))
        QCOMPARE(title, QStringLiteral("Enregistrement"));
    QCOMPARE(rig->sim.core().eepromSaveCount(), boxes.size());
    QCOMPARE(rig->sim.core().parameter(26).value, 0); // the decoy's P_MODE_DEBUG
}

void TestInstrument::samplePatches_data()
{
    QTest::addColumn<bool>("direve");
    QTest::newRow("VOLTANE") << false;
    QTest::newRow("DIREVE") << true;
}

// The shipped patch files sit beside the program and every line of theirs that is not a comment applies.
void TestInstrument::samplePatches()
{
    QFETCH(bool, direve);

    const QString name = QLatin1String(direve ? Qvx2::PatchDireveFile : Qvx2::PatchVoltaneFile);
    QFile source(QStringLiteral(QVX_SOURCE_DIR "/resources/patch/") + name);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray content = source.readAll();
    QFile beside(QStringLiteral(QVX_APP_DIR "/") + name);
    QVERIFY2(beside.open(QIODevice::ReadOnly), "the build copies the patch files beside the program");
    QCOMPARE(beside.readAll(), content);

    QStringList settings;
    for (const QByteArray &line : content.split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            settings << QString::fromLatin1(line.split(' ').first());
    QVERIFY(!settings.isEmpty());

    writeFile(name, content);
    TestUtil::BoxCollector boxes;
    run(direve ? "on_actionPatch_DIREVE_triggered" : "on_actionPatch_court_circuit_triggered");

    QCOMPARE(boxes.texts.size(), settings.size());
    for (int i = 0; i < settings.size(); ++i)
        QVERIFY2(boxes.texts.at(i).startsWith(settings.at(i) + QLatin1Char(' ')),
                 qPrintable(boxes.texts.at(i)));
    QCOMPARE(rig->sim.core().eepromSaveCount(), settings.size());
}

void TestInstrument::patchLargeOrBinary_data()
{
    QTest::addColumn<QByteArray>("content");

    // 10 MB of lines with three fields that name no parameter: every one of them is compared.
    const QByteArray line =
        "REMPLISSAGE = 0 ligne de commentaire sans aucun nom de parametre connu ..........\n";
    QByteArray large;
    large.reserve(10 * 1024 * 1024 + line.size());
    while (large.size() < 10 * 1024 * 1024)
        large += line;
    QTest::newRow("10 MB of text") << large;

    QByteArray binary(2 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(20417);
    for (char &c : binary)
        c = char(random.bounded(256));
    QTest::newRow("2 MB of random bytes") << binary;
    QTest::newRow("10 MB without a line end") << QByteArray(10 * 1024 * 1024, 'A');
}

// A file that is not a patch ends the run without a write, a box, a crash or a long wait.
void TestInstrument::patchLargeOrBinary()
{
    QFETCH(QByteArray, content);

    writeFile(QLatin1String(Qvx2::PatchVoltaneFile), content);
    TestUtil::BoxCollector boxes;
    QElapsedTimer t;
    t.start();
    run("on_actionPatch_court_circuit_triggered");
    qInfo() << "patch run took" << t.elapsed() << "ms";

    QVERIFY2(t.elapsed() < 180000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(sentLines(), QStringList{QLatin1String(Qvx2::CmdParamList)});
    QVERIFY(boxes.texts.isEmpty());
}

QTEST_MAIN(TestInstrument)
#include "tst_instrument.moc"
