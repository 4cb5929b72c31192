#include "testutil.h"

#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace TestUtil
{

constexpr int PageBytes = 512; // the bootloader's page

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray firmwareImage(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / PageBytes * 13 + 0x5A) & 0xFF);
    return bytes;
}

QMap<int, QByteArray> flashedPages(const QByteArray &image)
{
    QMap<int, QByteArray> pages;
    for (int k = 0; k <= image.size() / PageBytes; ++k) {
        QByteArray page = image.mid(k * PageBytes, PageBytes);
        for (int i = page.size(); i < PageBytes; ++i)
            page.append(char(i & 0xFF));
        pages[k] = page;
    }
    return pages;
}

QString commandTrace(const QList<QByteArray> &lines)
{
    static const QHash<QByteArray, QString> whole{
        {"RESET 00", "R"}, {"ORVABOOTW", "W"}, {"ZAZUVEVAZ 00", "Q"}};
    QStringList out;
    for (const QByteArray &l : lines) {
        if (l.startsWith("ORVABOOTP "))
            out << "P" + QString::number(l.mid(10).toInt(nullptr, 16));
        else if (l.startsWith("ORVABOOTF "))
            out << "F";
        else if (l != "INFO 04") // the link's ping, before or after a run
            out << whole.value(l, QString::fromLatin1(l));
    }
    return out.join(' ');
}

RawPty::RawPty()
{
    char name[256] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    if (::openpty(&master, &slave, name, &raw, nullptr) == 0 &&
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK) == 0)
        slavePath = QString::fromLocal8Bit(name);
}

RawPty::~RawPty()
{
    ::close(master);
    ::close(slave);
}

} // namespace TestUtil
