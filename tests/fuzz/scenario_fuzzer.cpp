// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the reading of scenarios. For any bytes, read as a file and as a link:
//  - reading ends, and a refused input carries a message and nothing to apply;
//  - what is taken keeps to the rules: a time step from 1 to 24, texts of at most 200 characters
//    without a line break;
//  - what is taken, written as a file and as a link, reads back to the very same scenario, with
//    at most the message that the time step is missing.
// Built with clang and libFuzzer it explores for real (scripts/fuzz.sh); built without, it is an
// ordinary test that replays the committed corpus.
#include "form/scenario.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using virenast::form::Scenario;
using virenast::form::ScenarioReading;

[[noreturn]] void fail(const char* what, std::string_view input)
{
    std::fprintf(stderr, "scenario fuzzer: %s for %zu bytes starting \"%.*s\"\n", what, input.size(),
                 static_cast<int>(std::min<std::size_t>(input.size(), 80)), input.data());
    std::abort();
}

void expectReadsBack(const Scenario& scenario, const ScenarioReading& again, std::string_view input)
{
    if (again.refused || !(again.scenario == scenario)) fail("a scenario written does not read back the same", input);
    if (again.messages.size() > (scenario.timeStepHours ? 0u : 1u)) fail("a scenario written reads with faults", input);
}

void check(const ScenarioReading& reading, std::string_view input)
{
    if (reading.messages.empty() && reading.refused) fail("a refusal without its message", input);
    if (reading.refused && !reading.scenario.empty()) fail("a refused input has values to apply", input);
    if (reading.scenario.empty()) {
        if (!reading.refused) fail("nothing taken, but not refused", input);
        return;
    }
    const auto& hours = reading.scenario.timeStepHours;
    if (hours && (*hours < 1 || *hours > 24)) fail("a time step out of range", input);
    for (const auto& text : reading.scenario.texts)
        if (text &&
            (text->size() > 4 * virenast::form::scenarioTextCap || text->find_first_of("\r\n") != std::string::npos))
            fail("a text beyond the rules", input);
    expectReadsBack(reading.scenario, virenast::form::readScenarioFile(virenast::form::scenarioFile(reading.scenario)),
                    input);
    expectReadsBack(reading.scenario, virenast::form::readScenarioLink(virenast::form::scenarioLink(reading.scenario)),
                    input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check(virenast::form::readScenarioFile(input), input);
    check(virenast::form::readScenarioLink(input), input);
    return 0;
}
