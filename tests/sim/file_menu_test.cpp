// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu "Fichier" beside the window's controls and the menu "Affichage", and the scenario's
// names held to the window's own.
#include "form/display_menu.h"
#include "form/file_menu.h"
#include "form/form1_description.h"
#include "sim/scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace virenast::form {
namespace {

// No name is taken twice among the controls and both menus, and Alt and a letter reach one menu
// of the menu bar only.
TEST(FileMenu, SharesNoNameAndNoMenuKeyWithTheWindow)
{
    std::set<std::string> names;
    for (const ControlDescription& control : form1Controls()) names.insert(control.name);
    for (const MenuRow& row : displayMenuRows()) EXPECT_TRUE(names.insert(row.name).second) << row.name;
    for (const FileMenuRow& row : fileMenuRows()) EXPECT_TRUE(names.insert(row.name).second) << row.name;
    const MenuRow* display = findMenuRow(displayMenuName);
    ASSERT_NE(display, nullptr);
    EXPECT_NE(std::tolower(display->accessKey), std::tolower(fileMenuRows().front().accessKey));
}

TEST(FileMenu, AScenarioNamesTheTwelveInputBoxesAsTheWindowDoes)
{
    std::vector<std::string> inputs;
    for (const ControlDescription& control : form1Controls())
        if (control.logicControl<platform::TextBox>() && !control.disabled) inputs.push_back(control.name);
    std::vector<std::string> scenario;
    for (const sim::ScenarioBox& box : sim::scenarioBoxes()) {
        EXPECT_STREQ(nameOf(box.box), box.name);
        scenario.push_back(box.name);
    }
    std::sort(inputs.begin(), inputs.end());
    std::sort(scenario.begin(), scenario.end());
    EXPECT_EQ(scenario, inputs);
    const ControlDescription* scrollBar = findControl(sim::scenarioTimeStepName);
    ASSERT_NE(scrollBar, nullptr);
    EXPECT_EQ(scrollBar->kind, ControlKind::ScrollBar);
}

}  // namespace
}  // namespace virenast::form
