// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/drawing.h"

#include <algorithm>
#include <cmath>

namespace virenast::sim {

std::string roundedText(const platform::NumberText& numbers, double value, int significantDigits)
{
    if (value == 0 || !std::isfinite(value)) return std::string(numbers.toText(0).view());
    // The power of ten of the last digit kept: the written text of the rounded value then ends
    // there, since the window writes the shortest of 15 digits.
    const double last = std::floor(std::log10(std::fabs(value))) - (std::max(significantDigits, 1) - 1);
    const double unit = std::pow(10.0, last);
    const double rounded = last < 0 ? std::round(value * std::pow(10.0, -last)) / std::pow(10.0, -last)
                                    : std::round(value / unit) * unit;
    return std::string(numbers.toText(rounded).view());
}

}  // namespace virenast::sim
