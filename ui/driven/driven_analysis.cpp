#include "ui/driven/driven_analysis.h"

#include "model/vector_state.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "ui/common/dialog_font.h"
#include "ui/common/display_locale.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"
#include "ui/driven/driven_views.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>
#include <memory>

namespace kestrova {

namespace {

constexpr int kResonancePoints = 40;
constexpr int kSectionPoints = 2000;
constexpr int kSectionTransient = 300;
constexpr int kSeparationPeriods = 60;
constexpr TwipsBox kPlotBox{120, 120, 10800, 6000};

// A value that may be undefined (no peak, no bandwidth) shows as a dash.
QString ValueText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");
    return DisplayNumber(value, decimals);
}

PlotTexts Texts(const QString& x, const QString& y)
{
    return {x.toStdString(), y.toStdString(), QLocale().decimalPoint().toStdString()};
}

} // namespace

DrivenAnalysis::DrivenAnalysis(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Pendule forcé : résonance et chaos"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(11280), TwipsToPixels(8700));
    CreateControls();
    for (int t = 0; t < TabCount; ++t)
        Draw(static_cast<Tab>(t));
    RetranslateOnLanguageChange(*this, [this] {
        // The worker is still writing the results it will show.
        if (Busy())
            return;
        for (int t = 0; t < TabCount; ++t)
            Draw(static_cast<Tab>(t));
    });
}

DrivenAnalysis::~DrivenAnalysis()
{
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
}

void DrivenAnalysis::CreateControls()
{
    tabs_ = new QTabWidget(this);
    tabs_->setGeometry(TwipsRect({0, 0, 11280, 7740}));
    const char* titles[TabCount] = {
        QT_TR_NOOP("Courbe de résonance"), QT_TR_NOOP("Section de Poincaré"),
        QT_TR_NOOP("Diagramme de bifurcation"), QT_TR_NOOP("Sensibilité aux conditions initiales")};
    const Colour back = ToColour(palette().color(QPalette::Base));
    for (int t = 0; t < TabCount; ++t) {
        auto* page = new QWidget;
        auto* box = new PictureBox(page);
        box->SetLeft(kPlotBox.left);
        box->SetTop(kPlotBox.top);
        box->SetWidth(kPlotBox.width);
        box->SetHeight(kPlotBox.height);
        box->SetBackColor(back);
        box->Cls();
        boxes_[t] = box;
        auto* summary = new QLabel(page);
        summary->setWordWrap(true);
        summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        summary->setGeometry(TwipsRect({120, 6180, 10800, 1080}));
        summaries_[t] = summary;
        tabs_->addTab(page, tr(titles[t]));
    }
    // The range of γ, on the bifurcation tab beside its summary.
    QWidget* page = tabs_->widget(Bifurcation);
    summaries_[Bifurcation]->setGeometry(TwipsRect({4200, 6180, 6720, 1080}));
    auto addGamma = [page](const char* title, int top, double value) {
        auto* label = new QLabel(page);
        SetTranslatable(label, "text", title);
        label->setGeometry(TwipsRect({120, top + 30, 1800, 300}));
        auto* field = new QDoubleSpinBox(page);
        field->setRange(0, 3);
        field->setDecimals(3);
        field->setSingleStep(0.01);
        field->setValue(value);
        field->setGeometry(TwipsRect({1920, top, 1500, 360}));
        label->setBuddy(field);
        return field;
    };
    gammaFrom_ = addGamma(QT_TR_NOOP("γ de :"), 6180, results_.bifurcation.gammaFrom);
    gammaTo_ = addGamma(QT_TR_NOOP("γ à :"), 6600, results_.bifurcation.gammaTo);

    cmdCompute_ = new QPushButton(this);
    SetTranslatable(cmdCompute_, "text", QT_TR_NOOP("&Calculer"));
    cmdCompute_->setGeometry(TwipsRect({120, 7920, 1800, 450}));
    progress_ = new QProgressBar(this);
    progress_->setGeometry(TwipsRect({2040, 7980, 6960, 330}));
    progress_->setValue(0);
    cmdCancel_ = new QPushButton(this);
    SetTranslatable(cmdCancel_, "text", QT_TR_NOOP("&Annuler"));
    cmdCancel_->setGeometry(TwipsRect({9120, 7920, 1800, 450}));
    cmdCancel_->setEnabled(false);

    connect(cmdCompute_, &QPushButton::clicked, this,
            [this] { Compute(static_cast<Tab>(tabs_->currentIndex())); });
    connect(cmdCancel_, &QPushButton::clicked, this, &DrivenAnalysis::Cancel);
}

void DrivenAnalysis::SetGammaRange(double from, double to)
{
    gammaFrom_->setValue(from);
    gammaTo_->setValue(to);
}

void DrivenAnalysis::Start(int total, std::function<bool(const std::function<bool(int)>&)> job,
                           std::function<void()> show)
{
    cancel_ = false;
    progress_->setRange(0, total);
    progress_->setValue(0);
    cmdCompute_->setEnabled(false);
    cmdCancel_->setEnabled(true);
    worker_ = std::thread([this, job = std::move(job), show = std::move(show)] {
        // Started from the interface thread, the worker inherits its vector state.
        ClearUpperVectorHalves();
        const auto report = [this](int done) {
            QMetaObject::invokeMethod(
                this, [this, done] { progress_->setValue(done); }, Qt::QueuedConnection);
            return !cancel_;
        };
        const bool completed = job(report) && !cancel_;
        // Back on the interface thread: the worker is over, the results are shown.
        QMetaObject::invokeMethod(
            this,
            [this, completed, show] {
                worker_.join();
                cmdCompute_->setEnabled(true);
                cmdCancel_->setEnabled(false);
                show();
                emit Finished(completed);
            },
            Qt::QueuedConnection);
    });
}

void DrivenAnalysis::Compute(Tab tab)
{
    if (Busy())
        return;
    tabs_->setCurrentIndex(tab);
    const DrivenSetup setup = setup_;
    results_.computedFor[tab] = setup;
    switch (tab) {
    case Resonance: {
        const double from = 0.2 * setup.pulsation;
        const double to = 2 * setup.pulsation;
        Start(
            2 * kResonancePoints,
            [this, setup, from, to](const std::function<bool(int)>& report) {
                results_.upward = SweepResonance(setup, from, to, kResonancePoints, report);
                results_.downward =
                    SweepResonance(setup, to, from, kResonancePoints,
                                   [&](int done) { return report(kResonancePoints + done); });
                if (cancel_)
                    return false;
                results_.summary =
                    SummariseResonance(setup, results_.upward, [this] { return !cancel_; });
                return true;
            },
            [this] { Draw(Resonance); });
        break;
    }
    case Section:
        Start(
            1,
            [this, setup](const std::function<bool(int)>& report) {
                results_.section = PoincareSection(setup, kSectionTransient, kSectionPoints);
                return report(1);
            },
            [this] { Draw(Section); });
        break;
    case Bifurcation:
        results_.bifurcation.gammaFrom = gammaFrom_->value();
        results_.bifurcation.gammaTo = gammaTo_->value();
        Start(
            results_.bifurcation.count,
            [this, setup](const std::function<bool(int)>& report) {
                return SweepBifurcation(setup, results_.bifurcation, results_.columns, report);
            },
            [this] { Draw(Bifurcation); });
        break;
    case Sensitivity:
        Start(
            1,
            [this, setup](const std::function<bool(int)>& report) {
                results_.separation = Separation(setup, 1e-6, kSeparationPeriods);
                return report(1);
            },
            [this] { Draw(Sensitivity); });
        break;
    case TabCount:
        break;
    }
}

void DrivenAnalysis::Draw(Tab tab)
{
    boxes_[tab]->Cls();
    summaries_[tab]->setText(DrawOn(*boxes_[tab], tab, results_));
}

QList<PlotPicture> DrivenAnalysis::Plots() const
{
    QList<PlotPicture> plots;
    if (Busy())
        return plots;
    const bool computed[TabCount] = {!results_.upward.empty(), !results_.section.empty(),
                                     !results_.columns.empty(), !results_.separation.empty()};
    const char* names[TabCount] = {"resonance", "poincare", "bifurcation", "separation"};
    for (int t = 0; t < TabCount; ++t) {
        if (!computed[t])
            continue;
        PlotPicture plot = PictureOfBox(*boxes_[t], QLatin1String(names[t]), tabs_->tabText(t));
        // A copy: the picture may outlive this window.
        auto results = std::make_shared<const DrivenAnalysisResults>(results_);
        plot.draw = [results, t](PictureSurface& surface) {
            (void)DrawOn(surface, static_cast<Tab>(t), *results);
        };
        plots << plot;
    }
    return plots;
}

QString DrivenAnalysis::DrawOn(PictureSurface& box, Tab tab, const DrivenAnalysisResults& r)
{
    QString summary;
    switch (tab) {
    case Resonance:
        DrawResonanceCurve(box, r.computedFor[Resonance], r.upward, r.downward,
                           Texts(tr("Ω (rad/s)"), tr("Amplitude (rad)")));
        if (!r.upward.empty()) {
            summary =
                tr("Rouge : Ω croissant ; bleu : Ω décroissant ; vert : théorie des petits "
                   "angles.\nPulsation de résonance mesurée : %1 rad/s (théorie "
                   "√(ω₀² − 2λ²) : %2 rad/s). Bande passante : %3 rad/s.\nFacteur de "
                   "qualité mesuré : %4 (ω₀/2λ : %5).")
                    .arg(ValueText(r.summary.peakPulsation, 4), ValueText(r.summary.theoryPeak, 4),
                         ValueText(r.summary.bandwidth, 4), ValueText(r.summary.quality, 2),
                         ValueText(r.summary.theoryQuality, 2));
        }
        break;
    case Section:
        DrawPoincareSection(box, r.section, Texts(tr("θ (rad)"), tr("θ' (rad/s)")));
        if (!r.section.empty()) {
            summary = tr("%1 points, un par période de l'excitation, après %2 périodes.\n"
                         "Points distincts : %3 ; cases occupées d'une grille 100 × 100 : %4.")
                          .arg(r.section.size())
                          .arg(kSectionTransient)
                          .arg(DistinctPoints(r.section, r.computedFor[Section].pulsation))
                          .arg(OccupiedCells(r.section));
        }
        break;
    case Bifurcation:
        DrawBifurcationDiagram(box, r.columns, r.bifurcation.gammaFrom, r.bifurcation.gammaTo,
                               Texts(tr("γ"), tr("θ (rad)")));
        summary = tr("%1 valeurs de γ ; pour chacune, l'angle une fois par période pendant "
                     "%2 périodes, après %3 périodes de régime transitoire.")
                      .arg(r.bifurcation.count)
                      .arg(r.bifurcation.keptPeriods)
                      .arg(r.bifurcation.transientPeriods);
        break;
    case Sensitivity:
        DrawSeparation(box, r.separation, Texts(tr("t (s)"), tr("Écart (échelle log)")));
        if (!r.separation.empty()) {
            summary = tr("Deux mouvements partis à 10⁻⁶ rad l'un de l'autre : écart "
                         "√(Δθ² + (Δθ'/ω₀)²) final %1.")
                          .arg(QLocale().toString(r.separation.back().distance, 'g', 3));
        }
        break;
    case TabCount:
        break;
    }
    return summary;
}

} // namespace kestrova
