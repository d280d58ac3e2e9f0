#include "errortrap.h"
#include "procedureerrorreport.h"

#include "fakes/recordingnotifier.h"

#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {
const QString Location = u"in Somnivox2021/08/31.Form1.Timer1_Timer "_s;

void fail(const char *why) {
    throw std::runtime_error(why);
}
} // namespace

class TestErrorTrap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageText_readsAsFourLines() {
        const QString text = ProcedureErrorReport::messageText(u"in Somnivox2021/08/31.Form1.Form_Load "_s,
                                                               u"Invalid property value"_s, 138, u"help@example.org"_s);
        QCOMPARE(text, u"Invalid property value\r\nin Somnivox2021/08/31.Form1.Form_Load at line 138\r\r"
                       u"Please email screenshot of this message to help@example.org"_s);
    }

    void report_isAWarningTitledApplicationError() {
        RecordingNotifier notifier;
        ProcedureErrorReport report(notifier, u"a@b.c"_s);
        report.ReportProcedureError(Location, u"Overflow"_s, 104);
        QCOMPARE(notifier.titles, QStringList{u"Application Error"_s});
        QVERIFY(notifier.texts.at(0).startsWith(u"Overflow\r\n"_s + Location + u"at line 104"_s));
    }

    void trap_failureInTheFirstStepShowsLine100AndGoesOn() {
        RecordingNotifier notifier;
        ProcedureErrorReport report(notifier, u"a@b.c"_s);
        ErrorTrap trap(Location, report);
        QStringList ran;
        QVERIFY(!trap.step(100, [] { fail("first"); }));
        QVERIFY(trap.step(102, [&] { ran << u"102"_s; }));
        QCOMPARE(notifier.texts.size(), 1);
        QVERIFY(notifier.texts.at(0).contains(u"at line 100\r\r"_s));
        QCOMPARE(ran, QStringList{u"102"_s});
    }

    void trap_failingTestEntersItsBranch() {
        RecordingNotifier notifier;
        ProcedureErrorReport report(notifier, u"a@b.c"_s);
        ErrorTrap trap(Location, report);
        QVERIFY(trap.test(108, []() -> bool {
            fail("no clock");
            return false;
        }));
        QVERIFY(!trap.test(110, [] { return false; }));
        QVERIFY(trap.test(112, [] { return true; }));
        QCOMPARE(notifier.texts.size(), 1);
        QVERIFY(notifier.texts.at(0).startsWith(u"no clock\r\n"_s));
    }

    void trap_twoFailuresShowTwoReportsInStepOrder() {
        RecordingNotifier notifier;
        ProcedureErrorReport report(notifier, u"a@b.c"_s);
        ErrorTrap trap(Location, report);
        bool last = false;
        trap.step(102, [] { fail("one"); });
        trap.step(104, [] { fail("two"); });
        trap.step(106, [&] { last = true; });
        QCOMPARE(notifier.texts.size(), 2);
        QVERIFY(notifier.texts.at(0).contains(u"at line 102"_s));
        QVERIFY(notifier.texts.at(1).contains(u"at line 104"_s));
        QVERIFY(last);
    }

    void report_sameLocationAndLineIsNotStackedWhileOpen() {
        RecordingNotifier notifier;
        ProcedureErrorReport report(notifier, u"a@b.c"_s);
        int nested = 0;
        // While the first box is open, the timer ticks again and fails again: at the same step, and at another.
        notifier.whileOpen = [&] {
            if (nested++ > 0) {
                return;
            }
            for (int tick = 0; tick < 5; ++tick) {
                report.ReportProcedureError(Location, u"again"_s, 112);
            }
            report.ReportProcedureError(Location, u"elsewhere"_s, 114);
        };
        report.ReportProcedureError(Location, u"first"_s, 112);
        QCOMPARE(notifier.texts.size(), 2);
        QVERIFY(notifier.texts.at(1).contains(u"at line 114"_s));
        // Once closed, the same failure is reported again.
        report.ReportProcedureError(Location, u"later"_s, 112);
        QCOMPARE(notifier.texts.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestErrorTrap)
#include "tst_errortrap.moc"
