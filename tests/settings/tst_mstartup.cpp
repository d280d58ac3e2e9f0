#include "autostartentryfile.h"
#include "desktopentry.h"
#include "mstartup.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
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
    void addingAndRemovingTwice_keepsOneEntryAndIsSilent();
    void unwritableLogonList_reportsAReasonAndLeavesNothingBehind_data();
    void unwritableLogonList_reportsAReasonAndLeavesNothingBehind();

private:
    QStringList allFiles() const;
    QString execOf(const QString &name) const;
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

QStringList TestStartUp::allFiles() const {
    QStringList files;
    QDirIterator it(m_dir->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(it.next());
    }
    files.sort();
    return files;
}

QString TestStartUp::execOf(const QString &name) const {
    return readAutostartEntry(entryPath(name)).value(u"Exec"_s);
}

void TestStartUp::runEntryAdd_writesAnEntryThatRunsExactlyTheProgram_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::newRow("plain") << u"bin"_s;
    QTest::newRow("percent") << u"100%/%U"_s;
    QTest::newRow("every special character") << u"a \"b\" 5% $x \\ `touch y` 'z' ü/ノイズ"_s;
}

void TestStartUp::runEntryAdd_writesAnEntryThatRunsExactlyTheProgram() {
    QFETCH(QString, programFolder);
    const QString programPath = m_dir->filePath(programFolder + u"/somnivox"_s);
    const QString marker = m_dir->filePath(u"ran"_s);
    QVERIFY(QDir().mkpath(QFileInfo(programPath).path()));
    QFile program(programPath);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nprintf '%s' \"$0\" > '" + QFile::encodeName(marker) + "'\n");
    program.close();
    QVERIFY(program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const auto ranProgram = [&marker] {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? QFile::decodeName(file.readAll()) : QString();
    };

    const RegStuff::Result result = mStartUp(programPath).RunEntryAdd();
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QCOMPARE(readAutostartEntry(entryPath(u"somnivox"_s)).value(u"Name"_s), u"Somnivox Noise Player"_s);
    const std::optional<QStringList> command = DesktopEntry::parseExec(execOf(u"somnivox"_s));
    QVERIFY(command);
    if (!programPath.contains(u'%')) {
        QCOMPARE(*command, QStringList{programPath});
    }
    QCOMPARE(QProcess::execute(command->constFirst(), command->mid(1)), 0);
    QCOMPARE(ranProgram(), programPath);

    // GLib's launcher, which GNOME and XFCE sessions use, must reach the same program.
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    QVERIFY2(!gio.isEmpty(), "gio is not installed (scripts/install-deps.sh --tests installs it)");
    QVERIFY(QFile::remove(marker));
    QCOMPARE(QProcess::execute(gio, {u"launch"_s, entryPath(u"somnivox"_s)}), 0);
    QTRY_COMPARE(ranProgram(), programPath);

    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    QVERIFY2(!validator.isEmpty(),
             "desktop-file-validate is not installed (scripts/install-deps.sh --tests installs it)");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {entryPath(u"somnivox"_s)});
    QVERIFY(validate.waitForFinished());
    QCOMPARE(validate.readAll(), QByteArray());
    QCOMPARE(validate.exitCode(), 0);
}

void TestStartUp::runEntryAdd_byDefault_namesTheRunningProgramItself() {
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    QVERIFY(mStartUp().RunEntryAdd().ok());
    const QString name = QFileInfo(self).fileName();
    QCOMPARE(DesktopEntry::parseExec(execOf(name)), std::optional<QStringList>(QStringList{self}));
}

void TestStartUp::addingAndRemovingTwice_keepsOneEntryAndIsSilent() {
    QVERIFY(mStartUp(u"/opt/other/other"_s).RunEntryAdd().ok());
    QVERIFY(mStartUp(u"/opt/old/somnivox"_s).RunEntryAdd().ok());
    const mStartUp startUp(u"/opt/new/somnivox"_s);
    QVERIFY(startUp.RunEntryAdd().ok());
    QCOMPARE(QDir(m_autostart).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"other.desktop"_s, u"somnivox.desktop"_s}));
    QCOMPARE(DesktopEntry::parseExec(execOf(u"somnivox"_s)),
             std::optional<QStringList>(QStringList{u"/opt/new/somnivox"_s}));

    for (int i = 0; i < 2; ++i) {
        const RegStuff::Result result = startUp.RunEntryRemove();
        QVERIFY(result.ok() && result.reason.isEmpty());
    }
    QCOMPARE(QDir(m_autostart).entryList(QDir::Files | QDir::Hidden), QStringList{u"other.desktop"_s});
}

void TestStartUp::unwritableLogonList_reportsAReasonAndLeavesNothingBehind_data() {
    QTest::addColumn<QString>("blockingFile");
    QTest::addColumn<QString>("blockingFolder");
    QTest::addColumn<QString>("autostart");
    QTest::addColumn<bool>("removing");
    const QString standard = u".qttest/config/autostart"_s;
    QTest::newRow("autostart is a file") << standard << QString() << standard << false;
    QTest::newRow("config folder below a file") << u"blocker"_s << QString() << u"blocker/autostart"_s << false;
    QTest::newRow("entry name taken by a folder")
        << QString() << standard + u"/somnivox.desktop/x"_s << standard << false;
    QTest::newRow("entry to remove is a folder")
        << QString() << standard + u"/somnivox.desktop/x"_s << standard << true;
}

void TestStartUp::unwritableLogonList_reportsAReasonAndLeavesNothingBehind() {
    QFETCH(QString, blockingFile);
    QFETCH(QString, blockingFolder);
    QFETCH(QString, autostart);
    QFETCH(bool, removing);
    QCOMPARE(m_dir->filePath(u".qttest/config/autostart"_s), m_autostart);
    if (!blockingFile.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(m_dir->filePath(blockingFile)).path()));
        QFile file(m_dir->filePath(blockingFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (!blockingFolder.isEmpty()) {
        QVERIFY(QDir().mkpath(m_dir->filePath(blockingFolder)));
    }
    const QStringList before = allFiles();

    const mStartUp startUp(u"/opt/somnivox/somnivox"_s, m_dir->filePath(autostart));
    const RegStuff::Result result = removing ? startUp.RunEntryRemove() : startUp.RunEntryAdd();
    QVERIFY(!result.ok());
    QVERIFY(!result.reason.isEmpty());
    qInfo().noquote() << result.reason;
    QCOMPARE(allFiles(), before);
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_mstartup.moc"
