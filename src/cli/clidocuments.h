#pragma once
// The command-line program's commands on documents: the exports (the window's own renderers, one file per
// document), the archive's rows and the trend of one transformer. Each returns an exit code.

#include "archiveindex.h"
#include "clicontext.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>

class CliDocuments : public QObject
{
    Q_OBJECT

public:
    explicit CliDocuments(Cli::Context &context, QObject *parent = nullptr);

    // format: pdf, csv, png or svg; outDir empty: beside each document.
    int exportDocuments(const QString &format, const QStringList &documents, const QString &outDir);
    // team: the team's scope, with who sent each row and the records that have versions.
    int archive(const QString &filter, bool team = false);
    int trend(const QString &substation, const QString &transformer, bool team = false);

    static bool isExportFormat(const QString &format);
    // The formats drawn with Qt's painter (they need a GUI application, on any platform).
    static bool isDrawn(const QString &format);

private:
    // The index brought up to date: one entry per record, newest first; with the team's records.
    QList<ArchiveEntry> records(bool team);
    // An entry's columns as a person reads them.
    static QStringList columns(const ArchiveEntry &entry);
    static QJsonObject row(const ArchiveEntry &entry);

    Cli::Context &m_context;
    CliOutput &m_out;
};
