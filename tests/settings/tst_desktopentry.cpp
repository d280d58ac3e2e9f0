#include "desktopentry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDesktopEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quotedArgument_parsesBackToItself_data();
    void quotedArgument_parsesBackToItself();
    void quotedArgument_escapesAsTheFormatRequires_data();
    void quotedArgument_escapesAsTheFormatRequires();
    void parseExec_splitsLikeALauncher_data();
    void parseExec_splitsLikeALauncher();
    void parseExec_refusesWhatALauncherWouldReadDifferently_data();
    void parseExec_refusesWhatALauncherWouldReadDifferently();
};

void TestDesktopEntry::quotedArgument_parsesBackToItself_data() {
    QTest::addColumn<QString>("argument");
    QTest::newRow("plain") << u"/usr/lib/somnivox/somnivox"_s;
    QTest::newRow("blank") << u"/home/a user/Somnivox Player/somnivox"_s;
    QTest::newRow("double quote") << u"/opt/say \"hi\"/somnivox"_s;
    QTest::newRow("percent and field code") << u"/opt/100%/%f%%U/somnivox"_s;
    QTest::newRow("dollar") << u"/opt/$HOME/${PATH}/somnivox"_s;
    QTest::newRow("backslash") << u"/opt/a\\b\\\\c\\/somnivox"_s;
    QTest::newRow("backtick") << u"/opt/`reboot`/somnivox"_s;
    QTest::newRow("single quote") << u"/opt/it's/somnivox"_s;
    QTest::newRow("shell characters") << u"/opt/a;b|c&d>e<f*g?h#i(j)~/somnivox"_s;
    QTest::newRow("non-ASCII") << u"/opt/Geräusch/ノイズ/somnivox"_s;
    QTest::newRow("control characters") << u"/opt/a\tb\nc\rd/somnivox"_s;
}

void TestDesktopEntry::quotedArgument_parsesBackToItself() {
    QFETCH(QString, argument);
    const QString quoted = DesktopEntry::quoteExecArgument(argument);
    QVERIFY(!quoted.contains(u'\n'));
    QCOMPARE(DesktopEntry::parseExec(quoted), std::optional<QStringList>(QStringList{argument}));
}

void TestDesktopEntry::quotedArgument_escapesAsTheFormatRequires_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("written");
    QTest::newRow("blank") << u"/a b"_s << u"\"/a b\""_s;
    QTest::newRow("double quote") << u"/a\"b"_s << u"\"/a\\\\\"b\""_s;
    QTest::newRow("backslash") << u"/a\\b"_s << u"\"/a\\\\\\\\b\""_s;
    QTest::newRow("dollar") << u"/a$b"_s << u"\"/a\\\\$b\""_s;
    QTest::newRow("backtick") << u"/a`b"_s << u"\"/a\\\\`b\""_s;
    QTest::newRow("percent") << u"/a%b"_s << u"\"/a%%b\""_s;
}

void TestDesktopEntry::quotedArgument_escapesAsTheFormatRequires() {
    QFETCH(QString, argument);
    QFETCH(QString, written);
    QCOMPARE(DesktopEntry::quoteExecArgument(argument), written);
}

void TestDesktopEntry::parseExec_splitsLikeALauncher_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unquoted") << u"somnivox --tray  now"_s << QStringList{u"somnivox"_s, u"--tray"_s, u"now"_s};
    QTest::newRow("quoted") << u"\"/a b/c\" \"\" x"_s << QStringList{u"/a b/c"_s, QString(), u"x"_s};
    QTest::newRow("escaped blank separates") << u"a\\sb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("literal percent") << u"a%%b"_s << QStringList{u"a%b"_s};
}

void TestDesktopEntry::parseExec_splitsLikeALauncher() {
    QFETCH(QString, value);
    QFETCH(QStringList, arguments);
    QCOMPARE(DesktopEntry::parseExec(value), std::optional<QStringList>(arguments));
}

void TestDesktopEntry::parseExec_refusesWhatALauncherWouldReadDifferently_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("nothing") << u""_s;
    QTest::newRow("empty program") << u"\"\" x"_s;
    QTest::newRow("open quote") << u"\"/a b"_s;
    QTest::newRow("text after a quote") << u"\"/a\"b"_s;
    QTest::newRow("field code") << u"somnivox %f"_s;
    QTest::newRow("lone percent") << u"\"/a%\""_s;
    QTest::newRow("unquoted dollar") << u"/a$b"_s;
    QTest::newRow("unknown string escape") << u"\"a\\qb\""_s;
    QTest::newRow("unknown quote escape") << u"\"a\\\\qb\""_s;
    QTest::newRow("trailing backslash") << u"a\\"_s;
}

void TestDesktopEntry::parseExec_refusesWhatALauncherWouldReadDifferently() {
    QFETCH(QString, value);
    QCOMPARE(DesktopEntry::parseExec(value), std::nullopt);
}

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
