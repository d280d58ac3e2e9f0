#include "fileexists.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestFileExists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void strict_answersForEveryKindOfPath_data();
    void strict_answersForEveryKindOfPath();
    void strict_fileWithoutReadPermission_isFound();
    void strict_fifo_answersFalseWithoutBlocking();
    void byDate_answersForEveryKindOfPath_data();
    void byDate_answersForEveryKindOfPath();

private:
    void writeFile(const QString &name);
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileExists::writeFile(const QString &name) {
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("noise");
}

void TestFileExists::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeFile(u"sound.mp3"_s);
    writeFile(u".hidden"_s);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
    QVERIFY(QFile::link(path(u"sound.mp3"_s), path(u"link-to-file"_s)));
    QVERIFY(QFile::link(path(u"folder"_s), path(u"link-to-folder"_s)));
    QVERIFY(QFile::link(path(u"gone"_s), path(u"dangling"_s)));
}

void TestFileExists::strict_answersForEveryKindOfPath_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("file") << u"sound.mp3"_s << true;
    QTest::newRow("hidden file") << u".hidden"_s << true;
    QTest::newRow("link to a file") << u"link-to-file"_s << true;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("folder with trailing separator") << u"folder/"_s << false;
    QTest::newRow("link to a folder") << u"link-to-folder"_s << false;
    QTest::newRow("dangling link") << u"dangling"_s << false;
    QTest::newRow("missing file") << u"missing.mp3"_s << false;
    QTest::newRow("file below a missing folder") << u"nowhere/sound.mp3"_s << false;
    QTest::newRow("file used as a folder") << u"sound.mp3/x"_s << false;
    QTest::newRow("name with a NUL") << u"sound.mp3\0x"_s << false;
}

void TestFileExists::strict_answersForEveryKindOfPath() {
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QCOMPARE(FileExistsStrict(path(name)), exists);
    QVERIFY(!FileExistsStrict(QString()));
}

void TestFileExists::strict_fileWithoutReadPermission_isFound() {
    if (ranUnprivileged()) {
        return;
    }
    QVERIFY(QFile::setPermissions(path(u"sound.mp3"_s), QFileDevice::Permissions()));
    QVERIFY(::access(QFile::encodeName(path(u"sound.mp3"_s)).constData(), R_OK) != 0);
    QVERIFY(FileExistsStrict(path(u"sound.mp3"_s)));
}

void TestFileExists::strict_fifo_answersFalseWithoutBlocking() {
    // A FIFO with no writer would block an ordinary open for reading forever.
    QCOMPARE(::mkfifo(QFile::encodeName(path(u"pipe"_s)).constData(), 0600), 0);
    QVERIFY(!FileExistsStrict(path(u"pipe"_s)));
}

void TestFileExists::byDate_answersForEveryKindOfPath_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("file") << u"sound.mp3"_s << true;
    QTest::newRow("folder") << u"folder"_s << true;
    QTest::newRow("missing file") << u"missing.cur"_s << false;
    QTest::newRow("file below a missing folder") << u"nowhere/HAND-M.CUR"_s << false;
    QTest::newRow("dangling link") << u"dangling"_s << false;
}

void TestFileExists::byDate_answersForEveryKindOfPath() {
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QCOMPARE(FileExistsByDate(path(name)), exists);
    QVERIFY(!FileExistsByDate(QString()));
}

QTEST_GUILESS_MAIN(TestFileExists)
#include "tst_fileexists.moc"
