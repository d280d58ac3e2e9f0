// Writes the settings round after round until it is killed; prints "ready" once the first round is on disk.
// With "--start-up FILE N" it runs the main window's start-up over that settings file instead and kills itself
// right after the N-th write reaches the disk; a start-up with fewer writes prints their number and ends.

#include "settingscrashrounds.h"
#include "settingsstore.h"

#include "fakes/fakeplayer.h"
#include "fakes/form1world.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QByteArray watchedFile;
int writesBeforeKill = 0;
int writes = 0;

void renamed(const char *to) {
    if (!watchedFile.isEmpty() && QByteArray(to).endsWith(watchedFile) && ++writes == writesBeforeKill) {
        ::raise(SIGKILL);
    }
}

int startUp(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    watchedFile = QFile::encodeName(u'/' + QFileInfo(file).fileName());
    writesBeforeKill = std::atoi(argv[3]);
    Form1World world;
    world.store = std::make_unique<SettingsStore>(file);
    QDir(world.programFolder()).mkdir(QStringLiteral("sounds"));
    QFile sound(world.programFolder() + QStringLiteral("/sounds/White Noise.mp3"));
    sound.open(QIODevice::WriteOnly);
    FakePlayer player;
    Form1 form(world.services(player));
    form.Form_Load();
    form.showAfterLoad();
    QCoreApplication::processEvents();
    std::printf("%d\n", writes);
    return 0;
}

} // namespace

// Every settings write ends by renaming a new file into place: counting renames counts writes.
extern "C" int rename(const char *from, const char *to) noexcept {
    const int result = ::renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (result == 0) {
        renamed(to);
    }
    return result;
}

extern "C" int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned int flags) noexcept {
    const auto result = static_cast<int>(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
    if (result == 0) {
        renamed(to);
    }
    return result;
}

int main(int argc, char *argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--start-up") == 0) {
        return startUp(argc, argv);
    }
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: settingscrashwriter SETTINGS-FILE | --start-up SETTINGS-FILE N\n", stderr);
        return 2;
    }
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    QObject::connect(&store, &SettingsStore::writeFailed, [](const QString &reason) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        std::exit(1);
    });
    using namespace SettingsCrashRounds;
    // The first key holds the newest round: finish that round, then go on.
    qint64 round = std::max<qint64>(0, roundOf(0, store.ReadSetting(Keys.at(0), QString())));
    for (bool first = true;; first = false, ++round) {
        for (int key = 0; key < Keys.size(); ++key) {
            store.WriteSetting(Keys.at(key), valueFor(key, round));
        }
        if (first) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
