// Fuzzes the patch-file reader (Instrument > patch commands): the input is the patch file.
//
// Checked against a reading of our own: for a file without CR, the reader gives exactly the lines that have
// a first field at the line's start and at least three whitespace-separated fields, with the name and the
// decimal value of the third field (0 when it is not one); for any file, never more parameters than lines,
// names without whitespace, and each parameter reads back the same from the line "NAME = VALUE".

#include "fuzzcommon.h"
#include "patchfile.h"

#include <QStringList>
#include <QTextStream>

namespace
{

// The reader splits on the regular-expression class \s, which without Unicode properties is ASCII only.
bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c.unicode() >= 9 && c.unicode() <= 13);
}

// The parameter lines of one text line, read without the reader's code.
bool expectedLine(const QString &line, PatchLine *out)
{
    if (line.isEmpty() || isSpace(line.at(0)))
        return false;
    QStringList fields;
    QString field;
    for (const QChar c : line) {
        if (isSpace(c)) {
            if (!field.isEmpty())
                fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty())
        fields << field;
    // Trailing whitespace makes an empty last field, which still counts as a field.
    const bool trailingBlank = isSpace(line.at(line.size() - 1));
    if (fields.size() + (trailingBlank ? 1 : 0) < 3)
        return false;
    out->name = fields.at(0);
    out->value = fields.size() >= 3 ? fields.at(2).toInt(nullptr, 10) : 0;
    return true;
}

QString describe(const QVector<PatchLine> &lines)
{
    QStringList s;
    for (const PatchLine &l : lines)
        s << QStringLiteral("%1=%2").arg(l.name, QString::number(l.value));
    return s.join(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCommon::quietLog();
    static const QString path = FuzzCommon::scratchPath(QStringLiteral("patch.txt"));
    FuzzCommon::writeFile(path, data, size);
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    QVector<PatchLine> lines;
    FUZZ_CHECK(PatchFile::read(path, &lines), path);
    FUZZ_CHECK(lines.size() <= bytes.count('\n') + bytes.count('\r') + 1, describe(lines));
    for (const PatchLine &line : qAsConst(lines)) {
        FUZZ_CHECK(!line.name.isEmpty(), describe(lines));
        for (const QChar c : line.name)
            FUZZ_CHECK(!isSpace(c), describe(lines));
        PatchLine again;
        FUZZ_CHECK(PatchFile::parseLine(QStringLiteral("%1 = %2").arg(line.name, QString::number(line.value)),
                                        &again) &&
                       again.name == line.name && again.value == line.value,
                   describe(lines));
    }

    if (!bytes.contains('\r')) {
        QVector<PatchLine> expected;
        // Decoded as the reader's stream decodes (a byte-order mark, a NUL and a cut character at the end
        // of the file are the stream's business); only the cutting into lines and fields is ours.
        QByteArray copy = bytes;
        QStringList textLines = QTextStream(&copy, QIODevice::ReadOnly).readAll().split(QLatin1Char('\n'));
        if (!textLines.isEmpty() && textLines.last().isEmpty())
            textLines.removeLast();
        PatchLine entry;
        for (const QString &text : qAsConst(textLines))
            if (expectedLine(text, &entry))
                expected << entry;
        FUZZ_CHECK(describe(lines) == describe(expected),
                   QStringLiteral("read: %1\nexpected: %2").arg(describe(lines), describe(expected)));
    }
    return 0;
}
