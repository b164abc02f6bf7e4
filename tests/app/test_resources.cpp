// The compiled-in pictures: present in any program linking the resources,
// at their sizes, in their colours, and the hand's fingertip at its hot spot.

#include "resources/resource_paths.h"

#include <QImage>
#include <QtTest>

using namespace kestrova;

namespace {

QImage Load(const char* path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void loadsAtItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addRow("frame icon") << QString::fromLatin1(kFrameIconPath)
                                    << QSize(kFrameIconSize, kFrameIconSize);
        QTest::addRow("damped icon") << QString::fromLatin1(kDampedIconPath)
                                     << QSize(kDampedIconSize, kDampedIconSize);
        QTest::addRow("equation") << QString::fromLatin1(kEquationPicturePath)
                                  << QSize(kEquationPictureWidth, kEquationPictureHeight);
        QTest::addRow("hand cursor") << QString::fromLatin1(kHandCursorPath)
                                     << QSize(kHandCursorSize, kHandCursorSize);
    }

    void loadsAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QImage image(path);
        QVERIFY2(!image.isNull(), "no image reader for the picture (SVG plugin missing?)");
        QCOMPARE(image.size(), size);
    }

    void equationIsRedOnTransparent()
    {
        const QImage image = Load(kEquationPicturePath);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() == 0) {
                    continue;
                }
                ++inked;
                QVERIFY2(pixel.green() == 0 && pixel.blue() == 0 && pixel.red() >= 250,
                         qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(pixel.name())));
            }
        }
        // Text, not an empty or filled box.
        QVERIFY(inked > 500);
        QVERIFY(inked < image.width() * image.height() / 2);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }

    void dampedIconIsCyanOnBlack()
    {
        const QImage image = Load(kDampedIconPath);
        int cyan = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                QCOMPARE(pixel.alpha(), 255);
                QCOMPARE(pixel.red(), 0);
                QCOMPARE(pixel.green(), pixel.blue());
                if (pixel.green() > 200) {
                    ++cyan;
                }
            }
        }
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QVERIFY(cyan > 40);
    }

    void handHasItsFingertipAtTheHotSpot()
    {
        QCOMPARE(kHandCursorHotSpotX, 0);
        QCOMPARE(kHandCursorHotSpotY, 0);
        const QImage image = Load(kHandCursorPath);
        // The tip of the finger touches the top-left corner...
        bool tipNearHotSpot = false;
        for (int y = 0; y <= 2; ++y) {
            for (int x = 0; x <= 2; ++x) {
                tipNearHotSpot = tipNearHotSpot || image.pixelColor(x, y).alpha() > 128;
            }
        }
        QVERIFY(tipNearHotSpot);
        // ...and the hand is a shape, not a square: the other corners are clear.
        QCOMPARE(image.pixelColor(31, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(0, 31).alpha(), 0);
        // White inside, black outline.
        int white = 0;
        int black = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() < 250) {
                    continue;
                }
                white += pixel.lightness() > 245 ? 1 : 0;
                black += pixel.lightness() < 40 ? 1 : 0;
            }
        }
        QVERIFY(white > 100);
        QVERIFY(black > 40);
    }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
