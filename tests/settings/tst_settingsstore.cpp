#include "nonregularfiles.h"
#include "settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <memory>

using namespace Qt::StringLiterals;

class TestSettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void read_absentKeyGivesTheDefaultAsText() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"Vantrelle.ini"_s));
        QCOMPARE(store.ReadSetting(u"Combo1"_s, 0), u"0"_s);
        QCOMPARE(store.ReadSetting(u"Volume"_s, u"50"_s), u"50"_s);
        const QString now = store.ReadSetting(u"Time From"_s, QDateTime(QDate(2026, 12, 6), QTime(22, 30)));
        QVERIFY2(now.contains(u"22:30"_s) || now.contains(u"10:30"_s), qPrintable(now));
        QVERIFY(!QFile::exists(dir.filePath(u"Vantrelle.ini"_s)));
    }

    void write_isOnDiskAtOnceUnderTheSection() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        SettingsStore store(file);
        store.WriteSetting(u"Windows Startup"_s, u"On"_s);
        store.WriteSetting(u"Volume"_s, u"42"_s);
        // Let go once written: another process may write at once.
        QVERIFY(QLockFile(file + u".lock"_s).tryLock(0));

        SettingsStore reopened(file);
        QCOMPARE(reopened.ReadSetting(u"Windows Startup"_s, u"Off"_s), u"On"_s);
        QCOMPARE(reopened.ReadSetting(u"Volume"_s, u"50"_s), u"42"_s);
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray text = raw.readAll();
        QVERIFY2(text.contains("[Somnivox%20Noise%20Player]"), text.constData());
        QVERIFY2(text.contains("Windows%20Startup=On"), text.constData());
    }

    void write_ofTheStoredTextLeavesTheFileAlone() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        // Every real write renames a new file into place, so the file's inode tells whether it was rewritten.
        const auto inode = [&file] {
            struct stat status {};
            return ::stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_ino : 0;
        };
        SettingsStore store(file);
        store.WriteSetting(u"Option"_s, u"Timed"_s);
        const auto written = inode();
        store.WriteSetting(u"Option"_s, u"Timed"_s);
        QCOMPARE(inode(), written);
        store.WriteSetting(u"Option"_s, u"Infinite"_s);
        QVERIFY(inode() != written);
        QCOMPARE(SettingsStore(file).ReadSetting(u"Option"_s, QString()), u"Infinite"_s);
    }

    void writeSoon_burstIsReadAtOnceAndWrittenOnceItSettles() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        auto store = std::make_unique<SettingsStore>(file);
        store->WriteSetting(u"Volume"_s, u"50"_s);
        for (int volume = 1; volume <= 200; ++volume) {
            store->writeSettingSoon(u"Volume"_s, QString::number(volume % 100 + 1));
        }
        QCOMPARE(store->ReadSetting(u"Volume"_s, QString()), u"1"_s);
        QCOMPARE(SettingsStore(file).ReadSetting(u"Volume"_s, QString()), u"50"_s);
        QTRY_COMPARE_WITH_TIMEOUT(SettingsStore(file).ReadSetting(u"Volume"_s, QString()), u"1"_s, 5000);

        // A later plain write of the key wins over one still waiting, and the store's end writes what waits.
        store->writeSettingSoon(u"Volume"_s, u"7"_s);
        store->writeSettingSoon(u"Pitch"_s, u"3"_s);
        store->WriteSetting(u"Volume"_s, u"8"_s);
        store.reset();
        QCOMPARE(SettingsStore(file).ReadSetting(u"Volume"_s, QString()), u"8"_s);
        QCOMPARE(SettingsStore(file).ReadSetting(u"Pitch"_s, QString()), u"3"_s);
    }

    void read_returnsTextWhateverTheFileHolds_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unquoted comma") << QByteArray("Option=a, b") << u"a, b"_s;
        QTest::newRow("quoted") << QByteArray("Option=\"Timed\"") << u"Timed"_s;
        QTest::newRow("empty") << QByteArray("Option=") << QString();
        QTest::newRow("binary") << QByteArray("Option=@ByteArray(\\0\\x1)") << QString();
        QTest::newRow("variant") << QByteArray("Option=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)") << QString();
    }
    void read_returnsTextWhateverTheFileHolds() {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[Somnivox%20Noise%20Player]\n" + line + '\n');
        raw.close();
        SettingsStore store(file);
        const QString value = store.ReadSetting(u"Option"_s, u"Infinite"_s);
        if (!expected.isEmpty()) {
            QCOMPARE(value, expected);
        }
        QVERIFY(value != u"Infinite"_s);
    }

    void write_failureIsReportedNotSilent() {
        QTemporaryDir dir;
        // A folder where the file should be makes every write fail, even for root.
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        QVERIFY(QDir(dir.path()).mkdir(u"Vantrelle.ini"_s));
        SettingsStore store(file);
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        store.WriteSetting(u"Volume"_s, u"80"_s);
        QCOMPARE(failed.count(), 1);
        QVERIFY(failed.at(0).at(0).toString().contains(u"Volume"_s));
    }

    void nonRegularFile_isNeitherReadNorReplaced_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("throughLink");
        for (const QString &kind : {u"socket"_s, u"fifo"_s}) {
            QTest::addRow("%s", qPrintable(kind)) << kind << false;
            QTest::addRow("link to a %s", qPrintable(kind)) << kind << true;
        }
    }
    void nonRegularFile_isNeitherReadNorReplaced() {
        QFETCH(QString, kind);
        QFETCH(bool, throughLink);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        const QString node = throughLink ? dir.filePath(u"node"_s) : file;
        QVERIFY(makeNonRegularFile(node, kind));
        if (throughLink) {
            QVERIFY(QFile::link(node, file));
        }
        const mode_t type = nodeType(node);
        SettingsStore store(file);
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        QCOMPARE(store.ReadSetting(u"Volume"_s, u"50"_s), u"50"_s);
        store.WriteSetting(u"Volume"_s, u"80"_s);
        store.WriteSetting(u"Volume"_s, u"81"_s);
        QCOMPARE(failed.count(), 2);
        QCOMPARE(nodeType(node), type);
        QCOMPARE(nodeType(file), throughLink ? mode_t(S_IFLNK) : type);
    }

    void linkToARegularFile_isWrittenThrough() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        const QString target = dir.filePath(u"dotfiles/Vantrelle.ini"_s);
        QVERIFY(QDir().mkpath(dir.filePath(u"dotfiles"_s)));
        QVERIFY(QFile::link(target, file));
        SettingsStore(file).WriteSetting(u"Volume"_s, u"80"_s);
        QCOMPARE(nodeType(file), mode_t(S_IFLNK));
        QCOMPARE(SettingsStore(target).ReadSetting(u"Volume"_s, u"50"_s), u"80"_s);
    }

    void lockThatCannotBeHad_failsTheWriteInsteadOfWaiting_data() {
        QTest::addColumn<QString>("kind");
        // A folder left where the lock file goes is never stale to Qt, which would wait on it for ever.
        QTest::newRow("folder") << u"folder"_s;
        // Qt would read the lock's holder from it, and wait for a writer for ever.
        QTest::newRow("fifo") << u"fifo"_s;
    }
    void lockThatCannotBeHad_failsTheWriteInsteadOfWaiting() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        const QString lock = file + u".lock"_s;
        SettingsStore(file).WriteSetting(u"Volume"_s, u"30"_s);
        QVERIFY(kind == u"folder"_s ? QDir().mkdir(lock) : makeNonRegularFile(lock, kind));
        SettingsStore store(file);
        QSignalSpy failed(&store, &SettingsStore::writeFailed);
        store.WriteSetting(u"Volume"_s, u"80"_s);
        store.WriteSetting(u"Volume"_s, u"81"_s);
        QCOMPARE(failed.count(), 2);
        QCOMPARE(SettingsStore(file).ReadSetting(u"Volume"_s, u"50"_s), u"30"_s);
        QVERIFY(kind == u"folder"_s ? QDir().rmdir(lock) : QFile::remove(lock));
        store.WriteSetting(u"Volume"_s, u"82"_s);
        QCOMPARE(failed.count(), 2);
        QCOMPARE(SettingsStore(file).ReadSetting(u"Volume"_s, u"50"_s), u"82"_s);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
