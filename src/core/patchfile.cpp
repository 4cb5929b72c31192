#include "patchfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

bool PatchFile::read(const QString &path, QVector<PatchLine> *lines)
{
    lines->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file); // the system's 8-bit encoding
    PatchLine entry;
    while (!in.atEnd())
        if (parseLine(in.readLine(), &entry))
            lines->append(entry);
    return true;
}

bool PatchFile::parseLine(const QString &line, PatchLine *out)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList fields = line.split(blanks);
    if (fields.size() < 3 || fields.at(0).isEmpty())
        return false;
    out->name = fields.at(0);
    out->value = fields.at(2).toInt(nullptr, 10);
    return true;
}
