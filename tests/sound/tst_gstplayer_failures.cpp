#include "capture.h"
#include "gstplayer.h"
#include "soundfiles.h"
#include "unplayablefiles.h"
#include "unprivileged.h"

#include <QLoggingCategory>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestGstPlayerFailures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void setUrl_unplayableFile_reportsNotPlayingAndTheNextFilePlays_data();
    void setUrl_unplayableFile_reportsNotPlayingAndTheNextFilePlays();
    void stop_whileNothingPlays_isHarmless();
    void stop_whilePlaying_silencesTheOutputAtOnce();
    void setUrlAndStop_inRapidSeries_leaveAWorkingPlayer();
    void destroy_whilePlaying_leavesNothingRunning();
    void setUrl_withNoSoundServer_staysPlayingWhileItRetriesUntilStopped();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QString good() const { return soundfiles::path(u"sine-cbr.mp3"_s); }

    QTemporaryDir m_dir;
};

void TestGstPlayerFailures::initTestCase() {
    QVERIFY(m_dir.isValid());
    // Every refused file is logged; here that is expected.
    QLoggingCategory::setFilterRules(u"somnivox.player.warning=false"_s);
}

QString TestGstPlayerFailures::write(const QString &name, const QByteArray &bytes) {
    QFile f(m_dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(f.fileName()));
    }
    return f.fileName();
}

void TestGstPlayerFailures::setUrl_unplayableFile_reportsNotPlayingAndTheNextFilePlays_data() {
    QFile mp3(good());
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    const QString locked = write(u"locked.mp3"_s, mp3.readAll());
    QFile::setPermissions(locked, {});

    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << m_dir.filePath(u"missing.mp3"_s);
    QTest::newRow("unreadable") << locked;
    for (const auto &[name, bytes] : soundfiles::unplayableFiles()) {
        QTest::newRow(name) << write(QString::fromLatin1(name), bytes);
    }
}

void TestGstPlayerFailures::setUrl_unplayableFile_reportsNotPlayingAndTheNextFilePlays() {
    QFETCH(QString, file);
    if (qstrcmp(QTest::currentDataTag(), "unreadable") == 0) {
        if (ranUnprivileged()) {
            return;
        }
        QVERIFY(!QFileInfo(file).isReadable());
    }
    Capture capture;
    GstPlayer player;
    player.setLoop(true);
    player.setUrl(good(), {});
    QVERIFY(capture.waitForFrames(2000));

    player.setUrl(file, {});
    QVERIFY(player.playState() != Player::Playing);
    const qsizetype silencedAt = capture.frames();
    QTest::qWait(300);
    QVERIFY(player.playState() != Player::Playing);
    QCOMPARE(capture.frames(), silencedAt);

    player.setUrl(good(), {});
    QCOMPARE(player.playState(), Player::Playing);
    QVERIFY(capture.waitForFrames(silencedAt + 4410));
    QCOMPARE(player.playState(), Player::Playing);
}

void TestGstPlayerFailures::stop_whileNothingPlays_isHarmless() {
    Capture capture;
    GstPlayer player;
    player.stop();
    player.stop();
    QVERIFY(player.playState() != Player::Playing);
    player.setUrl(good(), {});
    QCOMPARE(player.playState(), Player::Playing);
    QVERIFY(capture.waitForFrames(4410));
}

void TestGstPlayerFailures::stop_whilePlaying_silencesTheOutputAtOnce() {
    Capture capture;
    GstPlayer player;
    player.setLoop(true);
    player.setUrl(good(), {});
    QVERIFY(capture.waitForFrames(4410));
    const qsizetype heard = capture.frames();
    player.stop();
    QVERIFY(player.playState() != Player::Playing);
    QTest::qWait(300);
    // What was already on its way to the output and a ramp of a few milliseconds: under 100 ms of sound.
    const qsizetype stoppedAt = capture.frames();
    QCOMPARE_LT(stoppedAt - heard, 4410);
    QTest::qWait(300);
    QCOMPARE(capture.frames(), stoppedAt);
    QVERIFY(player.playState() != Player::Playing);
}

void TestGstPlayerFailures::setUrlAndStop_inRapidSeries_leaveAWorkingPlayer() {
    const QString empty = write(u"rapid-empty.mp3"_s, {});
    Capture capture;
    GstPlayer player;
    player.setLoop(true);
    for (int i = 0; i < 40; ++i) {
        player.setUrl(good(), {});
        player.stop();
        player.setUrl(i % 2 ? empty : soundfiles::path(u"vbr.mp3"_s), {});
        player.setRate(1.0 + i);
        player.setUrl(good(), {});
    }
    player.setRate(1.0);
    QCOMPARE(player.playState(), Player::Playing);
    const qsizetype before = capture.frames();
    QVERIFY(capture.waitForFrames(before + 4410));
    QCOMPARE(player.playState(), Player::Playing);
}

void TestGstPlayerFailures::destroy_whilePlaying_leavesNothingRunning() {
    Capture capture;
    for (int i = 0; i < 5; ++i) {
        auto player = std::make_unique<GstPlayer>();
        player->setLoop(i % 2 == 0);
        player->setUrl(good(), {});
        QVERIFY(capture.waitForFrames(capture.frames() + 1000));
        player.reset();
    }
    // Anything still queued for a destroyed player would run, and crash, here.
    const qsizetype after = capture.frames();
    QTest::qWait(200);
    QCOMPARE(capture.frames(), after);
}

namespace {
QStringList playerWarnings;
void recordWarning(QtMsgType, const QMessageLogContext &context, const QString &message) {
    if (qstrcmp(context.category, "somnivox.player") == 0) {
        playerWarnings << message;
    }
}
} // namespace

void TestGstPlayerFailures::setUrl_withNoSoundServer_staysPlayingWhileItRetriesUntilStopped() {
    // The default output, pointed at a server that is not there.
    qunsetenv("SOMNIVOX_AUDIO_SINK");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_dir.filePath(u"no-server"_s)));
    QLoggingCategory::setFilterRules(u"somnivox.player.warning=true"_s);
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    const auto restore = qScopeGuard([previous] {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(u"somnivox.player.warning=false"_s);
        qunsetenv("PULSE_SERVER");
    });
    GstPlayer player;
    player.setLoop(true);
    player.setUrl(good(), {});
    QCOMPARE(player.playState(), Player::Playing);
    // Long enough for the first attempts to reopen the output, which fail as well: one line tells of the outage.
    QTest::qWait(1600);
    QCOMPARE(player.playState(), Player::Playing);
    QCOMPARE(playerWarnings.filter(u"audio output lost"_s).size(), 1);
    player.stop();
    QCOMPARE(player.playState(), int(GstPlayer::Stopped));
}

QTEST_GUILESS_MAIN(TestGstPlayerFailures)
#include "tst_gstplayer_failures.moc"
