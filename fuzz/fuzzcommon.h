#pragma once

// Shared by every fuzz target and by the corpus replay: a quiet Qt, one offscreen application, scratch files
// and the invariant check that stops a run.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace FuzzCommon
{

// Silences Qt's log (the readers log every refused input, millions of times in a run); QVX_FUZZ_VERBOSE=1
// keeps it.
void quietLog();
// quietLog(), then the QApplication on the offscreen platform, once per process.
void initQt();
// A path in a folder of this process's own, removed at exit; the same name gives the same path every run.
QString scratchPath(const QString &name);
// Removes everything a run left in the scratch folder.
void clearScratch();
void writeFile(const QString &path, const uint8_t *data, size_t size);
// The text as an XML 1.0 file can hold it: characters outside the Char production left out.
QString xmlChars(const QString &text);
// True for about one input in `every`, always the same ones (a fixed hash of the bytes): the costly checks
// (a save and a new read) run on that share, so that the reading itself runs many more times.
bool sampled(const uint8_t *data, size_t size, unsigned every);
// Makes sampled() true for every input: the corpus replay of the test suite runs every check on every file.
void sampleEverything();
// Reports a broken invariant and aborts, so that libFuzzer keeps the input and the replay fails.
[[noreturn]] void fail(const char *condition, const char *file, int line, const QString &detail);

} // namespace FuzzCommon

// Unlike assert(), stays on in release builds: the replay in the normal test suite relies on it.
#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            FuzzCommon::fail(#condition, __FILE__, __LINE__, (detail));                                      \
    } while (0)
