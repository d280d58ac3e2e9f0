#include "lazyplayer.h"
#include "soundfiles.h"
#include "soundprobe.h"
#include "unplayablefiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

class TestLazyPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findSoundProblem_answersAsTheEnginesDecoder_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("plays");
        QFile sine(soundfiles::path(u"sine-cbr.mp3"_s));
        QVERIFY(sine.open(QIODevice::ReadOnly));
        QTest::newRow("MP3") << sine.readAll() << true;
        for (const soundfiles::UnplayableFile &file : soundfiles::unplayableFiles()) {
            QTest::newRow(file.name) << file.bytes << false;
        }
    }
    void findSoundProblem_answersAsTheEnginesDecoder() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, plays);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"Sound.mp3"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QString problem = findSoundProblem(QStringLiteral(ENGINE_MODULE), file.fileName());
        QVERIFY2(problem.isEmpty() == plays, qPrintable(problem));
        QVERIFY(!findSoundProblem(u"/nonexistent/somnivox-engine.so"_s, file.fileName()).isEmpty());
    }

    void setUrl_engineMissing_failsAndPlaysNothing() {
        LazyPlayer player(u"/nonexistent/somnivox-engine.so"_s);
        player.stop();
        QCOMPARE(player.playState(), 1);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, player.setUrl(soundfiles::path(u"sine-cbr.mp3"_s), {}));
        QVERIFY(player.playState() != Player::Playing);
    }

    void settingsMadeBeforeTheEngine_applyToTheFirstSound() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"out.raw"_s);
        qputenv("SOMNIVOX_AUDIO_SINK", "filesink sync=false location=\"" + out.toUtf8() + '"');
        LazyPlayer player(QStringLiteral(ENGINE_MODULE));
        QCOMPARE(player.playState(), 0);
        player.setVolume(0);
        player.setRate(2.0);
        player.setRate(qQNaN());
        player.setLoop(false);
        const QString file = soundfiles::path(u"sine-cbr.mp3"_s);
        player.setUrl(file, {});
        QCOMPARE(player.playState(), Player::Playing);
        // Not looping: the file ends by itself.
        QVERIFY(QTest::qWaitFor([&] { return player.playState() != Player::Playing; }, 60000));

        const soundfiles::Pcm played = soundfiles::readRaw(out);
        const qsizetype fileFrames = soundfiles::frames(soundfiles::decodeAll(file));
        QVERIFY(std::abs(soundfiles::frames(played) - fileFrames / 2) < 4);
        QVERIFY(std::all_of(played.begin(), played.end(), [](std::int16_t v) { return v == 0; }));
    }
};

QTEST_GUILESS_MAIN(TestLazyPlayer)
#include "tst_lazyplayer.moc"
