#pragma once

// A PostgreSQL 15 server of the tests' own: a fresh cluster in a temporary folder, reachable over TLS on
// 127.0.0.1 with a certificate of a test CA, holding the empty database quarvex2.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class PgServer
{
public:
    PgServer() = default;
    ~PgServer();
    PgServer(const PgServer &) = delete;
    PgServer &operator=(const PgServer &) = delete;

    // Makes the certificates and the cluster, starts the server and creates the database; the reason in
    // *error when it could not.
    bool start(QString *error = nullptr);
    // Stops the server at once; does nothing when it is not running.
    void stop();
    // Starts the stopped server again on the same data and port.
    bool restart(QString *error = nullptr);
    bool isRunning() const { return m_running; }

    int port() const { return m_port; }
    QString host() const { return QStringLiteral("127.0.0.1"); }
    static QString adminPassword() { return QStringLiteral("quarvex2-admin-pw"); }
    // The CA that signed the server's certificate, and one that did not.
    QString caFile() const { return path(QStringLiteral("ca.crt")); }
    QString otherCaFile() const { return path(QStringLiteral("other-ca.crt")); }

    // A libpq connection string to the database over TLS checking the server's name; keywords in extra come
    // last and so win. No password keyword when the password is empty.
    QString conninfo(const QString &user, const QString &password, const QString &extra = {}) const;
    QString adminConninfo() const { return conninfo(QStringLiteral("postgres"), adminPassword()); }

    // Runs the statements with psql over TLS as that user in the database; true when all succeeded.
    // *output gets what psql printed, errors included. No password for postgres means adminPassword().
    bool psql(const QString &sql, QString *output = nullptr, const QString &user = QStringLiteral("postgres"),
              const QString &password = {}) const;

private:
    QString path(const QString &name) const { return m_dir ? m_dir->filePath(name) : QString(); }
    // Runs a program, as the server's user when asServer; true when it exited with 0.
    bool run(const QString &program, QStringList args, bool asServer, QString *output = nullptr) const;
    bool makeCertificates(QString *error);

    std::unique_ptr<QTemporaryDir> m_dir;
    int m_port = 0;
    bool m_running = false;
    bool m_asRoot = false;
    unsigned m_uid = 0, m_gid = 0;
};
