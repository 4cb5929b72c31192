// Each user command end to end, through the window and its real dialogs, against the simulated instrument
// over a pseudo-terminal; and the commands that must not lose or misreport a measurement. Every simulator
// fault against every command is in tst_soak.

#include "dialogscript.h"
#include "faultnames.h"
#include "recup_info.h"
#include "simrig.h"
#include "testutil.h"
#include "xmlmesure.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>

namespace
{

using Act = std::function<void(QWidget *)>;

// Presses record button n (0: closes the dialog), noting the ten buttons' texts.
Act chooseRecord(int n, QStringList *texts = nullptr)
{
    return [n, texts](QWidget *dialog) {
        for (int i = 1; texts && i <= 10; ++i)
            *texts << dialog->findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(i))->text();
        if (n <= 0)
            static_cast<QDialog *>(dialog)->reject();
        else
            dialog->findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(n))->click();
    };
}

// Checks the window against the simulator's record of that age.
void checkRecord(SimRig &rig, int age)
{
    const qvx2sim::Record record = rig.sim.core().record(age);
    const Measurement &m = rig.window->currentMeasurement();
    for (int i = 0; i < 19; ++i)
        QVERIFY2(m.passed(i) == record.passed[size_t(i)], qPrintable(QString::number(i)));
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(m.curves[size_t(c)].size(), record.curves[size_t(c)].size());
        for (int i = 0; i < m.curves[size_t(c)].size(); ++i)
            QCOMPARE(m.curves[size_t(c)].at(i), QPointF(i, record.curves[size_t(c)].at(i)));
        QCOMPARE(int(rig.window->curve(c).dataSize()), m.curves[size_t(c)].size());
    }
    double sum = 0;
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(m.ratios[size_t(k)], QString::number(record.ratios[size_t(k)], 'f', 2));
        sum += QString::number(record.ratios[size_t(k)], 'f', 4).toDouble();
    }
    // The mean is taken of the ratios as sent, before rounding.
    QCOMPARE(m.ratios[3], QString::number(sum / 3.0, 'f', 2));
    QCOMPARE(m.gamme, QString::fromLatin1(qvx2sim::kRangeNames[record.rangeCode]));
    QCOMPARE(rig.child<QLineEdit>("leratio")->text(), m.ratios[3]);
}

// The window holding record `button` of the simulator, downloaded with no question, the form filled in (the
// operator's name left empty when `name` is).
bool downloaded(SimRig &rig, int button, const QString &name = QStringLiteral("N"))
{
    if (!rig.start())
        return false;
    TestUtil::DialogScript script;
    script.dialog(chooseRecord(button));
    rig.window->on_actionTelecharger_triggered();
    rig.child<QLineEdit>("NameEdit")->setText(name);
    rig.child<QLineEdit>("NamePosteEdit")->setText("P");
    rig.child<QLineEdit>("NumTranfoEdit")->setText("T");
    return script.seen == QStringList("recup_enreg") && rig.window->isDataPresent();
}

QString statusText(MainWindow *w)
{
    QStringList texts;
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>())
        texts << l->text();
    return texts.join('|');
}

const QString query = QLatin1String(Qvx2::CmdParamList);
const QString eepromSave = QLatin1String(Qvx2::CmdEepromSave);

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimRig> rig;
    // Lines the window sent since the last call, each with its CR; the periodic ping is left out.
    QStringList sentLines();

private slots:
    void init();
    void cleanup() { rig.reset(); }
    void download_data();
    void download();
    void instrumentSettings_data();
    void instrumentSettings();
    void patch_data();
    void patch();
    void infoAndCapture();
    void unsavedWork_data();
    void unsavedWork();
    void wrongReports_data();
    void wrongReports();
    void firmware_data();
    void firmware();
};

QStringList TestCommands::sentLines()
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

void TestCommands::init()
{
    MainWindow::setLinkCycleMs(Qvx2::LinkCycleMs);
    rig = std::make_unique<SimRig>();
}

// The record dialog names each record by its slot in the instrument's ring of ten; the chosen one is fetched
// by its age and fills the window. A record that never ends is told, and is not taken as a measurement.
void TestCommands::download_data()
{
    QTest::addColumn<int>("current"); // the instrument's record number
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("ringSlots"); // of the ten buttons
    QTest::addColumn<bool>("complete");
    QTest::newRow("newest, at 23") << 23 << "" << 1 << "3 2 1 10 9 8 7 6 5 4" << true;
    QTest::newRow("oldest, at 10") << 10 << "" << 10 << "10 9 8 7 6 5 4 3 2 1" << true;
    QTest::newRow("dialog closed") << 0 << "" << 0 << "10 9 8 7 6 5 4 3 2 1" << false;
    QTest::newRow("port lost half way") << 23 << "die-after=60" << 2 << "3 2 1 10 9 8 7 6 5 4" << false;
    // The first line still reads: a LF only spoils the line after it.
    QTest::newRow("CR LF lines") << 23 << "crlf" << 2 << "3 2 1 10 9 8 7 6 5 4" << false;
}

void TestCommands::download()
{
    QFETCH(int, current);
    QFETCH(QString, fault);
    QFETCH(int, button);
    QFETCH(QString, ringSlots);
    QFETCH(bool, complete);
    QVERIFY(rig->start());
    rig->sim.core().setRecordNumber(current);
    qvx2sim::applyFault(rig->sim.faults(), fault);
    auto *comment = rig->child<QPlainTextEdit>("CommentText");
    comment->setPlainText("avant");
    rig->window->setWindowTitleFile("ancien.qv2");
    if (fault == "crlf")
        MainWindow::setLinkCycleMs(1);

    QStringList texts;
    TestUtil::DialogScript script;
    script.dialog(chooseRecord(button, &texts));
    if (button && !complete)
        script.box(QMessageBox::Ok);
    rig->window->lancedownload();
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));

    QStringList shown;
    for (const QString &t : texts)
        shown << t.section('(', 1).section('/', 0, 0);
    QCOMPARE(shown.join(' '), ringSlots);
    QVERIFY(texts.first().startsWith("Dernier\nenregistrement\r\n("));
    QCOMPARE(sentLines().mid(1).join(QString()),
             button ? QStringLiteral("TEST1 06 %1 \r").arg(button) : QString());
    QCOMPARE(rig->window->isDataPresent(), complete);
    QCOMPARE(rig->child<QAction>("actionImprimer")->isEnabled(), complete);
    if (button && !complete)
        QCOMPARE(script.seen.last(), QString("Erreur: L'appareil ne reponds pas. Verifier la liaison."));
    if (!complete)
        return;
    checkRecord(*rig, button);
    QCOMPARE(comment->toPlainText(), QString("---\navant"));
    QCOMPARE(rig->window->windowTitle(), QString("QUARVEN2 D504"));
    QVERIFY(rig->child<QAction>("actionEnregistrer")->isEnabled());
    QVERIFY(rig->window->hasUnsavedData());
    // The debug pane and the measurement's capture hold the record's lines, the last one extended.
    QStringList expected;
    for (QByteArray line : rig->sim.core().recordLines(button))
        expected << QString::fromLatin1(line.endsWith('\r') ? line.chopped(1) : line);
    const QString last = expected.takeLast();
    expected << last << last.split(' ').value(4) << "fin de fichier";
    QCOMPARE(rig->window->debugWindow()->texte(), expected.join('\n'));
    QCOMPARE(rig->window->currentMeasurement().capture, expected.join('\n'));
}

// Parameters: query, preset from the instrument, write, echo, EEPROM save and the confirmation of the echoed
// value; a cancelled dialog or a silent instrument writes nothing more than it took, and saves nothing. The
// battery threshold goes to the number the instrument gives its P_AL_FALIM_SEUIL. The erase asks first,
// with No as its default.
void TestCommands::instrumentSettings_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("choice"); // radio button or battery entry; empty: Escape
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("written"); // parameter number, value afterwards
    QTest::addColumn<int>("value");
    const QString cutoff = "PARAM 13 480 P_AL_FALIM_TEMPS\r";
    const QString cutoffSaved = "Enregistrement: Temps de coupure (en s) %1 (P_AL_FALIM_TEMPS)";
    QTest::newRow("cut-off 4 -> 8 minutes")
        << "cutoff" << QStringList() << "M_br_cutoff_4" << QStringList{query, cutoff, eepromSave}
        << QStringList{cutoffSaved.arg(480)} << 13 << 480;
    QTest::newRow("echo differs") << "cutoff" << QStringList{"echo-offset=5"} << "M_br_cutoff_4"
                                  << QStringList{query, cutoff, eepromSave}
                                  << QStringList{cutoffSaved.arg(485)} << 13 << 480;
    QTest::newRow("range -> last used") << "range" << QStringList() << "M_br_gamme_4"
                                        << QStringList{query, "PARAM 14 3 P_DEMAR_GAMME\r", eepromSave}
                                        << QStringList{"Enregistrement: Choix de la gamme au demarrage : 3 "
                                                       "(P_DEMAR_GAMME)"}
                                        << 14 << 3;
    QTest::newRow("range cancelled") << "range" << QStringList() << "" << QStringList{query} << QStringList()
                                     << 14 << 3;
    QTest::newRow("query unanswered")
        << "cutoff" << QStringList{"silent"} << "M_br_cutoff_4" << QStringList{query}
        << QStringList{"P_AL_FALIM_TEMPS: interrogation impossible"} << 13 << 240;
    QTest::newRow("dry cell, threshold number 15")
        << "battery" << QStringList() << "0"
        << QStringList{query, "PARAM 15 7700 P_AL_FALIM_SEUIL\r", eepromSave}
        << QStringList{"Enregistrement: seuil de pile : 7700 (P_AL_FALIM_SEUIL)"} << 15 << 7700;
    QTest::newRow("rechargeable, threshold number 22")
        << "battery 22" << QStringList() << "1"
        << QStringList{query, "PARAM 22 7800 P_AL_FALIM_SEUIL\r", eepromSave}
        << QStringList{"Enregistrement: seuil de pile : 7800 (P_AL_FALIM_SEUIL)"} << 22 << 7800;
    QTest::newRow("no threshold parameter")
        << "battery 0" << QStringList() << "1" << QStringList{query}
        << QStringList{"Choix du type de batterie: L'appareil ne connait pas le parametre P_AL_FALIM_SEUIL : "
                       "le seuil de pile n'a pas ete modifie."}
        << 13 << 240;
    QTest::newRow("battery cancelled")
        << "battery" << QStringList() << "" << QStringList() << QStringList() << 15 << 7700;
    const QString erase =
        "Effacement des enregistrements: Etes vous sur de supprimer tous les enregistrements "
        "du QUARVEN2 ?";
    QTest::newRow("erase, Yes") << "erase" << QStringList() << "Yes"
                                << QStringList{"INFO 00 \r", "RESET 03\r"} << QStringList{erase} << 0 << 1;
    QTest::newRow("erase, No") << "erase" << QStringList() << "No" << QStringList{"INFO 00 \r"}
                               << QStringList{erase} << 0 << 0;
    QTest::newRow("erase, Enter") << "erase" << QStringList() << "" << QStringList{"INFO 00 \r"}
                                  << QStringList{erase} << 0 << 0;
}

void TestCommands::instrumentSettings()
{
    QFETCH(QString, command);
    QFETCH(QStringList, faults);
    QFETCH(QString, choice);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, boxes);
    QFETCH(int, written);
    QFETCH(int, value);
    MainWindow::setLinkCycleMs(1);
    QVERIFY(rig->start());
    if (command.startsWith("battery "))
        QVERIFY(rig->sim.core().setSeuilNumber(command.section(' ', 1).toInt()));
    for (const QString &f : faults)
        qvx2sim::applyFault(rig->sim.faults(), f);
    MainWindow *w = rig->window.get();
    const auto before = rig->sim.core().parameters();

    TestUtil::DialogScript script(true);
    if (command == "erase") {
        script.dialog([](QWidget *d) { d->findChild<QPushButton *>("pushButton_11")->click(); });
        script.box(choice.isEmpty() ? 0 : choice == "Yes" ? QMessageBox::Yes : QMessageBox::No);
    } else if (!command.startsWith("cutoff") || !faults.contains("silent")) {
        script.dialog([choice, command](QWidget *d) {
            if (choice.isEmpty()) {
                QTest::keyClick(d, Qt::Key_Escape);
            } else if (command.startsWith("battery")) {
                d->findChild<QComboBox *>("comboBox")->setCurrentIndex(choice.toInt());
                d->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            } else {
                // Preset from the instrument's value (240 s: 4 minutes; range 3: the last one used).
                const char *preset = command == "cutoff" ? "M_br_cutoff_3" : "M_br_gamme_4";
                QVERIFY(d->findChild<QRadioButton *>(preset)->isChecked());
                d->findChild<QRadioButton *>(choice)->click();
                d->findChild<QPushButton *>(command == "cutoff" ? "M_pb_cutoff" : "M_pb_gamme")->click();
            }
        });
    }
    if (command == "cutoff")
        w->on_actionTemps_de_Coupure_du_QVX2_triggered();
    else if (command == "range")
        w->on_actionChoix_de_la_gamme_au_d_marrage_triggered();
    else if (command == "erase")
        w->lancedownload();
    else
        w->on_actionChoix_du_type_de_batterie_triggered();
    rig->settle(200);
    QCOMPARE(script.seen.filter("unexpected"), QStringList());
    QCOMPARE(sentLines(), sent);
    QStringList shown = script.boxes();
    if (command == "erase")
        shown = script.seen.filter("Effacement");
    QCOMPARE(shown, boxes);
    const auto &core = rig->sim.core();
    if (command == "erase") {
        QCOMPARE(core.erased(), value == 1);
        QVERIFY(!w->isDataPresent());
        return;
    }
    for (int n = 1; n < before.size(); ++n)
        QCOMPARE(core.parameter(n).value, n == written ? value : before.at(n).value);
    QCOMPARE(core.eepromSaveCount(), sent.contains(eepromSave) ? 1 : 0);
}

// Each line whose name the instrument reported is one write, one EEPROM save and one confirmation, in file
// order; a run that writes nothing says so.
void TestCommands::patch_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all; "app"/"demo": the file the build lays out
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("nothing"); // the box of a run that wrote nothing
    QTest::newRow("one name twice, in file order")
        << QByteArray("P_TEMP_MAX = 55\nP_TEMP_MAX = 65\n")
        << QStringList{"PARAM 21 55 P_TEMP_MAX\r", "PARAM 21 65 P_TEMP_MAX\r"} << "";
    QTest::newRow("unknown name, letter case differs")
        << QByteArray("INCONNU = 4\np_temp_max = 55\n") << QStringList() << "ne nomme aucun parametre";
    QTest::newRow("missing file") << QByteArray() << QStringList() << "n'a pas pu etre lu";
    QTest::newRow("the program's template")
        << QByteArray("app") << QStringList() << "ne nomme aucun parametre";
    QTest::newRow("the demo's file") << QByteArray("demo")
                                     << QStringList{"PARAM 11 80 P_SEUIL_CONTINUITE\r",
                                                    "PARAM 18 800 P_TEMPO_MESURE\r",
                                                    "PARAM 19 8 P_TOLERANCE_RAPPORT\r"}
                                     << "";
    const QByteArray line =
        "REMPLISSAGE = 0 ligne de commentaire sans aucun nom de parametre connu ...........\n";
    QTest::newRow("10 MB of text") << line.repeated(10 * 1024 * 1024 / line.size() + 1) << QStringList()
                                   << "ne nomme aucun parametre";
}

void TestCommands::patch()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, writes);
    QFETCH(QString, nothing);
    MainWindow::setLinkCycleMs(1);
    QVERIFY(rig->start());
    const QString name = QLatin1String(Qvx2::PatchVoltaneFile);
    QVERIFY(
        TestUtil::writeFile(rig->appDir() + "/" + Qvx2::PatchDireveFile, "P_MODE_DEBUG = 1\n")); // a decoy
    if (file == "app" || file == "demo")
        QVERIFY(QFile::copy((file == "app" ? QVX_APP_DIR "/" : QVX_DEMO_DIR "/") + name,
                            rig->appDir() + "/" + name));
    else if (!file.isNull())
        QVERIFY(TestUtil::writeFile(rig->appDir() + "/" + name, file));
    TestUtil::DialogScript script(true);
    rig->window->on_actionPatch_court_circuit_triggered();
    rig->settle(200);

    QStringList sent{query};
    QStringList confirmations;
    for (const QString &w : writes) {
        sent << w << eepromSave;
        const QStringList f = w.trimmed().split(' '); // PARAM number value name
        confirmations << QStringLiteral("Enregistrement: %1 %2 (%1)").arg(f.at(3), f.at(2));
    }
    QCOMPARE(sentLines(), sent);
    if (nothing.isEmpty())
        QCOMPARE(script.boxes(), confirmations);
    else
        QVERIFY2(script.boxes().size() == 1 && script.boxes().first().startsWith("Patch: ") &&
                     script.boxes().first().contains(nothing),
                 qPrintable(script.boxes().join('|')));
    QCOMPARE(rig->sim.core().eepromSaveCount(), writes.size());
    QCOMPARE(rig->sim.core().parameter(26).value, 0); // the decoy's P_MODE_DEBUG
}

// The information lines go to the debug window; a capture saved from it and replayed redraws the record.
void TestCommands::infoAndCapture()
{
    QVERIFY(downloaded(*rig, 3));
    MainWindow *w = rig->window.get();
    const Measurement record = w->currentMeasurement();
    rig->takeReceived();
    w->on_actionInfo_UC_triggered();
    QCOMPARE(sentLines().join(QString()), QString("INFO 01\r"));
    QVERIFY(w->debugWindow()->isVisible());
    QVERIFY(w->debugWindow()->texte().startsWith("IDENT") && w->debugWindow()->texte().contains("GAMME"));
    QCOMPARE(w->currentMeasurement(), record);

    // Saved while showing the record's capture, then replayed over another record.
    w->showMeasurement(record);
    const QString path = rig->appDir() + "/Data/capture.txt";
    {
        TestUtil::DialogScript script;
        script.file(path);
        QMetaObject::invokeMethod(w->debugWindow(), "on_pushButton_clicked");
        QTRY_VERIFY(script.done());
    }
    const QByteArray bytes = TestUtil::readFile(path);
    QCOMPARE(bytes, path.toLocal8Bit() + '\r' + record.capture.toLocal8Bit());
    QVERIFY(bytes.contains('\n') && !bytes.contains("\r\n") && !bytes.endsWith('\n'));
    {
        TestUtil::DialogScript script;
        script.box(QMessageBox::No).dialog(chooseRecord(5));
        w->on_actionTelecharger_triggered();
    }
    rig->child<QAction>("actionImprimer")->setEnabled(false);
    TestUtil::DialogScript script;
    script.file(path).box(QMessageBox::No); // the unsaved record 5 is let go
    w->on_actionOuvrir_fichier_debug_triggered();
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));
    Measurement replayed = w->currentMeasurement();
    QCOMPARE(replayed.verdicts, record.verdicts);
    QCOMPARE(replayed.curves, record.curves);
    QCOMPARE(replayed.ratios, record.ratios);
    QCOMPARE(replayed.gamme, record.gamme);
    QVERIFY(rig->child<QAction>("actionImprimer")->isEnabled());
    // The capture's first line, its own path, is no instrument line: it is not captured again.
    QCOMPARE(replayed.capture, record.capture);
}

// Every command that replaces or drops the measurement asks first when it was downloaded and not saved:
// Yes saves (and a save that cannot be done stops the command), No discards, Cancel goes back.
void TestCommands::unsavedWork_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");  // to the question; 0: Yes with the operator's name empty
    QTest::addColumn<bool>("goesOn"); // the command then runs
    for (const char *command : {"download", "open", "replay", "quit", "close"}) {
        QTest::addRow("%s, Yes", command) << command << int(QMessageBox::Yes) << true;
        QTest::addRow("%s, No", command) << command << int(QMessageBox::No) << true;
        QTest::addRow("%s, Cancel", command) << command << int(QMessageBox::Cancel) << false;
        QTest::addRow("%s, Yes with a field empty", command) << command << 0 << false;
    }
}

void TestCommands::unsavedWork()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QVERIFY(downloaded(*rig, 1, answer ? "N" : ""));
    MainWindow *win = rig->window.get();
    const QString dataDir = rig->appDir() + "/Data/";
    const Measurement before = win->currentMeasurement();
    const QString title = win->windowTitle();

    // Another document and a capture of another record, for open and replay.
    Measurement other = before;
    other.poste = "Autre poste";
    QVERIFY(XmlMesure::save(other, dataDir + "other.qv2"));
    QVERIFY(TestUtil::writeFile(dataDir + "capture.txt", "GAMME 7-77kV x\nRecup_courbe fin a b 9 \n"));

    TestUtil::DialogScript script;
    if (command == "open")
        script.file(dataDir + "other.qv2");
    else if (command == "replay")
        script.file(dataDir + "capture.txt");
    script.box(answer ? answer : int(QMessageBox::Yes));
    if (answer == QMessageBox::Yes)
        script.file(dataDir + "kept.qv2");
    else if (answer == 0)
        script.box(QMessageBox::Ok); // the fields the save needs
    if (goesOn && command == "download")
        script.dialog(chooseRecord(1));
    rig->takeReceived();

    bool wentOn = false;
    if (command == "download") {
        win->on_actionTelecharger_triggered();
        wentOn = rig->takeReceived().contains("TEST1 06 1");
    } else if (command == "open") {
        win->on_actionOuvrir_triggered();
        wentOn = win->windowTitle().endsWith("other.qv2");
    } else if (command == "replay") {
        win->on_actionOuvrir_fichier_debug_triggered();
        wentOn = win->currentMeasurement().gamme == "7-77kV";
    } else if (command == "quit") {
        QTimer::singleShot(0, win, &MainWindow::on_actionQuitter_triggered);
        QTimer stay; // a quit that does not happen
        stay.setSingleShot(true);
        connect(&stay, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stay.start(3000);
        wentOn = QCoreApplication::exec() == 0;
    } else {
        wentOn = win->close();
    }
    QVERIFY2(script.done(), qPrintable(script.seen.join(" | ")));
    QCOMPARE(script.seen.filter("unexpected"), QStringList());
    QCOMPARE(script.seen.filter("Les donnees n'ont pas ete enregistrees").size(), 1);
    QCOMPARE(wentOn, goesOn);
    if (!goesOn) {
        QCOMPARE(win->currentMeasurement(), before);
        QCOMPARE(win->windowTitle(), title);
    }
    if (answer == 0)
        QVERIFY2(script.seen.last().contains("Champs vides : Nom du releveur"),
                 qPrintable(script.seen.last()));
    // What Yes saved is the measurement that was on screen.
    Measurement saved;
    QCOMPARE(XmlMesure::load(dataDir + "kept.qv2", &saved), answer == QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        QCOMPARE(saved, before);
}

// A command that reports on the instrument, or a file that is no measurement document, leaves the
// measurement as it was: saved again it gives the same bytes and the same verdicts.
void TestCommands::wrongReports_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("file"); // opened, when not empty
    QTest::addColumn<bool>("opens");
    const QByteArray document = TestUtil::readFile(QVX_SOURCE_DIR "/tests/data/xml/expected_document.qv2");
    QTest::newRow("Info UC after a download") << "info" << QByteArray() << false;
    QTest::newRow("renamed PDF") << "open" << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n") << false;
    QTest::newRow("truncated XML") << "open" << document.left(document.size() / 2) << false;
    QTest::newRow("another root element")
        << "open" << QByteArray("<?xml version='1.0'?>\n<QuardaneConf><info/></QuardaneConf>\n") << false;
    QTest::newRow("a document lacking sections")
        << "open" << QByteArray("<?xml version='1.0'?>\n<OrvaQuardane><info/></OrvaQuardane>\n") << true;
}

void TestCommands::wrongReports()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, file);
    QFETCH(bool, opens);
    QVERIFY(downloaded(*rig, 2));
    MainWindow *win = rig->window.get();
    const QString dataDir = rig->appDir() + "/Data/";
    QVERIFY(win->saveResult(dataDir + "before.qv2"));
    const QString title = win->windowTitle();

    TestUtil::DialogScript script;
    const QString damaged = dataDir + "damaged.qv2";
    if (action == "info") {
        win->on_actionInfo_UC_triggered();
        QVERIFY(win->debugWindow()->texte().contains("IDENT"));
    } else {
        QVERIFY(TestUtil::writeFile(damaged, file));
        script.box(opens ? QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(win->openDocument(damaged), opens);
        QCOMPARE(TestUtil::readFile(damaged), file);
    }
    QVERIFY2(script.done(), qPrintable(script.seen.join(" | ")));
    if (opens) {
        QVERIFY(win->windowTitle().endsWith("damaged.qv2"));
        return;
    }
    if (action == "open")
        QVERIFY2(script.seen.first().contains(QDir::toNativeSeparators(damaged)),
                 qPrintable(script.seen.first()));
    QCOMPARE(win->windowTitle(), title);
    QVERIFY(rig->child<QAction>("actionEnregistrer")->isEnabled());
    QVERIFY(win->saveResult(dataDir + "after.qv2"));
    QCOMPARE(TestUtil::readFile(dataDir + "after.qv2"), TestUtil::readFile(dataDir + "before.qv2"));
    Measurement reopened;
    QVERIFY(XmlMesure::load(dataDir + "after.qv2", &reopened));
    for (int i = 0; i < Qvx2::TestCount; ++i)
        QCOMPARE(reopened.passed(i), rig->sim.core().record(2).passed[size_t(i)]);
}

// The firmware update from the menu: the image is flashed only after the user has seen its name and size
// and said Yes; a progress window keeps the main window blocked, page by page; the outcome is told; the link
// has the port again afterwards. An image that cannot be flashed is refused before anything is sent.
void TestCommands::firmware_data()
{
    QTest::addColumn<int>("size");     // -1: a file that exists but cannot be read; -2: no file chosen
    QTest::addColumn<int>("answer");   // to the confirmation
    QTest::addColumn<QString>("told"); // the outcome's box, empty: none
    QTest::newRow("three pages") << 1300 << int(QMessageBox::Yes)
                                 << "Mise a jour firmware: Mise a jour reussie.";
    QTest::newRow("confirmation's default, No") << 1300 << -1 << "";
    QTest::newRow("chooser cancelled") << -2 << int(QMessageBox::Yes) << "";
    QTest::newRow("empty") << 0 << int(QMessageBox::Yes) << "ATmega File - Attention: Le fichier";
    QTest::newRow("too long") << 262144 << int(QMessageBox::Yes) << "ATmega File - Attention: Le fichier";
    QTest::newRow("unreadable") << -1 << int(QMessageBox::Yes)
                                << "ATmega File - Attention: Impossible de lire";
    QTest::newRow("link lost mid-run")
        << 2000 << int(QMessageBox::Yes) << "Mise a jour firmware: La liaison avec l'appareil a ete perdue";
}

void TestCommands::firmware()
{
    QFETCH(int, size);
    QFETCH(int, answer);
    QFETCH(QString, told);
    QVERIFY(rig->start());
    MainWindow *w = rig->window.get();
    const QString file = rig->appDir() + "/Maj/image.bin";
    QVERIFY(QDir().mkpath(rig->appDir() + "/Maj"));
    const QByteArray image = TestUtil::firmwareImage(qMax(size, 0));
    if (size >= 0)
        QVERIFY(TestUtil::writeFile(file, image));
    if (size == -1) {
        // A kernel file that no one may read, whatever the permissions of this user.
        QVERIFY(QFile::link("/proc/sys/vm/drop_caches", file));
        if (QFile(file).open(QIODevice::ReadOnly))
            QSKIP("no unreadable file on this machine");
    }
    // What the user sees while the instrument takes each command: the progress window, modal, by page.
    QStringList progress;
    connect(&rig->sim, &qvx2sim::PtyInstrument::commandReceived, this, [&](const QByteArray &line) {
        auto *p = w->findChild<QProgressDialog *>();
        if (line.startsWith("ORVABOOTF") || line.startsWith("ZAZU"))
            progress << (p && p->isVisible() && QApplication::activeModalWidget() == p
                             ? p->labelText().section('\n', 1)
                             : "none");
        if (size == 2000 && line.startsWith("ORVABOOTF") && progress.size() == 2)
            QTimer::singleShot(0, &rig->sim, &qvx2sim::PtyInstrument::unplug);
    });
    rig->takeReceived();
    TestUtil::DialogScript script(true);
    script.file(size == -2 ? QString() : file);
    if (size != -2)
        script.answer("Mettre a jour le firmware", answer);
    w->on_actionMise_jour_firmware_triggered();
    rig->settle();

    QStringList boxes = script.boxes();
    QCOMPARE(script.seen.filter("unexpected"), QStringList());
    // An image that can be flashed is asked about, its name and size shown, before anything is sent.
    const bool flashable = size == 1300 || size == 2000;
    if (flashable) {
        const QString question = boxes.value(0);
        QVERIFY2(question.contains(QDir::toNativeSeparators(file)) &&
                     question.contains(QString::number(size)),
                 qPrintable(question));
        boxes.removeFirst();
    }
    QCOMPARE(boxes.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QVERIFY2(boxes.last().startsWith(told), qPrintable(boxes.last()));
    const QString trace = TestUtil::commandTrace(rig->sim.receivedLines());
    if (told.endsWith("reussie.")) {
        QCOMPARE(trace, QString("TEST 05 R P0 F W P1 F W P2 F W Q"));
        QCOMPARE(rig->sim.core().flashPages(), TestUtil::flashedPages(image));
        QCOMPARE(progress, (QStringList{"Page 1 / 3", "Page 2 / 3", "Page 3 / 3", "Page 3 / 3"}));
        // Afterwards the link has the port again.
        rig->takeReceived();
        w->slotPingQV2();
        rig->settle();
        QCOMPARE(rig->takeReceived(), QByteArray("INFO 04\r"));
    } else if (size == 2000) {
        QVERIFY(!trace.contains("Q"));
        QVERIFY(!w->serialPort()->isOpen() && !w->isSerialConnected());
        QVERIFY(statusText(w).contains("Deconnecte"));
    } else {
        QCOMPARE(trace, QString("TEST 05"));
    }
    QVERIFY(!w->isUpdateInProgress());
    QVERIFY(w->findChildren<QProgressDialog *>().isEmpty());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
