#include "xmlwriter.h"

#include <QDebug>
#include <QHash>
#include <QTextStream>

namespace
{

// How many characters of `text` from `i` on make one character XML 1.0 can carry (two for a surrogate
// pair), or 0. XML cannot carry most control characters, U+FFFE, U+FFFF or a lone surrogate, not even as a
// character reference.
qsizetype storableAt(QStringView text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return 2;
    const ushort u = c.unicode();
    const bool allowed =
        u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD);
    return allowed ? 1 : 0;
}

// QDom writes the characters XML cannot carry as they are and the file then no longer parses, so they are
// left out. Instrument lines, pasted names and the like can hold them.
QString storable(const QString &text)
{
    QString out;
    bool dropped = false; // until something is left out, the text itself is the answer
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = storableAt(text, i);
        if (n == 0 && !dropped) {
            out = text.left(int(i));
            dropped = true;
        } else if (n > 0 && dropped) {
            out += text.midRef(int(i), int(n));
        }
        i += qMax<qsizetype>(n, 1);
    }
    return dropped ? out : text;
}

void makeStorable(const QDomNode &parent)
{
    for (QDomNode node = parent.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isCharacterData()) {
            QDomCharacterData data = node.toCharacterData();
            const QString text = storable(data.data());
            if (text.size() != data.length())
                data.setData(text);
        } else if (node.isElement()) {
            const QDomNamedNodeMap attributes = node.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                QDomAttr attribute = attributes.item(i).toAttr();
                const QString value = storable(attribute.value());
                if (value.size() != attribute.value().size())
                    attribute.setValue(value);
            }
            makeStorable(node);
        }
    }
}

} // namespace

bool xmlwriter::canHold(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = storableAt(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

int xmlwriter::StableAttributeOrder::s_users = 0;
bool xmlwriter::StableAttributeOrder::s_wasRandom = false;

xmlwriter::StableAttributeOrder::StableAttributeOrder()
{
    if (s_users++ == 0) {
        s_wasRandom = qGlobalQHashSeed() != 0;
        qSetGlobalQHashSeed(0);
    }
}

xmlwriter::StableAttributeOrder::~StableAttributeOrder()
{
    if (--s_users == 0 && s_wasRandom)
        qSetGlobalQHashSeed(-1);
}

xmlwriter::xmlwriter(const QString &fileName, const QString &docTypeName)
    : m_file(fileName), m_doc(docTypeName)
{
    if (open())
        m_doc.appendChild(m_doc.createProcessingInstruction("xml", "version='1.0' encoding='UTF-8'"));
}

xmlwriter::xmlwriter(const QString &fileName, const QDomDocument &doc) : m_file(fileName), m_doc(doc)
{
    open();
}

// Without a commit QSaveFile drops its temporary file: the previous file stays as it was.
xmlwriter::~xmlwriter() = default;

bool xmlwriter::open()
{
    m_opened = m_file.open(QIODevice::WriteOnly);
    if (!m_opened)
        qDebug() << "xmlwriter(): can't open file WriteOnly";
    return m_opened;
}

// Under a null parent (a section missing from the file) the element stays outside the document.
QDomElement xmlwriter::createElement(const QString &tag, QDomNode *parent)
{
    QDomElement element = m_doc.createElement(tag);
    if (!parent)
        m_doc.appendChild(element);
    else if (!parent->isNull())
        parent->appendChild(element);
    return element;
}

void xmlwriter::createTextElement(const QString &tag, const QString &text, QDomNode *parent)
{
    QDomElement element = createElement(tag, parent);
    element.appendChild(m_doc.createTextNode(text));
}

bool xmlwriter::write()
{
    // A target that could not be opened at construction never receives anything.
    if (!m_opened)
        return false;
    if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly)) {
        qDebug() << "xmlwriter(): can't open file WriteOnly";
        return false;
    }
    makeStorable(m_doc);
    QTextStream stream(&m_file);
    m_doc.save(stream, 1); // takes its encoding from the declaration, UTF-8 without one
    stream.flush();
    if (!m_file.commit()) {
        qDebug().noquote() << "xmlwriter(): can't write file" << m_file.fileName() << m_file.errorString();
        return false;
    }
    return true;
}

QDomDocument &xmlwriter::document()
{
    return m_doc;
}
