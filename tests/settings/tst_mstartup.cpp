#include "autostartentryfile.h"
#include "desktopentry.h"
#include "mstartup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartUp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void runEntryAdd_writesAnEntryThatRunsExactlyTheProgram_data();
    void runEntryAdd_writesAnEntryThatRunsExactlyTheProgram();
    void runEntryAdd_byDefault_namesTheRunningProgramItself();
    void runEntryAdd_twice_leavesOneEntryWithTheLatestPath();
    void runEntryRemove_twice_isSilentAndKeepsOtherEntries();
    void unwritableLogonList_reportsAReasonAndLeavesNothingBehind_data();
    void unwritableLogonList_reportsAReasonAndLeavesNothingBehind();
    void unremovableEntry_reportsAReason();

private:
    QStringList autostartFiles() const;
    static QString ranProgram(const QString &marker);
    QString entryPath(const QString &name) const { return m_autostart + u'/' + name + u".desktop"_s; }

    QString m_autostart;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStartUp::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestStartUp::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("HOME", QFile::encodeName(m_dir->path()));
    m_autostart = RegStuff::defaultAutostartFolder();
    QVERIFY(m_autostart.startsWith(m_dir->path()));
}

QStringList TestStartUp::autostartFiles() const {
    return QDir(m_autostart).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString TestStartUp::ranProgram(const QString &marker) {
    QFile file(marker);
    return file.open(QIODevice::ReadOnly) ? QFile::decodeName(file.readAll()) : QString();
}

void TestStartUp::runEntryAdd_writesAnEntryThatRunsExactlyTheProgram_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::newRow("plain") << u"bin"_s;
    QTest::newRow("blank") << u"a user/Somnivox Player"_s;
    QTest::newRow("double quote") << u"say \"hi\""_s;
    QTest::newRow("percent") << u"100%/%U"_s;
    QTest::newRow("dollar") << u"$HOME"_s;
    QTest::newRow("backslash") << u"a\\b"_s;
    QTest::newRow("backtick") << u"`touch x`"_s;
    QTest::newRow("single quote") << u"it's"_s;
    QTest::newRow("non-ASCII") << u"Geräusch/ノイズ"_s;
    QTest::newRow("all at once") << u"a \"b\" 5% $x \\ `y` 'z' ü"_s;
}

void TestStartUp::runEntryAdd_writesAnEntryThatRunsExactlyTheProgram() {
    QFETCH(QString, programFolder);
    const QString folder = m_dir->filePath(u"programs/"_s + programFolder);
    const QString programPath = folder + u"/somnivox"_s;
    const QString marker = m_dir->filePath(u"ran"_s);
    QVERIFY(QDir().mkpath(folder));
    QFile program(programPath);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nprintf '%s' \"$0\" > '" + QFile::encodeName(marker) + "'\n");
    program.close();
    QVERIFY(program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    const RegStuff::Result result = mStartUp(programPath).RunEntryAdd();
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QCOMPARE(autostartFiles(), QStringList{u"somnivox.desktop"_s});
    const QMap<QString, QString> entry = readAutostartEntry(entryPath(u"somnivox"_s));
    QCOMPARE(entry.value(u"Type"_s), u"Application"_s);
    QCOMPARE(entry.value(u"Name"_s), u"Somnivox Noise Player"_s);
    const std::optional<QStringList> command = DesktopEntry::parseExec(entry.value(u"Exec"_s));
    QVERIFY(command);
    if (!programPath.contains(u'%')) {
        QCOMPARE(*command, QStringList{programPath});
    }

    QCOMPARE(QProcess::execute(command->constFirst(), command->mid(1)), 0);
    QCOMPARE(ranProgram(marker), programPath);

    // GLib's own launcher, as GNOME and XFCE sessions use it, must reach the same program.
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    if (!gio.isEmpty()) {
        QVERIFY(QFile::remove(marker));
        QCOMPARE(QProcess::execute(gio, {u"launch"_s, entryPath(u"somnivox"_s)}), 0);
        QTRY_COMPARE(ranProgram(marker), programPath);
    }

    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (validator.isEmpty()) {
        QSKIP("desktop-file-validate is not installed");
    }
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {entryPath(u"somnivox"_s)});
    QVERIFY(validate.waitForFinished());
    const QByteArray complaints = validate.readAll();
    QVERIFY2(validate.exitStatus() == QProcess::NormalExit && validate.exitCode() == 0, complaints.constData());
    QVERIFY2(complaints.isEmpty(), complaints.constData());
}

void TestStartUp::runEntryAdd_byDefault_namesTheRunningProgramItself() {
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const mStartUp startUp;
    QCOMPARE(startUp.programPath(), self);
    QVERIFY(startUp.RunEntryAdd().ok());
    const QString name = QFileInfo(self).fileName();
    QCOMPARE(autostartFiles(), QStringList{name + u".desktop"_s});
    const QString exec = readAutostartEntry(entryPath(name)).value(u"Exec"_s);
    QCOMPARE(DesktopEntry::parseExec(exec), std::optional<QStringList>(QStringList{self}));
}

void TestStartUp::runEntryAdd_twice_leavesOneEntryWithTheLatestPath() {
    QVERIFY(mStartUp(u"/opt/old/somnivox"_s).RunEntryAdd().ok());
    QVERIFY(mStartUp(u"/opt/new/somnivox"_s).RunEntryAdd().ok());
    QCOMPARE(autostartFiles(), QStringList{u"somnivox.desktop"_s});
    const QString exec = readAutostartEntry(entryPath(u"somnivox"_s)).value(u"Exec"_s);
    QCOMPARE(DesktopEntry::parseExec(exec), std::optional<QStringList>(QStringList{u"/opt/new/somnivox"_s}));
}

void TestStartUp::runEntryRemove_twice_isSilentAndKeepsOtherEntries() {
    const mStartUp startUp(u"/opt/somnivox/somnivox"_s);
    QVERIFY(mStartUp(u"/opt/other/other"_s).RunEntryAdd().ok());
    QVERIFY(startUp.RunEntryAdd().ok());
    const RegStuff::Result first = startUp.RunEntryRemove();
    const RegStuff::Result second = startUp.RunEntryRemove();
    QVERIFY(first.ok() && first.reason.isEmpty());
    QVERIFY(second.ok() && second.reason.isEmpty());
    QCOMPARE(autostartFiles(), QStringList{u"other.desktop"_s});
}

void TestStartUp::unwritableLogonList_reportsAReasonAndLeavesNothingBehind_data() {
    QTest::addColumn<QString>("blockingFile");
    QTest::addColumn<QString>("blockingFolder");
    QTest::newRow("autostart is a file") << u"autostart"_s << QString();
    QTest::newRow("config folder below a file") << u"blocker"_s << QString();
    QTest::newRow("entry name taken by a folder") << QString() << u"autostart/somnivox.desktop"_s;
}

void TestStartUp::unwritableLogonList_reportsAReasonAndLeavesNothingBehind() {
    QFETCH(QString, blockingFile);
    QFETCH(QString, blockingFolder);
    const QString configHome = QFileInfo(m_autostart).path();
    QString autostart = m_autostart;
    if (blockingFile == "blocker"_L1) {
        autostart = configHome + u"/blocker/config/autostart"_s;
    }
    QVERIFY(QDir().mkpath(configHome));
    if (!blockingFile.isEmpty()) {
        QFile file(configHome + u'/' + blockingFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (!blockingFolder.isEmpty()) {
        QVERIFY(QDir().mkpath(configHome + u'/' + blockingFolder));
    }
    const QStringList before = QDir(configHome).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QStringList autostartBefore = autostartFiles();

    const RegStuff::Result result = mStartUp(u"/opt/somnivox/somnivox"_s, autostart).RunEntryAdd();
    QVERIFY(!result.ok());
    QVERIFY(!result.reason.isEmpty());
    qInfo().noquote() << result.reason;
    QCOMPARE(QDir(configHome).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QCOMPARE(autostartFiles(), autostartBefore);
}

void TestStartUp::unremovableEntry_reportsAReason() {
    QVERIFY(QDir().mkpath(entryPath(u"somnivox"_s) + u"/inside"_s));
    const RegStuff::Result result = mStartUp(u"/opt/somnivox/somnivox"_s).RunEntryRemove();
    QVERIFY(!result.ok());
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(QFileInfo(entryPath(u"somnivox"_s)).isDir());
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_mstartup.moc"
