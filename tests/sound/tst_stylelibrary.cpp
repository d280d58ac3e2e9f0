#include "stylelibrary.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestStyleLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void styleName_removesEveryLowerCaseMp3_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("played");
        QTest::newRow("plain") << u"Rain.mp3"_s << u"Rain"_s << u"/p/sounds/Rain.mp3"_s;
        QTest::newRow("upper case kept") << u"Fan.MP3"_s << u"Fan.MP3"_s << u"/p/sounds/Fan.MP3.mp3"_s;
        QTest::newRow("twice") << u"Rain.mp3.mp3"_s << u"Rain"_s << u"/p/sounds/Rain.mp3"_s;
        QTest::newRow("other file") << u"notes.txt"_s << u"notes.txt"_s << u"/p/sounds/notes.txt.mp3"_s;
        QTest::newRow("inside the name") << u"a.mp3b"_s << u"ab"_s << u"/p/sounds/ab.mp3"_s;
        QTest::newRow("empty list text") << QString() << QString() << u"/p/sounds/.mp3"_s;
    }
    void styleName_removesEveryLowerCaseMp3() {
        QFETCH(QString, file);
        QFETCH(QString, style);
        QFETCH(QString, played);
        QCOMPARE(StyleLibrary::styleName(file), style);
        QCOMPARE(StyleLibrary::styleFile(u"/p"_s, StyleLibrary::styleName(file)), played);
    }
};

QTEST_GUILESS_MAIN(TestStyleLibrary)
#include "tst_stylelibrary.moc"
