#pragma once
// The device contexts a metafile saves with SaveDC and brings back with
// RestoreDC; each player keeps one stack of its own device context.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kel {

template <class State> class EmfSavedStates {
public:
    // Saves beyond the cap are dropped, so a metafile of SaveDC records
    // cannot fill the memory.
    void save(const State& state)
    {
        if (states_.size() < kMaxSaved)
            states_.push_back(state);
    }

    // RestoreDC's argument: negative, that many states back; positive, the
    // n-th saved state. Puts the state into `state` and forgets it and the
    // ones saved after it; false, leaving everything, when there is none.
    bool restore(std::int32_t n, State& state)
    {
        const long long index =
            n < 0 ? static_cast<long long>(states_.size()) + n : static_cast<long long>(n) - 1;
        if (index < 0 || index >= static_cast<long long>(states_.size()))
            return false;
        state = states_[static_cast<std::size_t>(index)];
        states_.resize(static_cast<std::size_t>(index));
        return true;
    }

private:
    static constexpr std::size_t kMaxSaved = 1024;
    std::vector<State> states_;
};

} // namespace kel
