#include "settingconversions.h"
#include "settingscrashrounds.h"
#include "settingsstore.h"
#include "testseed.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using namespace SettingsCrashRounds;

namespace {

constexpr int Kills = 60;

/// The round every key holds, read afresh as the program would at its next start.
struct Snapshot {
    QSettings::Status status = QSettings::NoError;
    QList<qint64> rounds;
};

Snapshot readBack(const QString &file) {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(u"Somnivox Noise Player"_s);
    Snapshot snapshot;
    for (int key = 0; key < Keys.size(); ++key) {
        const QVariant value = settings.value(Keys.at(key));
        // A text holding commas is quoted on write; coming back as a list would mean it was not.
        snapshot.rounds << (value.typeId() == QMetaType::QString ? roundOf(key, value.toString()) : -1);
    }
    snapshot.status = settings.status();
    return snapshot;
}

} // namespace

class TestSettingsCrash : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void killedWhileWriting_leavesTheOldOrTheNewValueOfEveryKey() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        QRandomGenerator random(testSeed(QRandomGenerator::global()->generate()));
        qint64 previousRound = 0;
        QSet<int> cutPlaces;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(SETTINGS_WRITER), {file});
            QVERIFY2(writer.waitForReadyRead(10'000), writer.readAllStandardError().constData());
            QCOMPARE(writer.readAllStandardOutput(), QByteArray("ready\n"));
            QThread::usleep(random.bounded(20'000));
            QVERIFY2(writer.state() == QProcess::Running, writer.readAllStandardError().constData());
            writer.kill();
            QVERIFY(writer.waitForFinished(10'000));

            const Snapshot after = readBack(file);
            QCOMPARE(after.status, QSettings::NoError);
            // Keys are written in order: a kill inside round n leaves the first keys at n and the rest at n - 1.
            const qint64 newest = after.rounds.at(0);
            QVERIFY2(newest >= previousRound, qPrintable(u"round %1 after %2"_s.arg(newest).arg(previousRound)));
            int newKeys = 0;
            while (newKeys < Keys.size() && after.rounds.at(newKeys) == newest) {
                ++newKeys;
            }
            for (int key = newKeys; key < Keys.size(); ++key) {
                QVERIFY2(newest > 0 && after.rounds.at(key) == newest - 1,
                         qPrintable(u"%1 holds round %2 after %3 at round %4"_s.arg(Keys.at(key))
                                        .arg(after.rounds.at(key))
                                        .arg(Keys.at(0))
                                        .arg(newest)));
            }
            cutPlaces << newKeys;
            previousRound = newest;
        }
        const QStringList leftovers =
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u"Vantrelle.ini."_s);
        qInfo("%d kills, %lld rounds written, cut after %lld different keys, %lld temporary files left", Kills,
              previousRound, static_cast<qint64>(cutPlaces.size()), static_cast<qint64>(leftovers.size()));
    }

    void startUpWithEarlierDates_killedAtEachWrite_leavesTheStoredTimes() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        const QDate yesterday = QDate::currentDate().addDays(-1);
        const QString from = SettingConversions::dateTimeToText(QDateTime(yesterday, QTime(22, 0)));
        const QString to = SettingConversions::dateTimeToText(QDateTime(yesterday, QTime(6, 30)));
        {
            SettingsStore store(file);
            for (const auto &[key, value] :
                 std::initializer_list<std::pair<QString, QString>>{{u"Combo1"_s, u"2"_s},
                                                                    {u"Style"_s, u"White Noise"_s},
                                                                    {u"Volume"_s, u"50"_s},
                                                                    {u"Pitch"_s, u"1"_s},
                                                                    {u"Windows Startup"_s, u"Off"_s},
                                                                    {u"Minimized"_s, u"Off"_s},
                                                                    {u"Time From"_s, from},
                                                                    {u"Time To"_s, to},
                                                                    {u"Option"_s, u"Timed"_s},
                                                                    {u"StartStopState"_s, u"ON"_s}}) {
                store.WriteSetting(key, value);
            }
        }
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray before = stored.readAll();
        stored.close();

        // Each round ends the start-up right after one more of its writes; the last runs it whole.
        for (int killAt = 1;; ++killAt) {
            QProcess writer;
            writer.start(QStringLiteral(SETTINGS_WRITER), {u"--start-up"_s, file, QString::number(killAt)});
            QVERIFY(writer.waitForFinished(60'000));
            const SettingsStore after(file);
            QCOMPARE(after.ReadSetting(u"Time From"_s, QString()), from);
            QCOMPARE(after.ReadSetting(u"Time To"_s, QString()), to);
            if (writer.exitStatus() == QProcess::NormalExit) {
                QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError().constData());
                QCOMPARE(writer.readAllStandardOutput().trimmed().toInt(), killAt - 1);
                break;
            }
            QVERIFY(killAt < 100);
        }
        // A start-up that changes nothing writes nothing.
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), before);
    }

    void lockLeftEmptyByAKill_doesNotHoldUpTheNextStart_data() {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut after the process number") << QByteArray("4194303\n");
        QTest::newRow("garbage") << QByteArray("\xff\xfe not a lock\n");
    }
    void lockLeftEmptyByAKill_doesNotHoldUpTheNextStart() {
        QFETCH(QByteArray, lock);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        QFile lockFile(file + u".lock"_s);
        QVERIFY(lockFile.open(QIODevice::WriteOnly));
        lockFile.write(lock);
        lockFile.close();

        QProcess writer;
        writer.start(QStringLiteral(SETTINGS_WRITER), {file});
        // Qt's own wait for such a lock is half a minute.
        QVERIFY2(writer.waitForReadyRead(10'000), writer.readAllStandardError().constData());
        writer.kill();
        QVERIFY(writer.waitForFinished(10'000));
        QCOMPARE(readBack(file).rounds.at(0), 0);
    }
};

QTEST_GUILESS_MAIN(TestSettingsCrash)
#include "tst_settingscrash.moc"
