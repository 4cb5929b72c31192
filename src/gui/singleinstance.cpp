#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QMessageBox>
#include <QObject>

QString SingleInstance::applicationKey()
{
    return keyFor(QCoreApplication::applicationName());
}

QString SingleInstance::keyFor(const QString &applicationName)
{
    // One copy of each program per user: each user has files of their own, and another user's segment (even
    // one left by a crash, which only its owner may remove) must not keep this user out. The demo is another
    // program, with a folder of its own: it and the program may run side by side.
    return QStringLiteral("{5B8E2C14-7A3F-4D61-9E0B-3C2A7F91D4E6}-") +
           QString::number(qHash(QDir::homePath() + QLatin1Char('\n') + applicationName), 16);
}

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

bool SingleInstance::refuseIfAlreadyRunning()
{
    if (!isAlreadyRunning())
        return false;
    QMessageBox::critical(nullptr, QObject::tr("Erreur"),
                          QObject::tr("Impossible de lancer l'application car elle est deja lancee."),
                          QMessageBox::Ok);
    return true;
}
