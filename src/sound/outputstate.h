#pragma once

#include <QtGlobal>

#include <optional>

/// The life of the player's output, as one state that changes only through named events. Which transitions exist is
/// said in one place, next(), so a reader can list them and a test can walk them all.
class OutputState {
public:
    enum class State {
        /// Nothing runs on the worker: no pipeline, or one halted.
        Closed,
        /// The present sound's start is on the worker and has not told how it went.
        Starting,
        /// As Starting, and a change came meanwhile: what the output holds is dropped once it has started.
        StartingToDrop,
        /// As Starting, and the sound was stopped meanwhile: it ramps down once it has started.
        StartingToEnd,
        /// The present sound's output has started and plays.
        Playing,
        /// The stream's volume falls so that what the server holds is dropped; the stream then starts afresh.
        Dropping,
        /// The stopped sound falls to silence in its ramp; the output is released after it.
        Ending,
        /// A start is on the worker for a sound that is over: the output is halted once it tells.
        Abandoned,
    };
    static constexpr int StateCount = int(State::Abandoned) + 1;

    enum class Event {
        /// The opened file is handed to the output.
        Start,
        /// The present sound's start has told it succeeded, or a stale start has told anything.
        StartSucceeded,
        StartFailed,
        /// A change must be heard sooner than what the server holds.
        Drop,
        /// The stream's volume has fallen for a drop: it starts afresh.
        Restart,
        /// The sound is stopped while it may be heard.
        Stop,
        /// Whatever plays is halted, at once or once its start has told.
        Halt,
        /// The pipeline failed or goes: it is thrown away, at once or once its start has told.
        Discard,
    };
    static constexpr int EventCount = int(Event::Discard) + 1;

    /// The state that \a event leads to from \a from; none when the event has no meaning there and is refused.
    static std::optional<State> next(State from, Event event);

    State state() const { return m_state; }
    /// Moves to the state next() gives; false, and nothing changes, when the event is refused.
    bool handle(Event event);

    /// Whether the present sound's start is on the worker.
    static bool starting(State state);
    /// Whether any start is on the worker, the present sound's or a stale one.
    bool startOnWorker() const { return starting(m_state) || m_state == State::Abandoned; }
    /// Whether the output runs: started, and not yet halted.
    bool running() const { return m_state == State::Playing || m_state == State::Dropping || m_state == State::Ending; }
    bool ending() const { return m_state == State::Ending || m_state == State::StartingToEnd; }

private:
    State m_state = State::Closed;
};
