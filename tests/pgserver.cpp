#include "pgserver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

const QString binDir = "/usr/lib/postgresql/15/bin/";

// A port nobody listens on now: the system's pick for a socket bound to port 0.
int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

// A value as libpq's key=value syntax takes it.
QString quoted(QString value)
{
    return "'" + value.replace("\\", "\\\\").replace("'", "\\'") + "'";
}

bool writeText(const QString &path, const QString &text, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    return file.open(mode | QIODevice::Text) && file.write(text.toUtf8()) >= 0;
}

} // namespace

PgServer::~PgServer()
{
    stop();
}

bool PgServer::run(const QString &program, QStringList args, bool asServer, QString *output) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir->path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PGPASSFILE", path("no-pgpass"));
    env.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(env);
    // PostgreSQL refuses to run as root: the server's tools then run as Debian's postgres user.
    if (asServer && m_asRoot) {
        args = QStringList{QString("--reuid=%1").arg(m_uid), QString("--regid=%1").arg(m_gid),
                           "--clear-groups", "--", program} +
               args;
        process.start("setpriv", args);
    } else {
        process.start(program, args);
    }
    process.closeWriteChannel();
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    if (output)
        *output = process.error() == QProcess::FailedToStart ? process.errorString()
                                                             : QString::fromLocal8Bit(process.readAll());
    return ok;
}

bool PgServer::makeCertificates(QString *error)
{
    const QStringList newKey{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
    auto makeCa = [&](const QString &name, const QString &commonName) {
        return run("openssl",
                   QStringList{"req", "-x509", "-keyout", path(name + ".key"), "-out", path(name + ".crt"),
                               "-subj", "/CN=" + commonName, "-days", "3650", "-addext",
                               "basicConstraints=critical,CA:TRUE", "-addext",
                               "keyUsage=critical,keyCertSign,cRLSign"} +
                       newKey,
                   false, error);
    };
    const QString extensions = path("server.ext");
    return makeCa("ca", "quarvex2 test CA") && makeCa("other-ca", "other CA") &&
           run("openssl",
               QStringList{"req", "-new", "-keyout", path("server.key"), "-out", path("server.csr"), "-subj",
                           "/CN=localhost"} +
                   newKey,
               false, error) &&
           writeText(extensions, "basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n"
                                 "subjectAltName=DNS:localhost,IP:127.0.0.1\n") &&
           run("openssl",
               {"x509", "-req", "-in", path("server.csr"), "-CA", caFile(), "-CAkey", path("ca.key"),
                "-set_serial", "2", "-days", "3650", "-extfile", extensions, "-out", path("server.crt")},
               false, error) &&
           // The server reads its key only when nobody else may.
           QFile::setPermissions(path("server.key"), QFile::ReadOwner | QFile::WriteOwner);
}

bool PgServer::start(QString *error)
{
    QString scratch;
    QString &message = error ? *error : scratch;
    stop();
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/qvx2pg-XXXXXX");
    m_port = freePort();
    m_asRoot = ::geteuid() == 0;
    const passwd *pw = m_asRoot ? ::getpwnam("postgres") : nullptr;
    if (!m_dir->isValid() || m_port == 0 || (m_asRoot && !pw)) {
        message = "no temporary folder, no free port, or running as root without a postgres user";
        return false;
    }
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                             QFile::ExeOther);
    const QString data = path("data"), pwfile = path("pwfile");
    if (!QDir().mkpath(path("sock")) || !writeText(pwfile, adminPassword() + "\n") ||
        !makeCertificates(&message))
        return false;
    if (m_asRoot) {
        m_uid = pw->pw_uid;
        m_gid = pw->pw_gid;
        QStringList entries{m_dir->path()};
        for (QDirIterator it(m_dir->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            entries << it.next();
        for (const QString &entry : entries) {
            if (::chown(QFile::encodeName(entry).constData(), m_uid, m_gid) != 0) {
                message = "cannot hand " + entry + " to the postgres user";
                return false;
            }
        }
    }
    if (!run(binDir + "initdb",
             {"-D", data, "-U", "postgres", "--auth-local=trust", "--auth-host=scram-sha-256", "-E", "UTF8",
              "--locale=C.UTF-8", "-N", "--pwfile=" + pwfile},
             true, &message))
        return false;
    QFile::remove(pwfile);
    const QString conf =
        QString("\nlisten_addresses = '127.0.0.1'\nport = %1\nunix_socket_directories = '%2'\n"
                "ssl = on\nssl_cert_file = '%3'\nssl_key_file = '%4'\nfsync = off\n"
                "synchronous_commit = off\nfull_page_writes = off\nmax_connections = 50\n"
                "shared_buffers = 16MB\n")
            .arg(m_port)
            .arg(path("sock"), path("server.crt"), path("server.key"));
    // TLS with a password over TCP; no way in without TLS.
    const QString hba = "local all all trust\nhostssl all all 127.0.0.1/32 scram-sha-256\n"
                        "hostnossl all all 127.0.0.1/32 reject\n";
    if (!writeText(data + "/postgresql.conf", conf, QIODevice::Append) ||
        !writeText(data + "/pg_hba.conf", hba)) {
        message = "cannot write the server's configuration";
        return false;
    }
    if (!restart(&message))
        return false;
    if (!run(binDir + "psql",
             {"-X", "-h", path("sock"), "-p", QString::number(m_port), "-U", "postgres", "-d", "postgres",
              "-c", "CREATE DATABASE quarvex2"},
             false, &message)) {
        stop();
        return false;
    }
    return true;
}

bool PgServer::restart(QString *error)
{
    if (!m_dir || m_running)
        return m_running;
    QString output;
    m_running = run(binDir + "pg_ctl", {"-D", path("data"), "-l", path("log"), "-w", "-t", "60", "start"},
                    true, &output);
    if (!m_running && error) {
        QFile log(path("log"));
        *error = output + "\n" +
                 (log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(4000)) : QString());
    }
    return m_running;
}

void PgServer::stop()
{
    if (m_running)
        run(binDir + "pg_ctl", {"-D", path("data"), "-m", "fast", "-w", "stop"}, true);
    m_running = false;
}

QString PgServer::conninfo(const QString &user, const QString &password, const QString &extra) const
{
    QString info = QString("host=localhost hostaddr=127.0.0.1 port=%1 dbname=quarvex2 user=%2")
                       .arg(m_port)
                       .arg(quoted(user));
    if (!password.isEmpty())
        info += " password=" + quoted(password);
    info += " sslmode=verify-full sslrootcert=" + quoted(caFile());
    return extra.isEmpty() ? info : info + " " + extra;
}

bool PgServer::psql(const QString &sql, QString *output, const QString &user, const QString &password) const
{
    return m_dir &&
           run(binDir + "psql",
               {"-X", "-w", "-v", "ON_ERROR_STOP=1", "-At", "-c", sql, "-d",
                conninfo(user, password.isEmpty() && user == "postgres" ? adminPassword() : password)},
               false, output);
}
