// One technician's session from start to quit, against the simulated instrument: download of a record,
// save, open, print to PDF, a language change, a firmware update. Run under valgrind by `make memcheck`;
// also part of the test suite, where it only checks that each step did its work.

#include "mainwindow.h"
#include "simrig.h"
#include "testutil.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMetaObject>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <cstdio>

namespace
{

int failures = 0;

void check(bool ok, const char *step)
{
    std::printf("%-36s %s\n", step, ok ? "ok" : "FAILED");
    std::fflush(stdout);
    if (!ok)
        ++failures;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SimRig rig;
    if (!rig.start()) {
        std::fprintf(stderr, "session: the simulated instrument could not be started\n");
        return 1;
    }
    MainWindow *window = rig.window.get();
    const QString dir = rig.appDir();
    window->show();

    // Download of the newest record.
    TestUtil::onNextModal([](QWidget *dialog) {
        if (auto *newest = dialog->findChild<QPushButton *>(QStringLiteral("pushButton_1")))
            newest->click();
    });
    window->lancedownload();
    check(window->isDataPresent() && !window->pointsOf(0).isEmpty(), "download");

    // The form, then a save through the menu.
    window->findChild<QLineEdit *>(QStringLiteral("NameEdit"))->setText(QStringLiteral("J. Martin"));
    window->findChild<QLineEdit *>(QStringLiteral("NamePosteEdit"))->setText(QStringLiteral("Les Tilleuls"));
    window->findChild<QLineEdit *>(QStringLiteral("NumTranfoEdit"))->setText(QStringLiteral("T1234"));
    window->findChild<QLineEdit *>(QStringLiteral("CodeGDOEdit"))->setText(QStringLiteral("G0042"));
    const QString document = dir + QStringLiteral("/session.qv2");
    TestUtil::answerNextFileDialog(document);
    window->on_actionEnregistrer_triggered();
    check(window->isDataSaved() && TestUtil::readFile(document).contains("<OrvaQuardane"), "save");

    // Opened again.
    window->clearMeasurement();
    TestUtil::answerNextMessageBox(QMessageBox::No); // the cleared window is not kept
    window->openDocument(document);
    check(window->curve(0).data()->size() > 0 &&
              window->findChild<QLineEdit *>(QStringLiteral("NamePosteEdit"))->text() ==
                  QLatin1String("Les Tilleuls"),
          "open");

    // Printed to a PDF file.
    const QString pdf = dir + QStringLiteral("/session.pdf");
    TestUtil::onNextModal([pdf](QWidget *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        if (!dialog) {
            d->close();
            return;
        }
        if (auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
            file->setText(pdf);
        dialog->printer()->setOutputFileName(pdf);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->on_actionImprimer_triggered();
    check(TestUtil::readFile(pdf).startsWith("%PDF"), "print to PDF");

    // English, then French again, with the translation files an installed copy has beside the program.
    for (const char *file : {"quarvex2_en.qm", "quarvex2_fr.qm"})
        QFile::copy(QStringLiteral(QVX_APP_DIR "/") + QLatin1String(file),
                    dir + QLatin1Char('/') + QLatin1String(file));
    auto *fileMenu = window->findChild<QMenu *>(QStringLiteral("menuFichier"));
    const QString french = fileMenu->title();
    window->loadLanguage(QStringLiteral("en"));
    const QString english = fileMenu->title();
    window->loadLanguage(QStringLiteral("fr"));
    check(english != french && fileMenu->title() == french, "language change");

    // A firmware update of a few pages.
    QDir(dir).mkpath(QStringLiteral("Maj"));
    const QString image = dir + QStringLiteral("/Maj/session.bin");
    check(TestUtil::writeFile(image, TestUtil::firmwareImage(3 * 512 + 100)), "firmware image written");
    {
        TestUtil::BoxCollector boxes;
        boxes.answer(QStringLiteral("Mettre a jour le firmware"), QMessageBox::Yes);
        TestUtil::answerNextFileDialog(image);
        window->on_actionMise_jour_firmware_triggered();
        rig.settle();
        check(boxes.texts.join(QLatin1Char(' ')).contains(QStringLiteral("reussie")), "firmware update");
    }

    // Quit, with the document saved: no question.
    rig.window.reset();
    return failures == 0 ? 0 : 1;
}
