// The Foucault-pendulum window on a fake clock: the length field in several
// locales, the start button and the ticks of its timer, driven by hand.

#include "clock/high_resolution_clock.h"
#include "model/foucault_motion.h"
#include "plot/qt_picture_box.h"
#include "ui/foucault/frm_foucault.h"
#include "ui/foucault/line_element.h"
#include "ui/foucault/plane_readout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace kestrova;

class TestFrmFoucault : public QObject {
    Q_OBJECT

    template <typename T>
    T* Child(const char* name)
    {
        return window_->findChild<T*>(QLatin1String(name));
    }
    FakeCounterSource source_{3'000'000};
    HighResolutionClock clock_{source_};
    std::unique_ptr<frmFoucault> window_;

private slots:
    void initTestCase() { clock_.ReadFrequency(); }
    void cleanup()
    {
        window_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void lengthField_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");   // typed; empty: the one written at load
        QTest::addColumn<double>("length");  // afterwards; 10 m before, kept when refused
        QTest::addColumn<int>("intervalMs"); // of the timer once started; 0: refused
        const auto Row = [](const char* row, const char* loc, const char* text, double m, int ms) {
            QTest::newRow(row) << QString(loc) << QString::fromUtf8(text) << m << ms;
        };
        Row("load, French", "fr_FR", "", 67.0, 164);
        Row("load, Persian", "fa_IR", "", 67.0, 164);
        Row("load, Egyptian Arabic", "ar_EG", "", 67.0, 164);
        Row("12,5 in French", "fr_FR", "12,5", 12.5, 71);
        Row("12,5 in English: 12", "en_US", "12,5", 12.0, 69);
        Row("blanks ignored", "fr_FR", "6 7", 67.0, 164);
        Row("Persian digits", "fa_IR", "۶۷٫۵", 67.5, 164);
        Row("Arabic digits", "ar_EG", "١٢٫٥", 12.5, 71);
        Row("nothing: refused", "fr_FR", " ", 10.0, 0);
    }
    void lengthField()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, length);
        QFETCH(int, intervalMs);
        QLocale::setDefault(QLocale(locale));
        window_ = std::make_unique<frmFoucault>(clock_);
        auto* txtLong = Child<QLineEdit>("txtLong");
        if (!text.isEmpty()) {
            txtLong->setText(QStringLiteral("10"));
            txtLong->setText(text);
        }
        // At load: written with ASCII digits and the locale's separator, and read back.
        QCOMPARE(txtLong->text(), text.isEmpty() ? "67" + QLocale().decimalPoint() + "0" : text);
        QCOMPARE(window_->Longueur(), length);
        QCOMPARE(Child<QPushButton>("cmdGo")->isEnabled(), intervalMs > 0);
        Child<QPushButton>("cmdGo")->click();
        auto* timer = Child<QTimer>("tmrCourbe");
        QCOMPARE(timer->isActive() ? timer->interval() : 0, intervalMs);
    }

    // In slow motion the ticks keep their interval in simulated time, and
    // so the trail its spacing; a change of pace while running loses nothing.
    void slowMotion()
    {
        window_ = std::make_unique<frmFoucault>(clock_);
        Child<QPushButton>("cmdGo")->click();
        source_.AdvanceSeconds(1);
        window_->AnimationTick();
        window_->SetSlowMotion(0.25);
        QCOMPARE(Child<QTimer>("tmrCourbe")->interval(), 656);
        source_.AdvanceSeconds(0.656);
        window_->AnimationTick();
        QCOMPARE(window_->TempsEcoule(), 1.164);
    }

    // With the defaults the bob goes exactly where it always went. The
    // measured rate waits for two whole swings, then holds the law, 975,87
    // °/h clockwise, within its uncertainty.
    void defaultPlaceMovesAsBefore()
    {
        window_ = std::make_unique<frmFoucault>(clock_);
        Child<QPushButton>("cmdGo")->click();
        const ClockValue start = clock_.Read();
        const double omega = foucault::OmegaTerre();
        const double bigOmega = foucault::OmegaPendule(67.0, omega);
        for (int k = 1; k <= 300; ++k) {
            source_.AdvanceSeconds(0.164);
            window_->AnimationTick();
            const auto bob = foucault::BobOnGround(foucault::kAmplitude, bigOmega, omega,
                                                   clock_.SecondsBetween(start, clock_.Read()));
            const auto newest = window_->Points().Point(window_->Points().CountPoint());
            QVERIFY(newest->X0Line == bob.PosX && newest->Y0Line == bob.PosY);
            const QString measured = Child<QLabel>("lblVitesseMesuree")->text();
            if (window_->TempsEcoule() < 2 * 16.42)
                QCOMPARE(measured, QStringLiteral("pas encore mesurable"));
        }
        QCOMPARE(Child<QLabel>("lblTempsSimule")->text(), QStringLiteral("0 h 00 min 49 s"));
        QCOMPARE(Child<QLabel>("lblPeriode")->text(), QStringLiteral("16.42 s"));
        QCOMPARE(Child<QLabel>("lblVitesseMesuree")->text(),
                 QStringLiteral("975.9 ± 0.1 °/h, sens horaire"));
    }

    void measuredRateText_data()
    {
        QTest::addColumn<double>("degreesPerHour"); // clockwise
        QTest::addColumn<double>("uncertainty");
        QTest::addColumn<QString>("text");
        QTest::newRow("coarse") << 975.87 << 43.0 << "976 ± 43 °/h, sens horaire";
        QTest::newRow("rounded up") << -975.87 << 0.31 << "975,9 ± 0,4 °/h, sens antihoraire";
        QTest::newRow("at most one decimal") << 11.3263 << 0.0004 << "11,3 ± 0,1 °/h, sens horaire";
        QTest::newRow("no turning") << -0.0001 << 0.0 << "0,0 ± 0,0 °/h";
    }
    void measuredRateText()
    {
        QFETCH(double, degreesPerHour);
        QFETCH(double, uncertainty);
        QFETCH(QString, text);
        const double perHour = DegToRad / 3600;
        QCOMPARE(foucault::MeasuredRateText(
                     foucault::PlaneRate{degreesPerHour * perHour, uncertainty * perHour},
                     QLocale(QLocale::French)),
                 text);
    }

    void placeAndReadout_data()
    {
        QTest::addColumn<QString>("place");     // a preset's button, or a typed latitude
        QTest::addColumn<int>("factor");        // index: ×1, ×60, ×600, ×3600
        QTest::addColumn<QString>("direction"); // of the law's rate; empty: none
        QTest::addColumn<QString>("fullTurn");
        QTest::newRow("Paris") << "cmdParis" << 3 << "sens horaire"
                               << "31,79 h";
        QTest::newRow("Sydney") << "cmdSydney" << 3 << "sens antihoraire"
                                << "42,95 h";
        QTest::newRow("equator") << "cmdEquateur" << 3 << ""
                                 << "jamais";
        QTest::newRow("typed, south") << "45 S" << 2 << "sens antihoraire"
                                      << "33,85 h";
        QTest::newRow("typed in minutes") << "33°52'12\" S" << 3 << "sens antihoraire"
                                          << "42,95 h";
        QTest::newRow("refused") << "95" << 3 << ""
                                 << "";
        QTest::newRow("refused, unreadable") << "45 30 N" << 3 << ""
                                             << "";
    }
    void placeAndReadout()
    {
        QFETCH(QString, place);
        QFETCH(int, factor);
        QFETCH(QString, direction);
        QFETCH(QString, fullTurn);
        QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
        window_ = std::make_unique<frmFoucault>(clock_);
        Child<QComboBox>("cboJour")->setCurrentIndex(1);
        Child<QComboBox>("cboFacteur")->setCurrentIndex(factor);
        if (auto* preset = Child<QPushButton>(place.toLatin1().constData()))
            preset->click();
        else
            Child<QLineEdit>("txtLatitude")->setText(place);
        const auto* refusal = Child<QLabel>("lblRefusLatitude");
        QCOMPARE(refusal->isVisibleTo(window_.get()), fullTurn.isEmpty());
        QCOMPARE(Child<QPushButton>("cmdGo")->isEnabled(), !fullTurn.isEmpty());
        if (fullTurn.isEmpty()) {
            // A refusal reads as a warning, in red, not in the panel's black.
            const QColor ink = refusal->palette().color(QPalette::WindowText);
            QVERIFY2(ink.red() > 150 && ink.green() < 60 && ink.blue() < 60,
                     qPrintable(ink.name()));
            QCOMPARE(refusal->text().startsWith("Latitude hors limites"), place == "95");
            // The greyed readout shows no figures of the latitude kept.
            for (const char* name : {"lblTempsSimule", "lblPeriode", "lblAngleTourne",
                                     "lblVitesseLoi", "lblTourComplet", "lblVitesseMesuree"})
                QCOMPARE(Child<QLabel>(name)->text(), QString());
            return;
        }
        QCOMPARE(Child<QLabel>("lblTourComplet")->text(), fullTurn);

        // One simulated hour and a little more, in ticks of 164 ms.
        Child<QPushButton>("cmdGo")->click();
        while (window_->TempsEcoule() < 3600) {
            source_.AdvanceSeconds(0.164);
            window_->AnimationTick();
        }
        const double law = window_->OmegaTerre();
        const double measured = window_->Meter().ClockwiseRate().value_or(1);
        QVERIFY2(std::abs(measured - law) <= 0.01 * std::abs(law) + 1e-12,
                 qPrintable(QStringLiteral("%1 against %2 rad/s").arg(measured).arg(law)));
        QVERIFY(Child<QLabel>("lblTempsSimule")->text().startsWith(QStringLiteral("1 h ")));
        for (const char* name : {"lblAngleTourne", "lblVitesseLoi", "lblVitesseMesuree"})
            QCOMPARE(Child<QLabel>(name)->text().section(QStringLiteral(", "), 1), direction);

        // Another place stops the run and starts the readout afresh.
        Child<QPushButton>("cmdPoleNord")->click();
        QVERIFY(!Child<QTimer>("tmrCourbe")->isActive() && window_->Points().CountPoint() == 0);
        QCOMPARE(Child<QLabel>("lblTempsSimule")->text(), QStringLiteral("0 h 00 min 00 s"));
    }

    void startAgainEmptiesTheTrailAndRestartsFromRest()
    {
        window_ = std::make_unique<frmFoucault>(clock_);
        auto* linFil = Child<LineElement>("linFil");
        // At load: displaced by 3 m, lifted by about 0.067 m.
        QVERIFY(linFil->X2() == 3.0 && std::abs(linFil->Y2() - 0.0672) < 1e-4);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Pendule pesant"));
        // The side view stands beside the ground view, not over it.
        QVERIFY(Child<PictureBox>("picPendule")->geometry().left()
                > Child<PictureBox>("picCourbe")->geometry().right());
        Child<QPushButton>("cmdGo")->click();
        for (int k = 1; k <= 120; ++k) {
            source_.AdvanceSeconds(0.164);
            window_->AnimationTick();
        }
        QVERIFY(std::abs(linFil->X2()) < 2); // 1.2 swings later the string follows the bob
        Child<QPushButton>("cmdGo")->click();
        QCOMPARE(window_->Points().CountPoint(), 0);
        window_->AnimationTick(); // no time has passed: one pure red dot at (3, 0)
        auto* picCourbe = Child<PictureBox>("picCourbe");
        const QImage& picture = picCourbe->Picture();
        const QPointF dot(std::nearbyint(picCourbe->ToPixelX(3)),
                          std::nearbyint(picCourbe->ToPixelY(0)));
        QCOMPARE(picture.pixelColor((dot * picture.devicePixelRatio()).toPoint()),
                 QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestFrmFoucault)
#include "tst_frm_foucault.moc"
