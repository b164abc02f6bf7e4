// The compiled-in pictures: present in any program linking the resources, at
// their sizes; the hand's fingertip at its hot spot.

#include "resources/resource_paths.h"

#include <QImage>
#include <QtTest>

#include <functional>

using namespace kestrova;

namespace {

QImage Load(const char* path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

int Count(const QImage& image, const std::function<bool(QColor)>& keep)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += keep(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void loadsAtItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addRow("frame icon") << QString::fromLatin1(kFrameIconPath) << QSize(48, 48);
        QTest::addRow("damped icon") << QString::fromLatin1(kDampedIconPath) << QSize(32, 32);
        QTest::addRow("equation") << QString::fromLatin1(kEquationPicturePath) << QSize(431, 42);
        QTest::addRow("hand cursor") << QString::fromLatin1(kHandCursorPath) << QSize(32, 32);
    }

    void loadsAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + " missing or unreadable (SVG plugin?)"));
        QCOMPARE(image.size(), size);
    }

    void handHasItsFingertipAtTheHotSpot()
    {
        const QImage image = Load(kHandCursorPath);
        QVERIFY(Count(image.copy(0, 0, 3, 3), [](QColor p) { return p.alpha() > 128; }) > 0);
        // A hand, not a square: the other corners are clear.
        QCOMPARE(image.pixelColor(31, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(0, 31).alpha(), 0);
        // White inside, black outline.
        QVERIFY(Count(image, [](QColor p) { return p.alpha() >= 250 && p.lightness() > 245; })
                > 100);
        QVERIFY(Count(image, [](QColor p) { return p.alpha() >= 250 && p.lightness() < 40; }) > 40);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
