// The monkey's one source of chance: a seeded engine, so that a seed and an action count replay a run
// exactly.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class MonkeyRandom {
public:
    explicit MonkeyRandom(std::uint64_t seed) : engine_(seed) {}

    // 0 <= result < n; n must be positive. Plain modulo keeps the sequence the same on every library.
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    // lo <= result <= hi.
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Percent(int percent) { return Below(100) < percent; }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }
    std::uint64_t Next() { return engine_(); }

private:
    std::mt19937_64 engine_;
};
