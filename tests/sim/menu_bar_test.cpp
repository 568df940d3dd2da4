// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar as the front-ends build it from its rows, beside the window's controls, and the
// choices it remembers, whatever the store gives back.
#include "form/display_choices.h"
#include "form/form1_description.h"
#include "form/menu_bar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <set>
#include <string>

namespace virenast::form {
namespace {

using sim::Pace;

// The rows stand beside the 50 controls: only "A propos" is both, made from its control, and
// no other row takes a control's name.
TEST(MenuBar, HoldsTheWindowsMenuItemAsItsControlSaysAndNoOtherControl)
{
    EXPECT_EQ(form1Controls().size(), 50u);
    std::set<std::string> controls;
    for (const ControlDescription& control : form1Controls()) controls.insert(control.name);
    std::set<std::string> rows;
    for (const MenuRow& row : menuBarRows()) {
        EXPECT_TRUE(rows.insert(row.name).second) << row.name;
        EXPECT_EQ(controls.count(row.name), row.name == std::string("apropos") ? 1u : 0u) << row.name;
    }
    // "A propos" ends the menu bar; the graphs' view and its items come after it.
    const auto bar = std::find_if(menuBarRows().rbegin(), menuBarRows().rend(), [](const MenuRow& row) { return inMenuBar(row); });
    ASSERT_NE(bar, menuBarRows().rend());
    const MenuRow& about = *bar;
    const ControlDescription* control = findControl(about.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind, ControlKind::MenuItem);
    EXPECT_STREQ(about.text, control->text);
    EXPECT_EQ(about.command, Command::ShowAbout);
    EXPECT_EQ(about.parent, nullptr);
    EXPECT_FALSE(about.accessKeyIndex());
}

// Each pace has its item, and choosing the item gives that pace.
TEST(DisplayChoices, EachPaceIsChosenByItsOwnItem)
{
    for (const Pace pace : {Pace::Maximal, Pace::YearIn5Seconds, Pace::YearIn20Seconds, Pace::YearInAMinute}) {
        DisplayChoices choices;
        choices.choose(menuRowOf(pace));
        EXPECT_EQ(paceOf(choices), pace) << menuRowOf(pace).name;
    }
}

// The items check what the choices hold: the path on its own, exactly one pace.
TEST(DisplayChoices, ItemsChangeAndShowTheChoices)
{
    DisplayChoices choices;
    for (const MenuRow& row : menuBarRows()) EXPECT_EQ(choices.checks(row), row.checkedByDefault) << row.name;

    choices.choose(*findMenuRow("vitesse20"));
    choices.choose(*findMenuRow(trajectoryItemName));
    EXPECT_EQ(paceOf(choices), Pace::YearIn20Seconds);
    EXPECT_FALSE(choices.checked(trajectoryItemName));
    int checkedPaces = 0;
    for (const MenuRow& row : menuBarRows()) checkedPaces += row.group && choices.checks(row);
    EXPECT_EQ(checkedPaces, 1);
    EXPECT_EQ(choices.selected(paceGroupName), "vitesse20");
    choices.choose(*findMenuRow(trajectoryItemName));
    EXPECT_TRUE(choices.checked(trajectoryItemName));
    EXPECT_EQ(paceOf(choices), Pace::YearIn20Seconds);
    // A command item or a menu is no choice.
    const DisplayChoices before = choices;
    choices.choose(*findMenuRow("apropos"));
    choices.choose(*findMenuRow(displayMenuName));
    EXPECT_EQ(choices, before);
}

DisplayChoices loadFrom(const std::map<std::string, std::string, std::less<>>& store)
{
    return DisplayChoices::load([&](std::string_view key) -> std::optional<std::string> {
        const auto found = store.find(key);
        if (found == store.end()) return std::nullopt;
        return found->second;
    });
}

DisplayChoices chosen(bool pathShown, Pace pace)
{
    DisplayChoices choices;
    if (!pathShown) choices.choose(*findMenuRow(trajectoryItemName));
    choices.choose(menuRowOf(pace));
    return choices;
}

TEST(DisplayChoices, AreRememberedAsTextAndFallBackToTheDefaultsOnAnythingElse)
{
    for (const bool shown : {true, false})
        for (const Pace pace : {Pace::Maximal, Pace::YearIn5Seconds, Pace::YearIn20Seconds, Pace::YearInAMinute}) {
            std::map<std::string, std::string, std::less<>> store;
            for (const StoredChoice& stored : chosen(shown, pace).stored()) store[stored.key] = stored.value;
            EXPECT_EQ(loadFrom(store), chosen(shown, pace));
        }
    // The keys a user's settings already hold.
    std::set<std::string> stored;
    for (const StoredChoice& choice : chosen(false, Pace::YearIn5Seconds).stored())
        stored.insert(choice.key + "=" + choice.value);
    EXPECT_TRUE(stored.contains("affichage/trajectoire=false"));
    EXPECT_TRUE(stored.contains("affichage/vitesse=vitesse5"));
    EXPECT_TRUE(stored.contains("affichage/vecteurVitesse=false"));

    const DisplayChoices defaults;
    EXPECT_TRUE(defaults.checked(trajectoryItemName));
    EXPECT_EQ(paceOf(defaults), Pace::Maximal);
    EXPECT_EQ(loadFrom({}), defaults);  // nothing stored, or a store that cannot be read
    for (const char* garbage : {"", "1", "TRUE", "oui", "trajectoire", "vitesse", "apropos", "vitesse5 ", "\xff\xfe"}) {
        EXPECT_EQ(loadFrom({{"affichage/trajectoire", garbage}, {"affichage/vitesse", garbage}}), defaults) << garbage;
    }
    // One damaged value leaves the other choice as stored.
    EXPECT_EQ(loadFrom({{"affichage/trajectoire", "false"}, {"affichage/vitesse", "vitesse100"}}),
              chosen(false, Pace::Maximal));
    EXPECT_EQ(loadFrom({{"affichage/trajectoire", "maybe"}, {"affichage/vitesse", "vitesse60"}}),
              chosen(true, Pace::YearInAMinute));
}

}  // namespace
}  // namespace virenast::form
