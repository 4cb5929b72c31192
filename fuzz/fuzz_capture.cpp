// Fuzzes the replay of a saved debug capture (Debug > open a capture file): the input is the capture file.
// The replay cuts it into lines, feeds each to the window's frame parser and so drives every display slot
// (verdict icons, curves, ratios, range, debug pane) with arbitrary lines.
//
// The menu command only adds a file dialog in front of MainWindow::replayCapture; a dialog per run would
// cost far more than the replay itself, so the target calls the replay on one window kept for the process.
// Checked: no crash or sanitizer report, the plot can be drawn, and each curve the capture drew plots exactly
// the points the window holds for it.

#include "fuzzcommon.h"
#include "mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <qwt_plot.h>

namespace
{

MainWindow *window()
{
    static MainWindow *w = [] {
        FuzzCommon::initQt();
        const QString appDir = FuzzCommon::scratchPath(QStringLiteral("app"));
        QDir().mkpath(appDir);
        auto *window = new MainWindow(appDir, [] { return QList<PortCandidate>(); });
        // Hidden, the plot does not repaint after each curve line; it is painted once per run instead.
        window->hide();
        return window;
    }();
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MainWindow *w = window();
    static const QString path = FuzzCommon::scratchPath(QStringLiteral("capture.txt"));
    FuzzCommon::writeFile(path, data, size);

    // Each transfer start puts a line at the top of the comment, which the replay never clears: runs would
    // otherwise pile up there.
    static QPlainTextEdit *comment = w->findChild<QPlainTextEdit *>(QStringLiteral("CommentText"));
    FUZZ_CHECK(comment, QString());
    comment->clear();
    w->replayCapture(path);
    // The plot drawn with whatever the capture put into it, for one input in 16 (always the same ones):
    // drawing costs more than the replay.
    static QwtPlot *plot = w->findChild<QwtPlot *>(QStringLiteral("reponsePlot"));
    FUZZ_CHECK(plot, QString());
    if (FuzzCommon::sampled(data, size, 16))
        plot->grab();

    for (int c = 0; c < Qvx2::CurveCount; ++c) {
        const QVector<QPointF> &points = w->pointsOf(c);
        if (points.isEmpty())
            continue; // the plot keeps the previous curve until new points arrive
        const QwtSeriesData<QPointF> *plotted = w->curve(c).data();
        FUZZ_CHECK(
            plotted->size() == size_t(points.size()),
            QStringLiteral("curve %1: %2 plotted, %3 held").arg(c).arg(plotted->size()).arg(points.size()));
        for (int i = 0; i < points.size(); ++i)
            FUZZ_CHECK(plotted->sample(size_t(i)) == points.at(i),
                       QStringLiteral("curve %1 point %2").arg(c).arg(i));
    }
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        FUZZ_CHECK(w->parser().received[i] == 0 || w->parser().received[i] == 1, QString::number(i));
    // What the event loop would do between two files: the updates the replay posted.
    QCoreApplication::processEvents();
    return 0;
}
