#include "app/fit_dialog.h"

#include "app/residuals_plot.h"
#include "ui/common/display_locale.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>

namespace kestrova {
namespace {

/// "4,2031 ± 0,0012": the uncertainty to two significant digits, the value
/// to the same decimal place.
QString WithUncertainty(const FittedValue& v)
{
    const QLocale locale = DisplayLocale();
    int decimals = 3;
    if (v.uncertainty > 0 && std::isfinite(v.uncertainty))
        decimals = std::clamp(1 - static_cast<int>(std::floor(std::log10(v.uncertainty))), 0, 8);
    return QStringLiteral("%1 ± %2").arg(locale.toString(v.value, 'f', decimals),
                                         locale.toString(v.uncertainty, 'f', decimals));
}

QString StatusText(FitStatus status)
{
    switch (status) {
    case FitStatus::Converged:
        return {};
    case FitStatus::NotConverged:
        return FitDialog::tr("l'ajustement n'a pas convergé");
    case FitStatus::Cancelled:
        return FitDialog::tr("ajustement annulé");
    case FitStatus::TooFewSamples:
        return FitDialog::tr("trop peu de mesures dans la fenêtre");
    case FitStatus::NoSwing:
        return FitDialog::tr("la mesure n'oscille pas dans la fenêtre");
    }
    return {};
}

} // namespace

QString FitDialog::VerdictText(DampingVerdict verdict)
{
    switch (verdict) {
    case DampingVerdict::Linear:
        return tr("Les résidus ne justifient pas de terme quadratique : un amortissement "
                  "proportionnel à la vitesse (modèle linéaire) décrit cette mesure.");
    case DampingVerdict::Quadratic:
        return tr("Les résidus favorisent le modèle quadratique : une part de l'amortissement "
                  "croît comme le carré de la vitesse, comme le frottement de l'air.");
    case DampingVerdict::Undecided:
        return tr("Les résidus ne permettent pas de départager les deux modèles.");
    }
    return {};
}

FitDialog::FitDialog(MeasuredSeries series, QWidget* parent)
    : QDialog(parent)
    , series_(std::move(series))
{
    setWindowTitle(tr("Ajuster le modèle"));
    from_ = new QDoubleSpinBox(this);
    to_ = new QDoubleSpinBox(this);
    const double first = series_.time.empty() ? 0 : series_.time.front();
    const double last = series_.time.empty() ? 0 : series_.time.back();
    const SampleSpan span = LongestUnbrokenSpan(series_);
    for (QDoubleSpinBox* box : {from_, to_}) {
        box->setRange(first, last);
        box->setDecimals(2);
        box->setSuffix(tr(" s"));
    }
    if (!series_.time.empty()) {
        from_->setValue(series_.time[span.first]);
        to_->setValue(series_.time[span.last]);
    }
    auto* window = new QHBoxLayout;
    window->addWidget(new QLabel(tr("Fenêtre de temps : de"), this));
    window->addWidget(from_);
    window->addWidget(new QLabel(tr("à"), this));
    window->addWidget(to_);
    fit_ = new QPushButton(tr("Ajuster"), this);
    cancelButton_ = new QPushButton(tr("Annuler l'ajustement"), this);
    cancelButton_->setEnabled(false);
    window->addWidget(fit_);
    window->addWidget(cancelButton_);
    window->addStretch(1);
    results_ = new QLabel(this);
    results_->setObjectName(QStringLiteral("fitResults"));
    results_->setWordWrap(true);
    results_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    residuals_ = new ResidualsPlot(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Fermer"));
    apply_ = buttons->addButton(tr("Appliquer au simulateur"), QDialogButtonBox::ActionRole);
    apply_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fit_, &QPushButton::clicked, this, &FitDialog::StartFit);
    connect(cancelButton_, &QPushButton::clicked, this, &FitDialog::Cancel);
    connect(apply_, &QPushButton::clicked, this, [this] { emit ApplyRequested(Favoured()); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(window);
    layout->addWidget(results_);
    layout->addWidget(new QLabel(tr("Résidus (mesure moins modèle) :"), this));
    layout->addWidget(residuals_, 1);
    layout->addWidget(buttons);
    resize(680, 560);
}

FitDialog::~FitDialog()
{
    Cancel();
    if (worker_ != nullptr)
        worker_->wait();
}

void FitDialog::StartFit()
{
    if (worker_ != nullptr)
        return;
    cancel_ = false;
    FitOptions options;
    options.from = from_->value();
    options.to = to_->value();
    options.cancel = &cancel_;
    fit_->setEnabled(false);
    cancelButton_->setEnabled(true);
    apply_->setEnabled(false);
    results_->setText(tr("Ajustement en cours…"));
    worker_ = QThread::create([this, options] {
        FitOptions linear = options, quadratic = options;
        quadratic.model = DampingModel::Quadratic;
        linear_ = FitPendulum(series_, linear);
        quadratic_ = FitPendulum(series_, quadratic);
    });
    connect(worker_, &QThread::finished, this, [this] {
        worker_->deleteLater();
        worker_ = nullptr;
        fit_->setEnabled(true);
        cancelButton_->setEnabled(false);
        ShowResults();
        emit Finished();
    });
    worker_->start();
}

void FitDialog::Cancel()
{
    cancel_ = true;
}

const PendulumFit& FitDialog::Favoured() const
{
    return CompareDamping(linear_, quadratic_) == DampingVerdict::Quadratic ? quadratic_ : linear_;
}

void FitDialog::ShowResults()
{
    const QString speedUnit = tr("rad/s");
    const auto describe = [&](const PendulumFit& fit, const QString& title) {
        QString text = QStringLiteral("<b>%1</b>").arg(title);
        if (!fit.Converged())
            return text + QStringLiteral(" : ") + StatusText(fit.status);
        const QLocale locale = DisplayLocale();
        text += QStringLiteral("<br>ω₀ = %1 %2 ; λ = %3 s⁻¹")
                    .arg(WithUncertainty(fit.omega0), speedUnit, WithUncertainty(fit.lambda));
        if (fit.model == DampingModel::Quadratic)
            text += QStringLiteral(" ; μ = %1 rad⁻¹").arg(WithUncertainty(fit.mu));
        text += QStringLiteral("<br>")
            + tr("à %1 s : θ = %2 rad, θ' = %3 rad/s")
                  .arg(locale.toString(fit.startTime, 'f', 2), WithUncertainty(fit.angle),
                       WithUncertainty(fit.velocity));
        if (fit.speed)
            text += QStringLiteral("<br>")
                + tr("décalage du capteur : %1 rad/s").arg(WithUncertainty(fit.offset));
        text += QStringLiteral("<br>")
            + tr("écart quadratique moyen des résidus : %1 %2")
                  .arg(locale.toString(fit.rms, 'g', 3), fit.speed ? speedUnit : tr("rad"));
        return text;
    };
    QString text = describe(linear_, tr("Amortissement linéaire")) + QStringLiteral("<br><br>")
        + describe(quadratic_, tr("Amortissement linéaire et quadratique"));
    if (linear_.Converged() && quadratic_.Converged())
        text += QStringLiteral("<br><br>") + VerdictText(CompareDamping(linear_, quadratic_));
    results_->setText(text);
    const PendulumFit& shown = Favoured();
    residuals_->SetResiduals(shown.time, shown.residual, series_.speed ? speedUnit : tr("rad"));
    apply_->setEnabled(shown.Converged());
}

} // namespace kestrova
