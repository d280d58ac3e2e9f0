#include "boxcolours.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

namespace {

// qt6ct's "darker" scheme: light text on dark grey, its greyed text too faint to read on its base colour.
QPalette darker() {
    QPalette palette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = group == QPalette::Disabled ? QColor(0x80, 0x80, 0x80) : QColor(Qt::white);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
        palette.setColor(group, QPalette::Window, QColor(0x22, 0x20, 0x20));
    }
    return palette;
}

QPalette light() {
    QPalette palette(QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xbe, 0xbe, 0xbe));
    return palette;
}

} // namespace

class TestBoxColours : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsTheTheme_data() {
        QTest::addColumn<QPalette>("theme");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light: white, dark text") << light() << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark: the theme's base and text") << darker() << QColor(0x3d, 0x3d, 0x3d) << QColor(Qt::white);
    }

    void followsTheTheme() {
        QFETCH(QPalette, theme);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        const QPalette box = BoxColours::boxPalette(theme, theme);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(box.color(group, QPalette::Window), background);
            QCOMPARE(box.color(group, QPalette::Base), background);
            const QColor caption = box.color(group, QPalette::WindowText);
            QCOMPARE(box.color(group, QPalette::Text), caption);
            if (group != QPalette::Disabled) {
                QCOMPARE(caption, text);
            }
            // Greyed captions too stay readable.
            QVERIFY2(BoxColours::contrast(caption, background) >= 4.5,
                     qPrintable(caption.name() + u" on "_qs + background.name()));
        }
        // The window around the boxes keeps the theme's colour.
        QCOMPARE(box.color(QPalette::Button), theme.color(QPalette::Button));
    }

    // A change of theme while the window is open repaints the boxes, but not one whose colours were set since.
    void repaintsOnAChangeOfTheme() {
        const QPalette before = QApplication::palette();
        QApplication::setPalette(light());
        QWidget window;
        auto *plain = new QGroupBox(&window);
        auto *skinned = new QGroupBox(&window);
        BoxColours colours(&window);
        colours.paint(plain);
        colours.paint(skinned);
        QPalette face = skinned->palette();
        face.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
        skinned->setPalette(face);

        QApplication::setPalette(darker());
        QCOMPARE(plain->palette().color(QPalette::Window), QColor(0x3d, 0x3d, 0x3d));
        QCOMPARE(skinned->palette().color(QPalette::Window), QColor(0xd4, 0xd0, 0xc8));
        QApplication::setPalette(light());
        QCOMPARE(plain->palette().color(QPalette::Window), QColor(Qt::white));
        QApplication::setPalette(before);
    }
};

QTEST_MAIN(TestBoxColours)
#include "tst_boxcolours.moc"
