#include "addfolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestListFolderFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void nothingQualifies_givesEmptyTextAtIndexZero_data();
    void nothingQualifies_givesEmptyTextAtIndexZero();
    void manyFiles_giveIndicesOneToCount_data();
    void manyFiles_giveIndicesOneToCount();
    void listing_keepsHiddenFilesAndDropsFolders();
    void trailingSeparator_givesTheSameBareNames();
    void order_ignoresCaseLikeTheOriginalFileSystem();
    void pattern_matchesLikeTheOriginalWildcards_data();
    void pattern_matchesLikeTheOriginalWildcards();
    void undecodableName_isSkippedWithoutHarm();

private:
    void writeFile(const QString &name);
    static QStringList namesOf(const FolderList &list);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestListFolderFiles::writeFile(const QString &name) {
    QFile file(m_dir->filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
}

QStringList TestListFolderFiles::namesOf(const FolderList &list) {
    QStringList names;
    for (int i = list.lowerBound(); i <= list.upperBound(); ++i) {
        names.append(list.at(i));
    }
    return names;
}

void TestListFolderFiles::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestListFolderFiles::nothingQualifies_givesEmptyTextAtIndexZero_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("listed");
    QTest::newRow("empty folder") << QStringList() << QString();
    QTest::newRow("missing folder") << QStringList() << u"missing"_s;
    QTest::newRow("only sub-folders") << QStringList{u"a.mp3"_s, u"b"_s, u".c"_s} << QString();
}

void TestListFolderFiles::nothingQualifies_givesEmptyTextAtIndexZero() {
    QFETCH(QStringList, folders);
    QFETCH(QString, listed);
    for (const QString &folder : folders) {
        QVERIFY(QDir(m_dir->path()).mkdir(folder));
    }
    const FolderList list = ListFolderFiles(m_dir->filePath(listed), u"*.*"_s);
    QCOMPARE(list.lowerBound(), 0);
    QCOMPARE(list.upperBound(), 0);
    QCOMPARE(list.at(0), QString());
    QVERIFY(list.names().isEmpty());
}

void TestListFolderFiles::manyFiles_giveIndicesOneToCount_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("the first hundred") << 100;
    QTest::newRow("one past the first hundred") << 101;
}

void TestListFolderFiles::manyFiles_giveIndicesOneToCount() {
    QFETCH(int, count);
    for (int i = 1; i <= count; ++i) {
        writeFile(u"%1.mp3"_s.arg(i, 3, 10, QLatin1Char('0')));
    }
    const FolderList list = ListFolderFiles(m_dir->path(), u"*.*"_s);
    QCOMPARE(list.lowerBound(), 1);
    QCOMPARE(list.upperBound(), count);
    QCOMPARE(list.at(1), u"001.mp3"_s);
    QCOMPARE(list.at(count), u"%1.mp3"_s.arg(count, 3, 10, QLatin1Char('0')));
}

void TestListFolderFiles::listing_keepsHiddenFilesAndDropsFolders() {
    writeFile(u".hidden.mp3"_s);
    writeFile(u"rain.mp3"_s);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder.mp3"_s));
    QVERIFY(QFile::link(m_dir->filePath(u"folder.mp3"_s), m_dir->filePath(u"linked-folder.mp3"_s)));
    QVERIFY(QFile::link(m_dir->filePath(u"rain.mp3"_s), m_dir->filePath(u"linked-rain.mp3"_s)));
    QVERIFY(QFile::link(m_dir->filePath(u"gone.mp3"_s), m_dir->filePath(u"dangling.mp3"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(u"pipe.mp3"_s)).constData(), 0600), 0);

    const FolderList list = ListFolderFiles(m_dir->path(), u"*.mp3"_s);
    QCOMPARE(namesOf(list), (QStringList{u".hidden.mp3"_s, u"linked-rain.mp3"_s, u"rain.mp3"_s}));
}

void TestListFolderFiles::trailingSeparator_givesTheSameBareNames() {
    writeFile(u"Brown Noise.mp3"_s);
    writeFile(u"White Noise.mp3"_s);
    const QStringList expected{u"Brown Noise.mp3"_s, u"White Noise.mp3"_s};
    QCOMPARE(namesOf(ListFolderFiles(m_dir->path(), u"*.*"_s)), expected);
    QCOMPARE(namesOf(ListFolderFiles(m_dir->path() + u'/', u"*.*"_s)), expected);
}

void TestListFolderFiles::order_ignoresCaseLikeTheOriginalFileSystem() {
    const QStringList created{u"b.mp3"_s, u"A.mp3"_s, u"B.mp3"_s, u"_x.mp3"_s, u"c.mp3"_s, u"a.mp3"_s};
    for (const QString &name : created) {
        writeFile(name);
    }
    const QStringList expected{u"A.mp3"_s, u"a.mp3"_s, u"B.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"_x.mp3"_s};
    QCOMPARE(ListFolderFiles(m_dir->path(), u"*.*"_s).names(), expected);
}

void TestListFolderFiles::pattern_matchesLikeTheOriginalWildcards_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("star dot star takes names without a dot")
        << u"*.*"_s << QStringList{u"rain.MP3"_s, u"README"_s, u"wind.wav"_s, u"[1].mp3"_s};
    QTest::newRow("extension, case ignored") << u"*.mp3"_s << QStringList{u"rain.MP3"_s, u"[1].mp3"_s};
    QTest::newRow("question mark is one character") << u"????.*"_s << QStringList{u"rain.MP3"_s, u"wind.wav"_s};
    QTest::newRow("brackets are literal") << u"[1]*"_s << QStringList{u"[1].mp3"_s};
    QTest::newRow("no match") << u"*.ogg"_s << QStringList();
}

void TestListFolderFiles::pattern_matchesLikeTheOriginalWildcards() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    for (const QString &name : {u"[1].mp3"_s, u"README"_s, u"rain.MP3"_s, u"wind.wav"_s}) {
        writeFile(name);
    }
    QCOMPARE(ListFolderFiles(m_dir->path(), pattern).names(), expected);
}

void TestListFolderFiles::undecodableName_isSkippedWithoutHarm() {
    const QByteArray rawName = QFile::encodeName(m_dir->path()) + "/bad\xff\xfe.mp3";
    const int fd = ::open(rawName.constData(), O_CREAT | O_WRONLY, 0600);
    QVERIFY(fd >= 0);
    ::close(fd);
    const auto removeRawName = qScopeGuard([&rawName] { ::unlink(rawName.constData()); });
    writeFile(u"good.mp3"_s);
    const QStringList names = ListFolderFiles(m_dir->path(), u"*.*"_s).names();
    QVERIFY(names.contains(u"good.mp3"_s));
    for (const QString &name : names) {
        QVERIFY(FileExistsStrict(m_dir->filePath(name)));
    }
}

QTEST_GUILESS_MAIN(TestListFolderFiles)
#include "tst_listfolderfiles.moc"
