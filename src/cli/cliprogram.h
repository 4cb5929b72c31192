#pragma once
// quarvex2-cli: the instrument and the archive from a script, on the same core as the window. Reads the
// global options and the command, loads the messages' language, hands the command to its class, and turns
// SIGINT and SIGTERM into a clean stop.

#include "clicontext.h"

#include <QObject>
#include <QStringList>
#include <QTranslator>

#include <memory>

class CliInstrument;
class QSocketNotifier;

class CliProgram : public QObject
{
    Q_OBJECT

public:
    explicit CliProgram(const QStringList &arguments, QObject *parent = nullptr);
    ~CliProgram() override;

    // Runs the command; the process's exit code.
    int run();
    // The command line asks for an export drawn with Qt's painter (PDF, PNG, SVG).
    static bool needsPainter(const QStringList &arguments);

private:
    struct Command {
        const char *name;
        const char *syntax;
        const char *description;
        int least;    // arguments at least
        int most;     // arguments at most; -1: any number
        bool confirm; // takes --yes
    };
    static const Command Commands[];
    static const Command *find(const QString &name);

    int runCommand(const Command &command, const QStringList &arguments);
    void loadLanguage(const QString &code, const QString &share);
    QString programHelp() const;
    void watchSignals();

    QStringList m_arguments;
    CliOutput m_out;
    Cli::Context m_context;
    QTranslator m_program, m_qt;
    CliInstrument *m_instrument = nullptr; // the running instrument command, told to stop by a signal
    QSocketNotifier *m_signals = nullptr;
};
