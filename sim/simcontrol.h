#pragma once

// What a person does to an instrument while the program runs: switch it off and on, pull the cable out and
// plug it back. Commands come one per line on standard input, or from a script of timed steps; a test calls
// apply() itself.

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace qvx2sim
{

class PtyInstrument;

class SimControl : public QObject
{
    Q_OBJECT

public:
    explicit SimControl(PtyInstrument &sim, QObject *parent = nullptr);

    // "off" (silent), "on", "unplug" (the pseudo-terminal closes), "plug" (a new one). False if unknown.
    bool apply(const QString &command);
    // "off@5,on@20": each command that many seconds from now. False (and nothing scheduled) if malformed.
    bool schedule(const QString &script);
    // Reads commands from standard input until it ends.
    void listenOnStdin();

    static QString help();

signals:
    void plugged(const QString &slavePath);
    void applied(const QString &command);

private:
    void readStdin();

    PtyInstrument &m_sim;
    QSocketNotifier *m_stdin = nullptr;
    QByteArray m_pending;
};

} // namespace qvx2sim
