// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu "Fichier" as the front-ends build it from its rows, and the scenario's names held to
// the window's own.
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

TEST(FileMenu, HoldsItsFourItemsWithTheirKeysAndSpokenNames)
{
    std::vector<std::string> shown;
    for (const FileMenuRow& row : fileMenuRows()) {
        const auto key = row.accessKeyIndex();
        ASSERT_TRUE(key) << row.name;
        const std::string_view whole = row.text;
        const std::string text = std::string(whole.substr(0, *key)) + "&" + std::string(whole.substr(*key));
        shown.push_back(std::string(row.name) + " " + text + " | " + row.spoken.name);
        EXPECT_STRNE(row.spoken.description, "") << row.name;
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "fichier &Fichier | Fichier",
                         "ouvrirScenario &Ouvrir un scénario… | Ouvrir un scénario",
                         "enregistrerScenario &Enregistrer le scénario… | Enregistrer le scénario",
                         "copierLien &Copier le lien du scénario | Copier le lien du scénario",
                         "enregistrerMesures Enregistrer les &mesures… | Enregistrer les mesures",
                     }));
    EXPECT_EQ(fileMenuRowOf(FileCommand::CopyLink).name, std::string("copierLien"));
    EXPECT_EQ(findFileMenuRow(fileMenuName), &fileMenuRows().front());
}

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
