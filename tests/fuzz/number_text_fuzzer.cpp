// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the conversions between text and numbers. For any bytes, under a comma, a dot and an
// Arabic decimal separator:
//  - reading them as text either raises an Error or gives a finite number;
//  - a number read, once written, reads back to a number that is written the same way;
//  - the first eight bytes taken as a double, when finite, are written and read back likewise;
//  - digits grouped by three (a space, a no-break space or a narrow no-break space) read only
//    under the comma, and to the very value they read without the separators; the double of
//    the first eight bytes, written with grouped digits, reads back under the comma and not
//    under the dot.
// Built with clang and libFuzzer it explores for real (scripts/fuzz.sh); built without, it is an
// ordinary test that replays the committed corpus.
#include "platform/number_text.h"
#include "platform/platform_error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Whether two doubles have the same bits (std::bit_cast, which Emscripten 3.1.6's libc++ lacks).
bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

using virenast::platform::Error;
using virenast::platform::NumberText;

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "number text fuzzer: %s for \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

// A written number reads back, and writes again to the very same text.
void expectStableRoundTrip(const NumberText& numbers, double value)
{
    const std::string written(numbers.toText(value).view());
    double readBack = 0;
    try {
        readBack = numbers.toNumber(written);
    } catch (const Error&) {
        fail("a written number does not read back", written);
    }
    if (numbers.toText(readBack).view() != written) fail("a written number changes on a round trip", written);
}

constexpr std::string_view groupSeparators[] = {" ", "\xc2\xa0", "\xe2\x80\xaf"};

// The text without its group separators, once blanks at either end are left out; empty when it
// holds none.
std::string withoutGroupSeparators(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string bare;
    bool found = false;
    for (std::size_t pos = 0; pos < text.size();) {
        bool separator = false;
        for (const std::string_view group : groupSeparators) {
            if (text.substr(pos).starts_with(group)) {
                pos += group.size();
                separator = found = true;
                break;
            }
        }
        if (!separator) bare.push_back(text[pos++]);
    }
    return found ? bare : std::string();
}

void check(const NumberText& numbers, std::string_view text)
{
    double value = 0;
    try {
        value = numbers.toNumber(text);
    } catch (const Error&) {
        return;
    }
    if (!std::isfinite(value)) fail("a text reads as a number that is not finite", text);
    expectStableRoundTrip(numbers, value);
    const std::string bare = withoutGroupSeparators(text);
    if (bare.empty()) return;
    if (numbers.decimalSeparator() != ",") fail("digits read grouped under a separator other than the comma", text);
    double ungrouped = 0;
    try {
        ungrouped = numbers.toNumber(bare);
    } catch (const Error&) {
        fail("grouped digits read, but not without their separators", text);
    }
    if (!sameBits(ungrouped, value))
        fail("grouping the digits changes the value", text);
}

// Writes `value` as the comma locale does, then groups the digits before the comma by three with
// the separators that `choice` picks, one at each place.
std::string writtenGrouped(const NumberText& comma, double value, std::uint64_t choice)
{
    const std::string written(comma.toText(value).view());
    const std::size_t start = written.starts_with('-') ? 1 : 0;
    const std::size_t end = std::min(written.find_first_of(",E"), written.size());
    std::string grouped = written.substr(0, start);
    for (std::size_t pos = start; pos < end; ++pos) {
        if (pos > start && (end - pos) % 3 == 0) {
            grouped += groupSeparators[choice % 3];
            choice /= 3;
        }
        grouped.push_back(written[pos]);
    }
    return grouped + written.substr(end);
}

void checkGroupedWriting(const NumberText& comma, const NumberText& dot, double value, std::uint64_t choice)
{
    const std::string grouped = writtenGrouped(comma, value, choice);
    double readBack = 0;
    try {
        readBack = comma.toNumber(grouped);
    } catch (const Error&) {
        fail("a number written with grouped digits does not read back", grouped);
    }
    const double ungrouped = comma.toNumber(comma.toText(value).view());
    if (!sameBits(readBack, ungrouped))
        fail("a number written with grouped digits reads back another value", grouped);
    if (grouped.find_first_of(" \xc2\xe2") == std::string::npos) return;  // too short to group
    try {
        dot.toNumber(grouped);
    } catch (const Error&) {
        return;
    }
    fail("grouped digits read under the dot", grouped);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const NumberText comma(","), dot("."), arabic("\u066b");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const NumberText* numbers : {&comma, &dot, &arabic}) {
        check(*numbers, text);
        if (size >= sizeof(double)) {
            double value = 0;
            std::memcpy(&value, data, sizeof value);
            if (std::isfinite(value)) expectStableRoundTrip(*numbers, value);
        }
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        std::uint64_t choice = 0;
        std::memcpy(&choice, data + size - sizeof choice, sizeof choice);
        if (std::isfinite(value)) checkGroupedWriting(comma, dot, value, choice);
    }
    return 0;
}
