#include "terminationsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array Handled{SIGTERM, SIGINT, SIGHUP};
// A signal handler may only write to a pipe; the event loop reads the other end.
std::array<int, 2> s_pipe{-1, -1};

void onSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
    errno = saved;
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {
    Q_ASSERT(s_pipe[0] < 0);
    if (::pipe2(s_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("cannot watch for the end of the session: %s", std::strerror(errno));
        s_pipe = {-1, -1};
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(s_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::drain);
    setHandler(onSignal);
}

TerminationSignals::~TerminationSignals() {
    if (s_pipe[0] < 0) {
        return;
    }
    setHandler(SIG_DFL);
    m_notifier.reset();
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe = {-1, -1};
}

void TerminationSignals::drain() {
    std::array<char, 16> bytes{};
    bool received = false;
    while (::read(s_pipe[0], bytes.data(), bytes.size()) > 0) {
        received = true;
    }
    if (received) {
        Q_EMIT terminationRequested();
    }
}
