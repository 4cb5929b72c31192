#include "xmlmesure.h"

#include "format.h"
#include "identification.h"
#include "measurement.h"
#include "numbers.h"
#include "xmlreader.h"
#include "xmlwriter.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>

namespace
{

// Beside the date of a document whose date is a download's that no one confirmed (the instrument's lines
// carry none): only such documents hold it.
constexpr char DateOriginElement[] = "date_origine";
constexpr char DateOriginDownload[] = "telechargement";

// An item of <info>: an identification field, the measured range, or the date's origin.
bool readInfo(Measurement *m, const QString &element, const QString &text)
{
    for (const IdentificationField &f : Identification::Fields) {
        if (element != QLatin1String(f.element))
            continue;
        if (f.member)
            m->*f.member = text;
        else
            m->date = QDate::fromString(text, QLatin1String(Identification::DocumentDateFormat));
        return true;
    }
    if (element == QLatin1String(Identification::RangeElement))
        m->gamme = text;
    else if (element == QLatin1String(DateOriginElement))
        m->dateIsDownload = text == QLatin1String(DateOriginDownload);
    else
        return false;
    return true;
}

// Every item <info> may hold, in the order a document keeps them.
QStringList infoElements()
{
    QStringList elements;
    for (const IdentificationField &f : Identification::Fields)
        elements << QLatin1String(f.element);
    return elements << QLatin1String(Identification::RangeElement) << QLatin1String(DateOriginElement);
}

// Whole values as plain integers ("512", "-37"), anything else in its shortest decimal form.
QString coordinate(double value)
{
    if (std::isfinite(value) && value == std::trunc(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value, 'f', 0);
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

XmlMesure::XmlMesure(const QString &fileName, XmlAction mode)
{
    switch (mode) {
    case Create:
        m_writer = std::make_unique<xmlwriter>(fileName, QStringLiteral("OrvaXML"));
        m_root = m_writer->createElement("OrvaQuardane");
        m_info = m_writer->createElement("info", &m_root);
        m_tests = m_writer->createElement("tests", &m_root);
        m_rapports = m_writer->createElement("rapports", &m_root);
        m_graph = m_writer->createElement("graph", &m_root);
        m_comment = m_writer->createElement("comment", &m_root);
        m_recup = m_writer->createElement("recup", &m_root);
        break;
    case Read: {
        m_reader = std::make_unique<xmlreader>(fileName);
        const auto lookUp = [this](QDomElement &handle, const char *tag, const char *diagnostic) {
            handle = m_reader->findElement(tag, &m_root);
            if (handle.isNull())
                qDebug() << diagnostic;
        };
        m_root = m_reader->findElement("OrvaQuardane");
        if (m_root.isNull())
            qDebug() << "m_root isNull";
        lookUp(m_info, "info", "m_info isNull");
        lookUp(m_tests, "tests", "m_tests isNull");
        lookUp(m_rapports, "rapports", "m_rapports isNull");
        lookUp(m_graph, "graph", "m_graph isNull");
        lookUp(m_comment, "comment", "m_comment isNull");
        lookUp(m_recup, "recup", "m_recup isNull");
        break;
    }
    default:
        break;
    }
}

XmlMesure::~XmlMesure() = default;

void XmlMesure::setInfo(const QString &tag, const QString &text)
{
    if (m_writer)
        m_writer->createTextElement(tag, text, &m_info);
}

void XmlMesure::setTest(unsigned num, bool res, const QString &text)
{
    if (!m_writer)
        return;
    QDomElement test = m_writer->createElement("test", &m_tests);
    test.setAttribute("num", QString::number(num));
    test.setAttribute("res", res ? QStringLiteral("1") : QStringLiteral("0"));
    test.setAttribute("text", text);
}

void XmlMesure::setRapport(unsigned num, const QString &val)
{
    if (!m_writer)
        return;
    QDomElement rapport = m_writer->createElement("rapport", &m_rapports);
    rapport.setAttribute("num", QString::number(num));
    rapport.setAttribute("val", val);
}

void XmlMesure::setCurve(int num, const QVector<QPointF> &points)
{
    if (!m_writer)
        return;
    QDomElement curve = m_writer->createElement("curve", &m_graph);
    curve.setAttribute("num", QString::number(num));
    for (const QPointF &p : points) {
        QDomElement point = m_writer->createElement("point", &curve);
        point.setAttribute("x", coordinate(p.x()));
        point.setAttribute("y", coordinate(p.y()));
    }
}

void XmlMesure::setComment(const QString &text)
{
    if (m_writer)
        m_comment.setAttribute("text", text);
}

void XmlMesure::setRecup(const QString &text)
{
    if (m_writer)
        m_recup.setAttribute("text", text);
}

bool XmlMesure::write()
{
    return m_writer ? m_writer->write() : false;
}

QString XmlMesure::getInfo(const QString &tag) const
{
    return m_reader ? m_reader->getText(tag, &m_info) : QString();
}

TestRecord XmlMesure::getTest(int num) const
{
    TestRecord record;
    record.num = num;
    if (!m_reader)
        return record;
    for (const QDomElement &test : m_reader->findElements("test", &m_tests)) {
        if (test.attribute("num").toInt() == num) {
            record.res = test.attribute("res").toInt() == 1;
            record.text = test.attribute("text");
            break;
        }
    }
    return record;
}

QString XmlMesure::getRapport(unsigned num) const
{
    if (!m_reader)
        return QString();
    for (const QDomElement &rapport : m_reader->findElements("rapport", &m_rapports)) {
        if (rapport.attribute("num").toUInt() == num)
            return rapport.attribute("val");
    }
    return QString();
}

QVector<QPointF> XmlMesure::getCurve(int num) const
{
    QVector<QPointF> points;
    if (!m_reader)
        return points;
    for (const QDomElement &curve : m_reader->findElements("curve", &m_graph)) {
        if (curve.attribute("num").toInt() != num)
            continue;
        for (const QDomElement &point : m_reader->findElements("point", &curve))
            points.append(QPointF(point.attribute("x").toInt(), point.attribute("y").toInt()));
        break;
    }
    return points;
}

QString XmlMesure::getComData() const
{
    if (m_comment.isNull())
        qDebug() << "getComData(): can't get comment data";
    return m_reader ? m_comment.attribute("text") : QString();
}

QString XmlMesure::getRecup() const
{
    return m_reader ? m_recup.attribute("text") : QString();
}

bool XmlMesure::isDocument() const
{
    return m_reader && !m_root.isNull();
}

QString XmlMesure::refusal() const
{
    if (isDocument() || !m_reader)
        return QString();
    if (!m_reader->isValid())
        return m_reader->refusal();
    const QDomElement root = m_reader->document().documentElement();
    return tr("son element racine est %1 et non OrvaQuardane").arg(root.tagName());
}

Result XmlMesure::save(const Measurement &m, const QString &fileName)
{
    XmlMesure doc(fileName, Create);
    for (const IdentificationField &f : Identification::Fields)
        doc.setInfo(QLatin1String(f.element), f.text(m));
    doc.setInfo(QLatin1String(Identification::RangeElement), m.gamme);
    for (unsigned r = 0; r < Qvx2::RatioShown; ++r)
        doc.setRapport(r, m.ratios[r] ? Format::plain(*m.ratios[r], 2) : QString());
    for (int c = 0; c < Qvx2::CurveCount; ++c)
        doc.setCurve(c, m.curves[size_t(c)]);
    for (unsigned n = 0; n < Qvx2::TestCount; ++n)
        doc.setTest(n, m.passed(int(n)), QStringLiteral("Resultat test %1").arg(n));
    if (m.dateIsDownload)
        doc.setInfo(QLatin1String(DateOriginElement), QLatin1String(DateOriginDownload));
    doc.setComment(m.comment);
    doc.setRecup(m.capture);
    if (doc.write())
        return Result::ok();
    return Result::failed(Result::Code::RefusedFile,
                          tr("Le fichier %1 n'a pas pu etre ecrit (%2).")
                              .arg(QDir::toNativeSeparators(fileName), doc.m_writer->errorString()));
}

Result XmlMesure::load(const QString &fileName, Measurement *m)
{
    const XmlMesure doc(fileName, Read);
    if (!doc.isDocument())
        return Result::failed(Result::Code::RefusedFile,
                              tr("Le fichier %1 n'est pas un document de mesure : %2.")
                                  .arg(QDir::toNativeSeparators(fileName), doc.refusal()));
    for (const QString &element : infoElements())
        readInfo(m, element, doc.getInfo(element));
    for (unsigned r = 0; r < Qvx2::RatioShown; ++r)
        m->ratios[r] = Numbers::decimal(doc.getRapport(r));
    for (int n = 0; n < Qvx2::TestCount; ++n)
        m->verdicts[size_t(n)] =
            doc.getTest(n).res ? Measurement::Verdict::Passed : Measurement::Verdict::Failed;
    for (int c = 0; c < Qvx2::CurveCount; ++c)
        m->curves[size_t(c)] = doc.getCurve(c);
    m->comment = Measurement::asParagraphs(doc.getComData());
    m->capture = Measurement::asParagraphs(doc.getRecup());
    return Result::ok();
}

bool XmlMesure::summary(const QString &fileName, Measurement *m)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > xmlreader::MaxFileSize)
        return false;
    m->verdicts.fill(Measurement::Verdict::Failed);
    QXmlStreamReader xml(&file);
    QStringList open;   // the elements the reader is in
    QSet<QString> seen; // the first of duplicates counts, as when the document is opened
    QSet<QString> seenSections;
    QSet<int> seenTests, seenCurves, seenRatios;
    int curve = -1; // the curve whose points are being read
    bool rooted = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isDTD() && (!xml.entityDeclarations().isEmpty() || !xml.notationDeclarations().isEmpty() ||
                            xml.text().contains(QLatin1Char('['))))
            return false;
        if (xml.isEndElement()) {
            open.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (open.isEmpty() && (rooted || name != QLatin1String("OrvaQuardane")))
            return false;
        rooted = true;
        const QString parent = open.value(open.size() - 1);
        const QXmlStreamAttributes a = xml.attributes();
        if (open.size() == 1 && (name == QLatin1String("graph") || name == QLatin1String("recup") ||
                                 name == QLatin1String("comment"))) {
            if (seenSections.contains(name.toString())) {
                xml.skipCurrentElement(); // only the first is read
                continue;
            }
            seenSections.insert(name.toString());
            if (name == QLatin1String("recup"))
                m->capture = Measurement::asParagraphs(a.value(QLatin1String("text")).toString());
            else if (name == QLatin1String("comment"))
                m->comment = Measurement::asParagraphs(a.value(QLatin1String("text")).toString());
        } else if (open.size() == 2 && parent == QLatin1String("info")) {
            const QString field = name.toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (seen.contains(field))
                continue;
            seen.insert(field);
            readInfo(m, field, text);
            continue;
        } else if (open.size() == 2 && parent == QLatin1String("graph") && name == QLatin1String("curve")) {
            curve = a.value(QLatin1String("num")).toInt();
            if (curve < 0 || curve >= Qvx2::CurveCount || seenCurves.contains(curve))
                curve = -1;
            else
                seenCurves.insert(curve);
        } else if (open.size() == 3 && parent == QLatin1String("curve") && name == QLatin1String("point")) {
            if (curve >= 0)
                m->curves[size_t(curve)].append(
                    QPointF(a.value(QLatin1String("x")).toInt(), a.value(QLatin1String("y")).toInt()));
        } else if (parent == QLatin1String("tests") && name == QLatin1String("test")) {
            const int n = a.value(QLatin1String("num")).toInt();
            if (n >= 0 && n < Qvx2::TestCount && !seenTests.contains(n)) {
                seenTests.insert(n);
                if (a.value(QLatin1String("res")).toInt() == 1)
                    m->verdicts[size_t(n)] = Measurement::Verdict::Passed;
            }
        } else if (parent == QLatin1String("rapports") && name == QLatin1String("rapport")) {
            const uint n = a.value(QLatin1String("num")).toUInt();
            if (n < Qvx2::RatioShown && !seenRatios.contains(int(n))) {
                seenRatios.insert(int(n));
                m->ratios[n] = Numbers::decimal(a.value(QLatin1String("val")).toString());
            }
        }
        open << name.toString();
    }
    return rooted && !xml.hasError();
}
