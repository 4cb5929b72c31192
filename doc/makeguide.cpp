// Renders a user guide written in HTML (the subset QTextDocument reads) with its pictures into an A4 PDF:
// a title page, a table of contents, then the body with a running header and page numbers.
//
//   qvx2-makeguide GUIDE.html OUT.pdf [--lang fr|en|ng|sv|ru] [--version TEXT] [--logo PICTURE]
//
// Pictures wider than the text or taller than most of a page are scaled down to fit, and headings are
// never left alone at the foot of a page.

#include <QAbstractTextDocumentLayout>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <QVector>
#include <cmath>
#include <cstdio>

namespace
{

constexpr int Dpi = 300;
constexpr qreal CssDpi = 96; // picture sizes in HTML are counted in these pixels

// Page geometry in millimetres.
constexpr qreal MarginLeft = 20;
constexpr qreal MarginRight = 20;
constexpr qreal MarginTop = 24;
constexpr qreal MarginBottom = 22;
constexpr qreal HeaderBaseline = 15;    // from the top edge
constexpr qreal FooterBaseline = 12;    // from the bottom edge
constexpr qreal MaxPictureShare = 0.75; // of the text height, so that a picture leaves room for its caption

const QColor Accent(0x0b, 0x3d, 0x91); // the blue of the logo

qreal mm(qreal millimetres)
{
    return millimetres * Dpi / 25.4;
}

// The few words the tool adds around the guide's own text.
struct Words {
    QString subtitle;
    QString versionLine;
    QString contents;
    QString page;
};

Words wordsFor(const QString &lang)
{
    if (lang == QLatin1String("fr"))
        return {QStringLiteral("Logiciel PC du testeur de transformateurs\nGuide d'utilisation"),
                QStringLiteral("Version du logiciel : %1"), QStringLiteral("Sommaire"),
                QStringLiteral("Page %1 sur %2")};
    if (lang == QLatin1String("ng"))
        return {QStringLiteral("PC-program for transformatortesteren\nBrukerveiledning"),
                QStringLiteral("Programversjon: %1"), QStringLiteral("Innhold"),
                QStringLiteral("Side %1 av %2")};
    if (lang == QLatin1String("sv"))
        return {QStringLiteral("PC-program för transformatorprovaren\nAnvändarhandbok"),
                QStringLiteral("Programversion: %1"), QStringLiteral("Innehåll"),
                QStringLiteral("Sida %1 av %2")};
    if (lang == QLatin1String("ru"))
        return {QStringLiteral("Программа для ПК к тестеру трансформаторов\nРуководство пользователя"),
                QStringLiteral("Версия программы: %1"), QStringLiteral("Содержание"),
                QStringLiteral("Страница %1 из %2")};
    return {QStringLiteral("PC software of the transformer tester\nUser guide"),
            QStringLiteral("Software version: %1"), QStringLiteral("Contents"),
            QStringLiteral("Page %1 of %2")};
}

const char StyleSheet[] = R"(
body { font-family: 'DejaVu Sans'; font-size: 10pt; color: #1a1a1a; }
h1 { font-size: 17pt; color: #0b3d91; margin-top: 6px; margin-bottom: 10px; }
h2 { font-size: 13pt; color: #0b3d91; margin-top: 16px; margin-bottom: 6px; }
h3 { font-size: 11pt; color: #333333; margin-top: 12px; margin-bottom: 4px; }
p { margin-top: 3px; margin-bottom: 6px; }
li { margin-bottom: 3px; }
p.caption { font-size: 8.5pt; color: #555555; font-style: italic; margin-bottom: 12px; }
p.note { background-color: #eef3fb; }
p.picture { margin-top: 8px; margin-bottom: 2px; }
code, tt { font-family: 'DejaVu Sans Mono'; font-size: 9pt; }
pre { font-family: 'DejaVu Sans Mono'; font-size: 9pt; background-color: #f2f2f2; }
th { background-color: #dfe7f5; font-weight: bold; }
)";

struct Heading {
    int level;
    QString text;
    int page; // of the body, from 0
};

class Guide
{
public:
    Guide(QPdfWriter &writer, const Words &words) : m_writer(writer), m_words(words) {}

    bool load(const QString &htmlFile)
    {
        QFile file(htmlFile);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "qvx2-makeguide: cannot read %s\n", qPrintable(htmlFile));
            return false;
        }
        m_body.documentLayout()->setPaintDevice(&m_writer);
        m_body.setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
        m_body.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        m_body.setDocumentMargin(0);
        m_body.setBaseUrl(QUrl::fromLocalFile(QFileInfo(htmlFile).absolutePath() + QLatin1Char('/')));
        m_body.setPageSize(textArea().size());
        m_body.setHtml(QString::fromUtf8(file.readAll()));
        m_title = m_body.metaInformation(QTextDocument::DocumentTitle);
        return fitPictures();
    }

    QString title() const { return m_title; }

    void paginate()
    {
        // Each pass moves one block that ends a page to the next one; moving it can only push later blocks
        // further, so the passes go down the document once.
        for (int pass = 0; pass < 500; ++pass)
            if (!keepNextBlockTogether())
                break;
        m_headings.clear();
        for (QTextBlock b = m_body.begin(); b.isValid(); b = b.next()) {
            const int level = b.blockFormat().headingLevel();
            if (level == 1 || level == 2)
                m_headings.append({level, b.text().trimmed(), pageOf(b)});
        }
    }

    bool write(const QString &version, const QImage &logo)
    {
        QTextDocument contents;
        buildContents(contents, 0);
        const int contentsPages = contents.pageCount();
        const int firstBodyPage = 1 + contentsPages;
        buildContents(contents, firstBodyPage);
        const int total = firstBodyPage + m_body.pageCount();

        QPainter painter(&m_writer);
        if (!painter.isActive())
            return false;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        drawTitlePage(painter, version, logo);
        int physical = 1;
        for (int p = 0; p < contentsPages; ++p) {
            m_writer.newPage();
            ++physical;
            drawPageFrame(painter, physical, total, m_words.contents);
            drawDocumentPage(painter, contents, p);
        }
        for (int p = 0; p < m_body.pageCount(); ++p) {
            m_writer.newPage();
            ++physical;
            drawPageFrame(painter, physical, total, chapterOn(p));
            drawDocumentPage(painter, m_body, p);
        }
        m_total = total;
        return painter.end();
    }

    int pages() const { return m_total; }

private:
    QRectF page() const { return QRectF(0, 0, m_writer.width(), m_writer.height()); }

    // Whole device pixels: the layout stacks the pages at multiples of their height, and a fraction would
    // drift a little further from the drawn pages at each page.
    QRectF textArea() const
    {
        const QRectF full = page();
        return QRectF(mm(MarginLeft), mm(MarginTop), std::floor(full.width() - mm(MarginLeft + MarginRight)),
                      std::floor(full.height() - mm(MarginTop + MarginBottom)));
    }

    // Scales every picture down to the text width and to most of the text height; a missing picture
    // fails the build rather than leaving a hole in the guide.
    bool fitPictures()
    {
        const qreal toCss = CssDpi / Dpi;
        // A pixel to spare: the layout rounds picture sizes to whole pixels.
        const qreal maxWidth = std::floor(textArea().width() * toCss) - 1;
        const qreal maxHeight = textArea().height() * toCss * MaxPictureShare;
        struct Fix {
            int position;
            int length;
            QTextImageFormat format;
        };
        QVector<Fix> fixes;
        bool ok = true;
        for (QTextBlock b = m_body.begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (!f.charFormat().isImageFormat())
                    continue;
                QTextImageFormat format = f.charFormat().toImageFormat();
                const QImage image = pictureOf(format.name());
                if (image.isNull()) {
                    std::fprintf(stderr, "qvx2-makeguide: missing picture %s\n", qPrintable(format.name()));
                    ok = false;
                    continue;
                }
                QSizeF size = image.size();
                if (format.width() > 0)
                    size = QSizeF(format.width(), format.width() * image.height() / image.width());
                const qreal scale = qMin(1.0, qMin(maxWidth / size.width(), maxHeight / size.height()));
                format.setWidth(size.width() * scale);
                format.setHeight(size.height() * scale);
                fixes.append({f.position(), f.length(), format});
            }
        }
        for (const Fix &fix : qAsConst(fixes)) {
            QTextCursor cursor(&m_body);
            cursor.setPosition(fix.position);
            cursor.setPosition(fix.position + fix.length, QTextCursor::KeepAnchor);
            cursor.setCharFormat(fix.format);
        }
        relayout();
        return ok;
    }

    // After a change of formats the layout only redoes the changed blocks, and with pagination it can leave
    // the blocks after a picture without lines (neither measured nor drawn): lay the whole document out
    // again.
    void relayout()
    {
        m_body.setPageSize(m_body.pageSize());
        m_body.pageCount();
    }

    QImage pictureOf(const QString &name)
    {
        const QVariant data = m_body.resource(QTextDocument::ImageResource, QUrl(name));
        if (data.userType() == QMetaType::QImage)
            return data.value<QImage>();
        if (data.userType() == QMetaType::QPixmap)
            return data.value<QPixmap>().toImage();
        return QImage::fromData(data.toByteArray());
    }

    // The page of a block's first line, taken at its middle: a line that did not fit is moved down to the
    // next page, while the block itself still starts at the foot of the previous one.
    int pageOf(const QTextBlock &block) const
    {
        qreal y = m_body.documentLayout()->blockBoundingRect(block).top();
        if (block.layout() && block.layout()->lineCount() > 0) {
            const QTextLine first = block.layout()->lineAt(0);
            y += first.y() + first.height() / 2;
        }
        return int(y / m_body.pageSize().height());
    }

    // A heading, or a picture standing alone in its paragraph, whose following block starts on the next page
    // moves there too: a heading belongs to its text, a picture to its caption. True when one moved.
    bool keepNextBlockTogether()
    {
        for (QTextBlock b = m_body.begin(); b.isValid(); b = b.next()) {
            if (!b.next().isValid() || !(isHeading(b) || isPicture(b)))
                continue;
            if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            if (pageOf(b.next()) == pageOf(b))
                continue;
            QTextCursor cursor(b);
            if (cursor.currentTable())
                continue;
            QTextBlockFormat format = b.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
            relayout();
            return true;
        }
        return false;
    }

    static bool isHeading(const QTextBlock &b) { return b.blockFormat().headingLevel() > 0; }
    static bool isPicture(const QTextBlock &b)
    {
        return b.text() == QString(QChar::ObjectReplacementCharacter);
    }

    QString chapterOn(int bodyPage) const
    {
        QString chapter;
        for (const Heading &h : m_headings) {
            if (h.page > bodyPage)
                break;
            if (h.level == 1)
                chapter = h.text;
        }
        return chapter;
    }

    void buildContents(QTextDocument &contents, int firstBodyPage) const
    {
        QString html = QStringLiteral("<h1>%1</h1><table width='100%' cellspacing='0' cellpadding='3'>")
                           .arg(m_words.contents.toHtmlEscaped());
        for (const Heading &h : m_headings) {
            const QString number =
                firstBodyPage > 0 ? QString::number(firstBodyPage + 1 + h.page) : QString();
            if (h.level == 1)
                html += QStringLiteral("<tr><td style='padding-top:8px'><b>%1</b></td>"
                                       "<td align='right' style='padding-top:8px'><b>%2</b></td></tr>")
                            .arg(h.text.toHtmlEscaped(), number);
            else
                html +=
                    QStringLiteral("<tr><td style='padding-left:24px'>%1</td><td align='right'>%2</td></tr>")
                        .arg(h.text.toHtmlEscaped(), number);
        }
        html += QStringLiteral("</table>");
        contents.documentLayout()->setPaintDevice(&m_writer);
        contents.setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
        contents.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        contents.setDocumentMargin(0);
        contents.setPageSize(textArea().size());
        contents.setHtml(html);
    }

    void drawDocumentPage(QPainter &painter, QTextDocument &document, int index) const
    {
        const QRectF area = textArea();
        const qreal height = document.pageSize().height();
        painter.save();
        painter.translate(area.left(), area.top() - index * height);
        // One device pixel short: a picture moved to the next page may start right on the boundary.
        const QRectF clip(0, index * height, area.width(), height - 1);
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }

    void drawPageFrame(QPainter &painter, int number, int total, const QString &chapter) const
    {
        const QRectF full = page();
        const qreal left = mm(MarginLeft);
        const qreal right = full.width() - mm(MarginRight);
        painter.save();
        QFont small(QStringLiteral("DejaVu Sans"), 8);
        painter.setFont(small);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        const qreal lineHeight = QFontMetricsF(small, &m_writer).height();
        const QRectF header(left, mm(HeaderBaseline) - lineHeight, right - left, lineHeight);
        painter.drawText(header, Qt::AlignLeft | Qt::AlignBottom, m_title);
        painter.drawText(header, Qt::AlignRight | Qt::AlignBottom, chapter);
        painter.setPen(QPen(Accent, mm(0.3)));
        painter.drawLine(QPointF(left, mm(HeaderBaseline + 1.5)), QPointF(right, mm(HeaderBaseline + 1.5)));
        painter.setPen(QColor(0x55, 0x55, 0x55));
        const QRectF footer(left, full.height() - mm(FooterBaseline) - lineHeight, right - left, lineHeight);
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, m_words.page.arg(number).arg(total));
        painter.restore();
    }

    void drawTitlePage(QPainter &painter, const QString &version, const QImage &logo) const
    {
        const QRectF full = page();
        painter.save();
        painter.fillRect(QRectF(0, 0, full.width(), mm(8)), Accent);
        if (!logo.isNull()) {
            const qreal width = mm(90);
            const QRectF target((full.width() - width) / 2, mm(55), width,
                                width * logo.height() / logo.width());
            painter.drawImage(target, logo);
        }
        QFont big(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
        painter.setFont(big);
        painter.setPen(Accent);
        painter.drawText(QRectF(0, mm(110), full.width(), mm(20)), Qt::AlignCenter, m_title);
        QFont sub(QStringLiteral("DejaVu Sans"), 16);
        painter.setFont(sub);
        painter.setPen(QColor(0x33, 0x33, 0x33));
        painter.drawText(QRectF(0, mm(135), full.width(), mm(30)), Qt::AlignHCenter | Qt::AlignTop,
                         m_words.subtitle);
        QFont small(QStringLiteral("DejaVu Sans"), 11);
        painter.setFont(small);
        painter.drawText(QRectF(0, mm(180), full.width(), mm(10)), Qt::AlignCenter,
                         m_words.versionLine.arg(version));
        painter.fillRect(QRectF(0, full.height() - mm(8), full.width(), mm(8)), Accent);
        painter.restore();
    }

    QPdfWriter &m_writer;
    Words m_words;
    QString m_title;
    QTextDocument m_body;
    QVector<Heading> m_headings;
    int m_total = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // Picture sizes in HTML count 96 to the inch whatever screen the platform reports.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Renders a QUARVEN 2 user guide into a PDF file"));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("guide"), QStringLiteral("The guide's HTML source."));
    options.addPositionalArgument(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."));
    options.addOption({QStringLiteral("lang"),
                       QStringLiteral("Language of the added words (fr, en, ng, sv or ru)."),
                       QStringLiteral("code"), QStringLiteral("fr")});
    options.addOption({QStringLiteral("version"), QStringLiteral("Program version shown on the title page."),
                       QStringLiteral("text"), QStringLiteral("D504")});
    options.addOption(
        {QStringLiteral("logo"), QStringLiteral("Picture for the title page."), QStringLiteral("file")});
    options.process(app);
    const QStringList files = options.positionalArguments();
    if (files.size() != 2)
        options.showHelp(2);

    QPdfWriter writer(files.at(1));
    writer.setResolution(Dpi);
    writer.setCreator(QStringLiteral("qvx2-makeguide"));
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    writer.setPageLayout(layout);

    Guide guide(writer, wordsFor(options.value(QStringLiteral("lang"))));
    if (!guide.load(files.at(0)))
        return 1;
    writer.setTitle(guide.title());
    guide.paginate();
    const QString logoFile = options.value(QStringLiteral("logo"));
    if (!guide.write(options.value(QStringLiteral("version")),
                     logoFile.isEmpty() ? QImage() : QImage(logoFile))) {
        std::fprintf(stderr, "qvx2-makeguide: cannot write %s\n", qPrintable(files.at(1)));
        return 1;
    }
    std::printf("%s: %d pages\n", qPrintable(files.at(1)), guide.pages());
    return 0;
}
