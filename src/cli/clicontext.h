#pragma once
// What every command of the command-line program works with: where the data is, the port it was told to
// use, the tolerance of the ratios, the output, and the exit codes with what each means.

#include "clioutput.h"
#include "result.h"

#include <QString>

namespace Cli
{
// The program's exit codes; a failure is never Done.
enum Exit {
    Done = 0,
    Usage = 1,        // the command line is wrong, or a confirmation is missing
    NoInstrument = 2, // the search found no instrument, or the port cannot be opened
    NotAnswering = 3, // the instrument on the port does not answer, or the link was lost
    RefusedFile = 4,  // a file that cannot be used
    Partly = 5,       // some records or lines failed, or documents are still to send
    Offline = 6,      // the team's server cannot be reached, refuses the connection, or is read-only
};

// The exit code of an operation's result.
inline Exit exitOf(const Result &result)
{
    switch (result.code) {
    case Result::Code::Done:
    case Result::Code::Cancelled:
        return Done;
    case Result::Code::NotConnected:
        return NoInstrument;
    case Result::Code::RefusedFile:
        return RefusedFile;
    case Result::Code::Unknown:
        return Usage;
    case Result::Code::AnswerDiffers:
        return Partly;
    case Result::Code::Offline:
        return Offline;
    default: // busy, timed out, silent, port lost, a record cut off
        return NotAnswering;
    }
}

struct Context {
    CliOutput *out = nullptr;
    QString port;      // empty: the search
    QString dataDir;   // config.xml, Data/, Maj/; ends with '/'
    QString indexFile; // the archive's index, in the user's data location
    QString server;    // the team's server (--server, or as set in the window); empty: none
    double tolerance = 0;
    QString documents() const { return dataDir + QStringLiteral("Data/"); }
};
} // namespace Cli
