// Exports of the measurement shown: a report made for paper (PDF), a table for a spreadsheet (CSV), and the
// plot as a picture (PNG or SVG). Each is written through QSaveFile: a failed write leaves no half file and
// is told.

#include "formeditor.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <qwt_plot_renderer.h>

namespace
{
constexpr int PdfDpi = 300;
constexpr double MarginMm = 15;
constexpr int PngWidth = 2400; // px: 20 cm at 300 dpi, readable on paper
constexpr int PngHeight = 1200;

// Draws `text` in `rect` with `flags` and returns the height it took.
int drawText(QPainter &p, const QRect &rect, int flags, const QString &text)
{
    QRect used;
    p.drawText(rect, flags | Qt::TextWordWrap, text, &used);
    return used.height();
}
} // namespace

ReportTexts MainWindow::reportTexts() const
{
    ReportTexts t;
    for (const QLabel *label :
         {ui->NameLabel, ui->DateLabel, ui->NamePosteLabel, ui->CodeGDOLabel, ui->NumTranfoLabel,
          ui->PowerLabel, ui->VendorLabel, ui->TensionHT1Label, ui->FuseLabel, ui->SecondBtLabel1})
        t.identification << FormEditor::fieldName(label);
    // The test names' fields, Test1Edit ... TesT19Edit as the form names them.
    t.tests = QVector<QString>(Qvx2::TestCount).toList();
    const QRegularExpression testField(QStringLiteral("^test(\\d+)edit$"),
                                       QRegularExpression::CaseInsensitiveOption);
    for (const QLineEdit *edit : ui->TestGroupBox->findChildren<QLineEdit *>(testField))
        t.tests[testField.match(edit->objectName()).captured(1).toInt() - 1] = edit->text().trimmed();
    for (const QLabel *label : {ui->LabelRapportL1, ui->LabelRapportL2, ui->LabelRapportL3, ui->label})
        t.ratios << FormEditor::fieldName(label);
    t.curves = CurvePlot::curveNames();
    t.passed = tr("CORRECT");
    t.failed = tr("DEFAUT");
    t.none = tr("sans verdict");
    t.within = tr("dans la tolerance");
    t.outside = tr("hors tolerance");
    t.range = FormEditor::fieldName(ui->LabelRange);
    t.rated = tr("Rapport nominal");
    t.tolerance = tr("Tolerance (%)");
    t.comment = ui->CommentGroupBox->title();
    return t;
}

QString MainWindow::exportFileName(const QString &title, const QString &suffix, const QString &filter)
{
    // Proposed from the document's name, beside the documents; Qt's dialog asks before replacing a file.
    const QString base = m_titleFile.isEmpty()
                             ? proposedFileName()
                             : QFileInfo(proposedFileName()).path() + QLatin1Char('/') + m_titleFile;
    const QFileInfo info(base);
    return QFileDialog::getSaveFileName(
        this, title, info.path() + QLatin1Char('/') + info.completeBaseName() + suffix, filter);
}

bool MainWindow::writeExport(const QString &fileName, const std::function<bool(QIODevice *)> &write)
{
    if (fileName.isEmpty())
        return false;
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && write(&file) && file.commit();
    if (!ok)
        QMessageBox::critical(
            this, tr("Erreur"),
            tr("Impossible d'enregistrer le fichier %1.").arg(QDir::toNativeSeparators(fileName)));
    return ok;
}

void MainWindow::on_actionExporterPdf_triggered()
{
    writeExport(exportFileName(tr("Exporter PDF"), QStringLiteral(".pdf"), tr("Rapport PDF (*.pdf)")),
                [this](QIODevice *device) { return writePdf(device); });
}

void MainWindow::on_actionExporterCsv_triggered()
{
    writeExport(exportFileName(tr("Exporter CSV"), QStringLiteral(".csv"), tr("Tableau CSV (*.csv)")),
                [this](QIODevice *device) {
                    const QByteArray csv =
                        CsvExport::render(currentMeasurement(), evaluation(), reportTexts());
                    return device->write(csv) == csv.size();
                });
}

void MainWindow::on_actionExporterImage_triggered()
{
    const QString fileName =
        exportFileName(tr("Exporter image"), QStringLiteral(".png"),
                       tr("Image PNG (*.png)") + QStringLiteral(";;") + tr("Image SVG (*.svg)"));
    CurvePlot *plot = ui->reponsePlot;
    const CurvePlot::WholeRecord whole(plot); // the record as it is, not the view the user zoomed into
    writeExport(fileName, [plot, &fileName](QIODevice *device) {
        QwtPlotRenderer renderer;
        if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            QSvgGenerator svg;
            svg.setOutputDevice(device);
            svg.setSize(QSize(PngWidth, PngHeight));
            svg.setViewBox(QRect(0, 0, PngWidth, PngHeight));
            QPainter painter(&svg);
            renderer.render(plot, &painter, QRectF(0, 0, PngWidth, PngHeight));
            return painter.end();
        }
        QImage image(PngWidth, PngHeight, QImage::Format_ARGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(PdfDpi / 0.0254));
        image.setDotsPerMeterY(qRound(PdfDpi / 0.0254));
        {
            QPainter painter(&image);
            renderer.render(plot, &painter, QRectF(0, 0, PngWidth, PngHeight));
        }
        return image.save(device, "PNG");
    });
}

bool MainWindow::writePdf(QIODevice *device)
{
    const ReportTexts t = reportTexts();
    const RatioEvaluation e = evaluation();
    const Measurement &m = currentMeasurement();

    QPdfWriter pdf(device);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(PdfDpi);
    pdf.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    pdf.setTitle(tr("Rapport d'essai QUARVEN 2"));
    pdf.setCreator(
        QStringLiteral("%1 %2").arg(QLatin1String(Qvx2::ProductName), QLatin1String(Qvx2::ProductVersion)));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const QRect page = p.viewport();
    const int w = page.width();
    const int line = pdf.resolution() / 6; // a line of 9-point text, with its leading
    QFont body = font();
    body.setPointSizeF(9);
    QFont bold = body;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(15);
    int y = 0;

    // Title and program.
    p.setFont(title);
    y += drawText(p, QRect(0, y, w, 3 * line), Qt::AlignLeft | Qt::AlignTop, tr("Rapport d'essai QUARVEN 2"));
    p.setFont(body);
    drawText(
        p, QRect(0, 0, w, line), Qt::AlignRight | Qt::AlignTop,
        QStringLiteral("%1 %2").arg(QLatin1String(Qvx2::ProductName), QLatin1String(Qvx2::ProductVersion)));
    y += line / 2;

    // Identification, in two columns.
    const QStringList values = CsvExport::identificationValues(m);
    const int half = w / 2;
    for (int i = 0; i < values.size(); ++i) {
        const int x = (i % 2) * half;
        const int row = y + (i / 2) * line;
        p.setFont(bold);
        p.drawText(QRect(x, row, half / 2, line), Qt::AlignLeft, t.identification.value(i));
        p.setFont(body);
        p.drawText(QRect(x + half / 2, row, half / 2, line), Qt::AlignLeft,
                   i == 1 ? QLocale().toString(m.date, QLocale::ShortFormat) : values[i]);
    }
    y += ((values.size() + 1) / 2) * line + line / 2;

    // The nineteen tests, a word and a mark each.
    p.setFont(bold);
    p.drawText(QRect(0, y, w, line), Qt::AlignLeft, ui->TestGroupBox->title());
    y += line;
    p.setFont(body);
    const int rows = (Qvx2::TestCount + 1) / 2;
    for (int i = 0; i < Qvx2::TestCount; ++i) {
        const Measurement::Verdict v = m.verdicts[size_t(i)];
        const QString word = v == Measurement::Verdict::Passed   ? t.passed + QStringLiteral(" \u2713")
                             : v == Measurement::Verdict::Failed ? t.failed + QStringLiteral(" \u2717")
                                                                 : t.none;
        const int x = (i / rows) * half;
        const int row = y + (i % rows) * line;
        const int nameWidth = half * 3 / 4 - line / 2;
        p.drawText(QRect(x, row, nameWidth, line), Qt::AlignLeft,
                   p.fontMetrics().elidedText(QStringLiteral("%1  %2").arg(i + 1).arg(t.tests[i]),
                                              Qt::ElideRight, nameWidth));
        p.setPen(v == Measurement::Verdict::Failed ? QColor(0xb0, 0x00, 0x20) : QColor(Qt::black));
        p.drawText(QRect(x + half * 3 / 4, row, half / 4 - line / 2, line), Qt::AlignLeft, word);
        p.setPen(Qt::black);
    }
    y += rows * line + line / 2;

    // Range, ratios, rated ratio, deviations and tolerance.
    p.setFont(bold);
    p.drawText(QRect(0, y, w, line), Qt::AlignLeft, QStringLiteral("%1 : %2").arg(t.range, m.gamme));
    y += line;
    const QStringList columns{QString(), tr("Rapport mesure"), tr("Ecart"),
                              tr("Tolerance \u00b1%1 %").arg(e.tolerance)};
    for (int c = 0; c < columns.size(); ++c)
        p.drawText(QRect(c * w / 4, y, w / 4, line), Qt::AlignLeft, columns[c]);
    y += line;
    p.setFont(body);
    for (int i = 0; i < Qvx2::RatioShown; ++i) {
        const RatioEvaluation::Deviation &d = e.deviations[size_t(i)];
        const QStringList cells{t.ratios[i], m.ratios[size_t(i)],
                                d.valid ? RatioEvaluation::percentText(d.percent) : QString(),
                                d.valid ? (d.within ? t.within : t.outside) : QString()};
        for (int c = 0; c < cells.size(); ++c)
            p.drawText(QRect(c * w / 4, y, w / 4, line), Qt::AlignLeft, cells[c]);
        y += line;
    }
    p.drawText(QRect(0, y, w, line), Qt::AlignLeft,
               QStringLiteral("%1 : %2").arg(t.rated, e.hasRated() ? RatioEvaluation::ratioText(e.rated)
                                                                   : tr("non disponible")));
    y += line + line / 2;

    // The curves, drawn as vectors, whatever the window's view.
    const int plotHeight = w * 9 / 20;
    {
        const CurvePlot::WholeRecord whole(ui->reponsePlot);
        QwtPlotRenderer().render(ui->reponsePlot, &p, QRectF(0, y, w, plotHeight));
    }
    y += plotHeight + line / 2;

    // Comment, in what room is left above the signature and the footer.
    const int bottom = page.height() - 4 * line;
    p.setFont(bold);
    p.drawText(QRect(0, y, w, line), Qt::AlignLeft, t.comment);
    y += line;
    p.setFont(body);
    drawText(p, QRect(0, y, w, qMax(0, bottom - y - line)), Qt::AlignLeft | Qt::AlignTop, m.comment);

    // Date of the export, signature line, footer.
    const int sign = page.height() - 3 * line;
    p.drawText(
        QRect(0, sign, half, line), Qt::AlignLeft,
        tr("Exporte le %1").arg(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)));
    p.drawText(QRect(half, sign, half, line), Qt::AlignLeft, tr("Signature :"));
    p.drawLine(half + w / 6, sign + line * 4 / 5, w, sign + line * 4 / 5);
    p.setPen(Qt::darkGray);
    p.drawLine(0, page.height() - line - line / 4, w, page.height() - line - line / 4);
    p.drawText(QRect(0, page.height() - line, w, line), Qt::AlignLeft,
               QStringLiteral("%1 %2 \u2014 %3")
                   .arg(QLatin1String(Qvx2::ProductName), QLatin1String(Qvx2::ProductVersion),
                        m_titleFile.isEmpty() ? tr("mesure non enregistree") : m_titleFile));
    p.drawText(QRect(0, page.height() - line, w, line), Qt::AlignRight, tr("page 1 / 1"));
    return p.end();
}
