#include "testutil.h"

#include "xmlconf.h"

#include <QFile>
#include <QHash>

namespace TestUtil
{

namespace
{

constexpr int PageBytes = 512;

} // namespace

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

QByteArray configWithLanguage(const QString &code)
{
    QByteArray xml = XmlConf::builtInDefault();
    const QByteArray from = "encours=\"fr\"";
    if (!xml.contains(from))
        qFatal("the built-in config.xml names no current language");
    return xml.replace(from, "encours=\"" + code.toUtf8() + '"');
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

} // namespace TestUtil
