// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform_error.h"

#include <cfloat>
#include <cmath>

namespace virenast::platform {

// A double whose every arithmetic step raises an Error on overflow, division by zero or an
// invalid operation, and lets underflow and rounding pass. Every value that enters a Real is
// finite, so a result that is not finite can only come from one of those three faults: this
// is how no infinity or NaN ever reaches the window.
//
// The operators keep C++'s usual left-to-right grouping, so a formula written with them runs
// in exactly the order it reads, each step rounded to double.
class Real {
public:
    constexpr Real(double value) : value_(value) {}  // NOLINT: literals and converted inputs

    constexpr double value() const { return value_; }

    friend Real operator+(Real a, Real b) { return checked(a.value_ + b.value_); }
    friend Real operator-(Real a, Real b) { return checked(a.value_ - b.value_); }
    friend Real operator*(Real a, Real b) { return checked(a.value_ * b.value_); }
    friend Real operator/(Real a, Real b) { return checked(a.value_ / b.value_); }

    friend bool operator<(Real a, Real b) { return a.value_ < b.value_; }
    friend bool operator>(Real a, Real b) { return a.value_ > b.value_; }
    friend bool operator==(Real a, Real b) { return a.value_ == b.value_; }

    friend Real sqrt(Real a) { return checked(std::sqrt(a.value_)); }

private:
    static Real checked(double result)
    {
        if (std::isfinite(result)) return Real(result);
        throw Error(std::isnan(result) ? "invalid floating-point operation"
                                       : "floating-point overflow or division by zero");
    }

    double value_;
};

// A twip position for a control: the double rounded to the nearest single. A value that
// rounds beyond the single range raises an Error instead of becoming an infinity.
inline float toSingle(Real real)
{
    // Halfway between FLT_MAX and 2^128: from here on, rounding to nearest gives infinity.
    constexpr double singleOverflowBound = 0x1.ffffffp127;
    const double value = real.value();
    const double magnitude = std::fabs(value);
    if (!(magnitude < singleOverflowBound)) throw Error("position beyond the single range");
    if (magnitude > FLT_MAX) return value > 0 ? FLT_MAX : -FLT_MAX;
    return static_cast<float>(value);
}

}  // namespace virenast::platform
