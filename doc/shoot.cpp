// Takes the user guides' screenshots: the real program against the simulated instrument, run under a
// display server (xvfb-run), each window grabbed into a PNG file of the output folder.
//
//   qvx2-shoot OUTDIR [LANG]
//
// LANG (default fr) is loaded from the translation files of the build's program folder when they exist.

#include "archivewindow.h"
#include "curveplot.h"
#include "mainwindow.h"
#include "recup_info.h"
#include "simrig.h"
#include "xmlmesure.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <qwt_scale_div.h>

namespace
{

QString outDir;
int failures = 0;

void save(const QPixmap &picture, const QString &name)
{
    const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "qvx2-shoot: cannot write %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
}

void shoot(QWidget *widget, const QString &name)
{
    save(widget->grab(), name);
}

// A dialog as the user sees it: the display server of the shots has no window manager, so the tool draws
// a plain title bar with the dialog's own title above its contents.
void shootFramed(QWidget *widget, const QString &name)
{
    const QPixmap contents = widget->grab();
    const int bar = 26;
    QPixmap framed(contents.width() + 2, contents.height() + bar + 1);
    framed.fill(QColor(0x5a, 0x5f, 0x66));
    QPainter painter(&framed);
    painter.drawPixmap(1, bar, contents);
    QFont font = widget->font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, framed.width() - 20, bar), Qt::AlignVCenter | Qt::AlignLeft,
                     widget->windowTitle());
    painter.end();
    save(framed, name);
}

// Lets the event loop run for a while (layouts, repaints, answers of the simulator).
void pause(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// Acts on the windows the program opens, in the order they are expected: the program's own calls run
// their modal loops, and this pilot answers from a timer inside them.
class Pilot : public QObject
{
public:
    static constexpr int StepTimeoutMs = 60000;

    using Match = std::function<bool(QWidget *)>;
    using Act = std::function<void(QWidget *)>;

    Pilot()
    {
        m_timer.setInterval(30);
        connect(&m_timer, &QTimer::timeout, this, &Pilot::tick);
        m_timer.start();
    }

    // When a visible top-level window matches, waits settleMs (lists and pictures fill in), then acts.
    void expect(const QString &what, Match match, Act act, int settleMs = 150)
    {
        m_steps.append({what, std::move(match), std::move(act), settleMs});
    }

    // Reports and drops the steps that never came.
    void finish()
    {
        for (const Step &s : qAsConst(m_steps)) {
            std::fprintf(stderr, "qvx2-shoot: never saw %s\n", qPrintable(s.what));
            ++failures;
        }
        m_steps.clear();
    }

private:
    struct Step {
        QString what;
        Match match;
        Act act;
        int settleMs;
    };

    void tick()
    {
        if (m_steps.isEmpty() || m_busy) {
            m_waiting.invalidate();
            return;
        }
        if (!m_waiting.isValid())
            m_waiting.start();
        // A window that never comes would leave the program blocked in a modal loop for good.
        if (m_waiting.elapsed() > StepTimeoutMs) {
            std::fprintf(stderr, "qvx2-shoot: gave up waiting for %s\n", qPrintable(m_steps.first().what));
            std::fflush(nullptr);
            std::_Exit(1);
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (!w->isVisible() || !m_steps.first().match(w))
                continue;
            if (!m_seen.isValid())
                m_seen.start();
            if (m_seen.elapsed() < m_steps.first().settleMs)
                return;
            m_seen.invalidate();
            m_waiting.invalidate();
            const Step step = m_steps.takeFirst();
            m_busy = true;
            step.act(w);
            m_busy = false;
            return;
        }
    }

    QList<Step> m_steps;
    QTimer m_timer;
    QElapsedTimer m_seen;
    QElapsedTimer m_waiting;
    bool m_busy = false;
};

template <typename T> Pilot::Match isA()
{
    return [](QWidget *w) { return qobject_cast<T *>(w) != nullptr; };
}

Pilot::Match inheritsFrom(const char *className)
{
    return [className](QWidget *w) { return w->inherits(className); };
}

void click(QWidget *dialog, const QString &button)
{
    if (auto *b = dialog->findChild<QAbstractButton *>(button))
        b->click();
}

void pressBox(QWidget *w, QMessageBox::StandardButton which)
{
    auto *box = static_cast<QMessageBox *>(w);
    if (QAbstractButton *b = box->button(which))
        b->click();
    else
        box->reject();
}

void reject(QWidget *w)
{
    static_cast<QDialog *>(w)->reject();
}

void acceptFile(QWidget *w, const QString &path)
{
    auto *dialog = static_cast<QFileDialog *>(w);
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        dialog->setDirectory(info.absolutePath());
        dialog->selectFile(info.fileName());
        // Typed in full, as the folder's listing may not be loaded yet.
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(info.absoluteFilePath());
    }
    QMetaObject::invokeMethod(dialog, "accept");
}

template <typename T> T *child(MainWindow *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

void trigger(MainWindow *window, const char *action)
{
    child<QAction>(window, action)->trigger();
}

void selectEntry(MainWindow *window, const char *combo, const QString &text)
{
    auto *box = child<QComboBox>(window, combo);
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
}

void shootMenu(MainWindow *window, const char *menuName, const QString &name)
{
    auto *menu = child<QMenu>(window, menuName);
    menu->popup(window->mapToGlobal(QPoint(40, 40)));
    pause(200);
    shoot(menu, name);
    menu->hide();
    pause(50);
}

// The left part of the status bar, where the connection state shows.
void shootStatus(MainWindow *window, const QString &name)
{
    const QPixmap bar = window->statusBar()->grab();
    save(bar.copy(0, 0, qMin(bar.width(), 560), bar.height()), name);
}

// A firmware image for the simulated bootloader: a few dozen pages of arbitrary bytes.
QString makeFirmwareImage(const QString &appDir)
{
    QDir(appDir).mkpath(QStringLiteral("Maj"));
    const QString path = appDir + QStringLiteral("/Maj/QUARVEN2_V405.bin");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray image(24 * 512 + 100, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char((i * 7 + i / 512) & 0xff);
        file.write(image);
    }
    return path;
}

// The translation files an installed copy has beside the program: the program's own from the build, Qt's
// from the build or else from the system. Qt's qt_xx.qm only names the catalogs it is made of, and loads
// only when all of them lie beside it.
void copyTranslations(const QString &language, const QString &appDir)
{
    const QString target = appDir + QLatin1Char('/');
    const QString own = QStringLiteral("quarvex2_%1.qm").arg(language);
    QFile::copy(QStringLiteral(QVX_APP_DIR "/") + own, target + own);
    for (const QString &folder :
         {QStringLiteral(QVX_APP_DIR), QLibraryInfo::location(QLibraryInfo::TranslationsPath)}) {
        const QDir dir(folder);
        const QStringList catalogs = dir.entryList({QStringLiteral("qt*_%1.qm").arg(language)}, QDir::Files);
        for (const QString &file : catalogs)
            QFile::copy(dir.filePath(file), target + file);
    }
}

// The identification form as a technician fills it in the field.
void fillForm(MainWindow *window, const QString &language)
{
    child<QLineEdit>(window, "NameEdit")->setText(QStringLiteral("J. Martin"));
    child<QLineEdit>(window, "NamePosteEdit")->setText(QStringLiteral("Les Tilleuls"));
    child<QLineEdit>(window, "NumTranfoEdit")->setText(QStringLiteral("T1234"));
    child<QLineEdit>(window, "CodeGDOEdit")->setText(QStringLiteral("G0042"));
    child<QDateEdit>(window, "DateEdit")->setDate(QDate(2024, 5, 14));
    selectEntry(window, "VendorCombo", QStringLiteral("France Transfo(FTR)"));
    selectEntry(window, "PuissanceCombo", QStringLiteral("250 kVA"));
    selectEntry(window, "TensionHT1Combo", QStringLiteral("5.5kV")); // the simulated transformer's
    selectEntry(window, "TensionBtCombo", QStringLiteral("410 V"));
    selectEntry(window, "FuseCombo", child<QComboBox>(window, "FuseCombo")->itemText(1));
    auto *comment = child<QPlainTextEdit>(window, "CommentText");
    comment->moveCursor(QTextCursor::End);
    comment->insertPlainText(language == QLatin1String("fr")
                                 ? QStringLiteral("Poste cabine haute, acces par la route du stade.\n"
                                                  "Essai fait hors tension, bornes nettoyees.")
                                 : QStringLiteral("Tower substation, reached by the stadium road.\n"
                                                  "Tested de-energised, terminals cleaned."));
}

} // namespace

int main(int argc, char *argv[])
{
    // Paths shown in the file and print dialogs: a technician's, not the machine's that takes the shots.
    qputenv("HOME", "/home/technicien");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarvex2")); // names the temporary folder
    QStandardPaths::setTestModeEnabled(true); // the archive's index and the settings stay out of the user's
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: qvx2-shoot OUTDIR [LANG]\n");
        return 2;
    }
    outDir = args.at(1);
    const QString language = args.size() > 2 ? args.at(2) : QStringLiteral("fr");
    QDir().mkpath(outDir);

    Pilot pilot;
    SimRig rig;
    // The newest record with one more failed test, so that both verdict icons show plainly.
    qvx2sim::Record newest = rig.sim.core().record(1);
    newest.passed[13] = false;
    rig.sim.core().setRecord(1, newest);
    copyTranslations(language, rig.appDir());
    if (language != QLatin1String("fr")) {
        QFile config(rig.appDir() + QStringLiteral("/config.xml"));
        QFile defaults(QStringLiteral(":/file/config/config.xml"));
        if (defaults.open(QIODevice::ReadOnly) && config.open(QIODevice::WriteOnly))
            config.write(
                defaults.readAll().replace("encours=\"fr\"", "encours=\"" + language.toLatin1() + '"'));
    }
    if (!rig.start()) {
        std::fprintf(stderr, "qvx2-shoot: the simulated instrument could not be started\n");
        return 1;
    }
    MainWindow *window = rig.window.get();
    const QString appDir = rig.appDir();
    window->showNormal();
    window->resize(1200, 960);
    pause(300);

    for (const char *menu : {"menuFichier", "menuConfiguration", "menuLangue", "menuAide"})
        shootMenu(window, menu, QStringLiteral("menu-") + QString::fromLatin1(menu + 4).toLower());

    // A download of the newest record.
    pilot.expect(QStringLiteral("record dialog"), inheritsFrom("recup_enreg"), [](QWidget *w) {
        shootFramed(w, QStringLiteral("record-dialog"));
        click(w, QStringLiteral("pushButton_1"));
    });
    window->lancedownload();
    fillForm(window, language);
    pause(300);
    shoot(window, QStringLiteral("main-window"));
    shootStatus(window, QStringLiteral("status-connected"));
    shoot(child<QWidget>(window, "infoBox"), QStringLiteral("evaluation"));

    // The plot zoomed into the first quarter of the record, the bt curves hidden from the legend.
    auto *plot = child<CurvePlot>(window, "reponsePlot");
    const QwtScaleDiv y = plot->axisScaleDiv(QwtPlot::yLeft);
    CurvePlot::View zoomed = plot->view();
    zoomed.shown =
        QRectF(QPointF(0, y.lowerBound()), QPointF(plot->curve(0).dataSize() / 4.0, y.upperBound()));
    zoomed.visible = {true, true, true, false, false, false};
    plot->setView(zoomed);
    pause(200);
    // The pointer resting near HT.A's tenth point: the readout below the plot names the curve and its value.
    const QPointF sample = plot->curve(0).sample(10);
    QMouseEvent move(QEvent::MouseMove,
                     QPointF(plot->transform(QwtPlot::xBottom, sample.x()) + 2,
                             plot->transform(QwtPlot::yLeft, sample.y()) + 3),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(plot->canvas(), &move);
    pause(100);
    shoot(plot, QStringLiteral("plot-zoomed"));
    plot->showWholeRecord();

    // The report exported for paper, the instrument's serial number known from its information lines.
    trigger(window, "actionInfo_UC");
    pause(300);
    window->debugWindow()->hide();
    const QString report = appDir + QStringLiteral("/rapport.pdf");
    pilot.expect(QStringLiteral("PDF export dialog"), isA<QFileDialog>(),
                 [report](QWidget *w) { acceptFile(w, report); });
    trigger(window, "actionExporterPdf");
    if (QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("90"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), report, outDir + QStringLiteral("/report-pdf")}) !=
        0) {
        std::fprintf(stderr, "qvx2-shoot: the exported PDF could not be rendered\n");
        ++failures;
    }

    // A second download with the record unsaved: the question, then the dialog closed.
    pilot.expect(QStringLiteral("unsaved question"), isA<QMessageBox>(), [](QWidget *w) {
        shootFramed(w, QStringLiteral("unsaved-question"));
        pressBox(w, QMessageBox::No);
    });
    pilot.expect(QStringLiteral("record dialog again"), inheritsFrom("recup_enreg"), reject);
    trigger(window, "actionTelecharger");

    // Saving under the proposed name.
    pilot.expect(
        QStringLiteral("save dialog"), isA<QFileDialog>(),
        [](QWidget *w) {
            shootFramed(w, QStringLiteral("save-dialog"));
            acceptFile(w, QString());
        },
        800);
    trigger(window, "actionEnregistrer");

    pilot.expect(QStringLiteral("print dialog"), inheritsFrom("QPrintDialog"), [](QWidget *w) {
        shootFramed(w, QStringLiteral("print-dialog"));
        reject(w);
    });
    trigger(window, "actionImprimer");
    window->resize(1200, 960);
    pause(200);

    trigger(window, "actionDebug");
    pause(300);
    window->debugWindow()->findChild<QPlainTextEdit *>()->moveCursor(QTextCursor::Start);
    pause(100);
    shootFramed(window->debugWindow(), QStringLiteral("debug-window"));
    window->debugWindow()->hide();

    // The three parameter dialogs, each left without sending anything.
    pilot.expect(QStringLiteral("cut-off dialog"), inheritsFrom("recup_cutoff"), [](QWidget *w) {
        shootFramed(w, QStringLiteral("cutoff-dialog"));
        reject(w);
    });
    trigger(window, "actionTemps_de_Coupure_du_QVX2");
    pilot.expect(QStringLiteral("range dialog"), inheritsFrom("recup_gamme"), [](QWidget *w) {
        shootFramed(w, QStringLiteral("range-dialog"));
        reject(w);
    });
    trigger(window, "actionChoix_de_la_gamme_au_d_marrage");
    pilot.expect(QStringLiteral("battery dialog"), inheritsFrom("recup_pile"), [](QWidget *w) {
        shootFramed(w, QStringLiteral("battery-dialog"));
        reject(w);
    });
    trigger(window, "actionChoix_du_type_de_batterie");

    // A patch run: one confirmation box per parameter line of the file.
    QFile::copy(QStringLiteral(QVX_SOURCE_DIR "/demo/patch/patch_voltane.txt"),
                appDir + QStringLiteral("/patch_voltane.txt"));
    pilot.expect(QStringLiteral("patch confirmation"), isA<QMessageBox>(), [](QWidget *w) {
        shootFramed(w, QStringLiteral("patch-confirmation"));
        pressBox(w, QMessageBox::Ok);
    });
    for (int i = 0; i < 2; ++i)
        pilot.expect(QStringLiteral("next patch confirmation"), isA<QMessageBox>(),
                     [](QWidget *w) { pressBox(w, QMessageBox::Ok); });
    trigger(window, "actionPatch_court_circuit");
    pause(300);

    pilot.expect(QStringLiteral("about box"), inheritsFrom("aboutDialog"), [](QWidget *w) {
        shootFramed(w, QStringLiteral("about-box"));
        reject(w);
    });
    trigger(window, "action_propos_de_ORVA_SA");

    // No Doc folder in this application folder: the help is not found.
    pilot.expect(QStringLiteral("help not found"), isA<QMessageBox>(), [](QWidget *w) {
        shootFramed(w, QStringLiteral("help-missing"));
        pressBox(w, QMessageBox::Ok);
    });
    trigger(window, "actionDocumentation");

    // The information lines go to the debug window; the record stays in the main window.
    trigger(window, "actionInfo_UC");
    pause(300);
    shootFramed(window->debugWindow(), QStringLiteral("info-uc"));
    window->debugWindow()->hide();

    // An instrument that stops answering, with short waits so that the failure comes at once.
    rig.sim.faults().silent = true;
    window->setLinkTiming(LinkTiming().faster(10));
    pilot.expect(QStringLiteral("record dialog, silent instrument"), inheritsFrom("recup_enreg"),
                 [](QWidget *w) { click(w, QStringLiteral("pushButton_1")); });
    pilot.expect(QStringLiteral("download error"), isA<QMessageBox>(), [](QWidget *w) {
        shootFramed(w, QStringLiteral("download-error"));
        pressBox(w, QMessageBox::Ok);
    });
    window->lancedownload();
    rig.sim.faults().silent = false;
    window->setLinkTiming(LinkTiming());
    pause(300);

    // A firmware update, paced like the real line so that the progress window stays up a while.
    const QString image = makeFirmwareImage(appDir);
    rig.sim.setPacing(true);
    pilot.expect(QStringLiteral("firmware file dialog"), isA<QFileDialog>(),
                 [image](QWidget *w) { acceptFile(w, image); });
    pilot.expect(QStringLiteral("firmware question"), isA<QMessageBox>(),
                 [](QWidget *w) { pressBox(w, QMessageBox::Yes); });
    pilot.expect(
        QStringLiteral("firmware progress"),
        [](QWidget *w) {
            auto *progress = qobject_cast<QProgressDialog *>(w);
            return progress && progress->value() >= 6;
        },
        [](QWidget *w) { shootFramed(w, QStringLiteral("firmware-progress")); }, 0);
    pilot.expect(QStringLiteral("firmware report"), isA<QMessageBox>(), [](QWidget *w) {
        shootFramed(w, QStringLiteral("firmware-done"));
        pressBox(w, QMessageBox::Ok);
    });
    trigger(window, "actionMise_jour_firmware");
    pause(500);
    // Every record of the instrument saved as its own document; one transformer measured over five years;
    // then the archive, the trend of that transformer and the comparison of two records.
    rig.sim.setPacing(false);
    pilot.expect(QStringLiteral("download-all summary"), isA<QMessageBox>(), [](QWidget *w) {
        shootFramed(w, QStringLiteral("download-all-done"));
        pressBox(w, QMessageBox::Ok);
    });
    trigger(window, "actionTelechargerTout");
    pause(300);
    // The record saved earlier, back in the window: five years of it, with the phase A ratio drifting.
    const QStringList saved =
        QDir(appDir + QStringLiteral("/Data")).entryList({QStringLiteral("Les Tilleuls*.qv2")});
    // The failed download left an incomplete record: let it go.
    pilot.expect(QStringLiteral("incomplete record question"), isA<QMessageBox>(),
                 [](QWidget *w) { pressBox(w, QMessageBox::Yes); });
    if (saved.isEmpty() || !window->openDocument(appDir + QStringLiteral("/Data/") + saved.first()))
        ++failures;
    const double ratios[] = {13.40, 13.41, 13.43, 13.44, 13.47};
    for (int year = 0; year < 5; ++year) {
        Measurement m = window->currentMeasurement();
        m.date = QDate(2020 + year, 5, 14);
        m.ratios[0] = ratios[year];
        m.capture += QStringLiteral("\n%1").arg(year); // each year its own record
        XmlMesure::save(m, appDir + QStringLiteral("/Data/Les Tilleuls_T1234_%1.qv2").arg(2020 + year));
    }
    ArchiveWindow *archive = window->on_actionArchive_triggered();
    while (!archive->isLoaded())
        pause(50);
    archive->resize(archive->width(), 520); // as wide as its columns need
    pause(300);
    shootFramed(archive, QStringLiteral("archive-window"));
    archive->findChild<QLineEdit *>(QStringLiteral("archiveFilter"))->setText(QStringLiteral("T1234"));
    archive->view()->selectAll();
    if (QDialog *trend = archive->showTrend()) {
        pause(300);
        shootFramed(trend, QStringLiteral("trend-window"));
        trend->close();
    }
    archive->findChild<QLineEdit *>(QStringLiteral("archiveFilter"))->clear();
    archive->view()->selectRow(0);
    archive->view()->selectionModel()->select(archive->proxy()->index(archive->proxy()->rowCount() - 1, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (QDialog *comparison = archive->showComparison()) {
        pause(300);
        shootFramed(comparison, QStringLiteral("compare-window"));
        comparison->close();
    }
    archive->close();
    pause(100);

    pilot.finish();
    rig.window.reset();

    // An instrument that stops answering its pings, with pings a few tenths of a second apart.
    {
        SimRig silent;
        copyTranslations(language, silent.appDir());
        if (silent.start()) {
            LinkTiming pings;
            pings.pingPeriodMs = 300;
            pings.pingAnswerMs = 150;
            silent.window->setLinkTiming(pings);
            silent.window->loadLanguage(language);
            silent.window->showNormal();
            silent.window->resize(1200, 960);
            pause(700);
            silent.sim.faults().silent = true;
            pause(1500);
            shootStatus(silent.window.get(), QStringLiteral("status-not-responding"));
        } else {
            ++failures;
        }
    }

    // Without an instrument: the status bar says so.
    {
        QTemporaryDir alone;
        copyTranslations(language, alone.path());
        MainWindow lonely(alone.path(), [] { return QList<PortCandidate>(); });
        lonely.loadLanguage(language);
        lonely.showNormal();
        lonely.resize(1200, 960);
        pause(300);
        shootStatus(&lonely, QStringLiteral("status-disconnected"));
    }
    return failures == 0 ? 0 : 1;
}
