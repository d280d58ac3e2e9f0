#include "csystray.h"
#include "outputnotice.h"

#include "fakes/fakeplayer.h"
#include "fakes/faketraynotifier.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

class TestOutputNotice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void waitingLine_shownWhileTheSoundWaitsForItsServer_goneOnceItPlays() {
        QWidget window;
        window.setFixedSize(536, 396);
        FakeTrayNotifier notifier;
        cSysTray tray(&notifier);
        tray.setTrayTip(u"Somnivox Noise Player"_s);
        FakePlayer player;
        OutputNotice notice(player, window, tray);
        const auto *line = window.findChild<QLabel *>(u"OutputNotice"_s);
        QVERIFY(line != nullptr);
        QCOMPARE(line->text(), u"No sound output: waiting for the sound server"_s);

        // Turned off while its output is lost: nothing is owed.
        player.waiting = true;
        Q_EMIT player.waitingForOutputChanged();
        QVERIFY(!notice.isShown());

        player.state = Player::Playing;
        Q_EMIT player.playStateChanged();
        QVERIFY(notice.isShown());
        QVERIFY(!line->isHidden());
        QVERIFY(window.height() >= 396 + line->height());
        QVERIFY(line->geometry().top() >= 396);
        QCOMPARE(tray.TrayTip(), u"Somnivox Noise Player\nNo sound output: waiting for the sound server"_s);

        player.waiting = false;
        Q_EMIT player.waitingForOutputChanged();
        QVERIFY(!notice.isShown());
        QVERIFY(line->isHidden());
        QCOMPARE(window.height(), 396);
        QCOMPARE(tray.TrayTip(), u"Somnivox Noise Player"_s);
    }
};

QTEST_MAIN(TestOutputNotice)
#include "tst_outputnotice.moc"
