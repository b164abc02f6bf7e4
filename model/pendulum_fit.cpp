#include "model/pendulum_fit.h"

#include "model/swing_estimate.h"
#include "model/swing_trace.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>

namespace kestrova {
namespace {

/// Where each parameter sits in the fitted vector.
struct Layout {
    bool speed = false;
    bool quadratic = false;
    [[nodiscard]] std::size_t Offset() const { return 4; }
    [[nodiscard]] std::size_t Mu() const { return speed ? 5 : 4; }
    [[nodiscard]] std::size_t Count() const { return 4 + (speed ? 1 : 0) + (quadratic ? 1 : 0); }
};

struct Problem {
    std::span<const double> t, y;
    Layout layout;
    double omegaRef = 1; ///< fixes the sub-steps of a fit stage
    const std::atomic<bool>* cancel = nullptr;
    std::vector<double> traced; ///< room for the readings or their derivatives
};

SwingParameters Unpack(const gsl_vector* x, const Layout& layout)
{
    return {gsl_vector_get(x, 0),
            gsl_vector_get(x, 1),
            layout.quadratic ? gsl_vector_get(x, layout.Mu()) : 0,
            gsl_vector_get(x, 2),
            gsl_vector_get(x, 3),
            layout.speed ? gsl_vector_get(x, layout.Offset()) : 0};
}

bool Cancelled(const Problem& problem)
{
    return problem.cancel != nullptr && problem.cancel->load(std::memory_order_relaxed);
}

int Residuals(const gsl_vector* x, void* data, gsl_vector* f)
{
    auto& problem = *static_cast<Problem*>(data);
    if (Cancelled(problem))
        return GSL_EBADFUNC;
    const std::size_t n = problem.t.size();
    problem.traced.resize(n);
    const std::size_t reached = TraceSwing(problem.t, Unpack(x, problem.layout),
                                           problem.layout.speed, problem.omegaRef, problem.traced);
    for (std::size_t i = 0; i < reached; ++i)
        gsl_vector_set(f, i, problem.traced[i] - problem.y[i]);
    // A trial that runs away (a negative damping, say) costs so much that
    // the solver steps back from it.
    for (std::size_t i = reached; i < n; ++i)
        gsl_vector_set(f, i, 1e6);
    return GSL_SUCCESS;
}

/// The residuals' derivatives, traced with the motion: as exact as the
/// residuals themselves, and far cheaper than a finite difference for each
/// parameter over a long recording.
int Jacobian(const gsl_vector* x, void* data, gsl_matrix* jacobian)
{
    auto& problem = *static_cast<Problem*>(data);
    if (Cancelled(problem))
        return GSL_EBADFUNC;
    const Layout& layout = problem.layout;
    const std::size_t n = problem.t.size();
    problem.traced.assign(n * kSwingDerivatives, 0.0);
    const std::size_t reached = TraceSwingDerivatives(problem.t, Unpack(x, layout), layout.speed,
                                                      problem.omegaRef, problem.traced);
    for (std::size_t i = 0; i < n; ++i) {
        const double* d = problem.traced.data() + i * kSwingDerivatives;
        gsl_matrix_set(jacobian, i, 0, d[ByOmega0]);
        gsl_matrix_set(jacobian, i, 1, d[ByLambda]);
        gsl_matrix_set(jacobian, i, 2, d[ByAngle]);
        gsl_matrix_set(jacobian, i, 3, d[BySpeed]);
        if (layout.speed)
            gsl_matrix_set(jacobian, i, layout.Offset(), i < reached ? 1 : 0);
        if (layout.quadratic)
            gsl_matrix_set(jacobian, i, layout.Mu(), d[ByMu]);
    }
    return GSL_SUCCESS;
}

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};

/// Uncertainties from the covariance at the solver's position, scaled by
/// the residual variance; `rss` the residuals' sum of squares there.
std::vector<double> Uncertainties(gsl_multifit_nlinear_workspace* w, double& rss)
{
    const gsl_matrix* jacobian = gsl_multifit_nlinear_jac(w);
    const std::size_t n = jacobian->size1, p = jacobian->size2;
    gsl_blas_ddot(gsl_multifit_nlinear_residual(w), gsl_multifit_nlinear_residual(w), &rss);
    std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)> covariance(gsl_matrix_alloc(p, p),
                                                                       gsl_matrix_free);
    gsl_multifit_nlinear_covar(jacobian, 0.0, covariance.get());
    const double variance = rss / static_cast<double>(n - p);
    std::vector<double> sigma(p, 0.0);
    for (std::size_t i = 0; i < p; ++i)
        sigma[i] = std::sqrt(std::max(0.0, gsl_matrix_get(covariance.get(), i, i) * variance));
    return sigma;
}

/// One Levenberg–Marquardt run on `problem` from `x`, which it updates;
/// when it converges, the uncertainties into `sigma` if asked for (the
/// solver holds the Jacobian at its position).
FitStatus Solve(Problem& problem, gsl_vector* x, int& iterationsLeft, int& iterations,
                std::vector<double>* sigma, double& rss)
{
    const std::size_t n = problem.t.size(), p = problem.layout.Count();
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residuals;
    fdf.df = Jacobian;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &problem;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = gsl_multifit_nlinear_trs_lm;
    parameters.solver = gsl_multifit_nlinear_solver_cholesky;
    std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, p));
    if (problem.cancel != nullptr && problem.cancel->load())
        return FitStatus::Cancelled;
    if (gsl_multifit_nlinear_init(x, &fdf, w.get()) != GSL_SUCCESS)
        return FitStatus::NotConverged;
    double lastCost = HUGE_VAL;
    int stalls = 0;
    while (iterationsLeft-- > 0) {
        if (problem.cancel != nullptr && problem.cancel->load())
            return FitStatus::Cancelled;
        const int status = gsl_multifit_nlinear_iterate(w.get());
        ++iterations;
        if (problem.cancel != nullptr && problem.cancel->load())
            return FitStatus::Cancelled;
        int info = 0;
        const auto converged = [&] {
            // Stalled where the motion runs away, every residual is the same
            // penalty: a flat cost, but no fit.
            problem.traced.resize(n);
            if (TraceSwing(problem.t,
                           Unpack(gsl_multifit_nlinear_position(w.get()), problem.layout),
                           problem.layout.speed, problem.omegaRef, problem.traced)
                < n)
                return FitStatus::NotConverged;
            gsl_vector_memcpy(x, gsl_multifit_nlinear_position(w.get()));
            if (sigma != nullptr)
                *sigma = Uncertainties(w.get(), rss);
            return FitStatus::Converged;
        };
        if (status == GSL_ENOPROG) // no step lowers the cost: at a minimum or stuck
            return gsl_multifit_nlinear_test(1e-8, 1e-6, 0, &info, w.get()) == GSL_SUCCESS
                ? converged()
                : FitStatus::NotConverged;
        if (status != GSL_SUCCESS)
            return FitStatus::NotConverged;
        // Converged when the steps vanish, or when twice running the cost
        // falls by less than a hundredth of the residual variance: what is
        // left moves no parameter by a tenth of its uncertainty.
        double cost = 0;
        gsl_blas_ddot(gsl_multifit_nlinear_residual(w.get()),
                      gsl_multifit_nlinear_residual(w.get()), &cost);
        const double variance = cost / static_cast<double>(n - p);
        stalls = lastCost - cost < 0.01 * variance ? stalls + 1 : 0;
        lastCost = cost;
        if (stalls >= 2 || gsl_multifit_nlinear_test(1e-8, 1e-8, 0, &info, w.get()) == GSL_SUCCESS)
            return converged();
    }
    return FitStatus::NotConverged;
}

} // namespace

PendulumFit FitPendulum(const MeasuredSeries& series, const FitOptions& options)
{
    PendulumFit fit;
    fit.model = options.model;
    fit.speed = series.speed;
    // The window: its samples within the longest stretch without a pause.
    MeasuredSeries window;
    window.speed = series.speed;
    window.pauses = series.pauses;
    for (std::size_t i = 0; i < series.time.size(); ++i)
        if (series.time[i] >= options.from && series.time[i] <= options.to) {
            window.time.push_back(series.time[i]);
            window.value.push_back(series.value[i]);
        }
    const SampleSpan span = LongestUnbrokenSpan(window);
    const std::span<const double> t =
        std::span(window.time).subspan(span.first, span.last - span.first + 1);
    const std::span<const double> y = std::span(window.value).subspan(span.first, t.size());
    Layout layout{series.speed, options.model == DampingModel::Quadratic};
    if (window.time.empty() || t.size() < layout.Count() + 8)
        return fit;
    const SwingEstimate start = EstimateSwing(t, y, series.speed);
    // Samples too sparse for the swing they seem to show are no swing.
    const double gridSteps = (t.back() - t.front()) * 1.5 * start.omega0 / kTraceStepPhase;
    if (!start.found || !(gridSteps < static_cast<double>(TraceStepLimit(t.size())) / 2)) {
        fit.status = FitStatus::NoSwing;
        return fit;
    }
    gsl_set_error_handler_off();
    std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)> x(gsl_vector_alloc(layout.Count()),
                                                              gsl_vector_free);
    gsl_vector_set(x.get(), 0, start.omega0);
    gsl_vector_set(x.get(), 1, start.lambda);
    gsl_vector_set(x.get(), 2, start.angle);
    gsl_vector_set(x.get(), 3, start.speed);
    if (layout.speed)
        gsl_vector_set(x.get(), layout.Offset(), start.offset);
    if (layout.quadratic)
        gsl_vector_set(x.get(), layout.Mu(), 0.0);

    // Windows of 4, 16, 64… swings, each fit starting from the last.
    const double period = 2 * 3.141592653589793 / start.omega0;
    int left = options.maxIterations;
    Problem problem{t, y, layout, start.omega0, options.cancel, {}};
    std::vector<double> sigma;
    double rss = 0;
    for (double swings = 4;; swings *= 4) {
        const double end = t.front() + swings * period;
        const auto count =
            static_cast<std::size_t>(std::upper_bound(t.begin(), t.end(), end) - t.begin());
        const bool whole = count * 2 >= t.size();
        problem.t = t.first(whole ? t.size() : std::max(count, layout.Count() + 8));
        problem.y = y.first(problem.t.size());
        problem.omegaRef = std::max(std::abs(gsl_vector_get(x.get(), 0)), start.omega0) * 1.5;
        fit.status = Solve(problem, x.get(), left, fit.iterations, whole ? &sigma : nullptr, rss);
        if (fit.status != FitStatus::Converged || whole)
            break;
    }
    if (fit.status != FitStatus::Converged)
        return fit;

    const auto value = [&](std::size_t i) {
        return FittedValue{gsl_vector_get(x.get(), i), sigma[i]};
    };
    fit.omega0 = value(0);
    fit.omega0.value = std::abs(fit.omega0.value);
    fit.lambda = value(1);
    fit.angle = value(2);
    fit.velocity = value(3);
    if (layout.speed)
        fit.offset = value(layout.Offset());
    if (layout.quadratic)
        fit.mu = value(layout.Mu());
    fit.startTime = t.front();
    fit.rms = std::sqrt(rss / static_cast<double>(t.size()));
    fit.time.assign(t.begin(), t.end());
    const std::vector<double> curve = FittedCurve(fit, fit.time);
    fit.residual.resize(t.size());
    for (std::size_t i = 0; i < t.size(); ++i)
        fit.residual[i] = y[i] - curve[i];
    return fit;
}

std::vector<double> FittedCurve(const PendulumFit& fit, const std::vector<double>& times)
{
    std::vector<double> out(times.size(), std::nan(""));
    if (!fit.Converged() || times.empty())
        return out;
    std::vector<double> t;
    t.reserve(times.size() + 1);
    t.push_back(fit.startTime);
    for (const double time : times)
        if (time > t.back())
            t.push_back(time);
    const SwingParameters p{fit.omega0.value, fit.lambda.value,   fit.mu.value,
                            fit.angle.value,  fit.velocity.value, fit.offset.value};
    std::vector<double> traced(t.size());
    (void)TraceSwing(t, p, fit.speed, fit.omega0.value * 1.5, traced);
    for (std::size_t i = 0, j = 0; i < times.size(); ++i) {
        while (j + 1 < t.size() && t[j] < times[i])
            ++j;
        if (t[j] == times[i])
            out[i] = traced[j];
    }
    return out;
}

DampingVerdict CompareDamping(const PendulumFit& linear, const PendulumFit& quadratic)
{
    if (!linear.Converged() || !quadratic.Converged() || quadratic.mu.uncertainty <= 0)
        return DampingVerdict::Undecided;
    const double significance = quadratic.mu.value / quadratic.mu.uncertainty;
    if (significance > 3 && quadratic.rms < linear.rms)
        return DampingVerdict::Quadratic;
    if (std::abs(significance) < 2)
        return DampingVerdict::Linear;
    return DampingVerdict::Undecided;
}

} // namespace kestrova
