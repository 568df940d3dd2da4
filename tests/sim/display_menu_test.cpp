// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu "Affichage" as the front-ends build it from its rows, beside the window's controls,
// and the choices it remembers, whatever the store gives back.
#include "form/display_choices.h"
#include "form/display_menu.h"
#include "form/form1_description.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace virenast::form {
namespace {

using sim::Pace;

TEST(DisplayMenu, StandsBesideTheControlsWithoutChangingThem)
{
    EXPECT_EQ(form1Controls().size(), 50u);
    const ControlDescription* about = findControl(displayMenuStandsBefore);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->kind, ControlKind::MenuItem);
    for (const MenuRow& row : displayMenuRows()) EXPECT_EQ(findControl(row.name), nullptr) << row.name;

    std::vector<std::string> names;
    for (const MenuRow& row : displayMenuRows()) names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"affichage", "trajectoire", "vitesseMax", "vitesse5", "vitesse20",
                                               "vitesse60"}));
    const MenuRow* menu = findMenuRow(displayMenuName);
    ASSERT_NE(menu, nullptr);
    EXPECT_STREQ(menu->text, "Affichage");
    EXPECT_EQ(menu->kind, MenuRowKind::Menu);
    EXPECT_STREQ(findMenuRow(trajectoryItemName)->text, "Trajectoire");
    EXPECT_EQ(findMenuRow(trajectoryItemName)->kind, MenuRowKind::Checkable);
    EXPECT_STREQ(menuRowOf(Pace::Maximal).text, "Vitesse maximale");
    EXPECT_STREQ(menuRowOf(Pace::YearIn5Seconds).text, "1 an en 5 secondes");
    EXPECT_STREQ(menuRowOf(Pace::YearIn20Seconds).text, "1 an en 20 secondes");
    EXPECT_STREQ(menuRowOf(Pace::YearInAMinute).text, "1 an en 1 minute");
    EXPECT_EQ(findMenuRow("apropos"), nullptr);
}

// Each row's access key is a letter of its text that a front-end can mark.
TEST(DisplayMenu, AccessKeysAreLettersOfTheTexts)
{
    for (const MenuRow& row : displayMenuRows()) {
        const auto index = row.accessKeyIndex();
        ASSERT_TRUE(index) << row.name;
        ASSERT_LT(*index, std::string(row.text).size());
        EXPECT_EQ(std::tolower(static_cast<unsigned char>(row.text[*index])),
                  std::tolower(static_cast<unsigned char>(row.accessKey)))
            << row.name;
    }
    EXPECT_EQ(findMenuRow("affichage")->accessKeyIndex(), 0u);
    EXPECT_EQ(findMenuRow("vitesse60")->accessKeyIndex(), 10u);  // "1 an en 1 [m]inute"
}

// The items check what the choices hold: the path on its own, exactly one pace.
TEST(DisplayChoices, ItemsChangeAndShowTheChoices)
{
    DisplayChoices choices;
    for (const MenuRow& row : displayMenuRows()) EXPECT_EQ(choices.checks(row), row.checkedByDefault) << row.name;

    choices.apply(DisplayCommand::PaceYearIn20Seconds);
    choices.apply(DisplayCommand::ToggleTrajectory);
    EXPECT_EQ(choices.pace, Pace::YearIn20Seconds);
    EXPECT_FALSE(choices.trajectoryShown);
    int checkedPaces = 0;
    for (const MenuRow& row : displayMenuRows()) checkedPaces += row.group && choices.checks(row);
    EXPECT_EQ(checkedPaces, 1);
    EXPECT_TRUE(choices.checks(*findMenuRow("vitesse20")));
    choices.apply(DisplayCommand::ToggleTrajectory);
    EXPECT_TRUE(choices.trajectoryShown);
    EXPECT_EQ(choices.pace, Pace::YearIn20Seconds);
}

DisplayChoices loadFrom(const std::map<std::string, std::string, std::less<>>& store)
{
    return loadChoices([&](std::string_view key) -> std::optional<std::string> {
        const auto found = store.find(key);
        if (found == store.end()) return std::nullopt;
        return found->second;
    });
}

TEST(DisplayChoices, AreRememberedAsTextAndFallBackToTheDefaultsOnAnythingElse)
{
    for (const bool shown : {true, false})
        for (const Pace pace : {Pace::Maximal, Pace::YearIn5Seconds, Pace::YearIn20Seconds, Pace::YearInAMinute}) {
            const DisplayChoices chosen{shown, pace};
            std::map<std::string, std::string, std::less<>> store;
            for (const StoredChoice& stored : storedChoices(chosen)) store[stored.key] = stored.value;
            EXPECT_EQ(loadFrom(store), chosen);
        }

    const DisplayChoices defaults;
    EXPECT_TRUE(defaults.trajectoryShown);
    EXPECT_EQ(defaults.pace, Pace::Maximal);
    EXPECT_EQ(loadFrom({}), defaults);  // nothing stored, or a store that cannot be read
    for (const char* garbage : {"", "1", "TRUE", "oui", "trajectoire", "vitesse", "apropos", "vitesse5 ", "\xff\xfe"}) {
        EXPECT_EQ(loadFrom({{trajectoryKey, garbage}, {paceKey, garbage}}), defaults) << garbage;
    }
    // One damaged value leaves the other choice as stored.
    EXPECT_EQ(loadFrom({{trajectoryKey, "false"}, {paceKey, "vitesse100"}}), (DisplayChoices{false, Pace::Maximal}));
    EXPECT_EQ(loadFrom({{trajectoryKey, "maybe"}, {paceKey, "vitesse60"}}), (DisplayChoices{true, Pace::YearInAMinute}));
}

}  // namespace
}  // namespace virenast::form
