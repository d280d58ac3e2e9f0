// logind's part in sleep on the bus at the address given: hands out delay locks as pipe ends, announces sleep
// ("sleep" on standard input) and resume ("wake"), and tells on standard output what it was asked and when each lock
// was let go, in milliseconds since the last announcement.
#include "fakes/fakelogind.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fake-logind BUS-ADDRESS\n");
        return 2;
    }
    FakeLogind logind(QString::fromLocal8Bit(argv[1]));
    if (!logind.isRegistered()) {
        std::fprintf(stderr, "cannot own org.freedesktop.login1 on %s\n", argv[1]);
        return 1;
    }
    const auto tell = [](const QString &line) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
    QElapsedTimer announced;
    announced.start();
    qsizetype asked = 0;
    int held = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (; asked < logind.requests.size(); ++asked) {
            tell(u"asked "_s + logind.requests[asked].join(u'|'));
        }
        if (const int now = logind.locksHeld(); now != held) {
            held = now;
            tell(u"held %1 after %2"_s.arg(held).arg(announced.elapsed()));
        }
    });
    watch.start(2);
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        const ssize_t length = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (length <= 0) {
            QCoreApplication::quit();
            return;
        }
        const bool sleep = QByteArray(line).trimmed() == "sleep";
        announced.restart();
        logind.prepareForSleep(sleep);
        tell(sleep ? u"sleeping"_s : u"awake"_s);
    });
    tell(u"ready"_s);
    return QCoreApplication::exec();
}
