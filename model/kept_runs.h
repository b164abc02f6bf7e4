#pragma once

/// \file
/// The runs a teacher keeps to compare with the current one, damped or
/// driven. A kept run is its setup: the motion follows from it exactly, so a
/// view or a lesson file recomputes it rather than storing samples. The list
/// outlives resets and window switches; the frame owns it.

#include "model/run_setup.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace kestrova {

struct KeptRun {
    RunSetup setup;
    bool visible = true;
    /// Index into the views' palette, kept for the run's whole life so that
    /// removing another run never recolours it.
    int colour = 0;
};

class KeptRuns {
public:
    /// More runs than this make a plot unreadable and exhaust the palette.
    static constexpr std::size_t kLimit = 8;

    enum class KeepResult { Kept, AlreadyKept, Full };

    /// Keeps `setup` with the first colour no kept run uses; a setup already
    /// kept, or a full list, is left as it is.
    KeepResult Keep(const RunSetup& setup);
    void Remove(std::size_t index);
    void SetVisible(std::size_t index, bool visible);
    void Clear();
    /// Replaces the whole list (a lesson being opened); runs beyond the
    /// limit are dropped.
    void Assign(const std::vector<KeptRun>& runs);

    [[nodiscard]] const std::vector<KeptRun>& Runs() const { return runs_; }
    [[nodiscard]] bool Empty() const { return runs_.empty(); }

    /// Called after every change, so that views redraw and a lesson knows it
    /// is modified.
    void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }
    /// Another party told after every change, after the one of SetOnChanged:
    /// the lesson and the graphs both follow the list.
    void AddOnChanged(std::function<void()> onChanged)
    {
        alsoOnChanged_.push_back(std::move(onChanged));
    }

private:
    void Changed() const;
    /// The first palette index no kept run uses.
    [[nodiscard]] int FreeColour() const;

    std::vector<KeptRun> runs_;
    std::function<void()> onChanged_;
    std::vector<std::function<void()>> alsoOnChanged_;
};

} // namespace kestrova
