#include "platform/random.h"

#include <chrono>

namespace platform {

void SeededRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float SeededRandom::next()
{
    constexpr float kStep = 1.0f / 16777216.0f;  // 2^-24: exact in single precision
    return static_cast<float>(engine_() >> 8) * kStep;
}

namespace {
std::unique_ptr<RandomSource>& current()
{
    static std::unique_ptr<RandomSource> source;
    if (!source) {
        source = std::make_unique<SeededRandom>(0u);
        source->reseed();
    }
    return source;
}
}  // namespace

std::unique_ptr<RandomSource> installRandomSource(std::unique_ptr<RandomSource> source)
{
    auto old = std::move(current());
    current() = std::move(source);
    return old;
}

void Randomize()
{
    current()->reseed();
}

float Rnd()
{
    return current()->next();
}

}  // namespace platform
