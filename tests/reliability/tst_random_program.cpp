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

#include "tests/reliability/shrink.h"
#include "tests/support/recording_surface.h"

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
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
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
#include <functional>
#include <memory>
#include <numbers>
#include <numeric>
#include <optional>
#include <type_traits>
#include <vector>

using namespace kestrova;
using kestrova::testing::RecordingSurface;

namespace {

/// SplitMix64: a seed gives the same actions with any standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    { }
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

/// Doubles with every digit, so that a failure shows exact values.
template <typename T>
QString Str(const T& v)
{
    if constexpr (std::is_floating_point_v<T>)
        return QString::number(v, 'g', 17);
    else if constexpr (std::is_arithmetic_v<T>)
        return QString::number(v);
    else
        return QString(v);
}

/// A failure message: `format` with %1, %2, ... replaced by the values.
template <typename... T>
QString Why(const char* format, const T&... values)
{
    if constexpr (sizeof...(T) == 0)
        return QString::fromUtf8(format);
    else
        return QString::fromUtf8(format).arg(Str(values)...);
}

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
constexpr std::array<Qt::Key, 8> kSliderKeys{Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                             Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                             Qt::Key_Home, Qt::Key_End};
constexpr std::array<const char*, 8> kSliderKeyNames{"Left",   "Right",    "Up",   "Down",
                                                     "PageUp", "PageDown", "Home", "End"};

struct Action {
    Kind kind = Kind::Tick;
    int target = 0;          ///< slider; end (0 minimum, 1 maximum); shortcut (1) or menu (0)
    int amount = 0;          ///< key, drag pixels, backspaces
    std::int64_t counts = 0; ///< counter counts of a tick
    QString text;            ///< length text
};

QString Quoted(const QString& text)
{
    return QLatin1Char('"')
        + (text.size() > 40 ? text.left(20) + Why("…(%1 chars)", text.size()) : text)
        + QLatin1Char('"');
}

QString Describe(const Action& a, std::int64_t frequency)
{
    const char* slider = kSliderNames[static_cast<std::size_t>(a.target)];
    const char* via = a.target == 1 ? "shortcut" : "menu";
    switch (a.kind) {
    case Kind::SliderKey:
        return Why("key %1 on %2", kSliderKeyNames[static_cast<std::size_t>(a.amount)], slider);
    case Kind::SliderDrag:
        return Why("drag %1 by %2 px", slider, a.amount);
    case Kind::SliderDragEnd:
        return Why("drag %1 beyond its %2", slider, a.amount == 0 ? "minimum" : "maximum");
    case Kind::SliderAim:
        return Why("drag %1 to %2, arrow keys to finish", slider, a.amount);
    case Kind::GoClick:
        return Why("click chkGo");
    case Kind::PosInit:
        return Why("click \"Position initiale\"");
    case Kind::ApproxClick:
        return Why("click chkApproxi");
    case Kind::ShowDamped:
        return Why("%1: damped window", via);
    case Kind::ShowFoucault:
        return Why("%1: Foucault window", via);
    case Kind::CloseFoucault:
        return Why("close the Foucault window");
    case Kind::LengthType:
        return Why("type %1 into txtLong", Quoted(a.text));
    case Kind::LengthPaste:
        return Why("paste %1 into txtLong", Quoted(a.text));
    case Kind::LengthBackspace:
        return Why("%1 backspace(s) in txtLong", a.amount);
    case Kind::FoucaultStart:
        return Why("click cmdGo");
    case Kind::Tick:
        return Why("tick after %1 s (%2 counts)",
                   static_cast<double>(a.counts) / static_cast<double>(frequency), a.counts);
    case Kind::Repaint:
        return Why("flush the event queue");
    }
    return QStringLiteral("?");
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
    static const std::array<QLocale, 4> locales{QLocale(QLocale::French, QLocale::France),
                                                QLocale::c(),
                                                QLocale(QLocale::German, QLocale::Germany),
                                                QLocale(QLocale::English, QLocale::UnitedStates)};
    return {seed, frequencies[seed % frequencies.size()], locales[(seed / 4) % locales.size()]};
}

/// Length texts: accepted ones, and every kind of refused one.
QString RandomLengthText(Rng& rng)
{
    static const QStringList pool{// accepted
                                  "67", "4", "3.5", "12,5", "12.5", "1000", "999.99", " 8 m", "2e2",
                                  "3.0000001", "+50", "1E3", "5.", "42abc",
                                  // refused
                                  "", "0", "3", "-5", "-0", "2,999", "1000.0001", "1e400", "1e-400",
                                  "-1e400", "99999999999999999999999999999999", "abc", "é", "πλ",
                                  "日本語", "😀", "١٢", "١٢٣٤", "12\u00A05", ".", "-", "+", "e5",
                                  ",5", "nan", "inf", "-inf", "0x1A", "--3", "\t", "1e", "1e+",
                                  "٫٥", "Ⅻ", "12345678901234567890e-17"};
    switch (rng.Below(4)) {
    case 0:
    case 1:
        return pool[rng.Below(static_cast<int>(pool.size()))];
    case 2: {
        // Characters that can start or continue a number, and others.
        static const QString alphabet = QStringLiteral("0123456789012345.,-+eE xé😀\u00A0٣");
        QString text;
        for (int i = 0, length = rng.Below(10); i < length; ++i) {
            const int at = rng.Below(static_cast<int>(alphabet.size()));
            const int from = alphabet[at].isLowSurrogate() ? at - 1 : at;
            text += alphabet.mid(from, alphabet[from].isHighSurrogate() ? 2 : 1);
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
    const int kind = rng.Below(100);
    // Nothing, the 1 ms timer and its hiccups, up to a second, the window dragged or the machine
    // asleep.
    const double seconds = kind < 15 ? 0
                                     : rng.Unit()
            * (kind < 60       ? 0.005
                   : kind < 85 ? 1.0
                               : 30.0);
    return static_cast<std::int64_t>(std::llround(seconds * static_cast<double>(frequency)));
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

/// Presses the handle at `from`, moves through `via` (when given) to `to`, releases.
void Drag(QSlider* slider, QPoint from, QPoint to, std::optional<QPoint> via = {})
{
    SendMouse(slider, QEvent::MouseButtonPress, from, Qt::LeftButton);
    if (via)
        SendMouse(slider, QEvent::MouseMove, *via, Qt::LeftButton);
    SendMouse(slider, QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(slider, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

QRect SliderPart(QSlider* slider, QStyle::SubControl part)
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
    option.subControls = part;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

/// The handle's pixel offset from its place at the minimum when the slider holds `value`.
int HandleOffset(QSlider* s, int value)
{
    const int span = SliderPart(s, QStyle::SC_SliderGroove).width()
        - SliderPart(s, QStyle::SC_SliderHandle).width();
    return QStyle::sliderPositionFromValue(s->minimum(), s->maximum(), value, span);
}

/// One character typed: a key stroke carrying it, or, for what no key
/// produces (an emoji beyond the basic plane), the input method's commit.
void TypeText(QWidget* widget, const QString& text)
{
    if (text.size() == 1 && text[0].isPrint()) {
        const bool keyed = text[0].unicode() < 0x80 && text[0].isLetterOrNumber();
        const auto key =
            keyed ? static_cast<Qt::Key>(text[0].toUpper().unicode()) : Qt::Key_unknown;
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

QSlider* SliderOf(QWidget* window, int index)
{
    return ChildOf<QSlider>(window, kSliderNames[static_cast<std::size_t>(index)]);
}

bool Finite(double v)
{
    return std::isfinite(v);
}

/// What a button shows of its text: the mnemonic markers go ("&&" is one "&").
QString Shown(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// ---------------------------------------------------------------------------
// What a fresh reset shows: a second damped window, never shown, drawing on
// checking surfaces, whose sliders are set to the values in question before
// its own reset runs.

using SliderTuple = std::array<int, 4>;

class ReferenceWindow {
public:
    ReferenceWindow()
    {
        clock_.ReadFrequency();
        window_ = std::make_unique<frmPenduleAmorti>(clock_);
        window_->SetSurfaces(
            {&surfaces_[0], {&surfaces_[1], &surfaces_[2]}, {&surfaces_[3], &surfaces_[4]}});
    }

    static constexpr std::array<const char*, 8> kLabels{"lblteta0",  "lblOmega0",  "lblPulsation",
                                                        "lblLambda", "lblQualite", "lblRelax",
                                                        "lblPseudo", "lblRegime"};
    static constexpr int kQualite = 4;
    static constexpr int kRelax = 5;

    /// The eight value captions after a reset with these slider values.
    const QStringList& CaptionsFor(const SliderTuple& sliders)
    {
        if (!cached_ || cachedFor_ != sliders) {
            for (int i = 0; i < 4; ++i)
                SliderOf(window_.get(), i)->setValue(sliders[static_cast<std::size_t>(i)]);
            window_->ResetSimulation();
            cached_.emplace();
            for (const char* label : kLabels)
                *cached_ << ChildOf<QLabel>(window_.get(), label)->text();
            cachedFor_ = sliders;
        }
        return *cached_;
    }

private:
    FakeCounterSource source_;
    HighResolutionClock clock_{source_};
    std::array<RecordingSurface, 5> surfaces_{
        RecordingSurface(433, 433, RecordingSurface::kCountsOnly),
        RecordingSurface(344, 320, RecordingSurface::kCountsOnly),
        RecordingSurface(344, 320, RecordingSurface::kCountsOnly),
        RecordingSurface(464, 320, RecordingSurface::kCountsOnly),
        RecordingSurface(464, 320, RecordingSurface::kCountsOnly)};
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
    std::int64_t sliderValues = 0;
    std::int64_t dampedTicks = 0;
    std::int64_t foucaultTicks = 0;
    std::int64_t automaticStops = 0;
    std::int64_t foucaultStarts = 0;
    std::int64_t acceptedTexts = 0;
    std::int64_t refusedTexts = 0;
    std::int64_t windowSwitches = 0;
    std::int64_t fullTrails = 0; ///< ticks that left 100 points
    std::array<std::int64_t, 3>
        regimes{}; ///< ticks in each regime: critical, aperiodic, pseudo-periodic
};

constexpr SliderTuple kLoadSliders{45, 0, 40, 22};

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

class Session {
public:
    explicit Session(const Config& config, Coverage* coverage = nullptr)
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
        // Shortcuts reach an exposed, active window only; no animation runs yet.
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
    void Tick(std::int64_t counts);
    QString CheckDamped(frmPenduleAmorti* w);
    QString CheckFoucault(frmFoucault* w);
    [[nodiscard]] double SecondsSince(std::int64_t start)
    {
        return static_cast<double>(source_.QueryCounter() - start)
            / static_cast<double>(config_.frequency);
    }

    Config config_;
    Coverage ownCoverage_;
    Coverage& coverage_;
    FakeCounterSource source_;
    std::unique_ptr<MDIBrunmalt> frame_;
    int quits_ = 0;
    Open open_ = Open::Damped;
    ReferenceWindow reference_;

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

    QPointer<frmFoucault> foucault_;
    double expectedLength_ = foucault::kDefaultLength;
    bool expectedRunning_ = false;
    std::int64_t startCount_ = 0;
    std::deque<std::int64_t> trailCounts_; ///< counter readings of the ticks the trail holds
    double tempsEcoule_ = 0;               ///< time of the last tick since the last start
};

Action Session::Generate(Rng& rng) const
{
    // Weights per state of the program. A running animation is mostly left
    // to run, so that long runs, automatic stops and full trails happen;
    // a stopped one is mostly played with.
    using enum Kind;
    Action a;
    frmPenduleAmorti* damped = frame_->DampedWindow();
    frmFoucault* foucault = frame_->FoucaultWindow();
    if (damped != nullptr && ChildOf<QTimer>(damped, "tmrPendule")->isActive())
        a.kind = Pick(rng,
                      {{SliderKey, 12},
                       {SliderDrag, 8},
                       {SliderDragEnd, 4},
                       {GoClick, 30},
                       {PosInit, 5},
                       {ApproxClick, 8},
                       {ShowFoucault, 4},
                       {ShowDamped, 1},
                       {Repaint, 5},
                       {Tick, 900}});
    else if (damped != nullptr)
        a.kind = Pick(rng,
                      {{SliderKey, 120},
                       {SliderDrag, 90},
                       {SliderDragEnd, 30},
                       {SliderAim, 20},
                       {GoClick, 250},
                       {PosInit, 40},
                       {ApproxClick, 40},
                       {ShowFoucault, 25},
                       {ShowDamped, 8},
                       {Repaint, 15},
                       {Tick, 150}});
    else if (foucault != nullptr && ChildOf<QTimer>(foucault, "tmrCourbe")->isActive())
        a.kind = Pick(rng,
                      {{LengthType, 3},
                       {LengthPaste, 2},
                       {LengthBackspace, 1},
                       {FoucaultStart, 2},
                       {ShowDamped, 2},
                       {ShowFoucault, 1},
                       {CloseFoucault, 1},
                       {Repaint, 2},
                       {Tick, 986}});
    else if (foucault != nullptr)
        a.kind = Pick(rng,
                      {{LengthType, 250},
                       {LengthPaste, 150},
                       {LengthBackspace, 80},
                       {FoucaultStart, 350},
                       {ShowDamped, 60},
                       {ShowFoucault, 20},
                       {CloseFoucault, 20},
                       {Repaint, 20},
                       {Tick, 50}});
    else
        a.kind = Pick(rng, {{ShowDamped, 500}, {ShowFoucault, 300}, {Tick, 200}});

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
        const int pulsation = SliderOf(damped, 2)->value();
        const int lambda = SliderOf(damped, 3)->value();
        if (pulsation <= 50 && rng.Chance(0.5)) {
            a.target = 3;
            a.amount = pulsation * 10;
        } else if (lambda % 10 == 0 && lambda > 0) {
            a.target = 2;
            a.amount = lambda / 10;
        } else {
            a.target = rng.Below(4);
            const QSlider* s = SliderOf(damped, a.target);
            a.amount = rng.Between(s->minimum(), s->maximum());
        }
        break;
    }
    case ShowDamped:
    case ShowFoucault:
        a.target = rng.Below(2);
        break;
    case LengthType:
        a.text = RandomLengthText(rng).left(400); // typed by hand: a long but bounded text
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
    const bool needsDamped = a.kind <= Kind::ApproxClick;
    const bool needsFoucault = a.kind >= Kind::CloseFoucault && a.kind <= Kind::FoucaultStart;
    if ((needsDamped && damped == nullptr) || (needsFoucault && foucault == nullptr))
        return;
    QSlider* slider =
        needsDamped && a.kind <= Kind::SliderAim ? SliderOf(damped, a.target) : nullptr;
    auto* field = needsFoucault ? ChildOf<QLineEdit>(foucault, "txtLong") : nullptr;
    switch (a.kind) {
    case Kind::SliderKey:
        QTest::keyClick(slider, kSliderKeys[static_cast<std::size_t>(a.amount)]);
        break;
    case Kind::SliderDrag:
    case Kind::SliderDragEnd: {
        const QPoint from = SliderPart(slider, QStyle::SC_SliderHandle).center();
        const QPoint to = a.kind == Kind::SliderDrag ? from + QPoint(a.amount, 0)
            : a.amount == 0                          ? QPoint(-400, from.y())
                                                     : QPoint(slider->width() + 400, from.y());
        Drag(slider, from, to, (from + to) / 2);
        break;
    }
    case Kind::SliderAim: {
        const int goal = std::clamp(a.amount, slider->minimum(), slider->maximum());
        const QPoint from = SliderPart(slider, QStyle::SC_SliderHandle).center();
        Drag(slider, from,
             from + QPoint(HandleOffset(slider, goal) - HandleOffset(slider, slider->value()), 0));
        for (int i = 0; i < 20 && slider->value() != goal; ++i)
            QTest::keyClick(slider, slider->value() < goal ? Qt::Key_Right : Qt::Key_Left);
        break;
    }
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
    case Kind::ApproxClick: {
        auto* box = ChildOf<QCheckBox>(damped, "chkApproxi");
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator =
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indicator.center());
        viewChosen_ = true;
        break;
    }
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
        qobject_cast<QMdiSubWindow*>(foucault->parentWidget())->close();
        open_ = Open::None;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    case Kind::LengthType:
    case Kind::LengthPaste:
        // A click into the field (the input method writes into the focus
        // widget only), then everything selected and replaced.
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typed_ = a.text.left(field->maxLength());
        if (a.kind == Kind::LengthPaste)
            field->insert(a.text);
        else if (a.text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        for (qsizetype i = 0, n = 1; a.kind == Kind::LengthType && i < a.text.size(); i += n) {
            n = a.text[i].isHighSurrogate() ? 2 : 1;
            TypeText(field, a.text.mid(i, n));
        }
        break;
    case Kind::LengthBackspace:
        for (int i = 0; i < a.amount; ++i)
            QTest::keyClick(field, Qt::Key_Backspace);
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
            const PenduleState& st = damped->State();
            ++coverage_.dampedTicks;
            ++coverage_.regimes[static_cast<std::size_t>(RegimeOf(st.Pulsation2, st.Lambda))];
            coverage_.automaticStops += !timer->isActive();
        }
    }
    if (frmFoucault* foucault = frame_->FoucaultWindow()) {
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
        for (int i = 0; i < 4; ++i)
            QObject::connect(SliderOf(damped, i), &QAbstractSlider::valueChanged, damped,
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
    // Every value a slider passes through resets the window; without damping
    // the quality factor and the relaxation time keep the captions of the
    // last damped values.
    ++coverage_.sliderValues;
    cumul_ = temps_ = 0;
    SliderTuple now{};
    for (int i = 0; i < 4; ++i)
        now[static_cast<std::size_t>(i)] = SliderOf(damped_, i)->value();
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
        return Why("the program ended (%1 exit calls)", quits_);

    // Exactly the expected windows are open.
    const QList<QMdiSubWindow*> subs = frame_->MdiArea().subWindowList();
    int dampedCount = 0;
    int foucaultCount = 0;
    for (QMdiSubWindow* sub : subs) {
        dampedCount += qobject_cast<frmPenduleAmorti*>(sub->widget()) != nullptr;
        foucaultCount += qobject_cast<frmFoucault*>(sub->widget()) != nullptr;
        if (!sub->isVisible())
            return Why("a sub-window is open but hidden");
    }
    const int expectedDamped = open_ == Open::Damped ? 1 : 0;
    const int expectedFoucault = open_ == Open::Foucault ? 1 : 0;
    if (dampedCount != expectedDamped || foucaultCount != expectedFoucault
        || subs.size() != expectedDamped + expectedFoucault)
        return Why("open windows: %1 damped, %2 Foucault, %3 in all; expected %4 and %5",
                   dampedCount, foucaultCount, subs.size(), expectedDamped, expectedFoucault);
    if ((frame_->DampedWindow() != nullptr) != (expectedDamped == 1)
        || (frame_->FoucaultWindow() != nullptr) != (expectedFoucault == 1))
        return Why("the frame's window accessors disagree with its MDI area");

    QString error;
    if (frmPenduleAmorti* w = frame_->DampedWindow();
        w != nullptr && !(error = CheckDamped(w)).isEmpty())
        return QStringLiteral("damped window: ") + error;
    if (frmFoucault* w = frame_->FoucaultWindow();
        w != nullptr && !(error = CheckFoucault(w)).isEmpty())
        return QStringLiteral("Foucault window: ") + error;
    return {};
}

QString Session::End(int how)
{
    frmPenduleAmorti* damped = frame_->DampedWindow();
    if (how == 2 && damped == nullptr)
        how = 0;
    switch (how) {
    case 0:
        frame_->QuitAction()->trigger();
        break;
    case 1:
        QTest::keyClick(frame_.get(), Qt::Key_Q, Qt::ControlModifier);
        break;
    case 2:
        qobject_cast<QMdiSubWindow*>(damped->parentWidget())->close();
        break;
    default:
        frame_->close();
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    static const char* const ways[] = {"the menu's exit", "Ctrl+Q", "closing the damped window",
                                       "closing the frame"};
    return quits_ == 1 ? QString() : Why("%1 ended the program %2 times", ways[how], quits_);
}

QString Session::CheckDamped(frmPenduleAmorti* w)
{
    const PenduleState& s = w->State();
    const std::array<std::pair<const char*, double>, 14> fields{{
        {"Teta0", s.Teta0},
        {"Omega0", s.Omega0},
        {"Pulsation2", s.Pulsation2},
        {"Lambda", s.Lambda},
        {"Teta", s.Teta},
        {"Omega", s.Omega},
        {"TetaApprox", s.TetaApprox},
        {"OmegaApprox", s.OmegaApprox},
        {"Temps", s.Temps},
        {"TempsPrec", s.TempsPrec},
        {"TempsCumul", s.TempsCumul},
        {"TetaMax", s.TetaMax},
        {"OmegaMax", s.OmegaMax},
        {"DureeTrace", s.DureeTrace},
    }};
    for (const auto& [name, value] : fields)
        if (!Finite(value))
            return Why("%1 is %2", name, value);
    if (faults_ != 0)
        return QStringLiteral("a fault was reported: ") + lastFault_;
    if (!(s.Teta > -std::numbers::pi && s.Teta <= std::numbers::pi))
        return Why("angle %1 outside (-pi, pi]", s.Teta);

    // The model holds exactly what the sliders say.
    SliderTuple sliders{};
    for (int i = 0; i < 4; ++i)
        sliders[static_cast<std::size_t>(i)] = SliderOf(w, i)->value();
    const Parameters p =
        ParametersFromSliders(SliderValues{sliders[0], sliders[1], sliders[2], sliders[3]});
    if (s.Teta0 != p.Teta0 || s.Omega0 != p.Omega0 || s.Pulsation2 != p.Pulsation2
        || s.Lambda != p.Lambda)
        return Why("model parameters (%1, %2, %3, %4) differ from the sliders (%5, %6, %7, %8)",
                   s.Teta0, s.Omega0, s.Pulsation2, s.Lambda, sliders[0], sliders[1], sliders[2],
                   sliders[3]);

    // Captions: what a fresh reset with the same slider values shows.
    QStringList expected = reference_.CaptionsFor(sliders);
    if (sliders[3] == 0) {
        const QStringList& damped = reference_.CaptionsFor(lastDampedSliders_);
        for (int i : {ReferenceWindow::kQualite, ReferenceWindow::kRelax})
            expected[i] = damped[i];
    }
    for (int i = 0; i < expected.size(); ++i) {
        const char* label = ReferenceWindow::kLabels[static_cast<std::size_t>(i)];
        const QString shown = ChildOf<QLabel>(w, label)->text();
        if (shown != expected[i])
            return Why("%1 shows \"%2\", a reset shows \"%3\"", label, shown, expected[i]);
    }

    // Toggle, its caption and the timer agree.
    auto* go = ChildOf<QPushButton>(w, "chkGo");
    auto* timer = ChildOf<QTimer>(w, "tmrPendule");
    const char* state = go->isChecked() ? "down" : "up";
    if (Shown(go->text())
        != QString::fromUtf8(go->isChecked() ? "Suspendre l'animation" : "Lancer l'animation"))
        return Why("toggle %1 with caption \"%2\"", state, go->text());
    if (timer->isActive() != go->isChecked())
        return Why("toggle %1 but timer %2", state, timer->isActive() ? "running" : "stopped");
    if (timer->isActive() && timer->interval() != 1)
        return Why("timer interval %1 ms", timer->interval());

    // Displayed time is the time the animation ran: pauses and the time
    // between the last tick and a pause do not count.
    auto near = [](double a, double b) {
        return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
    };
    if (!near(s.TempsCumul, cumul_) || !near(s.Temps, temps_))
        return Why("TempsCumul %1 and Temps %2, the animation ran %3 + %4 s", s.TempsCumul, s.Temps,
                   cumul_, temps_);
    if (!(s.Temps >= 0 && s.TempsPrec >= 0 && s.TempsCumul >= 0 && s.TempsPrec <= s.Temps))
        return Why("times Temps %1, TempsPrec %2, TempsCumul %3", s.Temps, s.TempsPrec,
                   s.TempsCumul);
    // The longest pseudo-period, 144 s, ends on a whole 5 s graduation at 145 s.
    if (!(s.DureeTrace >= 10 && s.DureeTrace <= 145 && s.TetaMax > 0 && s.TetaMax <= 180 * DegToRad
          && s.OmegaMax >= 0))
        return Why("plot scales DureeTrace %1, TetaMax %2, OmegaMax %3", s.DureeTrace, s.TetaMax,
                   s.OmegaMax);

    // Energy: the damping only takes it away; the integration may not add any.
    auto energy = [&s](double teta, double omega) {
        return omega * omega / 2 + s.Pulsation2 * (1 - std::cos(teta));
    };
    const double e0 = energy(s.Teta0, s.Omega0);
    const double e = energy(s.Teta, s.Omega);
    if (e > e0 * (1 + 1e-6) + 1e-12)
        return Why("energy grew from %1 to %2", e0, e);

    // The visible member of each plot pair follows the check box once chosen.
    if (viewChosen_) {
        const bool approx = ChildOf<QCheckBox>(w, "chkApproxi")->isChecked();
        const DampedSurfaces& boxes = w->Surfaces();
        const std::array<bool, 4> visible{
            boxes.picOscillation[0]->Visible(), boxes.picPhase[0]->Visible(),
            boxes.picOscillation[1]->Visible(), boxes.picPhase[1]->Visible()};
        if (visible != std::array<bool, 4>{!approx, !approx, approx, approx})
            return Why("plot members visible (%1 %2 %3 %4) with chkApproxi %5", visible[0],
                       visible[1], visible[2], visible[3], approx);
    }
    return {};
}

QString Session::CheckFoucault(frmFoucault* w)
{
    const double length = w->Longueur();
    if (!Finite(length) || !Finite(w->OmegaPendule()) || !Finite(w->TempsEcoule()))
        return Why("Longueur %1, OmegaPendule %2, TempsEcoule %3", length, w->OmegaPendule(),
                   w->TempsEcoule());
    if (length != expectedLength_)
        return Why("length %1, expected %2", length, expectedLength_);
    if (!(length > foucault::kAmplitude && length <= foucault::kMaxLength))
        return Why("length %1 outside (3, 1000]", length);
    const double omegaPendule = foucault::OmegaPendule(length, foucault::OmegaTerre());
    if (w->OmegaPendule() != omegaPendule)
        return Why("OmegaPendule %1 for a length of %2", w->OmegaPendule(), length);
    if (w->TempsEcoule() != tempsEcoule_)
        return Why("TempsEcoule %1, the last tick came %2 s after the start", w->TempsEcoule(),
                   tempsEcoule_);
    const QLineF string = ChildOf<LineElement>(w, "linFil")->PixelLine();
    if (!Finite(string.x1()) || !Finite(string.y1()) || !Finite(string.x2())
        || !Finite(string.y2()))
        return Why("the string runs from (%1, %2) to (%3, %4) pixels", string.x1(), string.y1(),
                   string.x2(), string.y2());

    // The field, the start button and the refusal message agree.
    auto* field = ChildOf<QLineEdit>(w, "txtLong");
    if (!typed_.isNull() && field->text() != typed_)
        return Why("the field shows %1 after %2 was typed", Quoted(field->text()), Quoted(typed_));
    const bool accepted = foucault::ReadLength(field->text().toStdString()).Accepted();
    auto* go = ChildOf<QPushButton>(w, "cmdGo");
    auto* refusal = ChildOf<QLabel>(w, "lblRefus");
    if (go->isEnabled() != accepted || refusal->isVisible() == accepted
        || accepted != refusal->text().isEmpty())
        return Why("text %1 %2 but start button %3, refusal \"%4\" %5", Quoted(field->text()),
                   accepted ? "accepted" : "refused", go->isEnabled() ? "enabled" : "disabled",
                   refusal->text(), refusal->isVisible() ? "shown" : "hidden");

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
        const auto point = points.Point(i);
        const double t =
            static_cast<double>(trailCounts_[static_cast<std::size_t>(i - 1)] - startCount_)
            / static_cast<double>(config_.frequency);
        const foucault::GroundPosition bob =
            foucault::BobOnGround(foucault::kAmplitude, omegaPendule, foucault::OmegaTerre(), t);
        if (!Finite(point->X0Line) || !Finite(point->Y0Line)
            || std::abs(point->X0Line - bob.PosX) > 1e-9
            || std::abs(point->Y0Line - bob.PosY) > 1e-9)
            return Why("trail point %1 of %2 at (%3, %4), the bob was at (%5, %6) at t = %7 s", i,
                       count, point->X0Line, point->Y0Line, bob.PosX, bob.PosY, t);
    }
    return {};
}

// ---------------------------------------------------------------------------
// Running seeds

struct Outcome {
    int failedAfter = -1; ///< actions run when a check failed (0: at start); -1: none failed
    QString message;
    bool ending = false; ///< every check held; ending the program went wrong
};

/// Runs `count` actions from `next` on a fresh program, checking after each;
/// stops at the first broken invariant. `end` (>= 0) ends the program after
/// a sound run.
Outcome Run(const Config& config, int count, const std::function<Action(Session&, int)>& next,
            Coverage* coverage = nullptr, int end = -1)
{
    Session session(config, coverage);
    if (QString error = session.Check(); !error.isEmpty())
        return {0, error};
    for (int i = 0; i < count; ++i) {
        session.Execute(next(session, i));
        if (QString error = session.Check(); !error.isEmpty())
            return {i + 1, error};
    }
    if (end >= 0)
        if (QString error = session.End(end); !error.isEmpty())
            return {count, error, true};
    return {};
}

Outcome Replay(const Config& config, const std::vector<Action>& actions)
{
    return Run(config, static_cast<int>(actions.size()),
               [&actions](Session&, int i) { return actions[static_cast<std::size_t>(i)]; });
}

int EnvInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
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
    QTest::addRow("one culprit among a thousand") << 1000 << QList<int>{617};
    QTest::addRow("two far apart") << 1000 << QList<int>{3, 996};
    QTest::addRow("three neighbours") << 500 << QList<int>{250, 251, 252};
    QTest::addRow("first and last") << 64 << QList<int>{0, 63};
}

void TestRandomProgram::shrinkFindsTheFailingCore()
{
    QFETCH(int, size);
    QFETCH(QList<int>, needed);
    std::vector<int> items(static_cast<std::size_t>(size));
    std::iota(items.begin(), items.end(), 0);
    auto fails = [&needed](const std::vector<int>& list) {
        qsizetype at = 0;
        for (int v : list)
            at += at < needed.size() && v == needed[at];
        return at == needed.size();
    };
    kestrova::testing::ShrinkStats stats;
    const std::vector<int> shrunk =
        kestrova::testing::ShrinkFailing(items, fails, std::chrono::seconds(30), &stats);
    QCOMPARE(QList<int>(shrunk.begin(), shrunk.end()), needed);
    QVERIFY(stats.complete);
    QVERIFY2(stats.replays < 40 * size, qPrintable(QString::number(stats.replays)));
}

void TestRandomProgram::replayIsReproducible()
{
    // The same seed gives the same actions and the same program state, so a
    // printed seed and action list reproduce a failure.
    auto run = [](std::uint64_t seed) {
        const Config config = ConfigFor(seed);
        Rng rng(seed);
        QStringList trace;
        Run(config, 300, [&](Session& session, int) {
            const Action a = session.Generate(rng);
            trace << Describe(a, config.frequency);
            return a;
        });
        return trace;
    };
    const QStringList first = run(77);
    QCOMPARE(first.size(), 300);
    QCOMPARE(run(77), first);
    QVERIFY(run(78) != first);
}

void TestRandomProgram::randomUserSessions()
{
    const int longRun = EnvInt("KESTROVA_LONG_RUN", 0);
    const QString seeds = qEnvironmentVariable("KESTROVA_RANDOM_SEEDS");
    const QStringList range =
        (seeds.isEmpty() ? QStringLiteral("1..20") : seeds).split(QStringLiteral(".."));
    std::uint64_t first = range[0].toULongLong();
    std::uint64_t last = range.size() > 1 ? range[1].toULongLong() : first;
    int perSeed = EnvInt("KESTROVA_RANDOM_ACTIONS", 5000);
    if (longRun > 0) {
        perSeed = std::min(longRun, 50'000);
        first = 1001;
        last = first + static_cast<std::uint64_t>((longRun + perSeed - 1) / perSeed) - 1;
    }
    const bool trace = EnvInt("KESTROVA_RANDOM_TRACE", 0) != 0;
    const int shrinkSeconds = EnvInt("KESTROVA_SHRINK_SECONDS", 120);

    std::int64_t total = 0;
    Coverage coverage;
    for (std::uint64_t seed = first; seed <= last; ++seed) {
        const Config config = ConfigFor(seed);
        const int count = longRun > 0
            ? static_cast<int>(std::min<std::int64_t>(perSeed, longRun - total))
            : perSeed;
        // Should the program crash, this line names the seed to replay.
        qInfo("seed %llu: %d actions", static_cast<unsigned long long>(seed), count);
        std::vector<Action> actions;
        actions.reserve(static_cast<std::size_t>(count));
        Rng rng(seed);
        const Outcome outcome = Run(
            config, count,
            [&](Session& session, int i) {
                actions.push_back(session.Generate(rng));
                if (trace)
                    qInfo("seed %llu #%d: %s", static_cast<unsigned long long>(seed), i,
                          qPrintable(Describe(actions.back(), config.frequency)));
                return actions.back();
            },
            &coverage, static_cast<int>(seed % 4));
        total += static_cast<std::int64_t>(actions.size());
        if (outcome.failedAfter < 0)
            continue;
        if (outcome.ending)
            QFAIL(qPrintable(Why("seed %1: %2", seed, outcome.message)));

        kestrova::testing::ShrinkStats stats;
        const std::vector<Action> shrunk = kestrova::testing::ShrinkFailing(
            actions,
            [&config](const std::vector<Action>& list) {
                return Replay(config, list).failedAfter >= 0;
            },
            std::chrono::seconds(shrinkSeconds), &stats);
        QString report =
            Why("seed %1 (frequency %2, locale %3): after %4 action(s): %5\n"
                "shrunk to %6 action(s) in %7 replays%8, failing with: %9\n",
                seed, config.frequency, config.locale.name(), outcome.failedAfter, outcome.message,
                shrunk.size(), stats.replays, stats.complete ? "" : " (time budget ran out)",
                Replay(config, shrunk).message);
        for (std::size_t i = 0; i < shrunk.size(); ++i)
            report += Why("  %1. %2\n", i + 1, Describe(shrunk[i], config.frequency));
        QFAIL(qPrintable(report));
    }
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
    if (qEnvironmentVariableIsSet("KESTROVA_LONG_RUN")
        && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(24 * 3600 * 1000));
    QApplication app(argc, argv);
    TestRandomProgram test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_program.moc"
