// Each user command end to end, through the window's actions and its real dialogs, against the simulated
// instrument over a pseudo-terminal: what the window adds to the core's operations (the dialogs, what is
// told, what is enabled), the commands that must not lose or misreport a record, and the link as the status
// bar tells it.

#include "dialogscript.h"
#include "dialogtelech.h"
#include "faultnames.h"
#include "firmwareupdate.h"
#include "format.h"
#include "recup_info.h"
#include "reportrenderer.h"
#include "simcontrol.h"
#include "simrig.h"
#include "testutil.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QtTest>
#include <QtWidgets>

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
    // The window holding record `button`, downloaded with no question, the form filled in.
    void download(int button, const QString &name = QStringLiteral("N"))
    {
        TestUtil::DialogScript script;
        script.dialog(chooseRecord(button));
        QVERIFY(trigger("actionTelecharger"));
        for (const char *field : {"NameEdit", "NamePosteEdit", "NumTranfoEdit"})
            rig->child<QLineEdit>(field)->setText(qstrcmp(field, "NameEdit") ? "P" : name);
        QVERIFY(script.seen == QStringList("recup_enreg") && w->isDataPresent());
        rig->takeReceived();
    }
    // Triggers a menu action as the user would; false when the user could not (the action is disabled).
    bool trigger(const char *name)
    {
        auto *action = w->findChild<QAction *>(QLatin1String(name));
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    // The link's waits ten times shorter.
    void quick() { w->setLinkTiming(LinkTiming().faster(10)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
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
    void firmware_data();
    void firmware();
    void linkInField_data();
    void linkInField();
    void downloadAll_data();
    void downloadAll();
    void recordLife_data();
    void recordLife();
    void report_data();
    void report();
    void historicalNames();
};

// The record dialog names each record by its slot in the instrument's ring of ten; the chosen one is fetched
// by its age and fills the window as the instrument holds it; a record that never ends is told, and is not
// taken as a measurement; an adapter pulled out ends the wait at once, not after its 25 s.
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
    if (fault == "crlf")
        quick();
    rig->child<QPlainTextEdit>("CommentText")->setPlainText("avant");
    w->setWindowTitleFile("ancien.qv2");
    QStringList texts, shown;
    TestUtil::DialogScript script(true);
    script.dialog(chooseRecord(button, &texts));
    QElapsedTimer t;
    t.start();
    QVERIFY(trigger("actionTelecharger"));
    QVERIFY(!fault.startsWith("die") || (t.elapsed() < 5000 && !w->isSerialConnected()));
    for (const QString &t : texts)
        shown << t.section('(', 1).section('/', 0, 0);
    QCOMPARE(shown.join(' '), ringSlots);
    QCOMPARE(sent().mid(1), button ? QStringList(QStringLiteral("TEST1 06 %1 ").arg(button)) : QStringList());
    const bool complete = fault.isEmpty() && button;
    QCOMPARE(w->isDataPresent() && rig->child<QAction>("actionImprimer")->isEnabled(), complete);
    const QString told = script.boxes().join("");
    // A failure says which it was: the link lost, or lines that never made a whole record.
    const char *why =
        fault.startsWith("die") ? "La liaison avec l'appareil a ete perdue." : "attendue a temps.";
    QVERIFY2(button && !complete
                 ? told.startsWith("Erreur: L'appareil ne reponds pas. Verifier la liaison.\n\n") &&
                       told.endsWith(why)
                 : told.isEmpty(),
             qPrintable(told));
    if (!complete)
        return;
    const Measurement &m = w->currentMeasurement();
    const qvx2sim::Record record = rig->sim.core().record(button);
    double sum = 0; // the mean of the ratios as sent
    for (size_t k = 0; k < 3; ++k) {
        QCOMPARE(*m.ratios[k], QString::number(record.ratios[k], 'f', 2).toDouble());
        sum += QString::number(record.ratios[k], 'f', 4).toDouble();
    }
    QCOMPARE(*m.ratios[3], QString::number(sum / 3.0, 'f', 2).toDouble());
    for (int i = 0; i < 19; ++i)
        QCOMPARE(m.passed(i), record.passed[size_t(i)]);
    for (size_t c = 0; c < 6; ++c)
        for (int i = 0; i < record.curves[c].size(); ++i)
            QCOMPARE(m.curves[c].value(i), QPointF(i, record.curves[c].at(i)));
    QCOMPARE(m.gamme, QString::fromLatin1(qvx2sim::kRangeNames[record.rangeCode]));
    QCOMPARE(m.comment + '|' + w->windowTitle(), QString("---\navant|QUARVEN2 D504"));
    QVERIFY(rig->child<QAction>("actionEnregistrer")->isEnabled() && w->hasUnsavedData());
    // The debug pane and the measurement's capture hold the record's lines, the last one extended.
    QByteArrayList lines = rig->sim.core().recordLines(button);
    const QByteArray last = lines.takeLast().chopped(1);
    lines << last << last.split(' ').value(4) << "fin de fichier";
    const QString capture = QString::fromLatin1(lines.join('\n').replace("\r\n", "\n"));
    QVERIFY(w->debugWindow()->texte() == capture && m.capture == capture);
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
    const auto row = [](const char *name, const char *command, const char *fault, const char *choice,
                        const QString &exchange, const char *result) {
        QTest::newRow(name) << QString(command) << QString(fault) << QString(choice) << exchange
                            << QString(result);
    };
    const auto write = [](const QString &param, const char *told) { // the write, its save, its confirmation
        return QStringLiteral("PARAM 00;PARAM %1;EEPROM 01|Enregistrement: %2 %3 (%4)")
            .arg(param, told, param.section(' ', 1, 1), param.section(' ', 2));
    };
    row("range -> last used", "range", "", "M_br_gamme_4",
        write("14 3 P_DEMAR_GAMME", "Choix de la gamme au demarrage :"), "14=3");
    row("range cancelled", "range", "", "", "PARAM 00|", "14=3");
    row("cut-off 4 -> 8 minutes", "cutoff", "", "M_br_cutoff_4",
        write("13 480 P_AL_FALIM_TEMPS", "Temps de coupure (en s)"), "13=480");
    row("cut-off, another value echoed", "cutoff", "echo-offset=60", "M_br_cutoff_4",
        "PARAM 00;PARAM 13 480 P_AL_FALIM_TEMPS;EEPROM 01|Enregistrement: Temps de coupure (en s) 540 "
        "(P_AL_FALIM_TEMPS)\n\nL'appareil a pris la valeur 540 au lieu de 480.",
        "13=480"); // the echo told, saved as the instrument holds it
    row("query unanswered", "cutoff", "silent", "-",
        "PARAM 00|P_AL_FALIM_TEMPS: interrogation impossible\n\nL'appareil ne repond pas. Verifier la "
        "liaison.",
        "13=240");
    row("dry cell, threshold number 15", "battery 15", "", "0",
        write("15 7700 P_AL_FALIM_SEUIL", "seuil de pile :"), "15=7700");
    row("rechargeable, number 22", "battery 22", "", "1",
        write("22 7800 P_AL_FALIM_SEUIL", "seuil de pile :"), "22=7800");
    row("no threshold parameter", "battery 0", "", "1",
        "PARAM 00|Choix du type de batterie: L'appareil ne connait pas le parametre P_AL_FALIM_SEUIL : "
        "le seuil de pile n'a pas ete modifie.",
        "13=240");
    row("battery cancelled", "battery 15", "", "", "|", "15=7700");
    const QString erase = "|Effacement des enregistrements: Etes vous sur de supprimer tous les "
                          "enregistrements du QUARVEN2 ?";
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
    quick();
    QVERIFY(!command.startsWith("battery") ||
            rig->sim.core().setSeuilNumber(command.section(' ', 1).toInt()));
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
    QVERIFY(trigger(command == "cutoff"  ? "actionTemps_de_Coupure_du_QVX2"
                    : command == "range" ? "actionChoix_de_la_gamme_au_d_marrage"
                    : command == "erase" ? "actionTelecharger"
                                         : "actionChoix_du_type_de_batterie"));
    rig->settle(200);
    QCOMPARE(script.seen.filter("unexpected"), QStringList());
    QCOMPARE(sent().join(';') + '|' + script.boxes().join(';'), exchange);
    const qvx2sim::InstrumentCore &core = rig->sim.core();
    QVERIFY(command != "erase" || (core.erased() == (result == "erased") && !w->isDataPresent()));
    const int number = result.section('=', 0, 0).toInt(); // 0 for the erase: nothing written
    for (int n = 1; n < before.size(); ++n)
        QCOMPARE(core.parameter(n).value, n == number ? result.section('=', 1).toInt() : before.at(n).value);
    QCOMPARE(core.eepromSaveCount(), int(exchange.contains("EEPROM")));
}

// Each line whose name the instrument reported is one write, one EEPROM save and one confirmation, in file
// order; a run that writes nothing says so.
void TestCommands::patch_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all; "demo": the demo's own file
    QTest::addColumn<QString>("writes");  // "number value" each; else the box of a run that wrote nothing
    const QByteArray line = "REMPLISSAGE = 0 ligne sans aucun nom de parametre connu ..................\n";
    QTest::newRow("a name twice, in file order")
        << QByteArray("P_TEMP_MAX = 55\nP_TEMP_MAX 21 65\n") << "21 55;21 65";
    QTest::newRow("unknown name, case differs")
        << QByteArray("INCONNU = 4\np_temp_max = 5\n") << "ne nomme aucun";
    QTest::newRow("missing file") << QByteArray() << "n'a pas pu etre lu";
    QTest::newRow("the demo's file") << QByteArray("demo") << "11 80;18 800;19 8";
    QTest::newRow("10 MB of text") << line.repeated(10 * 1024 * 1024 / line.size()) << "ne nomme aucun";
}

void TestCommands::patch()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, writes);
    quick();
    const QString name = rig->appDir() + "/" + Qvx2::PatchVoltaneFile;
    QVERIFY(
        TestUtil::writeFile(rig->appDir() + "/" + Qvx2::PatchDireveFile, "P_MODE_DEBUG = 1\n")); // a decoy
    QVERIFY(file.isNull() ||
            (file == "demo" ? QFile::copy(QVX_DEMO_DIR "/" + QString(Qvx2::PatchVoltaneFile), name)
                            : TestUtil::writeFile(name, file)));
    TestUtil::DialogScript script(true);
    QVERIFY(trigger("actionPatch_court_circuit"));
    rig->settle(200);
    QStringList lines{"PARAM 00"}, boxes;
    for (const QString &write : writes.split(';')) {
        const QString name = rig->sim.core().parameter(write.section(' ', 0, 0).toInt()).name;
        lines << QStringLiteral("PARAM %1 %2").arg(write, name) << "EEPROM 01";
        boxes << QStringLiteral("Enregistrement: %1 %2 (%1)").arg(name, write.section(' ', 1));
    }
    const bool wrote = writes.front().isDigit();
    QCOMPARE(sent(), wrote ? lines : QStringList("PARAM 00"));
    QVERIFY2(wrote ? script.boxes() == boxes
                   : script.boxes().size() == 1 && script.boxes().first().startsWith("Patch: ") &&
                         script.boxes().first().contains(writes),
             qPrintable(script.boxes().join('|')));
    QCOMPARE(rig->sim.core().parameter(26).value, 0); // the decoy's P_MODE_DEBUG
}

// The link's primitives under the window's names; the information lines go to the debug window, the
// measurement stays; a capture saved from the debug window (proposed in Data/, told when it cannot be
// written) and replayed over another record redraws the first.
void TestCommands::infoAndCapture()
{
    download(3);
    w->ls_envoi_cmd("INFO 00 \r");
    // Up to 10 s: it returns as the answer comes, which under valgrind can take more than a second.
    QVERIFY(w->ls_attente_trame_progress(1000, 1, Qvx2::flag(Qvx2::Answer::RecordNumber)) &&
            !w->ls_attente_trame(0, 27));
    w->envoi_pingQV2();
    rig->settle();
    w->onDataAvailable();
    QCOMPARE(rig->takeReceived(), QByteArray("INFO 00 \rINFO 04\r"));
    const Measurement record = w->currentMeasurement();
    const QString path = rig->appDir() + "/Data/capture.txt", nowhere = rig->appDir() + "/Nowhere/c.txt";
    QVERIFY(w->saveResult(path + ".before.qv2"));
    QVERIFY(trigger("actionInfo_UC"));
    QCOMPARE(sent(), QStringList("INFO 01"));
    QVERIFY(w->debugWindow()->isVisible() && w->debugWindow()->texte().contains("IDENT"));
    QVERIFY(w->saveResult(path + ".after.qv2")); // saved again, the same bytes
    QCOMPARE(TestUtil::readFile(path + ".after.qv2"), TestUtil::readFile(path + ".before.qv2"));
    w->debugWindow()->set_texte(record.capture);                 // the pane holds the record's lines again
    QVERIFY(TestUtil::writeFile(path, QByteArray(100000, 'x'))); // an older capture, replaced whole
    TestUtil::DialogScript script;
    script.file(nowhere).box(QMessageBox::Ok).file(path).box(QMessageBox::Yes).box(QMessageBox::No);
    script.dialog(chooseRecord(5)).file(path).box(QMessageBox::No);
    QMetaObject::invokeMethod(w->debugWindow(), "on_pushButton_clicked"); // cannot be written: told
    QVERIFY(script.seen.value(0) == "QFileDialog: " + rig->appDir() + "/Data" && !QFile::exists(nowhere));
    QVERIFY2(script.seen.value(1).contains("c.txt"), qPrintable(script.seen.join('|')));
    QMetaObject::invokeMethod(w->debugWindow(), "on_pushButton_clicked");
    const QByteArray bytes = TestUtil::readFile(path);
    QCOMPARE(bytes, path.toLocal8Bit() + '\r' + record.capture.toLocal8Bit());
    QVERIFY(bytes.contains('\n') && !bytes.contains("\r\n") && !bytes.endsWith('\n'));
    QVERIFY(trigger("actionTelecharger"));          // record 5, the record 3 shown anew let go
    QVERIFY(trigger("actionOuvrir_fichier_debug")); // the unsaved record 5 let go
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));
    Measurement replayed = w->currentMeasurement();
    replayed.comment = record.comment; // each record the replay meets adds its line there
    QVERIFY(replayed == record && rig->child<QAction>("actionImprimer")->isEnabled());
    w->PortComLibere();
    QVERIFY(!w->isSerialConnected());
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
    const QString data = rig->appDir() + "/Data/", title = w->windowTitle();
    const Measurement before = w->currentMeasurement();
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
        QVERIFY(trigger("actionTelecharger"));
        wentOn = !sent().isEmpty();
    } else if (command == "open") {
        QVERIFY(trigger("actionOuvrir"));
        wentOn = w->windowTitle().endsWith("other.qv2");
    } else if (command == "replay") {
        QVERIFY(trigger("actionOuvrir_fichier_debug"));
        wentOn = w->currentMeasurement().gamme == "7-77kV";
    } else if (command == "quit") {
        QTimer::singleShot(0, w, [this] { trigger("actionQuitter"); });
        QTimer::singleShot(3000, w, [] { QCoreApplication::exit(7); }); // a quit that does not happen
        wentOn = QCoreApplication::exec() == 0;
    } else {
        wentOn = w->close();
    }
    QVERIFY2(script.done() && script.seen.filter("unexpected").isEmpty(),
             qPrintable(script.seen.join(" | ")));
    QCOMPARE(script.seen.filter("Les donnees n'ont pas ete enregistrees").size(), 1);
    QCOMPARE(wentOn, goesOn);
    QVERIFY(goesOn || (w->currentMeasurement() == before && w->windowTitle() == title));
    QVERIFY2(answer || script.seen.last().contains("Champs vides : Nom du releveur"),
             qPrintable(script.seen.last()));
    Measurement saved; // what Yes saved is the measurement that was on screen
    QCOMPARE(XmlMesure::load(data + "kept.qv2", &saved).done(), answer == QMessageBox::Yes);
    QVERIFY(answer != QMessageBox::Yes || saved == before);
}

// The firmware update from the menu: an image that cannot be flashed is refused before anything is asked or
// sent; one that can is flashed only after the user has seen its name and size and said Yes; a progress
// window keeps the main window blocked page by page; the outcome is told; the link has the port again. The
// dialog's own buttons each send their one step.
void TestCommands::firmware_data()
{
    QTest::addColumn<int>("size");   // -1: a file that exists but cannot be read; -2: no file chosen
    QTest::addColumn<int>("answer"); // to the confirmation (-1: its default)
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("told"); // after "Mise a jour firmware: " when the update ran
    const auto row = [](const char *name, int size, int answer, const char *fault, const char *told) {
        QTest::newRow(name) << size << answer << QString(fault) << QString(told);
    };
    row("three pages", 1300, QMessageBox::Yes, "", "Mise a jour reussie.");
    row("confirmation's default, No", 1300, -1, "", "");
    row("chooser cancelled", -2, 0, "", "");
    row("empty", 0, 0, "", "ATmega File - Attention: Le fichier");
    row("too long", 262144, 0, "", "ATmega File - Attention: Le fichier");
    row("unreadable", -1, 0, "", "ATmega File - Attention: Impossible de lire");
    row("link lost mid-run", 2000, QMessageBox::Yes, "", "La liaison avec l'appareil a ete perdue");
    row("no bootloader", 1300, QMessageBox::Yes, "drop-ack=0",
        "L'appareil n'est pas passe en mode mise a jour");
    row("a page refused", 1300, QMessageBox::Yes, "refuse-page-always=1", "La page 1 n'a pas pu etre ecrite");
    row("restart unconfirmed", 1300, QMessageBox::Yes, "drop-ack=10", "Toutes les pages ont ete ecrites");
}

void TestCommands::firmware()
{
    QFETCH(int, size);
    QFETCH(int, answer);
    QFETCH(QString, fault);
    QFETCH(QString, told);
    QVERIFY(fault.isEmpty() || qvx2sim::applyFault(rig->sim.faults(), fault));
    if (answer > 0)
        told.prepend("Mise a jour firmware: ");
    const QString file = rig->appDir() + "/Maj/image.bin";
    QVERIFY(QDir().mkpath(rig->appDir() + "/Maj"));
    const QByteArray image = TestUtil::firmwareImage(qMax(size, 0));
    QVERIFY(size < 0 || TestUtil::writeFile(file, image));
    QVERIFY(size != -1 || QFile::link("/proc/sys/vm/drop_caches", file)); // no user may read it
    QStringList progress; // what the user sees while the instrument takes each page
    connect(&rig->sim, &qvx2sim::PtyInstrument::commandReceived, this, [&](const QByteArray &line) {
        auto *p = w->findChild<QProgressDialog *>();
        if (line.startsWith("ORVABOOTF") || line.startsWith("ZAZU"))
            progress << (p && QApplication::activeModalWidget() == p ? p->labelText().section('\n', 1)
                                                                     : "none");
        if (size == 2000 && progress.size() == 2)
            QTimer::singleShot(0, &rig->sim, &qvx2sim::PtyInstrument::unplug);
    });
    rig->takeReceived();
    TestUtil::DialogScript script(true);
    script.file(size == -2 ? QString() : file).answer("Mettre a jour le firmware", answer);
    QVERIFY(trigger("actionMise_jour_firmware"));
    rig->settle();
    const QStringList boxes = script.boxes().mid(answer ? 1 : 0); // after the question, naming image and size
    QVERIFY(!answer || (script.boxes().value(0).contains(QDir::toNativeSeparators(file)) &&
                        script.boxes().value(0).contains(QString::number(size))));
    QVERIFY2(told.isEmpty() ? boxes.isEmpty() : boxes.size() == 1 && boxes.first().startsWith(told),
             qPrintable(boxes.join('|')));
    const QString trace = TestUtil::commandTrace(rig->sim.receivedLines());
    QVERIFY(!w->isUpdateInProgress() && w->findChildren<QProgressDialog *>().isEmpty());
    QVERIFY(told.endsWith("reussie.") ||
            (trace.contains('Q') == told.contains("Toutes") && w->isSerialConnected() == (size != 2000)));
    if (!told.endsWith("reussie."))
        return;
    QCOMPARE(trace, QString("TEST 05 R P0 F W P1 F W P2 F W Q"));
    QCOMPARE(rig->sim.core().flashPages(), TestUtil::flashedPages(image));
    QCOMPARE(progress, (QStringList{"Page 1 / 3", "Page 2 / 3", "Page 3 / 3", "Page 3 / 3"}));
    rig->takeReceived();
    w->slotPingQV2();
    rig->settle();
    QCOMPARE(rig->takeReceived(), QByteArray("INFO 04\r"));
    FirmwareUpdate update(&w->link()); // the port lent to the dialog's own buttons
    DialogTelech manual(&update, w);
    manual.setFile(file);
    manual.findChild<QLineEdit *>("lePage")->setText("255");
    for (const char *button : {"pbReset", "pbPage", "pbFill", "pbWrite", "pbReset_2", "m_pbEnvoi", "pbLance"})
        manual.findChild<QPushButton *>(button)->click();
    rig->settle();
    QCOMPARE(TestUtil::commandTrace(rig->sim.receivedLines()).section(" Q ", 1),
             QString("R P255 F W Q Q R P0 F W P1 F W P2 F W Q"));
}

// The link as a technician meets it: the instrument switched off and on, the cable pulled out and plugged
// back, an instrument that ignores the ping, a port that cannot be opened, no adapter, a record cut off, and
// a wait whose port goes away. Each step is a simulator command (or "wait", "download", "connect", "lost
// wait"), then what the status bar (or the search's message) must come to say.
void TestCommands::linkInField_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("port"); // offered beside the simulator's, or instead of it
    QTest::addColumn<QStringList>("steps");
    auto row = [](const char *name, const char *fault, const char *port, const char *steps) {
        QTest::newRow(name) << fault << port << QString(steps).split('|');
    };
    row("switched off, then on", "", "", "wait>Connecte (|off>L'appareil ne repond pas|on>Connecte (");
    row("unplugged, plugged back", "", "", "unplug>Deconnecte|plug>Connecte (");
    row("never answers pings", "no-ping", "", "wait>Connecte (|wait>Connecte (");
    row("port cannot be opened", "", "/dev/ttyQVX-none", "connect>/dev/ttyQVX-none : le port n'existe plus");
    row("no adapter", "", "none", "wait>Aucun adaptateur serie USB|connect>Aucun adaptateur serie USB");
    row("cut off mid-record", "die-after=12", "", "download>Enregistrement incomplet");
    // A port that did not answer is probed again: an instrument switched on later is found by itself.
    row("off, search fails, on", "", "",
        "wait>Connecte (|off>L'appareil ne repond pas|connect>pas de reponse|wait>Nouvel essai|on>Connecte "
        "(");
    row("port lost in a wait", "silent", "", "lost wait>Liaison perdue");
}

void TestCommands::linkInField()
{
    QFETCH(QString, fault);
    QFETCH(QString, port);
    QFETCH(QStringList, steps);
    constexpr int pingMs = 300;
    LinkTiming timing;
    timing.pingPeriodMs = pingMs;
    timing.pingAnswerMs = pingMs / 2;
    timing.portWatchMs = 500;
    timing.portRetryMs = 1000;
    rig.reset();
    rig = std::make_unique<SimRig>();
    QVERIFY(!port.isEmpty() || rig->start());
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> own;
    if (!port.isEmpty()) {
        const QList<PortCandidate> ports{{port, "FTDI"}};
        own = std::make_unique<MainWindow>(
            dir.path(), [ports] { return ports.mid(ports[0].portName != "none" ? 0 : 1); });
    }
    w = own ? own.get() : rig->window.get();
    w->setLinkTiming(timing);
    qvx2sim::applyFault(rig->sim.faults(), fault);
    qvx2sim::SimControl control(rig->sim);
    auto status = [this] {
        QStringList texts;
        for (QLabel *label : w->statusBar()->findChildren<QLabel *>())
            if (label->isVisibleTo(w))
                texts << label->text() << label->toolTip();
        return texts.join(' ');
    };
    for (const QString &step : steps) {
        const QString command = step.section('>', 0, 0), expected = step.section('>', 1);
        TestUtil::DialogScript script(true);
        QElapsedTimer t;
        if (command == "wait") {
            QTest::qWait(4 * pingMs);
        } else if (command == "connect") {
            QVERIFY(trigger("actionUSB_recherche_automatique"));
            QVERIFY2(script.boxes().join("").contains(expected), qPrintable(script.boxes().join("")));
        } else if (command == "download") {
            w->setTestResult(18, true); // left from an earlier record: must not stay
            script.dialog(chooseRecord(1));
            QVERIFY(trigger("actionTelecharger"));
            QVERIFY(!w->findChild<QAction *>("actionEnregistrer")->isEnabled() &&
                    !w->findChild<QAction *>("actionImprimer")->isEnabled() &&
                    w->findChild<QLabel *>("IncompleteLabel")->isVisibleTo(w) &&
                    w->currentMeasurement().verdicts[18] == Measurement::Verdict::None);
        } else if (command == "lost wait") {
            QTimer::singleShot(200, [this, &t] { t.start(), rig->sim.unplug(); });
            QVERIFY(!w->ls_envoi_attente_trame("INFO 00 \r", "perdu", Qvx2::WaitLongCycles,
                                               Qvx2::flag(Qvx2::Answer::RecordNumber)));
            QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        } else {
            QVERIFY(control.apply(command));
        }
        QTRY_VERIFY2_WITH_TIMEOUT(status().contains(expected), qPrintable(status()), 6000);
        QCOMPARE(w->findChild<QAction *>("actionTelecharger")->isEnabled(),
                 expected.startsWith("Connecte ("));
    }
}

void TestCommands::downloadAll_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("cancelAt"); // the record during which Cancel is pressed, 0: none
    QTest::addColumn<QString>("told"); // saved, skipped and failed on each of two runs
    QTest::newRow("ten, then all skipped") << "" << 0 << "10 0 0|0 10 0";
    QTest::newRow("cancel during the third") << "" << 3 << "3 0 0|0 3 0";
    QTest::newRow("link lost in the first") << "die-after=40" << 0 << "0 0 10"; // then disabled
}

// The download of every record behind its progress window, which Cancel stops after the current record; the
// summary tells what was saved, skipped and failed, and that the run was stopped; the window keeps its own
// record, unsaved work included.
void TestCommands::downloadAll()
{
    QFETCH(QString, fault);
    QFETCH(int, cancelAt);
    QFETCH(QString, told);
    download(2, "en cours"); // a record on screen, edited, not saved
    qvx2sim::applyFault(rig->sim.faults(), fault);
    const Measurement before = w->currentMeasurement();
    int fetched = 0;
    connect(&rig->sim, &qvx2sim::PtyInstrument::commandReceived, this, [&](const QByteArray &line) {
        if (line.startsWith("TEST1 06") && ++fetched == cancelAt)
            w->findChild<QProgressDialog *>()->cancel();
    });
    QStringList summaries;
    for (int run = 0; run <= told.count('|'); ++run) {
        TestUtil::DialogScript script(true);
        script.dialog([](QWidget *) {}); // the progress, left to run
        QVERIFY(trigger("actionTelechargerTout"));
        const QString summary = script.boxes().join("");
        QCOMPARE(summary.contains("Interrompu"), cancelAt > 0);
        summaries << summary.section('\n', 0, 0).remove(QRegularExpression("[^0-9 ]")).simplified();
        fetched = 0;
    }
    QCOMPARE(summaries.join('|'), told);
    QCOMPARE(rig->child<QAction>("actionTelechargerTout")->isEnabled(), fault.isEmpty());
    QVERIFY(w->currentMeasurement() == before && w->hasUnsavedData());
    QCOMPARE(QDir(rig->appDir() + "/Data").entryList({"*.qv2"}).size(), told.section(' ', 0, 0).toInt());
}

// The record on screen is the record that is saved. Each row starts from a saved document (record 3 under
// its form's name) in the window, then runs its steps: open (that document again), download (record 1),
// off (a download from an instrument switched off: nothing comes), unplug (a download cut off half way),
// edit (the transformer's number), lang (English), save (Ctrl+S, the proposed name accepted). Then the
// document on disk is as it was, the window shows what the record holds, and quitting asks what it must.
void TestCommands::recordLife_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected"); // Save enabled, the question on quitting, the names proposed
    const auto row = [](const char *steps, const char *expected) {
        QTest::newRow(steps) << steps << expected;
    };
    row("open", "on none");
    row("open off", "off incomplete");
    row("open unplug", "off incomplete");
    row("open off save", "off incomplete");
    row("open download", "on save");
    row("open download save", "on none dated");
    row("open download edit save", "on none form");
    row("open lang", "on none");
    row("open edit lang", "on save");
    row("download off", "off incomplete");
}

void TestCommands::recordLife()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    quick();
    const QString good = rig->appDir() + "/Data/Poste 1_T1_G1.qv2";
    {
        TestUtil::DialogScript script;
        script.dialog(chooseRecord(3)).proposed();
        QVERIFY(trigger("actionTelecharger"));
        const std::pair<const char *, const char *> form[] = {
            {"NameEdit", "N"}, {"NamePosteEdit", "Poste 1"}, {"NumTranfoEdit", "T1"}, {"CodeGDOEdit", "G1"}};
        for (const auto &field : form)
            rig->child<QLineEdit>(field.first)->setText(field.second);
        rig->child<QDateEdit>("DateEdit")->setDate(QDate(2020, 1, 2));
        QVERIFY(trigger("actionEnregistrer") && script.done() && script.offered == QStringList(good));
    }
    const QByteArray document = TestUtil::readFile(good);
    QVERIFY(document.size() > 20000);
    qvx2sim::SimControl control(rig->sim);
    auto script = std::make_unique<TestUtil::DialogScript>(true); // a download cut off: its error box, OK
    script->answer("Les donnees n'ont pas", QMessageBox::No); // a record received: let go for the next one
    for (const QString &step : steps.split(' ')) {
        if (step == "open") {
            script->file(good);
            QVERIFY(trigger("actionOuvrir"));
        } else if (step == "download" || step == "off" || step == "unplug") {
            QVERIFY(step != "off" || control.apply("off"));
            QVERIFY(step != "unplug" || qvx2sim::applyFault(rig->sim.faults(), "die-after=60"));
            script->dialog(chooseRecord(1));
            QVERIFY(trigger("actionTelecharger"));
        } else if (step == "edit") {
            rig->child<QLineEdit>("NumTranfoEdit")->setText("T2");
        } else if (step == "lang") {
            QVERIFY(trigger("actionEnglish"));
        } else {
            script->proposed();
            w->activateWindow(); // the dialogs before took the focus with them
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keySequence(w, QKeySequence::Save);
        }
    }
    const QStringList offered = script->offered;
    script.reset();
    const bool saveOn = rig->child<QAction>("actionEnregistrer")->isEnabled();
    QStringList proposed;
    for (const QString &name : offered)
        proposed << (name == good.left(good.size() - 4) + '_' + QDate::currentDate().toString(Qt::ISODate) +
                                 ".qv2"
                         ? "dated"
                     : name.endsWith("/Poste 1_T2_G1.qv2") ? "form"
                                                           : name);
    TestUtil::DialogScript quit; // the question Quitter and closing the window ask
    quit.box(QMessageBox::Cancel);
    const bool discarded = w->okToDiscard();
    QCOMPARE(discarded, !quit.done());
    const QString question = quit.boxes().join("");
    const QString asked = question.isEmpty()                  ? "none"
                          : question.contains("incomplet")    ? "incomplete"
                          : question.contains("enregistrees") ? "save"
                                                              : question;
    QCOMPARE(QStringList({saveOn ? "on" : "off", asked, proposed.join(' ')}).join(' ').trimmed(), expected);
    // A good document is never overwritten by a record that did not arrive whole, nor by another record.
    QCOMPARE(TestUtil::readFile(good), document);
    // What is shown is the record, and only what arrived of it: what a save would store.
    const Measurement &m = w->currentMeasurement();
    for (int c = 0; c < Qvx2::CurveCount; ++c)
        QCOMPARE(w->curve(c).dataSize(), size_t(m.curves[size_t(c)].size()));
    const QImage none = QPixmap(Qvx2::ImgNoVerdict).toImage(), passed = QPixmap(Qvx2::ImgPassed).toImage();
    for (int t = 1; t <= Qvx2::TestCount; ++t) {
        const QImage icon =
            rig->child<QLabel>(QStringLiteral("IconT%1").arg(t))->pixmap(Qt::ReturnByValue).toImage();
        const Measurement::Verdict v = m.verdicts[size_t(t - 1)];
        QVERIFY(v == Measurement::Verdict::None ? icon == none
                                                : (icon == passed) == (v == Measurement::Verdict::Passed));
    }
    QVERIFY(!steps.endsWith("off") || (m.curves[0].isEmpty() && m.gamme.isEmpty()));
    // A new record takes the download's date, not the document's.
    const bool received = steps.contains("download") || steps.contains("off") || steps.contains("unplug");
    QCOMPARE(m.date, steps.startsWith("open") && received ? QDate::currentDate() : QDate(2020, 1, 2));
}

QTEST_MAIN(TestCommands)
// The report a customer gets, in each language: one page that names every test whole, gives the overall
// verdict, the instrument's serial number, the program's version, dates with four-digit years and the
// language's decimal mark, and where no two words are drawn over each other, a 200-character substation
// name included.
void TestCommands::report_data()
{
    QTest::addColumn<QString>("language");
    for (const char *code : {"fr", "en", "ng", "sv", "ru"})
        QTest::newRow(code) << code;
}

void TestCommands::report()
{
    QFETCH(QString, language);
    download(3);
    rig->child<QLineEdit>("NamePosteEdit")
        ->setText(QString("Poste de distribution rurale ").repeated(7).left(200));
    rig->child<QComboBox>("FuseCombo")->setCurrentText("Oui");
    rig->child<QPlainTextEdit>("CommentText")
        ->setPlainText("Cabine haute.\nBornes nettoyees.\nFin du commentaire");
    QVERIFY(trigger("actionInfo_UC"));
    const QDir built(QVX_APP_DIR); // the catalogues, beside the program as installed
    for (const QString &qm : built.entryList({"*.qm"}, QDir::Files))
        QFile::copy(built.filePath(qm), rig->appDir() + '/' + qm);
    for (QAction *a : rig->child<QMenu>("menuLangue")->actions())
        if (a->data().toString() == language)
            a->trigger();
    const QString pdf = rig->appDir() + "/Data/report.pdf";
    TestUtil::DialogScript script;
    script.file(pdf);
    QVERIFY(trigger("actionExporterPdf") && script.done());
    const auto poppler = [](const char *program, const QStringList &arguments) {
        QProcess p;
        p.start(program, arguments);
        return p.waitForFinished() ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
    };
    QVERIFY(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\n")));
    const QString text = poppler("pdftotext", {pdf, "-"}).simplified();
    const Measurement m = w->currentMeasurement();
    const ReportTexts t = ReportTexts::current();
    QCOMPARE(t.tests.first(), QCoreApplication::translate("MainWindow", Qvx2::TestNames[0]));
    QVERIFY(language == "fr" || t.tests.first() != Qvx2::TestNames[0]); // the language's own words
    const QString date = Format::date(m.date), ratio = Format::ratio(m.ratios[0]);
    QVERIFY(date.contains(QString::number(m.date.year())) && ratio.contains(QLocale().decimalPoint()));
    for (const QString &whole :
         t.tests + QStringList{ReportRenderer::overallVerdict(m, t), "SN20417", QVX_VERSION, date, ratio,
                               m.poste.simplified(), XmlConf::shown("Oui"), "Fin du commentaire"})
        QVERIFY2(text.contains(whole), qPrintable(language + ": " + whole));
    QVERIFY2(language == "fr" || !text.contains(QRegularExpression("\\bOui\\b")), // the stored word
             qPrintable(text.mid(text.indexOf("Oui") - 80, 120)));
    // Each word's box, in points: none may overlap another.
    QVector<QPair<QRectF, QString>> words;
    const QRegularExpression box(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<");
    for (QRegularExpressionMatchIterator i = box.globalMatch(poppler("pdftotext", {"-bbox", pdf, "-"}));
         i.hasNext();) {
        const QRegularExpressionMatch b = i.next();
        const QRectF word(QPointF(b.captured(1).toDouble(), b.captured(2).toDouble()),
                          QPointF(b.captured(3).toDouble(), b.captured(4).toDouble()));
        for (const auto &other : qAsConst(words)) {
            const QRectF both = word.intersected(other.first);
            QVERIFY2(both.width() < 0.5 || both.height() < 0.5,
                     qPrintable(QString("%1: \"%2\" over \"%3\" at %4,%5")
                                    .arg(language, b.captured(5), other.second)
                                    .arg(word.x())
                                    .arg(word.y())));
        }
        words.append({word, b.captured(5)});
    }
    QVERIFY(words.size() > 200);
}

// The window's historical names still do what they did: fetch a record by its age, query the parameters,
// find a guide's name in a list, mark the language's action, ping.
void TestCommands::historicalNames()
{
    QVERIFY(w->recup_eeprom_num_enreg(1) && w->currentMeasurement().curves[0].size() > 0);
    QCOMPARE(w->qv2_demande_param("P", Qvx2::FlagParamLast), 1);
    const QStringList list{"a_fr.pdf", "b_en.pdf"};
    QCOMPARE(w->rechercheficdansliste(&list, "_EN."), 1);
    w->updateLanguageActions(w->language());
    rig->takeReceived();
    w->slotPingQV2();
    rig->settle();
    QVERIFY(rig->takeReceived().contains(Qvx2::CmdPing));
    TestUtil::DialogScript script(true); // the memory save, then a patch the instrument no longer answers
    w->qv2_sauve_eeprom("P");
    quick();
    QVERIFY(qvx2sim::applyFault(rig->sim.faults(), "silent"));
    w->Ouvrir_fichier_patch(Qvx2::PatchVoltaneFile);
    QCOMPARE(script.boxes().join('|'), "Enregistrement: P|Ouvrir_fichier_patch: interrogation impossible\n\n"
                                       "L'appareil ne repond pas. Verifier la liaison.");
}

#include "tst_commands.moc"
