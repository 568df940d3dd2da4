// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scenario files and links that the practical sheets hand out (docs/scenarios/, and a line
// under each sheet's "Valeurs à taper"): each must be what the program writes for the sheet's
// own typed texts, and must open to exactly those values. When one differs, remake them all
// with scripts/sheet-scenarios.sh.
#include "platform/memory_platform.h"
#include "form/scenario.h"
#include "support/sheet_scenarios.h"
#include "support/teaching_scenarios.h"
#include "support/test_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace virenast::testing {
namespace {

constexpr const char* remake = "; remake the sheets' scenarios with scripts/sheet-scenarios.sh";

// The folder of the sheets, from their path given at run time (--teaching-sheets=).
std::string docsFolder()
{
    const std::string& sheets = teachingSheetsPath();
    const std::size_t slash = sheets.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : sheets.substr(0, slash + 1);
}

std::string committedFile(const SheetScenarioFile& file)
{
    std::ifstream in(docsFolder() + "scenarios/" + file.file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> sheetLinesOfScenarios()
{
    std::ifstream in(teachingSheetsPath());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.find(scenarioFileReference) != std::string::npos) {
            line.erase(0, std::min(line.find_first_not_of(' '), line.size()));
            lines.push_back(line);
        }
    return lines;
}

// A window where a student has typed something else in every box and moved the bar.
void scramble(platform::MemoryPlatform& window)
{
    for (const form::ScenarioBox& box : form::scenarioBoxes()) window.type(box.box, "7,5");
    window.moveScrollBar(13);
}

TEST(TeachingSheetScenarios, EveryFileAndLinkIsWhatTheProgramWritesForItsSheet)
{
    const std::vector<std::string> lines = sheetLinesOfScenarios();
    ASSERT_FALSE(lines.empty()) << "cannot read the sheets at \"" << teachingSheetsPath()
                                << "\" (give their path with --teaching-sheets=)";
    std::vector<std::string> expectedLines;
    for (const SheetScenarioFile& file : sheetScenarioFiles()) {
        EXPECT_EQ(committedFile(file), form::scenarioFile(sheetScenario(file)))
            << "docs/scenarios/" << file.file << " is not what the program writes" << remake;
        expectedLines.push_back(sheetScenarioLine(file));
        EXPECT_EQ(std::count(lines.begin(), lines.end(), expectedLines.back()), 1)
            << "the sheets lack the line, once: " << expectedLines.back() << remake;
    }
    // No line offers a file or a link that is no longer made.
    for (const std::string& line : lines)
        EXPECT_TRUE(std::find(expectedLines.begin(), expectedLines.end(), line) != expectedLines.end()) << "stale line: " << line << remake;
}

// Opened over whatever a student had typed, the file and the sheet's link both give the window
// exactly as the sheet has it typed: every box, not only those the sheet names, and the bar.
TEST(TeachingSheetScenarios, EachFileAndLinkOpensToTheSheetsValuesWhateverTheWindowHeld)
{
    for (const SheetScenarioFile& file : sheetScenarioFiles()) {
        platform::MemoryPlatform typed;
        typeScenario(typed, teachingScenario(file.scenario), file.more);
        const std::string line = sheetScenarioLine(file);
        const std::size_t link = line.find("virenast.html#");
        ASSERT_NE(link, std::string::npos) << line;
        const form::ScenarioReading readings[] = {form::readScenarioFile(committedFile(file)),
                                                 form::readScenarioLink(line.substr(link, line.size() - 1 - link))};
        for (const form::ScenarioReading& reading : readings) {
            EXPECT_FALSE(reading.refused) << file.file;
            EXPECT_TRUE(reading.messages.empty()) << file.file << ": " << form::scenarioMessagesText(reading);
            platform::MemoryPlatform opened;
            scramble(opened);
            form::DisplayChoices choices;
            for (const form::MenuRow& row : form::menuBarRows())  // the other way round from the defaults
                if (row.kind == form::MenuRowKind::Checkable) choices.choose(row);
            form::applyScenario(reading.scenario, opened, choices);
            for (const form::ScenarioBox& box : form::scenarioBoxes())
                EXPECT_EQ(opened.shownText(box.box), typed.shownText(box.box)) << file.file << " " << box.name();
            EXPECT_EQ(opened.scrollValue(), typed.scrollValue()) << file.file;
            EXPECT_EQ(choices, sheetChoices(file)) << file.file;
        }
    }
}

}  // namespace
}  // namespace virenast::testing
