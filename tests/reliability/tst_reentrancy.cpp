// Handlers entered while another waits: in the balloon wait, in the error report, and in the close handling.

#include "app/form1rig.h"

#include "apptimer.h"
#include "messageboxnotifier.h"
#include "settingconversions.h"
#include "traynotifier.h"

#include <QApplication>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QDateTimeEdit *picker(const Form1Rig &rig, const char *name) {
    return rig.child<QDateTimeEdit>(name);
}

// A program that was on in the "Timed" option, inside a window around the fake clock's noon.
QMap<QString, QString> onAndTimed() {
    // A window away from the fake clock's noon, so start-up plays nothing until a test sets the window.
    return {{u"StartStopState"_s, u"ON"_s},
            {u"Option"_s, u"Timed"_s},
            {u"Time From"_s, SettingConversions::dateTimeToText({QDate(2026, 12, 7), QTime(1, 0)})},
            {u"Time To"_s, SettingConversions::dateTimeToText({QDate(2026, 12, 7), QTime(2, 0)})},
            {u"Windows Startup"_s, u"Off"_s},
            {u"Minimized"_s, u"Off"_s}};
}

void setNoonWindow(Form1Rig &rig) {
    picker(rig, "DTPicker1")->setDateTime(QDateTime(QDate(2026, 12, 7), QTime(11, 0)));
    picker(rig, "DTPicker2")->setDateTime(QDateTime(QDate(2026, 12, 7), QTime(13, 0)));
}

// Returns once the window has gone to the tray, the balloon wait included.
void minimise(Form1 *form) {
    form->setWindowState(form->windowState() | Qt::WindowMinimized);
    // The state change arrives through the platform's queue, and the hiding is queued after it.
    for (int round = 0; round < 50 && (form->windowState() & Qt::WindowMinimized); ++round) {
        QCoreApplication::processEvents();
    }
}

// What the user would do, one step at a time.
void perform(Form1Rig &rig, const QString &action) {
    Form1 *form = rig.form.get();
    if (action == u"on/off"_s) {
        rig.onOff()->click();
    } else if (action == u"preview"_s) {
        rig.preview()->click();
    } else if (action == u"infinite"_s) {
        rig.child<QRadioButton>("Option1")->click();
    } else if (action == u"timed"_s) {
        rig.child<QRadioButton>("Option2")->click();
    } else if (action == u"run at login"_s) {
        rig.child<QCheckBox>("Check4")->click();
    } else if (action == u"start in tray"_s) {
        rig.child<QCheckBox>("Check8")->click();
    } else if (action == u"tick"_s) {
        form->Timer1_Timer();
    } else if (action == u"preview watch"_s) {
        form->Timer2_Timer();
    } else if (action == u"preview ends"_s) {
        rig.player.finish();
    } else if (action == u"minimise"_s) {
        minimise(form);
    } else if (action == u"restore"_s) {
        rig.tray.deliver(TrayNotify::WM_LBUTTONUP);
    } else if (action == u"next style"_s) {
        rig.styles()->setCurrentIndex((rig.styles()->currentIndex() + 1) % rig.styles()->count());
    } else if (action == u"window edit"_s) {
        picker(rig, "DTPicker2")->setDateTime(picker(rig, "DTPicker2")->dateTime().addSecs(-7200));
    } else {
        qFatal("unknown action %s", qPrintable(action));
    }
}

// Performs \a script one action after another, letting queued work run in between but no timer fire, so that
// a run inside a wait and one after it see the same steps whatever the machine's speed.
void runScript(Form1Rig &rig, const QStringList &script) {
    for (const QString &action : script) {
        perform(rig, action);
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    }
}

// Runs \a script, then \a finally, from the next round of whatever event loop runs then.
void queueScript(Form1Rig &rig, const QStringList &script, const std::function<void()> &finally) {
    QMetaObject::invokeMethod(
        rig.form.get(),
        [&rig, script, finally] {
            runScript(rig, script);
            finally();
        },
        Qt::QueuedConnection);
}

// Everything the user or the next start can see of the program.
QString snapshot(const Form1Rig &rig) {
    const Form1 *form = rig.form.get();
    const auto yes = [](bool value) { return value ? u"yes"_s : u"no"_s; };
    const QFileInfo entry(rig.autostartFolder() + u"/somnivox.desktop"_s);
    return QStringList{u"on/off: "_s + rig.onOff()->text(),
                       u"preview: "_s + rig.preview()->text(),
                       u"Timer1: "_s + yes(form->timer1()->isEnabled()),
                       u"Timer2: "_s + yes(form->timer2()->isEnabled()),
                       u"infinite: "_s + yes(rig.child<QRadioButton>("Option1")->isChecked()),
                       u"timed: "_s + yes(rig.child<QRadioButton>("Option2")->isChecked()),
                       u"run at login: "_s + yes(rig.child<QCheckBox>("Check4")->isChecked()),
                       u"start in tray: "_s + yes(rig.child<QCheckBox>("Check8")->isChecked()),
                       u"style: "_s + rig.styles()->currentText(),
                       u"in tray: "_s + yes(form->MinimizedToTray()),
                       u"visible: "_s + yes(form->isVisible()),
                       u"tray icon: "_s + yes(rig.tray.iconShown()),
                       u"stored on/off: "_s + rig.stored(u"StartStopState"_s),
                       u"stored option: "_s + rig.stored(u"Option"_s),
                       u"stored run at login: "_s + rig.stored(u"Windows Startup"_s),
                       u"stored start in tray: "_s + rig.stored(u"Minimized"_s),
                       u"stored style: "_s + rig.stored(u"Combo1"_s),
                       u"stored window end: "_s + rig.stored(u"Time To"_s),
                       u"autostart entry: "_s + yes(entry.exists()),
                       u"player: "_s + rig.player.url.section(u'/', -1) + (rig.player.loop ? u" looping"_s : u""_s) +
                           (rig.player.state == Player::Playing ? u" playing"_s : u" silent"_s)}
        .join(u"\n"_s);
}

// What holds in any state reached by handlers run one after another.
void verifyConsistent(const Form1Rig &rig) {
    const Form1 *form = rig.form.get();
    const bool on = rig.onOff()->text() == u"Turn Off"_s;
    QVERIFY(on || rig.onOff()->text() == u"Turn On"_s);
    QCOMPARE(rig.stored(u"StartStopState"_s), on ? u"ON"_s : u"OFF"_s);
    QVERIFY(!form->timer1()->isEnabled() || on);
    QVERIFY(!form->timer2()->isEnabled() || rig.preview()->text() == u"Stop"_s);
    const bool infinite = rig.child<QRadioButton>("Option1")->isChecked();
    QVERIFY(infinite != rig.child<QRadioButton>("Option2")->isChecked());
    QCOMPARE(rig.stored(u"Option"_s), infinite ? u"Infinite"_s : u"Timed"_s);
    const bool runAtLogin = rig.child<QCheckBox>("Check4")->isChecked();
    QCOMPARE(rig.stored(u"Windows Startup"_s), runAtLogin ? u"On"_s : u"Off"_s);
    QCOMPARE(QFile::exists(rig.autostartFolder() + u"/somnivox.desktop"_s), runAtLogin);
    QCOMPARE(rig.stored(u"Minimized"_s), rig.child<QCheckBox>("Check8")->isChecked() ? u"On"_s : u"Off"_s);
    QCOMPARE(form->MinimizedToTray(), !form->isVisible());
    // Nothing is heard from a program that is off unless a preview is on.
    if (!on && rig.preview()->text() == u"Preview Sound"_s) {
        QVERIFY(rig.player.state != Player::Playing);
    }
}

QStringList scriptColumn(const char *actions) {
    return QString::fromLatin1(actions).split(u", "_s, Qt::SkipEmptyParts);
}

} // namespace

class TestReentrancy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(u"somnivox.form1.warning=false"_s); }

    void errorReport_fromATick_holdsItsTimerAndIsNotStackedByTheSameFailure();
    void errorReport_realBox_blocksClicksOnTheWindowWhileTheScheduleTicks();
    void errorReport_handlersRunInside_endAsWhenRunAfterIt_data();
    void errorReport_handlersRunInside_endAsWhenRunAfterIt();
    void balloonWait_handlersRunInside_endAsWhenRunAfterIt_data();
    void balloonWait_handlersRunInside_endAsWhenRunAfterIt();
    void balloonWait_timersFireForReal_andTheScheduleKeepsPlaying();
    // These end the event loops the way the program ends, so they come last.
    void close_handlersQueuedBeforeIt_runInsideAndAreKept_data();
    void close_handlersQueuedBeforeIt_runInsideAndAreKept();
    void close_enteredAgainFromItsOwnMessageProcessing_removesTheIconOnce();
    void close_insideTheBalloonWait_endsWithTheIconGoneAndTimersStopped();
    void close_insideTheErrorReport_endsWithTheIconGoneAndTimersStopped();
};

void TestReentrancy::errorReport_fromATick_holdsItsTimerAndIsNotStackedByTheSameFailure() {
    Form1Rig rig(Form1Rig::defaultSounds(), onAndTimed());
    Form1 *form = rig.load();
    setNoonWindow(rig);
    form->showAfterLoad();
    int ticks = 0;
    int ticksWhileOpen = 0;
    connect(form->timer1(), &AppTimer::Timer, form, [&] { ++ticks; });
    rig.player.failNext = u"playState"_s;
    rig.notifier.whileOpen = [&] {
        QEventLoop box;
        // The same failure met again while the report is open, here from ticks run by hand.
        QTimer::singleShot(100, form, [form] { form->Timer1_Timer(); });
        QTimer::singleShot(200, form, [form] { form->Timer1_Timer(); });
        QTimer::singleShot(2500, &box, &QEventLoop::quit);
        box.exec();
        ticksWhileOpen = ticks;
    };
    QVERIFY(QTest::qWaitFor([&] { return ticks >= 1; }, 3000));
    QCOMPARE(rig.notifier.texts.size(), 1);
    QVERIFY(rig.notifier.texts.first().contains(u"Timer1_Timer at line 110"_s));
    // A Qt timer does not fire again while its own handler waits, so the schedule rests until the box is closed
    // (the tick that opened it is counted only once it returns).
    QCOMPARE(ticksWhileOpen, 0);
    // Every tick, the nested ones too, went on with its next step and handed the file over.
    QCOMPARE(rig.player.calls.filter(u"setUrl"_s).size(), 3);
    QVERIFY(form->timer1()->isEnabled());

    // Once it is closed, the ticks resume and the next failure opens a new report.
    rig.notifier.whileOpen = nullptr;
    QVERIFY(QTest::qWaitFor([&] { return ticks > 1; }, 3000));
    QCOMPARE(rig.notifier.texts.size(), 2);
    rig.player.failNext.clear();
    verifyConsistent(rig);
}

void TestReentrancy::errorReport_realBox_blocksClicksOnTheWindowWhileTheScheduleTicks() {
    QMap<QString, QString> settings = onAndTimed();
    settings[u"StartStopState"_s] = u"OFF"_s;
    Form1Rig rig(Form1Rig::defaultSounds(), settings);
    Form1 *form = rig.load();
    setNoonWindow(rig);
    form->showAfterLoad();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const auto clickOnOff = [&] {
        // Through the platform, as a real click comes, so that a modal box can hold it back.
        const QPoint centre = rig.onOff()->mapTo(form, rig.onOff()->rect().center());
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, centre);
    };
    MessageBoxNotifier boxes(form);
    int ticks = 0;
    connect(form->timer1(), &AppTimer::Timer, form, [&] { ++ticks; });
    QString captionAfterClick;
    rig.notifier.whileOpen = [&] {
        QTimer::singleShot(200, form, [&] {
            clickOnOff();
            captionAfterClick = rig.onOff()->text();
        });
        // Dismissed once the schedule has ticked under it.
        QTimer closer;
        connect(&closer, &QTimer::timeout, form, [&] {
            if (ticks > 0) {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    box->accept();
                }
            }
        });
        closer.start(50);
        boxes.showWarning(rig.notifier.titles.last(), rig.notifier.texts.last());
    };
    // Turning on fails half-way: the timer is on, the caption not yet changed, when the box opens.
    rig.player.failNext = u"setLoop"_s;
    rig.onOff()->click();
    QCOMPARE(rig.notifier.texts.size(), 1);
    QVERIFY(rig.notifier.texts.first().contains(u"PushButton2_Click at line 104"_s));
    // The window took no click while the box was up, so the half-done handler was not entered again ...
    QCOMPARE(captionAfterClick, u"Turn On"_s);
    // ... but the schedule ran under the box and started the sound.
    QCOMPARE_GE(ticks, 1);
    QCOMPARE(rig.player.state, Player::Playing);
    QCOMPARE(rig.onOff()->text(), u"Turn Off"_s);
    QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
    verifyConsistent(rig);
    // Without a box the same click goes through.
    clickOnOff();
    QCOMPARE(rig.onOff()->text(), u"Turn On"_s);
}

void TestReentrancy::errorReport_handlersRunInside_endAsWhenRunAfterIt_data() {
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("script");
    // Each report comes from the last step of its handler, so the handler has nothing left to do after it.
    QTest::newRow("tick refused, then clicks") << u"tick"_s << scriptColumn("on/off, on/off, preview, preview");
    QTest::newRow("tick refused, then options and boxes")
        << u"tick"_s << scriptColumn("infinite, tick, timed, run at login, start in tray, run at login");
    QTest::newRow("preview refused, then the watch and stop")
        << u"preview"_s << scriptColumn("preview watch, tick, preview, preview ends, preview watch");
    QTest::newRow("preview refused, then tray and style")
        << u"preview"_s << scriptColumn("minimise, restore, next style, window edit, tick");
    QTest::newRow("turning off refused, then turning on and a tick")
        << u"on/off"_s << scriptColumn("on/off, tick, infinite, tick, on/off");
}

void TestReentrancy::errorReport_handlersRunInside_endAsWhenRunAfterIt() {
    QFETCH(QString, failing);
    QFETCH(QStringList, script);
    // The failing step: handing a file over (tick, preview) or stopping (turning off).
    const QString refused = failing == u"on/off"_s ? u"stop"_s : u"setUrl"_s;
    const auto run = [&](Form1Rig &rig, bool nested) {
        Form1 *form = rig.load();
        setNoonWindow(rig);
        form->showAfterLoad();
        form->timer1()->setEnabled(false);
        rig.player.failNext = refused;
        if (nested) {
            rig.notifier.whileOpen = [&] {
                QEventLoop box;
                queueScript(rig, script, [&box] { box.quit(); });
                box.exec();
            };
        }
        // Clicks on the balloon end every balloon wait at once.
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, &rig.tray, [&] { rig.tray.deliver(TrayNotify::NIN_BALLOONUSERCLICK); });
        clicker.start(5);
        perform(rig, failing);
        QCOMPARE(rig.notifier.texts.size(), 1);
        if (!nested) {
            runScript(rig, script);
        }
        QCoreApplication::processEvents();
        form->timer1()->setEnabled(false);
        form->timer2()->setEnabled(false);
    };
    Form1Rig sequential(Form1Rig::defaultSounds(), onAndTimed());
    run(sequential, false);
    Form1Rig nested(Form1Rig::defaultSounds(), onAndTimed());
    run(nested, true);
    QCOMPARE(snapshot(nested), snapshot(sequential));
    verifyConsistent(nested);
}

void TestReentrancy::balloonWait_handlersRunInside_endAsWhenRunAfterIt_data() {
    QTest::addColumn<QStringList>("script");
    QTest::newRow("restore, then clicks") << scriptColumn("restore, on/off, preview, preview, on/off");
    QTest::newRow("restore, minimise again, restore")
        << scriptColumn("restore, minimise, restore, run at login, start in tray");
    QTest::newRow("hidden: ticks, options, preview watch")
        << scriptColumn("tick, infinite, tick, timed, preview, preview watch, preview ends, preview watch, tick");
    QTest::newRow("hidden: turning off and on with edits")
        << scriptColumn("on/off, window edit, next style, on/off, tick, preview, preview");
}

void TestReentrancy::balloonWait_handlersRunInside_endAsWhenRunAfterIt() {
    QFETCH(QStringList, script);
    const auto run = [&](Form1Rig &rig, bool nested) {
        Form1 *form = rig.load();
        setNoonWindow(rig);
        form->showAfterLoad();
        form->timer1()->setEnabled(false);
        const auto clickBalloon = [&rig] { rig.tray.deliver(TrayNotify::NIN_BALLOONUSERCLICK); };
        QTimer clicker;
        if (nested) {
            // Inside the wait that follows the balloon.
            connect(
                &rig.tray, &FakeTrayNotifier::balloonShown, form, [&] { queueScript(rig, script, clickBalloon); },
                Qt::SingleShotConnection);
        } else {
            connect(&clicker, &QTimer::timeout, &rig.tray, clickBalloon);
            clicker.start(1);
        }
        minimise(form);
        clicker.stop();
        // The minimise returns only when the balloon wait has ended.
        QVERIFY(!rig.tray.calls().isEmpty() && rig.tray.calls().last().isBalloon());
        if (!nested) {
            runScript(rig, script);
        }
        form->timer1()->setEnabled(false);
        form->timer2()->setEnabled(false);
    };
    Form1Rig sequential(Form1Rig::defaultSounds(), onAndTimed());
    run(sequential, false);
    Form1Rig nested(Form1Rig::defaultSounds(), onAndTimed());
    run(nested, true);
    QCOMPARE(snapshot(nested), snapshot(sequential));
    verifyConsistent(nested);
    QVERIFY(nested.notifier.texts.isEmpty());
}

void TestReentrancy::balloonWait_timersFireForReal_andTheScheduleKeepsPlaying() {
    Form1Rig rig(Form1Rig::defaultSounds(), onAndTimed());
    Form1 *form = rig.load();
    setNoonWindow(rig);
    form->showAfterLoad();
    int ticks = 0;
    int watches = 0;
    connect(form->timer1(), &AppTimer::Timer, form, [&] { ++ticks; });
    connect(form->timer2(), &AppTimer::Timer, form, [&] { ++watches; });
    // A preview started from the tray menu while the balloon waits, ending by itself a little later.
    QTimer::singleShot(1500, form, [&] { rig.preview()->click(); });
    QTimer::singleShot(2500, form, [&] { rig.player.finish(); });
    minimise(form);
    // Nobody touched the balloon: the wait ran its full time, with both timers firing inside it.
    QVERIFY(rig.tray.calls().last().isBalloonTakeDown());
    QCOMPARE_GE(ticks, 2);
    QCOMPARE_GE(watches, 2);
    QCOMPARE(rig.preview()->text(), u"Preview Sound"_s);
    QVERIFY(form->timer1()->isEnabled());
    QVERIFY(!form->timer2()->isEnabled());
    QVERIFY(form->MinimizedToTray());
    QVERIFY(QTest::qWaitFor([&] { return rig.player.state == Player::Playing; }, 3000));
    verifyConsistent(rig);
}

void TestReentrancy::close_handlersQueuedBeforeIt_runInsideAndAreKept_data() {
    QTest::addColumn<QStringList>("script");
    QTest::newRow("turning off") << scriptColumn("on/off");
    QTest::newRow("options and boxes") << scriptColumn("infinite, run at login, start in tray");
    QTest::newRow("preview, its watch and a tick") << scriptColumn("preview, tick, preview watch");
    QTest::newRow("turning off and on, a new style") << scriptColumn("on/off, next style, on/off, tick");
}

void TestReentrancy::close_handlersQueuedBeforeIt_runInsideAndAreKept() {
    QFETCH(QStringList, script);
    const auto run = [&](Form1Rig &rig, bool nested) {
        Form1 *form = rig.load();
        setNoonWindow(rig);
        form->showAfterLoad();
        QCoreApplication::processEvents();
        if (nested) {
            // Waiting in the queue when the close arrives: they run inside its rounds of message processing.
            for (const QString &action : script) {
                QMetaObject::invokeMethod(
                    form, [&rig, action] { perform(rig, action); }, Qt::QueuedConnection);
            }
        } else {
            for (const QString &action : script) {
                perform(rig, action);
            }
        }
        form->close();
    };
    Form1Rig sequential(Form1Rig::defaultSounds(), onAndTimed());
    run(sequential, false);
    Form1Rig nested(Form1Rig::defaultSounds(), onAndTimed());
    run(nested, true);
    QCOMPARE(snapshot(nested), snapshot(sequential));
    QVERIFY(!nested.tray.iconShown());
    QVERIFY(!nested.form->timer1()->isEnabled());
    QVERIFY(!nested.form->timer2()->isEnabled());
    QVERIFY(nested.notifier.texts.isEmpty());
}

void TestReentrancy::close_enteredAgainFromItsOwnMessageProcessing_removesTheIconOnce() {
    Form1Rig rig(Form1Rig::defaultSounds(), onAndTimed());
    Form1 *form = rig.load();
    setNoonWindow(rig);
    form->showAfterLoad();
    QCoreApplication::processEvents();
    // A second request to close (the session ending as the user closes) waits in the queue.
    int closes = 0;
    QMetaObject::invokeMethod(
        form,
        [&] {
            ++closes;
            form->close();
        },
        Qt::QueuedConnection);
    form->close();
    QCOMPARE(closes, 1);
    const auto deletes = std::count_if(rig.tray.calls().cbegin(), rig.tray.calls().cend(),
                                       [](const FakeTrayNotifier::Call &call) { return call.isDelete(); });
    QCOMPARE(deletes, 1);
    QVERIFY(!rig.tray.iconShown());
    QVERIFY(!form->timer1()->isEnabled());
    QVERIFY(rig.notifier.texts.isEmpty());
}

void TestReentrancy::close_insideTheBalloonWait_endsWithTheIconGoneAndTimersStopped() {
    Form1Rig rig(Form1Rig::defaultSounds(), onAndTimed());
    Form1 *form = rig.load();
    setNoonWindow(rig);
    form->showAfterLoad();
    // The session ends while the window hides to the tray.
    QTimer::singleShot(300, form, [form] { form->close(); });
    minimise(form);
    QVERIFY(!rig.tray.iconShown());
    QVERIFY(!form->timer1()->isEnabled());
    QVERIFY(!form->timer2()->isEnabled());
    QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
    // No call after the icon was removed put it back.
    const auto removed = std::find_if(rig.tray.calls().cbegin(), rig.tray.calls().cend(),
                                      [](const FakeTrayNotifier::Call &call) { return call.isDelete(); });
    QVERIFY(removed != rig.tray.calls().cend());
    QVERIFY(std::none_of(removed, rig.tray.calls().cend(),
                         [](const FakeTrayNotifier::Call &call) { return call.isAdd(); }));
    QVERIFY(rig.notifier.texts.isEmpty());
}

void TestReentrancy::close_insideTheErrorReport_endsWithTheIconGoneAndTimersStopped() {
    Form1Rig rig(Form1Rig::defaultSounds(), onAndTimed());
    Form1 *form = rig.load();
    setNoonWindow(rig);
    form->showAfterLoad();
    form->timer1()->setEnabled(false);
    rig.player.failNext = u"setUrl"_s;
    bool closedInside = false;
    rig.notifier.whileOpen = [&] {
        // The program's end leaves every event loop at once; a box waiting on processEvents stays to see it.
        QTimer::singleShot(50, form, [&] {
            form->close();
            closedInside = true;
        });
        QVERIFY(QTest::qWaitFor([&] { return closedInside; }, 2000));
    };
    form->Timer1_Timer();
    QVERIFY(closedInside);
    QCOMPARE(rig.notifier.texts.size(), 1);
    QVERIFY(!rig.tray.iconShown());
    QVERIFY(!form->timer1()->isEnabled());
    QVERIFY(!form->timer2()->isEnabled());
    QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
}

QTEST_MAIN(TestReentrancy)
#include "tst_reentrancy.moc"
