// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/case_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace virenast::testing {
namespace {

TEST(CaseName, SpellsOutEveryCharacterThatANameCannotHold)
{
    EXPECT_EQ(caseName("3500"), "3500");
    EXPECT_EQ(caseName("-1,5e3"), "minus_1_comma_5e3");
    EXPECT_EQ(caseName("+4"), "plus_4");
    EXPECT_EQ(caseName("  12\t"), "space_space_12_tab");
    EXPECT_EQ(caseName("1\n2"), "1_newline_2");
    EXPECT_EQ(caseName(""), "empty");
    EXPECT_EQ(caseName("\x01\x31"), "x01_1");  // a control character, then "1"
    EXPECT_EQ(caseName("1E+15"), "1E_plus_15");
}

TEST(CaseName, NamesOtherScriptsAndSpacesByTheirCodePoint)
{
    EXPECT_EQ(caseName("1\u00a0000"), "1_U00A0_000");
    EXPECT_EQ(caseName("13\u202f271"), "13_U202F_271");
    EXPECT_EQ(caseName("\u0661\u0662"), "U0661_U0662");
    EXPECT_EQ(caseName("1,00…E-05"), "1_comma_00_U2026_E_minus_05");
    // Broken UTF-8 is named byte by byte, and never read past the text's end.
    EXPECT_EQ(caseName("1\xc2 900"), "1_xC2_space_900");
    EXPECT_EQ(caseName("1\xe2\x80"), "1_xE2_x80");
}

// Texts that differ only where a name cannot show them still give two names.
TEST(CaseName, GivesCloseTextsDistinctNames)
{
    std::set<std::string> names;
    for (const char* text : {"1,3", "1.3", "13", "1 3", "1  3", "1\u00a03", "-1", "+1", "1-", "", " ", "\t"})
        EXPECT_TRUE(names.insert(caseName(text)).second) << text << " gave " << caseName(text) << " twice";
}

// Every name is one GoogleTest takes: letters, digits and underscores, not empty.
TEST(CaseName, HoldsOnlyLettersDigitsAndUnderscores)
{
    for (const char* text : {"1e-400", "1\xe2\x80 900", "\u066b", "a\x7f", "…", "\xff\xfe", "(x)"}) {
        const std::string name = caseName(text);
        ASSERT_FALSE(name.empty()) << text;
        for (const char c : name)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
                << text << " gave " << name;
    }
}

}  // namespace
}  // namespace virenast::testing
