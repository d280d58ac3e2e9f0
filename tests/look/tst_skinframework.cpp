#include "skinframework.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <stdexcept>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &contents) {
    QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
        qFatal("cannot write the test file");
    }
    return path;
}

const QByteArray validSheet = "QWidget { color: #102030; }\nQPushButton:hover { background: \"#abcdef\"; } /* }{ */\n";

} // namespace

class TestSkinFramework : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void styleSheetProblem_judgesTheText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("rules with comments and strings") << QString::fromUtf8(validSheet) << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("declarations only") << u"color: red;"_s << true;
        QTest::newRow("block not closed") << u"QWidget { color: red;"_s << false;
        QTest::newRow("stray closing brace") << u"QWidget { color: red; } }"_s << false;
        QTest::newRow("comment not closed") << u"QWidget { color: red; } /* night"_s << false;
        QTest::newRow("quoted text not closed") << u"QWidget { font-family: \"Arial; }"_s << false;
        QTest::newRow("brace inside a string is text") << u"QLabel { qproperty-text: \"}\"; }"_s << true;
        QTest::newRow("rejected by the Qt parser only") << u"@import x;"_s << false;
    }
    void styleSheetProblem_judgesTheText() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(SkinFramework::styleSheetProblem(text).isEmpty(), valid);
    }

    void loadSkin_shippedSampleSkin_isValid() {
        SkinFramework skin;
        skin.LoadSkin(QStringLiteral(SOMNIVOX_SAMPLE_SKIN), QString());
        QVERIFY(skin.styleSheet().contains(u"QGroupBox"_s));
    }

    void loadSkin_unreadableOrInvalid_throwsAndKeepsThePreviousSkin_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("missing file") << u"absent.cjs"_s << QByteArray() << u"Cannot read the skin file"_s;
        QTest::newRow("folder") << u"folder"_s << QByteArray() << u"Cannot read the skin file"_s;
        QTest::newRow("broken style sheet")
            << u"broken.cjs"_s << QByteArray("QWidget { color: red") << u"is not a valid style sheet"_s;
    }
    void loadSkin_unreadableOrInvalid_throwsAndKeepsThePreviousSkin() {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, messagePart);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir(dir.path()).mkdir(u"folder"_s);
        if (!contents.isEmpty()) {
            writeFile(dir, name, contents);
        }
        SkinFramework skin;
        skin.LoadSkin(writeFile(dir, u"good.cjs"_s, validSheet), QString());

        try {
            skin.LoadSkin(dir.filePath(name), QString());
            QFAIL("no exception");
        } catch (const std::runtime_error &error) {
            const QString message = QString::fromUtf8(error.what());
            QVERIFY2(message.contains(messagePart) && message.contains(name), qPrintable(message));
        }
        QCOMPARE(skin.styleSheet(), QString::fromUtf8(validSheet));
    }

    void loadSkin_picturesThatAreNoRegularFiles_areLeftOutWithoutWaiting() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(u"wood.png"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString good = dir.filePath(u"red.png"_s);
        QVERIFY(picture.save(good));
        const QString sheet = u"QWidget { background-image: url(\"%1\"); }\nQPushButton { image: url(%2); }\n"
                              u"QLabel { image: url('%3'); }\n"_s.arg(fifo, good, dir.path());
        SkinFramework skin;
        skin.LoadSkin(writeFile(dir, u"o.cjs"_s, sheet.toUtf8()), QString());
        QVERIFY(!skin.styleSheet().contains(fifo));
        QVERIFY(!skin.styleSheet().contains(u"'"_s + dir.path()));
        QVERIFY(skin.styleSheet().contains(u"url("_s + good + u')'));

        skin.setApplyOptions(SkinFramework::ApplyStyleSheet);
        QWidget window;
        skin.ApplyWindow(&window);
        window.resize(20, 20);
        QCOMPARE(window.grab().size(), QSize(20, 20));
    }

    void applyWindow_withoutALoadedSkin_throws() {
        SkinFramework skin;
        QWidget window;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, skin.ApplyWindow(&window));
        QVERIFY(window.styleSheet().isEmpty());
    }

    void applyWindow_followsTheOptions_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("optionA");
        QTest::addColumn<bool>("styled");
        QTest::addColumn<bool>("marked");
        QTest::newRow("flag 1 and option A") << 1 << true << true << true;
        QTest::newRow("flag 1 alone") << 1 << false << true << false;
        QTest::newRow("nothing") << 0 << false << false << false;
    }
    void applyWindow_followsTheOptions() {
        QFETCH(int, flags);
        QFETCH(bool, optionA);
        QFETCH(bool, styled);
        QFETCH(bool, marked);
        QTemporaryDir dir;
        SkinFramework skin;
        skin.LoadSkin(writeFile(dir, u"o.cjs"_s, validSheet), QString());
        skin.setApplyOptions(flags);
        skin.setOptionA(optionA);
        QWidget window;
        skin.ApplyWindow(&window);
        QCOMPARE(window.styleSheet() == QString::fromUtf8(validSheet), styled);
        QCOMPARE(window.property("skinned").toBool(), marked);
    }
};

QTEST_MAIN(TestSkinFramework)
#include "tst_skinframework.moc"
