// The Foucault-pendulum window on a fake clock: the length field in several
// locales, the start button and the ticks of its timer, driven by hand.

#include "clock/high_resolution_clock.h"
#include "plot/qt_picture_box.h"
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

class TestFrmFoucault : public QObject {
    Q_OBJECT

    template <typename T>
    T* Child(const char* name)
    {
        return window_->findChild<T*>(QLatin1String(name));
    }
    static void Row(const char* name, const char* locale, const char* text, double length, int ms)
    {
        QTest::newRow(name) << QString(locale) << QString::fromUtf8(text) << length << ms;
    }
    void Open(const QLocale& locale)
    {
        window_.reset();
        QLocale::setDefault(locale);
        window_ = std::make_unique<frmFoucault>(clock_);
    }

    FakeCounterSource source_{3'000'000};
    HighResolutionClock clock_{source_};
    std::unique_ptr<frmFoucault> window_;

private slots:
    void init()
    {
        clock_.ReadFrequency();
        Open(QLocale(QLocale::French, QLocale::France));
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void lengthField_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");   // typed; empty: the one written at load
        QTest::addColumn<double>("length");  // afterwards; 10 m before, kept when refused
        QTest::addColumn<int>("intervalMs"); // of the timer once started; 0: refused

        Row("load, French", "fr_FR", "", 67.0, 164);
        Row("load, English", "en_US", "", 67.0, 164);
        Row("load, Persian", "fa_IR", "", 67.0, 164);
        Row("load, Egyptian Arabic", "ar_EG", "", 67.0, 164);
        Row("12,5 in French", "fr_FR", "12,5", 12.5, 71);
        Row("12,5 in English: 12", "en_US", "12,5", 12.0, 69);
        Row("blanks ignored", "fr_FR", "6 7", 67.0, 164);
        Row("4 m", "fr_FR", "4", 4.0, 40);
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
        Open(QLocale(locale));
        auto* txtLong = Child<QLineEdit>("txtLong");
        if (text.isEmpty()) {
            // Written with ASCII digits and the locale's separator, and read back.
            QCOMPARE(txtLong->text(), "67" + QLocale(locale).decimalPoint() + "0");
        } else {
            txtLong->setText(QStringLiteral("10"));
            txtLong->setText(text);
        }
        QCOMPARE(window_->Longueur(), length);
        QCOMPARE(Child<QPushButton>("cmdGo")->isEnabled(), intervalMs > 0);
        QCOMPARE(Child<QLabel>("lblRefus")->isHidden(), intervalMs > 0);

        Child<QPushButton>("cmdGo")->click();
        QCOMPARE(Child<QTimer>("tmrCourbe")->isActive(), intervalMs > 0);
        if (intervalMs > 0)
            QCOMPARE(Child<QTimer>("tmrCourbe")->interval(), intervalMs);
    }

    void startAgainRestartsFromRestAndAKeystrokeStops()
    {
        auto* linFil = Child<LineElement>("linFil");
        QCOMPARE(linFil->X2(), 3.0); // at load: displaced by 3 m, lifted by about 0.067 m
        QVERIFY(std::abs(linFil->Y2() - 0.0672) < 1e-4);
        Child<QPushButton>("cmdGo")->click();
        for (int k = 1; k <= 120; ++k) {
            source_.AdvanceSeconds(0.164);
            window_->AnimationTick();
        }

        Child<QPushButton>("cmdGo")->click();
        QCOMPARE(window_->Points().CountPoint(), 0);
        window_->AnimationTick(); // no time has passed: one pure red dot at (3, 0)
        QCOMPARE(window_->Points().CountPoint(), 1);
        QCOMPARE(QPointF(window_->Points().Point(1)->X0Line, window_->Points().Point(1)->Y0Line),
                 QPointF(3.0, 0.0));
        auto* picCourbe = Child<PictureBox>("picCourbe");
        const QImage& picture = picCourbe->Picture();
        const auto device = [&](double pixel) {
            return static_cast<int>(
                std::floor((std::nearbyint(pixel) + 0.5) * picture.devicePixelRatio()));
        };
        QCOMPARE(picture.pixelColor(device(picCourbe->ToPixelX(3)), device(picCourbe->ToPixelY(0))),
                 QColor(255, 0, 0));

        auto* txtLong = Child<QLineEdit>("txtLong");
        txtLong->end(false);
        QTest::keyClick(txtLong, '5'); // "67,05": still a good length
        QCOMPARE(window_->Longueur(), 67.05);
        QVERIFY(!Child<QTimer>("tmrCourbe")->isActive());
        QCOMPARE(window_->Points().CountPoint(), 0);
    }
};

QTEST_MAIN(TestFrmFoucault)
#include "tst_frm_foucault.moc"
