#include "platform/random.h"

#include <chrono>
#include <random>

namespace platform {

struct SeededRandom::State {
    std::mt19937 engine;
};

SeededRandom::SeededRandom(std::uint32_t s) : state_(std::make_shared<State>())
{
    seed(s);
}

void SeededRandom::seed(std::uint32_t s)
{
    state_->engine.seed(s);
}

void SeededRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float SeededRandom::next()
{
    constexpr float kStep = 1.0f / 16777216.0f;  // 2^-24: exact in single precision
    return static_cast<float>(state_->engine() >> 8) * kStep;
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
