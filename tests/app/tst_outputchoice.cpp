#include "outputchoice.h"
#include "settingsstore.h"

#include "fakes/fakeoutputdevices.h"
#include "fakes/fakeplayer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const OutputDevice Speakers{u"speakers"_s, u"Speakers"_s};
const OutputDevice Bedroom{u"bedroom"_s, u"Bedroom"_s};
const QString Key = QString::fromLatin1(OutputChoice::SettingKey);

} // namespace

class TestOutputChoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choose_nameOrDescription_storedAtOnceOrRefused_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("stable name") << u"bedroom"_s << true << u"bedroom"_s;
        QTest::newRow("description") << u"Bedroom"_s << true << u"bedroom"_s;
        QTest::newRow("default") << u"default"_s << true << QString();
        QTest::newRow("empty: the default") << QString() << true << QString();
        QTest::newRow("not listed: nothing changes") << u"kitchen"_s << false << u"speakers"_s;
    }

    void choose_nameOrDescription_storedAtOnceOrRefused() {
        QFETCH(QString, given);
        QFETCH(bool, accepted);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"Vantrelle.ini"_s));
        store.WriteSetting(Key, u"speakers"_s);
        FakeOutputDevices devices;
        FakePlayer player;
        OutputChoice choice(store, devices, player);
        devices.tell({Speakers, Bedroom});
        QCOMPARE(player.calls, QStringList{u"setOutputDevice speakers"_s});

        QCOMPARE(choice.choose(given), accepted);
        QCOMPARE(choice.chosen(), stored);
        // Written through at once: another reader of the file sees it.
        QCOMPARE(SettingsStore(store.fileName()).ReadSetting(Key, u"unset"_s), stored);
        QCOMPARE(player.calls.constLast(), u"setOutputDevice "_s + stored);
    }

    void storedOutput_missing_playsOnTheDefaultAndMovesBackWhenItReturns() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"Vantrelle.ini"_s));
        store.WriteSetting(Key, u"bedroom"_s);
        FakeOutputDevices devices;
        FakePlayer player;
        OutputChoice choice(store, devices, player);
        // Looked for at once, and the default plays until it is found.
        QCOMPARE(devices.watches, 1);
        QVERIFY(player.calls.isEmpty());
        QTest::ignoreMessage(QtWarningMsg, "output bedroom is missing: playing on the default output");
        devices.tell({Speakers});
        QVERIFY(player.calls.isEmpty());
        QCOMPARE(choice.playing(), QString());
        devices.tell({Speakers, Bedroom});
        QCOMPARE(player.calls, QStringList{u"setOutputDevice bedroom"_s});
        QTest::ignoreMessage(QtWarningMsg, "output bedroom is missing: playing on the default output");
        devices.tell({Speakers});
        QCOMPARE(player.calls.constLast(), u"setOutputDevice "_s);
        // The choice outlives its output.
        QCOMPARE(choice.chosen(), u"bedroom"_s);
        QCOMPARE(store.ReadSetting(Key, QString()), u"bedroom"_s);
    }

    void whenKnown_waitsForTheListOnlyUntilItIsRead() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"Vantrelle.ini"_s));
        FakeOutputDevices devices;
        FakePlayer player;
        OutputChoice choice(store, devices, player);
        // The default is chosen: nothing is looked for until asked.
        QCOMPARE(devices.watches, 0);
        int told = 0;
        choice.whenKnown([&told] { ++told; });
        QCOMPARE(devices.watches, 1);
        QCOMPARE(told, 0);
        devices.tell({Speakers});
        devices.tell({Speakers, Bedroom});
        QCOMPARE(told, 1);
        choice.whenKnown([&told] { ++told; });
        QCOMPARE(told, 2);
    }
};

QTEST_GUILESS_MAIN(TestOutputChoice)
#include "tst_outputchoice.moc"
