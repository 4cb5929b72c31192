#include "apppaths.h"

#include "constants.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace
{
QString withSlash(const QString &dir)
{
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}
} // namespace

AppPaths AppPaths::portable(const QString &programDir)
{
    return {withSlash(programDir), withSlash(programDir)};
}

QString AppPaths::installedShare(const QString &programDir)
{
    return withSlash(programDir + QStringLiteral("/../") + QLatin1String(Qvx2::InstalledShareDir));
}

AppPaths AppPaths::locate(const QString &programDir, bool programDirWritable)
{
    // An installed layout counts as installed even where its owner could write (root writes in /usr/bin).
    const QString share = installedShare(programDir);
    const bool installed = QFileInfo(share).isDir();
    if (programDirWritable && !installed)
        return portable(programDir);
    return {withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
            installed ? share : withSlash(programDir)};
}

AppPaths AppPaths::locate(const QString &programDir)
{
    return locate(programDir, isWritableFolder(programDir));
}

bool AppPaths::isWritableFolder(const QString &dir)
{
    // Asking the file system, not the permission bits: a read-only mount or an ACL decides too.
    QTemporaryFile probe(withSlash(dir) + QStringLiteral(".write-probe-XXXXXX"));
    return probe.open();
}

QString AppPaths::indexFile(const QString &dataDir)
{
    const QString appData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
    return appData + (dataDir.isEmpty() ? QLatin1String(Qvx2::ArchiveIndexFile)
                                        : QStringLiteral("archive-%1.sqlite").arg(qHash(dataDir), 0, 16));
}
