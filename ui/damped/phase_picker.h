#pragma once

/// \file
/// Initial conditions picked with the mouse on the phase portraits.

#include "model/integrator.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <functional>
#include <optional>

namespace kestrova {

class PictureBox;

/// Watches the phase portrait boxes: a press of the left button on either
/// box, then every move while it is held, reports the point under the
/// pointer in user coordinates (angle in rad, speed in rad/s). A drag keeps
/// the coordinate system the box had when the button went down, since each
/// pick resets the plots to scales that follow the new start: the pointer
/// keeps aiming on the plot it started on. Acts only while `enabled` says
/// so, and the pointer is a cross exactly then (UpdatePointer).
class PhasePicker : public QObject {
public:
    using Enabled = std::function<bool()>;
    /// `pressed` is true for the press, false for the moves that follow.
    using Picked = std::function<void(Motion point, bool pressed)>;

    PhasePicker(const std::array<PictureBox*, 2>& boxes, Enabled enabled, Picked picked,
                QObject* parent = nullptr);

    /// The cross pointer over the boxes when a click would act, their
    /// ordinary pointer otherwise.
    void UpdatePointer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// A box's coordinate system frozen at the press: the user point of the
    /// widget's origin and the user step per pixel along each axis.
    struct Aim {
        QPointF origin;
        QPointF perPixel;
        [[nodiscard]] Motion At(QPointF pos) const
        {
            return {origin.x() + pos.x() * perPixel.x(), origin.y() + pos.y() * perPixel.y()};
        }
    };

    std::array<PictureBox*, 2> boxes_;
    Enabled enabled_;
    Picked picked_;
    std::optional<Aim> drag_;
};

} // namespace kestrova
