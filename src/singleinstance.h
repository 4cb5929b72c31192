#pragma once

// Refuses a second copy of the program on the same machine, through a named shared-memory segment.

#include <QSharedMemory>

class SingleInstance
{
public:
    explicit SingleInstance(const QString &key);
    // Tries to create the segment; true when another process holds it.
    bool isAlreadyRunning();

private:
    QSharedMemory m_memory;
};
