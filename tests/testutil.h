#pragma once

// Shared helpers of the test suites that need no window: files, images, bootloader traces, a raw port.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace TestUtil
{

// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);
// Makes the file hold exactly these bytes; false when it could not.
bool writeFile(const QString &path, const QByteArray &bytes);
// A firmware image whose bytes differ from page to page and from a page's filler.
QByteArray firmwareImage(int size);
// The flash the bootloader should hold after that image: each page's 512 bytes, the last one with filler.
QMap<int, QByteArray> flashedPages(const QByteArray &image);
// The bootloader commands in a line log, one letter each (R P0 F W ... Q), separated by blanks.
QString commandTrace(const QList<QByteArray> &lines);

// A raw pseudo-terminal whose master side (not blocking) the test writes and reads itself.
struct RawPty {
    RawPty();
    ~RawPty();
    int master = -1, slave = -1;
    QString slavePath;
};

} // namespace TestUtil
