#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class Player;

/// Ends the program as a close asks: the sound falls silent in its ramp first, and the event loop ends once it has,
/// or once a short bound has passed, so that an output that hangs cannot keep the program alive.
class ProgramEnd : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramEnd)

public:
    /// The longest the sound is waited for.
    static constexpr std::chrono::milliseconds Bound{1500};

    /// \a quit ends the event loop; \a player is owned by the caller and outlives this.
    ProgramEnd(Player &player, std::function<void()> quit, std::chrono::milliseconds bound = Bound,
               QObject *parent = nullptr);
    ~ProgramEnd() override = default;

    /// Stops the player and calls quit once it is silent; later requests change nothing.
    void request();
    /// Whether the end has been asked for.
    bool requested() const { return m_state != State::Running; }
    /// Whether quit has been called.
    bool done() const { return m_state == State::Done; }

private:
    enum class State { Running, WaitingForSilence, Done };

    void finish();

    Player &m_player;
    std::function<void()> m_quit;
    QTimer m_bound;
    State m_state = State::Running;
};
