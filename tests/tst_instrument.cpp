// Parameter commands, EEPROM save, record erase and patch files against the simulated instrument. The
// commands under every simulator fault are in tst_soak, the patch reader's line rules in fuzz_patch.

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

// While alive, hands each dialog that shows (message boxes aside) to act, once; none is closed without act.
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(QDialog *)> act)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this, act] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!d || qobject_cast<QMessageBox *>(d) || !d->isVisible() || d == m_last)
                return;
            m_last = d;
            if (act)
                act(d);
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
    QPointer<QDialog> m_last;
};

const QString query = QLatin1String(Qvx2::CmdParamList);
const QString eepromSave = QLatin1String(Qvx2::CmdEepromSave);
const QByteArray cutoffSlot = "on_actionTemps_de_Coupure_du_QVX2_triggered";
const QByteArray rangeSlot = "on_actionChoix_de_la_gamme_au_d_marrage_triggered";

} // namespace

class TestInstrument : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimRig> rig;

    // Runs the command, act answering its dialog; returns the message boxes shown, as "title: text".
    QStringList run(const QByteArray &slot, std::function<void(QDialog *)> act = nullptr);
    // Lines the window sent since the last call, each with its CR; the periodic ping is left out.
    QStringList sentLines();
    // Every parameter but `written` holds its value from before; `written` holds `value`, saved by the
    // EEPROM save when `saved`.
    void checkParameters(const QVector<qvx2sim::Parameter> &before, int written, int value, bool saved);
    void writeFile(const QString &name, const QByteArray &content);

private slots:
    // Waits of hundreds of cycles stay bounded in cycles; the simulator answers within milliseconds.
    void initTestCase() { MainWindow::setLinkCycleMs(1); }
    void init();
    void cleanup() { rig.reset(); }
    void erase_data();
    void erase();
    void parameterCommand_data();
    void parameterCommand();
    void battery_data();
    void battery();
    void patch_data();
    void patch();
};

QStringList TestInstrument::run(const QByteArray &slot, std::function<void(QDialog *)> act)
{
    DialogDriver driver(act);
    TestUtil::BoxCollector boxes;
    if (!QMetaObject::invokeMethod(rig->window.get(), slot.constData(), Qt::DirectConnection))
        return {"no slot " + QString::fromLatin1(slot)};
    rig->settle(200);
    QStringList shown;
    for (int i = 0; i < boxes.texts.size(); ++i)
        shown << boxes.titles.at(i) + ": " + boxes.texts.at(i);
    return shown;
}

QStringList TestInstrument::sentLines()
{
    QStringList lines = QString::fromLatin1(rig->takeReceived()).split('\r');
    const QString rest = lines.takeLast(); // after the last CR: empty unless a line was cut short
    for (QString &line : lines)
        line += '\r';
    lines.removeAll(QLatin1String(Qvx2::CmdPing));
    if (!rest.isEmpty())
        lines << rest;
    return lines;
}

void TestInstrument::checkParameters(const QVector<qvx2sim::Parameter> &before, int written, int value,
                                     bool saved)
{
    const auto &core = rig->sim.core();
    for (int n = 1; n < before.size(); ++n)
        QCOMPARE(core.parameter(n).value, n == written ? value : before.at(n).value);
    QCOMPARE(core.eepromSaveCount(), saved ? 1 : 0);
    if (saved)
        QCOMPARE(core.savedParameters().at(written).value, value);
}

void TestInstrument::writeFile(const QString &name, const QByteArray &content)
{
    QVERIFY(TestUtil::writeFile(rig->appDir() + QLatin1Char('/') + name, content));
}

void TestInstrument::init()
{
    rig = std::make_unique<SimRig>();
    QVERIFY(rig->start());
    QVERIFY(rig->window->isSerialConnected());
}

void TestInstrument::erase_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("erased");

    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
    QTest::newRow("Enter: the default, no") << 0 << false;
}

// The erase button of the record dialog asks first; only Yes reaches the instrument, and the window
// forgets its record either way.
void TestInstrument::erase()
{
    QFETCH(int, answer);
    QFETCH(bool, erased);

    // A document on screen that has been saved: both flags set.
    MainWindow *w = rig->window.get();
    rig->child<QLineEdit>("NameEdit")->setText("Dupont");
    rig->child<QLineEdit>("NamePosteEdit")->setText("Poste 12");
    rig->child<QLineEdit>("NumTranfoEdit")->setText("T42");
    const QString document = rig->appDir() + "/Data/essai.qv2";
    QVERIFY(w->saveResult(document));
    w->openDocument(document);
    TestUtil::answerNextFileDialog(rig->appDir() + "/Data/essai-2.qv2");
    QVERIFY(!w->save().isEmpty());
    QVERIFY(w->isDataPresent() && w->isDataSaved());
    rig->settle(200);
    sentLines();

    QString text;
    QString title;
    DialogDriver driver([&](QDialog *d) {
        if (answer)
            TestUtil::answerNextMessageBox(answer, &text, &title);
        else
            TestUtil::onNextModal([&](QWidget *box) {
                text = static_cast<QMessageBox *>(box)->text();
                title = box->windowTitle();
                QTest::keyClick(box, Qt::Key_Return);
            });
        d->findChild<QPushButton *>("pushButton_11")->click();
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
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("preset"); // the choice the dialog shows first; empty: no dialog
    QTest::addColumn<QString>("choice"); // empty: the dialog is left with Escape
    QTest::addColumn<QString>("fault");  // "echo +5", "write unanswered" or "query unanswered"
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("stored");

    const auto row = [](const char *name, const QByteArray &slot, int held, const char *preset,
                        const char *choice, const char *fault, const QStringList &sent,
                        const QStringList &boxes, int stored) {
        QTest::newRow(name) << slot << held << QString(preset) << QString(choice) << QString(fault) << sent
                            << boxes << stored;
    };
    const QString write = "PARAM 13 480 P_AL_FALIM_TEMPS\r";
    const QString cutoffSaved = "Enregistrement: Temps de coupure (en s) %1 (P_AL_FALIM_TEMPS)";
    row("cut-off 3 -> 8 minutes", cutoffSlot, 180, "M_br_cutoff_2", "M_br_cutoff_4", "",
        {query, write, eepromSave}, {cutoffSaved.arg(480)}, 480);
    row("range 10-19 kV -> last used", rangeSlot, 1, "M_br_gamme_2", "M_br_gamme_4", "",
        {query, "PARAM 14 3 P_DEMAR_GAMME\r", eepromSave},
        {"Enregistrement: Choix de la gamme au demarrage : 3 (P_DEMAR_GAMME)"}, 3);
    // The confirmation shows the value the instrument took, not the one sent.
    row("echo differs", cutoffSlot, 180, "M_br_cutoff_2", "M_br_cutoff_4", "echo +5",
        {query, write, eepromSave}, {cutoffSaved.arg(485)}, 480);
    row("cut-off cancelled", cutoffSlot, 600, "M_br_cutoff_3", "", "", {query}, {}, 600);
    row("range cancelled", rangeSlot, 7, "M_br_gamme_4", "", "", {query}, {}, 7);
    // A write the instrument takes but does not echo is neither confirmed nor saved.
    row("write unanswered", cutoffSlot, 180, "M_br_cutoff_2", "M_br_cutoff_4", "write unanswered",
        {query, write}, {}, 480);
    row("query unanswered", cutoffSlot, 180, "", "", "query unanswered", {query},
        {"P_AL_FALIM_TEMPS: interrogation impossible"}, 180);
}

// Query, preset from the instrument, write, echo, EEPROM save and the confirmation of the echoed value;
// a cancelled dialog or a silent instrument writes nothing more than it took, and saves nothing.
void TestInstrument::parameterCommand()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, held);
    QFETCH(QString, preset);
    QFETCH(QString, choice);
    QFETCH(QString, fault);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, boxes);
    QFETCH(int, stored);

    const int number = slot == cutoffSlot ? 13 : 14;
    rig->sim.core().setParameter(number, held);
    rig->sim.faults().echoOffset = fault == "echo +5" ? 5 : 0;
    rig->sim.faults().silent = fault == "query unanswered";
    const auto before = rig->sim.core().parameters();
    QString shown;
    const QStringList seen = run(slot, [&](QDialog *d) {
        for (const QRadioButton *b : d->findChildren<QRadioButton *>())
            if (b->isChecked())
                shown = b->objectName();
        rig->sim.faults().silent = fault == "write unanswered";
        if (choice.isEmpty()) {
            QTest::keyClick(d, Qt::Key_Escape);
            return;
        }
        d->findChild<QRadioButton *>(choice)->click();
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->text() == "Envoyer")
                b->click();
    });

    QCOMPARE(shown, preset);
    QCOMPARE(sentLines(), sent);
    QCOMPARE(seen, boxes);
    checkParameters(before, number, stored, sent.contains(eepromSave));
}

void TestInstrument::battery_data()
{
    QTest::addColumn<int>("seuilNumber"); // 0: the instrument has no threshold parameter
    QTest::addColumn<int>("entry");       // -1: the dialog is left with Escape
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("dry cell, usual number")
        << 15 << 0 << QStringList{query, "PARAM 15 7700 P_AL_FALIM_SEUIL\r", eepromSave}
        << QStringList{"Enregistrement: seuil de pile : 7700 (P_AL_FALIM_SEUIL)"};
    QTest::newRow("rechargeable, another number")
        << 22 << 1 << QStringList{query, "PARAM 22 7800 P_AL_FALIM_SEUIL\r", eepromSave}
        << QStringList{"Enregistrement: seuil de pile : 7800 (P_AL_FALIM_SEUIL)"};
    QTest::newRow("no threshold parameter")
        << 0 << 1 << QStringList{query}
        << QStringList{"Choix du type de batterie: L'appareil ne connait pas le parametre P_AL_FALIM_SEUIL : "
                       "le seuil de pile n'a pas ete modifie."};
    QTest::newRow("cancelled") << 15 << -1 << QStringList() << QStringList();
}

// The threshold goes to the number the instrument gives its P_AL_FALIM_SEUIL, never to the cut-off time.
void TestInstrument::battery()
{
    QFETCH(int, seuilNumber);
    QFETCH(int, entry);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, boxes);

    QVERIFY(rig->sim.core().setSeuilNumber(seuilNumber));
    const auto before = rig->sim.core().parameters();
    const QStringList seen = run("on_actionChoix_du_type_de_batterie_triggered", [entry](QDialog *d) {
        if (entry < 0) {
            QTest::keyClick(d, Qt::Key_Escape);
            return;
        }
        d->findChild<QComboBox *>("comboBox")->setCurrentIndex(entry);
        d->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });

    QCOMPARE(sentLines(), sent);
    QCOMPARE(seen, boxes);
    const bool written = sent.contains(eepromSave);
    checkParameters(before, written ? seuilNumber : 0, entry == 0 ? 7700 : 7800, written);
}

void TestInstrument::patch_data()
{
    QTest::addColumn<bool>("direve");     // which command runs; the other file holds a decoy
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("one name twice, in file order")
        << false << QByteArray("P_TEMP_MAX = 55\nP_TEMP_MAX = 65\n")
        << QStringList{"PARAM 21 55 P_TEMP_MAX\r", "PARAM 21 65 P_TEMP_MAX\r"};
    QTest::newRow("unknown name, letter case differs")
        << true << QByteArray("INCONNU = 4\np_temp_max = 55\nP_Temp_Max = 56\n") << QStringList();
    QTest::newRow("name number value, CR LF")
        << true << QByteArray("P_GAIN_HT 7 1010\r\nP_GAIN_BT 8 990\r\n")
        << QStringList{"PARAM 7 1010 P_GAIN_HT\r", "PARAM 8 990 P_GAIN_BT\r"};
    QTest::newRow("missing file") << true << QByteArray() << QStringList();

    // The files the build puts beside the program (comment-only templates) and beside the demo (values the
    // simulated instrument knows): every line not a comment applies.
    const QVector<qvx2sim::Parameter> reported = qvx2sim::InstrumentCore().parameters();
    for (const bool demo : {false, true})
        for (const bool direve : {false, true}) {
            const QString name = QLatin1String(direve ? Qvx2::PatchDireveFile : Qvx2::PatchVoltaneFile);
            QFile source(demo ? QVX_SOURCE_DIR "/demo/patch/" + name
                              : QVX_SOURCE_DIR "/resources/patch/" + name);
            QFile beside((demo ? QVX_DEMO_DIR "/" : QVX_APP_DIR "/") + name);
            QVERIFY(source.open(QIODevice::ReadOnly) && beside.open(QIODevice::ReadOnly));
            const QByteArray content = source.readAll();
            QCOMPARE(beside.readAll(), content);
            QStringList writes;
            for (const QByteArray &line : content.split('\n')) {
                if (line.trimmed().isEmpty() || line.startsWith('#'))
                    continue;
                const QStringList f =
                    QString::fromLatin1(line.simplified()).split(' '); // NAME = VALUE or NAME number VALUE
                int n = 1; // a name the instrument does not report gets a number past its table
                while (n < reported.size() && reported.at(n).name != f.at(0))
                    ++n;
                writes << QStringLiteral("PARAM %1 %2 %3\r").arg(QString::number(n), f.value(2), f.at(0));
            }
            QCOMPARE(writes.isEmpty(), !demo);
            QTest::addRow("%s %s", demo ? "demo" : "shipped", qPrintable(name))
                << direve << content << writes;
        }

    // Files that are not patches end without a write, a crash or a long wait. 10 MB of lines with three
    // fields that name no parameter: every one of them is compared.
    const QByteArray line =
        "REMPLISSAGE = 0 ligne de commentaire sans aucun nom de parametre connu ..........\n";
    QTest::newRow("10 MB of text") << false << line.repeated(10 * 1024 * 1024 / line.size() + 1)
                                   << QStringList();
    QByteArray binary(2 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(20417);
    for (char &c : binary)
        c = char(random.bounded(256));
    QTest::newRow("2 MB of random bytes") << false << binary << QStringList();
    QTest::newRow("10 MB without a line end") << false << QByteArray(10 * 1024 * 1024, 'A') << QStringList();
}

// Each parameter line whose name the instrument reported is one write, one EEPROM save and one
// confirmation, in file order.
void TestInstrument::patch()
{
    QFETCH(bool, direve);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, writes);

    const QString own = QLatin1String(direve ? Qvx2::PatchDireveFile : Qvx2::PatchVoltaneFile);
    const QString other = QLatin1String(direve ? Qvx2::PatchVoltaneFile : Qvx2::PatchDireveFile);
    writeFile(other, "P_MODE_DEBUG = 1\n"); // must not be applied by this command
    if (!file.isNull())
        writeFile(own, file);

    QElapsedTimer t;
    t.start();
    const QStringList boxes =
        run(direve ? "on_actionPatch_DIREVE_triggered" : "on_actionPatch_court_circuit_triggered");
    QVERIFY2(t.elapsed() < 180000, qPrintable(QString::number(t.elapsed())));

    QStringList sent{query};
    QStringList confirmations;
    for (const QString &w : writes) {
        sent << w << eepromSave;
        const QStringList f = w.trimmed().split(' '); // PARAM number value name
        confirmations << QStringLiteral("Enregistrement: %1 %2 (%1)").arg(f.at(3), f.at(2));
    }
    QCOMPARE(sentLines(), sent);
    // A run that writes nothing says so.
    if (confirmations.isEmpty())
        confirmations << boxes.value(0);
    QCOMPARE(boxes, confirmations);
    QVERIFY(!writes.isEmpty() || boxes.value(0).contains(QStringLiteral("rien n")));
    QCOMPARE(rig->sim.core().eepromSaveCount(), writes.size());
    QCOMPARE(rig->sim.core().parameter(26).value, 0); // the decoy's P_MODE_DEBUG
}

QTEST_MAIN(TestInstrument)
#include "tst_instrument.moc"
