#pragma once

#include <cstdint>

#include "platform/runtime_error.h"

namespace platform {

[[noreturn]] void overflow();

// A signed 16-bit integer whose every sum, difference and product is checked:
// a result outside -32768..32767 is the run-time error "Overflow" rather than
// a silent wrap. The program-wide counters and flags use it.
class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(long long v) : value_(check(v)) {}  // NOLINT: converts like the host integer

    constexpr int value() const { return value_; }
    constexpr operator int() const { return value_; }  // NOLINT: reads like the host integer

    // Mixed overloads are exact matches, so arithmetic on an Int16 always
    // takes the checked path instead of the built-in int operators.
    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(wide(a) + b.value_); }
    friend constexpr Int16 operator+(Int16 a, int b) { return Int16(wide(a) + b); }
    friend constexpr Int16 operator+(int a, Int16 b) { return Int16(static_cast<long long>(a) + b.value_); }
    friend constexpr Int16 operator-(Int16 a, Int16 b) { return Int16(wide(a) - b.value_); }
    friend constexpr Int16 operator-(Int16 a, int b) { return Int16(wide(a) - b); }
    friend constexpr Int16 operator-(int a, Int16 b) { return Int16(static_cast<long long>(a) - b.value_); }
    friend constexpr Int16 operator*(Int16 a, Int16 b) { return Int16(wide(a) * b.value_); }
    friend constexpr Int16 operator*(Int16 a, int b) { return Int16(wide(a) * b); }
    friend constexpr Int16 operator*(int a, Int16 b) { return Int16(static_cast<long long>(a) * b.value_); }
    constexpr Int16& operator+=(int o) { return *this = *this + o; }
    constexpr Int16& operator-=(int o) { return *this = *this - o; }

private:
    // Every operation is done in 64 bits, where it is exact for any 16-bit
    // operand and any int, and only then range-checked.
    static constexpr long long wide(Int16 a) { return a.value_; }
    static constexpr std::int16_t check(long long v)
    {
        if (v < -32768 || v > 32767)
            overflow();
        return static_cast<std::int16_t>(v);
    }
    std::int16_t value_ = 0;
};

}  // namespace platform
