#include "csystray.h"
#include "fakes/faketraynotifier.h"
#include "propertybag.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace TrayNotify;

namespace {

TrayPicture anIcon() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return TrayPicture::fromIcon(QIcon(QPixmap::fromImage(image)));
}

// The control's events, in the order they were raised, as "MouseDown 2 7".
class EventLog {
public:
    explicit EventLog(cSysTray &tray) {
        QObject::connect(&tray, &cSysTray::MouseMove, &tray, [this](int id) { m_events << u"MouseMove %1"_s.arg(id); });
        QObject::connect(&tray, &cSysTray::MouseDown, &tray,
                         [this](int button, int id) { add(u"MouseDown"_s, button, id); });
        QObject::connect(&tray, &cSysTray::MouseUp, &tray,
                         [this](int button, int id) { add(u"MouseUp"_s, button, id); });
        QObject::connect(&tray, &cSysTray::MouseDblClick, &tray,
                         [this](int button, int id) { add(u"MouseDblClick"_s, button, id); });
    }
    QStringList events() const { return m_events; }

private:
    void add(const QString &name, int button, int id) { m_events << u"%1 %2 %3"_s.arg(name).arg(button).arg(id); }
    QStringList m_events;
};

class ManualClock {
public:
    cSysTray::Clock clock() {
        return [this] { return m_now; };
    }
    void advance(qint64 ms) { m_now += ms; }

private:
    qint64 m_now = 1000;
};

} // namespace

class CSysTrayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_notifier = std::make_unique<FakeTrayNotifier>();
        m_tray = std::make_unique<cSysTray>(m_notifier.get());
    }
    void cleanup() {
        m_tray.reset();
        m_notifier.reset();
    }

    void inTray_assignedItsPresentValue_doesNothingAndReportsNoChange() {
        QSignalSpy changes(m_tray.get(), &cSysTray::propertyChanged);
        m_tray->setInTray(false);
        QCOMPARE(changes.count(), 0);

        m_tray->setInTray(true);
        m_tray->setInTray(true);
        QCOMPARE(m_notifier->calls().size(), 1);
        QVERIFY(m_notifier->calls().at(0).isAdd());
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toString(), u"InTray"_s);
    }

    void inTray_false_removesTheIconAndStopsEvents() {
        EventLog log(*m_tray);
        m_tray->setInTray(true);
        m_tray->setInTray(false);
        QVERIFY(m_notifier->calls().last().isDelete());
        QVERIFY(!m_tray->InTray());
        m_notifier->deliver(WM_LBUTTONUP);
        QVERIFY(log.events().isEmpty());
    }

    void add_leavesOutAnEmptyTipAndAMissingIcon_data() {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<quint32>("flags");
        QTest::newRow("neither") << QString() << false << NIF_MESSAGE;
        QTest::newRow("tip only") << u"Tip"_s << false << (NIF_MESSAGE | NIF_TIP);
        QTest::newRow("icon only") << QString() << true << (NIF_MESSAGE | NIF_ICON);
        QTest::newRow("both") << u"Tip"_s << true << (NIF_MESSAGE | NIF_ICON | NIF_TIP);
    }
    void add_leavesOutAnEmptyTipAndAMissingIcon() {
        QFETCH(QString, tip);
        QFETCH(bool, withIcon);
        QFETCH(quint32, flags);
        m_tray->setTrayTip(tip);
        if (withIcon) {
            m_tray->setTrayIcon(anIcon());
        }
        m_notifier->clearCalls();
        m_tray->setInTray(true);
        QCOMPARE(m_notifier->calls().size(), 1);
        const TrayIconRecord record = m_notifier->calls().at(0).record;
        QCOMPARE(record.flags, flags);
        QCOMPARE(record.callbackMessage, TRAY_CALLBACK_MESSAGE);
        QCOMPARE(record.tip, tip);
        QCOMPARE(record.icon.isNull(), !withIcon);
    }

    void trayIcon_ofAnotherTypeOrNone_isIgnored_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("none") << TrayPicture::None;
        QTest::newRow("bitmap") << TrayPicture::Bitmap;
    }
    void trayIcon_ofAnotherTypeOrNone_isIgnored() {
        QFETCH(int, type);
        const TrayPicture icon = anIcon();
        m_tray->setTrayIcon(icon);
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        QSignalSpy changes(m_tray.get(), &cSysTray::propertyChanged);

        TrayPicture rejected = anIcon();
        rejected.type = type;
        m_tray->setTrayIcon(rejected);
        QCOMPARE(changes.count(), 0);
        QVERIFY(m_notifier->calls().isEmpty());
        QCOMPARE(m_tray->TrayIcon().icon.cacheKey(), icon.icon.cacheKey());
    }

    void trayIcon_whileInTray_changesTheLiveIconAndThePicture() {
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        const TrayPicture icon = anIcon();
        m_tray->setTrayIcon(icon);
        QCOMPARE(m_notifier->calls().size(), 1);
        QVERIFY(m_notifier->calls().at(0).isModifyIcon());
        QCOMPARE(m_notifier->calls().at(0).record.icon.cacheKey(), icon.icon.cacheKey());
        QCOMPARE(m_tray->Picture().icon.cacheKey(), icon.icon.cacheKey());
    }

    void trayTip_outOfTheTray_isOnlyStoredUntilTheNextAdd() {
        m_tray->setTrayTip(u"Somnivox Noise Player"_s);
        QVERIFY(m_notifier->calls().isEmpty());
        m_tray->setInTray(true);
        QCOMPARE(m_notifier->calls().at(0).record.tip, u"Somnivox Noise Player"_s);
        m_tray->setTrayTip(u"Other"_s);
        QVERIFY(m_notifier->calls().last().isModifyTip());
        QCOMPARE(m_notifier->calls().last().record.tip, u"Other"_s);
    }

    void inTray_inDesignMode_addsNothingYetIsSavedTrue() {
        m_tray->setUserMode(false);
        m_tray->setTrayTip(u"Tip"_s);
        m_tray->setInTray(true);
        m_tray->setTrayTip(u"Tip 2"_s);
        QVERIFY(m_tray->InTray());
        QVERIFY(m_notifier->calls().isEmpty());
        PropertyBag bag;
        m_tray->UserControl_WriteProperties(bag);
        QCOMPARE(bag.readProperty(u"intray"_s), QVariant(true));
        m_tray.reset();
        QVERIFY(m_notifier->calls().isEmpty());
    }

    void texts_areCutToTheirFieldSizes() {
        const QString tip(200, u't');
        m_tray->setTrayTip(tip);
        m_tray->setInTray(true);
        m_tray->setTrayTip(tip);
        QCOMPARE(m_notifier->calls().at(0).record.tip, tip.left(127));
        QCOMPARE(m_notifier->calls().at(1).record.tip, tip.left(127));
        QCOMPARE(m_tray->TrayTip(), tip);

        m_tray->ShowBalloon(QString(300, u'b'), QString(100, u'h'), 0, false);
        const TrayIconRecord balloon = m_notifier->calls().last().record;
        QCOMPARE(balloon.infoTitle, QString(63, u'h'));
        QCOMPARE(balloon.info, QString(255, u'b'));
    }

    void texts_areNotCutInsideASurrogatePair() {
        const QString tip = QString(126, u'a') + QString::fromUcs4(U"\U0001F600");
        QCOMPARE(TrayNotifier::cutText(tip, 127), QString(126, u'a'));
    }

    void notifications_raiseTheirEvents_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("move") << QList<int>{512} << QStringList{u"MouseMove 7"_s};
        QTest::newRow("left click") << QList<int>{513, 514} << QStringList{u"MouseDown 1 7"_s, u"MouseUp 1 7"_s};
        QTest::newRow("left double") << QList<int>{515} << QStringList{u"MouseDblClick 1 7"_s};
        QTest::newRow("right double click")
            << QList<int>{516, 517, 518, 517}
            << QStringList{u"MouseDown 2 7"_s, u"MouseUp 2 7"_s, u"MouseDblClick 2 7"_s, u"MouseUp 2 7"_s};
        QTest::newRow("middle button") << QList<int>{519, 520, 521} << QStringList{};
        QTest::newRow("balloon codes") << QList<int>{1026, 1027, 1028, 1029} << QStringList{};
    }
    void notifications_raiseTheirEvents() {
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, events);
        EventLog log(*m_tray);
        m_notifier->deliver(WM_LBUTTONUP, 7);
        QVERIFY(log.events().isEmpty());
        m_tray->setInTray(true);
        for (int code : codes) {
            m_notifier->deliver(code, 7);
        }
        QCOMPARE(log.events(), events);
    }

    void showBalloon_once_showsOnlyTheFirstTime() {
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        m_tray->ShowBalloon(u"text"_s, u"title"_s, 0, true);
        m_tray->ShowBalloon(u"text"_s, u"title"_s, 0, true);
        QCOMPARE(m_notifier->calls().size(), 1);
        m_tray->ShowBalloon(u"again"_s, u"title"_s, 0, false);
        QCOMPARE(m_notifier->calls().size(), 2);
        QVERIFY(m_notifier->calls().at(1).isBalloon());
        QCOMPARE(m_notifier->calls().at(1).record.info, u"again"_s);
    }

    void showBalloon_withoutTime_returnsAtOnceAndLeavesTheBalloon_data() {
        QTest::addColumn<int>("showTimer");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -5;
    }
    void showBalloon_withoutTime_returnsAtOnceAndLeavesTheBalloon() {
        QFETCH(int, showTimer);
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        m_tray->ShowBalloon(u"text"_s, u"title"_s, showTimer, true);
        QCOMPARE(m_notifier->calls().size(), 1);
        QCOMPARE(m_notifier->calls().at(0).record.timeoutMs, 0);
    }

    void showBalloon_goneDuringTheWait_endsWithoutTakeDown_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("hidden") << NIN_BALLOONHIDE;
        QTest::newRow("timed out") << NIN_BALLOONTIMEOUT;
        QTest::newRow("clicked") << NIN_BALLOONUSERCLICK;
    }
    void showBalloon_goneDuringTheWait_endsWithoutTakeDown() {
        QFETCH(int, code);
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        QTimer::singleShot(0, m_notifier.get(), [this, code] { m_notifier->deliver(code); });
        m_tray->ShowBalloon(u"text"_s, u"title"_s, 5, true);
        QCOMPARE(m_notifier->calls().size(), 1);
        QCOMPARE(m_notifier->calls().at(0).record.timeoutMs, 5000);
    }

    void showBalloon_untouchedUntilTheTimeRunsOut_takesItDown() {
        ManualClock clock;
        m_tray->setClock(clock.clock());
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        QTimer::singleShot(0, m_notifier.get(), [&clock] { clock.advance(4999); });
        QTimer::singleShot(1, m_notifier.get(), [this, &clock] {
            QCOMPARE(m_notifier->calls().size(), 1);
            clock.advance(1);
        });
        m_tray->ShowBalloon(u"text"_s, u"title"_s, 5, true);
        QCOMPARE(m_notifier->calls().size(), 2);
        QVERIFY(m_notifier->calls().at(1).isBalloonTakeDown());
    }

    void showBalloon_handlesEventsWhileItWaits() {
        EventLog log(*m_tray);
        m_tray->setInTray(true);
        QTimer::singleShot(0, m_notifier.get(), [this] {
            m_notifier->deliver(WM_RBUTTONUP);
            m_notifier->deliver(NIN_BALLOONUSERCLICK);
        });
        m_tray->ShowBalloon(u"text"_s, u"title"_s, 5, true);
        QCOMPARE(log.events(), QStringList{u"MouseUp 2 0"_s});
    }

    void showBalloon_controlDestroyedDuringTheWait_returnsSafely() {
        m_tray->setInTray(true);
        cSysTray *tray = m_tray.get();
        QTimer::singleShot(0, m_notifier.get(), [this] { m_tray.reset(); });
        tray->ShowBalloon(u"text"_s, u"title"_s, 5, true);
        QVERIFY(m_notifier->calls().last().isDelete());
    }

    void showBalloon_timeBeyond32BitMilliseconds_throwsBeforeShowing() {
        m_tray->setInTray(true);
        m_notifier->clearCalls();
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, m_tray->ShowBalloon(u"t"_s, u"t"_s, 2147484, true));
        QVERIFY(m_notifier->calls().isEmpty());
        m_tray->ShowBalloon(u"t"_s, u"t"_s, 0, true);
        QCOMPARE(m_notifier->calls().size(), 1);
    }

    void destroyingTheControlInTheTray_removesTheIcon() {
        m_tray->setInTray(true);
        m_tray.reset();
        QVERIFY(m_notifier->calls().last().isDelete());
        QVERIFY(!m_notifier->iconShown());
    }

    void readProperties_savedTrue_addsBareIconThenModifiesIt() {
        QTemporaryDir dir;
        const QString icoPath = dir.filePath(u"tray.ico"_s);
        QImage image(16, 16, QImage::Format_RGB888);
        image.fill(Qt::blue);
        QVERIFY(image.save(icoPath, "ico"));
        PropertyBag bag;
        bag.writeProperty(u"traytip"_s, u"Saved tip"_s);
        bag.writeProperty(u"trayicon"_s, icoPath);
        bag.writeProperty(u"intray"_s, true);
        QSignalSpy changes(m_tray.get(), &cSysTray::propertyChanged);

        m_tray->UserControl_ReadProperties(bag);
        const QList<FakeTrayNotifier::Call> calls = m_notifier->calls();
        QCOMPARE(calls.size(), 3);
        QVERIFY(calls.at(0).isAdd());
        QCOMPARE(calls.at(0).record.flags, NIF_MESSAGE);
        QVERIFY(calls.at(1).isModifyIcon());
        QVERIFY(calls.at(2).isModifyTip());
        QCOMPARE(calls.at(2).record.tip, u"Saved tip"_s);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(changes.at(0).at(0).toString(), u"InTray"_s);
        QCOMPARE(changes.at(1).at(0).toString(), u"TrayIcon"_s);
        QCOMPARE(changes.at(2).at(0).toString(), u"TrayTip"_s);
    }

    void readProperties_emptyBag_givesTheDefaults() {
        const TrayPicture own = anIcon();
        m_tray->setPicture(own);
        m_tray->UserControl_ReadProperties(PropertyBag());
        QVERIFY(!m_tray->InTray());
        QCOMPARE(m_tray->TrayTip(), u"Telnet Server"_s);
        QCOMPARE(m_tray->TrayIcon().icon.cacheKey(), own.icon.cacheKey());
        QVERIFY(m_notifier->calls().isEmpty());
    }

    void readProperties_bitmapFile_keepsThePreviousIcon() {
        QTemporaryDir dir;
        const QString pngPath = dir.filePath(u"tray.png"_s);
        QImage image(16, 16, QImage::Format_RGB888);
        image.fill(Qt::red);
        QVERIFY(image.save(pngPath, "png"));
        QCOMPARE(TrayPicture::fromFile(pngPath).type, TrayPicture::Bitmap);
        PropertyBag bag;
        bag.writeProperty(u"trayicon"_s, pngPath);
        m_tray->UserControl_ReadProperties(bag);
        QCOMPARE(m_tray->TrayIcon().type, TrayPicture::None);
    }

    void writeProperties_storesAllThreeKeys() {
        PropertyBag bag;
        m_tray->UserControl_WriteProperties(bag);
        QCOMPARE(bag.names(), (QStringList{u"InTray"_s, u"TrayIcon"_s, u"TrayTip"_s}));
        QCOMPARE(bag.readProperty(u"InTray"_s), QVariant(false));
        QCOMPARE(bag.readProperty(u"TrayTip"_s), QVariant(QString()));
    }

    void initProperties_setsTheDefaultTipAndOwnIcon() {
        m_tray->setPicture(anIcon());
        m_tray->UserControl_InitProperties();
        QCOMPARE(m_tray->TrayTip(), u"Telnet Server"_s);
        QCOMPARE(m_tray->TrayIcon().type, TrayPicture::Icon);
        QVERIFY(!m_tray->InTray());
    }

    void resize_keepsTheFixedSize() {
        m_tray->resize(QSize(2000, 100));
        QCOMPARE(m_tray->size(), QSize(510, 510));
    }

    void trayAvailability_followsTheNotifier() {
        QSignalSpy spy(m_tray.get(), &cSysTray::trayAvailableChanged);
        m_notifier->setAvailable(false);
        QVERIFY(!m_tray->trayAvailable());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
    }

private:
    std::unique_ptr<FakeTrayNotifier> m_notifier;
    std::unique_ptr<cSysTray> m_tray;
};

QTEST_MAIN(CSysTrayTest)
#include "tst_csystray.moc"
