#pragma once

#include <cstdint>
#include <memory>

namespace platform {

// The program's one pseudo-random generator. Where the quiz reseeds, it
// reseeds from a high-resolution clock; tests install a source of their own
// to make orders reproducible.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A uniform single-precision value u with 0 <= u < 1, never 1 itself.
    virtual float next() = 0;
};

// Mersenne Twister, whose output the C++ standard fixes; the top 24 bits give
// a float on a 2^-24 grid, so the largest value is 1 - 2^-24 and a seed gives
// the same sequence on every compiler.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed);
    void seed(std::uint32_t seed);
    void reseed() override;  // from the clock
    float next() override;

private:
    struct State;
    std::shared_ptr<State> state_;
};

// Like SeededRandom, but reseeding is ignored: the sequence stays fixed.
class FixedSeedRandom : public SeededRandom {
public:
    using SeededRandom::SeededRandom;
    void reseed() override {}
};

// Installs a source (null restores the clock-seeded default); returns the old.
std::unique_ptr<RandomSource> installRandomSource(std::unique_ptr<RandomSource> source);

void Randomize();  // reseed from the clock
float Rnd();       // next value in [0, 1)

}  // namespace platform
