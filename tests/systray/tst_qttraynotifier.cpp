#include "qttraynotifier.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace TrayNotify;

namespace {

// Counts the timers that fire anywhere in the program.
class TimerEvents : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        count += event->type() == QEvent::Timer ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class QtTrayNotifierTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void offscreen_reportsNoTrayAndSurvivesEveryOperation() {
        QtTrayNotifier notifier;
        QVERIFY(!notifier.isAvailable());
        QSignalSpy notifications(&notifier, &TrayNotifier::trayNotification);
        QIcon icon(QPixmap(16, 16));
        notifier.addTrayIcon(0, u"Tip"_s, &icon);
        notifier.modifyTrayIcon(0, QIcon());
        notifier.modifyTrayTip(0, u"Other tip"_s);
        notifier.showBalloon(0, u"Title"_s, u"Text"_s, 0);
        notifier.takeDownBalloon(0);
        notifier.removeTrayIcon(0);
        notifier.removeTrayIcon(0);
        QVERIFY(notifications.isEmpty());
    }

    void offscreen_anIconWatchedForItsTray_neverWakesToLookForOne() {
        // As on Wayland, a tray could only come through a watcher on the session bus, which tells when it does.
        QtTrayNotifier notifier;
        QIcon icon(QPixmap(16, 16));
        notifier.addTrayIcon(0, u"Tip"_s, &icon);
        notifier.watchAvailability(true);
        TimerEvents timers;
        QCoreApplication::instance()->installEventFilter(&timers);
        QTest::qWait(QtTrayNotifier::MissingTrayPollMs + 300);
        QCOMPARE(timers.count, 0);
    }

    void balloon_reportsItsTimeOut() {
        QtTrayNotifier notifier;
        notifier.addTrayIcon(4, QString(), nullptr);
        QSignalSpy notifications(&notifier, &TrayNotifier::trayNotification);
        notifier.showBalloon(4, u"Title"_s, u"Text"_s, 20);
        QVERIFY(notifications.wait());
        QCOMPARE(notifications.at(0), (QVariantList{4, NIN_BALLOONTIMEOUT}));
    }

    void balloon_takenDown_reportsNothing() {
        QtTrayNotifier notifier;
        notifier.addTrayIcon(0, QString(), nullptr);
        QSignalSpy notifications(&notifier, &TrayNotifier::trayNotification);
        notifier.showBalloon(0, u"Title"_s, u"Text"_s, 20);
        notifier.takeDownBalloon(0);
        QVERIFY(!notifications.wait(100));
    }

    void click_pressOnTheIconWaitsForItsRelease_activationAloneIsTheWholeClick_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QList<int>>("atActivation");
        QTest::addColumn<QList<int>>("atRelease");
        QTest::newRow("left activation") << int(QSystemTrayIcon::Trigger) << false
                                         << QList<int>{WM_LBUTTONDOWN, WM_LBUTTONUP} << QList<int>{};
        QTest::newRow("right activation")
            << int(QSystemTrayIcon::Context) << false << QList<int>{WM_RBUTTONDOWN, WM_RBUTTONUP} << QList<int>{};
        QTest::newRow("left press") << int(QSystemTrayIcon::Trigger) << true << QList<int>{WM_LBUTTONDOWN}
                                    << QList<int>{WM_LBUTTONUP};
        QTest::newRow("right press") << int(QSystemTrayIcon::Context) << true << QList<int>{WM_RBUTTONDOWN}
                                     << QList<int>{WM_RBUTTONUP};
    }
    void click_pressOnTheIconWaitsForItsRelease_activationAloneIsTheWholeClick() {
        QFETCH(int, reason);
        QFETCH(bool, pressed);
        QFETCH(QList<int>, atActivation);
        QFETCH(QList<int>, atRelease);
        QtTrayNotifier notifier;
        // Without a session bus the icon is Qt's own, embedded where a tray takes it.
        notifier.useSessionBus(std::nullopt);
        notifier.addTrayIcon(0, QString(), nullptr);
        QList<int> codes;
        connect(&notifier, &TrayNotifier::trayNotification, this, [&codes](int, int code) { codes << code; });
        // An embedded icon is a window of the program that takes the press and then its release.
        QWindow embedded;
        embedded.show();
        const Qt::MouseButton button = reason == QSystemTrayIcon::Trigger ? Qt::LeftButton : Qt::RightButton;
        if (pressed) {
            QTest::mousePress(&embedded, button);
        }
        Q_EMIT notifier.findChild<QSystemTrayIcon *>()->activated(QSystemTrayIcon::ActivationReason(reason));
        QCOMPARE(codes, atActivation);
        if (pressed) {
            QTest::mouseRelease(&embedded, button);
        }
        QCOMPARE(codes, atActivation + atRelease);
    }

    void removingTheIcon_takesItsBalloonAlong() {
        QtTrayNotifier notifier;
        notifier.addTrayIcon(0, QString(), nullptr);
        QSignalSpy notifications(&notifier, &TrayNotifier::trayNotification);
        notifier.showBalloon(0, u"Title"_s, u"Text"_s, 20);
        notifier.removeTrayIcon(0);
        QCOMPARE(notifications.size(), 1);
        QCOMPARE(notifications.at(0), (QVariantList{0, NIN_BALLOONHIDE}));
        QVERIFY(!notifications.wait(100));
    }
};

QTEST_MAIN(QtTrayNotifierTest)
#include "tst_qttraynotifier.moc"
