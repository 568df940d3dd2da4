// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace virenast::testing {
namespace {

struct CommandLine {
    std::vector<std::string> words;
    std::vector<char*> argv;
    int argc;

    explicit CommandLine(std::vector<std::string> given) : words(std::move(given))
    {
        for (std::string& word : words) argv.push_back(word.data());
        argc = static_cast<int>(argv.size());
        argv.push_back(nullptr);
    }
    std::vector<std::string> left() const { return {argv.begin(), argv.begin() + argc}; }
};

// The option is taken out wherever it stands; everything else stays, in its order. (The path
// the core tests run with is read first and given back after, so that the sheets' tests that
// follow still read it.)
TEST(TestFileOptions, TakesTheSheetsPathOutAndLeavesTheRest)
{
    const std::string given = teachingSheetsPath();
    CommandLine line({"tests", "--gtest_color=no", "--teaching-sheets=/a b/fiches-tp.md", "other"});
    EXPECT_TRUE(takeTestFileOptions(line.argc, line.argv.data()));
    EXPECT_EQ(teachingSheetsPath(), "/a b/fiches-tp.md");
    EXPECT_EQ(line.left(), (std::vector<std::string>{"tests", "--gtest_color=no", "other"}));
    EXPECT_EQ(line.argv[line.argc], nullptr);

    CommandLine again({"tests", "--teaching-sheets=" + given});
    EXPECT_TRUE(takeTestFileOptions(again.argc, again.argv.data()));
    EXPECT_EQ(teachingSheetsPath(), given);
    EXPECT_EQ(again.argc, 1);
}

TEST(TestFileOptions, RefusesTheOptionWithoutAPath)
{
    const std::string given = teachingSheetsPath();
    for (const char* malformed : {"--teaching-sheets", "--teaching-sheets=", "--teaching-sheetsX"}) {
        CommandLine line({"tests", malformed});
        EXPECT_FALSE(takeTestFileOptions(line.argc, line.argv.data())) << malformed;
        EXPECT_EQ(line.argc, 1) << malformed;
        EXPECT_EQ(teachingSheetsPath(), given) << malformed;
    }
}

}  // namespace
}  // namespace virenast::testing
