#include "mousemovefilter.h"
#include "windowpointer.h"

#include "iconart.h"
#include "winiconfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QString writeCursor(const QTemporaryDir &dir, const QImage &image, QPoint hotSpot) {
    QString path = dir.filePath(u"HAND-M.CUR"_s);
    QString error;
    if (!WinIconFile::writeFile(path, WinIconFile::encodeCursor(image, hotSpot), &error)) {
        qFatal("%s", qPrintable(error));
    }
    return path;
}

// The main window's surfaces at their designed places, each mouse-move handler wired the way the window wires it.
class PointerRig {
public:
    PointerRig() {
        window.resize(536, 520);
        const auto add = [this](QWidget *widget, const char *name, QRect geometry) {
            widget->setObjectName(QString::fromLatin1(name));
            widget->setGeometry(geometry);
            controls << widget;
            return widget;
        };
        QWidget *frame1 = add(new QGroupBox(&window), "Frame1", {8, 40, 520, 115});
        add(new QPushButton(&window), "PushButton2", {8, 8, 520, 27});
        add(new QDateTimeEdit(frame1), "DTPicker1", {96, 45, 400, 25});
        add(new QRadioButton(frame1), "Option2", {12, 47, 82, 20});
        add(new QRadioButton(frame1), "Option1", {12, 20, 261, 20});
        add(new QDateTimeEdit(frame1), "DTPicker2", {96, 76, 400, 25});
        add(new QLabel(u"to"_s, frame1), "Label1", {70, 78, 11, 20});
        QWidget *frame4 = add(new QGroupBox(&window), "Frame4", {8, 320, 520, 69});
        add(new QCheckBox(frame4), "Check8", {16, 43, 172, 15});
        add(new QCheckBox(frame4), "Check4", {16, 20, 262, 15});
        add(new QSlider(Qt::Horizontal, add(new QGroupBox(&window), "Frame3", {8, 258, 520, 55})), "Slider1",
            {4, 16, 512, 33});
        QWidget *frame2 = add(new QGroupBox(&window), "Frame2", {8, 162, 520, 89});
        add(new QComboBox(frame2), "Combo1", {16, 20, 487, 23});
        add(new QPushButton(frame2), "PushButton1", {16, 50, 487, 27});
        add(new QSlider(Qt::Horizontal, &window), "Slider2", {15, 456, 374, 33});
        add(new QLabel(u"Pitch"_s, &window), "Label2", {0, 448, 29, 15});

        auto *filter = new MouseMoveFilter(&window, controls);
        const auto pointerBecomes = [this](int kind) {
            return [this, kind](const QMouseEvent &) { pointer.mouseMovedOver(kind); };
        };
        filter->setHandler(&window, pointerBecomes(WindowPointer::Default));
        for (const char *name :
             {"Frame1", "Frame2", "Frame3", "Frame4", "Option1", "Option2", "DTPicker1", "DTPicker2"}) {
            filter->setHandler(control(name), pointerBecomes(WindowPointer::Default));
        }
        filter->setHandler(control("PushButton1"), pointerBecomes(WindowPointer::Custom));
        filter->setHandler(control("PushButton2"), pointerBecomes(WindowPointer::Custom));
        window.show();
    }

    QWidget *control(const char *name) const { return window.findChild<QWidget *>(QLatin1StringView(name)); }

    // Moves the mouse over a point of the named surface where none of its own children lies.
    void moveOver(const QString &surface) {
        QWidget *target = surface == u"window"_s ? &window : control(qPrintable(surface));
        QPoint point = target->rect().center();
        if (target == &window) {
            point = {300, 37};
        } else if (target->inherits("QGroupBox")) {
            point = target->rect().bottomRight() - QPoint(3, 3);
        }
        // Park the mouse first so that every move is a real move.
        QTest::mouseMove(&window, {530, 400});
        QTest::mouseMove(target, point);
    }

    QWidget window;
    QList<QWidget *> controls;
    WindowPointer pointer{&window};
};

} // namespace

class TestWindowPointer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mouseMove_overASurface_setsThePointerItsHandlerNames_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        for (const QString &button : {u"PushButton1"_s, u"PushButton2"_s}) {
            QTest::addRow("%s: arrow to hand", qPrintable(button)) << button << 0 << 99;
        }
        for (const QString &surface : {u"window"_s, u"Frame1"_s, u"Frame2"_s, u"Frame3"_s, u"Frame4"_s, u"Option1"_s,
                                       u"Option2"_s, u"DTPicker1"_s, u"DTPicker2"_s}) {
            QTest::addRow("%s: hand to arrow", qPrintable(surface)) << surface << 99 << 0;
        }
        for (const QString &silent :
             {u"Combo1"_s, u"Slider1"_s, u"Slider2"_s, u"Check4"_s, u"Check8"_s, u"Label1"_s, u"Label2"_s}) {
            QTest::addRow("%s: hand stays", qPrintable(silent)) << silent << 99 << 99;
            QTest::addRow("%s: arrow stays", qPrintable(silent)) << silent << 0 << 0;
        }
        for (const QString &surface : {u"PushButton1"_s, u"window"_s, u"Frame2"_s, u"DTPicker1"_s}) {
            QTest::addRow("%s: busy stays", qPrintable(surface)) << surface << 11 << 11;
        }
    }
    void mouseMove_overASurface_setsThePointerItsHandlerNames() {
        QFETCH(QString, surface);
        QFETCH(int, before);
        QFETCH(int, after);
        QTemporaryDir dir;
        PointerRig rig;
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        QVERIFY(rig.pointer.loadMouseIcon(writeCursor(dir, IconArt::handCursor(), {11, 1})));
        QTest::mouseMove(&rig.window, {530, 400});
        rig.pointer.setMousePointer(before);

        rig.moveOver(surface);

        QCOMPARE(rig.pointer.MousePointer(), after);
    }

    void pointer_isSetWindowWide_soTheButtonsShowTheHand() {
        QTemporaryDir dir;
        PointerRig rig;
        QVERIFY(rig.pointer.loadMouseIcon(writeCursor(dir, IconArt::handCursor(), {11, 1})));
        QWidget *button = rig.control("PushButton1");

        rig.moveOver(u"PushButton1"_s);
        QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(button->cursor().hotSpot(), QPoint(11, 1));

        rig.moveOver(u"Frame2"_s);
        QCOMPARE(button->cursor().shape(), Qt::ArrowCursor);

        rig.pointer.setMousePointer(WindowPointer::Busy);
        QCOMPARE(rig.control("Combo1")->cursor().shape(), Qt::WaitCursor);
    }

    void pointer_withoutAMouseIcon_neverShowsTheHand() {
        PointerRig rig;
        rig.moveOver(u"PushButton2"_s);
        QCOMPARE(rig.pointer.MousePointer(), WindowPointer::Custom);
        QVERIFY(!rig.pointer.hasMouseIcon());
        QCOMPARE(rig.window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(rig.control("PushButton2")->cursor().shape(), Qt::ArrowCursor);
    }

    void loadMouseIcon_writtenCursor_loadsBackWithItsHotSpot_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::newRow("hand at the fingertip") << 32 << IconArt::handCursorHotSpot();
        QTest::newRow("bottom right corner, small cursor") << 16 << QPoint(15, 15);
    }
    void loadMouseIcon_writtenCursor_loadsBackWithItsHotSpot() {
        QFETCH(int, size);
        QFETCH(QPoint, hotSpot);
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(0, 0, size / 2, size, Qt::red);
        QTemporaryDir dir;
        QWidget window;
        WindowPointer pointer(&window);

        QVERIFY(pointer.loadMouseIcon(writeCursor(dir, image, hotSpot)));

        const QCursor icon = pointer.MouseIcon();
        QCOMPARE(icon.hotSpot(), hotSpot);
        const QImage back = icon.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back.size(), QSize(size, size));
        QCOMPARE(back.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(qAlpha(back.pixel(size - 1, 0)), 0);
    }

    void mouseIcon_aFifoPutInTheFilesPlaceLater_isNeverOpened() {
        QTemporaryDir dir;
        QWidget window;
        WindowPointer pointer(&window);
        const QString path = writeCursor(dir, IconArt::handCursor(), {5, 6});
        QVERIFY(pointer.loadMouseIcon(path));
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        // Opened for reading, the FIFO with no writer would hold the window for ever.
        QCOMPARE(pointer.MouseIcon().hotSpot(), QPoint(5, 6));

        QString error;
        QVERIFY(!pointer.loadMouseIcon(path, &error));
        QVERIFY2(error.contains(u"not a regular file"_s), qPrintable(error));
    }

    void loadMouseIcon_fileThatIsNoCursor_failsAndKeepsTheIcon_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("text") << QByteArray("not a cursor at all, just some text");
        QTest::newRow("icon file") << WinIconFile::encodeIcon24(IconArt::applicationIcon(16));
        QTest::newRow("cut short") << WinIconFile::encodeCursor(IconArt::handCursor(), {1, 1}).left(30);
    }
    void loadMouseIcon_fileThatIsNoCursor_failsAndKeepsTheIcon() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        QWidget window;
        WindowPointer pointer(&window);
        QVERIFY(pointer.loadMouseIcon(writeCursor(dir, IconArt::handCursor(), {5, 6})));
        const QString path = dir.filePath(u"other.cur"_s);
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }

        QString error;
        QVERIFY(!pointer.loadMouseIcon(path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(pointer.MouseIcon().hotSpot(), QPoint(5, 6));
    }
};

QTEST_MAIN(TestWindowPointer)
#include "tst_windowpointer.moc"
