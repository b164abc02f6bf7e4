#pragma once

// Delta debugging (ddmin): the shortest sub-list of a failing list of actions
// that still fails, as far as a time budget allows. Each candidate is tried
// by replaying it from scratch; the order of the actions is always kept.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

namespace kestrova::testing {

struct ShrinkStats {
    int replays = 0;
    bool complete = true; ///< false when the budget ran out before 1-minimality
};

/// `fails(list)` replays a list and tells whether it still fails. `items`
/// must fail. Returns a failing sub-list from which no single chunk at the
/// finest granularity can be removed (1-minimal) unless the budget ends first.
template <typename T, typename Fails>
std::vector<T> ShrinkFailing(std::vector<T> items, Fails fails,
                             std::chrono::steady_clock::duration budget,
                             ShrinkStats* stats = nullptr)
{
    const auto deadline = std::chrono::steady_clock::now() + budget;
    ShrinkStats local;
    ShrinkStats& s = stats != nullptr ? *stats : local;
    auto tryList = [&](const std::vector<T>& candidate) {
        ++s.replays;
        return fails(candidate);
    };

    std::size_t chunks = 2;
    while (items.size() >= 2) {
        if (std::chrono::steady_clock::now() >= deadline) {
            s.complete = false;
            break;
        }
        const std::size_t n = items.size();
        chunks = std::min(chunks, n);
        auto bounds = [&](std::size_t i) {
            return std::pair{i * n / chunks, (i + 1) * n / chunks};
        };

        bool reduced = false;
        // A single chunk that fails on its own.
        for (std::size_t i = 0; i < chunks && !reduced; ++i) {
            const auto [from, to] = bounds(i);
            std::vector<T> chunk(items.begin() + static_cast<std::ptrdiff_t>(from),
                                 items.begin() + static_cast<std::ptrdiff_t>(to));
            if (chunk.size() < n && tryList(chunk)) {
                items = std::move(chunk);
                chunks = 2;
                reduced = true;
            }
        }
        // Everything but one chunk. Later chunks first: the actions just
        // before the failure are the likeliest to matter.
        for (std::size_t k = chunks; k-- > 0 && !reduced;) {
            if (std::chrono::steady_clock::now() >= deadline)
                break;
            const auto [from, to] = bounds(k);
            std::vector<T> complement(items.begin(),
                                      items.begin() + static_cast<std::ptrdiff_t>(from));
            complement.insert(complement.end(), items.begin() + static_cast<std::ptrdiff_t>(to),
                              items.end());
            if (tryList(complement)) {
                items = std::move(complement);
                chunks = std::max<std::size_t>(chunks - 1, 2);
                reduced = true;
            }
        }
        if (reduced)
            continue;
        if (chunks >= items.size())
            break; // 1-minimal
        chunks = std::min(chunks * 2, items.size());
    }
    return items;
}

} // namespace kestrova::testing
