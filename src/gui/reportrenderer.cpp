#include "reportrenderer.h"

#include "curveplot.h"
#include "format.h"
#include "identification.h"
#include "xmlconf.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <qwt_plot_renderer.h>

#include <algorithm>

namespace
{
constexpr int PdfDpi = 300;
constexpr double MarginMm = 15;
constexpr double PictureWidthMm = 277; // A4 landscape less its margins: a picture that fits a page as it is
constexpr double PictureHeightMm = 150;
constexpr int PictureDpi = 200;
const QColor Failed(0xb0, 0x00, 0x20);
const QColor Passed(0x1b, 0x5e, 0x20);
const QColor Muted(0x55, 0x55, 0x55);
const QColor Stripe(0xf0, 0xf0, 0xf0);

// Lengths in device pixels, from millimetres.
struct Units {
    int dpi;
    int mm(double millimetres) const { return qRound(millimetres * dpi / 25.4); }
};

// Draws wrapped text in a column and answers the height it took.
int text(QPainter &p, const QRect &column, const QString &text, int flags = Qt::AlignLeft | Qt::AlignTop)
{
    QRect used;
    p.drawText(column, flags | Qt::TextWordWrap, text, &used);
    return text.isEmpty() ? p.fontMetrics().height() : used.height();
}

// The height a text takes wrapped in this width.
int heightOf(QPainter &p, int width, const QString &text)
{
    if (text.isEmpty())
        return p.fontMetrics().height();
    return p.boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
        .height();
}

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString product()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(Qvx2::ProductName), QLatin1String(Qvx2::ProductVersion));
}
} // namespace

ReportRenderer::ReportRenderer(CurvePlot *plot, QObject *parent) : QObject(parent), m_plot(plot) {}

QString ReportRenderer::overallVerdict(const Measurement &m, const ReportTexts &t)
{
    int passed = 0, failed = 0;
    for (int i = 0; i < Qvx2::TestCount; ++i) {
        passed += m.verdicts[size_t(i)] == Measurement::Verdict::Passed ? 1 : 0;
        failed += m.verdicts[size_t(i)] == Measurement::Verdict::Failed ? 1 : 0;
    }
    if (failed > 0)
        return tr("%1 : %2 / %3").arg(t.failed).arg(failed).arg(Qvx2::TestCount);
    return tr("%1 / %2 %3").arg(passed).arg(Qvx2::TestCount).arg(t.passed);
}

bool ReportRenderer::writePdf(QIODevice *device, const Report &report)
{
    QPdfWriter pdf(device);
    pdf.setResolution(PdfDpi);
    pdf.setTitle(tr("Rapport d'essai QUARVEN 2"));
    pdf.setCreator(product());
    return paintPage(&pdf, report);
}

bool ReportRenderer::print(QPrinter *printer, const Report &report)
{
    return paintPage(printer, report);
}

bool ReportRenderer::paintPage(QPagedPaintDevice *device, const Report &report)
{
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setPageOrientation(QPageLayout::Portrait);
    device->setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(device))
        return false;
    paint(p, p.viewport(), device->logicalDpiY(), report);
    return p.end();
}

void ReportRenderer::paint(QPainter &p, const QRect &page, int dpi, const Report &r)
{
    const Units u{dpi};
    const Measurement &m = r.measurement;
    const ReportTexts &t = r.texts;
    const RatioEvaluation &e = r.evaluation;
    const int w = page.width();
    const int gap = u.mm(1.5);
    int y = 0;

    // Title, and the overall verdict where the eye lands first.
    const QString verdict = overallVerdict(m, t);
    bool anyFailed = false;
    for (const Measurement::Verdict v : m.verdicts)
        anyFailed = anyFailed || v == Measurement::Verdict::Failed;
    p.setFont(font(12, true));
    // Some slack over the measured width: a printer's metrics differ from the screen's by a little, and
    // the verdict must not break over two lines.
    const int verdictWidth = qMin(w / 3, p.fontMetrics().horizontalAdvance(verdict) + u.mm(7));
    const int verdictHeight = heightOf(p, verdictWidth - u.mm(4), verdict) + u.mm(2);
    p.fillRect(QRect(w - verdictWidth, 0, verdictWidth, verdictHeight), anyFailed ? Failed : Passed);
    p.setPen(Qt::white);
    text(p, QRect(w - verdictWidth + u.mm(2), u.mm(1), verdictWidth - u.mm(4), verdictHeight), verdict,
         Qt::AlignHCenter | Qt::AlignTop);
    p.setPen(Qt::black);
    p.setFont(font(15, true));
    y = qMax(verdictHeight,
             text(p, QRect(0, 0, w - verdictWidth - u.mm(3), u.mm(30)), tr("Rapport d'essai QUARVEN 2")));
    y += gap;
    p.setFont(font(8));
    p.setPen(Muted);
    const QString instrument = r.instrument.isEmpty() ? tr("non connu") : r.instrument;
    y += text(p, QRect(0, y, w, u.mm(20)),
              tr("Appareil : %1     Logiciel : %2 (version %3)")
                  .arg(instrument, product(), QStringLiteral(QVX_VERSION))) +
         gap;
    p.setPen(Qt::black);

    // Identification, two fields a row; each value wraps within its column.
    const int half = (w - u.mm(4)) / 2;
    const int labelWidth = half * 2 / 5;
    const int valueWidth = half - labelWidth - u.mm(2);
    // A value as the form shows it: the date in the locale's form, "Oui" and the like in the language.
    const auto valueOf = [&m](int field) {
        const IdentificationField &f = Identification::Fields[size_t(field)];
        return f.member ? XmlConf::shown(m.*f.member) : Format::date(m.date);
    };
    for (int i = 0; i < Identification::Count; i += 2) {
        int rowHeight = 0;
        for (int k = 0; k < 2 && i + k < Identification::Count; ++k) {
            const QString value = valueOf(i + k);
            p.setFont(font(8.5, true));
            rowHeight = qMax(rowHeight, heightOf(p, labelWidth, t.identification.value(i + k)));
            p.setFont(font(8.5));
            rowHeight = qMax(rowHeight, heightOf(p, valueWidth, value));
        }
        for (int k = 0; k < 2 && i + k < Identification::Count; ++k) {
            const int x = k * (half + u.mm(4));
            p.setFont(font(8.5, true));
            text(p, QRect(x, y, labelWidth, rowHeight), t.identification.value(i + k));
            p.setFont(font(8.5));
            text(p, QRect(x + labelWidth + u.mm(2), y, valueWidth, rowHeight), valueOf(i + k));
        }
        y += rowHeight + u.mm(0.8);
    }
    y += gap;

    // The nineteen tests, one row each: number, full name (wrapped, never cut), verdict in words.
    p.setFont(font(10, true));
    y += text(p, QRect(0, y, w, u.mm(10)), tr("Resultats des tests")) + u.mm(0.5);
    p.setFont(font(8));
    int verdictColumn = 0;
    for (const QString &word : {t.passed, t.failed, t.none})
        verdictColumn =
            qMax(verdictColumn, p.fontMetrics().horizontalAdvance(word + QStringLiteral(" \u2717")));
    verdictColumn += u.mm(2);
    const int numberColumn = u.mm(7);
    const int nameColumn = w - numberColumn - verdictColumn;
    for (int i = 0; i < Qvx2::TestCount; ++i) {
        const Measurement::Verdict v = m.verdicts[size_t(i)];
        const QString word = v == Measurement::Verdict::Passed   ? t.passed + QStringLiteral(" \u2713")
                             : v == Measurement::Verdict::Failed ? t.failed + QStringLiteral(" \u2717")
                                                                 : t.none;
        const int rowHeight = heightOf(p, nameColumn - u.mm(1), t.tests.value(i)) + u.mm(0.4);
        if (i % 2 == 1)
            p.fillRect(QRect(0, y, w, rowHeight), Stripe);
        text(p, QRect(0, y, numberColumn - u.mm(1), rowHeight), QString::number(i + 1), Qt::AlignRight);
        text(p, QRect(numberColumn, y, nameColumn - u.mm(1), rowHeight), t.tests.value(i));
        p.setPen(v == Measurement::Verdict::Failed ? Failed : QColor(Qt::black));
        text(p, QRect(numberColumn + nameColumn, y, verdictColumn, rowHeight), word);
        p.setPen(Qt::black);
        y += rowHeight;
    }
    y += gap;

    // Range, ratios against the nameplate.
    p.setFont(font(8.5, true));
    y += text(p, QRect(0, y, w, u.mm(10)), QStringLiteral("%1 : %2").arg(t.range, m.gamme.trimmed()));
    if (e.rangeDisagrees) {
        p.setPen(Failed);
        y += text(p, QRect(0, y, w, u.mm(15)),
                  tr("La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.")
                      .arg(m.gamme.trimmed(), m.tensionHt));
        p.setPen(Qt::black);
    }
    const int columns[] = {w * 30 / 100, w * 20 / 100, w * 20 / 100, w * 30 / 100};
    const QStringList heads{QString(), tr("Rapport mesure"), tr("Ecart"),
                            tr("Tolerance %1").arg(Format::tolerance(e.tolerance))};
    const auto tableRow = [&](const QStringList &cells, const QColor &last) {
        int height = 0;
        for (int c = 0; c < cells.size(); ++c)
            height = qMax(height, heightOf(p, columns[c] - u.mm(2), cells[c]));
        int x = 0;
        for (int c = 0; c < cells.size(); ++c) {
            p.setPen(c == cells.size() - 1 ? last : QColor(Qt::black));
            text(p, QRect(x, y, columns[c] - u.mm(2), height), cells[c]);
            x += columns[c];
        }
        p.setPen(Qt::black);
        y += height + u.mm(0.3);
    };
    tableRow(heads, Qt::black);
    p.setFont(font(8.5));
    for (int i = 0; i < Qvx2::RatioShown; ++i) {
        const RatioEvaluation::Deviation &d = e.deviations[size_t(i)];
        tableRow({t.ratios.value(i), Format::ratio(m.ratios[size_t(i)]),
                  d.valid ? Format::percent(d.percent) : QString(),
                  d.valid ? (d.within ? t.within : t.outside) : QString()},
                 d.valid && !d.within ? Failed : QColor(Qt::black));
    }
    y += text(p, QRect(0, y, w, u.mm(10)),
              QStringLiteral("%1 : %2").arg(t.rated,
                                            e.hasRated() ? Format::ratio(e.rated) : tr("non disponible"))) +
         gap;

    // The footer's place is kept; the plot and the comment share what is left.
    p.setFont(font(8));
    const int footer = 4 * p.fontMetrics().height() + u.mm(8);
    // The comment's heading and text, as much of it as the plot's smallest height leaves room for.
    p.setFont(font(8.5));
    const int commentNeeds = heightOf(p, w, m.comment.trimmed()) + 2 * p.fontMetrics().height() + gap;
    const int plotHeight = qBound(u.mm(40), page.height() - footer - commentNeeds - y - gap, u.mm(85));
    if (m_plot) {
        const CurvePlot::WholeRecord whole(m_plot);
        QwtPlotRenderer().render(m_plot, &p, QRectF(0, y, w, plotHeight));
    }
    y += plotHeight + gap;

    // The comment, in the room that is left: what would run into the footer ends with an ellipsis.
    p.setFont(font(8.5, true));
    y += text(p, QRect(0, y, w, u.mm(10)), t.comment);
    p.setFont(font(8.5));
    const int room = qMax(0, page.height() - footer - y);
    QString comment = m.comment.trimmed();
    while (!comment.isEmpty() && heightOf(p, w, comment) > room) {
        const int cut = comment.lastIndexOf(QRegularExpression(QStringLiteral("\\s")));
        comment = cut > 0 ? comment.left(cut) : QString();
        if (heightOf(p, w, comment + QStringLiteral(" \u2026")) <= room) {
            comment += QStringLiteral(" \u2026");
            break;
        }
    }
    if (room > 0)
        text(p, QRect(0, y, w, room), comment);

    // Date of the report, signature, footer.
    p.setFont(font(8));
    const int lineHeight = p.fontMetrics().height();
    const int sign = page.height() - 3 * lineHeight - u.mm(4);
    text(p, QRect(0, sign, w / 2 - u.mm(2), 2 * lineHeight),
         tr("Exporte le %1").arg(Format::dateTime(QDateTime::currentDateTime())));
    const QString signature = tr("Signature :");
    text(p, QRect(w / 2, sign, w / 2, lineHeight), signature);
    const int signX = w / 2 + p.fontMetrics().horizontalAdvance(signature) + u.mm(2);
    p.drawLine(signX, sign + lineHeight, w, sign + lineHeight);
    p.setPen(Qt::darkGray);
    const int foot = page.height() - lineHeight;
    p.drawLine(0, foot - u.mm(1), w, foot - u.mm(1));
    const QString pageText = tr("page 1 / 1");
    const int pageWidth = p.fontMetrics().horizontalAdvance(pageText) + u.mm(2);
    text(p, QRect(0, foot, w - pageWidth, lineHeight),
         p.fontMetrics().elidedText(
             QStringLiteral("%1 \u2014 %2")
                 .arg(product(), r.documentName.isEmpty() ? tr("mesure non enregistree") : r.documentName),
             Qt::ElideMiddle, w - pageWidth));
    text(p, QRect(w - pageWidth, foot, pageWidth, lineHeight), pageText, Qt::AlignRight);
    p.setPen(Qt::black);
}

bool ReportRenderer::writePicture(QIODevice *device, const QString &format, const Report &report)
{
    if (!m_plot)
        return false;
    const Units u{PictureDpi};
    const QSize size(u.mm(PictureWidthMm), u.mm(PictureHeightMm));
    const CurvePlot::WholeRecord whole(m_plot); // the record as it is, not the view the user zoomed into
    const Measurement &m = report.measurement;
    // A title line names the record: substation, transformer, date.
    const QString title =
        QStringLiteral("%1 \u2014 %2 \u2014 %3").arg(m.poste, m.numTransfo, Format::date(m.date));
    const auto draw = [&](QPainter &p) {
        p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        QFont f = font(11, true);
        p.setFont(f);
        const int titleHeight =
            text(p, QRect(u.mm(3), u.mm(2), size.width() - u.mm(6), u.mm(20)), title) + u.mm(3);
        QwtPlotRenderer().render(m_plot, &p,
                                 QRectF(0, titleHeight, size.width(), size.height() - titleHeight));
    };
    if (format == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(device);
        svg.setResolution(PictureDpi);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter p(&svg);
        draw(p);
        return p.end();
    }
    QImage image(size, QImage::Format_ARGB32);
    image.setDotsPerMeterX(qRound(PictureDpi / 0.0254));
    image.setDotsPerMeterY(qRound(PictureDpi / 0.0254));
    {
        QPainter p(&image);
        draw(p);
    }
    return image.save(device, "PNG");
}
