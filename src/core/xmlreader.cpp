#include "xmlreader.h"

#include "xmlwriter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QPair>
#include <QVector>
#include <QXmlStreamReader>

namespace
{

enum class Load { Ok, CantOpen, Refused };

// A refusal of the file's structure, for the user: the detail stays in the reader's words.
QString structureRefused(const QString &detail)
{
    return QCoreApplication::translate("xmlreader", "sa structure est refusee (%1)").arg(detail);
}

QString malformed(qint64 line, qint64 column, const QString &error)
{
    return QCoreApplication::translate("xmlreader", "ce n'est pas du XML valide (ligne %1, colonne %2 : %3)")
        .arg(line)
        .arg(column)
        .arg(error);
}

QString tooLarge()
{
    return QCoreApplication::translate("xmlreader", "il depasse la taille admise (%1 Mo)")
        .arg(xmlreader::MaxFileSize / (1024 * 1024));
}

// Counts the attributes of every start tag straight from the bytes, before any XML reader sees them:
// QXmlStreamReader compares each attribute with all earlier ones of its element, which an element of
// millions of attributes turns into hours of work.
bool attributeCountsWithinLimit(const QByteArray &data)
{
    const char *const text = data.constData();
    const int size = data.size();
    int i = 0;
    while (i < size) {
        i = data.indexOf('<', i);
        if (i < 0)
            return true;
        const auto skipTo = [&](const char *end, int from) {
            const int at = data.indexOf(end, from);
            return at < 0 ? size : at + int(qstrlen(end));
        };
        if (qstrncmp(text + i, "<!--", 4) == 0) {
            i = skipTo("-->", i + 4);
        } else if (qstrncmp(text + i, "<![CDATA[", 9) == 0) {
            i = skipTo("]]>", i + 9);
        } else if (qstrncmp(text + i, "<?", 2) == 0) {
            i = skipTo("?>", i + 2);
        } else if (qstrncmp(text + i, "<!", 2) == 0) {
            i = skipTo(">", i + 2);
        } else {
            int attributes = 0;
            char quote = 0;
            for (++i; i < size; ++i) {
                const char c = text[i];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '=') {
                    if (++attributes > xmlreader::MaxAttributesPerElement)
                        return false;
                } else if (c == '>' || c == '<') {
                    break;
                }
            }
        }
    }
    return true;
}

// What the streaming check found: why the content must not reach the DOM parser (empty when it may), and
// the text of elements holding nothing but blanks, which the DOM parser would drop.
struct Scan {
    QString refusal;
    QVector<QPair<qint64, QString>> blankTexts; // element ordinal in document order, text
};

bool isBlank(const QStringRef &text)
{
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r'))
            return false;
    return true;
}

Scan scan(const QByteArray &data)
{
    Scan result;
    if (!attributeCountsWithinLimit(data)) {
        result.refusal = structureRefused(
            QStringLiteral("more than %1 attributes in one element").arg(xmlreader::MaxAttributesPerElement));
        return result;
    }

    struct Open {
        qint64 ordinal;
        bool blankOnly;
        QString text;
    };
    QVector<Open> open;
    qint64 elements = 0;
    qint64 nodes = 0;
    // The stream reader lets characters XML forbids through in some names (a NUL in an attribute's or an
    // instruction's name, or in the document type), which the DOM keeps: written back, such a name would
    // make the whole file unreadable.
    const QString badName = structureRefused(QStringLiteral("a name holds a character XML does not allow"));
    QXmlStreamReader reader(data);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token != QXmlStreamReader::Characters && token != QXmlStreamReader::EndElement && !open.isEmpty())
            open.last().blankOnly = false;
        switch (token) {
        case QXmlStreamReader::DTD:
            // Entities are where expansion bombs and external references live; none of our files declare any.
            if (!reader.entityDeclarations().isEmpty() || !reader.notationDeclarations().isEmpty() ||
                reader.text().contains(QLatin1Char('[')))
                result.refusal = structureRefused(QStringLiteral("document type with declarations"));
            else if (!xmlwriter::canHold(reader.text()))
                result.refusal = badName;
            break;
        case QXmlStreamReader::StartElement:
            if (open.size() >= xmlreader::MaxDepth)
                result.refusal = structureRefused(
                    QStringLiteral("elements nested deeper than %1").arg(xmlreader::MaxDepth));
            open.append({elements++, true, QString()});
            nodes += 1 + reader.attributes().size();
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                if (!xmlwriter::canHold(attribute.qualifiedName()))
                    result.refusal = badName;
            break;
        case QXmlStreamReader::EndElement:
            if (!open.isEmpty()) {
                const Open element = open.takeLast();
                if (element.blankOnly && !element.text.isEmpty())
                    result.blankTexts.append({element.ordinal, element.text});
            }
            break;
        case QXmlStreamReader::Characters:
            // isWhitespace() is false for blanks written as character references (a CR always is), which the
            // DOM parser drops all the same.
            if (!isBlank(reader.text()) || reader.isCDATA()) {
                ++nodes;
                if (!open.isEmpty())
                    open.last().blankOnly = false;
            } else if (!open.isEmpty() && open.last().blankOnly) {
                open.last().text += reader.text();
            }
            break;
        case QXmlStreamReader::ProcessingInstruction:
            if (!xmlwriter::canHold(reader.processingInstructionTarget()))
                result.refusal = badName;
            ++nodes;
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::EntityReference:
            ++nodes;
            break;
        default:
            break;
        }
        if (nodes > xmlreader::MaxNodes)
            result.refusal = structureRefused(QStringLiteral("more than %1 nodes").arg(xmlreader::MaxNodes));
        if (!result.refusal.isEmpty())
            return result;
    }
    if (reader.hasError())
        result.refusal = malformed(reader.lineNumber(), reader.columnNumber(), reader.errorString());
    return result;
}

// Gives back the blank texts the DOM parser left out, so that a text item of spaces reads as written.
void restoreBlankTexts(QDomDocument &doc, const QVector<QPair<qint64, QString>> &blankTexts)
{
    auto next = blankTexts.cbegin();
    qint64 ordinal = 0;
    // Depth-first over every node: elements come in the order in which the stream reader met them.
    QDomNode node = doc.firstChild();
    while (!node.isNull() && next != blankTexts.cend()) {
        if (node.isElement() && ordinal++ == next->first) {
            node.appendChild(doc.createTextNode(next->second));
            ++next;
        }
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node.nextSibling().isNull())
            node = node.parentNode();
        if (!node.isNull())
            node = node.nextSibling();
    }
}

Load loadChecked(const QString &fileName, QByteArray *data, Scan *result)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result->refusal =
            QCoreApplication::translate("xmlreader", "il ne peut pas etre lu (%1)").arg(file.errorString());
        return Load::CantOpen;
    }
    if (!file.isSequential()) {
        if (file.size() > xmlreader::MaxFileSize) {
            result->refusal = tooLarge();
            return Load::Refused;
        }
        data->reserve(int(file.size()));
    }
    // Read in pieces so that a device without a size (a pipe, /dev/zero) is cut off at the limit too. The
    // pieces go straight into the buffer: a file is read in one piece when its size is known.
    constexpr int Piece = 64 * 1024;
    for (;;) {
        const int before = data->size();
        const int room = qMax(Piece, data->capacity() - before);
        if (before + qint64(room) > xmlreader::MaxFileSize + 1)
            data->resize(int(xmlreader::MaxFileSize + 1));
        else
            data->resize(before + room);
        const qint64 got = file.read(data->data() + before, data->size() - before);
        data->resize(before + int(qMax<qint64>(got, 0)));
        if (got <= 0)
            break;
        if (data->size() > xmlreader::MaxFileSize) {
            result->refusal = tooLarge();
            return Load::Refused;
        }
    }
    *result = scan(*data);
    return result->refusal.isEmpty() ? Load::Ok : Load::Refused;
}

} // namespace

xmlreader::xmlreader(const QString &fileName)
{
    QByteArray data;
    Scan checked;
    switch (loadChecked(fileName, &data, &checked)) {
    case Load::CantOpen:
        qDebug() << "xmlreader(): can't open file ReadOnly";
        m_refusal = checked.refusal;
        return;
    case Load::Refused:
        qDebug().noquote() << "xmlreader():" << fileName << checked.refusal;
        qDebug() << "xmlreader(): can't set content from file";
        m_refusal = checked.refusal;
        return;
    case Load::Ok:
        break;
    }

    // The parsed document may be rewritten (config.xml), so its attributes are stored in a stable order.
    // The fixed hash seed cannot be flooded: no element got here with more than MaxAttributesPerElement.
    const xmlwriter::StableAttributeOrder stableOrder;
    QXmlStreamReader reader(data);
    QString error;
    int line = 0;
    int column = 0;
    if (!m_doc.setContent(&reader, false, &error, &line, &column)) {
        qDebug().noquote() << "xmlreader():" << fileName
                           << QStringLiteral("line %1 column %2:").arg(line).arg(column) << error;
        qDebug() << "xmlreader(): can't set content from file";
        m_refusal = malformed(line, column, error);
        m_doc = QDomDocument();
        return;
    }
    restoreBlankTexts(m_doc, checked.blankTexts);
    m_valid = true;
}

QDomDocument xmlreader::document() const
{
    return m_doc;
}

QDomElement xmlreader::findElement(const QString &tag, const QDomNode *parent) const
{
    const QDomNode &node = parent ? *parent : m_doc;
    return node.firstChildElement(tag);
}

QList<QDomElement> xmlreader::findElements(const QString &tag, const QDomNode *parent) const
{
    QList<QDomElement> elements;
    const QDomNode &node = parent ? *parent : m_doc;
    for (QDomElement e = node.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        elements.append(e);
    return elements;
}

QString xmlreader::getText(const QString &tag, const QDomNode *parent) const
{
    return findElement(tag, parent).text();
}

bool xmlreader::isValid() const
{
    return m_valid;
}

bool xmlreader::isParsable(const QString &fileName)
{
    QByteArray data;
    Scan checked;
    return loadChecked(fileName, &data, &checked) == Load::Ok;
}
