#pragma once

#include "xmlaction.h"

#include <QDomElement>
#include <QPointF>
#include <QString>
#include <QVector>

#include <memory>

class xmlreader;
class xmlwriter;

// The verdict of one test as a measurement document holds it.
struct TestRecord {
    int num = 0;
    bool res = false;
    QString text;
};

// Writes or reads one measurement document (*.qv2): identification, verdicts, ratios, curves and texts.
class XmlMesure
{
public:
    XmlMesure(const QString &fileName, XmlAction mode);
    ~XmlMesure();
    XmlMesure(const XmlMesure &) = delete;
    XmlMesure &operator=(const XmlMesure &) = delete;

    void setInfo(const QString &tag, const QString &text);
    void setTest(unsigned num, bool res, const QString &text);
    void setRapport(unsigned num, const QString &val);
    void setCurve(int num, const QVector<QPointF> &points);
    void setComment(const QString &text);
    void setRecup(const QString &text);
    bool write();

    QString getInfo(const QString &tag) const;
    TestRecord getTest(int num) const;
    QString getRapport(unsigned num) const;
    QVector<QPointF> getCurve(int num) const;
    QString getComData() const;
    QString getRecup() const;

private:
    QDomElement m_root;
    QDomElement m_info;
    QDomElement m_tests;
    QDomElement m_rapports;
    QDomElement m_graph;
    QDomElement m_comment;
    QDomElement m_recup;
    std::unique_ptr<xmlwriter> m_writer;
    std::unique_ptr<xmlreader> m_reader;
};
