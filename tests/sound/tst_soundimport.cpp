#include "soundimport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Only an empty file does not play.
QString problem(const QString &path) {
    return QFileInfo(path).size() > 0 ? QString() : u"it holds no sound"_s;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestSoundImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void add_copiesUnderANameNoListedStyleOrFileHas_data() {
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("style");
        QTest::newRow("free") << QStringList{} << QStringList{} << u"Rain.mp3"_s << u"Rain.mp3"_s << u"Rain"_s;
        QTest::newRow("file taken") << QStringList{u"Rain.mp3"_s} << QStringList{u"Rain"_s} << u"Rain.mp3"_s
                                    << u"Rain (2).mp3"_s << u"Rain (2)"_s;
        QTest::newRow("file taken, not listed yet")
            << QStringList{u"Rain.mp3"_s} << QStringList{} << u"Rain.mp3"_s << u"Rain (2).mp3"_s << u"Rain (2)"_s;
        QTest::newRow("a program's style") << QStringList{} << QStringList{u"Brown Noise"_s} << u"Brown Noise.mp3"_s
                                           << u"Brown Noise (2).mp3"_s << u"Brown Noise (2)"_s;
        QTest::newRow("two taken") << QStringList{u"Rain.mp3"_s, u"Rain (2).mp3"_s} << QStringList{} << u"Rain.mp3"_s
                                   << u"Rain (3).mp3"_s << u"Rain (3)"_s;
        QTest::newRow("upper-case MP3 plays as its style")
            << QStringList{} << QStringList{} << u"Fan.MP3"_s << u"Fan.mp3"_s << u"Fan"_s;
        QTest::newRow("FLAC keeps its extension")
            << QStringList{u"Sea.flac"_s} << QStringList{} << u"Sea.flac"_s << u"Sea (2).flac"_s << u"Sea (2).flac"_s;
    }
    void add_copiesUnderANameNoListedStyleOrFileHas() {
        QFETCH(QStringList, there);
        QFETCH(QStringList, listed);
        QFETCH(QString, file);
        QFETCH(QString, copied);
        QFETCH(QString, style);
        QTemporaryDir data;
        QTemporaryDir elsewhere;
        const QString folder = data.filePath(u"somnivox/sounds"_s);
        QVERIFY(QDir().mkpath(folder));
        for (const QString &name : there) {
            QVERIFY(writeFile(folder + u'/' + name, "before"));
        }
        const QString source = elsewhere.filePath(file);
        QVERIFY(writeFile(source, "the sound"));

        SoundImport import(problem, folder);
        QSignalSpy finished(&import, &SoundImport::finished);
        import.add({source}, listed);
        QVERIFY(finished.wait());
        const auto result = finished.constFirst().constFirst().value<SoundImport::Result>();
        QCOMPARE(result.added, QStringList{style});
        QVERIFY(result.refused.isEmpty());
        QFile copy(folder + u'/' + copied);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("the sound"));
        QCOMPARE(entries(folder).size(), there.size() + 1);
        // Nothing left of the copy's way in.
        QCOMPARE(entries(data.filePath(u"somnivox"_s)), QStringList{u"sounds"_s});
    }

    void add_refusesAFileThatDoesNotPlay_namingIt_andCopiesNothingOfIt() {
        QTemporaryDir data;
        QTemporaryDir elsewhere;
        const QString folder = data.filePath(u"sounds"_s);
        QVERIFY(writeFile(elsewhere.filePath(u"Silent.mp3"_s), {}));
        QVERIFY(writeFile(elsewhere.filePath(u"Rain.mp3"_s), "the sound"));
        const SoundImport::Result result = SoundImport::addNow(
            problem, folder, {elsewhere.filePath(u"Silent.mp3"_s), elsewhere.filePath(u"Rain.mp3"_s)}, {});
        QCOMPARE(result.added, QStringList{u"Rain"_s});
        QCOMPARE(result.refused.size(), 1);
        QVERIFY2(result.refused.constFirst().contains(u"\"Silent.mp3\""_s), qPrintable(result.refused.constFirst()));
        QCOMPARE(entries(folder), QStringList{u"Rain.mp3"_s});
    }
};

QTEST_GUILESS_MAIN(TestSoundImport)
#include "tst_soundimport.moc"
