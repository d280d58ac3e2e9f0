#include "soundserverwatch.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSoundServerWatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        qunsetenv("PULSE_SERVER");
        qunsetenv("PULSE_RUNTIME_PATH");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QDir(m_runtime.filePath(u"pulse"_s)).removeRecursively();
    }

    // A starting server first makes its folder, then its socket in it: both are told, whichever existed before.
    void watch_tellsOfTheSocketsFolderAndOfWhatAppearsInIt_data() {
        QTest::addColumn<bool>("folderFirst");
        QTest::newRow("folder made after the watch began") << false;
        QTest::newRow("folder there before") << true;
    }
    void watch_tellsOfTheSocketsFolderAndOfWhatAppearsInIt() {
        QFETCH(bool, folderFirst);
        const QString folder = m_runtime.filePath(u"pulse"_s);
        if (folderFirst) {
            QVERIFY(QDir().mkdir(folder));
        }
        SoundServerWatch watch;
        QSignalSpy changed(&watch, &SoundServerWatch::changed);
        watch.start();
        QVERIFY(watch.serverAbsent());
        if (!folderFirst) {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(changed.wait(3000));
        }
        changed.clear();
        QFile socket(folder + u"/native"_s);
        QVERIFY(socket.open(QIODevice::WriteOnly));
        QVERIFY(changed.wait(3000));
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(TestSoundServerWatch)
#include "tst_soundserverwatch.moc"
