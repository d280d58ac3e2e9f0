// Figures for the player: loop seams, CPU and memory while looping, the CPU of each file format, and how soon a volume
// change is heard.
// The output goes to the sink named by SOMNIVOX_AUDIO_SINK, or to a capture file this program sets up.

#include "decoder.h"
#include "generatednoise.h"
#include "gstplayer.h"
#include "sound/soundfiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using soundfiles::decodeAll;
using soundfiles::Pcm;
using soundfiles::readRaw;
constexpr double FrameRate = 44100.0;

void waitFor(const std::function<bool()> &done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// Sleeps in the event loop, as the program does between events, so the figures hold only the player's work.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString captureTo(const QString &file) {
    qputenv("SOMNIVOX_AUDIO_SINK", "filesink location=\"" + file.toUtf8() + "\" sync=true buffer-mode=2");
    return file;
}

qsizetype framesIn(const QString &file) {
    return QFileInfo(file).size() / 4;
}

bool loopAt(const Pcm &capture, qsizetype at, const Pcm &reference, qsizetype from = 0) {
    const auto frames = static_cast<qsizetype>(reference.size() / 2);
    if (at + from < 0 || 2 * (at + frames) > qsizetype(capture.size())) {
        return false;
    }
    return std::equal(reference.begin() + 2 * from, reference.end(), capture.begin() + 2 * (at + from));
}

// Each seam: where the next loop really starts against where it should, searched within a second.
int seams(int loops, const QStringList &names) {
    QTemporaryDir dir;
    std::vector<std::unique_ptr<GstPlayer>> players;
    std::vector<Pcm> references;
    for (const QString &name : names) {
        references.push_back(decodeAll(name));
        captureTo(dir.filePath(QFileInfo(name).fileName() + u".raw"_s));
        players.push_back(std::make_unique<GstPlayer>());
        players.back()->setVolume(100);
        players.back()->setLoop(true);
        players.back()->setUrl(name, {});
    }
    for (std::size_t n = 0; n < std::size_t(names.size()); ++n) {
        const QString capture = dir.filePath(QFileInfo(names[qsizetype(n)]).fileName() + u".raw"_s);
        waitFor([&] { return framesIn(capture) > qsizetype(references[n].size() / 2) * loops + 4410; }, 600000);
        players[n]->stop();
    }
    int exitCode = 0;
    for (std::size_t n = 0; n < std::size_t(names.size()); ++n) {
        const Pcm capture = readRaw(dir.filePath(QFileInfo(names[qsizetype(n)]).fileName() + u".raw"_s));
        const Pcm &reference = references[n];
        const auto length = static_cast<qsizetype>(reference.size() / 2);
        std::printf("%s: %lld frames per loop\n", qPrintable(QFileInfo(names[qsizetype(n)]).fileName()),
                    static_cast<long long>(length));
        // A sink may drop the very first frame, so the first loop is matched from its second frame on.
        qsizetype start = loopAt(capture, 0, reference, 1) ? 0 : loopAt(capture, -1, reference, 1) ? -1 : -2;
        if (start == -2) {
            std::printf("  the output does not begin with the file\n");
            exitCode = 1;
            continue;
        }
        long long totalInserted = 0;
        long long totalDropped = 0;
        for (int seam = 1; seam < loops; ++seam) {
            const qsizetype expected = start + length;
            qsizetype found = -1;
            for (qsizetype d = 0; d <= 44100 && found < 0; ++d) {
                if (loopAt(capture, expected + d, reference)) {
                    found = expected + d;
                } else if (loopAt(capture, expected - d, reference)) {
                    found = expected - d;
                }
            }
            if (found < 0) {
                std::printf("  seam %2d: loop %d not found within a second\n", seam, seam + 1);
                exitCode = 1;
                break;
            }
            const qsizetype shift = found - expected;
            totalInserted += std::max<qsizetype>(shift, 0);
            totalDropped += std::max<qsizetype>(-shift, 0);
            std::printf("  seam %2d: inserted %lld, dropped %lld\n", seam,
                        static_cast<long long>(std::max<qsizetype>(shift, 0)),
                        static_cast<long long>(std::max<qsizetype>(-shift, 0)));
            start = found;
        }
        std::printf("  %d seams: %lld frames inserted, %lld dropped in all\n", loops - 1, totalInserted, totalDropped);
    }
    return exitCode;
}

void printUsage(const char *who) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s: cpu %.2f s (user %.2f, system %.2f), peak RSS %.1f MiB\n", who,
                usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                    usage.ru_stime.tv_usec / 1e6,
                usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6,
                usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6, usage.ru_maxrss / 1024.0);
}

int play(const QString &file, int seconds, double rate) {
    printUsage("before playing");
    GstPlayer player;
    player.setLoop(true);
    player.setRate(rate);
    player.setUrl(file, {});
    runFor(seconds * 1000);
    const bool playing = player.playState() == Player::Playing;
    player.stop();
    std::printf("player, rate %g, %d s, still playing at the end: %s\n", rate, seconds, playing ? "yes" : "NO");
    printUsage("player");
    return playing ? 0 : 1;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// The CPU of looping each file at rate 1 for the same time, one after the other, against the first (the MP3).
int formats(int seconds, const QStringList &files) {
    {
        // GStreamer's start-up is paid once, outside the figures.
        GstPlayer warmUp;
        warmUp.setUrl(files.first(), {});
        runFor(1000);
    }
    double first = 0;
    for (const QString &file : files) {
        GstPlayer player;
        player.setLoop(true);
        const double before = cpuSeconds();
        player.setUrl(GeneratedNoise::sourceOf(file).value_or(file), {});
        runFor(seconds * 1000);
        const bool playing = player.playState() == Player::Playing;
        player.stop();
        const double used = cpuSeconds() - before;
        first = first > 0 ? first : used;
        std::printf("%-18s rate 1, %d s: cpu %.3f s, %.2f%% of one core, %.2fx the first%s\n",
                    qPrintable(QFileInfo(file).fileName()), seconds, used, 100.0 * used / seconds, used / first,
                    playing ? "" : " (NOT PLAYING)");
    }
    return 0;
}

// The CPU of the sources alone, without the pipeline: SECONDS of audio read from each, looped, one after the other.
int sources(int seconds, const QStringList &paths) {
    std::vector<std::int16_t> chunk(4096 * Decoder::Channels);
    for (const QString &path : paths) {
        const std::unique_ptr<Decoder> decoder = openDecoder(GeneratedNoise::sourceOf(path).value_or(path));
        const qint64 wanted = qint64(seconds) * decoder->sampleRate();
        const double before = cpuSeconds();
        for (qint64 read = 0; read < wanted;) {
            const qsizetype got = decoder->read(chunk);
            if (got == 0) {
                decoder->rewind();
            }
            read += got;
        }
        const double used = cpuSeconds() - before;
        std::printf("%-18s %d s of audio: cpu %.3f s, %.3f%% of one core in real time\n",
                    qPrintable(QFileInfo(path).fileName()), seconds, used, 100.0 * used / seconds);
    }
    return 0;
}

// mpg123 decoding the same file in a loop to a pipe that this process empties at the pace of playback.
int floorDecoder(const QString &file, int seconds, double rate) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return 1;
    }
    const QByteArray path = QFile::encodeName(file);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execlp("mpg123", "mpg123", "-q", "--loop", "-1", "-s", path.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    QElapsedTimer timer;
    timer.start();
    const double bytesPerMs = rate * FrameRate * 4 / 1000.0;
    long long consumed = 0;
    char buffer[65536];
    while (timer.elapsed() < seconds * 1000) {
        const auto due = static_cast<long long>(timer.elapsed() * bytesPerMs);
        if (consumed >= due) {
            QThread::msleep(5);
            continue;
        }
        const ssize_t got = read(pipeFds[0], buffer, std::min<long long>(sizeof buffer, due - consumed));
        if (got <= 0) {
            break;
        }
        consumed += got;
    }
    kill(child, SIGTERM);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("mpg123 --loop -1 paced to rate %g, %d s (%.1f s of audio): cpu %.2f s (user %.2f, system %.2f), "
                "peak RSS %.1f MiB\n",
                rate, seconds, consumed / (FrameRate * 4),
                usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                    usage.ru_stime.tv_usec / 1e6,
                usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6,
                usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6, usage.ru_maxrss / 1024.0);
    return 0;
}

// The distance, in the output, from what had been written when the volume changed to the first changed frame.
int latency(const QString &file, int rounds) {
    QTemporaryDir dir;
    const QString capture = captureTo(dir.filePath(u"latency.raw"_s));
    const Pcm reference = decodeAll(file);
    const auto length = static_cast<qsizetype>(reference.size() / 2);
    GstPlayer player;
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(file, {});
    struct Change {
        qsizetype at;    // frames written when the volume changed
        qsizetype heard; // frames due by the playback clock then
        double before;
        double after;
    };
    std::vector<Change> changes;
    double gain = 1.0;
    // The first frame is written when playback starts, which fixes the clock.
    QElapsedTimer clock;
    clock.start();
    while (framesIn(capture) == 0 && clock.elapsed() < 10000) {
        QThread::usleep(200);
    }
    clock.start();
    for (int i = 0; i < rounds; ++i) {
        runFor(200 + 37 * (i % 5));
        const double next = gain == 1.0 ? 0.5 : 1.0;
        changes.push_back(
            {framesIn(capture), static_cast<qsizetype>(clock.nsecsElapsed() * FrameRate / 1e9), gain, next});
        player.setVolume(static_cast<int>(next * 100));
        gain = next;
    }
    runFor(400);
    player.stop();

    const Pcm output = readRaw(capture);
    const auto frames = static_cast<qsizetype>(output.size() / 2);
    const int shift = std::equal(reference.begin() + 2, reference.begin() + 4000, output.begin() + 2) ? 0 : 1;
    const auto fits = [&](qsizetype i, double g) {
        const qsizetype at = (i + shift) % length;
        const double tolerance = g == 1.0 ? 0.0 : 1.0;
        return std::abs(output[2 * i] - reference[2 * at] * g) <= tolerance &&
               std::abs(output[2 * i + 1] - reference[2 * at + 1] * g) <= tolerance;
    };
    std::vector<double> ms;
    std::vector<double> heardMs;
    for (const Change &change : changes) {
        qsizetype i = std::max<qsizetype>(change.at, 1);
        while (i < frames && fits(i, change.before)) {
            ++i;
        }
        if (i < frames && fits(i, change.after)) {
            ms.push_back((i - change.at) * 1000.0 / FrameRate);
            heardMs.push_back((i - change.heard) * 1000.0 / FrameRate);
        }
    }
    if (ms.empty()) {
        std::printf("no volume change found in the output\n");
        return 1;
    }
    const auto report = [&](const char *from, std::vector<double> &values) {
        std::sort(values.begin(), values.end());
        std::printf("  from %s: min %.1f ms, median %.1f ms, max %.1f ms\n", from, values.front(),
                    values[values.size() / 2], values.back());
    };
    std::printf("volume change to changed output, %zu of %d changes found\n", ms.size(), rounds);
    report("the frames already written", ms);
    report("the frame due by the playback clock", heardMs);
    return 0;
}

int usage() {
    std::fputs("usage: bench_player seams LOOPS FILE...\n"
               "       bench_player play FILE SECONDS RATE\n"
               "       bench_player floor FILE SECONDS RATE\n"
               "       bench_player latency FILE ROUNDS\n"
               "       bench_player formats SECONDS FILE...\n"
               "       bench_player sources SECONDS FILE...\n"
               "A FILE named \"White Noise\", \"Pink Noise\" or \"Brown Noise\" is generated as the program does.\n"
               "The test sounds are in " SOUND_TEST_DIR "\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args[0] == "seams"_L1) {
        return seams(args[1].toInt(), args.mid(2));
    }
    if (args.size() == 4 && args[0] == "play"_L1) {
        return play(args[1], args[2].toInt(), args[3].toDouble());
    }
    if (args.size() == 4 && args[0] == "floor"_L1) {
        return floorDecoder(args[1], args[2].toInt(), args[3].toDouble());
    }
    if (args.size() >= 3 && args[0] == "formats"_L1) {
        return formats(args[1].toInt(), args.mid(2));
    }
    if (args.size() >= 3 && args[0] == "sources"_L1) {
        return sources(args[1].toInt(), args.mid(2));
    }
    if (args.size() == 3 && args[0] == "latency"_L1) {
        return latency(args[1], args[2].toInt());
    }
    return usage();
}
