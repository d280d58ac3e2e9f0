#include "dailywindow.h"

#include "fakes/fakeclock.h"

#include <QTest>

class TestDailyWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void isInside_comparesTimesOfDayOnly_data() {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("inside");
        QTest::newRow("at the end") << QTime(8, 0) << QTime(9, 0) << QTime(9, 0, 0) << true;
        QTest::newRow("a second after the end") << QTime(8, 0) << QTime(9, 0) << QTime(9, 0, 1) << false;
        QTest::newRow("at the start") << QTime(8, 0) << QTime(9, 0) << QTime(8, 0) << true;
        QTest::newRow("a second before the start") << QTime(8, 0) << QTime(9, 0) << QTime(7, 59, 59) << false;
        QTest::newRow("one-second window, in it") << QTime(8, 0) << QTime(8, 0) << QTime(8, 0) << true;
        QTest::newRow("one-second window, after") << QTime(8, 0) << QTime(8, 0) << QTime(8, 0, 1) << false;
        QTest::newRow("overnight, late evening") << QTime(22, 0) << QTime(6, 0) << QTime(23, 0) << true;
        QTest::newRow("overnight, small hours") << QTime(22, 0) << QTime(6, 0) << QTime(3, 0) << true;
        QTest::newRow("overnight, noon") << QTime(22, 0) << QTime(6, 0) << QTime(12, 0) << false;
        QTest::newRow("overnight, at midnight") << QTime(22, 0) << QTime(6, 0) << QTime(0, 0) << true;
        QTest::newRow("overnight, at its end") << QTime(22, 0) << QTime(6, 0) << QTime(6, 0) << true;
        QTest::newRow("overnight, just after") << QTime(22, 0) << QTime(6, 0) << QTime(6, 0, 1) << false;
        QTest::newRow("evening is not morning") << QTime(21, 0) << QTime(23, 0) << QTime(10, 30) << false;
        QTest::newRow("evening window at 22:30") << QTime(21, 0) << QTime(23, 0) << QTime(22, 30) << true;
    }
    void isInside_comparesTimesOfDayOnly() {
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QTime, now);
        QFETCH(bool, inside);
        FakeClock clock;
        clock.current = QDateTime(QDate(2026, 12, 7), now);
        // The dates of the two ends play no role.
        const QDateTime from(QDate(2021, 5, 7), start);
        const QDateTime to(QDate(2030, 1, 1), end);
        QCOMPARE(DailyWindow::isInside(from, to, clock), inside);
    }

    void timeOfDay_dropsFractionsOfASecond() {
        FakeClock clock;
        clock.current = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0, 999));
        QVERIFY(DailyWindow::isInside(QDateTime(QDate(2026, 1, 1), QTime(8, 0)),
                                      QDateTime(QDate(2026, 1, 1), QTime(9, 0)), clock));
    }

    void isInside_invalidEndFails() {
        FakeClock clock;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, DailyWindow::isInside(QDateTime(), QDateTime(), clock));
    }
};

QTEST_GUILESS_MAIN(TestDailyWindow)
#include "tst_dailywindow.moc"
