#include "applyskin.h"
#include "skinframework.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QColor buttonFace(0xd4, 0xd0, 0xc8);
const QColor windowDefault(0xf0, 0xf0, 0xf0);
const QByteArray sheet = "QPushButton { color: #123456; }";

// Records the skin calls in order; the call named in failAt throws instead of running.
class RecordingSkin : public SkinFramework {
public:
    void LoadSkin(const QString &path, const QString &iniFileName) override {
        record(u"LoadSkin %1 [%2]"_s.arg(path, iniFileName));
        SkinFramework::LoadSkin(path, iniFileName);
    }
    int ApplyOptions() const override {
        record(u"ApplyOptions"_s);
        return SkinFramework::ApplyOptions();
    }
    void setApplyOptions(int flags) override {
        record(u"setApplyOptions %1"_s.arg(flags));
        SkinFramework::setApplyOptions(flags);
    }
    void setOptionA(bool on) override {
        record(u"setOptionA %1"_s.arg(on));
        SkinFramework::setOptionA(on);
    }
    void setOptionB(bool on) override {
        record(u"setOptionB %1"_s.arg(on));
        SkinFramework::setOptionB(on);
    }
    void ApplyWindow(QWidget *window) override {
        record(u"ApplyWindow %1"_s.arg(window->objectName()));
        SkinFramework::ApplyWindow(window);
    }

    mutable QStringList calls;
    QString failAt;

private:
    void record(const QString &call) const {
        calls << call;
        if (!failAt.isEmpty() && call.startsWith(failAt)) {
            throw std::runtime_error("skin engine refused");
        }
    }
};

bool takesButtonFace(const QWidget *control) {
    return control->inherits("QGroupBox") || control->inherits("QRadioButton") || control->inherits("QCheckBox") ||
           control->inherits("QLabel");
}

// One control of each kind; the four kinds that a skin recolours start white, as designed.
struct Rig {
    Rig() {
        window.setObjectName(u"Form1"_s);
        auto *frame = new QGroupBox(&window);
        controls = {new QPushButton(&window), frame,
                    new QDateTimeEdit(frame), new QRadioButton(frame),
                    new QLabel(frame),        new QCheckBox(&window),
                    new QSlider(&window),     new QComboBox(&window)};
        for (QWidget *control : std::as_const(controls)) {
            if (takesButtonFace(control)) {
                QPalette white = control->palette();
                white.setColor(QPalette::Window, Qt::white);
                control->setPalette(white);
                control->setAutoFillBackground(true);
            }
        }
    }

    void verifyColours(const QColor &windowColour, const QColor &fourKindsColour) const {
        QCOMPARE(window.palette().color(QPalette::Window), windowColour);
        for (const QWidget *control : controls) {
            QCOMPARE(control->autoFillBackground(), takesButtonFace(control));
            if (takesButtonFace(control)) {
                QCOMPARE(control->palette().color(QPalette::Window), fourKindsColour);
            }
        }
    }

    QWidget window;
    QList<QWidget *> controls;
};

void writeFile(const QString &path, const QByteArray &contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

} // namespace

class TestApplySkin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, buttonFace);
        palette.setColor(QPalette::Window, windowDefault);
        QApplication::setPalette(palette);
    }

    void applySkin_withoutAnOrdinarySkinFile_changesNothing_data() {
        QTest::addColumn<QString>("setUp");
        QTest::newRow("no x folder") << u"none"_s;
        QTest::newRow("o.cjs is a folder") << u"folder"_s;
        QTest::newRow("o.cjs listed as hidden") << u"hidden"_s;
    }
    void applySkin_withoutAnOrdinarySkinFile_changesNothing() {
        QFETCH(QString, setUp);
        QTemporaryDir programFolder;
        if (setUp == u"folder"_s) {
            QVERIFY(QDir(programFolder.path()).mkpath(u"x/o.cjs"_s));
        } else if (setUp == u"hidden"_s) {
            writeFile(programFolder.filePath(u"x/o.cjs"_s), sheet);
            writeFile(programFolder.filePath(u"x/.hidden"_s), "notes.txt\no.cjs\n");
        }
        Rig rig;
        RecordingSkin skin;

        ApplySkin(&rig.window, rig.controls, skin, programFolder.path());

        QCOMPARE(skin.calls, QStringList());
        rig.verifyColours(windowDefault, Qt::white);
        QVERIFY(rig.window.styleSheet().isEmpty());
    }

    void applySkin_withTheFile_recoloursThenCallsTheSkinInOrder_data() {
        QTest::addColumn<bool>("hiddenListIsFifo");
        QTest::newRow("a list of hidden names beside it") << false;
        // Opened for reading, a FIFO with no writer would hold the window for ever.
        QTest::newRow("a FIFO in place of that list") << true;
    }
    void applySkin_withTheFile_recoloursThenCallsTheSkinInOrder() {
        QFETCH(bool, hiddenListIsFifo);
        QTemporaryDir programFolder;
        const QString skinFile = programFolder.filePath(u"x/o.cjs"_s);
        writeFile(skinFile, sheet);
        const QString hiddenList = programFolder.filePath(u"x/.hidden"_s);
        if (hiddenListIsFifo) {
            QCOMPARE(::mkfifo(QFile::encodeName(hiddenList).constData(), 0600), 0);
        } else {
            writeFile(hiddenList, "o.cjs.bak\n");
        }
        Rig rig;
        RecordingSkin skin;
        skin.setApplyOptions(4);
        skin.calls.clear();

        ApplySkin(&rig.window, rig.controls, skin, programFolder.path());

        const QStringList expected{u"LoadSkin %1 []"_s.arg(skinFile),
                                   u"ApplyOptions"_s,
                                   u"setApplyOptions 5"_s,
                                   u"setOptionA 1"_s,
                                   u"setOptionB 1"_s,
                                   u"ApplyWindow Form1"_s};
        QCOMPARE(skin.calls, expected);
        rig.verifyColours(buttonFace, buttonFace);
        QCOMPARE(rig.window.styleSheet(), QString::fromUtf8(sheet));
    }

    void applySkin_failingSkinCall_keepsTheColoursAndThrows_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("failAt");
        QTest::addColumn<int>("callsMade");
        QTest::newRow("invalid style sheet") << QByteArray("QWidget { color: red") << QString() << 1;
        QTest::newRow("options refused") << sheet << u"setApplyOptions"_s << 3;
        QTest::newRow("window refused") << sheet << u"ApplyWindow"_s << 6;
    }
    void applySkin_failingSkinCall_keepsTheColoursAndThrows() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, failAt);
        QFETCH(int, callsMade);
        QTemporaryDir programFolder;
        writeFile(programFolder.filePath(u"x/o.cjs"_s), contents);
        Rig rig;
        RecordingSkin skin;
        skin.failAt = failAt;

        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ApplySkin(&rig.window, rig.controls, skin, programFolder.path()));

        QCOMPARE(skin.calls.size(), callsMade);
        rig.verifyColours(buttonFace, buttonFace);
        QVERIFY(rig.window.styleSheet().isEmpty());
    }
};

QTEST_MAIN(TestApplySkin)
#include "tst_applyskin.moc"
