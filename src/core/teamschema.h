#pragma once

// The team archive's tables on the PostgreSQL server, their rights and their upgrades. The schema's version
// is kept in a table of its own; each upgrade is a list of statements run in one transaction. Rights are
// the server's: technicians add rows and read every row, reviewers may also mark a record's reference
// revision or hide it, and nobody updates or deletes a row through the program.

#include "result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QSqlDatabase;

class TeamSchema
{
    Q_DECLARE_TR_FUNCTIONS(TeamSchema)
public:
    static constexpr int Known = 1; // the newest version this program knows
    static const char *const Technician;
    static const char *const Reviewer;

    // The statements that bring a schema of version `from` to `from + 1`; empty past Known.
    static QStringList upgrade(int from);
    // The server's version: 0 when there is no schema yet, -1 when it cannot be read.
    static int version(QSqlDatabase &db);
    // Creates the roles and brings the schema to Known, as an administrator.
    static Result setup(QSqlDatabase &db);
};
