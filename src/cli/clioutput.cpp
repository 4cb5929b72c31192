#include "clioutput.h"

#include <QJsonDocument>

#include <cstdio>
#include <unistd.h>

namespace
{
void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

CliOutput::CliOutput(bool json) : m_json(json) {}

void CliOutput::line(const QString &text) const
{
    if (!m_json)
        write(stdout, text + QLatin1Char('\n'));
}

void CliOutput::error(const QString &text)
{
    note(text);
    m_document.insert(QStringLiteral("error"), text);
}

void CliOutput::note(const QString &text)
{
    if (m_progressShown)
        write(stderr, QStringLiteral("\n"));
    m_progressShown = false;
    write(stderr, text + QLatin1Char('\n'));
}

void CliOutput::progress(const QString &text)
{
    if (!::isatty(STDERR_FILENO))
        return;
    write(stderr, QStringLiteral("\r\033[K") + text);
    m_progressShown = true;
}

void CliOutput::finish(const QString &command, int exitCode)
{
    if (m_progressShown)
        write(stderr, QStringLiteral("\n"));
    m_progressShown = false;
    if (!m_json)
        return;
    m_document.insert(QStringLiteral("command"), command);
    m_document.insert(QStringLiteral("exit"), exitCode);
    write(stdout, QString::fromUtf8(QJsonDocument(m_document).toJson(QJsonDocument::Indented)));
}
