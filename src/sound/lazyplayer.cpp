#include "lazyplayer.h"

#include "enginemodule.h"

#include <QLibrary>

#include <cmath>
#include <stdexcept>
#include <utility>

namespace {
// The engine's values of playState() before it is loaded.
constexpr int Undefined = 0;
constexpr int Stopped = 1;
} // namespace

LazyPlayer::LazyPlayer(const QString &enginePath, QObject *parent) : Player(parent), m_enginePath(enginePath) {}

// The module stays loaded to the end: GStreamer cannot be unloaded.
LazyPlayer::~LazyPlayer() = default;

Player &LazyPlayer::engine() {
    if (!m_engine) {
        QLibrary module(m_enginePath);
        auto *create = reinterpret_cast<SomnivoxCreatePlayer *>(module.resolve(SomnivoxCreatePlayerSymbol));
        if (!create) {
            throw std::runtime_error("the sound engine cannot be loaded: " + module.errorString().toStdString());
        }
        m_engine.reset(create());
        connect(m_engine.get(), &Player::playStateChanged, this, &Player::playStateChanged);
        connect(m_engine.get(), &Player::soundEnded, this, &Player::soundEnded);
        connect(m_engine.get(), &Player::waitingForOutputChanged, this, &Player::waitingForOutputChanged);
        m_engine->setOutputDevice(m_outputDevice);
        if (m_loop) {
            m_engine->setLoop(*m_loop);
        }
        if (m_volume) {
            m_engine->setVolume(*m_volume);
        }
        if (m_rate) {
            m_engine->setRate(*m_rate);
        }
        if (m_evenLoudness) {
            m_engine->setEvenLoudness(*m_evenLoudness);
        }
    }
    return *m_engine;
}

void LazyPlayer::setUrl(const QString &path, std::chrono::milliseconds fadeIn) {
    engine().setUrl(path, fadeIn);
}

void LazyPlayer::fadeOut(std::chrono::milliseconds duration) {
    // Before the engine nothing plays.
    if (m_engine) {
        m_engine->fadeOut(duration);
    }
}

void LazyPlayer::fadeOutByDecibels(std::chrono::milliseconds duration) {
    if (m_engine) {
        m_engine->fadeOutByDecibels(duration);
    }
}

void LazyPlayer::cancelFadeOut() {
    if (m_engine) {
        m_engine->cancelFadeOut();
    }
}

void LazyPlayer::setLoop(bool on) {
    m_loop = on;
    if (m_engine) {
        m_engine->setLoop(on);
    }
}

void LazyPlayer::setVolume(int volume) {
    m_volume = volume;
    if (m_engine) {
        m_engine->setVolume(volume);
    }
}

void LazyPlayer::setRate(double rate) {
    // The engine ignores a rate that is not a number, so the last one that is wins.
    if (!std::isnan(rate)) {
        m_rate = rate;
    }
    if (m_engine) {
        m_engine->setRate(rate);
    }
}

void LazyPlayer::setEvenLoudness(bool on) {
    m_evenLoudness = on;
    if (m_engine) {
        m_engine->setEvenLoudness(on);
    }
}

// Before the engine comes nothing plays.
void LazyPlayer::setMixLayers(const QString &source) {
    if (m_engine) {
        m_engine->setMixLayers(source);
    }
}

void LazyPlayer::stop() {
    if (m_engine) {
        m_engine->stop();
    } else if (!std::exchange(m_stopped, true)) {
        Q_EMIT playStateChanged();
    }
}

int LazyPlayer::playState() const {
    if (m_engine) {
        return m_engine->playState();
    }
    return m_stopped ? Stopped : Undefined;
}

bool LazyPlayer::isEnding() const {
    return m_engine && m_engine->isEnding();
}

bool LazyPlayer::isWaitingForOutput() const {
    return m_engine && m_engine->isWaitingForOutput();
}

void LazyPlayer::setOutputDevice(const QString &name) {
    m_outputDevice = name;
    if (m_engine) {
        m_engine->setOutputDevice(name);
    }
}
