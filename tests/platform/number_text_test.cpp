// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_text.h"
#include "platform/platform_error.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>

namespace virenast::platform {
namespace {

using testing::caseName;

// Each case is named by the text it reads.
constexpr auto byText = [](const auto& info) { return caseName(info.param.text); };

struct Accepted {
    const char* text;
    double value;
};

void PrintTo(const Accepted& accepted, std::ostream* out)
{
    *out << '"' << accepted.text << "\" as " << accepted.value;
}

class TextToNumberAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(TextToNumberAccepts, UnderCommaAndDotLocales)
{
    for (const char* separator : {",", "."}) {
        const NumberText numbers(separator);
        const double value = numbers.toNumber(GetParam().text);
        EXPECT_EQ(value, GetParam().value) << '"' << GetParam().text << "\" with separator " << separator;
        EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberAccepts,
    ::testing::Values(Accepted{"1,3", 1.3}, Accepted{"1.3", 1.3}, Accepted{"1,8", 1.8}, Accepted{"3500", 3500},
                      Accepted{"  12\t", 12}, Accepted{"-1,5e3", -1500}, Accepted{"+4", 4},
                      Accepted{"1E-2", 0.01}, Accepted{"2e+3", 2000}, Accepted{",5", 0.5}, Accepted{"5.", 5},
                      Accepted{"-0", -0.0}, Accepted{"007", 7},
                      Accepted{"0,7071067811865476", 0.7071067811865476},
                      // Underflow is no error: the nearest tiny or zero value.
                      Accepted{"1e-400", 0.0}, Accepted{"-1e-400", -0.0},
                      Accepted{"4.9e-324", std::numeric_limits<double>::denorm_min()},
                      Accepted{"1,7976931348623157e308", std::numeric_limits<double>::max()}),
    byText);

class TextToNumberRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(TextToNumberRejects, WithAnError)
{
    for (const char* separator : {",", "."}) {
        const NumberText numbers(separator);
        EXPECT_THROW(numbers.toNumber(GetParam()), Error) << '"' << GetParam() << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberRejects,
                         ::testing::Values("", "   ", "abc", "1,2,3", "1.2.3", "1,2.3", "1e", "e5", "1e+",
                                           "1e309", "-1e309", "1,8e308", "inf", "-inf", "nan", "NaN",
                                           "0x10", "--1", "+-1", "-", ".", ",", "1e5.5",
                                           "\u0661\u0662",  // digits of another script
                                           "1\n2", "\x01" "1", "12abc", "1d3", "Infinity"),
                         [](const auto& info) { return caseName(info.param); });

// The bits of a double, as std::bit_cast gives them (which Emscripten 3.1.6's libc++ lacks).
std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Digits grouped by three, as French typing and French number formats write them: accepted
// where the decimal separator is the comma, and under no other locale.
class GroupedDigitsUnderAComma : public ::testing::TestWithParam<Accepted> {};

TEST_P(GroupedDigitsUnderAComma, ReadTheirValueAndNothingElsewhere)
{
    const double value = NumberText(",").toNumber(GetParam().text);
    EXPECT_EQ(bitsOf(value), bitsOf(GetParam().value))
        << '"' << GetParam().text << '"';
    for (const char* separator : {".", "\u066b"}) {
        EXPECT_THROW(NumberText(separator).toNumber(GetParam().text), Error)
            << '"' << GetParam().text << "\" with separator " << separator;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GroupedDigitsUnderAComma,
    ::testing::Values(Accepted{"31 354", 31354}, Accepted{"1 900", 1900}, Accepted{"13 271 244", 13271244},
                      Accepted{"1 000", 1000}, Accepted{"1\u00a0000", 1000},        // no-break space
                      Accepted{"13\u202f271\u202f244", 13271244},                 // narrow no-break space
                      Accepted{"3\u00a0317 811", 3317811},                        // pasted, mixed
                      Accepted{"-24 249", -24249}, Accepted{"+1 900", 1900}, Accepted{"  1 900\t", 1900},
                      Accepted{"1 900,5", 1900.5}, Accepted{"1 900.5", 1900.5}, Accepted{"1 900,", 1900},
                      Accepted{"1 900e3", 1900000}, Accepted{"-1 234,567e-3", -1.234567},
                      Accepted{"123 456 789 012 345 678", 123456789012345678.0},
                      // Grouping changes no bit, not even at the top of the double range.
                      Accepted{"179 769 313 486 231 570e291", std::numeric_limits<double>::max()}),
    byText);

TEST(TextToNumber, RejectsEverySpaceThatDoesNotSeparateGroupsOfThree)
{
    const NumberText numbers(",");
    for (const char* text :
         {"1 9", "1  900", "1 900,1 5", "1 90", "1 9000", "1234 567", "1 900 00", "1 900 0000", "12 34",
          "1 ,5", "1, 5", "1 e3", "1 900e 3", "1e 3", "- 1 900", "1\t900", "1\u2009900" /* thin space */,
          "\u00a01 900", "1 900\u00a0", "1\u00a0\u00a0900", "1 \u00a0900", "1\xc2 900" /* broken UTF-8 */,
          "1\xe2\x80 900", ",5 000", "0,123 456", "1 000 000,000 1", "1 000 x"}) {
        EXPECT_THROW(numbers.toNumber(text), Error) << '"' << text << '"';
    }
    // Under a dot the space stays an error, as it always was.
    for (const char* text : {"1 000", "1\u00a0000", "1\u202f000", "31 354"}) {
        EXPECT_THROW(NumberText(".").toNumber(text), Error) << '"' << text << '"';
    }
}

TEST(TextToNumber, AcceptsTheLocaleSeparatorBesidesCommaAndDot)
{
    const NumberText arabic("\u066b");
    EXPECT_EQ(arabic.toNumber("1\u066b5"), 1.5);
    EXPECT_EQ(arabic.toNumber("1,5"), 1.5);
    EXPECT_THROW(NumberText(",").toNumber("1\u066b5"), Error);
}

// The two ends of the double range, bit for bit: what a double can hold reads as the nearest
// double, what lies beyond the largest is an error, what lies below the smallest subnormal is a
// zero of the text's sign. The texts sit on both sides of each rounding boundary.
struct AtTheEdge {
    const char* text;
    std::uint64_t bits;  // 0 here with `overflow` set means an error is expected
    bool overflow = false;
};

void PrintTo(const AtTheEdge& edge, std::ostream* out)
{
    *out << '"' << edge.text << '"' << (edge.overflow ? " overflows" : "");
}

class TextToNumberAtTheRangeEnds : public ::testing::TestWithParam<AtTheEdge> {};

TEST_P(TextToNumberAtTheRangeEnds, GivesTheNearestDoubleOrZeroOrAnError)
{
    const NumberText numbers(",");
    if (GetParam().overflow) {
        EXPECT_THROW(numbers.toNumber(GetParam().text), Error) << GetParam().text;
        return;
    }
    EXPECT_EQ(bitsOf(numbers.toNumber(GetParam().text)), GetParam().bits)
        << GetParam().text;
}

constexpr std::uint64_t maxBits = 0x7fef'ffff'ffff'ffff;
constexpr std::uint64_t sign = 0x8000'0000'0000'0000;

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberAtTheRangeEnds,
    ::testing::Values(
        AtTheEdge{"1,7976931348623157e308", maxBits}, AtTheEdge{"-1,7976931348623157e308", sign | maxBits},
        // Up to half a unit above the largest double rounds down to it; past that overflows.
        AtTheEdge{"1,7976931348623158e308", maxBits}, AtTheEdge{"1,7976931348623159e308", 0, true},
        AtTheEdge{"-1,7976931348623159e308", 0, true}, AtTheEdge{"179769313486231590000e288", 0, true},
        AtTheEdge{"0,00017976931348623157e312", maxBits}, AtTheEdge{"1e99999999999999999999", 0, true},
        // The smallest normal and subnormal doubles, and the rounding boundary below the latter.
        AtTheEdge{"2,2250738585072014e-308", 0x0010'0000'0000'0000},
        AtTheEdge{"4,9406564584124654e-324", 1}, AtTheEdge{"-4,9406564584124654e-324", sign | 1},
        AtTheEdge{"2,4703282292062328e-324", 1}, AtTheEdge{"2,4703282292062327e-324", 0},
        AtTheEdge{"-2,4703282292062327e-324", sign}, AtTheEdge{"1e-400", 0}, AtTheEdge{"-1e-400", sign},
        AtTheEdge{"1234e-330", 0}, AtTheEdge{"-0,0000001e-318", sign},
        AtTheEdge{"1e-99999999999999999999", 0}, AtTheEdge{"-1e-99999999999999999999", sign},
        // A zero with a huge exponent is still zero, not out of range.
        AtTheEdge{"0,000e99999", 0}, AtTheEdge{"-0e-99999", sign}),
    byText);

TEST(TextToNumber, ReadsAVeryLongTextOfDigits)
{
    std::string text = "0,";
    text.append(100000, '3');
    EXPECT_EQ(NumberText(",").toNumber(text), 1.0 / 3.0);
    EXPECT_THROW(NumberText(",").toNumber(std::string(100000, '9')), Error);  // 1e100000 overflows
}

struct Written {
    double value;
    const char* comma;
};

void PrintTo(const Written& written, std::ostream* out)
{
    out->precision(17);
    *out << written.value << " as \"" << written.comma << '"';
}

class NumberToText : public ::testing::TestWithParam<Written> {};

TEST_P(NumberToText, FifteenSignificantDigitsInTheLocaleFormat)
{
    EXPECT_EQ(NumberText(",").toText(GetParam().value).view(), GetParam().comma);
    std::string dotted = GetParam().comma;
    for (char& c : dotted)
        if (c == ',') c = '.';
    EXPECT_EQ(NumberText(".").toText(GetParam().value).view(), dotted);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberToText,
    ::testing::Values(Written{0.5, "0,5"}, Written{0.7071067811865476, "0,707106781186548"},
                      Written{0.006222222222222223, "0,00622222222222222"},
                      Written{0.00311111111111111, "0,00311111111111111"},
                      Written{75000000000, "75000000000"}, Written{123456789012345, "123456789012345"},
                      Written{1e15, "1E+15"}, Written{1234567890123456, "1,23456789012346E+15"},
                      Written{0.0001, "0,0001"}, Written{0.00001, "1E-05"}, Written{-2.5, "-2,5"},
                      Written{0.0, "0"}, Written{-0.0, "0"}, Written{1900.0079195959493, "1900,00791959595"},
                      // Rounded down, not up: 1,79769313486232E+308 would not read back.
                      Written{std::numeric_limits<double>::max(), "1,79769313486231E+308"},
                      Written{-1.797693134862315e308, "-1,79769313486231E+308"},
                      Written{1.79769313486231e308, "1,79769313486231E+308"},
                      Written{std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
                      Written{1e100, "1E+100"}),
    // Named by the value written, to the last bit, since two values may show the same text.
    [](const auto& info) {
        char value[32];
        std::snprintf(value, sizeof value, "%.17g", info.param.value);
        return caseName(value);
    });

TEST(NumberToText, ReadsBackToTheSameText)
{
    const NumberText numbers(",");
    for (double value : {0.1, 1.0 / 3.0, 2.0 / 3.0, 1e-7, 123.456e200, -9.87654321e-300, 8.246744345442083,
                         0.0001142334932602239, 4.063760100880496, 1e21, 5e-324,
                         std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
        const std::string text(numbers.toText(value).view());
        EXPECT_EQ(numbers.toText(numbers.toNumber(text)).view(), text) << value;
    }
}

}  // namespace
}  // namespace virenast::platform
