// The pictures at the screen's device pixel ratio, run once per ratio
// (QT_SCALE_FACTOR 1, 1.5 and 2): a line one logical pixel wide covers whole
// device pixels, text grows with the ratio, and the windows show their
// picture boxes pixel for pixel, never resampled.

#include "tests/support/test_window.h"

#include "plot/qt_picture_box.h"

#include <QLabel>
#include <QtTest>

#include <cmath>

using namespace kestrova;
using kestrova::testing::TestWindow;

namespace {

/// The ratio this run was started for: the pictures must be drawn at it.
double RequestedRatio()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

/// How much of a pixel a dark drawing covers over a light background, 0 to 1.
double Ink(QRgb pixel)
{
    return 1.0 - qGray(pixel) / 255.0;
}

/// The device pixels that hold ink above half coverage.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image.pixel(x, y)) > 0.5)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

/// A borderless white picture box in pixel units, drawing in black, shown.
struct Box {
    explicit Box(int size)
    {
        box->SetBorder(false);
        box->setGeometry(0, 0, size, size);
        box->SetBackColor(Rgb(255, 255, 255));
        box->SetForeColor(Rgb(0, 0, 0));
        box->SetScaleMode(kScalePixels);
        window.resize(size, size);
        window.show();
    }
    QWidget window;
    PictureBox* box = new PictureBox(&window);
};

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The run really is at the ratio it was started for.
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QCOMPARE(w.window->devicePixelRatioF(), RequestedRatio());
    }

    void thinLinesCoverWholeDevicePixels_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("at"); // logical pixel row or column
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        QTest::addRow("horizontal, even row") << true << 20 << 1 << int(kSolid);
        QTest::addRow("horizontal, odd row") << true << 21 << 1 << int(kSolid);
        QTest::addRow("vertical, even column") << false << 20 << 1 << int(kSolid);
        QTest::addRow("vertical, odd column") << false << 21 << 1 << int(kSolid);
        QTest::addRow("dotted horizontal, as the plot grids") << true << 21 << 1 << int(kDotted);
        QTest::addRow("3 pixels wide, as the rod hanging down") << false << 21 << 3 << int(kSolid);
    }

    void thinLinesCoverWholeDevicePixels()
    {
        QFETCH(bool, horizontal);
        QFETCH(int, at);
        QFETCH(int, width);
        QFETCH(int, style);
        Box b(80);
        b.box->SetDrawWidth(width);
        b.box->SetDrawStyle(style);
        if (horizontal)
            b.box->Line(5, at, 75, at, 0);
        else
            b.box->Line(at, 5, at, 75, 0);

        const QImage& picture = b.box->Picture();
        const double dpr = picture.devicePixelRatio();
        QCOMPARE(dpr, RequestedRatio());
        // Across the line at the start of a dash or dot: fully inked device
        // pixels, and partly inked ones (blurred edges).
        const int along = static_cast<int>(std::floor(5.5 * dpr));
        const int across = horizontal ? picture.height() : picture.width();
        int full = 0;
        int partial = 0;
        for (int i = 0; i < across; ++i) {
            const double ink = Ink(horizontal ? picture.pixel(along, i) : picture.pixel(i, along));
            full += ink > 0.9 ? 1 : 0;
            partial += ink > 0.1 && ink <= 0.9 ? 1 : 0;
        }
        QCOMPARE(partial, 0);
        QVERIFY2(std::abs(full - width * dpr) < 1, qPrintable(QString::number(full)));
    }

    void textGrowsWithTheRatio_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label"); // empty: text printed in a picture box
        QTest::addRow("axis title, Arial 11.25 bold") << "damped"
                                                      << "lblAbsciOsci";
        QTest::addRow("length title") << "Foucault"
                                      << "Label1";
        QTest::addRow("text printed in a picture box") << "box"
                                                       << "";
    }

    void textGrowsWithTheRatio()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QImage image;
        QRectF logical; // the glyphs' outline, in logical pixels
        if (window == "box") {
            Box b(160);
            FontSpec font = b.box->Font();
            font.Name = "Arial";
            font.Size = 10;
            b.box->SetFont(font);
            b.box->Print("Temps 0.5");
            image = b.box->Picture();
            QFont qfont(QStringLiteral("Arial"));
            qfont.setPixelSize(13); // 10 points at 96 dots per inch
            logical = QFontMetricsF(qfont).tightBoundingRect(QStringLiteral("Temps 0.5"));
        } else {
            TestWindow w(window);
            auto* l = w.Child<QLabel>(label);
            image = l->grab().toImage();
            logical = QFontMetricsF(l->font()).tightBoundingRect(
                QString(l->text()).remove(QLatin1Char('&')));
        }
        const double dpr = image.devicePixelRatio();
        QCOMPARE(dpr, RequestedRatio());
        // Drawn at the device's resolution: the ink is the outline times the
        // ratio, within a device pixel or two of hinting.
        const QRect ink = InkBounds(image);
        QVERIFY2(std::abs(ink.height() - logical.height() * dpr)
                     <= 2 + 0.05 * logical.height() * dpr,
                 qPrintable(QString::number(ink.height())));
        QVERIFY2(std::abs(ink.width() - logical.width() * dpr) <= 2 + 0.05 * logical.width() * dpr,
                 qPrintable(QString::number(ink.width())));
    }

    void windowsShowTheirPicturesPixelForPixel_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addRow("damped: pendulum figure") << "damped"
                                                 << "picPendule";
        QTest::addRow("damped: oscillation plot") << "damped"
                                                  << "picOscillation0";
        QTest::addRow("damped: axis title") << "damped"
                                            << "picOrdoOsci";
        QTest::addRow("Foucault: ground trace") << "Foucault"
                                                << "picCourbe";
        QTest::addRow("Foucault: side view") << "Foucault"
                                             << "picPendule";
    }

    void windowsShowTheirPicturesPixelForPixel()
    {
        QFETCH(QString, window);
        QFETCH(QString, box);
        TestWindow w(window);
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto* b = w.Child<PictureBox>(box);
        // The Foucault string is a line over the side view, not in its picture.
        if (QWidget* string = b->findChild<QWidget*>(QStringLiteral("linFil")))
            string->hide();
        const QImage picture = b->Picture().convertToFormat(QImage::Format_RGB32);
        const double dpr = w.window->devicePixelRatioF();
        QCOMPARE(picture.devicePixelRatio(), dpr);
        const QSize inside = b->InsideRect().size();
        QCOMPARE(picture.size(), QSize(qCeil(inside.width() * dpr), qCeil(inside.height() * dpr)));

        // Where the window shows it, in device pixels; the last row and column
        // may be cut by the box's edge at a fractional ratio.
        const QImage shown = w.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPointF origin = QPointF(b->mapTo(w.window.get(), b->InsideRect().topLeft())) * dpr;
        const QPoint at(qRound(origin.x()), qRound(origin.y()));
        const int columns = std::min(picture.width(), shown.width() - at.x()) - 1;
        const int rows = std::min(picture.height(), shown.height() - at.y()) - 1;
        int differing = 0;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                differing += picture.pixel(x, y) != shown.pixel(at + QPoint(x, y)) ? 1 : 0;
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
