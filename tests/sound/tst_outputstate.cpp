#include "outputstate.h"

#include <QTest>

#include <array>
#include <optional>
#include <vector>

using State = OutputState::State;
using Event = OutputState::Event;

namespace {

constexpr std::optional<State> No;

// How each state is reached from Closed, through the events a player sends.
std::vector<Event> pathTo(State state) {
    switch (state) {
    case State::Closed:
        return {};
    case State::Starting:
        return {Event::Start};
    case State::StartingToDrop:
        return {Event::Start, Event::Drop};
    case State::StartingToEnd:
        return {Event::Start, Event::Stop};
    case State::Playing:
        return {Event::Start, Event::StartSucceeded};
    case State::Dropping:
        return {Event::Start, Event::StartSucceeded, Event::Drop};
    case State::Ending:
        return {Event::Start, Event::StartSucceeded, Event::Stop};
    case State::Abandoned:
        return {Event::Start, Event::Halt};
    }
    return {};
}

} // namespace

class TestOutputState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handle_everyEventInEveryState_movesAsTheTableSaysOrIsRefused_data();
    void handle_everyEventInEveryState_movesAsTheTableSaysOrIsRefused();
};

using Row = std::array<std::optional<State>, OutputState::EventCount>;
Q_DECLARE_METATYPE(Row)

void TestOutputState::handle_everyEventInEveryState_movesAsTheTableSaysOrIsRefused_data() {
    QTest::addColumn<State>("from");
    QTest::addColumn<Row>("next");
    using enum OutputState::State;
    // Start, StartSucceeded, StartFailed, Drop, Restart, Stop, Halt, Discard.
    QTest::newRow("closed") << Closed << Row{Starting, No, No, No, No, No, Closed, Closed};
    QTest::newRow("starting") << Starting
                              << Row{No, Playing, Closed, StartingToDrop, No, StartingToEnd, Abandoned, Abandoned};
    QTest::newRow("starting to drop") << StartingToDrop << Row{No, Playing,       Closed,    StartingToDrop,
                                                               No, StartingToEnd, Abandoned, Abandoned};
    QTest::newRow("starting to end") << StartingToEnd
                                     << Row{No, Ending, Closed, No, No, StartingToEnd, Abandoned, Abandoned};
    QTest::newRow("playing") << Playing << Row{No, No, No, Dropping, No, Ending, Closed, Closed};
    QTest::newRow("dropping") << Dropping << Row{No, No, No, Dropping, Starting, Ending, Closed, Closed};
    QTest::newRow("ending") << Ending << Row{No, No, No, No, No, Ending, Closed, Closed};
    QTest::newRow("abandoned") << Abandoned << Row{No, Closed, Closed, No, No, No, Abandoned, Abandoned};
}

void TestOutputState::handle_everyEventInEveryState_movesAsTheTableSaysOrIsRefused() {
    QFETCH(State, from);
    QFETCH(Row, next);
    OutputState reached;
    for (const Event event : pathTo(from)) {
        QVERIFY(reached.handle(event));
    }
    QCOMPARE(reached.state(), from);
    for (int e = 0; e < OutputState::EventCount; ++e) {
        const auto event = Event(e);
        QCOMPARE(OutputState::next(from, event), next[e]);
        OutputState output = reached;
        QCOMPARE(output.handle(event), next[e].has_value());
        QCOMPARE(output.state(), next[e].value_or(from));
    }
}

QTEST_GUILESS_MAIN(TestOutputState)
#include "tst_outputstate.moc"
