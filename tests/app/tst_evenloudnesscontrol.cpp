#include "evenloudnesscontrol.h"
#include "settingsstore.h"
#include "traymenu.h"

#include "fakes/fakeplayer.h"

#include <QTemporaryDir>
#include <QTest>

class TestEvenLoudnessControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void restore_storedChoice_reachesMenuAndPlayer_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("nothing stored") << QString() << true;
        QTest::newRow("off") << u"0"_s << false;
        QTest::newRow("on") << u"1"_s << true;
        QTest::newRow("garbage") << u"maybe"_s << true;
    }
    void restore_storedChoice_reachesMenuAndPlayer() {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"Vantrelle.ini"_s));
        if (!stored.isNull()) {
            store.WriteSetting(EvenLoudnessControl::Key, stored);
        }
        TrayMenu menu;
        FakePlayer player;
        player.evenLoudness = !on;
        EvenLoudnessControl control(menu, store, player);
        control.restore();
        QCOMPARE(menu.item(TrayMenu::EvenLoudness)->checked, on);
        QCOMPARE(player.evenLoudness, on);
    }

    void choose_storesTheChoiceAtOnce_andTheNextStartRestoresIt() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Vantrelle.ini"_s);
        TrayMenu menu;
        FakePlayer player;
        {
            SettingsStore store(file);
            EvenLoudnessControl control(menu, store, player);
            control.restore();
            menu.choose(TrayMenu::EvenLoudness);
            QVERIFY(!player.evenLoudness);
            // On disk already, as another store reads it.
            QCOMPARE(SettingsStore(file).ReadSetting(EvenLoudnessControl::Key, {}), u"0"_s);
        }
        SettingsStore store(file);
        TrayMenu nextMenu;
        EvenLoudnessControl next(nextMenu, store, player);
        next.restore();
        QVERIFY(!nextMenu.item(TrayMenu::EvenLoudness)->checked);
        nextMenu.choose(TrayMenu::EvenLoudness);
        QVERIFY(player.evenLoudness);
        QCOMPARE(SettingsStore(file).ReadSetting(EvenLoudnessControl::Key, {}), u"1"_s);
    }
};

QTEST_GUILESS_MAIN(TestEvenLoudnessControl)
#include "tst_evenloudnesscontrol.moc"
