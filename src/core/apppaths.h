#pragma once

// Where the program keeps its files. A portable copy (its folder writable, nothing installed beside it) keeps
// everything beside the program. An installed copy reads its catalogues, guides and patch templates from the
// installed share folder and keeps config.xml, Data/ and Maj/ in the user's data location.

#include <QString>

struct AppPaths {
    QString data;  // config.xml, Data/, Maj/; ends with '/'
    QString share; // translation catalogues, Doc/, patch templates; ends with '/'

    // Both beside the program: the build folder, a portable copy, the demo, the tests.
    static AppPaths portable(const QString &programDir);
    // The choice for a program in programDir; programDirWritable says whether it may write there.
    static AppPaths locate(const QString &programDir, bool programDirWritable);
    static AppPaths locate(const QString &programDir);
    // The share folder of an installed copy, relative to its bin/ folder.
    static QString installedShare(const QString &programDir);
    static bool isWritableFolder(const QString &dir);
    // The archive's index of a data folder, in the user's data location (never in Data/, which may be
    // read-only or shared): the window's folder has the plain name, another folder one of its own.
    static QString indexFile(const QString &dataDir = QString());
};
