#pragma once
// The command-line program's commands on the team archive: a sync, the server's setup by an
// administrator, its status, and a reviewer's marks. Each returns an exit code.

#include "clicontext.h"
#include "teamsync.h"

#include <QObject>
#include <QStringList>

class CliTeam : public QObject
{
    Q_OBJECT

public:
    explicit CliTeam(Cli::Context &context, QObject *parent = nullptr);

    int sync();
    // setup | status | reference REVISION | hide RECORD
    int team(const QStringList &arguments);
    static bool isTeamCommand(const QStringList &arguments);
    // Says that no team server is set, when none is; false then.
    static bool hasServer(const Cli::Context &context);

private:
    TeamSettings settings() const;

    int setup();
    int status();
    int mark(const QString &subject, bool hide);

    Cli::Context &m_context;
    CliOutput &m_out;
};
