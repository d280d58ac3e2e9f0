#include "autostartentryfile.h"
#include "desktopentry.h"
#include "regstuff.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TestRegStuff : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void defaultAutostartFolder_followsXdgConfigHome();
    void addRunValue_joinsFolderAndNameWithOneSeparator_data();
    void addRunValue_joinsFolderAndNameWithOneSeparator();
    void storeValue_otherType_writesNothingAndSucceeds_data();
    void storeValue_otherType_writesNothingAndSucceeds();
    void valueName_thatIsNoFileName_isRefusedWithAReason_data();
    void valueName_thatIsNoFileName_isRefusedWithAReason();
    void deleteKeyValue_missingFolderOrDanglingEntry_isNoError();
    void addRunValue_cutShort_keepsTheOldEntry();

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

void TestRegStuff::defaultAutostartFolder_followsXdgConfigHome() {
    // Only the name is looked up here; nothing is written, so leaving test mode for it is safe.
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(u"config"_s)));
    const QString folder = RegStuff::defaultAutostartFolder();
    qputenv("XDG_CONFIG_HOME", saved);
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(folder, m_autostart);
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

    // A full disk, in small: no file of this process may grow past a few bytes.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool ok = RegStuff(u"/opt/new"_s, m_autostart).AddRunValue(u"somnivox"_s).ok();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    QCOMPARE(readAutostartEntry(entry), before);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestRegStuff)
#include "tst_regstuff.moc"
