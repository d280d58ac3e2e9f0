#include "generatednoise.h"
#include "mix.h"
#include "mixsource.h"
#include "stylelibrary.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStyleLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void styleName_removesEveryLowerCaseMp3_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("played");
        QTest::newRow("plain") << u"Rain.mp3"_s << u"Rain"_s << u"/p/sounds/Rain.mp3"_s;
        QTest::newRow("upper case kept") << u"Fan.MP3"_s << u"Fan.MP3"_s << u"/p/sounds/Fan.MP3.mp3"_s;
        QTest::newRow("twice") << u"Rain.mp3.mp3"_s << u"Rain"_s << u"/p/sounds/Rain.mp3"_s;
        QTest::newRow("other file") << u"notes.txt"_s << u"notes.txt"_s << u"/p/sounds/notes.txt.mp3"_s;
        QTest::newRow("inside the name") << u"a.mp3b"_s << u"ab"_s << u"/p/sounds/ab.mp3"_s;
        QTest::newRow("empty list text") << QString() << QString() << u"/p/sounds/.mp3"_s;
    }
    void styleName_removesEveryLowerCaseMp3() {
        QFETCH(QString, file);
        QFETCH(QString, style);
        QFETCH(QString, played);
        QCOMPARE(StyleLibrary::styleName(file), style);
        QCOMPARE(StyleLibrary::styleFile(u"/p"_s, StyleLibrary::styleName(file)), played);
    }

    void styleFile_otherFormat_playsItsOwnFileWhenNoMp3IsThere_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("played");
        QTest::newRow("FLAC") << QStringList{u"Rain.flac"_s} << u"Rain.flac"_s << u"Rain.flac"_s;
        QTest::newRow("Ogg in upper case") << QStringList{u"Rain.OGG"_s} << u"Rain.OGG"_s << u"Rain.OGG"_s;
        QTest::newRow("Opus") << QStringList{u"Sea.opus"_s} << u"Sea.opus"_s << u"Sea.opus"_s;
        QTest::newRow("WAV") << QStringList{u"Fan.wav"_s} << u"Fan.wav"_s << u"Fan.wav"_s;
        QTest::newRow("an MP3 of the name wins")
            << QStringList{u"Rain.flac"_s, u"Rain.flac.mp3"_s} << u"Rain.flac"_s << u"Rain.flac.mp3"_s;
        QTest::newRow("missing") << QStringList{} << u"Rain.flac"_s << u"Rain.flac.mp3"_s;
        QTest::newRow("a folder") << QStringList{u"Rain.flac/"_s} << u"Rain.flac"_s << u"Rain.flac.mp3"_s;
        QTest::newRow("another kind of file") << QStringList{u"notes.txt"_s} << u"notes.txt"_s << u"notes.txt.mp3"_s;
    }
    void styleFile_otherFormat_playsItsOwnFileWhenNoMp3IsThere() {
        QFETCH(QStringList, files);
        QFETCH(QString, style);
        QFETCH(QString, played);
        QTemporaryDir program;
        const QString sounds = StyleLibrary::soundsFolder(program.path());
        QVERIFY(QDir().mkpath(sounds));
        for (const QString &name : files) {
            if (name.endsWith(u'/')) {
                QVERIFY(QDir().mkpath(sounds + u'/' + name));
            } else {
                QFile file(sounds + u'/' + name);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        QCOMPARE(StyleLibrary::styleFile(program.path(), style), sounds + u'/' + played);
    }

    void generatedNoise_listedFirst_playsUnlessAFileHasItsName_data() {
        QTest::addColumn<QStringList>("own");
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("played");
        const QStringList noises{u"Brown Noise"_s, u"Pink Noise"_s, u"White Noise"_s};
        QTest::newRow("no file at all") << QStringList{} << QStringList{} << noises << u"generated"_s;
        QTest::newRow("files follow") << QStringList{u"Fan.mp3"_s} << QStringList{u"Creek.flac"_s}
                                      << noises + QStringList{u"Fan"_s, u"Creek.flac"_s} << u"generated"_s;
        QTest::newRow("the program's own file of the name")
            << QStringList{u"Pink Noise.mp3"_s, u"Brown Noise.mp3"_s} << QStringList{} << noises << u"own"_s;
        QTest::newRow("the user's own file of the name")
            << QStringList{} << QStringList{u"Brown Noise.mp3"_s} << noises << u"users"_s;
    }
    void generatedNoise_listedFirst_playsUnlessAFileHasItsName() {
        QFETCH(QStringList, own);
        QFETCH(QStringList, users);
        QFETCH(QStringList, listed);
        QFETCH(QString, played);
        QTemporaryDir program;
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const QString ownFolder = StyleLibrary::soundsFolder(program.path());
        const QString usersFolder = StyleLibrary::userSoundsFolder();
        for (const auto &[folder, names] : {std::pair{ownFolder, own}, std::pair{usersFolder, users}}) {
            QVERIFY(QDir().mkpath(folder));
            for (const QString &name : names) {
                QFile file(folder + u'/' + name);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        QCOMPARE(StyleLibrary::listedStyles(program.path()), listed);
        const QString expected = played == u"own"_s     ? ownFolder + u"/Brown Noise.mp3"_s
                                 : played == u"users"_s ? usersFolder + u"/Brown Noise.mp3"_s
                                                        : *GeneratedNoise::sourceOf(u"Brown Noise"_s);
        const QString file = StyleLibrary::styleFile(program.path(), u"Brown Noise"_s);
        QCOMPARE(file, expected);
        QCOMPARE(GeneratedNoise::colourOf(file).has_value(), played == u"generated"_s);
    }

    // Mixes follow the sounds by name; a sound of a mix's name is listed and played instead of it; a layer that names
    // a mix is left out; a mix that cannot be read plays nothing.
    void mixes_listedAfterTheSounds_playTheirLayers() {
        QTemporaryDir program;
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const QString users = StyleLibrary::userSoundsFolder();
        QVERIFY(QDir().mkpath(users));
        for (const QString &name : {u"Rain.flac"_s, u"Fan.mp3"_s}) {
            QFile file(users + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString mixes = Mix::folder();
        QString why;
        const Mix night{{{u"Rain.flac"_s, 40}, {u"Brown Noise"_s, 100}, {u"Day"_s, 50}}};
        QVERIFY(night.write(Mix::fileOf(mixes, u"Night"_s), u"Night"_s, {}, &why));
        const Mix fan{{{u"Rain.flac"_s, 10}}};
        QVERIFY(fan.write(Mix::fileOf(mixes, u"Fan"_s), u"Fan"_s, {}, &why));
        QFile broken(Mix::fileOf(mixes, u"Day"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("[Mix]\nVersion=7\n") > 0);
        broken.close();

        const QStringList listed =
            GeneratedNoise::styles() + QStringList{u"Fan"_s, u"Rain.flac"_s, u"Day"_s, u"Night"_s};
        QCOMPARE(StyleLibrary::listedStyles(program.path()), listed);
        QCOMPARE(StyleLibrary::styleFile(program.path(), u"Fan"_s), users + u"/Fan.mp3"_s);
        const QList<MixSource::Layer> layers{{users + u"/Rain.flac"_s, 40},
                                             {*GeneratedNoise::sourceOf(u"Brown Noise"_s), 100}};
        QCOMPARE(MixSource::layersOf(StyleLibrary::styleFile(program.path(), u"Night"_s)), layers);
        QCOMPARE(MixSource::layersOf(StyleLibrary::styleFile(program.path(), u"Day"_s)), QList<MixSource::Layer>{});
    }

    void styleFile_usersFileThatCannotBeRead_leavesTheProgramsOwn() {
        if (ranUnprivileged()) {
            return;
        }
        QTemporaryDir program;
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const QString own = StyleLibrary::soundsFolder(program.path()) + u"/White Noise.mp3"_s;
        const QString users = StyleLibrary::userSoundsFolder() + u"/White Noise.mp3"_s;
        for (const QString &path : {own, users}) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(StyleLibrary::styleFile(program.path(), u"White Noise"_s), users);
        QVERIFY(QFile::setPermissions(users, QFile::WriteOwner));
        QCOMPARE(StyleLibrary::styleFile(program.path(), u"White Noise"_s), own);
    }
};

QTEST_GUILESS_MAIN(TestStyleLibrary)
#include "tst_stylelibrary.moc"
