#pragma once

/// \file
/// A time that runs at a chosen rate of another one: the animation's seconds
/// against the wall clock's (slow motion), the Foucault pendulum's simulated
/// seconds against the animation's (the time factor). A change of rate takes
/// effect from that moment on, without a jump.

namespace kestrova {

class SpedUpTime {
public:
    /// This time when the other one reads `source` (seconds since the
    /// start). At the rate 1 throughout, exactly `source`.
    [[nodiscard]] double At(double source) const { return base_ + factor_ * (source - anchor_); }

    /// Back to 0 when the other time reads 0, the rate kept.
    void Restart()
    {
        base_ = 0;
        anchor_ = 0;
    }

    /// From the moment the other time reads `source` on, this one runs
    /// `factor` times as fast; what it counted so far is kept.
    void SetFactor(double factor, double source)
    {
        base_ = At(source);
        anchor_ = source;
        factor_ = factor;
    }

    [[nodiscard]] double Factor() const { return factor_; }

private:
    double factor_ = 1;
    double base_ = 0;   ///< this time at anchor_
    double anchor_ = 0; ///< the other time when the rate was last set
};

} // namespace kestrova
