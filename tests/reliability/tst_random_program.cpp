// The whole program driven by long random sequences of user actions: the real
// frame with both simulation windows, on a fake clock, headless. After every
// action the program must still be sound (see Session::Check). A failure
// reports its seed and the shortest action list delta debugging finds.
//
// Environment:
//   KESTROVA_RANDOM_SEEDS=a..b   seeds to run (default 1..20)
//   KESTROVA_RANDOM_ACTIONS=n    actions per seed (default 5000)
//   KESTROVA_LONG_RUN=n          long mode: n actions in all, 50,000 per seed,
//                                seeds from 1001 on (overrides the two above)
//   KESTROVA_RANDOM_TRACE=1      print every action before it runs (a crash
//                                then shows the action that caused it)
//   KESTROVA_SHRINK_SECONDS=s    time allowed for shrinking (default 120)

#include "tests/reliability/checking_surface.h"
#include "tests/reliability/shrink.h"

#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/foucault_motion.h"
#include "ui/foucault/frm_foucault.h"
#include "ui/foucault/line_element.h"
#include "ui/foucault/pendulum_length.h"

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <numbers>
#include <optional>
#include <vector>

using namespace kestrova;
using kestrova::testing::CheckingSurface;

namespace {

// ---------------------------------------------------------------------------
// Random numbers: SplitMix64, so that a seed gives the same actions with any
// standard library.

class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    bool Chance(double p) { return Unit() < p; }

private:
    std::uint64_t state_;
};

// ---------------------------------------------------------------------------
// Actions

enum class Kind : std::uint8_t {
    SliderKey,       ///< a key on a slider
    SliderDrag,      ///< the handle dragged by `amount` pixels
    SliderDragEnd,   ///< the handle dragged far beyond one end
    SliderAim,       ///< the handle dragged near `amount`, then arrow keys to reach it exactly
    GoClick,         ///< the start/pause toggle
    PosInit,         ///< "Position initiale"
    ApproxClick,     ///< the small-angle check box
    ShowDamped,      ///< menu (or its shortcut): the damped pendulum
    ShowFoucault,    ///< menu (or its shortcut): the Foucault pendulum
    CloseFoucault,   ///< the Foucault sub-window's close button
    LengthType,      ///< select the length text and type `text`, key by key
    LengthPaste,     ///< select the length text and paste `text`
    LengthBackspace, ///< `amount` backspaces in the length field
    FoucaultStart,   ///< the Foucault start button
    Tick,            ///< `counts` of the counter pass, then the running timer fires
    Repaint,         ///< the event queue is flushed: layouts, paints, deletions
};

constexpr std::array<const char*, 4> kSliderNames{"sldTeta0", "sldOmega0", "sldPulsation",
                                                  "sldLambda"};
constexpr std::array<Qt::Key, 8> kSliderKeys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,
                                             Qt::Key_Down,   Qt::Key_PageUp,   Qt::Key_PageDown,
                                             Qt::Key_Home,   Qt::Key_End};
constexpr std::array<const char*, 8> kSliderKeyNames{"Left", "Right", "Up",       "Down",
                                                     "PageUp", "PageDown", "Home", "End"};

struct Action {
    Kind kind = Kind::Tick;
    int target = 0;          ///< slider; key; end (0 minimum, 1 maximum); shortcut (1) or menu (0)
    int amount = 0;          ///< drag pixels, backspaces
    std::int64_t counts = 0; ///< counter counts of a tick
    QString text;            ///< length text
};

QString Quoted(const QString& text)
{
    QString shown = text.size() > 40 ? text.left(20) + QStringLiteral("…(%1 chars)").arg(text.size())
                                     : text;
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString Describe(const Action& a, std::int64_t frequency)
{
    switch (a.kind) {
    case Kind::SliderKey:
        return QStringLiteral("key %1 on %2").arg(QLatin1String(kSliderKeyNames[a.amount]),
                                                    QLatin1String(kSliderNames[a.target]));
    case Kind::SliderDrag:
        return QStringLiteral("drag %1 by %2 px").arg(QLatin1String(kSliderNames[a.target])).arg(a.amount);
    case Kind::SliderDragEnd:
        return QStringLiteral("drag %1 beyond its %2").arg(QLatin1String(kSliderNames[a.target]),
                                                            a.amount == 0 ? "minimum" : "maximum");
    case Kind::SliderAim:
        return QStringLiteral("drag %1 to %2, arrow keys to finish")
            .arg(QLatin1String(kSliderNames[a.target]))
            .arg(a.amount);
    case Kind::GoClick: return QStringLiteral("click chkGo");
    case Kind::PosInit: return QStringLiteral("click \"Position initiale\"");
    case Kind::ApproxClick: return QStringLiteral("click chkApproxi");
    case Kind::ShowDamped:
        return a.target == 1 ? QStringLiteral("Ctrl+1 (damped window)") : QStringLiteral("menu: damped window");
    case Kind::ShowFoucault:
        return a.target == 1 ? QStringLiteral("Ctrl+2 (Foucault window)") : QStringLiteral("menu: Foucault window");
    case Kind::CloseFoucault: return QStringLiteral("close the Foucault window");
    case Kind::LengthType: return QStringLiteral("type %1 into txtLong").arg(Quoted(a.text));
    case Kind::LengthPaste: return QStringLiteral("paste %1 into txtLong").arg(Quoted(a.text));
    case Kind::LengthBackspace: return QStringLiteral("%1 backspace(s) in txtLong").arg(a.amount);
    case Kind::FoucaultStart: return QStringLiteral("click cmdGo");
    case Kind::Tick:
        return QStringLiteral("tick after %1 s (%2 counts)")
            .arg(static_cast<double>(a.counts) / static_cast<double>(frequency), 0, 'f', 9)
            .arg(a.counts);
    case Kind::Repaint: return QStringLiteral("flush the event queue");
    }
    return QStringLiteral("?");
}

// ---------------------------------------------------------------------------
// What a seed decides besides the actions: the counter frequency and the locale.

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
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)};
    Config c;
    c.seed = seed;
    c.frequency = frequencies[seed % frequencies.size()];
    c.locale = locales[(seed / 4) % locales.size()];
    return c;
}

// ---------------------------------------------------------------------------
// Length texts: accepted ones, and every kind of refused one.

QString RandomLengthText(Rng& rng)
{
    static const QStringList pool{
        // accepted
        "67", "4", "3.5", "12,5", "12.5", "1000", "999.99", " 8 m", "2e2", "3.0000001", "+50",
        "1E3", "5.", "42abc",
        // refused
        "", "0", "3", "-5", "-0", "2,999", "1000.0001", "1e400", "1e-400", "-1e400",
        "99999999999999999999999999999999", "abc", "é", "πλ", "日本語", "😀", "١٢", "١٢٣٤",
        "12\u00A05", ".", "-", "+", "e5", ",5", "nan", "inf", "-inf", "0x1A", "--3", "\t", "1e",
        "1e+", "٫٥", "Ⅻ", "12345678901234567890e-17"};
    switch (rng.Below(4)) {
    case 0:
    case 1: return pool[rng.Below(static_cast<int>(pool.size()))];
    case 2: {
        // Random characters that can start or continue a number, and others.
        static const QString alphabet = QStringLiteral("0123456789012345.,-+eE xé😀\u00A0٣");
        QString text;
        const int length = rng.Below(10);
        for (int i = 0; i < length; ++i) {
            const int at = rng.Below(static_cast<int>(alphabet.size()));
            QChar c = alphabet[at];
            if (c.isLowSurrogate())
                c = alphabet[at - 1];
            text += c;
            if (c.isHighSurrogate())
                text += alphabet[at + 1];
        }
        return text;
    }
    default: {
        // Huge: hundreds of digits, or many thousands of characters.
        const int length = rng.Chance(0.8) ? rng.Between(20, 400) : rng.Between(5000, 40000);
        QString text(length, QLatin1Char('9'));
        if (rng.Chance(0.5))
            text.insert(rng.Below(length), QLatin1Char('.'));
        if (rng.Chance(0.3))
            text.prepend(QLatin1Char('-'));
        return text;
    }
    }
}

std::int64_t RandomTickCounts(Rng& rng, std::int64_t frequency)
{
    const double f = static_cast<double>(frequency);
    const int kind = rng.Below(100);
    double seconds;
    if (kind < 15)
        seconds = 0;
    else if (kind < 60)
        seconds = rng.Unit() * 0.005; // the 1 ms timer, and its hiccups
    else if (kind < 85)
        seconds = rng.Unit();
    else
        seconds = rng.Unit() * 30.0; // the window dragged, the machine asleep
    return static_cast<std::int64_t>(std::llround(seconds * f));
}

// ---------------------------------------------------------------------------
// Input helpers

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPoint HandleCentre(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->invertedAppearance();
    option.pageStep = slider->pageStep();
    option.singleStep = slider->singleStep();
    option.subControls = QStyle::SC_SliderHandle;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

/// Pixels the handle travels from the minimum to the maximum.
int SliderSpan(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    const QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderGroove, slider);
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    return groove.width() - handle.width();
}

QPoint CheckBoxIndicator(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
}

/// One character typed: a key stroke carrying it, or, for what no key
/// produces (an emoji beyond the basic plane), the input method's commit.
void TypeText(QWidget* widget, const QString& text)
{
    if (text.size() == 1 && text[0].isPrint()) {
        Qt::Key key = Qt::Key_unknown;
        if (text[0].unicode() < 0x80 && text[0].isLetterOrNumber())
            key = static_cast<Qt::Key>(text[0].toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, text, Qt::NoModifier);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

template <typename T>
T* ChildOf(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(QLatin1String(name));
    if (child == nullptr)
        qFatal("no control %s", name);
    return child;
}

bool Finite(double v)
{
    return std::isfinite(v);
}

/// What a button shows of its text: the mnemonic markers go ("&&" is one "&").
QString Shown(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

QString Num(double v)
{
    return QString::number(v, 'g', 17);
}

// ---------------------------------------------------------------------------
// What a fresh reset shows: a second damped window, never shown, drawing on
// counting surfaces, whose sliders are set to the values in question before
// its own reset runs.

using SliderTuple = std::array<int, 4>;

class ReferenceWindow {
public:
    ReferenceWindow()
    {
        clock_.ReadFrequency();
        window_ = std::make_unique<frmPenduleAmorti>(clock_);
        DampedSurfaces s;
        s.picPendule = &surfaces_[0];
        s.picOscillation = {&surfaces_[1], &surfaces_[2]};
        s.picPhase = {&surfaces_[3], &surfaces_[4]};
        window_->SetSurfaces(s);
    }

    static constexpr std::array<const char*, 8> kLabels{"lblteta0",  "lblOmega0", "lblPulsation",
                                                        "lblLambda", "lblQualite", "lblRelax",
                                                        "lblPseudo", "lblRegime"};
    static constexpr int kQualite = 4;
    static constexpr int kRelax = 5;

    /// The eight value captions after a reset with these slider values.
    QStringList CaptionsFor(const SliderTuple& sliders)
    {
        if (!cached_ || cachedFor_ != sliders) {
            for (int i = 0; i < 4; ++i)
                ChildOf<QSlider>(window_.get(), kSliderNames[static_cast<std::size_t>(i)])
                    ->setValue(sliders[static_cast<std::size_t>(i)]);
            window_->ResetSimulation();
            QStringList captions;
            for (const char* label : kLabels)
                captions << ChildOf<QLabel>(window_.get(), label)->text();
            cached_ = captions;
            cachedFor_ = sliders;
        }
        return *cached_;
    }

private:
    FakeCounterSource source_;
    HighResolutionClock clock_{source_};
    std::array<CheckingSurface, 5> surfaces_{CheckingSurface(433, 433), CheckingSurface(344, 320),
                                             CheckingSurface(344, 320), CheckingSurface(464, 320),
                                             CheckingSurface(464, 320)};
    std::unique_ptr<frmPenduleAmorti> window_;
    std::optional<QStringList> cached_;
    SliderTuple cachedFor_{};
};

// ---------------------------------------------------------------------------
// One run of the program, with what the test expects of it.

enum class Open { None, Damped, Foucault };

/// What the actions reached, over all sessions: a run that never ticks a
/// running animation or never gets a length accepted proves little.
struct Coverage {
    std::int64_t sliderValues = 0;   ///< slider values the user moved through
    std::int64_t dampedTicks = 0;
    std::int64_t foucaultTicks = 0;
    std::int64_t automaticStops = 0;
    std::int64_t wraps = 0;          ///< ticks across the top (angle jumps by about 2π)
    std::int64_t foucaultStarts = 0;
    std::int64_t acceptedTexts = 0;
    std::int64_t refusedTexts = 0;
    std::int64_t windowSwitches = 0;
    std::int64_t fullTrails = 0;     ///< ticks that left 100 points
    std::array<std::int64_t, 3> regimes{}; ///< ticks in each regime: critical, aperiodic, pseudo-periodic
    double longestRun = 0;           ///< s of displayed damped animation

    QString Summary() const
    {
        return QStringLiteral("slider values %1, damped ticks %2 (critical %3, aperiodic %4, "
                              "pseudo-periodic %5), automatic stops %6, wraps %7, longest run %8 s; "
                              "Foucault starts %9, ticks %10, full trails %11; length texts "
                              "accepted %12, refused %13; window switches %14")
            .arg(sliderValues)
            .arg(dampedTicks)
            .arg(regimes[0])
            .arg(regimes[1])
            .arg(regimes[2])
            .arg(automaticStops)
            .arg(wraps)
            .arg(longestRun, 0, 'f', 0)
            .arg(foucaultStarts)
            .arg(foucaultTicks)
            .arg(fullTrails)
            .arg(acceptedTexts)
            .arg(refusedTexts)
            .arg(windowSwitches);
    }
};

constexpr SliderTuple kLoadSliders{45, 0, 40, 22};

class Session {
public:
    Session(const Config& config, Coverage* coverage = nullptr)
        : config_(config)
        , coverage_(coverage != nullptr ? *coverage : ownCoverage_)
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
        // Shortcuts reach an exposed, active window only. No animation runs
        // yet, so the events processed meanwhile change nothing.
        if (!QTest::qWaitForWindowActive(frame_.get()))
            qWarning("the frame did not become active: shortcuts may not arrive");
        open_ = Open::Damped;
        Follow();
    }

    ~Session()
    {
        frame_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale::c());
    }

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Action Generate(Rng& rng) const;
    void Execute(const Action& a);
    /// Empty when every invariant holds; otherwise what is wrong.
    QString Check();
    /// Ends the program the way `how` says (0 the menu, 1 Ctrl+Q, 2 closing
    /// the damped window, 3 closing the frame); empty when it ended exactly once.
    QString End(int how);

private:
    /// Takes up a newly opened window: hooks and expectations.
    void Follow();
    void OnSliderChanged();
    void OnLengthText(const QString& text);
    QString CheckDamped(frmPenduleAmorti* w);
    QString CheckFoucault(frmFoucault* w);

    Config config_;
    Coverage ownCoverage_;
    Coverage& coverage_;
    FakeCounterSource source_;
    std::unique_ptr<MDIBrunmalt> frame_;
    int quits_ = 0;
    Open open_ = Open::Damped;
    ReferenceWindow reference_;

    // Damped window.
    QPointer<frmPenduleAmorti> damped_;
    SliderTuple lastDampedSliders_ = kLoadSliders; ///< last values with a non-zero damping
    bool viewChosen_ = false;                      ///< the view switch has run at least once
    int faults_ = 0;
    QString lastFault_;
    QString typed_; ///< what the last length action left in the field; null: nothing to check
    // The animation clock as the user lived it: seconds accumulated before
    // the last start, and seconds from that start to the last tick.
    double cumul_ = 0;
    double temps_ = 0;
    std::int64_t dampedStart_ = 0;

    // Foucault window.
    QPointer<frmFoucault> foucault_;
    double expectedLength_ = foucault::kDefaultLength;
    bool expectedRunning_ = false;
    std::int64_t startCount_ = 0;
    std::deque<std::int64_t> trailCounts_; ///< counter readings of the ticks the trail holds
    double tempsEcoule_ = 0;               ///< time of the last tick since the last start

    [[nodiscard]] double SecondsSince(std::int64_t start)
    {
        return static_cast<double>(source_.QueryCounter() - start)
            / static_cast<double>(config_.frequency);
    }
};

struct Weighted {
    Kind kind;
    int weight;
};

Kind Pick(Rng& rng, std::initializer_list<Weighted> table)
{
    int total = 0;
    for (const Weighted& w : table)
        total += w.weight;
    int roll = rng.Below(total);
    for (const Weighted& w : table) {
        if (roll < w.weight)
            return w.kind;
        roll -= w.weight;
    }
    return Kind::Tick;
}

Action Session::Generate(Rng& rng) const
{
    // Weights per state of the program. A running animation is mostly left
    // to run, so that long runs, automatic stops and full trails happen;
    // a stopped one is mostly played with.
    using enum Kind;
    Action a;
    frmPenduleAmorti* damped = frame_->DampedWindow();
    frmFoucault* foucault = frame_->FoucaultWindow();
    if (damped != nullptr && ChildOf<QTimer>(damped, "tmrPendule")->isActive()) {
        a.kind = Pick(rng, {{SliderKey, 12}, {SliderDrag, 8}, {SliderDragEnd, 4}, {GoClick, 30},
                            {PosInit, 5}, {ApproxClick, 8}, {ShowFoucault, 4}, {ShowDamped, 1},
                            {Repaint, 5}, {Tick, 900}});
    } else if (damped != nullptr) {
        a.kind = Pick(rng, {{SliderKey, 120}, {SliderDrag, 90}, {SliderDragEnd, 30}, {SliderAim, 20}, {GoClick, 250},
                            {PosInit, 40}, {ApproxClick, 40}, {ShowFoucault, 25}, {ShowDamped, 8},
                            {Repaint, 15}, {Tick, 150}});
    } else if (foucault != nullptr && ChildOf<QTimer>(foucault, "tmrCourbe")->isActive()) {
        a.kind = Pick(rng, {{LengthType, 3}, {LengthPaste, 2}, {LengthBackspace, 1},
                            {FoucaultStart, 2}, {ShowDamped, 2}, {ShowFoucault, 1},
                            {CloseFoucault, 1}, {Repaint, 2}, {Tick, 986}});
    } else if (foucault != nullptr) {
        a.kind = Pick(rng, {{LengthType, 250}, {LengthPaste, 150}, {LengthBackspace, 80},
                            {FoucaultStart, 350}, {ShowDamped, 60}, {ShowFoucault, 20},
                            {CloseFoucault, 20}, {Repaint, 20}, {Tick, 50}});
    } else {
        a.kind = Pick(rng, {{ShowDamped, 500}, {ShowFoucault, 300}, {Tick, 200}});
    }

    switch (a.kind) {
    case SliderKey:
        a.target = rng.Below(4);
        a.amount = rng.Below(static_cast<int>(kSliderKeys.size()));
        break;
    case SliderDrag:
        a.target = rng.Below(4);
        a.amount = rng.Between(1, 150) * (rng.Chance(0.5) ? 1 : -1);
        break;
    case SliderDragEnd:
        a.target = rng.Below(4);
        a.amount = rng.Below(2);
        break;
    case SliderAim: {
        // The critical regime needs λ exactly ten times the slider value of
        // ω₀ (λ = ω₀): aim at it, or at the value of ω₀ that makes it.
        const int pulsation = ChildOf<QSlider>(damped, "sldPulsation")->value();
        const int lambda = ChildOf<QSlider>(damped, "sldLambda")->value();
        if (pulsation <= 50 && rng.Chance(0.5)) {
            a.target = 3;
            a.amount = pulsation * 10;
        } else if (lambda % 10 == 0 && lambda > 0) {
            a.target = 2;
            a.amount = lambda / 10;
        } else {
            a.target = rng.Below(4);
            const auto* s = ChildOf<QSlider>(damped, kSliderNames[static_cast<std::size_t>(a.target)]);
            a.amount = rng.Between(s->minimum(), s->maximum());
        }
        break;
    }
    case ShowDamped:
    case ShowFoucault:
        a.target = rng.Below(2);
        break;
    case LengthType:
        a.text = RandomLengthText(rng);
        if (a.text.size() > 400)
            a.text.truncate(400); // typed by hand: a long but bounded text
        break;
    case LengthPaste:
        a.text = RandomLengthText(rng);
        break;
    case LengthBackspace:
        a.amount = rng.Between(1, 4);
        break;
    case Tick:
        a.counts = RandomTickCounts(rng, config_.frequency);
        break;
    default:
        break;
    }
    return a;
}

void Session::Execute(const Action& a)
{
    frmPenduleAmorti* damped = frame_->DampedWindow();
    frmFoucault* foucault = frame_->FoucaultWindow();
    typed_ = QString();
    // An action aimed at a window that is not open (a shrunk list) does nothing.
    switch (a.kind) {
    case Kind::SliderKey:
        if (damped != nullptr)
            QTest::keyClick(ChildOf<QSlider>(damped, kSliderNames[static_cast<std::size_t>(a.target)]),
                            kSliderKeys[static_cast<std::size_t>(a.amount)]);
        break;
    case Kind::SliderDrag:
    case Kind::SliderDragEnd:
        if (damped != nullptr) {
            auto* s = ChildOf<QSlider>(damped, kSliderNames[static_cast<std::size_t>(a.target)]);
            const QPoint from = HandleCentre(s);
            const QPoint to = a.kind == Kind::SliderDrag ? from + QPoint(a.amount, 0)
                              : a.amount == 0            ? QPoint(-400, from.y())
                                                         : QPoint(s->width() + 400, from.y());
            SendMouse(s, QEvent::MouseButtonPress, from, Qt::LeftButton);
            SendMouse(s, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
            SendMouse(s, QEvent::MouseMove, to, Qt::LeftButton);
            SendMouse(s, QEvent::MouseButtonRelease, to, Qt::NoButton);
        }
        break;
    case Kind::SliderAim:
        if (damped != nullptr) {
            auto* s = ChildOf<QSlider>(damped, kSliderNames[static_cast<std::size_t>(a.target)]);
            const int goal = std::clamp(a.amount, s->minimum(), s->maximum());
            // The handle's centre moves by the groove length as the value
            // goes from minimum to maximum; aim at the pixel of the goal.
            const QPoint from = HandleCentre(s);
            const int pixel = QStyle::sliderPositionFromValue(s->minimum(), s->maximum(), goal,
                                                              SliderSpan(s));
            const int pixelNow = QStyle::sliderPositionFromValue(s->minimum(), s->maximum(),
                                                                 s->value(), SliderSpan(s));
            const QPoint to = from + QPoint(pixel - pixelNow, 0);
            SendMouse(s, QEvent::MouseButtonPress, from, Qt::LeftButton);
            SendMouse(s, QEvent::MouseMove, to, Qt::LeftButton);
            SendMouse(s, QEvent::MouseButtonRelease, to, Qt::NoButton);
            for (int i = 0; i < 20 && s->value() != goal; ++i)
                QTest::keyClick(s, s->value() < goal ? Qt::Key_Right : Qt::Key_Left);
        }
        break;
    case Kind::GoClick:
        if (damped != nullptr) {
            auto* go = ChildOf<QPushButton>(damped, "chkGo");
            if (go->isChecked()) {
                cumul_ += temps_; // pause: the time the last tick reached
            } else {
                dampedStart_ = source_.QueryCounter();
                temps_ = 0;
            }
            QTest::mouseClick(go, Qt::LeftButton);
        }
        break;
    case Kind::PosInit:
        if (damped != nullptr) {
            cumul_ = temps_ = 0;
            QTest::mouseClick(ChildOf<QPushButton>(damped, "cmdPosInit"), Qt::LeftButton);
        }
        break;
    case Kind::ApproxClick:
        if (damped != nullptr) {
            auto* box = ChildOf<QCheckBox>(damped, "chkApproxi");
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, CheckBoxIndicator(box));
            viewChosen_ = true;
        }
        break;
    case Kind::ShowDamped:
    case Kind::ShowFoucault: {
        const bool toDamped = a.kind == Kind::ShowDamped;
        if (a.target == 1)
            QTest::keyClick(frame_.get(), toDamped ? Qt::Key_1 : Qt::Key_2, Qt::ControlModifier);
        else
            (toDamped ? frame_->DampedAction() : frame_->FoucaultAction())->trigger();
        open_ = toDamped ? Open::Damped : Open::Foucault;
        ++coverage_.windowSwitches;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
    case Kind::CloseFoucault:
        if (foucault != nullptr) {
            qobject_cast<QMdiSubWindow*>(foucault->parentWidget())->close();
            open_ = Open::None;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        break;
    case Kind::LengthType:
    case Kind::LengthPaste:
        if (foucault != nullptr) {
            auto* field = ChildOf<QLineEdit>(foucault, "txtLong");
            // A click into the field (the input method writes into the focus
            // widget only), then everything selected and replaced.
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            typed_ = a.text.left(field->maxLength());
            if (a.kind == Kind::LengthPaste) {
                field->insert(a.text);
            } else if (a.text.isEmpty()) {
                QTest::keyClick(field, Qt::Key_Delete);
            } else {
                for (qsizetype i = 0; i < a.text.size(); ++i) {
                    const qsizetype n = a.text[i].isHighSurrogate() ? 2 : 1;
                    TypeText(field, a.text.mid(i, n));
                    i += n - 1;
                }
            }
        }
        break;
    case Kind::LengthBackspace:
        if (foucault != nullptr) {
            auto* field = ChildOf<QLineEdit>(foucault, "txtLong");
            for (int i = 0; i < a.amount; ++i)
                QTest::keyClick(field, Qt::Key_Backspace);
        }
        break;
    case Kind::FoucaultStart:
        if (foucault != nullptr) {
            auto* go = ChildOf<QPushButton>(foucault, "cmdGo");
            if (go->isEnabled()) {
                ++coverage_.foucaultStarts;
                expectedRunning_ = true;
                startCount_ = source_.QueryCounter();
                trailCounts_.clear();
            }
            QTest::mouseClick(go, Qt::LeftButton);
        }
        break;
    case Kind::Tick:
        source_.AdvanceCounts(a.counts);
        if (damped != nullptr) {
            auto* timer = ChildOf<QTimer>(damped, "tmrPendule");
            if (timer->isActive()) {
                viewChosen_ = true;
                const double before = damped->State().Teta;
                temps_ = SecondsSince(dampedStart_);
                QMetaObject::invokeMethod(timer, "timeout");
                if (!timer->isActive())
                    cumul_ += temps_; // the automatic stop pauses
                const PenduleState& st = damped->State();
                ++coverage_.dampedTicks;
                ++coverage_.regimes[static_cast<std::size_t>(RegimeOf(st.Pulsation2, st.Lambda))];
                coverage_.wraps += std::abs(st.Teta - before) > std::numbers::pi;
                coverage_.automaticStops += !timer->isActive();
                coverage_.longestRun = std::max(coverage_.longestRun, st.TempsCumul + st.Temps);
            }
        }
        if (foucault != nullptr) {
            auto* timer = ChildOf<QTimer>(foucault, "tmrCourbe");
            if (timer->isActive()) {
                if (expectedRunning_) {
                    tempsEcoule_ = SecondsSince(startCount_);
                    trailCounts_.push_back(source_.QueryCounter());
                    if (trailCounts_.size() > static_cast<std::size_t>(foucault::kTrailLength))
                        trailCounts_.pop_front();
                }
                QMetaObject::invokeMethod(timer, "timeout");
                ++coverage_.foucaultTicks;
                coverage_.fullTrails += foucault->Points().CountPoint() == foucault::kTrailLength;
            }
        }
        break;
    case Kind::Repaint:
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
    Follow();
}

void Session::Follow()
{
    frmPenduleAmorti* damped = frame_->DampedWindow();
    if (damped != nullptr && damped != damped_) {
        damped_ = damped;
        lastDampedSliders_ = kLoadSliders;
        cumul_ = temps_ = 0;
        viewChosen_ = false;
        damped->SetFaultReporter([this](const QString& message) {
            ++faults_;
            lastFault_ = message;
        });
        for (const char* name : kSliderNames)
            QObject::connect(ChildOf<QSlider>(damped, name), &QAbstractSlider::valueChanged, damped,
                             [this] { OnSliderChanged(); });
    }
    frmFoucault* foucault = frame_->FoucaultWindow();
    if (foucault != nullptr && foucault != foucault_) {
        foucault_ = foucault;
        expectedLength_ = foucault::kDefaultLength;
        tempsEcoule_ = 0;
        expectedRunning_ = false;
        trailCounts_.clear();
        QObject::connect(ChildOf<QLineEdit>(foucault, "txtLong"), &QLineEdit::textChanged, foucault,
                         [this](const QString& text) { OnLengthText(text); });
    }
}

void Session::OnSliderChanged()
{
    ++coverage_.sliderValues;
    cumul_ = temps_ = 0; // each value resets the window
    // Every value a slider passes through is the user's and resets the
    // window; without damping the quality factor and the relaxation time keep
    // the captions of the last damped values.
    SliderTuple now{};
    for (std::size_t i = 0; i < 4; ++i)
        now[i] = ChildOf<QSlider>(damped_, kSliderNames[i])->value();
    if (now[3] != 0)
        lastDampedSliders_ = now;
}

void Session::OnLengthText(const QString& text)
{
    expectedRunning_ = false;
    trailCounts_.clear();
    const foucault::LengthReading reading = foucault::ReadLength(text.toStdString());
    if (reading.Accepted())
        expectedLength_ = reading.Length;
    ++(reading.Accepted() ? coverage_.acceptedTexts : coverage_.refusedTexts);
}

QString Session::Check()
{
    if (quits_ != 0)
        return QStringLiteral("the program ended (%1 exit calls)").arg(quits_);

    // Exactly the expected windows are open.
    int dampedCount = 0;
    int foucaultCount = 0;
    for (QMdiSubWindow* sub : frame_->MdiArea().subWindowList()) {
        dampedCount += qobject_cast<frmPenduleAmorti*>(sub->widget()) != nullptr;
        foucaultCount += qobject_cast<frmFoucault*>(sub->widget()) != nullptr;
        if (!sub->isVisible())
            return QStringLiteral("a sub-window is open but hidden");
    }
    const int expectedDamped = open_ == Open::Damped ? 1 : 0;
    const int expectedFoucault = open_ == Open::Foucault ? 1 : 0;
    if (dampedCount != expectedDamped || foucaultCount != expectedFoucault
        || frame_->MdiArea().subWindowList().size() != expectedDamped + expectedFoucault)
        return QStringLiteral("open windows: %1 damped, %2 Foucault, %3 in all; expected %4 and %5")
            .arg(dampedCount)
            .arg(foucaultCount)
            .arg(frame_->MdiArea().subWindowList().size())
            .arg(expectedDamped)
            .arg(expectedFoucault);
    if ((frame_->DampedWindow() != nullptr) != (expectedDamped == 1)
        || (frame_->FoucaultWindow() != nullptr) != (expectedFoucault == 1))
        return QStringLiteral("the frame's window accessors disagree with its MDI area");

    if (frmPenduleAmorti* w = frame_->DampedWindow()) {
        const QString error = CheckDamped(w);
        if (!error.isEmpty())
            return QStringLiteral("damped window: ") + error;
    }
    if (frmFoucault* w = frame_->FoucaultWindow()) {
        const QString error = CheckFoucault(w);
        if (!error.isEmpty())
            return QStringLiteral("Foucault window: ") + error;
    }
    return {};
}

QString Session::End(int how)
{
    frmPenduleAmorti* damped = frame_->DampedWindow();
    if (how == 2 && damped == nullptr)
        how = 0;
    switch (how) {
    case 0: frame_->QuitAction()->trigger(); break;
    case 1: QTest::keyClick(frame_.get(), Qt::Key_Q, Qt::ControlModifier); break;
    case 2: qobject_cast<QMdiSubWindow*>(damped->parentWidget())->close(); break;
    default: frame_->close(); break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    static const char* const ways[] = {"the menu's exit", "Ctrl+Q", "closing the damped window",
                                       "closing the frame"};
    return quits_ == 1 ? QString()
                       : QStringLiteral("%1 ended the program %2 times").arg(QLatin1String(ways[how])).arg(quits_);
}

QString Session::CheckDamped(frmPenduleAmorti* w)
{
    const PenduleState& s = w->State();
    const std::array<std::pair<const char*, double>, 14> fields{{
        {"Teta0", s.Teta0}, {"Omega0", s.Omega0}, {"Pulsation2", s.Pulsation2}, {"Lambda", s.Lambda},
        {"Teta", s.Teta}, {"Omega", s.Omega}, {"TetaApprox", s.TetaApprox},
        {"OmegaApprox", s.OmegaApprox}, {"Temps", s.Temps}, {"TempsPrec", s.TempsPrec},
        {"TempsCumul", s.TempsCumul}, {"TetaMax", s.TetaMax}, {"OmegaMax", s.OmegaMax},
        {"DureeTrace", s.DureeTrace},
    }};
    for (const auto& [name, value] : fields)
        if (!Finite(value))
            return QStringLiteral("%1 is %2").arg(QLatin1String(name), Num(value));
    if (faults_ != 0)
        return QStringLiteral("a fault was reported: ") + lastFault_;

    if (!(s.Teta > -std::numbers::pi && s.Teta <= std::numbers::pi))
        return QStringLiteral("angle %1 outside (-pi, pi]").arg(Num(s.Teta));

    // The model holds exactly what the sliders say.
    SliderTuple sliders{};
    for (std::size_t i = 0; i < 4; ++i)
        sliders[i] = ChildOf<QSlider>(w, kSliderNames[i])->value();
    const Parameters p = ParametersFromSliders(
        SliderValues{sliders[0], sliders[1], sliders[2], sliders[3]});
    if (s.Teta0 != p.Teta0 || s.Omega0 != p.Omega0 || s.Pulsation2 != p.Pulsation2
        || s.Lambda != p.Lambda)
        return QStringLiteral("model parameters (%1, %2, %3, %4) differ from the sliders (%5, %6, %7, %8)")
            .arg(Num(s.Teta0), Num(s.Omega0), Num(s.Pulsation2), Num(s.Lambda))
            .arg(sliders[0])
            .arg(sliders[1])
            .arg(sliders[2])
            .arg(sliders[3]);

    // Captions: what a fresh reset with the same slider values shows.
    const QStringList expected = reference_.CaptionsFor(sliders);
    QStringList quality;
    if (sliders[3] == 0) {
        const QStringList damped = reference_.CaptionsFor(lastDampedSliders_);
        quality << damped[ReferenceWindow::kQualite] << damped[ReferenceWindow::kRelax];
    }
    for (int i = 0; i < static_cast<int>(ReferenceWindow::kLabels.size()); ++i) {
        const char* label = ReferenceWindow::kLabels[static_cast<std::size_t>(i)];
        QString want = expected[i];
        if (sliders[3] == 0 && i == ReferenceWindow::kQualite)
            want = quality[0];
        if (sliders[3] == 0 && i == ReferenceWindow::kRelax)
            want = quality[1];
        const QString shown = ChildOf<QLabel>(w, label)->text();
        if (shown != want)
            return QStringLiteral("%1 shows \"%2\", a reset shows \"%3\"")
                .arg(QLatin1String(label), shown, want);
    }

    // Toggle, its caption and the timer agree.
    auto* go = ChildOf<QPushButton>(w, "chkGo");
    auto* timer = ChildOf<QTimer>(w, "tmrPendule");
    const QString caption = go->isChecked() ? QStringLiteral("Suspendre l'animation")
                                            : QStringLiteral("Lancer l'animation");
    if (Shown(go->text()) != caption)
        return QStringLiteral("toggle %1 with caption \"%2\"")
            .arg(go->isChecked() ? "down" : "up", go->text());
    if (timer->isActive() != go->isChecked())
        return QStringLiteral("toggle %1 but timer %2")
            .arg(go->isChecked() ? "down" : "up", timer->isActive() ? "running" : "stopped");
    if (timer->isActive() && timer->interval() != 1)
        return QStringLiteral("timer interval %1 ms").arg(timer->interval());

    // Displayed time is the time the animation ran: pauses and the time
    // between the last tick and a pause do not count.
    auto near = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b)); };
    if (!near(s.TempsCumul, cumul_) || !near(s.Temps, temps_))
        return QStringLiteral("TempsCumul %1 and Temps %2, the animation ran %3 + %4 s")
            .arg(Num(s.TempsCumul), Num(s.Temps), Num(cumul_), Num(temps_));
    // Times never run backwards or below zero.
    if (!(s.Temps >= 0 && s.TempsPrec >= 0 && s.TempsCumul >= 0 && s.TempsPrec <= s.Temps))
        return QStringLiteral("times Temps %1, TempsPrec %2, TempsCumul %3")
            .arg(Num(s.Temps), Num(s.TempsPrec), Num(s.TempsCumul));
    // Plot scales within what the sliders allow: the longest pseudo-period,
    // 144 s, ends on a whole 5 s graduation at 145 s.
    if (!(s.DureeTrace >= 10 && s.DureeTrace <= 145 && s.TetaMax > 0
          && s.TetaMax <= 180 * DegToRad && s.OmegaMax >= 0))
        return QStringLiteral("plot scales DureeTrace %1, TetaMax %2, OmegaMax %3")
            .arg(Num(s.DureeTrace), Num(s.TetaMax), Num(s.OmegaMax));

    // Energy: the damping only takes it away; the integration may not add any.
    auto energy = [&s](double teta, double omega) {
        return omega * omega / 2 + s.Pulsation2 * (1 - std::cos(teta));
    };
    const double e0 = energy(s.Teta0, s.Omega0);
    const double e = energy(s.Teta, s.Omega);
    if (e > e0 * (1 + 1e-6) + 1e-12)
        return QStringLiteral("energy grew from %1 to %2").arg(Num(e0), Num(e));

    // The visible member of each plot pair follows the check box once chosen.
    if (viewChosen_) {
        const bool approx = ChildOf<QCheckBox>(w, "chkApproxi")->isChecked();
        const DampedSurfaces& boxes = w->Surfaces();
        if (boxes.picOscillation[0]->Visible() == approx || boxes.picPhase[0]->Visible() == approx
            || boxes.picOscillation[1]->Visible() != approx || boxes.picPhase[1]->Visible() != approx)
            return QStringLiteral("plot members visible (%1 %2 %3 %4) with chkApproxi %5")
                .arg(boxes.picOscillation[0]->Visible())
                .arg(boxes.picPhase[0]->Visible())
                .arg(boxes.picOscillation[1]->Visible())
                .arg(boxes.picPhase[1]->Visible())
                .arg(approx);
    }
    return {};
}

QString Session::CheckFoucault(frmFoucault* w)
{
    const double length = w->Longueur();
    if (!Finite(length) || !Finite(w->OmegaPendule()) || !Finite(w->TempsEcoule()))
        return QStringLiteral("Longueur %1, OmegaPendule %2, TempsEcoule %3")
            .arg(Num(length), Num(w->OmegaPendule()), Num(w->TempsEcoule()));
    if (length != expectedLength_)
        return QStringLiteral("length %1, expected %2").arg(Num(length), Num(expectedLength_));
    if (!(length > foucault::kAmplitude && length <= foucault::kMaxLength))
        return QStringLiteral("length %1 outside (3, 1000]").arg(Num(length));
    const double omegaPendule = foucault::OmegaPendule(length, foucault::OmegaTerre());
    if (w->OmegaPendule() != omegaPendule)
        return QStringLiteral("OmegaPendule %1 for a length of %2").arg(Num(w->OmegaPendule()), Num(length));
    if (w->TempsEcoule() != tempsEcoule_)
        return QStringLiteral("TempsEcoule %1, the last tick came %2 s after the start")
            .arg(Num(w->TempsEcoule()), Num(tempsEcoule_));
    const QLineF string = ChildOf<LineElement>(w, "linFil")->PixelLine();
    if (!Finite(string.x1()) || !Finite(string.y1()) || !Finite(string.x2()) || !Finite(string.y2()))
        return QStringLiteral("the string runs from (%1, %2) to (%3, %4) pixels")
            .arg(Num(string.x1()), Num(string.y1()), Num(string.x2()), Num(string.y2()));

    // The field, the start button and the refusal message agree.
    auto* field = ChildOf<QLineEdit>(w, "txtLong");
    if (!typed_.isNull() && field->text() != typed_)
        return QStringLiteral("the field shows %1 after %2 was typed").arg(Quoted(field->text()), Quoted(typed_));
    const bool accepted = foucault::ReadLength(field->text().toStdString()).Accepted();
    auto* go = ChildOf<QPushButton>(w, "cmdGo");
    auto* refusal = ChildOf<QLabel>(w, "lblRefus");
    if (go->isEnabled() != accepted || refusal->isVisible() == accepted
        || (accepted != refusal->text().isEmpty()))
        return QStringLiteral("text %1 %2 but start button %3, refusal \"%4\" %5")
            .arg(Quoted(field->text()), accepted ? "accepted" : "refused",
                 go->isEnabled() ? "enabled" : "disabled", refusal->text(),
                 refusal->isVisible() ? "shown" : "hidden");

    auto* timer = ChildOf<QTimer>(w, "tmrCourbe");
    if (timer->isActive() != expectedRunning_)
        return QStringLiteral("timer %1, expected %2")
            .arg(timer->isActive() ? "running" : "stopped", expectedRunning_ ? "running" : "stopped");
    if (timer->isActive() && timer->interval() != foucault::TimerIntervalMs(length))
        return QStringLiteral("timer interval %1 ms for %2 m").arg(timer->interval()).arg(Num(length));

    // The trail: at most 100 points, oldest first, each where the bob was at its tick.
    const Collection_Points& points = w->Points();
    const int count = points.CountPoint();
    if (count > foucault::kTrailLength)
        return QStringLiteral("trail of %1 points").arg(count);
    if (count != static_cast<int>(trailCounts_.size()))
        return QStringLiteral("trail of %1 points, expected %2").arg(count).arg(trailCounts_.size());
    const double frequency = static_cast<double>(config_.frequency);
    for (int i = 1; i <= count; ++i) {
        const auto point = points.Point(i);
        const double t = static_cast<double>(trailCounts_[static_cast<std::size_t>(i - 1)] - startCount_)
            / frequency;
        const foucault::GroundPosition bob =
            foucault::BobOnGround(foucault::kAmplitude, omegaPendule, foucault::OmegaTerre(), t);
        if (!Finite(point->X0Line) || !Finite(point->Y0Line)
            || std::abs(point->X0Line - bob.PosX) > 1e-9 || std::abs(point->Y0Line - bob.PosY) > 1e-9)
            return QStringLiteral("trail point %1 of %2 at (%3, %4), the bob was at (%5, %6) at t = %7 s")
                .arg(i)
                .arg(count)
                .arg(Num(point->X0Line), Num(point->Y0Line), Num(bob.PosX), Num(bob.PosY), Num(t));
    }
    return {};
}

// ---------------------------------------------------------------------------
// Running seeds

struct Outcome {
    int failedAfter = -1; ///< actions run when a check failed (0: at start); -1: none failed
    QString message;
};

/// Replays `actions` on a fresh program; stops at the first broken invariant.
Outcome Replay(const Config& config, const std::vector<Action>& actions)
{
    Session session(config);
    QString error = session.Check();
    if (!error.isEmpty())
        return {0, error};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        session.Execute(actions[i]);
        error = session.Check();
        if (!error.isEmpty())
            return {static_cast<int>(i + 1), error};
    }
    return {};
}

int EnvInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

struct SeedRange {
    std::uint64_t first = 1;
    std::uint64_t last = 20;
};

SeedRange SeedsFromEnvironment()
{
    SeedRange range;
    const QString text = qEnvironmentVariable("KESTROVA_RANDOM_SEEDS");
    if (text.isEmpty())
        return range;
    const QStringList parts = text.split(QStringLiteral(".."));
    range.first = parts[0].toULongLong();
    range.last = parts.size() > 1 ? parts[1].toULongLong() : range.first;
    return range;
}

} // namespace

class TestRandomProgram : public QObject {
    Q_OBJECT

private slots:
    void shrinkFindsTheFailingCore_data();
    void shrinkFindsTheFailingCore();
    void replayIsReproducible();
    void randomUserSessions();
};

void TestRandomProgram::shrinkFindsTheFailingCore_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("needed"); // fails when all of these are present, in order
    QTest::addColumn<QList<int>>("expected");

    QTest::addRow("one culprit among a thousand") << 1000 << QList<int>{617} << QList<int>{617};
    QTest::addRow("two far apart") << 1000 << QList<int>{3, 996} << QList<int>{3, 996};
    QTest::addRow("three neighbours") << 500 << QList<int>{250, 251, 252} << QList<int>{250, 251, 252};
    QTest::addRow("first and last") << 64 << QList<int>{0, 63} << QList<int>{0, 63};
}

void TestRandomProgram::shrinkFindsTheFailingCore()
{
    QFETCH(int, size);
    QFETCH(QList<int>, needed);
    QFETCH(QList<int>, expected);

    std::vector<int> items(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        items[static_cast<std::size_t>(i)] = i;
    auto fails = [&needed](const std::vector<int>& list) {
        std::size_t at = 0;
        for (int v : list)
            if (at < static_cast<std::size_t>(needed.size()) && v == needed[static_cast<qsizetype>(at)])
                ++at;
        return at == static_cast<std::size_t>(needed.size());
    };
    kestrova::testing::ShrinkStats stats;
    const std::vector<int> shrunk =
        kestrova::testing::ShrinkFailing(items, fails, std::chrono::seconds(30), &stats);
    QCOMPARE(QList<int>(shrunk.begin(), shrunk.end()), expected);
    QVERIFY(stats.complete);
    QVERIFY2(stats.replays < 40 * size, qPrintable(QString::number(stats.replays)));
}

void TestRandomProgram::replayIsReproducible()
{
    // The same seed gives the same actions and the same program state, so a
    // printed seed and action list reproduce a failure.
    auto run = [](std::uint64_t seed) {
        const Config config = ConfigFor(seed);
        Session session(config);
        Rng rng(seed);
        QStringList trace;
        for (int i = 0; i < 300; ++i) {
            const Action a = session.Generate(rng);
            session.Execute(a);
            trace << Describe(a, config.frequency);
        }
        return trace;
    };
    const QStringList first = run(77);
    QCOMPARE(run(77), first);
    QVERIFY(run(78) != first);
}

void TestRandomProgram::randomUserSessions()
{
    const int longRun = EnvInt("KESTROVA_LONG_RUN", 0);
    SeedRange seeds = SeedsFromEnvironment();
    int perSeed = EnvInt("KESTROVA_RANDOM_ACTIONS", 5000);
    std::int64_t total = 0;
    if (longRun > 0) {
        perSeed = std::min(longRun, 50'000);
        seeds.first = 1001;
        seeds.last = seeds.first + static_cast<std::uint64_t>((longRun + perSeed - 1) / perSeed) - 1;
    }
    const bool trace = EnvInt("KESTROVA_RANDOM_TRACE", 0) != 0;
    const int shrinkSeconds = EnvInt("KESTROVA_SHRINK_SECONDS", 120);

    QElapsedTimer clock;
    clock.start();
    Coverage coverage;
    for (std::uint64_t seed = seeds.first; seed <= seeds.last; ++seed) {
        const Config config = ConfigFor(seed);
        int actionsThisSeed = perSeed;
        if (longRun > 0)
            actionsThisSeed = static_cast<int>(std::min<std::int64_t>(perSeed, longRun - total));
        std::vector<Action> actions;
        actions.reserve(static_cast<std::size_t>(actionsThisSeed));
        // Should the program crash, this line names the seed to replay
        // (KESTROVA_RANDOM_SEEDS=n KESTROVA_RANDOM_TRACE=1 shows the action).
        qInfo("seed %llu: %d actions", static_cast<unsigned long long>(seed), actionsThisSeed);
        Outcome outcome;
        {
            Session session(config, &coverage);
            Rng rng(seed);
            outcome.message = session.Check();
            if (!outcome.message.isEmpty())
                outcome.failedAfter = 0;
            for (int i = 0; i < actionsThisSeed && outcome.failedAfter < 0; ++i) {
                actions.push_back(session.Generate(rng));
                if (trace)
                    qInfo("seed %llu #%d: %s", static_cast<unsigned long long>(seed), i,
                          qPrintable(Describe(actions.back(), config.frequency)));
                session.Execute(actions.back());
                const QString error = session.Check();
                if (!error.isEmpty())
                    outcome = {i + 1, error};
            }
            // Whatever state the actions left, the program ends once.
            if (outcome.failedAfter < 0) {
                const QString error = session.End(static_cast<int>(seed % 4));
                if (!error.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(error)));
            }
        }
        total += static_cast<std::int64_t>(actions.size());
        if (outcome.failedAfter < 0)
            continue;

        // Shrink to the shortest action list that still breaks an invariant.
        kestrova::testing::ShrinkStats stats;
        const std::vector<Action> shrunk = kestrova::testing::ShrinkFailing(
            actions, [&config](const std::vector<Action>& list) { return Replay(config, list).failedAfter >= 0; },
            std::chrono::seconds(shrinkSeconds), &stats);
        const Outcome last = Replay(config, shrunk);
        QString report = QStringLiteral("seed %1 (frequency %2, locale %3): after %4 action(s): %5\n"
                                        "shrunk to %6 action(s) in %7 replays%8, failing with: %9\n")
                             .arg(seed)
                             .arg(config.frequency)
                             .arg(config.locale.name())
                             .arg(outcome.failedAfter)
                             .arg(outcome.message)
                             .arg(shrunk.size())
                             .arg(stats.replays)
                             .arg(stats.complete ? QString() : QStringLiteral(" (time budget ran out)"))
                             .arg(last.message);
        for (std::size_t i = 0; i < shrunk.size(); ++i)
            report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(Describe(shrunk[i], config.frequency));
        QFAIL(qPrintable(report));
    }
    qInfo("%lld actions over seeds %llu..%llu in %.1f s", static_cast<long long>(total),
          static_cast<unsigned long long>(seeds.first), static_cast<unsigned long long>(seeds.last),
          static_cast<double>(clock.elapsed()) / 1000.0);
    qInfo("reached: %s", qPrintable(coverage.Summary()));
    // The actions reached what they are meant to exercise.
    QVERIFY(total > 0);
    if (total >= 2000) {
        QVERIFY(coverage.sliderValues > 0);
        QVERIFY(coverage.dampedTicks > 0 && coverage.foucaultTicks > 0);
        QVERIFY(coverage.regimes[1] > 0 && coverage.regimes[2] > 0);
        QVERIFY(coverage.automaticStops > 0);
        QVERIFY(coverage.foucaultStarts > 0 && coverage.fullTrails > 0);
        QVERIFY(coverage.acceptedTexts > 0 && coverage.refusedTexts > 0);
        QVERIFY(coverage.windowSwitches > 0);
    }
}

int main(int argc, char* argv[])
{
    // The long mode runs for many minutes in one test function, beyond
    // QtTest's five-minute watchdog.
    if (qEnvironmentVariableIsSet("KESTROVA_LONG_RUN") && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(24 * 3600 * 1000));
    QApplication app(argc, argv);
    TestRandomProgram test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_program.moc"
