#pragma once

#include "result.h"
#include "xmlaction.h"

#include <QCoreApplication>
#include <QDomElement>
#include <QPointF>
#include <QString>
#include <QVector>

#include <memory>

class xmlreader;
class xmlwriter;
struct Measurement;

// The verdict of one test as a measurement document holds it.
struct TestRecord {
    int num = 0;
    bool res = false;
    QString text;
};

// Writes or reads one measurement document (*.qv2): identification, verdicts, ratios, curves and texts.
class XmlMesure
{
    Q_DECLARE_TR_FUNCTIONS(XmlMesure)

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

    // True when the file read as a measurement document: XML whose root element is OrvaQuardane. Such a
    // document may still lack sections, which then read as empty.
    bool isDocument() const;
    // Why it is no document, for the user; empty for a document.
    QString refusal() const;
    QString getInfo(const QString &tag) const;
    TestRecord getTest(int num) const;
    QString getRapport(unsigned num) const;
    QVector<QPointF> getCurve(int num) const;
    QString getComData() const;
    QString getRecup() const;

    // The whole measurement written as a document, replacing the file only once it is whole; a refused file,
    // with why, when it could not be written.
    static Result save(const Measurement &measurement, const QString &fileName);
    // Reads a document as the window shows it (texts as a plain-text box holds them; the date stays null
    // when it does not read). A refused file, with why, when it is no measurement document: *measurement is
    // then untouched.
    static Result load(const QString &fileName, Measurement *measurement);
    // A document read in one streaming pass, as load() reads it, for the archive and for many documents at
    // once. False for what is not well-formed, declares entities, is too large, or has another root; load()
    // judges the rest of the document and says why.
    static bool summary(const QString &fileName, Measurement *measurement);

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
