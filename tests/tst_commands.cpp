// Each user command end to end, through the window and its real dialogs, against the simulated instrument
// over a pseudo-terminal, and the commands that must not lose or misreport a measurement. Every simulator
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
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace
{

// Presses record button n (0: closes the dialog), noting the buttons' texts.
std::function<void(QWidget *)> chooseRecord(int n, QStringList *texts = nullptr)
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

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimRig> rig;
    MainWindow *w = nullptr;
    // Lines the window sent since the last call; the periodic ping left out.
    QStringList sent()
    {
        QStringList lines = QString::fromLatin1(rig->takeReceived()).split('\r', Qt::SkipEmptyParts);
        lines.removeAll("INFO 04");
        return lines;
    }
    // The window holding record `button`, downloaded with no question, the form filled in (the operator's
    // name as given).
    void download(int button, const QString &name = QStringLiteral("N"))
    {
        TestUtil::DialogScript script;
        script.dialog(chooseRecord(button));
        w->on_actionTelecharger_triggered();
        rig->child<QLineEdit>("NameEdit")->setText(name);
        rig->child<QLineEdit>("NamePosteEdit")->setText("P");
        rig->child<QLineEdit>("NumTranfoEdit")->setText("T");
        QVERIFY(script.seen == QStringList("recup_enreg") && w->isDataPresent());
        rig->takeReceived();
    }

private slots:
    void init()
    {
        MainWindow::setLinkCycleMs(Qvx2::LinkCycleMs);
        rig = std::make_unique<SimRig>();
        QVERIFY(rig->start());
        w = rig->window.get();
    }
    void cleanup() { rig.reset(); }
    void records_data();
    void records();
    void settings_data();
    void settings();
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

// The record dialog names each record by its slot in the instrument's ring of ten; the chosen one is fetched
// by its age and fills the window as the instrument holds it; a record that never ends is told, and is not
// taken as a measurement.
void TestCommands::records_data()
{
    QTest::addColumn<int>("current"); // the instrument's record number
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("ringSlots"); // of the ten buttons
    QTest::newRow("newest, at 23") << 23 << "" << 1 << "3 2 1 10 9 8 7 6 5 4";
    QTest::newRow("oldest, at 10") << 10 << "" << 10 << "10 9 8 7 6 5 4 3 2 1";
    QTest::newRow("dialog closed") << 0 << "" << 0 << "10 9 8 7 6 5 4 3 2 1";
    QTest::newRow("port lost half way") << 23 << "die-after=60" << 2 << "3 2 1 10 9 8 7 6 5 4";
    // The first line still reads: a LF only spoils the line after it.
    QTest::newRow("CR LF lines") << 23 << "crlf" << 2 << "3 2 1 10 9 8 7 6 5 4";
}

void TestCommands::records()
{
    QFETCH(int, current);
    QFETCH(QString, fault);
    QFETCH(int, button);
    QFETCH(QString, ringSlots);
    rig->sim.core().setRecordNumber(current);
    qvx2sim::applyFault(rig->sim.faults(), fault);
    MainWindow::setLinkCycleMs(fault == "crlf" ? 1 : Qvx2::LinkCycleMs);
    rig->child<QPlainTextEdit>("CommentText")->setPlainText("avant");
    w->setWindowTitleFile("ancien.qv2");
    QStringList texts;
    TestUtil::DialogScript script(true);
    script.dialog(chooseRecord(button, &texts));
    w->lancedownload();
    QStringList shown;
    for (const QString &t : texts)
        shown << t.section('(', 1).section('/', 0, 0);
    QCOMPARE(shown.join(' '), ringSlots);
    QCOMPARE(sent().mid(1), button ? QStringList(QStringLiteral("TEST1 06 %1 ").arg(button)) : QStringList());
    const bool complete = fault.isEmpty() && button;
    QCOMPARE(w->isDataPresent() && rig->child<QAction>("actionImprimer")->isEnabled(), complete);
    QCOMPARE(script.boxes(), button && !complete
                                 ? QStringList("Erreur: L'appareil ne reponds pas. Verifier la liaison.")
                                 : QStringList());
    if (!complete)
        return;
    const Measurement &m = w->currentMeasurement();
    const qvx2sim::Record record = rig->sim.core().record(button);
    double sum = 0;
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(m.ratios[size_t(k)], QString::number(record.ratios[size_t(k)], 'f', 2));
        sum += QString::number(record.ratios[size_t(k)], 'f', 4).toDouble(); // the mean of the ratios as sent
    }
    QCOMPARE(m.ratios[3], QString::number(sum / 3.0, 'f', 2));
    for (int i = 0; i < 19; ++i)
        QCOMPARE(m.passed(i), record.passed[size_t(i)]);
    for (int c = 0; c < 6; ++c)
        for (int i = 0; i < record.curves[size_t(c)].size(); ++i)
            QCOMPARE(m.curves[size_t(c)].value(i), QPointF(i, record.curves[size_t(c)].at(i)));
    QCOMPARE(m.gamme, QString::fromLatin1(qvx2sim::kRangeNames[record.rangeCode]));
    QCOMPARE(m.comment + '|' + w->windowTitle(), QString("---\navant|QUARVEN2 D504"));
    QVERIFY(rig->child<QAction>("actionEnregistrer")->isEnabled() && w->hasUnsavedData());
    // The debug pane and the measurement's capture hold the record's lines, the last one extended.
    QByteArrayList lines = rig->sim.core().recordLines(button);
    const QByteArray last = lines.takeLast().chopped(1);
    lines << last << last.split(' ').value(4) << "fin de fichier";
    const QString capture = QString::fromLatin1(lines.join('\n').replace("\r\n", "\n"));
    QCOMPARE(w->debugWindow()->texte(), capture);
    QCOMPARE(m.capture, capture);
}

// Parameters: query, preset from the instrument, write, echo, EEPROM save, the confirmation of the echoed
// value; a cancelled dialog or a silent instrument writes nothing and saves nothing. The battery threshold
// goes to the number the instrument gives its P_AL_FALIM_SEUIL. The erase asks first, No its default.
void TestCommands::settings_data()
{
    QTest::addColumn<QString>("command"); // "battery N": with the threshold under number N
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("choice");   // radio button or battery entry; empty: Escape (erase: Enter)
    QTest::addColumn<QString>("exchange"); // lines sent, then "|" and the boxes shown
    QTest::addColumn<QString>("result");   // "number=value" afterwards; erase: "erased" or ""
    const QString cutoff =
        "PARAM 00;PARAM 13 480 P_AL_FALIM_TEMPS;EEPROM 01|Enregistrement: Temps de coupure (en s) %1 "
        "(P_AL_FALIM_TEMPS)";
    const auto row = [](const char *name, const char *command, const char *fault, const char *choice,
                        const QString &exchange, const char *result) {
        QTest::newRow(name) << command << fault << choice << exchange << result;
    };
    row("cut-off 4 -> 8 minutes", "cutoff", "", "M_br_cutoff_4", cutoff.arg(480), "13=480");
    row("echo differs", "cutoff", "echo-offset=5", "M_br_cutoff_4", cutoff.arg(485), "13=480");
    row("range -> last used", "range", "", "M_br_gamme_4",
        "PARAM 00;PARAM 14 3 P_DEMAR_GAMME;EEPROM 01|Enregistrement: Choix de la gamme au demarrage : 3 "
        "(P_DEMAR_GAMME)",
        "14=3");
    row("range cancelled", "range", "", "", "PARAM 00|", "14=3");
    row("query unanswered", "cutoff", "silent", "-", "PARAM 00|P_AL_FALIM_TEMPS: interrogation impossible",
        "13=240");
    row("dry cell, threshold number 15", "battery 15", "", "0",
        "PARAM 00;PARAM 15 7700 P_AL_FALIM_SEUIL;EEPROM 01|Enregistrement: seuil de pile : 7700 "
        "(P_AL_FALIM_SEUIL)",
        "15=7700");
    row("rechargeable, number 22", "battery 22", "", "1",
        "PARAM 00;PARAM 22 7800 P_AL_FALIM_SEUIL;EEPROM 01|Enregistrement: seuil de pile : 7800 "
        "(P_AL_FALIM_SEUIL)",
        "22=7800");
    row("no threshold parameter", "battery 0", "", "1",
        "PARAM 00|Choix du type de batterie: L'appareil ne connait pas le parametre P_AL_FALIM_SEUIL : le "
        "seuil de "
        "pile n'a pas ete modifie.",
        "13=240");
    row("battery cancelled", "battery 15", "", "", "|", "15=7700");
    const QString erase =
        "|Effacement des enregistrements: Etes vous sur de supprimer tous les enregistrements du "
        "QUARVEN2 ?";
    row("erase, Yes", "erase", "", "Yes", "INFO 00 ;RESET 03" + erase, "erased");
    row("erase, No", "erase", "", "No", "INFO 00 " + erase, "");
    row("erase, Enter", "erase", "", "", "INFO 00 " + erase, "");
}

void TestCommands::settings()
{
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(QString, choice);
    QFETCH(QString, exchange);
    QFETCH(QString, result);
    MainWindow::setLinkCycleMs(1);
    if (command.startsWith("battery"))
        QVERIFY(rig->sim.core().setSeuilNumber(command.section(' ', 1).toInt()));
    QVERIFY(qvx2sim::applyFault(rig->sim.faults(), fault) || fault.isEmpty());
    const auto before = rig->sim.core().parameters();
    TestUtil::DialogScript script(true);
    if (command == "erase")
        script.dialog([](QWidget *d) { d->findChild<QPushButton *>("pushButton_11")->click(); })
            .box(choice == "Yes"  ? QMessageBox::Yes
                 : choice == "No" ? QMessageBox::No
                                  : 0);
    else if (choice != "-")
        script.dialog([choice, command](QWidget *d) {
            if (choice.isEmpty())
                return QTest::keyClick(d, Qt::Key_Escape);
            if (auto *list = d->findChild<QComboBox *>("comboBox")) {
                list->setCurrentIndex(choice.toInt());
                return d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            }
            // Preset from the instrument's value (240 s: 4 minutes; range 3: the last one used).
            QVERIFY(d->findChild<QRadioButton *>(command == "cutoff" ? "M_br_cutoff_3" : "M_br_gamme_4")
                        ->isChecked());
            d->findChild<QRadioButton *>(choice)->click();
            d->findChild<QPushButton *>(command == "cutoff" ? "M_pb_cutoff" : "M_pb_gamme")->click();
        });
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
    QCOMPARE(sent().join(';') + '|' + script.boxes().join(';'), exchange);
    const qvx2sim::InstrumentCore &core = rig->sim.core();
    if (command == "erase") {
        QVERIFY(core.erased() == (result == "erased") && !w->isDataPresent());
        return;
    }
    const int number = result.section('=', 0, 0).toInt();
    for (int n = 1; n < before.size(); ++n)
        QCOMPARE(core.parameter(n).value, n == number ? result.section('=', 1).toInt() : before.at(n).value);
    QCOMPARE(core.eepromSaveCount(), int(exchange.contains("EEPROM")));
}

// Each line whose name the instrument reported is one write, one EEPROM save and one confirmation, in file
// order; a run that writes nothing says so. The program's own patch files are templates that write nothing.
void TestCommands::patch_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all; "app", "demo": the file the build lays out
    QTest::addColumn<QString>("writes");  // "number value" each; empty: the box of a run that wrote nothing
    QTest::newRow("a name twice, in file order")
        << QByteArray("P_TEMP_MAX = 55\nP_TEMP_MAX 21 65\n") << "21 55;21 65";
    QTest::newRow("unknown name, letter case differs")
        << QByteArray("INCONNU = 4\np_temp_max = 55\n") << "ne nomme aucun parametre";
    QTest::newRow("missing file") << QByteArray() << "n'a pas pu etre lu";
    QTest::newRow("the program's template") << QByteArray("app") << "ne nomme aucun parametre";
    QTest::newRow("the demo's file") << QByteArray("demo") << "11 80;18 800;19 8";
    const QByteArray line = "REMPLISSAGE = 0 ligne sans aucun nom de parametre connu ..................\n";
    QTest::newRow("10 MB of text") << line.repeated(10 * 1024 * 1024 / line.size())
                                   << "ne nomme aucun parametre";
}

void TestCommands::patch()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, writes);
    MainWindow::setLinkCycleMs(1);
    const QString name = rig->appDir() + "/" + Qvx2::PatchVoltaneFile;
    QVERIFY(
        TestUtil::writeFile(rig->appDir() + "/" + Qvx2::PatchDireveFile, "P_MODE_DEBUG = 1\n")); // a decoy
    if (file == "app" || file == "demo")
        QVERIFY(QFile::copy(
            (file == "app" ? QVX_APP_DIR "/" : QVX_DEMO_DIR "/") + QString(Qvx2::PatchVoltaneFile), name));
    else if (!file.isNull())
        QVERIFY(TestUtil::writeFile(name, file));
    TestUtil::DialogScript script(true);
    w->on_actionPatch_court_circuit_triggered();
    rig->settle(200);
    QStringList lines{"PARAM 00"}, boxes;
    if (writes.front().isDigit())
        for (const QString &write : writes.split(';')) {
            const QString name = rig->sim.core().parameter(write.section(' ', 0, 0).toInt()).name;
            lines << QStringLiteral("PARAM %1 %2").arg(write, name) << "EEPROM 01";
            boxes << QStringLiteral("Enregistrement: %1 %2 (%1)").arg(name, write.section(' ', 1));
        }
    QCOMPARE(sent(), lines);
    if (boxes.isEmpty())
        QVERIFY2(script.boxes().size() == 1 && script.boxes().first().startsWith("Patch: ") &&
                     script.boxes().first().contains(writes),
                 qPrintable(script.boxes().join('|')));
    else
        QCOMPARE(script.boxes(), boxes);
    QCOMPARE(rig->sim.core().parameter(26).value, 0); // the decoy's P_MODE_DEBUG
}

// The information lines go to the debug window, the measurement stays; a capture saved from the debug
// window and replayed over another record redraws the first.
void TestCommands::infoAndCapture()
{
    download(3);
    const Measurement record = w->currentMeasurement();
    w->on_actionInfo_UC_triggered();
    QCOMPARE(sent(), QStringList("INFO 01"));
    QVERIFY(w->debugWindow()->isVisible() && w->debugWindow()->texte().startsWith("IDENT"));
    QCOMPARE(w->currentMeasurement(), record);
    w->showMeasurement(record);
    const QString path = rig->appDir() + "/Data/capture.txt";
    TestUtil::DialogScript script;
    script.file(path).box(QMessageBox::No).dialog(chooseRecord(5)).file(path).box(QMessageBox::No);
    QMetaObject::invokeMethod(w->debugWindow(), "on_pushButton_clicked");
    const QByteArray bytes = TestUtil::readFile(path);
    QCOMPARE(bytes, path.toLocal8Bit() + '\r' + record.capture.toLocal8Bit());
    QVERIFY(bytes.contains('\n') && !bytes.contains("\r\n") && !bytes.endsWith('\n'));
    w->on_actionTelecharger_triggered(); // record 5, the unsaved record 3 let go
    rig->child<QAction>("actionImprimer")->setEnabled(false);
    w->on_actionOuvrir_fichier_debug_triggered(); // the unsaved record 5 let go
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));
    Measurement replayed = w->currentMeasurement();
    replayed.comment = record.comment; // each record the replay meets adds its line there
    QCOMPARE(replayed, record);
    QVERIFY(rig->child<QAction>("actionImprimer")->isEnabled());
}

// Every command that replaces or drops the measurement asks first when it was downloaded and not saved:
// Yes saves (and a save that cannot be done stops the command), No discards, Cancel goes back.
void TestCommands::unsavedWork_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer"); // to the question; 0: Yes with the operator's name empty
    for (const char *command : {"download", "open", "replay", "quit", "close"})
        for (const int answer : {int(QMessageBox::Yes), int(QMessageBox::No), int(QMessageBox::Cancel), 0})
            QTest::addRow("%s, %d", command, answer) << command << answer;
}

void TestCommands::unsavedWork()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    const bool goesOn = answer == QMessageBox::Yes || answer == QMessageBox::No;
    download(1, answer ? "N" : "");
    const QString data = rig->appDir() + "/Data/";
    const Measurement before = w->currentMeasurement();
    const QString title = w->windowTitle();
    Measurement other = before; // another document and a capture of another record, for open and replay
    other.poste = "Autre poste";
    QVERIFY(XmlMesure::save(other, data + "other.qv2"));
    QVERIFY(TestUtil::writeFile(data + "capture.txt", "GAMME 7-77kV x\nRecup_courbe fin a b 9 \n"));
    TestUtil::DialogScript script;
    if (command == "open" || command == "replay")
        script.file(data + (command == "open" ? "other.qv2" : "capture.txt"));
    script.box(answer ? answer : int(QMessageBox::Yes));
    if (answer == QMessageBox::Yes)
        script.file(data + "kept.qv2");
    else if (answer == 0)
        script.box(QMessageBox::Ok); // the fields the save needs
    if (goesOn && command == "download")
        script.dialog(chooseRecord(1));
    bool wentOn = false;
    if (command == "download") {
        w->on_actionTelecharger_triggered();
        wentOn = !sent().isEmpty();
    } else if (command == "open") {
        w->on_actionOuvrir_triggered();
        wentOn = w->windowTitle().endsWith("other.qv2");
    } else if (command == "replay") {
        w->on_actionOuvrir_fichier_debug_triggered();
        wentOn = w->currentMeasurement().gamme == "7-77kV";
    } else if (command == "quit") {
        QTimer::singleShot(0, w, &MainWindow::on_actionQuitter_triggered);
        QTimer stay; // a quit that does not happen
        stay.setSingleShot(true);
        connect(&stay, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stay.start(3000);
        wentOn = QCoreApplication::exec() == 0;
    } else {
        wentOn = w->close();
    }
    QVERIFY2(script.done() && script.seen.filter("unexpected").isEmpty(),
             qPrintable(script.seen.join(" | ")));
    QCOMPARE(script.seen.filter("Les donnees n'ont pas ete enregistrees").size(), 1);
    QCOMPARE(wentOn, goesOn);
    if (!goesOn)
        QVERIFY(w->currentMeasurement() == before && w->windowTitle() == title);
    if (answer == 0)
        QVERIFY2(script.seen.last().contains("Champs vides : Nom du releveur"),
                 qPrintable(script.seen.last()));
    Measurement saved; // what Yes saved is the measurement that was on screen
    QCOMPARE(XmlMesure::load(data + "kept.qv2", &saved), answer == QMessageBox::Yes);
    QVERIFY(answer != QMessageBox::Yes || saved == before);
}

// Info UC, or a file that is no measurement document, leaves the measurement as it was: saved again it
// gives the same bytes. A document that lacks sections opens all the same.
void TestCommands::wrongReports_data()
{
    QTest::addColumn<QByteArray>("file"); // opened; empty: Info UC
    const QByteArray document = TestUtil::readFile(QVX_SOURCE_DIR "/tests/data/xml/expected_document.qv2");
    QTest::newRow("Info UC after a download") << QByteArray();
    QTest::newRow("renamed PDF") << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n");
    QTest::newRow("truncated XML") << document.left(document.size() / 2);
    QTest::newRow("another root element")
        << QByteArray("<?xml version='1.0'?>\n<QuardaneConf><info/></QuardaneConf>");
    QTest::newRow("lacking sections")
        << QByteArray("<?xml version='1.0'?>\n<OrvaQuardane><info/></OrvaQuardane>");
}

void TestCommands::wrongReports()
{
    QFETCH(QByteArray, file);
    download(2);
    const QString data = rig->appDir() + "/Data/";
    QVERIFY(w->saveResult(data + "before.qv2"));
    const QString title = w->windowTitle();
    const bool opens = file.endsWith("</OrvaQuardane>");
    TestUtil::DialogScript script;
    if (file.isEmpty()) {
        w->on_actionInfo_UC_triggered();
        QVERIFY(w->debugWindow()->texte().contains("IDENT"));
    } else {
        QVERIFY(TestUtil::writeFile(data + "damaged.qv2", file));
        script.box(opens ? QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(w->openDocument(data + "damaged.qv2"), opens);
        QCOMPARE(TestUtil::readFile(data + "damaged.qv2"), file);
        QVERIFY2(opens || script.seen.value(0).contains(QDir::toNativeSeparators(data + "damaged.qv2")),
                 qPrintable(script.seen.join('|')));
    }
    QCOMPARE(w->windowTitle().endsWith("damaged.qv2"), opens);
    if (opens)
        return;
    QVERIFY(script.done() && w->windowTitle() == title &&
            rig->child<QAction>("actionEnregistrer")->isEnabled());
    QVERIFY(w->saveResult(data + "after.qv2"));
    QCOMPARE(TestUtil::readFile(data + "after.qv2"), TestUtil::readFile(data + "before.qv2"));
}

// The firmware update from the menu: an image that cannot be flashed is refused before anything is asked or
// sent; one that can is flashed only after the user has seen its name and size and said Yes; a progress
// window keeps the main window blocked page by page; the outcome is told; the link has the port again.
void TestCommands::firmware_data()
{
    QTest::addColumn<int>("size");   // -1: a file that exists but cannot be read; -2: no file chosen
    QTest::addColumn<int>("answer"); // to the confirmation (-1: its default)
    QTest::addColumn<QString>("told");
    QTest::newRow("three pages") << 1300 << int(QMessageBox::Yes)
                                 << "Mise a jour firmware: Mise a jour reussie.";
    QTest::newRow("confirmation's default, No") << 1300 << -1 << "";
    QTest::newRow("chooser cancelled") << -2 << 0 << "";
    QTest::newRow("empty") << 0 << 0 << "ATmega File - Attention: Le fichier";
    QTest::newRow("too long") << 262144 << 0 << "ATmega File - Attention: Le fichier";
    QTest::newRow("unreadable") << -1 << 0 << "ATmega File - Attention: Impossible de lire";
    QTest::newRow("link lost mid-run")
        << 2000 << int(QMessageBox::Yes) << "Mise a jour firmware: La liaison avec l'appareil a ete perdue";
}

void TestCommands::firmware()
{
    QFETCH(int, size);
    QFETCH(int, answer);
    QFETCH(QString, told);
    const QString file = rig->appDir() + "/Maj/image.bin";
    QVERIFY(QDir().mkpath(rig->appDir() + "/Maj"));
    const QByteArray image = TestUtil::firmwareImage(qMax(size, 0));
    QVERIFY(size < 0 || TestUtil::writeFile(file, image));
    // A kernel file that no one may read, whatever the permissions of this user.
    QVERIFY(size != -1 || QFile::link("/proc/sys/vm/drop_caches", file));
    QStringList progress; // what the user sees while the instrument takes each page
    connect(&rig->sim, &qvx2sim::PtyInstrument::commandReceived, this, [&](const QByteArray &line) {
        auto *p = w->findChild<QProgressDialog *>();
        if (line.startsWith("ORVABOOTF") || line.startsWith("ZAZU"))
            progress << (QApplication::activeModalWidget() == p ? p->labelText().section('\n', 1) : "none");
        if (size == 2000 && progress.size() == 2)
            QTimer::singleShot(0, &rig->sim, &qvx2sim::PtyInstrument::unplug);
    });
    rig->takeReceived();
    TestUtil::DialogScript script(true);
    script.file(size == -2 ? QString() : file).answer("Mettre a jour le firmware", answer);
    w->on_actionMise_jour_firmware_triggered();
    rig->settle();
    QStringList boxes = script.boxes();
    if (answer) { // the question names the image and its size
        QVERIFY2(boxes.value(0).contains(QDir::toNativeSeparators(file)) &&
                     boxes.value(0).contains(QString::number(size)),
                 qPrintable(boxes.value(0)));
        boxes.removeFirst();
    }
    QVERIFY2(told.isEmpty() ? boxes.isEmpty() : boxes.size() == 1 && boxes.first().startsWith(told),
             qPrintable(boxes.join('|')));
    const QString trace = TestUtil::commandTrace(rig->sim.receivedLines());
    if (told.endsWith("reussie.")) {
        QCOMPARE(trace, QString("TEST 05 R P0 F W P1 F W P2 F W Q"));
        QCOMPARE(rig->sim.core().flashPages(), TestUtil::flashedPages(image));
        QCOMPARE(progress, (QStringList{"Page 1 / 3", "Page 2 / 3", "Page 3 / 3", "Page 3 / 3"}));
        rig->takeReceived();
        w->slotPingQV2();
        rig->settle();
        QCOMPARE(rig->takeReceived(), QByteArray("INFO 04\r"));
    } else {
        QCOMPARE(trace.contains('Q'), false);
        QCOMPARE(w->isSerialConnected(), size != 2000);
    }
    QVERIFY(!w->isUpdateInProgress() && w->findChildren<QProgressDialog *>().isEmpty());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
