// Prints the median time ListFolderFiles takes over a folder of COUNT empty files (default 50000), over 9 runs.
#include "addfolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 50000;
    QTemporaryDir dir;
    for (int i = 0; i < count; ++i) {
        QFile file(dir.filePath(QStringLiteral("Noise %1.mp3").arg(i)));
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    std::vector<qint64> times;
    qsizetype listed = 0;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        listed = ListFolderFiles(dir.path(), QStringLiteral("*.*")).names().size();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f ms to list %lld files (median of 9)\n", static_cast<double>(times[4]) / 1e6,
                static_cast<long long>(listed));
    return 0;
}
