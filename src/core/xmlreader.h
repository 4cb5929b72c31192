#pragma once

#include <QDomDocument>
#include <QList>
#include <QString>

// Parses one XML file into a document and looks elements up in it; refuses files that could be hostile.
class xmlreader
{
public:
    // Limits on what a file may ask of memory and time. A measurement document of six curves of
    // 100 000 points (about 20 MB, 1.8 million nodes, depth 4) stays well inside them.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    static constexpr int MaxDepth = 64;
    static constexpr int MaxAttributesPerElement = 64;
    static constexpr qint64 MaxNodes = 3000000;

    explicit xmlreader(const QString &fileName);

    QDomDocument document() const;
    QDomElement findElement(const QString &tag, const QDomNode *parent = nullptr) const;
    QList<QDomElement> findElements(const QString &tag, const QDomNode *parent = nullptr) const;
    QString getText(const QString &tag, const QDomNode *parent = nullptr) const;
    bool isValid() const;
    // Why the file was refused, for the user (it cannot be read, is too large, is no XML...); empty when
    // valid.
    QString refusal() const { return m_refusal; }

    static bool isParsable(const QString &fileName);

private:
    QDomDocument m_doc;
    bool m_valid = false;
    QString m_refusal;
};
