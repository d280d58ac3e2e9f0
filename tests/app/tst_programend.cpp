#include "programend.h"

#include "fakes/fakeplayer.h"

#include <QTest>

using namespace std::chrono_literals;

class TestProgramEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void request_stopsTheSoundThenQuitsOnceItIsSilent_onlyOnce() {
        FakePlayer player;
        player.state = Player::Playing;
        int quits = 0;
        ProgramEnd end(
            player, [&] { ++quits; }, 1h);
        end.request();
        QCOMPARE(player.calls, QStringList{u"stop"_s});
        QVERIFY(end.requested());
        QCOMPARE(quits, 0);
        player.fallSilent();
        QCOMPARE(quits, 1);
        end.request();
        player.fallSilent();
        QCOMPARE(player.calls, QStringList{u"stop"_s});
        QCOMPARE(quits, 1);

        FakePlayer silent;
        ProgramEnd quiet(
            silent, [&] { ++quits; }, 1h);
        quiet.request();
        QCOMPARE(silent.calls, QStringList{u"stop"_s});
        QVERIFY(quiet.done());
        QCOMPARE(quits, 2);
    }

    void request_aSoundThatNeverFallsSilentIsGivenUpAfterTheBound() {
        FakePlayer player;
        player.state = Player::Playing;
        int quits = 0;
        ProgramEnd end(
            player, [&] { ++quits; }, 20ms);
        end.request();
        QCOMPARE(quits, 0);
        QTRY_COMPARE(quits, 1);
        QVERIFY(end.done());
        player.fallSilent();
        QCOMPARE(quits, 1);
    }
};

QTEST_GUILESS_MAIN(TestProgramEnd)
#include "tst_programend.moc"
