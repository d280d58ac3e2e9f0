#include "qttraynotifier.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TrayNotify;

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
