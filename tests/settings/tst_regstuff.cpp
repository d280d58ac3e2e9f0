#include "autostartentryfile.h"
#include "desktopentry.h"
#include "nonregularfiles.h"
#include "regstuff.h"
#include "settingsstore.h"

#include "fakes/fulldisk.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestRegStuff : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void defaultPaths_followTheXdgRules_data();
    void defaultPaths_followTheXdgRules();
    void addRunValue_joinsFolderAndNameWithOneSeparator_data();
    void addRunValue_joinsFolderAndNameWithOneSeparator();
    void storeValue_otherType_writesNothingAndSucceeds_data();
    void storeValue_otherType_writesNothingAndSucceeds();
    void valueName_thatIsNoFileName_isRefusedWithAReason_data();
    void valueName_thatIsNoFileName_isRefusedWithAReason();
    void deleteKeyValue_missingFolderOrDanglingEntry_isNoError();
    void addRunValue_cutShort_keepsTheOldEntry();
    void entryThroughALink_writesOnlyARegularFileAndRemovesOnlyTheLink_data();
    void entryThroughALink_writesOnlyARegularFileAndRemovesOnlyTheLink();

private:
    QString m_autostart;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRegStuff::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestRegStuff::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_autostart = m_dir->filePath(u"config/autostart"_s);
}

void TestRegStuff::defaultPaths_followTheXdgRules_data() {
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<bool>("homeSet");
    QTest::addColumn<QString>("expected");
    const QString home = QDir::homePath();
    QTest::newRow("absolute XDG_CONFIG_HOME") << QByteArray("/xdg/config") << true << u"/xdg/config"_s;
    QTest::newRow("relative XDG_CONFIG_HOME is ignored") << QByteArray("config") << true << home + u"/.config"_s;
    QTest::newRow("no HOME: the password database's home")
        << QByteArray() << false << QFile::decodeName(getpwuid(getuid())->pw_dir) + u"/.config"_s;
}

void TestRegStuff::defaultPaths_followTheXdgRules() {
    QFETCH(QByteArray, configHome);
    QFETCH(bool, homeSet);
    QFETCH(QString, expected);
    // Only the names are looked up here; nothing is written, so leaving test mode for it is safe.
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_CONFIG_HOME", configHome);
    if (!homeSet) {
        qunsetenv("HOME");
    }
    const QString folder = RegStuff::defaultAutostartFolder();
    const QString settings = SettingsStore::defaultFileName();
    qputenv("XDG_CONFIG_HOME", savedConfig);
    qputenv("HOME", savedHome);
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(folder, expected + u"/autostart"_s);
    QCOMPARE(settings, expected + u"/Vantrelle.ini"_s);
    QCOMPARE(RegStuff(u"/opt"_s).autostartFolder(), RegStuff::defaultAutostartFolder());
}

void TestRegStuff::addRunValue_joinsFolderAndNameWithOneSeparator_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("command");
    QTest::newRow("root folder") << u"/"_s << u"/somnivox"_s;
    QTest::newRow("trailing separator") << u"/opt/somnivox/"_s << u"/opt/somnivox/somnivox"_s;
    QTest::newRow("no trailing separator") << u"/opt/somnivox"_s << u"/opt/somnivox/somnivox"_s;
}

void TestRegStuff::addRunValue_joinsFolderAndNameWithOneSeparator() {
    QFETCH(QString, programFolder);
    QFETCH(QString, command);
    const RegStuff regStuff(programFolder, m_autostart);
    const RegStuff::Result result = regStuff.AddRunValue(u"somnivox"_s);
    QVERIFY2(result.ok(), qPrintable(result.reason));
    const QString exec = readAutostartEntry(m_autostart + u"/somnivox.desktop"_s).value(u"Exec"_s);
    QCOMPARE(DesktopEntry::parseExec(exec), std::optional<QStringList>(QStringList{command}));
}

void TestRegStuff::storeValue_otherType_writesNothingAndSucceeds_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("none") << 0;
    QTest::newRow("double word") << 4;
    QTest::newRow("unknown") << 7;
}

void TestRegStuff::storeValue_otherType_writesNothingAndSucceeds() {
    QFETCH(int, type);
    const RegStuff::Result result = RegStuff::SetKeyValue(m_autostart, u"somnivox"_s, u"/opt/somnivox"_s, type);
    QCOMPARE(result.code, QFileDevice::NoError);
    QVERIFY(result.reason.isEmpty());
    QVERIFY(QDir(m_autostart).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestRegStuff::valueName_thatIsNoFileName_isRefusedWithAReason_data() {
    QTest::addColumn<QString>("valueName");
    QTest::newRow("empty") << QString();
    QTest::newRow("parent folder") << u".."_s;
    QTest::newRow("path") << u"../escape"_s;
}

void TestRegStuff::valueName_thatIsNoFileName_isRefusedWithAReason() {
    QFETCH(QString, valueName);
    const RegStuff regStuff(u"/opt"_s, m_autostart);
    const RegStuff::Result added = regStuff.AddRunValue(valueName);
    QVERIFY(!added.ok());
    QVERIFY(!added.reason.isEmpty());
    QVERIFY(!regStuff.RemoveRunValue(valueName).ok());
    const QStringList written = QDir(m_dir->filePath(u"config"_s)).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(written.isEmpty(), qPrintable(written.join(u", "_s)));
}

void TestRegStuff::deleteKeyValue_missingFolderOrDanglingEntry_isNoError() {
    QVERIFY(RegStuff::DeleteKeyValue(m_autostart, u"somnivox"_s).ok());
    QVERIFY(QDir().mkpath(m_autostart));
    const QString entry = m_autostart + u"/somnivox.desktop"_s;
    QVERIFY(QFile::link(m_dir->filePath(u"gone.desktop"_s), entry));
    QVERIFY(RegStuff::DeleteKeyValue(m_autostart, u"somnivox"_s).ok());
    QVERIFY(!QFileInfo(entry).isSymLink());
}

void TestRegStuff::addRunValue_cutShort_keepsTheOldEntry() {
    QVERIFY(RegStuff(u"/opt/old"_s, m_autostart).AddRunValue(u"somnivox"_s).ok());
    const QString entry = m_autostart + u"/somnivox.desktop"_s;
    const auto before = readAutostartEntry(entry);
    QVERIFY(!before.isEmpty());

    const bool ok =
        onAFullDisk([this] { return RegStuff(u"/opt/new"_s, m_autostart).AddRunValue(u"somnivox"_s).ok(); });

    QCOMPARE(readAutostartEntry(entry), before);
    QVERIFY(!ok);
}

void TestRegStuff::entryThroughALink_writesOnlyARegularFileAndRemovesOnlyTheLink_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("regular file") << u"file"_s;
    QTest::newRow("socket") << u"socket"_s;
    QTest::newRow("fifo") << u"fifo"_s;
}

void TestRegStuff::entryThroughALink_writesOnlyARegularFileAndRemovesOnlyTheLink() {
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(m_autostart));
    const QString entry = m_autostart + u"/somnivox.desktop"_s;
    const QString target = m_dir->filePath(u"target"_s);
    if (kind == u"file"_s) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(makeNonRegularFile(target, kind));
    }
    QVERIFY(QFile::link(target, entry));
    const mode_t type = nodeType(target);
    const RegStuff regStuff(u"/opt"_s, m_autostart);
    const RegStuff::Result added = regStuff.AddRunValue(u"somnivox"_s);
    QCOMPARE(added.ok(), kind == u"file"_s);
    QVERIFY(added.ok() || !added.reason.isEmpty());
    QCOMPARE(nodeType(entry), mode_t(S_IFLNK));
    QCOMPARE(nodeType(target), type);
    if (kind == u"file"_s) {
        QVERIFY(readAutostartEntry(target).contains(u"Exec"_s));
    }
    QVERIFY(regStuff.RemoveRunValue(u"somnivox"_s).ok());
    QCOMPARE(nodeType(entry), mode_t(0));
    QCOMPARE(nodeType(target), type);
}

QTEST_GUILESS_MAIN(TestRegStuff)
#include "tst_regstuff.moc"
