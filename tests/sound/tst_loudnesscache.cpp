#include "loudnesscache.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLoudnessCache : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void save_readBackByAnotherCache_untilTheFileChangesSizeOrTime();
    void load_garbage_isPassedOver_data();
    void load_garbage_isPassedOver();
};

void TestLoudnessCache::save_readBackByAnotherCache_untilTheFileChangesSizeOrTime() {
    QTemporaryDir dir;
    // A name that would break a line-based file if kept as it is.
    const QString sound = dir.filePath(u"rain=1,\nnight.wav"_s);
    QFile file(sound);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1234");
    file.close();
    const QString cacheFile = dir.filePath(u"cache/somnivox/loudness.ini"_s);

    LoudnessCache written(cacheFile);
    written.insert(QFileInfo(sound), {-23.5, 0.5});
    QVERIFY(written.save());
    LoudnessCache read(cacheFile);
    read.load();
    const auto found = read.find(QFileInfo(sound));
    QVERIFY(found);
    QCOMPARE(found->lufs, -23.5);
    QCOMPARE(found->truePeak, 0.5);
    QVERIFY(!read.find(QFileInfo(dir.filePath(u"other.wav"_s))));
    // A file that is gone is left out of the next save.
    const QString gone = dir.filePath(u"gone.wav"_s);
    QVERIFY(QFile(sound).copy(gone));
    read.insert(QFileInfo(gone), {-20.0, 0.5});
    QVERIFY(QFile::remove(gone));
    QVERIFY(read.save());
    QFile saved(cacheFile);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), 2);

    QVERIFY(file.open(QIODevice::Append));
    file.write("5");
    file.close();
    QVERIFY(!read.find(QFileInfo(sound)));
    written.insert(QFileInfo(sound), {-20.0, 0.5});
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QFileInfo(sound).lastModified().addSecs(-60), QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(!written.find(QFileInfo(sound)));
}

void TestLoudnessCache::load_garbage_isPassedOver_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("found");
    // GOOD stands for a sound's line as a save writes it.
    QTest::newRow("bytes") << QByteArray("\x00\xff\x13[Loudness\n=,,,\nGOOD\n", 20) << false;
    QTest::newRow("another file's section") << QByteArray("[General]\nGOOD\n") << false;
    QTest::newRow("bad lines among good")
        << QByteArray("[Loudness]\n==\n=1,2,3,4\nx=a,b,c,d\nx=1,2,nan,1\nx=1,2,-20,0\nx=-1,2,-20,1\nGOOD\n") << true;
}

void TestLoudnessCache::load_garbage_isPassedOver() {
    QFETCH(QByteArray, text);
    QFETCH(bool, found);
    QTemporaryDir dir;
    const QFileInfo sound(dir.filePath(u"a.wav"_s));
    QFile soundFile(sound.filePath());
    QVERIFY(soundFile.open(QIODevice::WriteOnly));
    soundFile.write("1234");
    soundFile.close();
    LoudnessCache good(dir.filePath(u"good.ini"_s));
    good.insert(sound, {-20.0, 0.5});
    QVERIFY(good.save());
    QFile goodFile(good.fileName());
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    text.replace("GOOD", goodFile.readAll().split('\n').value(1));

    QFile file(dir.filePath(u"loudness.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    LoudnessCache cache(file.fileName());
    cache.load();
    QCOMPARE(cache.find(sound).has_value(), found);
}

QTEST_GUILESS_MAIN(TestLoudnessCache)
#include "tst_loudnesscache.moc"
