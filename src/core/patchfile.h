#pragma once

// Reading of a patch file: text lines "NAME <anything> VALUE [...]" that set instrument parameters by name.
// Knows nothing of the instrument: the caller matches the names against the parameters it was given.

#include <QString>
#include <QVector>

struct PatchLine {
    QString name;
    int value = 0; // 0 when the third field is not a decimal number, as the instrument's tools wrote it
};

class PatchFile
{
public:
    // The parameter lines of the file in their order. The file is text in the system's 8-bit encoding.
    // False, and nothing read, when it cannot be opened.
    static bool read(const QString &path, QVector<PatchLine> *lines);
    // A line's parameter, if it is a parameter line: blank lines, indented lines and lines with fewer than
    // three whitespace-separated fields are not.
    static bool parseLine(const QString &line, PatchLine *out);
};
