#include "number_text.h"

#include "platform_error.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <system_error>

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

// The length of the decimal separator at `pos`, or 0 when there is none.
std::size_t separatorAt(std::string_view text, std::size_t pos, std::string_view localeSeparator)
{
    if (pos >= text.size()) return 0;
    if (text[pos] == ',' || text[pos] == '.') return 1;
    if (!localeSeparator.empty() && text.substr(pos).starts_with(localeSeparator))
        return localeSeparator.size();
    return 0;
}

// The rare case of a number out of the double range: strtod, in the C locale whatever the
// program's own, tells an overflow (an error) from an underflow (a tiny or zero value).
double outOfRangeValue(const std::string& normalized)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    const double value = strtod_l(normalized.c_str(), nullptr, cLocale);
    if (std::isinf(value)) throw Error("number too large");
    return value;
}

}  // namespace

NumberText::NumberText(std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator))
{
    // A separator is one character, a few bytes in UTF-8; anything else is no usable setting.
    if (decimalSeparator_.empty() || decimalSeparator_.size() > 4) decimalSeparator_ = ".";
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
    std::size_t digits = takeDigits(text, pos, normalized);
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
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) return outOfRangeValue(normalized);
    if (ec != std::errc{} || end != last) throw Error("not a number");
    return value;
}

// The few doubles at the very top of the range round, at 15 digits, to a decimal beyond the
// largest double, which would not read back: they are written one unit lower in the last digit
// instead, the largest 15-digit number that does.
void keepWithinRange(char* first, char* end)
{
    double readBack = 0;
    if (std::from_chars(first, end, readBack).ec != std::errc::result_out_of_range) return;
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

FormattedNumber NumberText::toText(double value) const
{
    FormattedNumber out;
    if (value == 0) value = 0;  // a negative zero reads as a plain 0
    std::array<char, 40> raw;
    const auto [end, ec] =
        std::to_chars(raw.data(), raw.data() + raw.size(), value, std::chars_format::general, 15);
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
