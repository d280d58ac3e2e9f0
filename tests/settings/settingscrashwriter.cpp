// Writes the settings round after round until it is killed; prints "ready" once the first round is on disk.

#include "settingscrashrounds.h"
#include "settingsstore.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: settingscrashwriter SETTINGS-FILE\n", stderr);
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
