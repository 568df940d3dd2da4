// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace virenast::platform {

// A number written as text, held on the stack so that writing a display costs no allocation.
class FormattedNumber {
public:
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    friend class NumberText;
    std::array<char, 48> chars_{};
    std::size_t size_ = 0;
};

// The conversions between numbers and text, following the user's decimal separator.
//
// Text to number: surrounding blanks, an optional sign, digits with at most one decimal
// separator, an optional exponent (e or E, optional sign, digits). The locale's separator is
// accepted, and the comma and the dot under any locale. Where the locale's separator is the
// comma, the digits before it may be grouped by three with a space, a no-break space or a
// narrow no-break space ("31 354", "13 271 244"); under any other locale there are no group
// separators. Anything else, and a value that overflows a double, raises an Error; an
// underflow gives the tiny or zero value.
//
// Number to text: the general form with up to 15 significant digits (like C's "%.15G"), the
// locale's decimal separator, no group separator, exponent form for very large or very small
// magnitudes. A negative zero is written "0".
class NumberText {
public:
    explicit NumberText(std::string decimalSeparator = ",");

    double toNumber(std::string_view text) const;
    FormattedNumber toText(double value) const;

    const std::string& decimalSeparator() const { return decimalSeparator_; }

private:
    std::string decimalSeparator_;
};

}  // namespace virenast::platform
