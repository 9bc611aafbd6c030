#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <utility>

#include "platform/checked_int.h"

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
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void reseed() override;  // from the clock
    float next() override;

private:
    std::mt19937 engine_;
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

// Shuffles entries 1..n of a table indexed from 1 (Fisher-Yates): position i
// swaps with a position drawn from i..n, so every order is equally likely.
// One position stays as it is.
template <class Table>
void shuffleFromOne(Table& table, Int16 n)
{
    for (Int16 i = 1; i <= n; i += 1) {
        const Int16 j = i + Int16(std::floor(double(n - i + 1) * double(Rnd())));
        std::swap(table[i], table[j]);
    }
}

}  // namespace platform
