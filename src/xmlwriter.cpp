#include "xmlwriter.h"

#include <QDebug>
#include <QHash>
#include <QTextStream>

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
