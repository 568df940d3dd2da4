// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/display_menu.h"

#include <array>
#include <cstddef>

namespace virenast::form {
namespace {

using enum MenuRowKind;
using enum DisplayCommand;

// clang-format off
constexpr std::array rows{
    MenuRow{1, "affichage",   Menu,      "Affichage",            'A', nullptr,     nullptr,
            {"Affichage", "Ce que le dessin montre et la vitesse du calcul"}},
    MenuRow{2, "trajectoire", Checkable, "Trajectoire",          'T', "affichage", nullptr,
            {"Trajectoire", "Montre le chemin du corps mobile dans le dessin"}, ToggleTrajectory, true},
    MenuRow{3, "vitesseMax",  Exclusive, "Vitesse maximale",     'V', "affichage", "vitesse",
            {"Vitesse maximale", "Le calcul va aussi vite que l'ordinateur le permet"}, PaceMaximal, true},
    MenuRow{4, "vitesse5",    Exclusive, "1 an en 5 secondes",   '5', "affichage", "vitesse",
            {"1 an en 5 secondes", "Une année de calcul dure 5 secondes"}, PaceYearIn5Seconds},
    MenuRow{5, "vitesse20",   Exclusive, "1 an en 20 secondes",  '2', "affichage", "vitesse",
            {"1 an en 20 secondes", "Une année de calcul dure 20 secondes"}, PaceYearIn20Seconds},
    MenuRow{6, "vitesse60",   Exclusive, "1 an en 1 minute",     'm', "affichage", "vitesse",
            {"1 an en 1 minute", "Une année de calcul dure une minute"}, PaceYearInAMinute},
};
// clang-format on

// Checks made as the program compiles.

constexpr bool sameText(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::optional<std::size_t> keyIndex(const char* text, char key)
{
    if (key == '\0') return std::nullopt;
    for (std::size_t i = 0; text[i] != '\0'; ++i)
        if (lower(text[i]) == lower(key)) return i;
    return std::nullopt;
}

constexpr bool ordersRunFromOneWithoutGap()
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].order != static_cast<int>(i) + 1) return false;
    return true;
}

// No two rows share a name (the tests hold them apart from the controls' names too).
constexpr bool namesAreUnique()
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (sameText(rows[i].name, rows[j].name)) return false;
    return true;
}

// Each item is in a menu above it; each menu stands in the menu bar; every row has a text, a
// spoken name and an access key found in its text, unique among the rows of the same menu.
constexpr bool rowsAreWellFormed()
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& row = rows[i];
        if (sameText(row.text, "") || sameText(row.spoken.name, "")) return false;
        if (!keyIndex(row.text, row.accessKey)) return false;
        if ((row.kind == Menu) != (row.parent == nullptr)) return false;
        if ((row.kind == Exclusive) != (row.group != nullptr)) return false;
        if ((row.kind == Menu) != (row.command == None)) return false;
        if (row.parent != nullptr) {
            bool parentAbove = false;
            for (std::size_t j = 0; j < i; ++j) parentAbove |= rows[j].kind == Menu && sameText(rows[j].name, row.parent);
            if (!parentAbove) return false;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (sameText(rows[j].parent, row.parent) && lower(rows[j].accessKey) == lower(row.accessKey)) return false;
    }
    return true;
}

// Exactly one item of each group is checked by default, and each command has one item.
constexpr bool oneDefaultPerGroupAndOneItemPerCommand()
{
    for (const MenuRow& row : rows) {
        if (row.group == nullptr) continue;
        int checked = 0;
        for (const MenuRow& other : rows) checked += sameText(other.group, row.group) && other.checkedByDefault;
        if (checked != 1) return false;
    }
    for (const DisplayCommand command :
         {ToggleTrajectory, PaceMaximal, PaceYearIn5Seconds, PaceYearIn20Seconds, PaceYearInAMinute}) {
        int items = 0;
        for (const MenuRow& row : rows) items += row.command == command;
        if (items != 1) return false;
    }
    return true;
}

static_assert(ordersRunFromOneWithoutGap(), "the menu rows are in the order they are shown, numbered from 1");
static_assert(namesAreUnique(), "two menu rows share a name");
static_assert(rowsAreWellFormed(), "a menu row lacks its menu, text, spoken name or access key, or shares a key");
static_assert(oneDefaultPerGroupAndOneItemPerCommand(), "a group has no default or two, or a command no item or two");

constexpr DisplayCommand commandOf(sim::Pace pace)
{
    switch (pace) {
    case sim::Pace::YearIn5Seconds: return PaceYearIn5Seconds;
    case sim::Pace::YearIn20Seconds: return PaceYearIn20Seconds;
    case sim::Pace::YearInAMinute: return PaceYearInAMinute;
    case sim::Pace::Maximal: break;
    }
    return PaceMaximal;
}

}  // namespace

std::optional<std::size_t> MenuRow::accessKeyIndex() const { return keyIndex(text, accessKey); }

std::span<const MenuRow> displayMenuRows() { return rows; }

const MenuRow* findMenuRow(std::string_view name)
{
    for (const MenuRow& row : rows)
        if (name == row.name) return &row;
    return nullptr;
}

const MenuRow& menuRowOf(DisplayCommand command)
{
    for (const MenuRow& row : rows)
        if (row.command == command) return row;
    return rows.front();  // None: the menu itself
}

std::optional<sim::Pace> paceOf(DisplayCommand command)
{
    switch (command) {
    case PaceMaximal: return sim::Pace::Maximal;
    case PaceYearIn5Seconds: return sim::Pace::YearIn5Seconds;
    case PaceYearIn20Seconds: return sim::Pace::YearIn20Seconds;
    case PaceYearInAMinute: return sim::Pace::YearInAMinute;
    case ToggleTrajectory:
    case None: break;
    }
    return std::nullopt;
}

const MenuRow& menuRowOf(sim::Pace pace) { return menuRowOf(commandOf(pace)); }

}  // namespace virenast::form
