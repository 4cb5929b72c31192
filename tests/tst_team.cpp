// The team archive against a PostgreSQL server of the suite's own, over TLS: two laptops (two data folders)
// run quarvex2-cli sync and read the team's archive; the server's rights are tried with psql.

#include "apppaths.h"
#include "archivewindow.h"
#include "dialogscript.h"
#include "mainwindow.h"
#include "measurement.h"
#include "pgserver.h"
#include "simrig.h"
#include "teamserver.h"
#include "teamstore.h"
#include "teamsync.h"
#include "xmlmesure.h"

#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const QString Source = QStringLiteral(QVX_SOURCE_DIR "/tests/data/documents/known_state.qv2");
const QString Password = QStringLiteral("tech-pw");
} // namespace

class TstTeam : public QObject
{
    Q_OBJECT

    PgServer m_pg;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString laptop(char which) const { return m_dir->filePath(QStringLiteral("laptop-%1/").arg(which)); }
    QString server(const QString &user, const QString &extra = {}) const
    {
        return m_pg.conninfo(user, user == QLatin1String("postgres") ? PgServer::adminPassword() : Password,
                             extra);
    }
    // A document of the record in known_state.qv2 in the laptop's Data/, with its own substation (another
    // revision of the same record); `other` makes another record (another range).
    void put(char which, const QString &name, const QString &substation, bool other = false)
    {
        Measurement m;
        QVERIFY(XmlMesure::load(Source, &m));
        m.poste = substation;
        if (other)
            m.gamme += QStringLiteral("-2");
        QDir().mkpath(laptop(which) + "Data");
        QVERIFY(XmlMesure::save(m, laptop(which) + "Data/" + name));
    }
    // quarvex2-cli on a laptop; its JSON document, with "exit".
    QJsonObject cli(char which, const QString &user, const QStringList &arguments, const QString &extra = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", m_dir->filePath("share"));
        env.insert("PGPASSFILE", m_dir->filePath("no-pgpass"));
        p.setProcessEnvironment(env);
        QStringList args{"--json", "--lang", "fr", "--data", laptop(which)};
        if (!user.isEmpty())
            args << "--server" << server(user, extra);
        p.start(QVX_APP_DIR "/quarvex2-cli", args + arguments);
        p.waitForFinished(120000);
        QJsonObject doc = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        doc.insert("exit", p.exitCode());
        return doc;
    }
    QString sql(const QString &statement)
    {
        QString out;
        m_pg.psql(statement, &out);
        return out.trimmed();
    }
    QStringList teamRows(char which, const QString &field)
    {
        QStringList values;
        for (const QJsonValue &row : cli(which, "tech2", {"archive", "--scope", "team"})["rows"].toArray())
            values << row.toObject()[field].toVariant().toString();
        values.sort();
        return values;
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_pg.start(&error), qPrintable(error));
        QVERIFY(m_pg.psql(QStringLiteral("SELECT 1")));
    }

    // Each row starts from an empty schema and two empty laptops.
    void init()
    {
        m_pg.restart();
        sql("DROP SCHEMA IF EXISTS quarvex2 CASCADE");
        m_dir = std::make_unique<QTemporaryDir>();
        m_dir->setAutoRemove(qEnvironmentVariableIsEmpty("QVX_KEEP"));
        QCOMPARE(cli('a', "postgres", {"team", "setup"})["exit"].toInt(), 0);
        QVERIFY(m_pg.psql(
            QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tech1') "
                           "THEN CREATE ROLE tech1 LOGIN PASSWORD '%1'; CREATE ROLE tech2 LOGIN "
                           "PASSWORD '%1'; CREATE ROLE rev1 LOGIN PASSWORD '%1'; END IF; END $$; "
                           "GRANT quarvex2_technician TO tech1, tech2; GRANT quarvex2_reviewer TO rev1")
                .arg(Password)));
    }

    void cleanupTestCase() { m_pg.stop(); }

    void sync_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("send and receive") << "send";
        QTest::newRow("the same document twice") << "twice";
        QTest::newRow("a revision") << "revision";
        QTest::newRow("two conflicting revisions") << "conflict";
        QTest::newRow("a wrong password") << "password";
        QTest::newRow("an untrusted certificate") << "certificate";
        QTest::newRow("another's row") << "rights";
        QTest::newRow("a newer schema") << "newer";
        QTest::newRow("starting offline") << "offline";
        QTest::newRow("an unreadable team document") << "unreadable";
    }
    void sync()
    {
        QFETCH(QString, scenario);
        const QString count = "SELECT count(*) FROM quarvex2.documents";
        put('a', "QVX2_0001.qv2", "Nord");
        if (scenario == "send") {
            put('a', "QVX2_0002.qv2", "Nord", true);
            QCOMPARE(cli('a', "tech1", {"sync"})["sent"].toInt(), 2);
            const QJsonObject b = cli('b', "tech2", {"sync"});
            QCOMPARE(b["exit"].toInt(), 0);
            QCOMPARE(b["received"].toInt(), 2);
            QCOMPARE(teamRows('b', "uploader"), QStringList({"tech1", "tech1"}));
            Measurement m;
            QVERIFY(XmlMesure::load(Source, &m));
            const QJsonObject trend = cli('b', "tech2", {"trend", "Nord", m.numTransfo, "--scope", "team"});
            QCOMPARE(trend["points"].toArray().size(), 2);
            QCOMPARE(cli('b', "tech2", {"archive"})["rows"].toArray().size(), 0); // this laptop's own: none
            QVERIFY(!QDir(laptop('b') + "Data").exists());
        } else if (scenario == "twice") {
            QFile::copy(laptop('a') + "Data/QVX2_0001.qv2", laptop('a') + "Data/copy.qv2");
            QDir().mkpath(laptop('b') + "Data");
            QFile::copy(laptop('a') + "Data/QVX2_0001.qv2", laptop('b') + "Data/QVX2_0007.qv2");
            QCOMPARE(cli('a', "tech1", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(cli('b', "tech2", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(sql(count), QString("1"));
            QCOMPARE(teamRows('b', "versions"), QStringList({"1"}));
        } else if (scenario == "revision") {
            QCOMPARE(cli('a', "tech1", {"sync"})["exit"].toInt(), 0);
            QTest::qWait(1100); // a modification time of its own
            put('a', "QVX2_0001.qv2", "Nord, form filled in");
            QCOMPARE(cli('a', "tech1", {"sync"})["sent"].toInt(), 1);
            QCOMPARE(sql(count), QString("2"));
            QCOMPARE(sql("SELECT count(*) FROM quarvex2.documents WHERE parent IS NOT NULL"), QString("1"));
            QCOMPARE(cli('b', "tech2", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(teamRows('b', "substation"), QStringList({"Nord, form filled in"}));
            QCOMPARE(teamRows('b', "versions"), QStringList({"1"}));
        } else if (scenario == "conflict") {
            put('b', "QVX2_0001.qv2", "Sud");
            QCOMPARE(cli('a', "tech1", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(cli('b', "tech2", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(teamRows('b', "versions"), QStringList({"2"}));
            QCOMPARE(sql(count), QString("2")); // both kept
            const QString picked = sql("SELECT revision FROM quarvex2.documents WHERE substation = 'Nord'");
            QCOMPARE(cli('b', "tech2", {"team", "reference", picked})["exit"].toInt(),
                     6); // a technician may not
            QCOMPARE(cli('c', "rev1", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(cli('c', "rev1", {"team", "reference", picked})["exit"].toInt(), 0);
            QCOMPARE(cli('b', "tech2", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(teamRows('b', "substation"), QStringList({"Nord"}));
            QCOMPARE(teamRows('b', "versions"), QStringList({"1"}));
            // Hidden by the reviewer: gone from the team's rows; an unknown revision is refused.
            QCOMPARE(cli('c', "rev1", {"team", "reference", "no-such-revision"})["exit"].toInt(), 4);
            QCOMPARE(cli('c', "rev1", {"team", "hide", teamRows('b', "record").value(0)})["exit"].toInt(), 0);
            QCOMPARE(cli('b', "tech2", {"sync"})["exit"].toInt(), 0);
            QCOMPARE(teamRows('b', "record"), QStringList());
        } else if (scenario == "password") {
            const QJsonObject a = cli('a', "tech1", {"sync"}, "password=wrong");
            QCOMPARE(a["exit"].toInt(), 6);
            QVERIFY2(a["error"].toString().contains("mot de passe refuse"),
                     qPrintable(a["error"].toString()));
            QCOMPARE(a["pending"].toInt(), 1);
            QCOMPARE(sql(count), QString("0"));
            // Without a server, or with another scope than local and team: a usage error.
            for (const QStringList &usage :
                 {QStringList{"team", "reference"}, QStringList{"team", "setup", "x"}, QStringList{"sync"},
                  QStringList{"archive", "--scope", "team"}, QStringList{"archive", "--scope", "all"},
                  QStringList{"team", "hide"}})
                QCOMPARE(cli('a', "", usage)["exit"].toInt(), 1);
            QCOMPARE(cli('a', "tech1", {"team", "setup"})["exit"].toInt(), 6); // the server's rights
        } else if (scenario == "certificate") {
            const QJsonObject a = cli('a', "tech1", {"sync"}, "sslrootcert=" + m_pg.otherCaFile());
            QCOMPARE(a["exit"].toInt(), 6);
            QVERIFY2(a["error"].toString().contains("certificat"), qPrintable(a["error"].toString()));
            // Verified when the connection string says nothing of it: with no CA given, none is trusted.
            TeamServer unsaid(server("tech1")
                                  .remove("sslmode=verify-full")
                                  .remove(QRegularExpression("sslrootcert='[^']*'")));
            QVERIFY(!unsaid.open() && unsaid.failure() == TeamServer::Failure::Certificate);
        } else if (scenario == "rights") {
            QCOMPARE(cli('a', "tech1", {"sync"})["exit"].toInt(), 0);
            QString out;
            for (const QString &forbidden :
                 {QString("UPDATE quarvex2.documents SET computer = 'x'"),
                  QString("DELETE FROM quarvex2.documents"),
                  QString("INSERT INTO quarvex2.marks (record, hidden) VALUES ('x', true)")})
                QVERIFY2(!m_pg.psql(forbidden, &out, "tech2", Password), qPrintable(forbidden));
            // Sent as another: the server writes who sent it.
            QVERIFY(m_pg.psql("INSERT INTO quarvex2.documents (record, revision, content, uploader) VALUES "
                              "('r', 'v', 'x', 'tech1')",
                              &out, "tech2", Password));
            QCOMPARE(sql("SELECT uploader FROM quarvex2.documents WHERE revision = 'v'"), QString("tech2"));
            QCOMPARE(sql("SELECT count(*) FROM quarvex2.documents WHERE uploader = 'tech1'"), QString("1"));
        } else if (scenario == "newer") {
            sql("UPDATE quarvex2.schema_version SET version = 99");
            const QJsonObject a = cli('a', "tech1", {"sync"});
            QCOMPARE(a["exit"].toInt(), 6);
            QCOMPARE(a["pending"].toInt(), 1);
            QVERIFY(a["error"].toString().contains("lecture seule"));
            QCOMPARE(sql(count), QString("0"));
            QVERIFY(cli('a', "tech1", {"team", "status"})["read_only"].toBool());
            QCOMPARE(cli('a', "postgres", {"team", "setup"})["exit"].toInt(), 4); // never downgraded
        } else if (scenario == "offline") {
            // Connected, then the server gone: every exchange says so, none hangs.
            TeamServer cut(server("tech1"));
            QVERIFY(cut.open());
            m_pg.stop();
            QString cursor = "0";
            QList<ArchiveEntry> rows;
            QList<TeamMark> marks;
            QByteArray content;
            const Result results[] = {cut.receive(&cursor, &rows, &marks),
                                      cut.receive(&cursor, &rows, &marks), cut.fetch("r", &content),
                                      cut.mark("r", "v", false), cut.send("x", ArchiveEntry(), "c")};
            for (const Result &r : results)
                QCOMPARE(r.code, Result::Code::Offline);
            QCOMPARE(cursor, QString("0"));
            const QJsonObject a = cli('a', "tech1", {"sync"});
            QCOMPARE(a["exit"].toInt(), 6);
            QVERIFY(a["error"].toString().contains("hors ligne"));
            const QJsonObject status = cli('a', "tech1", {"team", "status"});
            QVERIFY(status["exit"].toInt() == 6 && !status["connected"].toBool());
            QString path;
            const TeamSettings down{server("tech1"), QString(), laptop('a') + "Data",
                                    m_dir->filePath("archive.sqlite")};
            QCOMPARE(TeamSync::fetch(down, "0123", &path).code, Result::Code::Offline);
            QVERIFY(m_pg.restart());
            QCOMPARE(cli('a', "tech1", {"sync"})["sent"].toInt(), 1);
        } else if (scenario == "unreadable") {
            QString out;
            QVERIFY2(m_pg.psql(
                         "INSERT INTO quarvex2.documents (record, revision, content, substation) SELECT 'r', "
                         "encode(sha256('not a document'), 'hex'), 'not a document', 'X'",
                         &out, "tech2", Password),
                     qPrintable(out));
            // In this process: the fetch and the rows it leaves.
            const TeamSettings a{server("tech1"), QString(), laptop('a') + "Data",
                                 m_dir->filePath("archive-a.sqlite")};
            const TeamOutcome synced = TeamSync::run(a);
            QVERIFY2(synced.result, qPrintable(synced.result.reason)); // never stops the sync
            QCOMPARE(synced.received, 2);
            QString path;
            const QString bad = sql("SELECT revision FROM quarvex2.documents WHERE record = 'r'");
            const Result refused = TeamSync::fetch(a, bad, &path);
            QCOMPARE(refused.code, Result::Code::RefusedFile);
            QVERIFY2(refused.reason.contains("tech2"), qPrintable(refused.reason));
            QCOMPARE(TeamSync::fetch(a, "no-such-revision", &path).code, Result::Code::RefusedFile);
            QVERIFY(m_pg.psql(
                "INSERT INTO quarvex2.documents (record, revision, content) VALUES ('r2', 'v2', 'x')", &out,
                "tech2", Password));
            const Result altered = TeamSync::fetch(a, "v2", &path); // its bytes are not its revision's
            QVERIFY(altered.code == Result::Code::RefusedFile && !QFileInfo::exists(path));
            QCOMPARE(cli('c', "tech1", {"team", "status"})["synced"].toString(), QString()); // never synced
            const QString good =
                sql("SELECT revision FROM quarvex2.documents WHERE record NOT IN ('r', 'r2')");
            QVERIFY(TeamSync::fetch(a, good, &path));
            QVERIFY(!path.startsWith(laptop('a')) && !(QFileInfo(path).permissions() & QFile::WriteOwner));
            TeamStore folder(m_dir->path()); // no database where a folder is: one in memory, for the session
            folder.setState("k", "v");
            QCOMPARE(folder.state("k"), QString("v"));
            int unreadable = 0;
            for (const ArchiveEntry &e : TeamSync::teamScope({}, a))
                unreadable += !e.readable && e.uploader == "tech2";
            QCOMPARE(unreadable, 1);
        }
    }

    // The window: its first sync asks the password, sends this computer's document and receives the team's;
    // the archive's team scope shows both, with who sent them, and trends, compares and opens across them.
    void window()
    {
        put('b', "QVX2_0002.qv2", "Nord", true); // another record of the same transformer, by tech2
        QCOMPARE(cli('b', "tech2", {"sync"})["exit"].toInt(), 0);
        qputenv("XDG_DATA_HOME", m_dir->filePath("window").toUtf8());
        qputenv("PGPASSFILE", m_dir->filePath("no-pgpass").toUtf8());
        TeamSync::configureServer(AppPaths::indexFile(), server("tech1")); // kept without its password
        SimRig rig;
        Measurement m;
        QVERIFY(XmlMesure::load(Source, &m));
        m.poste = "Nord";
        QDir().mkpath(rig.appDir() + "/Data");
        QVERIFY(XmlMesure::save(m, rig.appDir() + "/Data/QVX2_0001.qv2"));
        TestUtil::DialogScript password;
        password.dialog([](QWidget *w) {
            w->findChild<QLineEdit *>("teamPasswordEdit")->setText(Password);
            w->findChild<QCheckBox *>("teamKeep")->setChecked(true); // no keyring here: for the session
            static_cast<QDialog *>(w)->accept();
        });
        QVERIFY(rig.start());
        auto *status = rig.child<QLabel>("teamStatus");
        QTRY_VERIFY_WITH_TIMEOUT(status->text().contains("a jour"), 30000);
        QVERIFY(password.done());
        QCOMPARE(sql("SELECT count(*) FROM quarvex2.documents WHERE uploader = 'tech1'"), QString("1"));

        QVERIFY(rig.trigger("actionArchive"));
        auto *archive = rig.child<ArchiveWindow>("archiveWindow");
        QTRY_VERIFY_WITH_TIMEOUT(archive && archive->isLoaded(), 30000);
        QVERIFY(!archive->scopeBox()->isHidden());
        archive->setScope(ArchiveWindow::Team);
        QCOMPARE(archive->proxy()->rowCount(), 2);
        QStringList senders;
        for (int row = 0; row < 2; ++row)
            senders << archive->proxy()->index(row, ArchiveWindow::Sender).data().toString();
        senders.sort();
        QCOMPARE(senders, QStringList({"tech1", "tech2"}));
        archive->view()->selectAll();
        QVERIFY(archive->showTrend());
        QVERIFY(archive->showComparison()); // fetches both from the server
        const QString theirs = sql("SELECT revision FROM quarvex2.documents WHERE uploader = 'tech2'");
        const int row =
            archive->proxy()->index(0, ArchiveWindow::Sender).data().toString() == "tech2" ? 0 : 1;
        emit archive->view()->doubleClicked(archive->proxy()->index(row, ArchiveWindow::Date));
        QTRY_VERIFY(rig.window->windowTitle().contains(theirs));

        TestUtil::DialogScript dialog;
        const QString untrusted = server("tech1", "sslrootcert=" + m_pg.otherCaFile());
        dialog.dialog([](QWidget *w) {
            w->findChild<QPushButton *>("teamTest")->click();
            QVERIFY(w->findChild<QLabel *>("teamState")->text().contains("role tech1"));
            static_cast<QDialog *>(w)->reject();
        });
        dialog.dialog([&untrusted](QWidget *w) { // another server, whose certificate does not verify
            w->findChild<QLineEdit *>("teamServer")->setText(untrusted);
            w->findChild<QPushButton *>("teamTest")->click();
            QVERIFY(w->findChild<QLabel *>("teamState")->text().contains("certificat"));
            static_cast<QDialog *>(w)->accept();
        });
        QVERIFY(rig.trigger("actionEquipe") && rig.trigger("actionEquipe"));
        QTRY_VERIFY(dialog.done());
        QTRY_VERIFY_WITH_TIMEOUT(status->text().contains("hors ligne (le certificat"), 30000);
        archive->showScope(); // another server's rows forgotten: this computer's own record only
        QCOMPARE(archive->proxy()->rowCount(), 1);
        // Back to the first server, whose password the test of the connection asks.
        TestUtil::DialogScript back;
        const QString first = server("tech1");
        back.dialog([&first](QWidget *w) {
            w->findChild<QLineEdit *>("teamServer")->setText(TeamServer::withoutPassword(first));
            w->findChild<QPushButton *>("teamTest")->click();
            QVERIFY(w->findChild<QLabel *>("teamState")->text().contains("role tech1"));
            static_cast<QDialog *>(w)->accept();
        });
        back.dialog([](QWidget *w) {
            w->findChild<QLineEdit *>("teamPasswordEdit")->setText(Password);
            static_cast<QDialog *>(w)->accept();
        });
        QVERIFY(rig.trigger("actionEquipe"));
        QTRY_VERIFY(back.done());
        QTRY_VERIFY_WITH_TIMEOUT(status->text().contains("a jour"), 30000);
        QVERIFY(!TeamSync::configuredServer(AppPaths::indexFile()).contains("password")); // none in files
    }

    // The status bar's words for each outcome of a sync.
    void status_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pending");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("words");
        QTest::newRow("up to date") << int(Result::Code::Done) << 0 << false << "Equipe : a jour (14:02)";
        QTest::newRow("to send") << int(Result::Code::Done) << 3 << false << "Equipe : 3 documents a envoyer";
        QTest::newRow("offline") << int(Result::Code::Offline) << 3 << false << "Equipe : hors ligne (why)";
        QTest::newRow("read-only") << int(Result::Code::Offline) << 1 << true << "Equipe : why";
        QTest::newRow("refused") << int(Result::Code::RefusedFile) << 0 << false << "Equipe : why";
    }
    void status()
    {
        QFETCH(int, code);
        QFETCH(int, pending);
        QFETCH(bool, readOnly);
        QFETCH(QString, words);
        TeamOutcome outcome;
        if (code != int(Result::Code::Done))
            outcome.result = Result::failed(Result::Code(code), "why");
        outcome.pending = pending;
        outcome.readOnly = readOnly;
        outcome.when = QDateTime(QDate(2026, 12, 7), QTime(14, 2));
        QCOMPARE(TeamSync::status(outcome), words);
    }

    // A sync cut by the server's stop loses nothing; the next one completes, and nothing is sent twice.
    void cutInTheMiddle()
    {
        for (int i = 0; i < 40; ++i)
            put('a', QStringLiteral("QVX2_%1.qv2").arg(i, 4, 10, QLatin1Char('0')),
                QStringLiteral("P%1").arg(i));
        // Each insert made slow, so that the stop falls among them.
        sql("CREATE FUNCTION quarvex2.slow() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN PERFORM "
            "pg_sleep(0.1); RETURN NEW; END $$; CREATE TRIGGER slow BEFORE INSERT ON quarvex2.documents FOR "
            "EACH ROW EXECUTE FUNCTION quarvex2.slow()");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", m_dir->filePath("share"));
        p.setProcessEnvironment(env);
        p.start(QVX_APP_DIR "/quarvex2-cli", {"--data", laptop('a'), "--server", server("tech1"), "sync"});
        QTRY_VERIFY_WITH_TIMEOUT(sql("SELECT count(*) FROM quarvex2.documents").toInt() >= 5, 30000);
        m_pg.stop();
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 6);
        QVERIFY(m_pg.restart());
        const int before = sql("SELECT count(*) FROM quarvex2.documents").toInt();
        QVERIFY(before > 0 && before < 40);
        const QJsonObject again = cli('a', "tech1", {"sync"});
        QCOMPARE(again["exit"].toInt(), 0);
        QCOMPARE(sql("SELECT count(*) FROM quarvex2.documents").toInt(), 40);
        QCOMPARE(again["sent"].toInt() + before, 40); // at most the one in flight is sent again, stored once
    }
};

QTEST_MAIN(TstTeam)
#include "tst_team.moc"
