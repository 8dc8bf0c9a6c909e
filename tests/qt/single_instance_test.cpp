// The program started as a process: a second copy ends at once, silently and
// with code 0, while the first runs; a lock left by a killed copy never
// blocks the next start.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace ga::testing {

constexpr int kStartTimeoutMs = 20000;

class SingleInstanceTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir runtimeFolder_;

    QString lockPath() const { return runtimeFolder_.filePath(QStringLiteral("gridAtelier.lock")); }

    // The lock file's first line is the process that holds it.
    qint64 lockHolder() const {
        QFile lock(lockPath());
        if (!lock.open(QIODevice::ReadOnly)) return 0;
        return lock.readLine().trimmed().toLongLong();
    }

    void startProgram(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(GRIDATELIER_PROGRAM), QStringList());
        QVERIFY(process.waitForStarted(kStartTimeoutMs));
    }

    static void stop(QProcess& process) {
        process.kill();
        process.waitForFinished(kStartTimeoutMs);
    }

  private slots:
    void aSecondCopyEndsSilentlyAndAKilledCopysLockIsTakenOver() {
        QVERIFY(runtimeFolder_.isValid());
        QProcess first, second, next;
        startProgram(first);
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), first.processId(), kStartTimeoutMs);
        startProgram(second);
        QVERIFY(second.waitForFinished(kStartTimeoutMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAll(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running);

        stop(first);
        QVERIFY(QFile::exists(lockPath()));
        startProgram(next);
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), next.processId(), kStartTimeoutMs);
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::SingleInstanceTest)
#include "single_instance_test.moc"
