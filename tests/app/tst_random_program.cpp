// The whole program driven by long random sequences of user actions: the real
// frame with both simulation windows, on a fake clock, headless. After every
// action the program must still be sound (Session::Check). A failure names
// its seed and the action that broke an invariant; the seed replays it.
//
// Environment:
//   KESTROVA_RANDOM_SEEDS=a..b   seeds to run (default 1..20)
//   KESTROVA_RANDOM_ACTIONS=n    actions per seed (default 5000)
//   KESTROVA_RANDOM_TRACE=1      print every action before it runs

#include "tests/support/recording_surface.h"
#include "tests/support/test_window.h"

#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"
#include "model/foucault_motion.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/frm_foucault.h"
#include "ui/foucault/length_field.h"
#include "ui/foucault/line_element.h"

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTimer>
#include <QVariant>
#include <QtTest>

#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <numbers>
#include <numeric>
#include <optional>
#include <random>

using namespace kestrova;
using kestrova::testing::ChildOf;
using kestrova::testing::RecordingSurface;

namespace {

/// The random source: the engine's sequence is the same with any standard
/// library, so a seed replays a session anywhere (no distributions used).
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : engine_(seed)
    { }
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    bool Chance(double p) { return Unit() < p; }

private:
    std::mt19937_64 engine_;
};

/// A failure message: `format` with %1, %2, ... replaced by the values,
/// doubles with every digit so that a failure shows exact values.
template <typename... T>
QString Why(const char* format, const T&... values)
{
    QString text = QString::fromUtf8(format);
    ((text = text.arg(QVariant::fromValue(values).toString())), ...);
    return text;
}

enum class Kind : int {
    SliderKey,     ///< a key on slider `target`
    GoClick,       ///< the start/pause toggle
    PosInit,       ///< "Position initiale"
    ApproxClick,   ///< the small-angle check box
    ShowDamped,    ///< menu (`target` 0) or its shortcut (1): the damped pendulum
    ShowFoucault,  ///< the same for the Foucault pendulum
    CloseFoucault, ///< the Foucault sub-window's close button
    LengthType,    ///< select the length text and type `text`, key by key
    LengthPaste,   ///< select the length text and paste `text`
    FoucaultStart, ///< the Foucault start button
    Tick,          ///< `counts` of the counter pass, then the running timers fire
    Repaint,       ///< the event queue is flushed: layouts, paints, deletions
    Count
};
constexpr int kKinds = static_cast<int>(Kind::Count);

struct Action {
    Kind kind = Kind::Tick;
    int target = 0;
    int amount = 0;
    std::int64_t counts = 0;
    QString text;
};

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text.left(40) + QLatin1Char('"');
}

/// What a seed decides besides the actions: the counter frequency and the locale.
struct Config {
    std::uint64_t seed = 1;
    std::int64_t frequency = 1'000'000'000;
    QLocale locale;
};

Config ConfigFor(std::uint64_t seed)
{
    static const std::array<std::int64_t, 4> frequencies{1'000'000'000, 3'579'545, 10'000'000,
                                                         2'400'000'000};
    static const std::array<QLocale, 4> locales{
        QLocale(QLocale::French, QLocale::France), QLocale::c(),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Persian, QLocale::Iran)};
    return {seed, frequencies[seed % 4], locales[(seed / 4) % 4]};
}

/// Length texts: accepted ones, every kind of refused one, random and huge ones.
QString RandomLengthText(Rng& rng)
{
    static const QStringList pool =
        QStringLiteral(
            "67|4|3.5|12,5| 8 m|2e2|1E3|42abc|6 7|۶۷٫۵||0|3|-5|1e400|abc|é|١٢|.|-|e5|nan|inf|0x1A|"
            "1000.0001|12345678901234567890e-17")
            .split(QLatin1Char('|'));
    if (rng.Chance(0.6))
        return pool[rng.Below(static_cast<int>(pool.size()))];
    if (rng.Chance(0.7)) {
        static const QString alphabet = QStringLiteral("0123456789.,-+eE xé\u00A0٣");
        QString text;
        for (int i = 0, length = rng.Below(10); i < length; ++i)
            text += alphabet[rng.Below(static_cast<int>(alphabet.size()))];
        return text;
    }
    const int length = rng.Chance(0.8) ? rng.Between(20, 400) : rng.Between(5000, 40000);
    QString text(length, QLatin1Char('9'));
    if (rng.Chance(0.5))
        text.insert(rng.Below(length), QLatin1Char('.'));
    return text;
}

/// Nothing, the 1 ms timer and its hiccups, up to a second, the window
/// dragged or the machine asleep.
std::int64_t RandomTickCounts(Rng& rng, std::int64_t frequency)
{
    const int kind = rng.Below(100);
    const double longest = kind < 15 ? 0 : kind < 60 ? 0.005 : kind < 85 ? 1.0 : 30.0;
    return std::llround(rng.Unit() * longest * static_cast<double>(frequency));
}

constexpr std::array<const char*, 4> kSliderNames{"sldTeta0", "sldOmega0", "sldPulsation",
                                                  "sldLambda"};
constexpr std::array<Qt::Key, 8> kSliderKeys{Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                             Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                             Qt::Key_Home, Qt::Key_End};

QSlider* SliderOf(QWidget* window, int index)
{
    return ChildOf<QSlider>(window, kSliderNames[static_cast<std::size_t>(index)]);
}

using SliderTuple = std::array<int, 4>;

SliderTuple SlidersOf(QWidget* window)
{
    SliderTuple values{};
    for (int i = 0; i < 4; ++i)
        values[static_cast<std::size_t>(i)] = SliderOf(window, i)->value();
    return values;
}

/// What the actions reached, over all sessions: a run that never ticks a
/// running animation or never gets a length accepted proves little.
struct Coverage {
    std::int64_t sliderValues = 0, dampedTicks = 0, foucaultTicks = 0, automaticStops = 0;
    std::int64_t foucaultStarts = 0, acceptedTexts = 0, refusedTexts = 0, fullTrails = 0;
};

class Session {
public:
    Session(const Config& config, Coverage& coverage)
        : config_(config)
        , coverage_(coverage)
        , source_(config.frequency)
    {
        QLocale::setDefault(config.locale);
        // Counts far from zero: the clock must only ever use differences.
        source_.SetCount(static_cast<std::int64_t>(config.seed % 7) * 1'000'000'000'000LL);
        frame_ = std::make_unique<MDIBrunmalt>(source_);
        frame_->quitApplication = [this] { ++quits_; };
        frame_->resize(1024, 781);
        frame_->show();
        frame_->activateWindow();
        // Shortcuts reach an exposed, active window only.
        if (!QTest::qWaitForWindowActive(frame_.get()))
            qWarning("the frame did not become active: shortcuts may not arrive");
        Follow();
    }

    ~Session()
    {
        frame_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale::c());
    }

    Action Generate(Rng& rng) const;
    void Execute(const Action& a);
    /// Empty when every invariant holds; otherwise what is wrong.
    QString Check();

private:
    void Follow();
    void Tick(std::int64_t counts);
    QString CheckDamped(frmPenduleAmorti* w);
    QString CheckFoucault(frmFoucault* w);
    double SecondsSince(std::int64_t start)
    {
        return static_cast<double>(source_.QueryCounter() - start)
            / static_cast<double>(config_.frequency);
    }

    Config config_;
    Coverage& coverage_;
    FakeCounterSource source_;
    std::unique_ptr<MDIBrunmalt> frame_;
    int quits_ = 0;
    bool dampedOpen_ = true, foucaultOpen_ = false;

    QPointer<frmPenduleAmorti> damped_;
    bool viewChosen_ = false; ///< the view switch has run at least once
    QString fault_;
    QString openError_; ///< what was wrong with a window as it opened
    QString typed_;     ///< what the last length action left in the field; null: nothing to check
    // The animation clock as the user lived it: seconds accumulated before
    // the last start, and seconds from that start to the last tick.
    double cumul_ = 0, temps_ = 0;
    std::int64_t dampedStart_ = 0;

    QPointer<frmFoucault> foucault_;
    double expectedLength_ = foucault::kDefaultLength;
    bool expectedRunning_ = false;
    std::int64_t startCount_ = 0;
    std::deque<std::int64_t> trailCounts_; ///< counter readings of the ticks the trail holds
};

Action Session::Generate(Rng& rng) const
{
    // Weights per state of the program, in the order of Kind. A running
    // animation is mostly left to run, so that long runs, automatic stops
    // and full trails happen; a stopped one is mostly played with.
    using Weights = std::array<int, kKinds>;
    static constexpr Weights kDampedRunning{24, 30, 5, 8, 1, 4, 0, 0, 0, 0, 900, 5};
    static constexpr Weights kDampedStopped{240, 250, 40, 40, 8, 25, 0, 0, 0, 0, 150, 15};
    static constexpr Weights kFoucaultRunning{0, 0, 0, 0, 2, 1, 1, 3, 2, 2, 986, 2};
    static constexpr Weights kFoucaultStopped{0, 0, 0, 0, 60, 20, 20, 250, 150, 350, 50, 20};
    static constexpr Weights kNothingOpen{0, 0, 0, 0, 500, 300, 0, 0, 0, 0, 200, 0};
    frmPenduleAmorti* damped = frame_->DampedWindow();
    frmFoucault* foucault = frame_->FoucaultWindow();
    const Weights& weights = damped != nullptr
        ? (ChildOf<QTimer>(damped, "tmrPendule")->isActive() ? kDampedRunning : kDampedStopped)
        : foucault != nullptr
        ? (ChildOf<QTimer>(foucault, "tmrCourbe")->isActive() ? kFoucaultRunning : kFoucaultStopped)
        : kNothingOpen;
    int roll = rng.Below(std::accumulate(weights.begin(), weights.end(), 0));
    Action a;
    for (int k = 0; k < kKinds; roll -= weights[static_cast<std::size_t>(k++)]) {
        if (roll < weights[static_cast<std::size_t>(k)]) {
            a.kind = static_cast<Kind>(k);
            break;
        }
    }
    a.target = rng.Below(4);
    a.amount = rng.Below(8);
    if (a.kind == Kind::LengthType || a.kind == Kind::LengthPaste)
        a.text = a.kind == Kind::LengthType ? RandomLengthText(rng).left(400) // typed by hand
                                            : RandomLengthText(rng);
    if (a.kind == Kind::Tick)
        a.counts = RandomTickCounts(rng, config_.frequency);
    return a;
}

void Session::Execute(const Action& a)
{
    frmPenduleAmorti* damped = frame_->DampedWindow();
    frmFoucault* foucault = frame_->FoucaultWindow();
    typed_ = QString();
    QSlider* slider = damped != nullptr ? SliderOf(damped, a.target) : nullptr;
    QLineEdit* field = foucault != nullptr ? ChildOf<QLineEdit>(foucault, "txtLong") : nullptr;
    switch (a.kind) {
    case Kind::SliderKey:
        QTest::keyClick(slider, kSliderKeys[static_cast<std::size_t>(a.amount)]);
        break;
    case Kind::GoClick: {
        auto* go = ChildOf<QPushButton>(damped, "chkGo");
        if (go->isChecked()) {
            cumul_ += temps_; // pause: the time the last tick reached
        } else {
            dampedStart_ = source_.QueryCounter();
            temps_ = 0;
        }
        QTest::mouseClick(go, Qt::LeftButton);
        break;
    }
    case Kind::PosInit:
        cumul_ = temps_ = 0;
        QTest::mouseClick(ChildOf<QPushButton>(damped, "cmdPosInit"), Qt::LeftButton);
        break;
    case Kind::ApproxClick:
        ChildOf<QCheckBox>(damped, "chkApproxi")->click();
        viewChosen_ = true;
        break;
    case Kind::ShowDamped:
    case Kind::ShowFoucault: {
        const bool toDamped = a.kind == Kind::ShowDamped;
        if (a.target % 2 == 1)
            QTest::keyClick(frame_.get(), toDamped ? Qt::Key_1 : Qt::Key_2, Qt::ControlModifier);
        else
            (toDamped ? frame_->DampedAction() : frame_->FoucaultAction())->trigger();
        dampedOpen_ = toDamped;
        foucaultOpen_ = !toDamped;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
    case Kind::CloseFoucault:
        qobject_cast<QMdiSubWindow*>(foucault->parentWidget())->close();
        foucaultOpen_ = false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    case Kind::LengthType:
    case Kind::LengthPaste:
        // A click into the field (the input method writes into the focus
        // widget only), then everything selected and replaced.
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typed_ = a.text.left(field->maxLength());
        if (a.kind == Kind::LengthPaste || a.text.isEmpty()) {
            field->insert(a.text);
            if (a.text.isEmpty())
                QTest::keyClick(field, Qt::Key_Delete);
            break;
        }
        for (const QChar c : a.text) {
            if (c.unicode() < 0x80 && c.isPrint()) {
                QTest::keyClick(field, c.toLatin1());
            } else { // what no key of the keyboard gives comes from the input method
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(field, &commit);
            }
        }
        break;
    case Kind::FoucaultStart: {
        auto* go = ChildOf<QPushButton>(foucault, "cmdGo");
        if (go->isEnabled()) {
            ++coverage_.foucaultStarts;
            expectedRunning_ = true;
            startCount_ = source_.QueryCounter();
            trailCounts_.clear();
        }
        QTest::mouseClick(go, Qt::LeftButton);
        break;
    }
    case Kind::Tick:
        Tick(a.counts);
        break;
    case Kind::Repaint:
    case Kind::Count:
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
    Follow();
}

void Session::Tick(std::int64_t counts)
{
    source_.AdvanceCounts(counts);
    if (frmPenduleAmorti* damped = frame_->DampedWindow()) {
        auto* timer = ChildOf<QTimer>(damped, "tmrPendule");
        if (timer->isActive()) {
            viewChosen_ = true;
            temps_ = SecondsSince(dampedStart_);
            QMetaObject::invokeMethod(timer, "timeout");
            if (!timer->isActive())
                cumul_ += temps_; // the automatic stop pauses
            ++coverage_.dampedTicks;
            coverage_.automaticStops += !timer->isActive();
        }
    }
    if (frmFoucault* foucault = frame_->FoucaultWindow()) {
        auto* timer = ChildOf<QTimer>(foucault, "tmrCourbe");
        if (timer->isActive()) {
            trailCounts_.push_back(source_.QueryCounter());
            if (trailCounts_.size() > static_cast<std::size_t>(foucault::kTrailLength))
                trailCounts_.pop_front();
            QMetaObject::invokeMethod(timer, "timeout");
            ++coverage_.foucaultTicks;
            coverage_.fullTrails += foucault->Points().CountPoint() == foucault::kTrailLength;
        }
    }
}

/// Takes up a newly opened window: hooks and expectations.
void Session::Follow()
{
    frmPenduleAmorti* damped = frame_->DampedWindow();
    if (damped != nullptr && damped != damped_) {
        damped_ = damped;
        cumul_ = temps_ = 0;
        viewChosen_ = false;
        damped->SetFaultReporter([this](const QString& message) { fault_ = message; });
        for (int i = 0; i < 4; ++i)
            QObject::connect(SliderOf(damped, i), &QAbstractSlider::valueChanged, damped, [this] {
                // Every value a slider passes through resets the window.
                ++coverage_.sliderValues;
                cumul_ = temps_ = 0;
            });
    }
    frmFoucault* foucault = frame_->FoucaultWindow();
    if (foucault != nullptr && foucault != foucault_) {
        foucault_ = foucault;
        // A fresh window can start at once, with its default length.
        if (!ChildOf<QPushButton>(foucault, "cmdGo")->isEnabled())
            openError_ = Why("opened with %1 refused",
                             Quoted(ChildOf<QLineEdit>(foucault, "txtLong")->text()));
        expectedLength_ = foucault::kDefaultLength;
        expectedRunning_ = false;
        trailCounts_.clear();
        QObject::connect(ChildOf<QLineEdit>(foucault, "txtLong"), &QLineEdit::textChanged, foucault,
                         [this](const QString& text) {
                             expectedRunning_ = false;
                             trailCounts_.clear();
                             const auto reading = foucault::ReadLengthText(text, QLocale());
                             if (reading.Accepted())
                                 expectedLength_ = reading.Length;
                             ++(reading.Accepted() ? coverage_.acceptedTexts
                                                   : coverage_.refusedTexts);
                         });
    }
}

QString Session::Check()
{
    if (quits_ != 0)
        return Why("the program ended (%1 exit calls)", quits_);
    if (!openError_.isEmpty())
        return openError_;
    const QList<QMdiSubWindow*> subs = frame_->MdiArea().subWindowList();
    const bool dampedShown = frame_->DampedWindow() != nullptr;
    const bool foucaultShown = frame_->FoucaultWindow() != nullptr;
    if (dampedShown != dampedOpen_ || foucaultShown != foucaultOpen_
        || subs.size() != int(dampedOpen_) + int(foucaultOpen_))
        return Why("%1 sub-windows, damped %2, Foucault %3; expected damped %4, Foucault %5",
                   subs.size(), dampedShown, foucaultShown, dampedOpen_, foucaultOpen_);
    for (QMdiSubWindow* sub : subs)
        if (!sub->isVisible())
            return Why("a sub-window is open but hidden");
    QString error;
    if (dampedShown && !(error = CheckDamped(frame_->DampedWindow())).isEmpty())
        return QStringLiteral("damped window: ") + error;
    if (foucaultShown && !(error = CheckFoucault(frame_->FoucaultWindow())).isEmpty())
        return QStringLiteral("Foucault window: ") + error;
    return {};
}

QString Session::CheckDamped(frmPenduleAmorti* w)
{
    const PenduleState& s = w->Run().State();
    for (double v :
         {s.Teta0, s.Omega0, s.Pulsation2, s.Lambda, s.Teta, s.Omega, s.TetaApprox, s.OmegaApprox,
          s.Temps, s.TempsPrec, s.TempsCumul, s.TetaMax, s.OmegaMax, s.DureeTrace})
        if (!std::isfinite(v))
            return Why("a value of the model state is %1", v);
    if (!fault_.isEmpty())
        return QStringLiteral("a fault was reported: ") + fault_;
    if (!(s.Teta > -std::numbers::pi && s.Teta <= std::numbers::pi))
        return Why("angle %1 outside (-pi, pi]", s.Teta);

    // The model holds exactly what the sliders say.
    const SliderTuple sliders = SlidersOf(w);
    const Parameters p =
        ParametersFromSliders(SliderValues{sliders[0], sliders[1], sliders[2], sliders[3]});
    if (s.Teta0 != p.Teta0 || s.Omega0 != p.Omega0 || s.Pulsation2 != p.Pulsation2
        || s.Lambda != p.Lambda)
        return Why("model parameters (%1, %2, %3, %4) differ from the sliders", s.Teta0, s.Omega0,
                   s.Pulsation2, s.Lambda);

    // Captions in the user's locale, never with other digits than ASCII.
    for (const QLabel* label : w->findChildren<QLabel*>())
        if (label->text().contains(QRegularExpression(QStringLiteral("(?![0-9])\\d"))))
            return Why("%1 shows digits that are not ASCII: \"%2\"", label->objectName(),
                       label->text());

    // Toggle, its caption and the timer agree.
    auto* go = ChildOf<QPushButton>(w, "chkGo");
    auto* timer = ChildOf<QTimer>(w, "tmrPendule");
    const QString caption = go->text().remove(QLatin1Char('&'));
    if (caption != (go->isChecked() ? "Suspendre l'animation" : "Lancer l'animation")
        || timer->isActive() != go->isChecked())
        return Why("toggle down %1 with caption \"%2\", timer running %3", go->isChecked(), caption,
                   timer->isActive());

    // Displayed time is the time the animation ran: pauses and the time
    // between the last tick and a pause do not count.
    auto near = [](double a, double b) {
        return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
    };
    if (!near(s.TempsCumul, cumul_) || !near(s.Temps, temps_) || !(s.TempsPrec <= s.Temps))
        return Why("TempsCumul %1, Temps %2, TempsPrec %3; the animation ran %4 + %5 s",
                   s.TempsCumul, s.Temps, s.TempsPrec, cumul_, temps_);
    // Energy: the damping only takes it away; the integration may not add any.
    auto energy = [&s](double teta, double omega) {
        return omega * omega / 2 + s.Pulsation2 * (1 - std::cos(teta));
    };
    if (energy(s.Teta, s.Omega) > energy(s.Teta0, s.Omega0) * (1 + 1e-6) + 1e-12)
        return Why("energy grew from %1 to %2", energy(s.Teta0, s.Omega0), energy(s.Teta, s.Omega));

    // The visible member of each plot pair follows the check box once chosen.
    if (viewChosen_) {
        const bool approx = ChildOf<QCheckBox>(w, "chkApproxi")->isChecked();
        const DampedSurfaces& boxes = w->Surfaces();
        if (boxes.picOscillation[0]->Visible() == approx || boxes.picPhase[0]->Visible() == approx
            || boxes.picOscillation[1]->Visible() != approx
            || boxes.picPhase[1]->Visible() != approx)
            return Why("plot members shown do not follow chkApproxi %1", approx);
    }
    return {};
}

QString Session::CheckFoucault(frmFoucault* w)
{
    const double length = w->Longueur();
    if (length != expectedLength_)
        return Why("length %1, expected %2", length, expectedLength_);
    const double omegaPendule = foucault::OmegaPendule(length, foucault::OmegaTerre());
    if (w->OmegaPendule() != omegaPendule || !std::isfinite(w->TempsEcoule()))
        return Why("OmegaPendule %1 for a length of %2, TempsEcoule %3", w->OmegaPendule(), length,
                   w->TempsEcoule());
    const QLineF string = ChildOf<LineElement>(w, "linFil")->PixelLine();
    if (!std::isfinite(string.x1() + string.y1() + string.x2() + string.y2()))
        return Why("the string's end is not finite");

    // The field, the start button and the refusal message agree.
    auto* field = ChildOf<QLineEdit>(w, "txtLong");
    if (!typed_.isNull() && field->text() != typed_)
        return Why("the field shows %1 after %2 was typed", Quoted(field->text()), Quoted(typed_));
    const bool accepted = foucault::ReadLengthText(field->text(), QLocale()).Accepted();
    if (ChildOf<QPushButton>(w, "cmdGo")->isEnabled() != accepted)
        return Why("text %1 accepted %2, but not the start button", Quoted(field->text()),
                   accepted);
    auto* refusal = ChildOf<QLabel>(w, "lblRefus");
    if (refusal->isVisible() == accepted || accepted != refusal->text().isEmpty())
        return Why("text %1: start button enabled %2, refusal \"%3\" shown %4",
                   Quoted(field->text()), accepted, refusal->text(), refusal->isVisible());

    auto* timer = ChildOf<QTimer>(w, "tmrCourbe");
    if (timer->isActive() != expectedRunning_)
        return Why("timer running %1, expected %2", timer->isActive(), expectedRunning_);
    if (timer->isActive() && timer->interval() != foucault::TimerIntervalMs(length))
        return Why("timer interval %1 ms for %2 m", timer->interval(), length);

    // The trail: at most 100 points, oldest first, each where the bob was at its tick.
    const Collection_Points& points = w->Points();
    const int count = points.CountPoint();
    if (count > foucault::kTrailLength || count != static_cast<int>(trailCounts_.size()))
        return Why("trail of %1 points, expected %2", count, trailCounts_.size());
    for (int i = 1; i <= count; ++i) {
        const double t =
            static_cast<double>(trailCounts_[static_cast<std::size_t>(i - 1)] - startCount_)
            / static_cast<double>(config_.frequency);
        const auto bob =
            foucault::BobOnGround(foucault::kAmplitude, omegaPendule, foucault::OmegaTerre(), t);
        const auto point = points.Point(i);
        if (!(std::abs(point->X0Line - bob.PosX) <= 1e-9
              && std::abs(point->Y0Line - bob.PosY) <= 1e-9))
            return Why("trail point %1 of %2 at (%3, %4), the bob was at (%5, %6) at t = %7 s", i,
                       count, point->X0Line, point->Y0Line, bob.PosX, bob.PosY, t);
    }
    return {};
}

} // namespace

class TestRandomProgram : public QObject {
    Q_OBJECT

private slots:
    void randomUserSessions();
};

void TestRandomProgram::randomUserSessions()
{
    const QStringList range =
        qEnvironmentVariable("KESTROVA_RANDOM_SEEDS", QStringLiteral("1..20")).split("..");
    const std::uint64_t first = range[0].toULongLong();
    const std::uint64_t last = range.size() > 1 ? range[1].toULongLong() : first;
    const int perSeed = qEnvironmentVariable("KESTROVA_RANDOM_ACTIONS", "5000").toInt();
    const bool trace = qEnvironmentVariableIsSet("KESTROVA_RANDOM_TRACE");

    std::int64_t total = 0;
    Coverage coverage;
    for (std::uint64_t seed = first; seed <= last; ++seed) {
        const Config config = ConfigFor(seed);
        // Should the program crash, this line names the seed to replay.
        qInfo("seed %llu: %d actions", static_cast<unsigned long long>(seed), perSeed);
        Rng rng(seed);
        Session session(config, coverage);
        QString error = session.Check();
        for (int i = 0; i < perSeed && error.isEmpty(); ++i, ++total) {
            const Action a = session.Generate(rng);
            const QString what =
                Why("action %1: kind %2, target %3, key %4, counts %5, text %6", i + 1, int(a.kind),
                    a.target, a.amount, a.counts, Quoted(a.text));
            if (trace)
                qInfo("%s", qPrintable(what));
            session.Execute(a);
            if (!(error = session.Check()).isEmpty())
                error = what + QStringLiteral(": ") + error;
        }
        if (!error.isEmpty())
            QFAIL(qPrintable(Why("seed %1 (frequency %2, locale %3): %4", seed, config.frequency,
                                 config.locale.name(), error)));
    }
    // The actions reached what they are meant to exercise.
    QVERIFY(total > 0);
    if (total >= 2000) {
        QVERIFY(coverage.sliderValues > 0 && coverage.automaticStops > 0);
        QVERIFY(coverage.dampedTicks > 0 && coverage.foucaultTicks > 0);
        QVERIFY(coverage.foucaultStarts > 0 && coverage.fullTrails > 0);
        QVERIFY(coverage.acceptedTexts > 0 && coverage.refusedTexts > 0);
    }
}

QTEST_MAIN(TestRandomProgram)
#include "tst_random_program.moc"
