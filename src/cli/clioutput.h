#pragma once
// What the command-line program says: lines for a person on standard output, or with --json one JSON
// document at the end for a script; messages on standard error; progress on standard error, and only when
// it is a terminal.

#include <QJsonObject>
#include <QString>

class CliOutput
{
public:
    explicit CliOutput(bool json);

    bool isJson() const { return m_json; }
    void setJson(bool json) { m_json = json; }
    // A line for a person (not written in JSON mode).
    void line(const QString &text) const;
    // A failure or a warning, always on standard error; the last one is the JSON document's "error".
    void error(const QString &text);
    // A remark for a person on standard error, not a failure.
    void note(const QString &text);
    // A progress line, overwritten by the next, on a terminal only.
    void progress(const QString &text);
    // The JSON document's fields.
    QJsonObject &document() { return m_document; }
    // Ends the output: in JSON mode the document, with its command and exit code.
    void finish(const QString &command, int exitCode);

private:
    bool m_json;
    bool m_progressShown = false;
    QJsonObject m_document;
};
