#include "fader.h"

#include <QTest>

#include <vector>

class TestFader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fades_startAndEndOnASilentFrame_andReachFullLevelOnTheirLength_data() {
        QTest::addColumn<bool>("in");
        QTest::newRow("fade-in") << true;
        QTest::newRow("fade-out") << false;
    }
    void fades_startAndEndOnASilentFrame_andReachFullLevelOnTheirLength() {
        QFETCH(bool, in);
        // Short enough that one step of the fade is far from silent.
        constexpr int Length = 10;
        std::vector<std::int16_t> frames(2 * (Length + 2), 32767);
        Fader fader;
        in ? fader.fadeIn(Length) : fader.fadeOut(Length);
        fader.apply(frames);
        const std::size_t silent = in ? 0 : 2 * (Length - 1);
        QCOMPARE(frames[silent], 0);
        QCOMPARE(frames[silent + 1], 0);
        QVERIFY(frames[in ? 2 : 2 * (Length - 2)] > 0);
        QCOMPARE(frames[2 * Length], in ? 32767 : 0);
    }
};

QTEST_GUILESS_MAIN(TestFader)
#include "tst_fader.moc"
