// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/file_menu.h"
#include "form/form1_description.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The menu bar described as data, one row for every menu and every item, in the order they are
// shown: "Fichier" and its items, "Affichage" and its items, then "A propos", the window's own
// menu item. Each row has its access key (a letter of its text, underlined, as Alt and the letter
// reach it) and the name a screen reader speaks. A front-end builds the whole bar from these rows
// with one builder; what an item does is its command, or for a checkable item the display choice
// it stands for (form/display_choices.h). The graphs' view ("vueGraphiques", shown by the item
// "Graphiques" of "Affichage") is described the same way, after the bar: a row of its own, then
// its items, which a front-end builds as the view's check boxes and buttons.
namespace virenast::form {

enum class MenuRowKind : std::uint8_t {
    Menu,       // a menu of the menu bar
    Item,       // an item that does something when chosen
    Checkable,  // an item checked or not on its own
    Exclusive,  // an item of a group of which exactly one is checked
    View,       // a view of its own beside the window (not in the menu bar): its items are its controls
};

struct MenuRow {
    const char* name;    // QAction's object name, the page element's id
    MenuRowKind kind;
    const char* text;    // shown exactly so, without the access key's mark
    char accessKey;      // a character of `text`, the first of which is underlined; '\0' for none
    const char* parent;  // the menu (or view) it is in; nullptr for what stands in the menu bar itself
    const char* group;   // the group of exclusive items it belongs to; nullptr outside one
    SpokenText spoken;   // its name is what a screen reader says of the row
    Command command = Command::None;              // what a window command item does
    FileCommand fileCommand = FileCommand::None;  // what an item of "Fichier" does
    bool checkedByDefault = false;

    bool checkable() const { return kind == MenuRowKind::Checkable || kind == MenuRowKind::Exclusive; }
    // Where `accessKey` stands in `text` (the first place, either case, in bytes), for the
    // front-ends to mark it ("&" for Qt, an underline in the page); empty for none.
    std::optional<std::size_t> accessKeyIndex() const;
};

inline constexpr const char* fileMenuName = "fichier";
inline constexpr const char* displayMenuName = "affichage";
inline constexpr const char* graphViewName = "vueGraphiques";

// Every row of the menu bar, in the order shown, then the graphs' view and its items.
std::span<const MenuRow> menuBarRows();
// Whether the row stands in the menu bar (a menu, an item of one, "A propos"), not in a view.
bool inMenuBar(const MenuRow& row);
// The row of that name, or nullptr.
const MenuRow* findMenuRow(std::string_view name);
// Where a row stands in menuBarRows(): how the page names a row to the program.
std::size_t menuRowIndex(const MenuRow& row);
const MenuRow& menuRowOf(FileCommand command);

}  // namespace virenast::form
