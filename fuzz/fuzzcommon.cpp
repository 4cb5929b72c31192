#include "fuzzcommon.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzCommon
{

namespace
{

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    static const bool verbose = qEnvironmentVariableIntValue("QVX_FUZZ_VERBOSE") != 0;
    if (verbose || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

QTemporaryDir &scratchDir()
{
    // In memory where the system offers it: every save syncs its file to disk, which would otherwise
    // take most of the time of a run.
    static const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/qvx-fuzz-XXXXXX"));
    return dir;
}

} // namespace

void quietLog()
{
    static const bool installed = [] {
        qInstallMessageHandler(quietHandler);
        return true;
    }();
    Q_UNUSED(installed);
}

void initQt()
{
    static QApplication *app = [] {
        quietLog();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "qvx-fuzz";
        static char *argv[] = {name, nullptr};
        // Kept for the whole process: Qt objects of a run may outlive any scope here.
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app);
}

QString scratchPath(const QString &name)
{
    return scratchDir().filePath(name);
}

void clearScratch()
{
    QDir dir(scratchDir().path());
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(entry);
}

void writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fail("scratch file written", __FILE__, __LINE__, path + QLatin1String(": ") + file.errorString());
}

QString xmlChars(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (!c.isSurrogate()) {
            const ushort u = c.unicode();
            if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u != 0xFFFE && u != 0xFFFF))
                out += c;
        }
    }
    return out;
}

namespace
{
bool g_sampleEverything = false;
}

void sampleEverything()
{
    g_sampleEverything = true;
}

bool sampled(const uint8_t *data, size_t size, unsigned every)
{
    if (g_sampleEverything)
        return true;
    quint32 hash = 2166136261u; // FNV-1a
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash % every == 0;
}

void fail(const char *condition, const char *file, int line, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n%s\n", file, line, condition, qPrintable(detail));
    std::fflush(stderr);
    scratchDir().remove();
    std::abort();
}

} // namespace FuzzCommon
