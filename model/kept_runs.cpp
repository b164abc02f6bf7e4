#include "model/kept_runs.h"

#include <algorithm>

namespace kestrova {

KeptRuns::KeepResult KeptRuns::Keep(const RunSetup& setup)
{
    if (std::any_of(runs_.begin(), runs_.end(),
                    [&](const KeptRun& run) { return run.setup == setup; }))
        return KeepResult::AlreadyKept;
    if (runs_.size() >= kLimit)
        return KeepResult::Full;
    runs_.push_back({setup, true, FreeColour()});
    Changed();
    return KeepResult::Kept;
}

void KeptRuns::Remove(std::size_t index)
{
    if (index >= runs_.size())
        return;
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(index));
    Changed();
}

void KeptRuns::SetVisible(std::size_t index, bool visible)
{
    if (index >= runs_.size() || runs_[index].visible == visible)
        return;
    runs_[index].visible = visible;
    Changed();
}

void KeptRuns::Clear()
{
    if (runs_.empty())
        return;
    runs_.clear();
    Changed();
}

void KeptRuns::Assign(const std::vector<KeptRun>& runs)
{
    runs_.clear();
    for (const KeptRun& run : runs) {
        const bool kept = std::any_of(runs_.begin(), runs_.end(), [&](const KeptRun& other) {
            return other.setup == run.setup;
        });
        if (!kept && runs_.size() < kLimit)
            runs_.push_back({run.setup, run.visible, FreeColour()});
    }
    Changed();
}

int KeptRuns::FreeColour() const
{
    int colour = 0;
    while (std::any_of(runs_.begin(), runs_.end(),
                       [&](const KeptRun& run) { return run.colour == colour; }))
        ++colour;
    return colour;
}

void KeptRuns::Changed() const
{
    if (onChanged_)
        onChanged_();
    for (const std::function<void()>& onChanged : alsoOnChanged_)
        onChanged();
}

} // namespace kestrova
