#include "sleepinhibitor.h"

#include "sessionbusprobe.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QLoggingCategory>
#include <QPointer>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcInhibitor, "somnivox.sleep")

namespace {

const QString Login = u"org.freedesktop.login1"_s;
const QString LoginPath = u"/org/freedesktop/login1"_s;
const QString LoginManager = u"org.freedesktop.login1.Manager"_s;
constexpr QByteArrayView StandardSystemBus = "unix:path=/run/dbus/system_bus_socket";
// A bus that takes the connection and never answers keeps only the connecting thread this long.
constexpr int ProbeMs = 1000;
// logind answers at once when it answers at all.
constexpr int CallTimeoutMs = 5000;

} // namespace

SleepInhibitor::SleepInhibitor(Program program, QObject *parent) : QObject(parent), m_program(std::move(program)) {
    static std::atomic<int> connections{0};
    m_connectionName = u"somnivox-system-%1"_s.arg(connections++);
    m_releaseDeadline.setSingleShot(true);
    m_releaseDeadline.setInterval(LongestDelay);
    m_releaseDeadline.setTimerType(Qt::PreciseTimer);
    connect(&m_releaseDeadline, &QTimer::timeout, this, [this] {
        if (m_state == State::Releasing) {
            qCWarning(lcInhibitor, "the sound has not ended in time: the computer may sleep anyway");
            release();
        }
    });
}

SleepInhibitor::~SleepInhibitor() {
    if (m_lock >= 0) {
        ::close(m_lock);
    }
}

void SleepInhibitor::connectInBackground() {
    if (m_state != State::Unconnected) {
        return;
    }
    QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (address.isEmpty()) {
        address = StandardSystemBus.toByteArray();
    }
    // Detached: the program may end meanwhile.
    std::thread([address, name = m_connectionName, self = QPointer<SleepInhibitor>(this)] {
        if (SessionBusProbe::probe(address, ProbeMs) != SessionBusProbe::Verdict::Answers) {
            return;
        }
        const QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(address), name);
        if (!bus.isConnected()) {
            return;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, bus] {
                if (self) {
                    self->connected(bus);
                }
            },
            Qt::QueuedConnection);
    }).detach();
}

void SleepInhibitor::connected(const QDBusConnection &bus) {
    m_bus = bus;
    // Any sender, sorted in the slot: naming logind would have Qt ask the bus for its owner and wait for the answer.
    m_bus->connect(QString(), LoginPath, LoginManager, u"PrepareForSleep"_s, this, SLOT(prepareForSleep(bool)));
    m_state = State::Awake;
    take();
}

void SleepInhibitor::take() {
    m_state = State::Asking;
    QDBusMessage call = QDBusMessage::createMethodCall(Login, LoginPath, LoginManager, u"Inhibit"_s);
    // Desktops show who delays their sleep, and why.
    call << u"sleep"_s << u"Somnivox Noise Player"_s << tr("Silences the sound before the computer sleeps")
         << u"delay"_s;
    auto *watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call, CallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &SleepInhibitor::answered);
}

void SleepInhibitor::answered(QDBusPendingCallWatcher *call) {
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
    // An answer, even a refusal, comes from logind itself; one the bus or the library made up names no connection.
    if (const QString sender = reply.reply().service(); sender.startsWith(u':')) {
        m_logind = sender;
    }
    // The reply's own copy of the descriptor goes with it.
    call->deleteLater();
    const int lock =
        reply.isValid() && reply.value().isValid() ? ::fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0) : -1;
    if (m_state != State::Asking) {
        // Asked before a sleep that has begun since, or twice: not wanted any more.
        if (lock >= 0) {
            ::close(lock);
        }
        return;
    }
    if (lock < 0) {
        if (!std::exchange(m_refusalLogged, true)) {
            qCInfo(lcInhibitor).noquote() << "no delay before sleep:" << reply.error().message();
        }
        m_state = State::Awake;
        return;
    }
    m_lock = lock;
    m_state = State::Holding;
}

void SleepInhibitor::prepareForSleep(bool starting) {
    if (m_logind.isEmpty() || message().service() != m_logind) {
        return;
    }
    if (starting) {
        if (m_state == State::Releasing || m_state == State::Asleep) {
            return;
        }
        const bool holding = m_state == State::Holding;
        m_state = State::Releasing;
        m_program.silence();
        if (!holding || !m_program.isEnding()) {
            release();
        } else {
            m_releaseDeadline.start();
        }
        return;
    }
    if (m_state == State::Releasing) {
        release();
    }
    if (m_state == State::Holding) {
        return;
    }
    take();
    m_program.wake();
}

void SleepInhibitor::soundEnded() {
    if (m_state == State::Releasing) {
        release();
    }
}

void SleepInhibitor::release() {
    m_releaseDeadline.stop();
    if (m_lock >= 0) {
        ::close(m_lock);
        m_lock = -1;
    }
    m_state = State::Asleep;
}
