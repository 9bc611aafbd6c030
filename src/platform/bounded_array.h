#pragma once

#include <array>
#include <cstddef>

#include "platform/runtime_error.h"

namespace platform {

[[noreturn]] void subscriptOutOfRange();

// A fixed array with declared bounds Lo..Hi, both inclusive, as the program's
// tables are declared (0..1000 for the bank, 0..6 for choices). An index
// outside them is the run-time error "Subscript out of range" before anything
// is read or written.
template <class T, int Lo, int Hi>
class BoundedArray {
    static_assert(Lo <= Hi);

public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;
    static constexpr std::size_t size = std::size_t(Hi - Lo + 1);

    T& operator[](int i) { return items_[offset(i)]; }
    const T& operator[](int i) const { return items_[offset(i)]; }

    friend bool operator==(const BoundedArray&, const BoundedArray&) = default;

private:
    static std::size_t offset(int i)
    {
        if (i < Lo || i > Hi)
            subscriptOutOfRange();
        return std::size_t(i - Lo);
    }
    std::array<T, size> items_{};
};

}  // namespace platform
