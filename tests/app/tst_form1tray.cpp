#include "form1rig.h"

#include "apptimer.h"
#include "csystray.h"
#include "fakes/fakeoutputdevices.h"
#include "mixerwindow.h"
#include "outputchoice.h"
#include "sleeptimer.h"
#include "traymenu.h"
#include "traymenucontrol.h"
#include "traynotifier.h"

#include <QFileDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
int balloons(const FakeTrayNotifier &tray) {
    int count = 0;
    for (const FakeTrayNotifier::Call &call : tray.calls()) {
        count += call.isBalloon() ? 1 : 0;
    }
    return count;
}

// Clicks every balloon away as soon as it shows, so the balloon wait ends at once.
class BalloonClicker {
public:
    explicit BalloonClicker(FakeTrayNotifier &tray) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer,
                         [&tray] { tray.deliver(TrayNotify::NIN_BALLOONUSERCLICK); });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

void minimise(Form1 *form) {
    form->setWindowState(form->windowState() | Qt::WindowMinimized);
    QCoreApplication::processEvents();
}

// The tray's menu over a window, with a sleep timer on the window's clock.
struct TrayMenuRig {
    explicit TrayMenuRig(Form1Rig &rig)
        : timer(rig.clock), output(*rig.store, devices, rig.player), control(menu, *rig.form, timer, output) {}

    QString text(int id) { return control.popup().actionFor(id)->text(); }

    SleepTimer timer;
    TrayMenu menu;
    FakeOutputDevices devices;
    OutputChoice output;
    TrayMenuControl control;
};
} // namespace

class TestForm1Tray : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUp_putsTheIconInTheTrayWithTheProductTip() {
        Form1Rig rig;
        rig.load();
        QVERIFY(rig.tray.iconShown());
        const auto add = std::find_if(rig.tray.calls().cbegin(), rig.tray.calls().cend(),
                                      [](const FakeTrayNotifier::Call &call) { return call.isAdd(); });
        QVERIFY(add != rig.tray.calls().cend());
        QCOMPARE(add->record.tip, u"Somnivox Noise Player"_s);
        QVERIFY(!add->record.icon.isNull());
    }

    void minimise_hidesToTheTrayWithTheBalloonOnce() {
        Form1Rig rig;
        Form1 *form = rig.load();
        const BalloonClicker clicker(rig.tray);
        form->showAfterLoad();
        minimise(form);
        QVERIFY(form->MinimizedToTray());
        QVERIFY(!form->isVisible());
        QVERIFY(rig.tray.watchedClosely());
        QCOMPARE(balloons(rig.tray), 1);
        const auto shown = std::find_if(rig.tray.calls().cbegin(), rig.tray.calls().cend(),
                                        [](const FakeTrayNotifier::Call &call) { return call.isBalloon(); });
        const TrayIconRecord balloon = shown->record;
        QCOMPARE(balloon.infoTitle, u"Somnivox Noise Player"_s);
        QCOMPARE(balloon.info, u"has been minimized to the system tray.\r\nClick on the blue 'V' icon (V for "
                               u"Vantrelle) to bring the software back."_s);
        QCOMPARE(balloon.timeoutMs, 5000);

        // The right button asks for the menu and leaves the window in the tray; the left one brings it back.
        const QSignalSpy menuRequests(form, &Form1::trayMenuRequested);
        rig.tray.deliver(TrayNotify::WM_RBUTTONDOWN);
        rig.tray.deliver(TrayNotify::WM_RBUTTONUP);
        QVERIFY(!form->isVisible());
        QCOMPARE(menuRequests.size(), 1);
        rig.tray.deliver(TrayNotify::WM_LBUTTONDOWN);
        QVERIFY(!form->isVisible());
        rig.tray.deliver(TrayNotify::WM_LBUTTONUP);
        QVERIFY(form->isVisible());
        QVERIFY(!(form->windowState() & Qt::WindowMinimized));
        QVERIFY(!form->MinimizedToTray());
        QVERIFY(!rig.tray.watchedClosely());

        minimise(form);
        QVERIFY(!form->isVisible());
        QCOMPARE(balloons(rig.tray), 1);
        rig.tray.deliver(TrayNotify::WM_LBUTTONUP);
        QVERIFY(form->isVisible());
        QVERIFY(!(form->windowState() & Qt::WindowMinimized));
    }

    void trayMenu_data() {
        QTest::addColumn<bool>("startOn");
        QTest::addColumn<int>("sleepBefore");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("sleepAfter");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("ended");

        QTest::newRow("Turn On") << false << 0 << int(TrayMenu::TurnOnOff) << true << 0 << false << false;
        QTest::newRow("Turn Off") << true << 0 << int(TrayMenu::TurnOnOff) << false << 0 << false << false;
        QTest::newRow("15 Minutes") << true << 0 << int(TrayMenu::Sleep15) << true << 15 << false << false;
        QTest::newRow("45 Minutes") << true << 0 << int(TrayMenu::Sleep45) << true << 45 << false << false;
        QTest::newRow("1 Hour replaces 30") << true << 30 << int(TrayMenu::Sleep60) << true << 60 << false << false;
        QTest::newRow("2 Hours") << true << 0 << int(TrayMenu::Sleep120) << true << 120 << false << false;
        QTest::newRow("Off") << true << 30 << int(TrayMenu::SleepOff) << true << 0 << false << false;
        QTest::newRow("Add 15 starts") << true << 0 << int(TrayMenu::SleepAdd) << true << 15 << false << false;
        QTest::newRow("Add 15 extends") << true << 90 << int(TrayMenu::SleepAdd) << true << 105 << false << false;
        QTest::newRow("Add Sound") << true << 0 << int(TrayMenu::AddSound) << true << 0 << false << false;
        QTest::newRow("Mixer") << true << 0 << int(TrayMenu::Mixer) << true << 0 << false << false;
        QTest::newRow("Show") << true << 0 << int(TrayMenu::ShowWindow) << true << 0 << true << false;
        QTest::newRow("Quit") << true << 0 << int(TrayMenu::Quit) << true << 0 << false << true;
    }

    // Each item chosen from the popup, with the window hidden in the tray: what it did, and the texts after it.
    void trayMenu() {
        QFETCH(bool, startOn);
        QFETCH(int, sleepBefore);
        QFETCH(int, item);
        QFETCH(bool, on);
        QFETCH(int, sleepAfter);
        QFETCH(bool, shown);
        QFETCH(bool, ended);
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, startOn ? u"ON"_s : u"OFF"_s}});
        Form1 *form = rig.load();
        const BalloonClicker clicker(rig.tray);
        form->showAfterLoad();
        minimise(form);
        TrayMenuRig menu(rig);
        menu.timer.set(std::chrono::minutes(sleepBefore));
        QCOMPARE(menu.text(TrayMenu::TurnOnOff), startOn ? u"&Turn Off"_s : u"&Turn On"_s);

        menu.control.popup().actionFor(item)->trigger();
        QCOMPARE(form->isTurnedOn(), on);
        QCOMPARE(rig.stored(u"StartStopState"_s), on ? u"ON"_s : u"OFF"_s);
        QCOMPARE(menu.text(TrayMenu::TurnOnOff), on ? u"&Turn Off"_s : u"&Turn On"_s);
        QCOMPARE(menu.timer.minutesLeft(), sleepAfter);
        QCOMPARE(menu.text(TrayMenu::SleepTimer),
                 sleepAfter > 0 ? u"&Sleep Timer (%1 min left)"_s.arg(sleepAfter) : u"&Sleep Timer"_s);
        QCOMPARE(form->isVisible(), shown);
        QCOMPARE(rig.tray.iconShown(), !ended);
        QCOMPARE(form->findChild<QFileDialog *>() != nullptr, item == TrayMenu::AddSound);
        QCOMPARE(form->mixer()->isVisible(), item == TrayMenu::Mixer);
    }

    void trayMenu_opensAtARightClick_andItsSleepTextCountsDown() {
        Form1Rig rig;
        Form1 *form = rig.load();
        form->showAfterLoad();
        TrayMenuRig menu(rig);
        rig.tray.deliver(TrayNotify::WM_RBUTTONDOWN);
        QVERIFY(!menu.control.popup().isVisible());
        QCOMPARE(menu.devices.watches, 0);
        rig.tray.deliver(TrayNotify::WM_RBUTTONUP);
        QVERIFY(menu.control.popup().isVisible());
        // The outputs are looked for as the menu opens, listed as they arrive, and one chosen there is played on.
        QCOMPARE(menu.devices.watches, 1);
        menu.devices.tell({{u"speakers"_s, u"Speakers"_s}});
        QCOMPARE(menu.text(TrayMenu::FirstOutputDevice), u"Speakers"_s);
        menu.control.popup().actionFor(TrayMenu::FirstOutputDevice)->trigger();
        QVERIFY(menu.control.popup().actionFor(TrayMenu::FirstOutputDevice)->isChecked());
        QCOMPARE(rig.player.calls.constLast(), u"setOutputDevice speakers"_s);
        QCOMPARE(rig.store->ReadSetting(u"Output Device"_s, QString()), u"speakers"_s);
        menu.control.popup().hide();

        menu.timer.set(std::chrono::minutes(25));
        rig.clock.current = rig.clock.current.addSecs(61);
        menu.timer.check();
        QCOMPARE(menu.text(TrayMenu::SleepTimer), u"&Sleep Timer (24 min left)"_s);
        rig.clock.current = rig.clock.current.addSecs(24 * 60);
        menu.timer.check();
        QCOMPARE(menu.text(TrayMenu::SleepTimer), u"&Sleep Timer"_s);
    }

    void trayClick_whileAlreadyVisible_keepsItVisible() {
        Form1Rig rig;
        Form1 *form = rig.load();
        form->showAfterLoad();
        rig.tray.deliver(TrayNotify::WM_LBUTTONUP);
        QVERIFY(form->isVisible());
        QVERIFY(!form->MinimizedToTray());
    }

    void withoutATray_minimiseStaysInTheTaskbar() {
        Form1Rig rig;
        Form1 *form = rig.load();
        rig.tray.setAvailable(false);
        form->showAfterLoad();
        minimise(form);
        QVERIFY(form->isVisible());
        QVERIFY(form->windowState() & Qt::WindowMinimized);
        QVERIFY(!form->MinimizedToTray());
        QCOMPARE(balloons(rig.tray), 0);
    }

    void trayVanishing_bringsTheHiddenWindowBack() {
        Form1Rig rig;
        Form1 *form = rig.load();
        const BalloonClicker clicker(rig.tray);
        form->showAfterLoad();
        minimise(form);
        QVERIFY(!form->isVisible());
        rig.tray.setAvailable(false);
        QVERIFY(form->isVisible());
        QVERIFY(!form->MinimizedToTray());
    }

    void startInTray_startsHiddenWithTheIcon_orMinimisedWithoutATray() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Minimized"_s, u"On"_s}});
        Form1 *form = rig.load();
        const BalloonClicker clicker(rig.tray);
        form->showAfterLoad();
        QTRY_VERIFY(form->MinimizedToTray());
        QVERIFY(!form->isVisible());
        QVERIFY(rig.tray.iconShown());
        QVERIFY(rig.child<QCheckBox>("Check8")->isChecked());
        QVERIFY(rig.child<QCheckBox>("Check8")->isVisibleTo(form));
        rig.tray.deliver(TrayNotify::WM_LBUTTONUP);
        QVERIFY(form->isVisible());

        Form1Rig noTray(Form1Rig::defaultSounds(), {{u"Minimized"_s, u"On"_s}});
        noTray.tray.setAvailable(false);
        Form1 *minimised = noTray.load();
        minimised->showAfterLoad();
        QCoreApplication::processEvents();
        QVERIFY(minimised->isVisible());
        QVERIFY(minimised->windowState() & Qt::WindowMinimized);
        QVERIFY(!minimised->MinimizedToTray());
    }

    void close_removesTheIconAndKeepsTheOnState() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}});
        Form1 *form = rig.load();
        form->showAfterLoad();
        form->close();
        QVERIFY(!rig.tray.iconShown());
        QVERIFY(rig.tray.calls().last().isDelete());
        QVERIFY(!form->timer1()->isEnabled());
        QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
        QVERIFY(rig.notifier.texts.isEmpty());
    }

    void runAtLogin_tickingAddsTheEntryAndShowsStartInTray() {
        Form1Rig rig;
        rig.load();
        auto *check4 = rig.child<QCheckBox>("Check4");
        auto *check8 = rig.child<QCheckBox>("Check8");
        check4->setChecked(true);
        QCOMPARE(rig.stored(u"Windows Startup"_s), u"On"_s);
        QVERIFY(check8->isVisibleTo(rig.form.get()));
        QFile entry(rig.autostartFolder() + u"/somnivox.desktop"_s);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains(QFile::encodeName(rig.programFolder() + u"/somnivox"_s)));
        QVERIFY(rig.notifier.texts.isEmpty());
    }

    void runAtLogin_clearingClearsStartInTrayFirstAndRemovesTheEntry() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Windows Startup"_s, u"On"_s}, {u"Minimized"_s, u"On"_s}});
        Form1 *form = rig.load();
        auto *check4 = rig.child<QCheckBox>("Check4");
        auto *check8 = rig.child<QCheckBox>("Check8");
        check4->setChecked(false);
        check4->setChecked(true);
        QVERIFY(QFile::exists(rig.autostartFolder() + u"/somnivox.desktop"_s));
        check8->setChecked(true);

        QString startupWhenMinimizedWritten;
        connect(check8, &QCheckBox::toggled, form,
                [&] { startupWhenMinimizedWritten = rig.stored(u"Windows Startup"_s); });
        check4->setChecked(false);
        QCOMPARE(startupWhenMinimizedWritten, u"On"_s);
        QCOMPARE(rig.stored(u"Minimized"_s), u"Off"_s);
        QCOMPARE(rig.stored(u"Windows Startup"_s), u"Off"_s);
        QVERIFY(!check8->isChecked());
        QVERIFY(!check8->isVisibleTo(form));
        QVERIFY(!QFile::exists(rig.autostartFolder() + u"/somnivox.desktop"_s));
        // Removing an entry that is gone already is no failure.
        check4->setChecked(true);
        QVERIFY(QFile::remove(rig.autostartFolder() + u"/somnivox.desktop"_s));
        check4->setChecked(false);
        QVERIFY(rig.notifier.texts.isEmpty());
    }

    void runAtLogin_restoringTouchesNoEntry() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Windows Startup"_s, u"On"_s}});
        rig.load();
        QVERIFY(rig.child<QCheckBox>("Check4")->isChecked());
        QVERIFY(!QFile::exists(rig.autostartFolder() + u"/somnivox.desktop"_s));
        QCOMPARE(rig.stored(u"Windows Startup"_s), u"On"_s);
    }

    void runAtLogin_entryThatCannotBeWrittenIsToldAndOnlyTheBoxCleared() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Minimized"_s, u"On"_s}});
        rig.load();
        auto *check8 = rig.child<QCheckBox>("Check8");
        const bool check8Visible = check8->isVisibleTo(rig.form.get());
        // A file where the autostart folder should be blocks the entry, even for root.
        QVERIFY(QDir().mkpath(rig.dir.filePath(u"config"_s)));
        QFile blocker(rig.autostartFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto *check4 = rig.child<QCheckBox>("Check4");
        check4->setChecked(true);
        QCOMPARE(rig.notifier.texts.size(), 1);
        QVERIFY(rig.notifier.texts.at(0).contains(u"start at login"_s));
        QVERIFY(!check4->isChecked());
        QCOMPARE(rig.stored(u"Windows Startup"_s), u"Off"_s);
        // Start in tray keeps its setting and its box as they were.
        QCOMPARE(rig.stored(u"Minimized"_s), u"On"_s);
        QVERIFY(check8->isChecked());
        QCOMPARE(check8->isVisibleTo(rig.form.get()), check8Visible);
    }

    void startInTray_aloneOnlyWritesItsSetting() {
        Form1Rig rig;
        Form1 *form = rig.load();
        rig.child<QCheckBox>("Check8")->setChecked(true);
        QCOMPARE(rig.stored(u"Minimized"_s), u"On"_s);
        QVERIFY(!QFile::exists(rig.autostartFolder() + u"/somnivox.desktop"_s));
        QVERIFY(!(form->windowState() & Qt::WindowMinimized));
    }
};

QTEST_MAIN(TestForm1Tray)
#include "tst_form1tray.moc"
