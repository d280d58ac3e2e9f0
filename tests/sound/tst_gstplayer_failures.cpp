#include "capture.h"
#include "decoder.h"
#include "gstplayer.h"
#include "soundfiles.h"
#include "unplayablefiles.h"
#include "unprivileged.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <future>
#include <memory>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

class TestGstPlayerFailures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void setUrl_unplayableFile_reportsNotPlayingAndTheNextFilePlays_data();
    void setUrl_unplayableFile_reportsNotPlayingAndTheNextFilePlays();
    void stop_whileNothingPlays_isHarmless();
    void setUrlAndStop_inRapidSeries_leaveAWorkingPlayer();
    void destroy_whilePlaying_leavesNothingRunning();
    void setUrl_withNoSoundServer_staysPlayingWhileItRetriesUntilStopped();
    void setUrl_aFileThatDoesNotAnswer_returnsAtOnceAndItsOutcomeComesLater();
    void setUrlAndStop_whileTheServerNeverAnswers_leaveTheEventLoopTurningAndTheSoundReturns();
    void loopOnAPulseServer_playsWithoutAGapUnderLoad_andDropsWhatTheServerHoldsForAChange();

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
    // The sound that played ends in its ramp, after what was on its way out, and nothing follows it.
    QTest::qWait(500);
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
    QVERIFY(player.isWaitingForOutput());
    player.stop();
    QCOMPARE(player.playState(), int(GstPlayer::Stopped));
    QVERIFY(!player.isWaitingForOutput());
}

// A file on a share that does not answer holds the player's worker, never its caller.
void TestGstPlayerFailures::setUrl_aFileThatDoesNotAnswer_returnsAtOnceAndItsOutcomeComesLater() {
    qunsetenv("SOMNIVOX_AUDIO_SINK");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_dir.filePath(u"no-server"_s)));
    const auto restore = qScopeGuard([] { qunsetenv("PULSE_SERVER"); });
    std::promise<void> answer;
    const std::shared_future<void> answered = answer.get_future().share();
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<int> openedByCaller{0};
    std::atomic<int> gaveUp{0};
    GstPlayer player(
        [&, answered](const QString &path) {
            openedByCaller += std::this_thread::get_id() == caller;
            gaveUp += answered.wait_for(std::chrono::seconds(20)) == std::future_status::timeout;
            return openDecoder(path);
        },
        nullptr);
    const QSignalSpy changed(&player, &Player::playStateChanged);
    player.setUrl(good(), {});
    QCOMPARE(player.playState(), Player::Playing);
    player.setUrl(m_dir.filePath(u"missing.mp3"_s), {});
    QCOMPARE(player.playState(), Player::Playing);
    answer.set_value();
    // The first file was given up before it opened; the second turns out missing: the player is then not playing.
    QTRY_COMPARE_WITH_TIMEOUT(player.playState(), int(GstPlayer::Undefined), 10000);
    QCOMPARE(changed.size(), 4);
    QCOMPARE(openedByCaller.load(), 0);
    QCOMPARE(gaveUp.load(), 0);
}

namespace {

// A PulseAudio of its own in \a folder, with a null sink as its default; returns the environment its clients need.
QProcessEnvironment startPulse(QProcess &pulse, const QString &folder) {
    QFile config(folder + u"/server.pa"_s);
    if (!config.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(config.fileName()));
    }
    config.write("load-module module-null-sink sink_name=nullsink\n"
                 "load-module module-native-protocol-unix auth-anonymous=1\nset-default-sink nullsink\n");
    config.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"PULSE_SERVER"_s);
    environment.insert(u"HOME"_s, folder);
    environment.insert(u"XDG_RUNTIME_DIR"_s, folder);
    pulse.setProcessEnvironment(environment);
    pulse.start(u"pulseaudio"_s, {u"--daemonize=no"_s, u"--exit-idle-time=-1"_s, u"-n"_s, u"-F"_s, config.fileName()});
    return environment;
}

// A sound server that hangs: it accepts connections and reads what comes, but never answers.
class SilentServer {
public:
    explicit SilentServer(const QString &path) : m_path(QFile::encodeName(path)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof address.sun_path - 1);
        m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
            ::listen(m_listener, 8) != 0) {
            qFatal("cannot listen on %s", m_path.constData());
        }
        m_thread = std::thread([this] { serve(); });
    }
    ~SilentServer() {
        m_stop = true;
        m_thread.join();
        ::unlink(m_path.constData());
    }
    Q_DISABLE_COPY_MOVE(SilentServer)

    /// Connections accepted and not yet closed by their client.
    int held() const { return m_held; }

private:
    void serve() {
        std::vector<pollfd> fds{{m_listener, POLLIN, 0}};
        while (!m_stop) {
            ::poll(fds.data(), fds.size(), 50);
            for (std::size_t i = fds.size() - 1; i > 0; --i) {
                char discarded[4096];
                if (fds[i].revents && ::read(fds[i].fd, discarded, sizeof discarded) <= 0) {
                    ::close(fds[i].fd);
                    fds.erase(fds.begin() + qsizetype(i));
                }
            }
            if (fds[0].revents & POLLIN) {
                fds.push_back({::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC), POLLIN, 0});
            }
            m_held = int(fds.size()) - 1;
        }
        for (const pollfd &fd : fds) {
            ::close(fd.fd);
        }
    }

    QByteArray m_path;
    int m_listener = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_held{0};
    std::thread m_thread;
};

} // namespace

void TestGstPlayerFailures::setUrlAndStop_whileTheServerNeverAnswers_leaveTheEventLoopTurningAndTheSoundReturns() {
    QTemporaryDir runtime;
    const QString folder = runtime.filePath(u"pulse"_s);
    QVERIFY(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qunsetenv("SOMNIVOX_AUDIO_SINK");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder) + "/native");
    const auto restore = qScopeGuard([] { qunsetenv("PULSE_SERVER"); });
    GstPlayer player;
    player.setLoop(true);
    auto server = std::make_unique<SilentServer>(folder + u"/native"_s);

    // Turns of the event loop while the server holds the player's connection unanswered.
    int turnsWhileHeld = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTurn;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, sinceTurn.restart());
        turnsWhileHeld += server->held() > 0;
    });
    sinceTurn.start();
    ticker.start(10);
    player.setUrl(good(), {});
    QCOMPARE(player.playState(), Player::Playing);
    QTRY_VERIFY_WITH_TIMEOUT(turnsWhileHeld >= 5, 10000);
    player.stop();
    QCOMPARE(player.playState(), int(GstPlayer::Stopped));
    player.setUrl(good(), {});
    QCOMPARE(player.playState(), Player::Playing);
    QTRY_VERIFY_WITH_TIMEOUT(turnsWhileHeld >= 10, 10000);
    qInfo("longest pause of the event loop while the server hung: %lld ms", longestGap);

    // The hung server gives way to a real one: the sound comes back by itself.
    ticker.stop();
    server.reset();
    QProcess pulse;
    const auto stopServer = qScopeGuard([&pulse] {
        pulse.kill();
        pulse.waitForFinished();
    });
    const QProcessEnvironment environment = startPulse(pulse, runtime.path());
    QVERIFY2(pulse.waitForStarted(), "pulseaudio is not installed");
    const auto streams = [&] {
        QProcess pactl;
        pactl.setProcessEnvironment(environment);
        pactl.start(u"pactl"_s, {u"list"_s, u"short"_s, u"sink-inputs"_s});
        return pactl.waitForFinished(5000) && !pactl.readAllStandardOutput().trimmed().isEmpty();
    };
    QTRY_VERIFY_WITH_TIMEOUT(streams(), 20000);
    QCOMPARE(player.playState(), Player::Playing);
}

void TestGstPlayerFailures::loopOnAPulseServer_playsWithoutAGapUnderLoad_andDropsWhatTheServerHoldsForAChange() {
    QTemporaryDir runtime;
    QProcess pulse;
    QProcess recorder;
    std::array<QProcess, 2> busy;
    const auto stopServer = qScopeGuard([&] {
        for (QProcess &loop : busy) {
            loop.kill();
            loop.waitForFinished();
        }
        recorder.disconnect();
        recorder.kill();
        recorder.waitForFinished();
        pulse.kill();
        pulse.waitForFinished();
    });
    const QProcessEnvironment environment = startPulse(pulse, runtime.path());
    QVERIFY2(pulse.waitForStarted(), "pulseaudio is not installed");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(u"pulse/native"_s)), 10000);
    qunsetenv("SOMNIVOX_AUDIO_SINK");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(runtime.filePath(u"pulse/native"_s)));
    const auto restore = qScopeGuard([] { qunsetenv("PULSE_SERVER"); });
    recorder.setProcessEnvironment(environment);
    recorder.start(u"parec"_s, {u"-d"_s, u"nullsink.monitor"_s, u"--format=s16le"_s, u"--rate=44100"_s,
                                u"--channels=2"_s, u"--latency-msec=10"_s});
    QVERIFY2(recorder.waitForStarted(), "parec is not installed");
    QByteArray recorded;
    connect(&recorder, &QProcess::readyReadStandardOutput, this, [&] { recorded += recorder.readAllStandardOutput(); });
    constexpr qsizetype Second = 44100;
    const auto frames = [&recorded] { return recorded.size() / 4; };
    // The left channel of the frames [from, to) of the recording.
    const auto left = [&recorded](qsizetype from, qsizetype to) {
        std::vector<std::int16_t> samples;
        const auto *frame = reinterpret_cast<const std::int16_t *>(recorded.constData());
        for (qsizetype i = from; i < std::min(to, recorded.size() / 4); ++i) {
            samples.push_back(frame[2 * i]);
        }
        return samples;
    };
    const auto firstSound = [&](qsizetype from) -> qsizetype {
        const auto samples = left(from, frames());
        const auto found = std::find_if(samples.begin(), samples.end(), [](std::int16_t v) { return v != 0; });
        return found == samples.end() ? -1 : from + (found - samples.begin());
    };

    GstPlayer player;
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(soundfiles::path(u"sine-cbr.mp3"_s), {});
    QTRY_VERIFY_WITH_TIMEOUT(firstSound(0) >= 0, 20000);
    const qsizetype soundFrom = firstSound(0);
    // Two busy loops take both cores for some seconds of sound: the stream holds no silence a server's underrun
    // would leave (the sine is at zero for one frame at a time).
    for (QProcess &loop : busy) {
        loop.start(u"sh"_s, {u"-c"_s, u"while :; do :; done"_s});
    }
    QTRY_VERIFY_WITH_TIMEOUT(frames() > soundFrom + 4 * Second, 30000);
    for (QProcess &loop : busy) {
        loop.kill();
    }
    qsizetype zeros = 0;
    qsizetype longestSilence = 0;
    for (const std::int16_t v : left(soundFrom, frames())) {
        zeros = v == 0 ? zeros + 1 : 0;
        longestSilence = std::max(longestSilence, zeros);
    }
    QVERIFY2(longestSilence < 16, qPrintable(u"%1 silent frames in a row"_s.arg(longestSilence)));

    // A new pitch is heard without waiting for the seconds the server holds: the 441 Hz sine crosses zero 882 times
    // a second, and twice as often at twice the rate.
    const qsizetype changedAt = frames();
    player.setRate(2.0);
    QTRY_VERIFY_WITH_TIMEOUT(frames() > changedAt + Second, 10000);
    const auto changed = left(changedAt + Second * 3 / 10, changedAt + Second / 2);
    qsizetype crossings = 0;
    for (std::size_t i = 1; i < changed.size(); ++i) {
        crossings += (changed[i - 1] < 0) != (changed[i] < 0);
    }
    QVERIFY2(crossings > 300, qPrintable(u"%1 crossings in 200 ms"_s.arg(crossings)));
    const auto afterChange = left(changedAt, frames());
    const auto quiet = std::search_n(afterChange.begin(), afterChange.end(), 16, std::int16_t(0));
    const auto resumed = std::find_if(quiet, afterChange.end(), [](std::int16_t v) { return v != 0; });
    qInfo("the new pitch is heard %lld ms after the change", qlonglong(resumed - afterChange.begin()) * 1000 / Second);

    // So is a fade shorter than what the server holds: it is heard falling, and silent when it was to end.
    const qsizetype fadeAt = frames();
    player.fadeOut(std::chrono::milliseconds(600));
    QTRY_VERIFY_WITH_TIMEOUT(frames() > fadeAt + Second * 6 / 5, 10000);
    const auto falling = left(fadeAt + Second / 5, fadeAt + Second * 3 / 10);
    QVERIFY(std::any_of(falling.begin(), falling.end(), [](std::int16_t v) { return std::abs(v) > 1000; }));
    QVERIFY(std::all_of(falling.begin(), falling.end(), [](std::int16_t v) { return std::abs(v) < 16000; }));
    const auto faded = left(fadeAt + Second * 9 / 10, fadeAt + Second * 6 / 5);
    QVERIFY(std::all_of(faded.begin(), faded.end(), [](std::int16_t v) { return v == 0; }));

    player.setUrl(soundfiles::path(u"sine-cbr.mp3"_s), {});
    QTRY_VERIFY_WITH_TIMEOUT(firstSound(fadeAt + Second * 6 / 5) >= 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(frames() > firstSound(fadeAt + Second * 6 / 5) + Second, 10000);
    const qsizetype stoppedAt = frames();
    player.stop();
    // What the server and the player held ahead is not heard: after the ramp the sink is silent.
    const qsizetype silentFrom = stoppedAt + Second / 5;
    QTRY_VERIFY_WITH_TIMEOUT(frames() > silentFrom + Second, 10000);
    QCOMPARE(firstSound(silentFrom), -1);
    const auto ending = left(stoppedAt, silentFrom);
    const auto last = std::find_if(ending.rbegin(), ending.rend(), [](std::int16_t v) { return v != 0; });
    qInfo("the sound ends %lld ms after the stop", qlonglong(ending.rend() - last) * 1000 / Second);
}

QTEST_GUILESS_MAIN(TestGstPlayerFailures)
#include "tst_gstplayer_failures.moc"
