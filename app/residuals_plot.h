#pragma once

/// \file
/// The residuals of a fit against time, as points about a zero line: what
/// the model leaves unexplained. A pattern that swings with the pendulum
/// says the model misses something; noise alone says it does not.

#include <QWidget>

#include <vector>

namespace kestrova {

class ResidualsPlot : public QWidget {
    Q_OBJECT

public:
    explicit ResidualsPlot(QWidget* parent = nullptr);

    /// `unit` labels the vertical axis ("rad" or "rad/s").
    void SetResiduals(std::vector<double> time, std::vector<double> residual, const QString& unit);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> time_, residual_;
    QString unit_;
};

} // namespace kestrova
