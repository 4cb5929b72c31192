// Fuzzes the patch-file reader (Instrument > patch commands): the input is the patch file. The reading and
// field splitting live inside MainWindow::Ouvrir_fichier_patch, which first asks the instrument for its
// parameter list and then writes and saves each parameter the file names; so the target runs the real
// window against the simulator's protocol core, answering at once over a pseudo-terminal.
//
// Checked: the window asks for the list first; then every command it sends is a parameter write the
// instrument accepts, naming the parameter under the number the instrument gave it and followed by the
// memory save; the simulator ignores nothing; no more writes than the file has lines.

#include "fuzzcommon.h"
#include "instrumentcore.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace
{

// The instrument side of a pseudo-terminal: answers every command at once through the simulator's core.
class Responder
{
public:
    bool open()
    {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return false;
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_path = QString::fromLocal8Bit(name);
        m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
        QObject::connect(m_notifier, &QSocketNotifier::activated, [this] { pump(); });
        return true;
    }
    QString path() const { return m_path; }

    void pump()
    {
        char buf[4096];
        for (ssize_t n; (n = ::read(m_master, buf, sizeof buf)) > 0;) {
            received.append(buf, int(n));
            core.feed(QByteArray(buf, int(n)));
        }
        for (const qvx2sim::Chunk &chunk : core.takeOutput()) {
            for (int done = 0; done < chunk.bytes.size();) {
                const ssize_t n =
                    ::write(m_master, chunk.bytes.constData() + done, size_t(chunk.bytes.size() - done));
                if (n <= 0)
                    break;
                done += int(n);
            }
        }
    }

    qvx2sim::InstrumentCore core;
    QByteArray received; // every byte the window sent

private:
    int m_master = -1;
    int m_slave = -1; // kept open: the master must not see a hang-up
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
};

struct Rig {
    Responder instrument;
    MainWindow *window = nullptr;
    QTimer dismiss; // closes the confirmation boxes of the memory saves
    QString appDir;
};

Rig &rig()
{
    static Rig *r = [] {
        FuzzCommon::initQt();
        auto *rig = new Rig;
        if (!rig->instrument.open())
            FuzzCommon::fail("pseudo-terminal opened", __FILE__, __LINE__, QString());
        MainWindow::setLinkCycleMs(0);
        rig->appDir = FuzzCommon::scratchPath(QStringLiteral("app"));
        QDir().mkpath(rig->appDir);
        const QList<PortCandidate> ports{{rig->instrument.path(), QStringLiteral("FTDI")}};
        rig->window = new MainWindow(rig->appDir, [ports] { return ports; });
        FUZZ_CHECK(rig->window->isSerialConnected(), rig->instrument.path());
        rig->dismiss.setInterval(0);
        QObject::connect(&rig->dismiss, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        return rig;
    }();
    return *r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Rig &r = rig();
    static const QString name = QStringLiteral("patch_fuzz.txt");
    FuzzCommon::writeFile(QDir(r.appDir).filePath(name), data, size);
    r.instrument.received.clear();
    const int ignoredBefore = r.instrument.core.ignoredLines().size();

    r.dismiss.start();
    r.window->Ouvrir_fichier_patch(name);
    r.dismiss.stop();
    r.instrument.pump();

    QList<QByteArray> commands = r.instrument.received.split('\r');
    FUZZ_CHECK(commands.takeLast().isEmpty(), QString::fromLatin1(r.instrument.received.toHex()));
    commands.removeAll(QByteArray("INFO 04")); // the periodic ping
    FUZZ_CHECK(!commands.isEmpty() && commands.takeFirst() == "PARAM 00",
               QString::fromLatin1(r.instrument.received));
    static const QRegularExpression write(QStringLiteral("^PARAM (\\d+) (-?\\d+) (\\S*)$"));
    int writes = 0;
    for (int i = 0; i < commands.size(); i += 2, ++writes) {
        const auto m = write.match(QString::fromLatin1(commands.at(i)));
        FUZZ_CHECK(m.hasMatch(), QString::fromLatin1(commands.at(i)));
        const int number = m.captured(1).toInt();
        FUZZ_CHECK(number >= 1 && number <= Qvx2::FlagParamLast, QString::fromLatin1(commands.at(i)));
        FUZZ_CHECK(m.captured(3) == r.instrument.core.parameter(number).name,
                   QString::fromLatin1(commands.at(i)));
        FUZZ_CHECK(i + 1 < commands.size() && commands.at(i + 1) == "EEPROM 01",
                   QString::fromLatin1(r.instrument.received));
    }
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    FUZZ_CHECK(writes <= file.count('\n') + file.count('\r') + 1, QString::number(writes));
    FUZZ_CHECK(r.instrument.core.ignoredLines().size() == ignoredBefore,
               QString::fromLatin1(r.instrument.core.ignoredLines().last()));
    return 0;
}
