// How long a burst of 200 queued volume steps (a held arrow key) takes to be worked through by the main window, and
// how many times the settings file is written for it, until the last value is on disk. The window runs over a
// player that only records (the sound is not the question here) with the real settings store in a scratch folder.
// Usage: bench_volume_steps   (QT_QPA_PLATFORM defaults to offscreen)
#include "fakes/fakeplayer.h"
#include "fakes/form1world.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSlider>

#include <sys/stat.h>

#include <cstdio>
#include <utility>

namespace {

// Each write renames a new file over the old one: a new inode or time of change is one write.
std::pair<ino_t, long> fileState(const QString &file) {
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0) {
        return {0, 0};
    }
    return {status.st_ino, status.st_mtim.tv_nsec};
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    Form1World world;
    world.store->WriteSetting(QStringLiteral("Volume"), QStringLiteral("30"));
    FakePlayer player;
    Form1 form(world.services(player));
    form.Form_Load();
    auto *slider = form.findChild<QSlider *>(QStringLiteral("Slider1"));
    const QString file = world.settingsFile();

    int writes = 0;
    std::pair<ino_t, long> last = fileState(file);
    const auto countWrite = [&] {
        if (const auto now = fileState(file); now != last) {
            ++writes;
            last = now;
        }
    };
    // Connected after the window's own handler, so it looks at the file once that has run.
    QObject::connect(slider, &QSlider::valueChanged, countWrite);

    // Up 60, down 60, up 60, down 20: every step changes the value, which ends at 70.
    constexpr int Steps = 200;
    for (int step = 0; step < Steps; ++step) {
        const bool up = step < 60 || (step >= 120 && step < 180);
        QCoreApplication::postEvent(slider, new QKeyEvent(QEvent::KeyPress, up ? Qt::Key_Right : Qt::Key_Left, {}));
    }
    QElapsedTimer timer;
    timer.start();
    QCoreApplication::sendPostedEvents(slider, QEvent::KeyPress);
    const double workedMs = double(timer.nsecsElapsed()) / 1e6;
    const bool heard = player.volume == 70 && slider->value() == 70;

    while (SettingsStore(file).ReadSetting(QStringLiteral("Volume"), QString()) != QStringLiteral("70") &&
           timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        countWrite();
    }
    const double onDiskMs = double(timer.nsecsElapsed()) / 1e6;
    countWrite();
    std::printf("%d volume steps worked through in %.1f ms (%.3f ms a step), player at the last value: %s\n", Steps,
                workedMs, workedMs / Steps, heard ? "yes" : "no");
    std::printf("last value on disk after %.1f ms, settings file written %d times\n", onDiskMs, writes);
    return heard ? 0 : 1;
}
