#include "outputstate.h"

std::optional<OutputState::State> OutputState::next(State from, Event event) {
    using enum State;
    switch (event) {
    case Event::Start:
        return from == Closed ? std::optional(Starting) : std::nullopt;
    case Event::StartSucceeded:
        switch (from) {
        case Starting:
        case StartingToDrop:
            return Playing;
        case StartingToEnd:
            return Ending;
        case Abandoned:
            return Closed;
        default:
            return std::nullopt;
        }
    case Event::StartFailed:
        return starting(from) || from == Abandoned ? std::optional(Closed) : std::nullopt;
    case Event::Drop:
        switch (from) {
        case Starting:
        case StartingToDrop:
            return StartingToDrop;
        case Playing:
        case Dropping:
            return Dropping;
        default:
            return std::nullopt;
        }
    case Event::Restart:
        return from == Dropping ? std::optional(Starting) : std::nullopt;
    case Event::Stop:
        switch (from) {
        case Starting:
        case StartingToDrop:
        case StartingToEnd:
            return StartingToEnd;
        case Playing:
        case Dropping:
        case Ending:
            return Ending;
        default:
            return std::nullopt;
        }
    case Event::Halt:
    case Event::Discard:
        // A start on the worker tells how it went whatever is decided meanwhile.
        return starting(from) || from == Abandoned ? Abandoned : Closed;
    }
    return std::nullopt;
}

bool OutputState::starting(State state) {
    return state == State::Starting || state == State::StartingToDrop || state == State::StartingToEnd;
}

bool OutputState::handle(Event event) {
    const std::optional<State> to = next(m_state, event);
    if (to) {
        m_state = *to;
    }
    return to.has_value();
}
