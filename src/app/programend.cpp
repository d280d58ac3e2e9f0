#include "programend.h"

#include "player.h"

#include <QLoggingCategory>

#include <stdexcept>
#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcEnd, "somnivox.end")
} // namespace

ProgramEnd::ProgramEnd(Player &player, std::function<void()> quit, std::chrono::milliseconds bound, QObject *parent)
    : QObject(parent), m_player(player), m_quit(std::move(quit)) {
    m_bound.setSingleShot(true);
    m_bound.setInterval(bound);
    connect(&m_bound, &QTimer::timeout, this, [this] {
        qCWarning(lcEnd, "the sound did not fall silent in time; ending anyway");
        finish();
    });
    connect(&m_player, &Player::soundEnded, this, &ProgramEnd::finish);
}

void ProgramEnd::request() {
    if (m_state != State::Running) {
        return;
    }
    m_state = State::WaitingForSilence;
    try {
        m_player.stop();
    } catch (const std::runtime_error &e) {
        qCWarning(lcEnd) << "the sound cannot be stopped:" << e.what();
    }
    if (m_player.isEnding()) {
        m_bound.start();
    } else {
        finish();
    }
}

void ProgramEnd::finish() {
    if (m_state != State::WaitingForSilence) {
        return;
    }
    m_state = State::Done;
    m_bound.stop();
    m_quit();
}
