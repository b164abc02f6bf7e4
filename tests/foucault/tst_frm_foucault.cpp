// The Foucault-pendulum window on a fake clock: its load picture, the
// length field, the start button and the ticks of its timer, driven by hand.

#include "clock/high_resolution_clock.h"
#include "plot/qt_picture_box.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/foucault/foucault_motion.h"
#include "ui/foucault/frm_foucault.h"
#include "ui/foucault/line_element.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace kestrova;

namespace {

constexpr double kAmplitude = 3.0;

/// The colour of the picture at a point in the box's user coordinates,
/// optionally moved by whole logical pixels.
QColor PictureColourAt(PictureBox& box, double x, double y, int dxPixels = 0, int dyPixels = 0)
{
    const QImage& picture = box.Picture();
    const qreal dpr = picture.devicePixelRatio();
    const double pixelX = std::nearbyint(box.ToPixelX(x)) + dxPixels + 0.5;
    const double pixelY = std::nearbyint(box.ToPixelY(y)) + dyPixels + 0.5;
    const int px = static_cast<int>(std::floor(pixelX * dpr));
    const int py = static_cast<int>(std::floor(pixelY * dpr));
    return picture.pixelColor(px, py);
}

/// Within `tolerance` of the expected colour on each channel (edges are smoothed).
bool Near(const QColor& actual, const QColor& expected, int tolerance = 40)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

class TestFrmFoucault : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadWritesTheDefaultLengthInTheUserLocale_data();
    void loadWritesTheDefaultLengthInTheUserLocale();
    void loadPlacesTheControlsAndStopsTheAnimation();
    void loadDrawsBothViewsAtRest();
    void tabOrderFollowsTheLayout();

    void lengthField_data();
    void lengthField();
    void typingAFrenchDecimalKeepsEveryAcceptablePrefix();

    void startIntervalFollowsTheLength_data();
    void startIntervalFollowsTheLength();
    void ticksGrowTheTrailToAHundredAndKeepIt();
    void firstTickDrawsAPureRedDotAtTheStart();
    void tickMovesStringAndBobTogether();
    void keystrokeStopsTheAnimationAndEmptiesTheTrail();
    void startAgainRestartsFromTimeZero();
    void closingStopsTheTimer();

private:
    void Advance(double seconds) { source_->AdvanceSeconds(seconds); }
    void StartAndTick(int ticks);
    template <typename T> T* Child(const char* name)
    {
        T* child = window_->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }

    std::unique_ptr<FakeCounterSource> source_;
    std::unique_ptr<HighResolutionClock> clock_;
    std::unique_ptr<frmFoucault> window_;
};

void TestFrmFoucault::init()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    source_ = std::make_unique<FakeCounterSource>(3'000'000);
    source_->SetCount(987'654'321);
    clock_ = std::make_unique<HighResolutionClock>(*source_);
    clock_->ReadFrequency();
    window_ = std::make_unique<frmFoucault>(*clock_);
}

void TestFrmFoucault::cleanup()
{
    window_.reset();
    clock_.reset();
    source_.reset();
    QLocale::setDefault(QLocale::c());
}

void TestFrmFoucault::StartAndTick(int ticks)
{
    Child<QPushButton>("cmdGo")->click();
    const double interval = Child<QTimer>("tmrCourbe")->interval() / 1000.0;
    for (int k = 0; k < ticks; ++k) {
        Advance(interval);
        window_->TickAnimation();
    }
}

void TestFrmFoucault::loadWritesTheDefaultLengthInTheUserLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addRow("French: decimal comma") << QLocale(QLocale::French, QLocale::France) << "67,0";
    QTest::addRow("English: decimal point") << QLocale(QLocale::English, QLocale::UnitedStates) << "67.0";
    QTest::addRow("German: decimal comma") << QLocale(QLocale::German, QLocale::Germany) << "67,0";
}

void TestFrmFoucault::loadWritesTheDefaultLengthInTheUserLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    frmFoucault window(*clock_);
    auto* txtLong = window.findChild<QLineEdit*>(QStringLiteral("txtLong"));
    QVERIFY(txtLong);
    QCOMPARE(txtLong->text(), text);
    // The text the window wrote is read back as the same length.
    QCOMPARE(window.Longueur(), 67.0);
    QVERIFY(window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->isEnabled());
}

void TestFrmFoucault::loadPlacesTheControlsAndStopsTheAnimation()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pendule pesant"));
    QCOMPARE(window_->size(), QSize(928, 504));

    // Both views made square (6015 twips), the side view 50 twips right of the ground view.
    QCOMPARE(Child<PictureBox>("picCourbe")->geometry(), QRect(8, 8, 401, 401));
    QCOMPARE(Child<PictureBox>("picPendule")->geometry(), QRect(412, 8, 401, 401));
    // 6185 twips, on whole pixels.
    QVERIFY(std::abs(Child<PictureBox>("picPendule")->Left() - 6185.0) <= kTwipsPerPixel / 2);
    QCOMPARE(Child<QPushButton>("cmdGo")->geometry(), QRect(264, 432, 101, 33));
    QCOMPARE(WithoutMnemonic(Child<QPushButton>("cmdGo")->text()), QStringLiteral(" lancer l'animation"));
    QCOMPARE(Child<QLineEdit>("txtLong")->geometry(), QRect(120, 424, 41, 25));
    QCOMPARE(Child<QLabel>("Label1")->geometry(), QRect(8, 428, 109, 17));
    QCOMPARE(WithoutMnemonic(Child<QLabel>("Label1")->text()), QStringLiteral("Longueur du pendule : "));
    // The refusal message sits clear of the other controls, inside the window.
    const QRect message = Child<QLabel>("lblRefus")->geometry();
    QVERIFY(!message.intersects(Child<QPushButton>("cmdGo")->geometry()));
    QVERIFY(!message.intersects(Child<PictureBox>("picPendule")->geometry()));
    QVERIFY(window_->rect().contains(message));

    QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
    QCOMPARE(window_->Points().CountPoint(), 0);
    QCOMPARE(window_->TempsEcoule(), 0.0);
    QVERIFY(Child<QLabel>("lblRefus")->isHidden());
    QCOMPARE(window_->OmegaPendule(), foucault::OmegaPendule(67.0, foucault::OmegaTerre()));
}

void TestFrmFoucault::loadDrawsBothViewsAtRest()
{
    auto* picPendule = Child<PictureBox>("picPendule");
    auto* picCourbe = Child<PictureBox>("picCourbe");
    QCOMPARE(picPendule->ScaleLeft(), -35.0);
    QCOMPARE(picPendule->ScaleTop(), 69.0);
    QCOMPARE(picPendule->ScaleWidth(), 70.0);
    QCOMPARE(picPendule->ScaleHeight(), -70.0);

    // The string from the pivot to the bob, displaced by 3 m and lifted by about 0.067 m.
    auto* linFil = Child<LineElement>("linFil");
    QVERIFY(std::abs(linFil->X1()) < 1e-9);
    QVERIFY(std::abs(linFil->Y1() - 67.0) < 1e-9);
    QVERIFY(std::abs(linFil->X2() - kAmplitude) < 1e-9);
    QVERIFY(std::abs(linFil->Y2() - 0.0672) < 1e-4);
    // It lies over the drawing area, not in the picture.
    QCOMPARE(linFil->parentWidget(), picPendule);
    QCOMPARE(linFil->geometry(), picPendule->InsideRect());

    // The bob is drawn at the string's end, red; the pivot's vertical is blue.
    QCOMPARE(PictureColourAt(*picPendule, linFil->X2(), linFil->Y2()), QColor(255, 0, 0));
    const QColor background = picPendule->palette().color(QPalette::Base);
    QCOMPARE(PictureColourAt(*picPendule, -20.0, 60.0), background);
    // Ground view: the green mark under the pivot, crossed by the dotted diameter.
    QVERIFY(Near(PictureColourAt(*picCourbe, 0.0, 0.0, 0, -1), QColor(0, 255, 0)));
    QVERIFY(Near(PictureColourAt(*picCourbe, 0.0, 0.0, 0, 1), QColor(0, 255, 0)));
    QCOMPARE(PictureColourAt(*picCourbe, 1.5, 1.5), background);

    // Same as the picture at t = 0 of the motion.
    const auto start = foucault::BobOnGround(kAmplitude, window_->OmegaPendule(), foucault::OmegaTerre(), 0);
    QCOMPARE(start.PosX, linFil->X2());
}

void TestFrmFoucault::tabOrderFollowsTheLayout()
{
    const QList<QWidget*> order = {Child<PictureBox>("picCourbe"), Child<PictureBox>("picPendule"),
                                   Child<QPushButton>("cmdGo"), Child<QLineEdit>("txtLong"),
                                   Child<QLabel>("Label1")};
    for (int k = 0; k + 1 < order.size(); ++k)
        QCOMPARE(order[k]->nextInFocusChain(), order[k + 1]);
}

void TestFrmFoucault::lengthField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("length"); // the window's length afterwards

    // The field held 10 m before each text.
    QTest::addRow("67: accepted") << "67" << true << 67.0;
    QTest::addRow("12,5: decimal comma") << "12,5" << true << 12.5;
    QTest::addRow("12.5: decimal point") << "12.5" << true << 12.5;
    QTest::addRow("' 8 m': blanks and unit") << " 8 m" << true << 8.0;
    QTest::addRow("3,01: just above the amplitude") << "3,01" << true << 3.01;
    QTest::addRow("1000: longest") << "1000" << true << 1000.0;
    QTest::addRow("empty: refused, 10 kept") << "" << false << 10.0;
    QTest::addRow("abc: refused") << "abc" << false << 10.0;
    QTest::addRow("0: refused") << "0" << false << 10.0;
    QTest::addRow("-3: refused") << "-3" << false << 10.0;
    QTest::addRow("3: the amplitude, refused") << "3" << false << 10.0;
    QTest::addRow("1e9: too long, refused") << "1e9" << false << 10.0;
}

void TestFrmFoucault::lengthField()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, length);

    auto* txtLong = Child<QLineEdit>("txtLong");
    auto* cmdGo = Child<QPushButton>("cmdGo");
    auto* lblRefus = Child<QLabel>("lblRefus");
    auto* tmrCourbe = Child<QTimer>("tmrCourbe");
    txtLong->setText(QStringLiteral("10"));
    QCOMPARE(window_->Longueur(), 10.0);

    txtLong->setText(text);
    QCOMPARE(window_->Longueur(), length);
    QCOMPARE(cmdGo->isEnabled(), accepted);
    QCOMPARE(lblRefus->isHidden(), accepted);
    if (!accepted) {
        QVERIFY(lblRefus->text().contains(QStringLiteral("plus de 3 m")));
        QVERIFY(lblRefus->text().contains(QStringLiteral("1000 m")));
    }
    // Scale and frequency follow the length the window keeps.
    auto* picPendule = Child<PictureBox>("picPendule");
    QCOMPARE(picPendule->ScaleLeft(), -(length + 3) / 2);
    QCOMPARE(picPendule->ScaleTop(), length + 2);
    QCOMPARE(window_->OmegaPendule(), foucault::OmegaPendule(length, foucault::OmegaTerre()));

    // A refused text cannot start the animation.
    cmdGo->click();
    QCOMPARE(tmrCourbe->isActive(), accepted);
    if (accepted)
        QCOMPARE(tmrCourbe->interval(), foucault::TimerIntervalMs(length));
}

void TestFrmFoucault::typingAFrenchDecimalKeepsEveryAcceptablePrefix()
{
    auto* txtLong = Child<QLineEdit>("txtLong");
    txtLong->selectAll();
    QTest::keyClick(txtLong, Qt::Key_Delete);
    QVERIFY(!Child<QPushButton>("cmdGo")->isEnabled());

    QTest::keyClick(txtLong, '1'); // 1 m: too short, 67 kept
    QCOMPARE(window_->Longueur(), 67.0);
    QVERIFY(!Child<QPushButton>("cmdGo")->isEnabled());
    QTest::keyClicks(txtLong, QStringLiteral("2,5"));
    QCOMPARE(txtLong->text(), QStringLiteral("12,5"));
    QCOMPARE(window_->Longueur(), 12.5);
    QVERIFY(Child<QPushButton>("cmdGo")->isEnabled());
    QVERIFY(Child<QLabel>("lblRefus")->isHidden());
}

void TestFrmFoucault::startIntervalFollowsTheLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("intervalMs");
    QTest::addRow("67 m") << "67,0" << 164;
    QTest::addRow("4 m") << "4" << 40;
    QTest::addRow("12,5 m") << "12,5" << 71;
}

void TestFrmFoucault::startIntervalFollowsTheLength()
{
    QFETCH(QString, text);
    QFETCH(int, intervalMs);
    Child<QLineEdit>("txtLong")->setText(text);
    QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
    Child<QPushButton>("cmdGo")->click();
    QVERIFY(Child<QTimer>("tmrCourbe")->isActive());
    QCOMPARE(Child<QTimer>("tmrCourbe")->interval(), intervalMs);
    QCOMPARE(clock_->StartCount, source_->QueryCounter());
}

void TestFrmFoucault::ticksGrowTheTrailToAHundredAndKeepIt()
{
    StartAndTick(0);
    const double interval = 0.164;
    for (int tick = 1; tick <= 130; ++tick) {
        Advance(interval);
        window_->TickAnimation();
        QCOMPARE(window_->Points().CountPoint(), std::min(tick, 100));
    }
    // Oldest first: the trail holds the positions of ticks 31 to 130.
    const double omega = foucault::OmegaTerre();
    const double bigOmega = window_->OmegaPendule();
    for (const int position : {1, 50, 100}) {
        const double t = (30 + position) * interval;
        const auto expected = foucault::BobOnGround(kAmplitude, bigOmega, omega, t);
        const auto point = window_->Points().Point(position);
        QVERIFY(std::abs(point->X0Line - expected.PosX) < 1e-9);
        QVERIFY(std::abs(point->Y0Line - expected.PosY) < 1e-9);
    }
    QVERIFY(std::abs(window_->TempsEcoule() - 130 * interval) < 1e-6);
    QVERIFY(Child<QTimer>("tmrCourbe")->isActive());
}

void TestFrmFoucault::firstTickDrawsAPureRedDotAtTheStart()
{
    StartAndTick(0);
    window_->TickAnimation(); // no time has passed: the bob is at (A, 0)
    QCOMPARE(window_->TempsEcoule(), 0.0);
    QCOMPARE(window_->Points().CountPoint(), 1);
    QCOMPARE(window_->Points().Point(1)->X0Line, kAmplitude);
    QCOMPARE(window_->Points().Point(1)->Y0Line, 0.0);
    auto* picCourbe = Child<PictureBox>("picCourbe");
    QCOMPARE(PictureColourAt(*picCourbe, kAmplitude, 0.0), QColor(255, 0, 0));

    // Half a swing later the old dot is redrawn darker and the new one is pure red.
    Advance(M_PI / window_->OmegaPendule());
    window_->TickAnimation();
    const auto newest = window_->Points().Point(2);
    QVERIFY(newest->X0Line < -2.9);
    QCOMPARE(PictureColourAt(*picCourbe, kAmplitude, 0.0), QColor(128, 0, 0));
    QCOMPARE(PictureColourAt(*picCourbe, newest->X0Line, newest->Y0Line), QColor(255, 0, 0));
}

void TestFrmFoucault::tickMovesStringAndBobTogether()
{
    auto* picPendule = Child<PictureBox>("picPendule");
    // Inside the bob drawn at load, clear of its dotted path.
    const double insideLoadBobX = kAmplitude, insideLoadBobY = 0.5;
    QCOMPARE(PictureColourAt(*picPendule, insideLoadBobX, insideLoadBobY), QColor(255, 0, 0));

    StartAndTick(0);
    const double t = 4.0;
    Advance(t);
    window_->TickAnimation();
    const double bigOmega = window_->OmegaPendule();
    auto* linFil = Child<LineElement>("linFil");
    // The string's foot follows the swing, A·cos(Ωt), near the vertical at 4 s of a 16.4 s swing.
    QVERIFY(std::abs(linFil->X2() - kAmplitude * std::cos(bigOmega * t)) < 1e-9);
    QVERIFY(std::abs(linFil->Y1() - 67.0) < 1e-9);
    QCOMPARE(PictureColourAt(*picPendule, linFil->X2(), linFil->Y2()), QColor(255, 0, 0));
    // The bob drawn at load has been cleared away.
    QVERIFY(std::abs(linFil->X2() - kAmplitude) > 2.0);
    QCOMPARE(PictureColourAt(*picPendule, insideLoadBobX, insideLoadBobY),
             picPendule->palette().color(QPalette::Base));
}

void TestFrmFoucault::keystrokeStopsTheAnimationAndEmptiesTheTrail()
{
    StartAndTick(20);
    QCOMPARE(window_->Points().CountPoint(), 20);
    auto* picCourbe = Child<PictureBox>("picCourbe");
    const QImage before = picCourbe->Picture().copy();

    auto* txtLong = Child<QLineEdit>("txtLong");
    txtLong->setFocus();
    txtLong->end(false);
    QTest::keyClick(txtLong, '5'); // "67,05": still a good length
    QCOMPARE(window_->Longueur(), 67.05);
    QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
    QCOMPARE(window_->Points().CountPoint(), 0);
    // Nothing is redrawn until the next start.
    QCOMPARE(picCourbe->Picture(), before);
}

void TestFrmFoucault::startAgainRestartsFromTimeZero()
{
    StartAndTick(30);
    QVERIFY(window_->TempsEcoule() > 4.0);
    Child<QPushButton>("cmdGo")->click();
    QCOMPARE(window_->Points().CountPoint(), 0);
    QVERIFY(Child<QTimer>("tmrCourbe")->isActive());

    window_->TickAnimation();
    QCOMPARE(window_->TempsEcoule(), 0.0);
    QCOMPARE(window_->Points().CountPoint(), 1);
    QCOMPARE(window_->Points().Point(1)->X0Line, kAmplitude);
    QVERIFY(std::abs(Child<LineElement>("linFil")->X2() - kAmplitude) < 1e-9);
}

void TestFrmFoucault::closingStopsTheTimer()
{
    StartAndTick(3);
    QPointer<QTimer> timer = Child<QTimer>("tmrCourbe");
    QVERIFY(timer->isActive());
    window_->setAttribute(Qt::WA_DeleteOnClose);
    frmFoucault* raw = window_.release();
    raw->show();
    raw->close();
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!timer); // gone with the window: no tick can reach it
}

QTEST_MAIN(TestFrmFoucault)
#include "tst_frm_foucault.moc"
