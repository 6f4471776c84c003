#pragma once

#include <cstdint>
#include <random>

namespace tesmi {

// Uniform choice among n values. Text generation draws through this so tests can
// seed it and get the same texts every run.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A value in [0, n); n must be positive.
    virtual int below(int n) = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937_64 engine_;
};

} // namespace tesmi
