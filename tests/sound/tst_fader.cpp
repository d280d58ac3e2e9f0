#include "fader.h"

#include <QString>

#include <QTest>

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

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

    void decibelFadeOut_fallsTheSameDecibelsEachStep_toSixtyBelowItsStart_thenSilence_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<double>("startDecibels");
        QTest::newRow("from full level") << QString() << 0.0;
        // Half-way down a square fade the level is a quarter: some 12 dB down.
        QTest::newRow("taking over a square fade") << u"square"_s << 20 * std::log10(0.25);
        QTest::newRow("after a fade called off") << u"cancelled"_s << 0.0;
    }
    void decibelFadeOut_fallsTheSameDecibelsEachStep_toSixtyBelowItsStart_thenSilence() {
        QFETCH(QString, before);
        QFETCH(double, startDecibels);
        constexpr int Length = 4000;
        constexpr int Step = 1000;
        Fader fader;
        if (!before.isEmpty()) {
            std::vector<std::int16_t> half(2 * Length / 2, 32767);
            fader.fadeOut(Length);
            fader.apply(half);
            if (before == u"cancelled"_s) {
                fader.cancelFadeOut();
            }
        }
        fader.fadeOutByDecibels(Length);
        std::vector<std::int16_t> frames(2 * (Length + 2), 32767);
        fader.apply(frames);
        const auto decibels = [&frames](int frame) {
            return 20 * std::log10(frames[std::size_t(2 * frame)] / 32767.0);
        };
        const double perStep = (-60.0 - startDecibels) * Step / Length;
        for (int frame = 0; frame + Step < Length; frame += Step) {
            QVERIFY2(std::abs(decibels(frame + Step) - decibels(frame) - perStep) < 0.2,
                     qPrintable(QString::number(decibels(frame + Step) - decibels(frame))));
        }
        QVERIFY(std::abs(decibels(0) - startDecibels) < 0.2);
        QVERIFY(std::abs(decibels(Length - 2) - (-60.0)) < 1.0);
        QCOMPARE(frames[std::size_t(2 * (Length - 1))], 0);
        QCOMPARE(frames[std::size_t(2 * (Length + 1))], 0);
    }
};

QTEST_GUILESS_MAIN(TestFader)
#include "tst_fader.moc"
