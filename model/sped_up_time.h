#pragma once

/// \file
/// Simulated time that can run faster than real time: one factor multiplies
/// every real interval, so a change of factor during a run takes effect from
/// that moment on without a jump, and another factor (a slow motion) can be
/// multiplied in.

namespace kestrova::foucault {

class SpedUpTime {
public:
    /// Simulated seconds at `realSeconds` since the start. With the factor 1
    /// throughout, exactly `realSeconds`.
    [[nodiscard]] double At(double realSeconds) const
    {
        return base_ + factor_ * (realSeconds - anchor_);
    }

    /// Back to 0 at the real time 0, the factor kept.
    void Restart()
    {
        base_ = 0;
        anchor_ = 0;
    }

    /// From `realSeconds` since the start on, simulated time runs `factor`
    /// times faster than real time.
    void SetFactor(double factor, double realSeconds)
    {
        base_ = At(realSeconds);
        anchor_ = realSeconds;
        factor_ = factor;
    }

    [[nodiscard]] double Factor() const { return factor_; }

private:
    double factor_ = 1;
    double base_ = 0;   ///< simulated seconds at anchor_
    double anchor_ = 0; ///< real seconds since the start when the factor was last set
};

} // namespace kestrova::foucault
