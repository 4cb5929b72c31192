// The parameter editors on their own: presets from the instrument's values and the values they give back.

#include "recup_cutoff.h"
#include "recup_gamme.h"
#include "recup_pile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace
{

// Object name of the one checked radio button of a dialog ("" when none or several are checked).
QString checkedRadio(const QDialog &dialog)
{
    QString name;
    int checked = 0;
    for (const QRadioButton *b : dialog.findChildren<QRadioButton *>()) {
        if (b->isChecked()) {
            name = b->objectName();
            ++checked;
        }
    }
    return checked == 1 ? name : QString();
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cutoff_data();
    void cutoff();
    void cutoffChoice_data();
    void cutoffChoice();
    void gamme_data();
    void gamme();
    void pile_data();
    void pile();
    void pileOkNeedsEntry_data();
    void pileOkNeedsEntry();
};

void TestDialogs::cutoff_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("sent");

    QTest::newRow("0") << 0 << "M_br_cutoff_1" << 120;
    QTest::newRow("negative") << -30 << "M_br_cutoff_1" << 120;
    QTest::newRow("120") << 120 << "M_br_cutoff_1" << 120;
    QTest::newRow("121") << 121 << "M_br_cutoff_2" << 180;
    QTest::newRow("180") << 180 << "M_br_cutoff_2" << 180;
    QTest::newRow("200") << 200 << "M_br_cutoff_3" << 240;
    QTest::newRow("240") << 240 << "M_br_cutoff_3" << 240;
    QTest::newRow("241") << 241 << "M_br_cutoff_4" << 480;
    QTest::newRow("480") << 480 << "M_br_cutoff_4" << 480;
    QTest::newRow("481") << 481 << "M_br_cutoff_3" << 240;
    QTest::newRow("600") << 600 << "M_br_cutoff_3" << 240;
}

// The instrument's setting preselects one duration; sending it unchanged gives that duration back.
void TestDialogs::cutoff()
{
    QFETCH(int, seconds);
    QFETCH(QString, preset);
    QFETCH(int, sent);

    recup_cutoff dialog;
    dialog.set_temps(seconds);
    QCOMPARE(checkedRadio(dialog), preset);
    QCOMPARE(dialog.get_temps(), 0); // nothing chosen until "Envoyer"

    dialog.findChild<QPushButton *>(QStringLiteral("M_pb_cutoff"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.get_temps(), sent);
}

void TestDialogs::cutoffChoice_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("sent");

    QTest::newRow("2 minutes") << "M_br_cutoff_1" << 120;
    QTest::newRow("3 minutes") << "M_br_cutoff_2" << 180;
    QTest::newRow("4 minutes") << "M_br_cutoff_3" << 240;
    QTest::newRow("8 minutes") << "M_br_cutoff_4" << 480;
}

// The user's choice wins over the preset, whatever the instrument held.
void TestDialogs::cutoffChoice()
{
    QFETCH(QString, radio);
    QFETCH(int, sent);

    for (int preset : {0, 180, 240, 480, 600}) {
        recup_cutoff dialog;
        dialog.set_temps(preset);
        dialog.findChild<QRadioButton *>(radio)->click();
        dialog.findChild<QPushButton *>(QStringLiteral("M_pb_cutoff"))->click();
        QCOMPARE(dialog.get_temps(), sent);
    }
}

void TestDialogs::gamme_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("preset");

    QTest::newRow("0: 20-33 kV") << 0 << "M_br_gamme_1";
    QTest::newRow("1: 10-19 kV") << 1 << "M_br_gamme_2";
    QTest::newRow("2: 5-9 kV") << 2 << "M_br_gamme_3";
    QTest::newRow("3: last used") << 3 << "M_br_gamme_4";
    QTest::newRow("7: unknown") << 7 << "M_br_gamme_4";
    QTest::newRow("-1: unknown") << -1 << "M_br_gamme_4";
}

// The start-up range preset, and the code each choice gives back (an unknown code becomes "last used").
void TestDialogs::gamme()
{
    QFETCH(int, code);
    QFETCH(QString, preset);

    const QStringList radios = {"M_br_gamme_1", "M_br_gamme_2", "M_br_gamme_3", "M_br_gamme_4"};
    {
        recup_gamme dialog;
        dialog.set_gamme(code);
        QCOMPARE(checkedRadio(dialog), preset);
        dialog.findChild<QPushButton *>(QStringLiteral("M_pb_gamme"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.get_gamme(), radios.indexOf(preset));
    }
    for (int chosen = 0; chosen < radios.size(); ++chosen) {
        recup_gamme dialog;
        dialog.set_gamme(code);
        dialog.findChild<QRadioButton *>(radios.at(chosen))->click();
        dialog.findChild<QPushButton *>(QStringLiteral("M_pb_gamme"))->click();
        QCOMPARE(dialog.get_gamme(), chosen);
    }
}

void TestDialogs::pile_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("choose"); // -1: leave the default
    QTest::addColumn<int>("threshold");

    const QStringList config = {"Pile seche 9V :7700", "Pile rechargeable :7800"};
    QTest::newRow("default is the first entry") << config << -1 << 7700;
    QTest::newRow("second entry") << config << 1 << 7800;
    QTest::newRow("back to the first") << config << 0 << 7700;
    QTest::newRow("value not a number") << QStringList{"Pile :12abc"} << -1 << 0;
    QTest::newRow("empty value") << QStringList{"Pile :"} << -1 << 0;
    QTest::newRow("no colon: whole entry") << QStringList{"7650"} << -1 << 7650;
    QTest::newRow("no colon, not a number") << QStringList{"Pile seche"} << -1 << 0;
    QTest::newRow("leading colon is not the separator") << QStringList{":7000"} << -1 << 0;
    QTest::newRow("first colon separates") << QStringList{"Pile a:b:42"} << -1 << 0;
    QTest::newRow("negative") << QStringList{"Essai :-5"} << -1 << -5;
}

// The threshold of the shown entry is what the dialog gives back once accepted.
void TestDialogs::pile()
{
    QFETCH(QStringList, entries);
    QFETCH(int, choose);
    QFETCH(int, threshold);

    recup_pile dialog;
    dialog.set_liste(entries);
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    if (choose >= 0) {
        combo->setCurrentIndex(entries.size() - 1 - choose); // move away first so that the choice is a change
        combo->setCurrentIndex(choose);
    }
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.get_vpiles(), threshold);
}

void TestDialogs::pileOkNeedsEntry_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("no entry") << QStringList() << false;
    QTest::newRow("one entry") << QStringList{"Pile seche 9V :7700"} << true;
}

// Without any battery there is nothing to send: neither Ok nor Enter may accept the dialog.
void TestDialogs::pileOkNeedsEntry()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, acceptable);

    recup_pile dialog;
    dialog.set_liste(entries);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPushButton *ok =
        dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), acceptable);

    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.isVisible(), !acceptable);
    QCOMPARE(dialog.result(), acceptable ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
