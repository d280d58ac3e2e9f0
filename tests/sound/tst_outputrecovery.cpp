#include "outputrecovery.h"
#include "retrytimer.h"

#include <QTest>

#include <optional>

using namespace std::chrono_literals;
using Pause = OutputRecovery::Pause;

namespace {

// Runs the pending call only when the test says so.
class FakeRetryTimer final : public RetryTimer {
public:
    std::optional<Pause> pending;
    std::function<void()> due;

    void start(Pause pause, std::function<void()> call) override {
        pending = pause;
        due = std::move(call);
    }
    void stop() override {
        pending.reset();
        due = nullptr;
    }
    void fire() {
        QVERIFY(pending);
        pending.reset();
        std::exchange(due, nullptr)();
    }
};

} // namespace

class TestOutputRecovery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failingAttempts_waitGrowingPausesUpToFiveSecondsInOneOutage() {
        FakeRetryTimer timer;
        int attempts = 0;
        OutputRecovery recovery(timer, [&] {
            ++attempts;
            QVERIFY(!recovery.lost());
        });
        QVERIFY(recovery.lost());
        QList<Pause> pauses;
        for (int i = 0; i < 7; ++i) {
            pauses << *timer.pending;
            timer.fire();
        }
        QCOMPARE(pauses, (QList<Pause>{500ms, 1000ms, 2000ms, 4000ms, 5000ms, 5000ms, 5000ms}));
        QCOMPARE(attempts, 7);
        QVERIFY(recovery.active());
    }

    void end_stopsTheAttemptsAndTheNextLossBeginsAnotherOutageAtTheFirstPause() {
        FakeRetryTimer timer;
        OutputRecovery recovery(timer, [&] { recovery.lost(); });
        recovery.lost();
        timer.fire();
        timer.fire();
        recovery.end();
        QVERIFY(!timer.pending);
        QVERIFY(!recovery.active());
        QVERIFY(recovery.lost());
        QCOMPARE(*timer.pending, 500ms);
    }

    void attemptThatTellsNothing_isMadeAgainAfterTheLongestPause() {
        FakeRetryTimer timer;
        int attempts = 0;
        OutputRecovery recovery(timer, [&] { ++attempts; });
        recovery.lost();
        timer.fire();
        QCOMPARE(*timer.pending, OutputRecovery::LongestPause);
        timer.fire();
        QCOMPARE(attempts, 2);
    }

    void mayBeBack_attemptsAtOnceOnlyWhileWaitingAndStartsThePausesOver() {
        FakeRetryTimer timer;
        int attempts = 0;
        bool fails = true;
        OutputRecovery recovery(timer, [&] {
            ++attempts;
            if (fails) {
                recovery.lost();
            }
        });
        recovery.mayBeBack();
        QCOMPARE(attempts, 0);
        recovery.lost();
        for (int i = 0; i < 4; ++i) {
            timer.fire();
        }
        QCOMPARE(*timer.pending, 5000ms);
        recovery.mayBeBack();
        QCOMPARE(attempts, 5);
        QCOMPARE(*timer.pending, 500ms);
        // An attempt under way is not disturbed.
        fails = false;
        timer.fire();
        recovery.mayBeBack();
        QCOMPARE(attempts, 6);
    }

    void nothingListening_waitsForASignExceptJustAfterOne() {
        FakeRetryTimer timer;
        int attempts = 0;
        OutputRecovery recovery(timer, [&] {
            ++attempts;
            recovery.nothingListens();
        });
        QVERIFY(recovery.nothingListens());
        QCOMPARE(*timer.pending, OutputRecovery::QuietPause);
        timer.fire();
        QCOMPARE(*timer.pending, OutputRecovery::QuietPause);
        // A server that made its socket may not listen yet: one more look soon, then quiet again.
        recovery.mayBeBack();
        QCOMPARE(*timer.pending, 500ms);
        timer.fire();
        QCOMPARE(*timer.pending, OutputRecovery::QuietPause);
        QCOMPARE(attempts, 3);
        QVERIFY(recovery.active());
    }
};

QTEST_GUILESS_MAIN(TestOutputRecovery)
#include "tst_outputrecovery.moc"
