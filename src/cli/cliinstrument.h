#pragma once
// The command-line program's commands on the instrument: the ports, its information, its parameters, the
// erase, a patch, the download of records into documents, the watch for an instrument plugged in, and the
// firmware update. Each connects as the window does (or to the port it was given) and returns an exit code.

#include "clicontext.h"
#include "instrumentlink.h"
#include "parameteroperations.h"
#include "recordoperations.h"
#include "recordreader.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QEventLoop;

class CliInstrument : public QObject
{
    Q_OBJECT

public:
    explicit CliInstrument(Cli::Context &context, QObject *parent = nullptr);
    ~CliInstrument() override;

    int ports();
    int info();
    // No argument: the list; "get NAME"; "set NAME VALUE".
    int params(const QStringList &arguments);
    int erase();
    int patch(const QString &file);
    // "all", or a record's age (1: the newest).
    int download(const QString &which);
    int watch();
    int firmware(const QString &file);

    // Asked to stop (a signal): a download stops before its next record, the watch ends.
    void stop();

private:
    // The instrument on the given port, or the search's; an exit code and its message when none answers.
    int connectInstrument();
    PortCatalog catalog() const;
    // A download's figures, told and put in the JSON document; the exit code they make.
    int summarise(const RecordOperations::AllRecords &all, QJsonObject *into);
    // A failed operation told, with its exit code.
    int fail(const Result &result);
    // The window of this user holds a port (its single-instance mark is taken).
    static bool windowRuns();

    Cli::Context &m_context;
    CliOutput &m_out;
    std::unique_ptr<InstrumentLink> m_link;
    std::unique_ptr<RecordReader> m_reader;
    std::unique_ptr<RecordOperations> m_records;
    std::unique_ptr<ParameterOperations> m_parameters;
    QEventLoop *m_watch = nullptr;
    bool m_stop = false;
};
