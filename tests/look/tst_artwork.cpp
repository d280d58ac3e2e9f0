#include "appicon.h"
#include "iconart.h"
#include "windowpointer.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString buildDir = QStringLiteral(SOMNIVOX_BUILD_DIR);

enum class Corners { Transparent, Unchecked };

// The drawn "V": blue all round it, white in its arms, nothing outside the rounded corners.
void verifyLooksLikeTheIcon(const QImage &image, int size, Corners corners = Corners::Transparent) {
    QCOMPARE(image.size(), QSize(size, size));
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    if (corners == Corners::Transparent) {
        QCOMPARE(qAlpha(argb.pixel(0, 0)), 0);
    }
    const QRgb edge = argb.pixel(size / 2, size * 5 / 256 + size / 16 + 1);
    QVERIFY2(qBlue(edge) > 200 && qRed(edge) < 80 && qAlpha(edge) == 255, qPrintable(QString::number(edge, 16)));
    const QRgb arm = argb.pixel(size * 3 / 8, size * 3 / 8);
    QVERIFY2(qRed(arm) > 200 && qGreen(arm) > 200 && qBlue(arm) > 200, qPrintable(QString::number(arm, 16)));
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builtIcons_existAtEverySize_andShowTheV_data() {
        QTest::addColumn<int>("size");
        for (const int size : IconArt::applicationIconSizes()) {
            QTest::addRow("%d px", size) << size;
        }
    }
    void builtIcons_existAtEverySize_andShowTheV() {
        QFETCH(int, size);
        const QString path = buildDir + u"/icons/hicolor/%1x%1/apps/somnivox.png"_s.arg(size);
        QImage image;
        QVERIFY2(image.load(path), qPrintable(path));
        verifyLooksLikeTheIcon(image, size);
    }

    void applicationIcon_offersEveryBuiltSize() {
        const QIcon icon = applicationIcon();
        QList<QSize> expected;
        for (const int size : IconArt::applicationIconSizes()) {
            expected << QSize(size, size);
        }
        QList<QSize> offered = icon.availableSizes();
        std::sort(offered.begin(), offered.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(offered, expected);
        verifyLooksLikeTheIcon(icon.pixmap(QSize(32, 32)).toImage(), 32);
    }

    void applicationIcon_offeringTheSmallSizes_drawsALargeOneFromItsOwnPicture() {
        const QIcon icon = applicationIcon(48);
        QList<QSize> offered = icon.availableSizes();
        std::sort(offered.begin(), offered.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(offered, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}}));
        verifyLooksLikeTheIcon(icon.pixmap(QSize(128, 128)).toImage(), 128);
        verifyLooksLikeTheIcon(icon.pixmap(QSize(40, 40)).toImage(), 40);
    }

    void trayIconFile_isOne16PixelImageAt24Bits() {
        QFile file(buildDir + u"/icons/somnivox.ico"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        const auto word = [&data](int offset) { return qFromLittleEndian<quint16>(data.constData() + offset); };
        QCOMPARE(word(2), quint16(1));  // icon
        QCOMPARE(word(4), quint16(1));  // one image
        QCOMPARE(data.at(6), char(16)); // 16 by 16
        QCOMPARE(word(6 + 16 + 14), quint16(24));
        // The corners are transparent through the AND mask, which Qt 6.4 does not apply to 24-bit images.
        const qsizetype maskStart = 6 + 16 + 40 + 16 * 16 * 3;
        const qsizetype maskRow = 4;
        QCOMPARE(data.size(), maskStart + 16 * maskRow);
        QVERIFY(data.at(maskStart) & 0x80);                       // bottom left
        QVERIFY(data.at(maskStart + 15 * maskRow + 1) & 0x01);    // top right
        QVERIFY(!(data.at(maskStart + 8 * maskRow) & 0x80 >> 4)); // centre
        QImage image;
        QVERIFY(image.loadFromData(data, "ico"));
        verifyLooksLikeTheIcon(image, 16, Corners::Unchecked);
    }

    void handCursorFile_inTheProgramFolder_loadsWithTheFingertipAsHotSpot() {
        QWidget window;
        WindowPointer pointer(&window);
        QVERIFY(pointer.loadMouseIcon(buildDir + u"/HAND-M.CUR"_s));
        QCOMPARE(pointer.MouseIcon().hotSpot(), IconArt::handCursorHotSpot());
        const QImage hand = pointer.MouseIcon().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(hand.size(), QSize(32, 32));
        QCOMPARE(qAlpha(hand.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(hand.pixel(11, 8)), 255); // inside the finger
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
