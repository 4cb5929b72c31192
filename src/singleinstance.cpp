#include "singleinstance.h"

SingleInstance::SingleInstance(const QString &key) : m_memory(key) {}

bool SingleInstance::isAlreadyRunning()
{
    {
        // A process killed without cleaning up leaves its segment behind on Unix. Attaching and detaching
        // destroys such an orphan (no one else attached) and leaves a living instance's segment alone.
        QSharedMemory orphan(m_memory.key());
        if (orphan.attach())
            orphan.detach();
    }
    return !m_memory.create(4, QSharedMemory::ReadWrite);
}
