#include "propertybag.h"

#include "fakes/fulldisk.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class PropertyBagTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_matchWithoutRegardToCase() {
        PropertyBag bag;
        bag.writeProperty(u"intray"_s, false);
        bag.writeProperty(u"InTray"_s, true);
        QCOMPARE(bag.names(), QStringList{u"intray"_s});
        QCOMPARE(bag.readProperty(u"INTRAY"_s), QVariant(true));
        QVERIFY(bag.contains(u"inTray"_s));
    }

    void readProperty_absentName_givesTheDefault() {
        PropertyBag bag;
        bag.writeProperty(u"traytip"_s, u"Telnet Server"_s);
        QCOMPARE(bag.readProperty(u"TrayIcon"_s, u"fallback"_s), QVariant(u"fallback"_s));
        QVERIFY(!bag.readProperty(u"TrayIcon"_s).isValid());
    }

    void fromText_readsSavedControlData() {
        const QString text = u"; saved cSysTray1\r\n"
                             "_extentx = 900\r\n"
                             "_extenty=900\r\n"
                             "\r\n"
                             "intray = false\r\n"
                             "trayicon = :/icons/tray.ico\r\n"
                             "traytip = \"Telnet Server\"\r\n"
                             "no equals sign here\r\n"
                             "= no name\r\n"_s;
        const PropertyBag bag = PropertyBag::fromText(text);
        QCOMPARE(bag.names(), (QStringList{u"_extentx"_s, u"_extenty"_s, u"intray"_s, u"trayicon"_s, u"traytip"_s}));
        QCOMPARE(bag.readProperty(u"InTray"_s, true).toBool(), false);
        QCOMPARE(bag.readProperty(u"TrayIcon"_s).toString(), u":/icons/tray.ico"_s);
        QCOMPARE(bag.readProperty(u"TrayTip"_s).toString(), u"Telnet Server"_s);
        QCOMPARE(bag.readProperty(u"_ExtentX"_s).toInt(), 900);
    }

    void toText_roundTripsEveryValue_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("readBack");
        QTest::newRow("true") << QVariant(true) << QVariant(u"true"_s);
        QTest::newRow("false") << QVariant(false) << QVariant(u"false"_s);
        QTest::newRow("number") << QVariant(900) << QVariant(u"900"_s);
        QTest::newRow("empty text") << QVariant(QString()) << QVariant(QString());
        const QString awkward = u"  \"quoted\" back\\slash\r\nline = 2  "_s;
        QTest::newRow("awkward text") << QVariant(awkward) << QVariant(awkward);
    }
    void toText_roundTripsEveryValue() {
        QFETCH(QVariant, value);
        QFETCH(QVariant, readBack);
        PropertyBag bag;
        bag.writeProperty(u"Key"_s, value);
        bag.writeProperty(u"Next"_s, u"after"_s);
        const PropertyBag loaded = PropertyBag::fromText(bag.toText());
        QCOMPARE(loaded.readProperty(u"key"_s), readBack);
        QCOMPARE(loaded.readProperty(u"next"_s), QVariant(u"after"_s));
        QCOMPARE(loaded.readProperty(u"key"_s).toBool(), value.toBool());
    }

    void saveAndLoad_keepTheBag() {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(u"form.txt"_s);
        QVERIFY(!PropertyBag::load(fileName).has_value());
        PropertyBag bag;
        bag.writeProperty(u"TrayTip"_s, u"Somnivox Noise Player"_s);
        QVERIFY(bag.save(fileName));
        const std::optional<PropertyBag> loaded = PropertyBag::load(fileName);
        QVERIFY(loaded.has_value());
        QCOMPARE(loaded->readProperty(u"traytip"_s).toString(), u"Somnivox Noise Player"_s);
        QVERIFY(!bag.save(dir.filePath(u"missing/form.txt"_s)));

        // A bag cut short by a full disk must not replace the saved one.
        bag.writeProperty(u"TrayTip"_s, QString(64, u'x'));
        QVERIFY(!onAFullDisk([&] { return bag.save(fileName); }));
        QCOMPARE(PropertyBag::load(fileName)->readProperty(u"traytip"_s).toString(), u"Somnivox Noise Player"_s);
    }
};

QTEST_GUILESS_MAIN(PropertyBagTest)
#include "tst_propertybag.moc"
