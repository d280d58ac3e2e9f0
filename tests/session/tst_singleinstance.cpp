#include "localsocketclient.h"
#include "singleinstance.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QEventLoop>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Long enough for the silent clients ahead of a later start to be dropped.
constexpr int LaterPatienceMs = SingleInstance::RequestMs + 3000;

// A later start runs in another thread: the first answers from this thread's event loop.
// Puts a thing of \a kind at \a name in \a dir: a FIFO, a folder, a symbolic link to a file beside it, or a file
// (empty, or of bytes naming no process); "removed" puts nothing there.
bool placeAt(const QTemporaryDir &dir, const QString &name, const QString &kind) {
    const QByteArray path = QFile::encodeName(dir.filePath(name));
    if (kind == u"fifo"_s) {
        return ::mkfifo(path.constData(), S_IRUSR | S_IWUSR) == 0;
    }
    if (kind == u"folder"_s) {
        return ::mkdir(path.constData(), S_IRWXU) == 0;
    }
    if (kind == u"symlink"_s) {
        const QString elsewhere = dir.filePath(u"elsewhere"_s);
        return QFile(elsewhere).open(QIODevice::WriteOnly) &&
               ::symlink(QFile::encodeName(elsewhere).constData(), path.constData()) == 0;
    }
    if (kind == u"removed"_s) {
        return true;
    }
    const QByteArray bytes(kind == u"bytes"_s ? 300 : 0, '\xa5');
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

SingleInstance::Role laterStart(const QString &folder, const QString &token = {}) {
    auto later = std::async(std::launch::async,
                            [folder, token] { return SingleInstance(folder).claim(LaterPatienceMs, token); });
    while (later.wait_for(0ms) != std::future_status::ready) {
        QTest::qWait(10);
    }
    return later.get();
}

// What the program answers to \a request sent at once on its socket in \a folder.
QByteArray answerTo(const QString &folder, const QByteArray &request) {
    auto asked = std::async(std::launch::async, [folder, request] {
        sockaddr_un address{};
        LocalSocketClient client{QDeadlineTimer(LaterPatienceMs)};
        return localSocketAddress(folder + u"/somnivox.socket"_s, address) &&
                       client.connectTo(address, sizeof address) && client.send(request)
                   ? client.receive(true)
                   : "no connection"_ba;
    });
    while (asked.wait_for(0ms) != std::future_status::ready) {
        QTest::qWait(10);
    }
    return asked.get();
}

// A running program's guard: a lock file that another opening cannot lock, and a socket beside it.
bool guardWhole(const QString &folder) {
    const int fd = ::open(QFile::encodeName(folder + u"/somnivox.lock"_s).constData(),
                          O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    const bool held = fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                      ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (fd >= 0) {
        ::close(fd);
    }
    return held && ::lstat(QFile::encodeName(folder + u"/somnivox.socket"_s).constData(), &status) == 0 &&
           S_ISSOCK(status.st_mode);
}

// A listener that reports a connection it cannot take wakes the event loop without end.
int eventLoopSleepsInHalfASecond() {
    int sleeps = 0;
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                     [&sleeps] { ++sleeps; });
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    return sleeps;
}

auto scopedEnvironment(const char *name, const QByteArray &value) {
    const bool wasSet = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
    return qScopeGuard([=] { wasSet ? qputenv(name, old) : qunsetenv(name); });
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void claim_somethingElseInThePlaceOfLockOrSocket_startsAtOnceAndHandsOver_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO as lock") << u"somnivox.lock"_s << u"fifo"_s;
        QTest::newRow("empty lock") << u"somnivox.lock"_s << u"empty"_s;
        QTest::newRow("bytes naming no process as lock") << u"somnivox.lock"_s << u"bytes"_s;
        QTest::newRow("folder as lock") << u"somnivox.lock"_s << u"folder"_s;
        QTest::newRow("folder as socket") << u"somnivox.socket"_s << u"folder"_s;
    }

    void claim_somethingElseInThePlaceOfLockOrSocket_startsAtOnceAndHandsOver() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(placeAt(dir, name, kind));

        SingleInstance first(dir.path());
        QCOMPARE(first.claim(1000), SingleInstance::Role::First);
        QSignalSpy shown(&first, &SingleInstance::activationRequested);
        QCOMPARE(laterStart(dir.path()), SingleInstance::Role::HandedOver);
        QCOMPARE(shown.size(), 1);
    }

    void claim_laterStartWithItsLaunchersToken_handsTheTokenOver_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("received");
        QTest::newRow("xdg-activation token")
            << u"4b1f0c9e2d7a48e6b3c5a1f09e8d7c6b"_s << u"4b1f0c9e2d7a48e6b3c5a1f09e8d7c6b"_s;
        QTest::newRow("startup notification id")
            << u"openbox/somnivox/1234-0-host_TIME5678"_s << u"openbox/somnivox/1234-0-host_TIME5678"_s;
        QTest::newRow("none: a plain show, as older starts send it") << QString() << QString();
        QTest::newRow("too long to hand on: the window is still asked for")
            << QString(SingleInstance::MaxTokenLength + 1, u'a') << QString();
        QTest::newRow("a blank in the token: left behind") << u"4b1f0c9e 2d7a48e6"_s << QString();
        QTest::newRow("a control character in the token: left behind") << u"4b1f0c9e\u00012d7a48e6"_s << QString();
        QTest::newRow("a non-ASCII character in the token: left behind") << u"4b1f0c9e\u00e92d7a48e6"_s << QString();
    }

    void claim_laterStartWithItsLaunchersToken_handsTheTokenOver() {
        QFETCH(QString, token);
        QFETCH(QString, received);
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QCOMPARE(first.claim(0), SingleInstance::Role::First);
        QSignalSpy shown(&first, &SingleInstance::activationRequested);
        QCOMPARE(laterStart(dir.path(), token), SingleInstance::Role::HandedOver);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), received);
    }

    void claim_lockOrSocketReplacedWhileTheProgramRuns_laterStartHandsOverAndTheGuardIsMadeAgain_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO in the lock's place") << u"somnivox.lock"_s << u"fifo"_s;
        QTest::newRow("symbolic link in the lock's place") << u"somnivox.lock"_s << u"symlink"_s;
        QTest::newRow("folder in the lock's place") << u"somnivox.lock"_s << u"folder"_s;
        QTest::newRow("new empty file in the lock's place") << u"somnivox.lock"_s << u"empty"_s;
        QTest::newRow("lock removed") << u"somnivox.lock"_s << u"removed"_s;
        QTest::newRow("socket removed") << u"somnivox.socket"_s << u"removed"_s;
        QTest::newRow("new empty file in the socket's place") << u"somnivox.socket"_s << u"empty"_s;
    }

    void claim_lockOrSocketReplacedWhileTheProgramRuns_laterStartHandsOverAndTheGuardIsMadeAgain() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QCOMPARE(first.claim(0), SingleInstance::Role::First);
        QSignalSpy shown(&first, &SingleInstance::activationRequested);

        QVERIFY(::unlink(QFile::encodeName(dir.filePath(name)).constData()) == 0);
        QVERIFY(placeAt(dir, name, kind));
        QCOMPARE(laterStart(dir.path()), SingleInstance::Role::HandedOver);
        QTRY_VERIFY(guardWhole(dir.path()));
        QCOMPARE(laterStart(dir.path()), SingleInstance::Role::HandedOver);
        QCOMPARE(shown.size(), 2);
    }

    void serve_requestThatIsNotExactlyAShowOrACommand_isRefused_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("blank before") << " show\n"_ba;
        QTest::newRow("blank before the newline") << "show \n"_ba;
        QTest::newRow("blank after the line") << "show\n "_ba;
        QTest::newRow("carriage return") << "show\r\n"_ba;
        QTest::newRow("two blanks before the token") << "show  4b1f0c9e\n"_ba;
        QTest::newRow("blank after the token") << "show 4b1f0c9e \n"_ba;
        QTest::newRow("blank in the token") << "show 4b1f 0c9e\n"_ba;
        QTest::newRow("control character in the token") << "show 4b1f\x01"_ba + "0c9e\n"_ba;
        QTest::newRow("non-ASCII character in the token") << "show 4b1f\xe9"_ba + "0c9e\n"_ba;
        QTest::newRow("command: no newline") << "command --turn-on"_ba;
        QTest::newRow("command: two blanks") << "command  --turn-on\n"_ba;
        QTest::newRow("command: blank before the newline") << "command --turn-on \n"_ba;
        QTest::newRow("command: no blank before the argument") << "command--turn-on\n"_ba;
        QTest::newRow("command: more after the line") << "command --turn-on\n--turn-off\n"_ba;
        QTest::newRow("command: an argument not encoded") << "command --style Pink\tNoise\n"_ba;
        QTest::newRow("command: non-ASCII not encoded") << "command --style \xc3\xa9\n"_ba;
        QTest::newRow("command: longer than a request")
            << "command --style "_ba + QByteArray(SingleInstance::MaxRequestSize, 'a') + "\n"_ba;
    }

    void serve_requestThatIsNotExactlyAShowOrACommand_isRefused() {
        QFETCH(QByteArray, request);
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QCOMPARE(first.claim(0), SingleInstance::Role::First);
        int commands = 0;
        first.setCommandHandler([&commands](const QStringList &, const SingleInstance::Reply &reply) {
            ++commands;
            reply({0, u"done\n"_s});
        });
        QSignalSpy shown(&first, &SingleInstance::activationRequested);
        QCOMPARE(answerTo(dir.path(), request), QByteArray());
        QCOMPARE(shown.size(), 0);
        QCOMPARE(commands, 0);
        // Asked rightly, the same way, it is answered.
        QCOMPARE(answerTo(dir.path(), "show\n"_ba), "shown\n"_ba);
        QVERIFY(answerTo(dir.path(), "command --turn-on\n"_ba).startsWith("answer 0\n"));
        QCOMPARE(commands, 1);
    }

    void sendCommand_runningProgramOrNone_deliversTheAnswerOrTellsWhyNot_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("answerSize");
        QTest::addColumn<SingleInstance::Delivery>("delivery");
        using Delivery = SingleInstance::Delivery;
        QTest::newRow("answered, every argument whole")
            << u"serving"_s << QStringList{u"--style"_s, u"Rain  100% \u00e9t\u00e9\nnight"_s, u"--turn-on"_s} << 10
            << Delivery::Answered;
        QTest::newRow("an answer longer than the socket holds")
            << u"serving"_s << QStringList{u"--list-styles"_s} << 4 * 1024 * 1024 << Delivery::Answered;
        QTest::newRow("none running") << u"none"_s << QStringList{u"--status"_s} << 0 << Delivery::NotRunning;
        QTest::newRow("a killed program's lock and socket left")
            << u"killed"_s << QStringList{u"--status"_s} << 0 << Delivery::NotRunning;
        QTest::newRow("a program starting: lock held, nobody listening")
            << u"starting"_s << QStringList{u"--status"_s} << 0 << Delivery::NoAnswer;
        QTest::newRow("a stopped program: connection taken, never answered")
            << u"stopped"_s << QStringList{u"--status"_s} << 0 << Delivery::NoAnswer;
    }

    void sendCommand_runningProgramOrNone_deliversTheAnswerOrTellsWhyNot() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, answerSize);
        QFETCH(SingleInstance::Delivery, delivery);
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QStringList received;
        if (program == u"serving"_s) {
            QCOMPARE(first.claim(0), SingleInstance::Role::First);
            // Answered a moment later, as a command that waits for the outputs to be listed is.
            first.setCommandHandler(
                [&received, answerSize](const QStringList &sent, const SingleInstance::Reply &reply) {
                    received = sent;
                    QTimer::singleShot(50, [reply, answerSize] { reply({7, QString(answerSize, u'x')}); });
                });
        }
        // A lock held by another open file, and maybe a socket that nobody serves.
        const int lockFd = ::open(QFile::encodeName(dir.filePath(u"somnivox.lock"_s)).constData(),
                                  O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto release = qScopeGuard([=] {
            ::close(lockFd);
            ::close(listener);
        });
        if (program == u"starting"_s || program == u"stopped"_s) {
            QVERIFY(::flock(lockFd, LOCK_EX) == 0);
        }
        if (program == u"stopped"_s || program == u"killed"_s) {
            sockaddr_un address{};
            QVERIFY(localSocketAddress(dir.filePath(u"somnivox.socket"_s), address));
            QVERIFY(::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
            QVERIFY(::listen(listener, 8) == 0);
        }
        if (program == u"killed"_s) {
            ::close(::dup(listener));
            QVERIFY(::shutdown(listener, SHUT_RDWR) == 0 || errno == ENOTCONN);
            ::close(listener);
        }

        const QString folder = dir.path();
        auto asked = std::async(std::launch::async, [folder, arguments] {
            SingleInstance::Answer answer;
            const SingleInstance::Delivery fared = SingleInstance(folder).sendCommand(arguments, 1000, answer);
            return std::make_pair(fared, answer);
        });
        while (asked.wait_for(0ms) != std::future_status::ready) {
            QTest::qWait(10);
        }
        const auto [fared, answer] = asked.get();
        QCOMPARE(fared, delivery);
        if (delivery == SingleInstance::Delivery::Answered) {
            QCOMPARE(received, arguments);
            QCOMPARE(answer.exitCode, 7);
            QCOMPARE(answer.text, QString(answerSize, u'x'));
        }
    }

    void accept_silentClientsOrNoFileLeft_neitherSpinsNorKeepsALaterStartOut_data() {
        QTest::addColumn<int>("clients");
        QTest::addColumn<bool>("useUpFiles");
        QTest::newRow("more silent clients than are served") << 3 * SingleInstance::MaxRequests << false;
        QTest::newRow("no file left to take a client with") << 1 << true;
    }

    void accept_silentClientsOrNoFileLeft_neitherSpinsNorKeepsALaterStartOut() {
        QFETCH(int, clients);
        QFETCH(bool, useUpFiles);
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QCOMPARE(first.claim(0), SingleInstance::Role::First);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = QFile::encodeName(dir.filePath(u"somnivox.socket"_s));
        QVERIFY(socketPath.size() < qsizetype(sizeof address.sun_path));
        std::memcpy(address.sun_path, socketPath.constData(), std::size_t(socketPath.size()));

        // Room for every client and the few served, not for every client served.
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
        rlimit lowered = saved;
        const auto open =
            QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
        lowered.rlim_cur = rlim_t(open + clients + SingleInstance::MaxRequests + 8);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &lowered) == 0);
        // The silent clients, then the files that use up the rest.
        std::vector<int> held;
        const auto release = qScopeGuard([&] {
            std::for_each(held.begin(), held.end(), ::close);
            ::setrlimit(RLIMIT_NOFILE, &saved);
        });
        for (int i = 0; i < clients; ++i) {
            held.push_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
            QVERIFY(held.back() >= 0);
        }
        for (int fd = 0; useUpFiles && (fd = ::dup(held.front())) >= 0;) {
            held.push_back(fd);
        }
        for (int i = 0; i < clients; ++i) {
            // Beyond those served and the listener's queue a client is refused.
            (void)::connect(held[i], reinterpret_cast<const sockaddr *>(&address), sizeof address);
            QCoreApplication::processEvents();
        }

        const int sleeps = eventLoopSleepsInHalfASecond();
        QVERIFY2(sleeps < 20, qPrintable(u"the listener woke the program %1 times in half a second"_s.arg(sleeps)));
        std::for_each(held.begin() + clients, held.end(), ::close);
        held.resize(clients);
        QCOMPARE(laterStart(dir.path()), SingleInstance::Role::HandedOver);
    }

    void defaultFolder_noPrivateRuntimeFolder_isAFolderOfTheUsersOwn_data() {
        QTest::addColumn<bool>("runtimeSet");
        QTest::newRow("runtime folder unset") << false;
        QTest::newRow("runtime folder open to others") << true;
    }

    void defaultFolder_noPrivateRuntimeFolder_isAFolderOfTheUsersOwn() {
        QFETCH(bool, runtimeSet);
        QTemporaryDir dir;
        const QByteArray shared = QFile::encodeName(dir.filePath(u"shared"_s));
        QVERIFY(::mkdir(shared.constData(), 0) == 0 && ::chmod(shared.constData(), 0755) == 0);
        // The usual fallback under the temporary folder is taken, by a folder open to others.
        const QByteArray temp = QFile::encodeName(dir.filePath(u"tmp"_s));
        const QByteArray taken = temp + "/runtime-" + ::getpwuid(::geteuid())->pw_name;
        QVERIFY(::mkdir(temp.constData(), S_IRWXU) == 0 && ::mkdir(taken.constData(), 0) == 0 &&
                ::chmod(taken.constData(), 0755) == 0);
        const auto tempSet = scopedEnvironment("TMPDIR", temp);
        const auto runtimeSetTo = scopedEnvironment("XDG_RUNTIME_DIR", runtimeSet ? shared : QByteArray());

        const QString folder = SingleInstance::defaultFolder();
        struct stat status {};
        QVERIFY2(::lstat(QFile::encodeName(folder).constData(), &status) == 0 && !QDir(folder).isRoot() &&
                     S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700,
                 qPrintable(folder));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
