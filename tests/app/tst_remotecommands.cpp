#include "form1rig.h"
#include "remotecommands.h"
#include "sleeptimer.h"
#include "stylelibrary.h"
#include "translations.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class TestRemoteCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answer_command_storesWhatTheMatchingClickStores_data() {
        QTest::addColumn<QString>("startState");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<qint64>("sleepLeft");

        QTest::newRow("turn on while off")
            << u"OFF"_s << QStringList{u"--turn-on"_s} << 0 << u"ON"_s << u"White Noise"_s << u"50"_s << qint64(-1);
        QTest::newRow("turn on while on: no click")
            << u"ON"_s << QStringList{u"--turn-on"_s} << 0 << u"ON"_s << u"White Noise"_s << u"50"_s << qint64(-1);
        QTest::newRow("turn off while on")
            << u"ON"_s << QStringList{u"--turn-off"_s} << 0 << u"OFF"_s << u"White Noise"_s << u"50"_s << qint64(-1);
        QTest::newRow("turn off while off: no click")
            << u"OFF"_s << QStringList{u"--turn-off"_s} << 0 << u"OFF"_s << u"White Noise"_s << u"50"_s << qint64(-1);
        QTest::newRow("toggle while on") << u"ON"_s << QStringList{u"--toggle"_s} << 0 << u"OFF"_s << u"White Noise"_s
                                         << u"50"_s << qint64(-1);
        QTest::newRow("style and volume")
            << u"OFF"_s << QStringList{u"--style"_s, u"Pink Noise"_s, u"--volume"_s, u"30"_s} << 0 << u"OFF"_s
            << u"Pink Noise"_s << u"30"_s << qint64(-1);
        QTest::newRow("sleep") << u"ON"_s << QStringList{u"--sleep"_s, u"20m"_s} << 0 << u"ON"_s << u"White Noise"_s
                               << u"50"_s << qint64(1200);
        QTest::newRow("sleep off") << u"ON"_s << QStringList{u"--sleep"_s, u"off"_s} << 0 << u"ON"_s << u"White Noise"_s
                                   << u"50"_s << qint64(-1);
        QTest::newRow("a style not listed changes nothing")
            << u"OFF"_s << QStringList{u"--volume"_s, u"30"_s, u"--style"_s, u"Rain"_s, u"--turn-on"_s} << 2 << u"OFF"_s
            << u"White Noise"_s << u"50"_s << qint64(-1);
        QTest::newRow("a bad volume changes nothing") << u"OFF"_s << QStringList{u"--turn-on"_s, u"--volume"_s, u"0"_s}
                                                      << 2 << u"OFF"_s << u"White Noise"_s << u"50"_s << qint64(-1);
        QTest::newRow("no command") << u"OFF"_s << QStringList{} << 2 << u"OFF"_s << u"White Noise"_s << u"50"_s
                                    << qint64(-1);
        QTest::newRow("help is no command")
            << u"OFF"_s << QStringList{u"--help"_s} << 2 << u"OFF"_s << u"White Noise"_s << u"50"_s << qint64(-1);
    }

    void answer_command_storesWhatTheMatchingClickStores() {
        QFETCH(QString, startState);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, state);
        QFETCH(QString, style);
        QFETCH(QString, volume);
        QFETCH(qint64, sleepLeft);
        Form1Rig rig(Form1Rig::defaultSounds(),
                     {{u"StartStopState"_s, startState}, {u"Style"_s, u"White Noise"_s}, {u"Volume"_s, u"50"_s}});
        Form1 *form = rig.load();
        SleepTimer sleep(rig.clock);
        sleep.set(5min);
        RemoteCommands remote(*form, sleep);
        const int setUrls = int(rig.player.calls.filter(u"setUrl"_s).size());

        const SingleInstance::Answer answer = remote.answer(arguments);
        QCOMPARE(answer.exitCode, exitCode);
        QCOMPARE(answer.text.isEmpty(), exitCode == 0);
        rig.store->flush();
        QCOMPARE(rig.stored(u"StartStopState"_s), state);
        QCOMPARE(rig.stored(u"Style"_s), style);
        QCOMPARE(rig.stored(u"Volume"_s), volume);
        QCOMPARE(rig.player.volume, volume.toInt());
        QCOMPARE(rig.onOff()->text(), state == u"ON"_s ? u"Turn Off"_s : u"Turn On"_s);
        // A program already in the state asked for is not started again.
        if (state == startState && state == u"ON"_s) {
            QCOMPARE(rig.player.calls.filter(u"setUrl"_s).size(), setUrls);
        }
        if (arguments.contains(u"--sleep"_s)) {
            QCOMPARE(sleep.isRunning() ? sleep.left().count() : -1, sleepLeft);
        } else {
            QCOMPARE(sleep.left(), 5min);
        }
    }

    void answer_questions_tellTheStateAndTheListedStyles() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s},
                                                 {u"Style"_s, u"Pink Noise"_s},
                                                 {u"Volume"_s, u"42"_s},
                                                 {u"Option"_s, u"Timed"_s}});
        // The user's own sounds follow, a name the program has already listed only once.
        const QString own = StyleLibrary::userSoundsFolder();
        QVERIFY(QDir().mkpath(own));
        for (const QString &name : {u"Rain.ogg"_s, u"Pink Noise.mp3"_s, u"Rain.ogg.mp3"_s}) {
            QFile sound(own + u'/' + name);
            QVERIFY(sound.open(QIODevice::WriteOnly));
        }
        Form1 *form = rig.load();
        SleepTimer sleep(rig.clock);
        RemoteCommands remote(*form, sleep);
        rig.player.state = Player::Playing;
        rig.player.waiting = true;
        QCOMPARE(remote.answer({u"--status"_s}).text,
                 u"state: on\nmode: timed\nstyle: Pink Noise\nvolume: 42\nsleep: off\noutput: waiting\n"_s);
        rig.player.waiting = false;
        sleep.set(90s);
        rig.clock.current = rig.clock.current.addSecs(30);
        QVERIFY(remote.answer({u"--status"_s}).text.contains(u"\nsleep: 60\noutput: playing\n"_s));
        rig.player.state = 0;
        QVERIFY(remote.answer({u"--status"_s}).text.endsWith(u"\noutput: silent\n"_s));
        // In the window's order, which the folder listing gives.
        QCOMPARE(remote.answer({u"--list-styles"_s}).text, u"Brown Noise\nPink Noise\nWhite Noise\nRain.ogg\n"_s);
        QCOMPARE(StyleLibrary::listedStyles(rig.programFolder()).join(u'\n') + u'\n',
                 remote.answer({u"--list-styles"_s}).text);
    }

    void answer_inAnotherLanguage_takesEitherNameAndKeepsTheStoredOne() {
        const Translations german{QLocale(u"de_DE"_s)};
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Style"_s, u"White Noise"_s}});
        Form1 *form = rig.load();
        SleepTimer sleep(rig.clock);
        RemoteCommands remote(*form, sleep);
        QCOMPARE(rig.styles()->currentText(), u"Weißes Rauschen"_s);
        QCOMPARE(remote.answer({u"--list-styles"_s}).text, u"Brown Noise\nPink Noise\nWhite Noise\n"_s);
        QCOMPARE(remote.answer({u"--style"_s, u"Rosa Rauschen"_s, u"--turn-on"_s}).exitCode, 0);
        QCOMPARE(rig.stored(u"Style"_s), u"Pink Noise"_s);
        QCOMPARE(rig.onOff()->text(), u"Ausschalten"_s);
        QCOMPARE(rig.player.url, rig.soundFile(u"Pink Noise"_s));
        QCOMPARE(remote.answer({u"--style"_s, u"Brown Noise"_s}).exitCode, 0);
        QCOMPARE(rig.stored(u"Style"_s), u"Brown Noise"_s);
        QVERIFY(remote.answer({u"--status"_s}).text.startsWith(u"state: on\nmode: infinite\nstyle: Brown Noise\n"_s));
    }
};

QTEST_MAIN(TestRemoteCommands)
#include "tst_remotecommands.moc"
