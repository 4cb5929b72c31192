// Only one copy runs at a time, and a copy killed without cleaning up does not block the next start.

#include "singleinstance.h"

#include <QProcess>
#include <QUuid>
#include <QtTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QString key = QUuid::createUuid().toString();

    bool startHolder(QProcess &p)
    {
        p.start(QStringLiteral(QVX_HOLDER), {key});
        return p.waitForStarted() && p.waitForReadyRead(10000) && p.readAll().startsWith("ready");
    }

private slots:
    void secondRefusedThenFreeAfterKill();
};

void TestSingleInstance::secondRefusedThenFreeAfterKill()
{
    QProcess first;
    QVERIFY(startHolder(first));

    QProcess second;
    second.start(QStringLiteral(QVX_HOLDER), {key});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 255); // -1
    QCOMPARE(first.state(), QProcess::Running);

    first.kill(); // SIGKILL: the segment is left behind
    QVERIFY(first.waitForFinished(10000));

    QProcess third;
    QVERIFY2(startHolder(third), "a killed instance blocked the next start");
    third.kill();
    QVERIFY(third.waitForFinished(10000));

    // The guard itself removes the orphan the kill left, then holds and frees the segment.
    SingleInstance cleanup(key);
    QVERIFY(!cleanup.isAlreadyRunning());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
