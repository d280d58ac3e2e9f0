#include "mprisservice.h"

#include <QDBusObjectPath>
#include <QTest>

using namespace Qt::StringLiterals;

class MprisServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void command_pressesTheButtonOnlyWhenItChangesTheState_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("onAfter");
        QTest::newRow("play while off turns on") << u"play"_s << false << true;
        QTest::newRow("play while on stays on") << u"play"_s << true << true;
        QTest::newRow("pause while on turns off") << u"pause"_s << true << false;
        QTest::newRow("pause while off stays off") << u"pause"_s << false << false;
        QTest::newRow("stop while on turns off") << u"stop"_s << true << false;
        QTest::newRow("stop while off stays off") << u"stop"_s << false << false;
        QTest::newRow("play-pause while off turns on") << u"playPause"_s << false << true;
        QTest::newRow("play-pause while on turns off") << u"playPause"_s << true << false;
    }
    void command_pressesTheButtonOnlyWhenItChangesTheState() {
        QFETCH(QString, command);
        QFETCH(bool, on);
        QFETCH(bool, onAfter);
        const bool before = on;
        int presses = 0;
        MprisService service({[&] { return on; }, [&] { return on; },
                              [&] {
                                  ++presses;
                                  on = !on;
                              },
                              [] {}, [] { return u"White Noise"_s; }});
        if (command == u"play"_s) {
            service.play();
        } else if (command == u"pause"_s) {
            service.pause();
        } else if (command == u"stop"_s) {
            service.stop();
        } else {
            service.playPause();
        }
        QCOMPARE(on, onAfter);
        QCOMPARE(presses, before != onAfter ? 1 : 0);
        QCOMPARE(service.playbackStatus(), onAfter ? u"Playing"_s : u"Stopped"_s);
    }

    void metadata_namesTheStyleUnderAValidTrackId_data() {
        QTest::addColumn<QString>("style");
        QTest::newRow("plain") << u"Brown Noise"_s;
        QTest::newRow("punctuation and letters beyond ASCII") << u"Rauschen (grün) #2 - Meer.alt"_s;
    }
    void metadata_namesTheStyleUnderAValidTrackId() {
        QFETCH(QString, style);
        MprisService service({[] { return false; }, [] { return false; }, [] {}, [] {}, [&] { return style; }});
        const QVariantMap metadata = service.metadata();
        QCOMPARE(metadata.value(u"xesam:title"_s).toString(), style);
        QVERIFY(!metadata.value(u"mpris:trackid"_s).value<QDBusObjectPath>().path().isEmpty());
    }
};

QTEST_GUILESS_MAIN(MprisServiceTest)
#include "tst_mprisservice.moc"
