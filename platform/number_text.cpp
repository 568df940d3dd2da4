// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_text.h"

#include "platform/platform_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#if VIRENAST_PORTABLE_NUMBER_TEXT
#include <clocale>
#include <cstdio>

#include <fast_float/fast_float.h>
#endif

namespace virenast::platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads a run of digits at `pos` into `out`, returns how many there were.
std::size_t takeDigits(std::string_view text, std::size_t& pos, std::string& out)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) out.push_back(text[pos++]);
    return pos - start;
}

// The length of a digit group separator at `pos`, or 0 when there is none: a space, a no-break
// space or a narrow no-break space (UTF-8), the three that French typing and French number
// formats put between groups of three digits.
std::size_t groupSeparatorAt(std::string_view text, std::size_t pos)
{
    const std::string_view rest = text.substr(std::min(pos, text.size()));
    for (const std::string_view separator : {std::string_view(" "), std::string_view("\xc2\xa0"),
                                             std::string_view("\xe2\x80\xaf")}) {
        if (rest.starts_with(separator)) return separator.size();
    }
    return 0;
}

// Reads the whole part of a number at `pos` into `out`, returns how many digits it has. With
// `grouped`, one to three digits may be followed by groups of exactly three digits, each after
// one group separator ("13 271 244"); a separator anywhere else makes the text no number.
std::size_t takeWholePart(std::string_view text, std::size_t& pos, std::string& out, bool grouped)
{
    std::size_t digits = takeDigits(text, pos, out);
    if (!grouped || digits == 0 || digits > 3) return digits;
    while (const std::size_t separator = groupSeparatorAt(text, pos)) {
        pos += separator;
        const std::size_t group = takeDigits(text, pos, out);
        if (group != 3) throw Error("not a number");
        digits += group;
    }
    return digits;
}

// The length of the decimal separator at `pos`, or 0 when there is none.
std::size_t separatorAt(std::string_view text, std::size_t pos, std::string_view localeSeparator)
{
    if (pos >= text.size()) return 0;
    if (text[pos] == ',' || text[pos] == '.') return 1;
    if (!localeSeparator.empty() && text.substr(pos).starts_with(localeSeparator))
        return localeSeparator.size();
    return 0;
}

// The two conversions of doubles, through the standard library's std::from_chars and
// std::to_chars where it has them for floating point, or else (cmake/NumberText.cmake decides,
// VIRENAST_PORTABLE_NUMBER_TEXT) through fast_float, the algorithm behind GCC's from_chars, and
// the C library's printf, by which to_chars is defined. Both give the same results to the bit.

// Reads a number in the C form, as std::from_chars does: result_out_of_range when the number
// lies beyond the largest double or rounds to zero below the smallest.
std::from_chars_result readNumber(const char* first, const char* last, double& value)
{
#if VIRENAST_PORTABLE_NUMBER_TEXT
    // Debian's fast_float (3.9) reports no range error: an overflow gives the infinity of the
    // number's sign, an underflow its zero, which is what outOfRangeValue gives too. Only the
    // infinity of a number is told apart here; the word "inf" that toText writes is no number.
    const auto [end, ec] = fast_float::from_chars(first, last, value);
    const char* digits = first != last && *first == '-' ? first + 1 : first;
    if (ec == std::errc{} && std::isinf(value) && digits != last && (isDigit(*digits) || *digits == '.'))
        return {end, std::errc::result_out_of_range};
    return {end, ec};
#else
    return std::from_chars(first, last, value);
#endif
}

// Writes a number in the general form with 15 significant digits, as std::to_chars does.
std::to_chars_result writeNumber(char* first, char* last, double value)
{
#if VIRENAST_PORTABLE_NUMBER_TEXT
    // to_chars in the general form with a precision is defined as printf's "%.*g". printf writes
    // the decimal point of the C locale in force (Qt sets it from the environment): a dot again.
    const int written = std::snprintf(first, static_cast<std::size_t>(last - first), "%.15g", value);
    if (written < 0 || written >= last - first) return {last, std::errc::value_too_large};
    char* end = first + written;
    const std::string_view point = std::localeconv()->decimal_point;
    if (char* found = std::search(first, end, point.begin(), point.end()); point != "." && found != end) {
        *found = '.';
        std::memmove(found + 1, found + point.size(), static_cast<std::size_t>(end - found) - point.size());
        end -= point.size() - 1;
    }
    return {end, std::errc{}};
#else
    return std::to_chars(first, last, value, std::chars_format::general, 15);
#endif
}

// Whether a number that a double cannot hold lies beyond the largest double (an overflow) or
// below the smallest (an underflow), told from its text alone: the power of ten of its first
// significant digit is positive for the one and negative for the other, since every double
// range limit (about 1.8e308 and 4.9e-324) is far from 1. `normalized` is the C form built by
// toNumber: optional minus, digits, optional '.' and digits, optional exponent.
bool overflows(std::string_view normalized)
{
    if (!normalized.empty() && normalized.front() == '-') normalized.remove_prefix(1);
    const std::size_t exponentAt = std::min(normalized.find('e'), normalized.size());
    const std::string_view mantissa = normalized.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos) return false;  // zero is never out of range
    // The power of ten of the first significant digit within the mantissa...
    long long power = firstSignificant < point ? static_cast<long long>(point - firstSignificant) - 1
                                               : -static_cast<long long>(firstSignificant - point);
    // ...shifted by the exponent, read with saturation: any exponent past a billion decides alone.
    if (exponentAt < normalized.size()) {
        std::string_view digits = normalized.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
        long long exponent = 0;
        for (const char digit : digits) {
            exponent = std::min(exponent * 10 + (digit - '0'), 1'000'000'000'000LL);
        }
        power += negative ? -exponent : exponent;
    }
    return power >= 0;
}

// A number out of the double range: an overflow is an error; an underflow is the zero of the
// number's sign (from_chars already gives every subnormal it can reach).
double outOfRangeValue(std::string_view normalized)
{
    if (overflows(normalized)) throw Error("number too large");
    return normalized.starts_with('-') ? -0.0 : 0.0;
}

// The few doubles at the very top of the range round, at 15 digits, to a decimal beyond the
// largest double, which would not read back: they are written one unit lower in the last digit
// instead, the largest 15-digit number that does.
void keepWithinRange(char* first, char* end)
{
    double readBack = 0;
    if (readNumber(first, end, readBack).ec != std::errc::result_out_of_range) return;
    char* digit = std::find(first, end, 'e');
    while (digit != first) {
        --digit;
        if (*digit == '.') continue;
        if (*digit != '0') {
            --*digit;
            return;
        }
        *digit = '9';
    }
}

}  // namespace

NumberText::NumberText(std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator))
{
    // A separator is one character, a few bytes in UTF-8; anything else is no usable setting.
    // (assign, not "=": GCC 12 warns falsely of overlapping copies on a string = ".".)
    if (decimalSeparator_.empty() || decimalSeparator_.size() > 4) decimalSeparator_.assign(1, '.');
}

double NumberText::toNumber(std::string_view text) const
{
    text = trimmed(text);
    std::string normalized;  // the same number in the C form that from_chars reads
    normalized.reserve(text.size() + 1);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') normalized.push_back('-');
        ++pos;
    }
    // Digit groups only where the decimal separator is the comma: under a dot, a space between
    // digits may be a typing slip as well as a group, and "1 900" reads nothing.
    std::size_t digits = takeWholePart(text, pos, normalized, decimalSeparator_ == ",");
    if (const std::size_t separator = separatorAt(text, pos, decimalSeparator_)) {
        pos += separator;
        normalized.push_back('.');
        digits += takeDigits(text, pos, normalized);
    }
    if (digits == 0) throw Error("not a number");
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        normalized.push_back('e');
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) normalized.push_back(text[pos++]);
        if (takeDigits(text, pos, normalized) == 0) throw Error("not a number");
    }
    if (pos != text.size()) throw Error("not a number");

    double value = 0;
    const char* first = normalized.data();
    const char* last = first + normalized.size();
    const auto [end, ec] = readNumber(first, last, value);
    if (ec == std::errc::result_out_of_range) return outOfRangeValue(normalized);
    if (ec != std::errc{} || end != last) throw Error("not a number");
    return value;
}

FormattedNumber NumberText::toText(double value) const
{
    FormattedNumber out;
    if (value == 0) value = 0;  // a negative zero reads as a plain 0
    std::array<char, 40> raw;
    const auto [end, ec] = writeNumber(raw.data(), raw.data() + raw.size(), value);
    if (ec != std::errc{}) throw Error("number not writable");
    if (std::fabs(value) > 1e308) keepWithinRange(raw.data(), end);
    for (const char* c = raw.data(); c != end; ++c) {
        if (*c == '.') {
            std::memcpy(out.chars_.data() + out.size_, decimalSeparator_.data(), decimalSeparator_.size());
            out.size_ += decimalSeparator_.size();
        } else {
            out.chars_[out.size_++] = *c == 'e' ? 'E' : *c;
        }
    }
    return out;
}

}  // namespace virenast::platform
