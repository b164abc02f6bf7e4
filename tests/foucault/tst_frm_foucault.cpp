// The Foucault-pendulum window on a fake clock: its load picture, the length
// field, the start button and the ticks of its timer, driven by hand.

#include "clock/high_resolution_clock.h"
#include "plot/qt_picture_box.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/foucault/foucault_motion.h"
#include "ui/foucault/frm_foucault.h"
#include "ui/foucault/line_element.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace kestrova;

namespace {

constexpr double kAmplitude = 3.0;
const QColor kPureRed(255, 0, 0);

/// The colour of the picture at a point given in the box's user coordinates.
QColor ColourAt(PictureBox& box, double x, double y)
{
    const QImage& picture = box.Picture();
    const auto device = [&](double pixel) {
        return static_cast<int>(
            std::floor((std::nearbyint(pixel) + 0.5) * picture.devicePixelRatio()));
    };
    return picture.pixelColor(device(box.ToPixelX(x)), device(box.ToPixelY(y)));
}

} // namespace

class TestFrmFoucault : public QObject {
    Q_OBJECT

    template <typename T>
    T* Child(const char* name)
    {
        T* child = window_->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    void Tick(double seconds)
    {
        source_->AdvanceSeconds(seconds);
        window_->TickAnimation();
    }
    void StartAndTick(int ticks)
    {
        Child<QPushButton>("cmdGo")->click();
        for (int k = 0; k < ticks; ++k)
            Tick(Child<QTimer>("tmrCourbe")->interval() / 1000.0);
    }

    std::unique_ptr<FakeCounterSource> source_;
    std::unique_ptr<HighResolutionClock> clock_;
    std::unique_ptr<frmFoucault> window_;

private slots:
    void init()
    {
        window_.reset(); // before the clock it uses
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        source_ = std::make_unique<FakeCounterSource>(3'000'000);
        source_->SetCount(987'654'321);
        clock_ = std::make_unique<HighResolutionClock>(*source_);
        clock_->ReadFrequency();
        window_ = std::make_unique<frmFoucault>(*clock_);
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void loadWritesTheDefaultLengthInTheUserLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addRow("French: decimal comma")
            << QLocale(QLocale::French, QLocale::France) << "67,0";
        QTest::addRow("English: decimal point")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "67.0";
    }
    void loadWritesTheDefaultLengthInTheUserLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        window_ = std::make_unique<frmFoucault>(*clock_);
        QCOMPARE(Child<QLineEdit>("txtLong")->text(), text);
        // The text the window wrote reads back as the same length.
        QCOMPARE(window_->Longueur(), 67.0);
        QVERIFY(Child<QPushButton>("cmdGo")->isEnabled());
    }

    void loadPlacesTheControlsAndDrawsThePendulumAtRest()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Pendule pesant"));
        // Both views made square (6015 twips), the side view 50 twips right of the ground view.
        auto* picPendule = Child<PictureBox>("picPendule");
        QCOMPARE(Child<PictureBox>("picCourbe")->geometry(), QRect(8, 8, 401, 401));
        QCOMPARE(picPendule->geometry(), QRect(412, 8, 401, 401));
        QVERIFY(std::abs(picPendule->Left() - 6185.0) <= kTwipsPerPixel / 2);
        QCOMPARE(WithoutMnemonic(Child<QPushButton>("cmdGo")->text()),
                 QStringLiteral(" lancer l'animation"));
        QCOMPARE(WithoutMnemonic(Child<QLabel>("Label1")->text()),
                 QStringLiteral("Longueur du pendule : "));
        // The refusal message, hidden for now, sits clear of the other controls.
        const QRect message = Child<QLabel>("lblRefus")->geometry();
        QVERIFY(!message.intersects(Child<QPushButton>("cmdGo")->geometry()));
        QVERIFY(!message.intersects(picPendule->geometry()) && window_->rect().contains(message));
        QVERIFY(Child<QLabel>("lblRefus")->isHidden());
        QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
        QCOMPARE(window_->Points().CountPoint(), 0);

        // The string from the pivot to the bob, displaced by 3 m and lifted by
        // about 0.067 m: where the motion puts it at t = 0. It lies over the
        // drawing area, and the bob is drawn red at its end.
        auto* linFil = Child<LineElement>("linFil");
        const auto start =
            foucault::BobOnGround(kAmplitude, window_->OmegaPendule(), foucault::OmegaTerre(), 0);
        QCOMPARE(QPointF(start.PosX, start.PosY), QPointF(kAmplitude, 0));
        QCOMPARE(QPointF(linFil->X1(), linFil->Y1()), QPointF(0, 67));
        QCOMPARE(linFil->X2(), start.PosX);
        QVERIFY(std::abs(linFil->Y2() - 0.0672) < 1e-4);
        QCOMPARE(linFil->geometry(), picPendule->InsideRect());
        QCOMPARE(ColourAt(*picPendule, linFil->X2(), linFil->Y2()), kPureRed);
    }

    void lengthField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("length");  // the window's length afterwards; it held 10 m
        QTest::addColumn<int>("intervalMs"); // of the timer once started; 0: cannot start

        QTest::addRow("67") << "67" << 67.0 << 164;
        QTest::addRow("12,5: decimal comma") << "12,5" << 12.5 << 71;
        QTest::addRow("12.5: decimal point") << "12.5" << 12.5 << 71;
        QTest::addRow("' 8 m': blanks and unit") << " 8 m" << 8.0 << 57;
        QTest::addRow("3,01: just above the amplitude") << "3,01" << 3.01 << 35;
        QTest::addRow("empty: refused, 10 kept") << "" << 10.0 << 0;
        QTest::addRow("abc: refused") << "abc" << 10.0 << 0;
        QTest::addRow("0: refused") << "0" << 10.0 << 0;
        QTest::addRow("-3: refused") << "-3" << 10.0 << 0;
        QTest::addRow("3: the amplitude, refused") << "3" << 10.0 << 0;
        QTest::addRow("1e9: too long, refused") << "1e9" << 10.0 << 0;
    }
    void lengthField()
    {
        QFETCH(QString, text);
        QFETCH(double, length);
        QFETCH(int, intervalMs);
        const bool accepted = intervalMs > 0;

        Child<QLineEdit>("txtLong")->setText(QStringLiteral("10"));
        Child<QLineEdit>("txtLong")->setText(text);
        QCOMPARE(window_->Longueur(), length);
        QCOMPARE(window_->OmegaPendule(), foucault::OmegaPendule(length, foucault::OmegaTerre()));
        QCOMPARE(Child<PictureBox>("picPendule")->ScaleTop(), length + 2); // the side view follows
        QCOMPARE(Child<QPushButton>("cmdGo")->isEnabled(), accepted);
        auto* lblRefus = Child<QLabel>("lblRefus");
        QCOMPARE(lblRefus->isHidden(), accepted);
        // A refused text says which lengths are accepted.
        QVERIFY(accepted
                || (lblRefus->text().contains(QStringLiteral("plus de 3 m"))
                    && lblRefus->text().contains(QStringLiteral("1000 m"))));

        Child<QPushButton>("cmdGo")->click();
        QCOMPARE(Child<QTimer>("tmrCourbe")->isActive(), accepted);
        if (accepted)
            QCOMPARE(Child<QTimer>("tmrCourbe")->interval(), intervalMs);
    }

    void ticksGrowTheTrailToAHundredAndKeepIt()
    {
        StartAndTick(0);
        for (int tick = 1; tick <= 130; ++tick) {
            Tick(0.164);
            QCOMPARE(window_->Points().CountPoint(), std::min(tick, 100));
        }
        // Oldest first: the trail holds the positions of ticks 31 to 130.
        const double bigOmega = foucault::OmegaPendule(67.0, foucault::OmegaTerre());
        for (const int position : {1, 50, 100}) {
            const auto expected = foucault::BobOnGround(
                kAmplitude, bigOmega, foucault::OmegaTerre(), (30 + position) * 0.164);
            const auto point = window_->Points().Point(position);
            QVERIFY(std::hypot(point->X0Line - expected.PosX, point->Y0Line - expected.PosY)
                    < 1e-9);
        }
        QVERIFY(std::abs(window_->TempsEcoule() - 130 * 0.164) < 1e-6);
        QVERIFY(Child<QTimer>("tmrCourbe")->isActive());
    }

    void tickMovesStringAndBobTogether()
    {
        auto* picPendule = Child<PictureBox>("picPendule");
        const QPointF insideLoadBob(kAmplitude, 0.5); // clear of its dotted path
        QCOMPARE(ColourAt(*picPendule, insideLoadBob.x(), insideLoadBob.y()), kPureRed);

        StartAndTick(0);
        Tick(4.0);
        // The string's foot follows the swing, A·cos(Ωt), near the vertical at 4 s of a 16.4 s
        // swing.
        auto* linFil = Child<LineElement>("linFil");
        QVERIFY(std::abs(linFil->X2() - kAmplitude * std::cos(window_->OmegaPendule() * 4.0))
                < 1e-9);
        QCOMPARE(linFil->Y1(), 67.0);
        QCOMPARE(ColourAt(*picPendule, linFil->X2(), linFil->Y2()), kPureRed);
        // The bob drawn at load has been cleared away.
        QVERIFY(std::abs(linFil->X2() - kAmplitude) > 2.0);
        QCOMPARE(ColourAt(*picPendule, insideLoadBob.x(), insideLoadBob.y()),
                 picPendule->palette().color(QPalette::Base));
    }

    void keystrokeStopsTheAnimationAndEmptiesTheTrail()
    {
        StartAndTick(20);
        QCOMPARE(window_->Points().CountPoint(), 20);
        const QImage before = Child<PictureBox>("picCourbe")->Picture().copy();

        auto* txtLong = Child<QLineEdit>("txtLong");
        txtLong->setFocus();
        txtLong->end(false);
        QTest::keyClick(txtLong, '5'); // "67,05": still a good length
        QCOMPARE(window_->Longueur(), 67.05);
        QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
        QCOMPARE(window_->Points().CountPoint(), 0);
        QCOMPARE(Child<PictureBox>("picCourbe")->Picture(),
                 before); // redrawn only at the next start
    }

    void startAgainRestartsFromTimeZero()
    {
        StartAndTick(30);
        QVERIFY(window_->TempsEcoule() > 4.0);
        Child<QPushButton>("cmdGo")->click();
        QCOMPARE(window_->Points().CountPoint(), 0);
        QVERIFY(Child<QTimer>("tmrCourbe")->isActive());

        window_->TickAnimation(); // no time has passed: the bob is back at (A, 0), one pure red dot
        QCOMPARE(window_->TempsEcoule(), 0.0);
        QCOMPARE(window_->Points().CountPoint(), 1);
        QCOMPARE(QPointF(window_->Points().Point(1)->X0Line, window_->Points().Point(1)->Y0Line),
                 QPointF(kAmplitude, 0));
        QCOMPARE(Child<LineElement>("linFil")->X2(), kAmplitude);
        auto* picCourbe = Child<PictureBox>("picCourbe");
        QCOMPARE(ColourAt(*picCourbe, kAmplitude, 0.0), kPureRed);

        // Half a swing later the old dot is redrawn darker and the new one is pure red.
        Tick(M_PI / window_->OmegaPendule());
        const auto newest = window_->Points().Point(2);
        QVERIFY(newest->X0Line < -2.9);
        QCOMPARE(ColourAt(*picCourbe, kAmplitude, 0.0), QColor(128, 0, 0));
        QCOMPARE(ColourAt(*picCourbe, newest->X0Line, newest->Y0Line), kPureRed);
    }

    void closingStopsTheTimer()
    {
        StartAndTick(3);
        window_->show();
        QVERIFY(window_->close());
        QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
    }
};

QTEST_MAIN(TestFrmFoucault)
#include "tst_frm_foucault.moc"
