#include "appassembly.h"
#include "buildconfig.h"
#include "stylelibrary.h"

#include "fakes/mprislistener.h"
#include "fakes/privatebus.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDBusConnectionInterface>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

void playOffTheBusIntoAFakeSink() {
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:");
    qputenv("SOMNIVOX_AUDIO_SINK", "fakesink sync=true");
}

} // namespace

class TestAppAssembly : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void reportNamesTheSupportAddressAndTheWindowTheHomePage() {
        AppAssembly assembly;
        QCOMPARE(assembly.report().supportAddress(), QString::fromUtf8(BuildConfig::SupportEmail));
        QCOMPARE(assembly.form().services().homePage, QString::fromUtf8(BuildConfig::HomePage));
    }

    void soundsAreInTheProgramsOwnFolder() {
        // Started from another folder, the program still finds its own.
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_config.path()));
        AppAssembly assembly;
        QVERIFY(QDir::setCurrent(started));
        const QString programFolder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
        QCOMPARE(assembly.form().services().programFolder, programFolder);
        QCOMPARE(StyleLibrary::soundsFolder(assembly.form().services().programFolder), programFolder + u"/sounds"_s);
    }

    void playerLoadsItsEngineFromTheProgramsFolder() {
        const AppAssembly assembly(m_config.path());
        QCOMPARE(assembly.player().enginePath(), m_config.path() + u"/somnivox-engine.so"_s);
    }

    // The window's end, an output failure: the media controls learn of what the player does without a click.
    void mediaControls_announceEveryChangeOfThePlayer() {
        PrivateBus daemon;
        QVERIFY(daemon.start());
        qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.address().toUtf8());
        qputenv("SOMNIVOX_AUDIO_SINK", "fakesink sync=true");
        QDBusConnection client = QDBusConnection::connectToBus(daemon.address(), u"client"_s);
        AppAssembly assembly(QStringLiteral(SOMNIVOX_BUILD_DIR));
        assembly.start();
        const QString player = QString::fromLatin1(MprisService::ServiceName);
        QTRY_VERIFY_WITH_TIMEOUT(client.interface()->isServiceRegistered(player), 10'000);
        MprisListener listener;
        QVERIFY(listener.follow(client));
        QVERIFY(client.interface()->isServiceRegistered(player));

        assembly.form().PushButton2_Click();
        QTRY_COMPARE_WITH_TIMEOUT(listener.statuses, QStringList{u"Playing"_s}, 2'000);
        assembly.form().PushButton2_Click();
        QTRY_COMPARE_WITH_TIMEOUT(listener.statuses, (QStringList{u"Playing"_s, u"Stopped"_s}), 2'000);
    }

    void sleepTimer_cancelledByTurningOffOrAnotherPlayOption_andItsEndTurnsOffAsTheButtonDoes() {
        playOffTheBusIntoAFakeSink();
        AppAssembly assembly(QStringLiteral(SOMNIVOX_BUILD_DIR));
        assembly.start();
        Form1 &form = assembly.form();
        SleepTimer &timer = assembly.sleepTimer();
        form.PushButton2_Click();
        timer.set(std::chrono::minutes(30));
        form.PushButton2_Click();
        QVERIFY(!timer.isRunning());

        form.PushButton2_Click();
        timer.set(std::chrono::minutes(30));
        form.findChild<QRadioButton *>(u"Option2"_s)->setChecked(true);
        QVERIFY(!timer.isRunning());

        form.findChild<QRadioButton *>(u"Option1"_s)->setChecked(true);
        timer.set(std::chrono::seconds(1));
        QVERIFY(form.isTurnedOn());
        QTRY_VERIFY(!form.isTurnedOn());
        QCOMPARE(form.services().store.ReadSetting(u"StartStopState"_s, QString()), u"OFF"_s);
        QVERIFY(!timer.isRunning());
    }

    // The timer's end holds the daily window silent: a preview playing then, or started and stopped afterwards, does
    // not bring the sound back.
    void sleepTimer_endInTheDailyWindow_staysSilentThroughAPreview() {
        playOffTheBusIntoAFakeSink();
        AppAssembly assembly(QStringLiteral(SOMNIVOX_BUILD_DIR));
        assembly.start();
        Form1 &form = assembly.form();
        const QDateTime now = QDateTime::currentDateTime();
        form.findChild<QDateTimeEdit *>(u"DTPicker1"_s)->setDateTime(now.addSecs(-3600));
        form.findChild<QDateTimeEdit *>(u"DTPicker2"_s)->setDateTime(now.addSecs(3600));
        form.findChild<QRadioButton *>(u"Option2"_s)->setChecked(true);
        form.PushButton2_Click();
        QTRY_COMPARE(assembly.player().playState(), int(Player::Playing));
        form.PushButton1_Click();
        assembly.sleepTimer().set(std::chrono::seconds(1));

        QTRY_VERIFY_WITH_TIMEOUT(assembly.player().playState() != Player::Playing, 5'000);
        QTest::qWait(500);
        QVERIFY(assembly.player().playState() != Player::Playing);
        QVERIFY(form.isTurnedOn());
        form.PushButton1_Click();
        QTRY_COMPARE(assembly.player().playState(), int(Player::Playing));
        form.PushButton1_Click();
        QTest::qWait(500);
        QVERIFY(assembly.player().playState() != Player::Playing);
    }

    // The end of the session while a start-up message box waits: the program ends there, before its event loop, with
    // no window and no sound, though the settings say it is on.
    void closedFromAStartUpBox_endsWithoutWindowOrSound() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        qputenv("SOMNIVOX_AUDIO_SINK", "fakesink sync=true");
        QFile settings(m_config.filePath(u"Vantrelle.ini"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Somnivox%20Noise%20Player]\nVolume=-5\nStartStopState=ON\n");
        settings.close();
        AppAssembly assembly(QStringLiteral(SOMNIVOX_BUILD_DIR));
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, &assembly.form(), [&] {
            if (QApplication::activeModalWidget() != nullptr) {
                closer.stop();
                assembly.form().close();
            }
        });
        closer.start();
        assembly.start();
        QVERIFY(!closer.isActive());
        QVERIFY(assembly.ended());
        QVERIFY(!assembly.form().isVisible());
        QCOMPARE_NE(assembly.player().playState(), Player::Playing);
        QVERIFY(settings.remove());
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestAppAssembly)
#include "tst_appassembly.moc"
