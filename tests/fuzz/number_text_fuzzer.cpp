// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the conversions between text and numbers. For any bytes, under a comma, a dot and an
// Arabic decimal separator:
//  - reading them as text either raises an Error or gives a finite number;
//  - a number read, once written, reads back to a number that is written the same way;
//  - the first eight bytes taken as a double, when finite, are written and read back likewise.
// Built with clang and libFuzzer it explores for real (scripts/fuzz.sh); built without, it is an
// ordinary test that replays the committed corpus.
#include "platform/number_text.h"
#include "platform/platform_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

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
    return 0;
}

#ifndef VIRENAST_LIBFUZZER
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// Replays every file of the corpus folder given on the command line.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++replayed;
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
#endif
