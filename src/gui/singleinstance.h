#pragma once

// Refuses a second copy of the program on the same machine, through a named shared-memory segment.

#include <QSharedMemory>

class SingleInstance
{
public:
    // The fixed key of this application's segment, shared by the program and its demo.
    static QString applicationKey();
    // The key of a given program of this user's.
    static QString keyFor(const QString &applicationName);

    explicit SingleInstance(const QString &key = applicationKey());
    // Tries to create the segment; true when another process holds it.
    bool isAlreadyRunning();
    // isAlreadyRunning(), and when it is, tells the user so with a box of its own.
    bool refuseIfAlreadyRunning();

private:
    QSharedMemory m_memory;
};
