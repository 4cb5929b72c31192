#pragma once

// A main window connected to the simulated instrument over a real pseudo-terminal, in a fresh folder.

#include "mainwindow.h"
#include "ptyinstrument.h"

#include <QTemporaryDir>
#include <memory>

class SimRig
{
public:
    ~SimRig() { window.reset(); }
    // Opens the simulator and builds the window, whose automatic search finds it. False on failure.
    bool start();
    QString appDir() const { return m_dir.path(); }
    template <typename T> T *child(const QString &name) const { return window->findChild<T *>(name); }
    // Bytes the window wrote since the last call, as the instrument received them.
    QByteArray takeReceived();
    // Runs the event loop until the simulator has written all its answers (or timeoutMs passes).
    void settle(int timeoutMs = 2000);
    // Triggers a menu action as the user would; false when the user could not (no such action, or disabled).
    bool trigger(const char *action) const;

    qvx2sim::PtyInstrument sim;
    std::unique_ptr<MainWindow> window; // destroyed before the simulator

private:
    QTemporaryDir m_dir;
    int m_seen = 0;
};
