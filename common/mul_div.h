// SPDX-License-Identifier: MIT
// number × numerator / denominator through a 64-bit product, rounded half away from zero,
// as Windows' MulDiv does: -1 when the denominator is 0 or the result does not fit. Plain
// standard C++, so the calibration page renderer uses it without the Qt layer.
#pragma once

#include <climits>
#include <cstdint>

namespace varnel {

constexpr int mul_div(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t divisor = denominator < 0 ? -std::int64_t{denominator} : denominator;
    const std::int64_t dividend = denominator < 0 ? -product : product;
    const std::int64_t half = divisor / 2;
    const std::int64_t result = (dividend >= 0 ? dividend + half : dividend - half) / divisor;
    if (result > INT_MAX || result < -INT_MAX) return -1;
    return static_cast<int>(result);
}

}  // namespace varnel
