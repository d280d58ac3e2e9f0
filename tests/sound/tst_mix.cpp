#include "mix.h"
#include "mixsource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<Mix::Layer>>("layers");
        QTest::addColumn<QString>("error");
        const QByteArray head = "[Mix]\nVersion=1\n";
        QTest::newRow("two layers") << head + "[Layer1]\nSound=Rain, heavy\nVolume=40\n[Layer2]\nSound=Brown Noise\n"
                                              "Volume=100\n"
                                    << QList<Mix::Layer>{{u"Rain, heavy"_s, 40}, {u"Brown Noise"_s, 100}} << QString();
        QTest::newRow("written by hand") << QByteArray("; night\r\n[Mix]\r\n Version = 1 \r\n\r\n[Layer2]\r\n"
                                                       "Sound = Fan\r\n# no volume: full\r\n[Layer1]\r\nSound=Sea\r\n"
                                                       "Volume=0\r\n[Other]\r\nKey=x\r\n")
                                         << QList<Mix::Layer>{{u"Sea"_s, 0}, {u"Fan"_s, 100}} << QString();
        QTest::newRow("no [Mix]") << QByteArray("[Layer1]\nSound=Sea\n") << QList<Mix::Layer>{} << u"no [Mix]"_s;
        QTest::newRow("no version") << QByteArray("[Mix]\n[Layer1]\nSound=Sea\n") << QList<Mix::Layer>{}
                                    << u"names no version"_s;
        QTest::newRow("a later version") << QByteArray("[Mix]\nVersion=2\n[Layer1]\nSound=Sea\n") << QList<Mix::Layer>{}
                                         << u"version 2"_s;
        QTest::newRow("no sound") << head + "[Layer1]\nVolume=5\n" << QList<Mix::Layer>{} << u"layer 1 names no"_s;
        QTest::newRow("volume above 100") << head + "[Layer1]\nSound=Sea\nVolume=101\n"
                                          << QList<Mix::Layer>{} << u"\"101\""_s;
        QTest::newRow("volume no number") << head + "[Layer1]\nSound=Sea\nVolume=loud\n"
                                          << QList<Mix::Layer>{} << u"\"loud\""_s;
        QTest::newRow("no layer") << head << QList<Mix::Layer>{} << u"no layer"_s;
        QByteArray nine = head;
        for (int i = 1; i <= 9; ++i) {
            nine += "[Layer" + QByteArray::number(i) + "]\nSound=Sea\n";
        }
        QTest::newRow("nine layers") << nine << QList<Mix::Layer>{} << u"9 layers"_s;
    }
    void parse() {
        QFETCH(QByteArray, text);
        QFETCH(QList<Mix::Layer>, layers);
        QFETCH(QString, error);
        QString why;
        const std::optional<Mix> mix = Mix::parse(text, &why);
        QCOMPARE(mix.has_value(), error.isEmpty());
        if (mix) {
            QCOMPARE(mix->layers, layers);
            // What is written reads back the same.
            QCOMPARE(Mix::parse(mix->text(), &why), mix);
        } else {
            QVERIFY2(why.contains(error), qPrintable(why));
        }
    }

    // A mix that would hold itself or another mix is refused with its reason, and the file it would replace is kept.
    void write_refusesWhatCannotPlay_keepsTheFile() {
        QTemporaryDir dir;
        const QString path = Mix::fileOf(dir.path() + u"/mixes"_s, u"Night"_s);
        const Mix night{{{u"Rain"_s, 40}, {u"Brown Noise"_s, 80}}};
        QString why;
        QVERIFY2(night.write(path, u"Night"_s, {u"Night"_s}, &why), qPrintable(why));
        QString readWhy;
        QCOMPARE(Mix::read(path, &readWhy), night);
        QCOMPARE(Mix::namesIn(dir.path() + u"/mixes"_s), QStringList{u"Night"_s});

        const QList<std::pair<Mix, QString>> refused{
            {Mix{{{u"Night"_s, 50}}}, u"cannot hold itself"_s},
            {Mix{{{u"Rain"_s, 50}, {u"Day"_s, 50}}}, u"another mix, \"Day\""_s},
            {Mix{}, u"at least one"_s},
            {Mix{QList<Mix::Layer>(9, {u"Rain"_s, 50})}, u"at most 8"_s},
        };
        for (const auto &[mix, reason] : refused) {
            QVERIFY(!mix.write(path, u"Night"_s, {u"Night"_s, u"Day"_s}, &why));
            QVERIFY2(why.contains(reason), qPrintable(why));
            QCOMPARE(Mix::read(path, &readWhy), night);
        }
    }

    void source_carriesAnyPath() {
        const QList<MixSource::Layer> layers{
            {u"/home/a b/R&B=50%.flac"_s, 40}, {u":generated/brown"_s, 100}, {u"/tmp/Ünïcødé ?#.mp3"_s, 0}};
        QCOMPARE(MixSource::layersOf(MixSource::sourceOf(layers)), layers);
        QCOMPARE(MixSource::layersOf(MixSource::sourceOf({})), QList<MixSource::Layer>{});
        QVERIFY(!MixSource::layersOf(u"/home/a/Rain.mp3"_s));
        QVERIFY(!MixSource::layersOf(u":mix?500=x"_s));
    }
};

QTEST_GUILESS_MAIN(TestMix)
#include "tst_mix.moc"
