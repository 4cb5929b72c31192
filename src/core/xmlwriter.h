#pragma once

#include <QDomDocument>
#include <QSaveFile>
#include <QString>
#include <QStringView>

// Builds an XML document in memory and stores it whole, atomically, in one file.
class xmlwriter
{
public:
    // Pins Qt's hash seed while DOM attributes are created: QDom keeps attributes in a QHash, so their
    // order on disk would otherwise change from one run to the next. Nests; the last one out unpins.
    class StableAttributeOrder
    {
    public:
        StableAttributeOrder();
        ~StableAttributeOrder();
        StableAttributeOrder(const StableAttributeOrder &) = delete;
        StableAttributeOrder &operator=(const StableAttributeOrder &) = delete;

    private:
        static int s_users;
        static bool s_wasRandom;
    };

    xmlwriter(const QString &fileName, const QString &docTypeName);
    xmlwriter(const QString &fileName, const QDomDocument &doc);
    ~xmlwriter();
    xmlwriter(const xmlwriter &) = delete;
    xmlwriter &operator=(const xmlwriter &) = delete;

    // True when XML 1.0 can carry every character of `text` (most control characters, U+FFFE, U+FFFF and
    // lone surrogates it cannot); the writer leaves the others out of texts and values.
    static bool canHold(QStringView text);

    QDomElement createElement(const QString &tag, QDomNode *parent = nullptr);
    void createTextElement(const QString &tag, const QString &text, QDomNode *parent = nullptr);
    bool write();
    QDomDocument &document();

private:
    bool open();

    StableAttributeOrder m_stableOrder;

public:
    // Why the last write failed, in the system's words.
    QString errorString() const { return m_file.errorString(); }

private:
    QSaveFile m_file;
    QDomDocument m_doc;
    bool m_opened = false;
};
