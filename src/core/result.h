#pragma once

// What an operation came to: done, or why not, in words the user reads.

#include <QCoreApplication>
#include <QObject>
#include <QString>

struct Result {
    Q_GADGET
    Q_DECLARE_TR_FUNCTIONS(Result)

public:
    enum class Code {
        Done,
        Busy,          // refused: another exchange with the instrument is running
        NotConnected,  // no instrument is connected
        TimedOut,      // the instrument sent lines, but not the awaited answer in time
        NoResponse,    // the instrument sent nothing at all in time
        PortLost,      // the adapter went away
        AnswerDiffers, // the instrument answered otherwise than asked
        RefusedFile,   // a file that cannot be used, and why
        Incomplete,    // a record that did not arrive whole
        Unknown,       // the instrument does not know what was named
        Cancelled,     // stopped by the user
        Offline,       // the team's server cannot be reached or refuses the connection
    };
    Q_ENUM(Code)

    Code code = Code::Done;
    QString reason; // empty when done

    bool done() const { return code == Code::Done; }
    explicit operator bool() const { return done(); }
    static Result ok() { return {}; }
    // A failure with its own words; empty words take the code's own.
    static Result failed(Code code, const QString &reason = QString());
    // The words of a code, as the user reads them.
    static QString describe(Code code);
};
