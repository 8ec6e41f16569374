// A small generator whose sequence is the same on every platform and standard
// library, so a seed in data/README.md rebuilds the shipped file bit for bit.
#pragma once

#include <cstdint>

namespace zt::levels {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0..n-1; n must be positive.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    bool Chance(double p) { return Unit() < p; }
    int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }

private:
    std::uint64_t state_;
};

} // namespace zt::levels
