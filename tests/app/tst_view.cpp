// The "Affichage" menu on the real windows: the zoom scales the whole damped
// window and comes back to it pixel for pixel, the texts grow with it and
// the graduations stay apart, the choice is remembered, and on the screen
// the test runs on (see CMakeLists.txt) the window with the Mesures panel
// open is wholly visible.

#include "app/mdi_brunmalt.h"
#include "app/measurements_dock.h"
#include "app/view_menu.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "tests/support/test_window.h"
#include "ui/common/window_zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace kestrova;
using namespace kestrova::testing;

Q_DECLARE_METATYPE(ViewChoice)

namespace {

/// Pixels of the box's picture that are not its background.
QRect InkBounds(PictureBox& box, int* count = nullptr)
{
    const QImage& picture = box.Picture();
    const QRgb back = ToQColor(box.BackColor()).rgb();
    QRect bounds;
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != back) {
                bounds |= QRect(x, y, 1, 1);
                ++n;
            }
        }
    }
    if (count != nullptr)
        *count = n;
    return bounds;
}

/// Pixels of the exact motion's trace, reddish (thin lines come out pale).
int TracePixels(PictureBox& box)
{
    const QImage& picture = box.Picture();
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            n += c.red() > c.green() + 60 && c.red() > c.blue() + 60;
        }
    }
    return n;
}

/// The separate texts down a strip of the picture, left of the plot frame:
/// runs of rows with ink, split by blank rows (texts that overlapped would
/// make one run).
int TextsDownTheLeftEdge(PictureBox& box)
{
    const QImage& picture = box.Picture();
    const QRgb back = ToQColor(box.BackColor()).rgb();
    const int strip = static_cast<int>(std::lround(18 * picture.devicePixelRatio()));
    int texts = 0;
    bool inText = false;
    int top = 0;
    for (int y = 0; y < picture.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < strip && !ink; ++x)
            ink = picture.pixel(x, y) != back;
        if (ink && !inText)
            top = y;
        // A line of the frame is thinner than any text.
        texts += !ink && inText && y - top >= 3 * picture.devicePixelRatio();
        inText = ink;
    }
    return texts;
}

} // namespace

class TestView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void zoomScalesTheWholeWindow_data()
    {
        QTest::addColumn<double>("zoom");
        for (double zoom : kZoomSteps) {
            if (zoom != 1.0)
                QTest::addRow("%d %%", int(zoom * 100)) << zoom;
        }
        QTest::newRow("fitted below the steps") << 0.61;
    }
    void zoomScalesTheWholeWindow()
    {
        QFETCH(double, zoom);
        TestWindow w;
        frmPenduleAmorti* damped = w.Damped();
        QVERIFY(QTest::qWaitForWindowExposed(damped));
        const QImage before = damped->grab().toImage();
        struct Built {
            QRect geometry;
            double points;
        };
        QHash<QWidget*, Built> built;
        for (QWidget* child : damped->findChildren<QWidget*>())
            built.insert(child, {child->geometry(), child->font().pointSizeF()});
        auto* title = w.Child<PictureBox>("picOrdoOsci");
        int titleInk = 0;
        const QRect titleBounds = InkBounds(*title, &titleInk);
        auto* plot = w.Child<PictureBox>("picOscillation0");
        const int graduations = TextsDownTheLeftEdge(*plot);
        QCOMPARE(graduations, 19); // 45 to -45 degrees by 5

        damped->SetZoom(zoom);
        auto scaled = [zoom](int pixels) { return int(std::lround(pixels * zoom)); };
        QCOMPARE(damped->size(), QSize(scaled(1016), scaled(734)));
        for (auto [child, was] : built.asKeyValueRange()) {
            const QString name = child->objectName();
            QVERIFY2(std::abs(child->pos().x() - scaled(was.geometry.x())) <= 1, qPrintable(name));
            QVERIFY2(std::abs(child->pos().y() - scaled(was.geometry.y())) <= 1, qPrintable(name));
            // Labels take their texts' size, the two buttons their longest caption's.
            if (qobject_cast<QLabel*>(child) == nullptr
                && qobject_cast<QPushButton*>(child) == nullptr)
                QVERIFY2(std::abs(child->width() - scaled(was.geometry.width())) <= 1,
                         qPrintable(name));
            QVERIFY2(std::abs(child->font().pointSizeF() - was.points * zoom) < 0.01,
                     qPrintable(name));
        }
        // Drawn again at once, before any event: the titles' text zoom times
        // as long and as thick, the graduations still apart.
        int zoomedInk = 0;
        const QRect zoomedBounds = InkBounds(*title, &zoomedInk);
        QVERIFY2(std::abs(zoomedBounds.height() - titleBounds.height() * zoom) <= 2 + zoom,
                 qPrintable(QString::number(zoomedBounds.height())));
        QVERIFY2(std::abs(zoomedBounds.width() - titleBounds.width() * zoom) <= 2 + zoom,
                 qPrintable(QString::number(zoomedBounds.width())));
        const double inkRatio = zoomedInk / (titleInk * zoom * zoom);
        QVERIFY2(inkRatio > 0.75 && inkRatio < 1.33, qPrintable(QString::number(inkRatio)));
        QCOMPARE(TextsDownTheLeftEdge(*plot), graduations);

        damped->SetZoom(1.0);
        QCOMPARE(damped->grab().toImage(), before);

        // The traces of a run are drawn again too, zoom times as long (the
        // thin line paler below 100 %).
        w.Child<QAbstractButton>("chkGo")->click();
        for (int tick = 0; tick < 150; ++tick) {
            w.source.AdvanceSeconds(0.01);
            damped->AnimationTick();
        }
        w.Child<QAbstractButton>("chkGo")->click();
        const int traced = TracePixels(*plot);
        damped->SetZoom(zoom);
        QVERIFY2(TracePixels(*plot) > traced * std::min(zoom, 1.0) / 2,
                 qPrintable(QString::number(traced)));
    }

    void choiceRememberedBetweenRuns_data()
    {
        QTest::addColumn<ViewChoice>("chosen");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("startsFitted");
        QTest::newRow("150 % in high contrast")
            << ViewChoice{false, 1.5, true} << QSize(4000, 3000) << false;
        QTest::newRow("fitted") << ViewChoice{true, 1.0, false} << QSize(4000, 3000) << true;
        QTest::newRow("100 % on a screen too small")
            << ViewChoice{false, 1.0, false} << QSize(1024, 768) << true;
    }
    void choiceRememberedBetweenRuns()
    {
        QFETCH(ViewChoice, chosen);
        QFETCH(QSize, screen);
        QFETCH(bool, startsFitted);
        {
            FakeCounterSource counter;
            MDIBrunmalt frame(counter);
            frame.View().Choose(chosen);
        }
        FakeCounterSource counter;
        MDIBrunmalt frame(counter);
        frame.View().RestoreSaved(screen);
        const ViewChoice restored = frame.View().Choice();
        QCOMPARE(restored.fitted, startsFitted);
        QCOMPARE(restored.highContrast, chosen.highContrast);
        QCOMPARE(frame.View().FitAction()->isChecked(), startsFitted);
        const double zoom = WindowZoom(*frame.DampedWindow());
        if (startsFitted)
            QVERIFY(frame.PreferredSize().height() <= screen.height());
        else
            QCOMPARE(zoom, chosen.zoom);
        QCOMPARE(frame.DampedWindow()->palette().color(QPalette::Window) == Qt::white,
                 chosen.highContrast);
        // Only what the user chose is kept: the fit forced by a small screen is not.
        QCOMPARE(QSettings(QStringLiteral("Kestrova"), QStringLiteral("Kestrova"))
                     .value(QStringLiteral("view/zoom"))
                     .toString(),
                 chosen.fitted ? QStringLiteral("fit") : QString::number(int(chosen.zoom * 100)));
    }

    // On the screen of the platform: ctest runs it at 1024×768, at 1280×800
    // with a scale factor of 1.5, and at 1920×1080.
    void wholeWindowWithMeasurementsOnTheScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        qInfo("screen %dx%d", available.width(), available.height());
        FakeCounterSource counter;
        MDIBrunmalt frame(counter);
        frame.View().RestoreSaved(available.size());
        frame.ShowOnScreen(available);
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.Measurements().ShowAction()->setChecked(true);
        QVERIFY(frame.Measurements().isVisible());

        const QMdiArea& area = frame.MdiArea();
        const QMdiSubWindow* sub = area.subWindowList().front();
        const QRect dock = frame.Measurements().geometry();
        QTRY_VERIFY(area.viewport()->rect().contains(sub->geometry()));
        const QRect window(sub->mapTo(&frame, QPoint(0, 0)), sub->size());
        QVERIFY(!window.intersects(dock));
        QVERIFY(available.contains(frame.geometry()));

        // Inside the window, what stood apart at 100 % still does.
        frmPenduleAmorti* damped = frame.DampedWindow();
        TestWindow reference;
        for (QWidget* a : damped->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!a->isVisible())
                continue;
            QVERIFY2(damped->rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : damped->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (a == b || !b->isVisible() || !a->geometry().intersects(b->geometry()))
                    continue;
                const QRect builtA = reference.Child(a->objectName())->geometry();
                const QRect builtB = reference.Child(b->objectName())->geometry();
                QVERIFY2(builtA.intersects(builtB),
                         qPrintable(a->objectName() + " over " + b->objectName()));
            }
        }
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(TestView)
#include "tst_view.moc"
