// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/form1_description.h"
#include "sim/run_pace.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The menu "Affichage", beside "A propos" in the menu bar: whether the drawing shows the body's
// path, and the pace of a run. Described as data like the controls, in a table of its own: the
// menu, then its items in the order they are shown. Each row has its access key (a letter of
// its text, underlined, as Alt and the letter reach it) and the name a screen reader speaks.
namespace virenast::form {

enum class MenuRowKind : std::uint8_t {
    Menu,       // a menu of the menu bar
    Checkable,  // an item checked or not on its own
    Exclusive,  // an item of a group of which exactly one is checked
};

// What choosing an item does.
enum class DisplayCommand : std::uint8_t {
    None,
    ToggleTrajectory,
    PaceMaximal,
    PaceYearIn5Seconds,
    PaceYearIn20Seconds,
    PaceYearInAMinute,
};

struct MenuRow {
    int order;           // place in the menu, from 1 for the menu itself
    const char* name;    // QAction's object name, the page element's id
    MenuRowKind kind;
    const char* text;    // shown exactly so, without the access key's mark
    char accessKey;      // a character of `text`, the first of which is underlined; '\0' for none
    const char* parent;  // the menu it is in; nullptr for a menu of the menu bar
    const char* group;   // the group of exclusive items it belongs to; nullptr outside one
    SpokenText spoken;   // its name is what a screen reader says of the item
    DisplayCommand command = DisplayCommand::None;
    bool checkedByDefault = false;

    bool checkable() const { return kind == MenuRowKind::Checkable || kind == MenuRowKind::Exclusive; }
    // Where `accessKey` stands in `text` (the first place, either case), for the front-ends to
    // mark it ("&" for Qt, an underline in the page); empty for none.
    std::optional<std::size_t> accessKeyIndex() const;
};

inline constexpr const char* displayMenuName = "affichage";
inline constexpr const char* trajectoryItemName = "trajectoire";
inline constexpr const char* paceGroupName = "vitesse";
// The menu of the menu bar that stands right after this one: "A propos", one of the controls.
inline constexpr const char* displayMenuStandsBefore = "apropos";

std::span<const MenuRow> displayMenuRows();
const MenuRow* findMenuRow(std::string_view name);
const MenuRow& menuRowOf(DisplayCommand command);

// The pace an item chooses, if it chooses one; the item that chooses a pace.
std::optional<sim::Pace> paceOf(DisplayCommand command);
const MenuRow& menuRowOf(sim::Pace pace);

}  // namespace virenast::form
