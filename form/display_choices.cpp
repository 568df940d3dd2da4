// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/display_choices.h"

#include <array>
#include <utility>

namespace virenast::form {
namespace {

bool sameName(const char* a, std::string_view b) { return a != nullptr && b == a; }

std::string keyOf(const MenuRow& row) { return std::string(row.parent) + '/' + (row.group ? row.group : row.name); }

// The first row of each exclusive group stands for the group.
bool firstOfItsGroup(const MenuRow& row)
{
    for (const MenuRow& other : menuBarRows()) {
        if (&other == &row) return true;
        if (sameName(other.group, row.group)) return false;
    }
    return true;
}

// The item of each pace, by name: what the group "vitesse" does.
constexpr std::array<std::pair<sim::Pace, const char*>, 4> paceItems{{
    {sim::Pace::Maximal, "vitesseMax"},
    {sim::Pace::YearIn5Seconds, "vitesse5"},
    {sim::Pace::YearIn20Seconds, "vitesse20"},
    {sim::Pace::YearInAMinute, "vitesse60"},
}};

}  // namespace

DisplayChoices::DisplayChoices()
{
    for (const MenuRow& row : menuBarRows()) checked_.push_back(row.checkable() && row.checkedByDefault);
}

void DisplayChoices::choose(const MenuRow& row)
{
    const std::size_t index = menuRowIndex(row);
    if (row.kind == MenuRowKind::Checkable) checked_[index] = !checked_[index];
    if (row.kind != MenuRowKind::Exclusive) return;
    const auto rows = menuBarRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (sameName(rows[i].group, row.group)) checked_[i] = i == index;
}

bool DisplayChoices::checks(const MenuRow& row) const { return checked_[menuRowIndex(row)]; }

void DisplayChoices::set(const MenuRow& row, bool checked)
{
    if (checks(row) != checked && (row.kind == MenuRowKind::Checkable || checked)) choose(row);
}

bool DisplayChoices::checked(std::string_view item) const
{
    const MenuRow* row = findMenuRow(item);
    return row != nullptr && checks(*row);
}

std::string_view DisplayChoices::selected(std::string_view group) const
{
    for (const MenuRow& row : menuBarRows())
        if (sameName(row.group, group) && checks(row)) return row.name;
    return {};
}

std::vector<StoredChoice> DisplayChoices::stored() const
{
    std::vector<StoredChoice> choices;
    for (const MenuRow& row : menuBarRows()) {
        if (row.kind == MenuRowKind::Checkable) choices.push_back({keyOf(row), checks(row) ? "true" : "false"});
        if (row.kind == MenuRowKind::Exclusive && firstOfItsGroup(row))
            choices.push_back({keyOf(row), std::string(selected(row.group))});
    }
    return choices;
}

DisplayChoices DisplayChoices::load(const std::function<std::optional<std::string>(std::string_view key)>& read)
{
    DisplayChoices choices;
    for (const MenuRow& row : menuBarRows()) {
        if (row.kind == MenuRowKind::Checkable) {
            const auto value = read(keyOf(row));
            if (value == "true" || value == "false") choices.checked_[menuRowIndex(row)] = *value == "true";
        }
        if (row.kind == MenuRowKind::Exclusive && firstOfItsGroup(row)) {
            // Only an item of this very group is taken.
            const MenuRow* item = nullptr;
            if (const auto value = read(keyOf(row))) item = findMenuRow(*value);
            if (item != nullptr && sameName(item->group, row.group)) choices.choose(*item);
        }
    }
    return choices;
}

sim::Pace paceOf(const DisplayChoices& choices)
{
    const std::string_view item = choices.selected(paceGroupName);
    for (const auto& [pace, name] : paceItems)
        if (item == name) return pace;
    return sim::Pace::Maximal;
}

const MenuRow& menuRowOf(sim::Pace pace)
{
    for (const auto& [itsPace, name] : paceItems)
        if (itsPace == pace) return *findMenuRow(name);
    return *findMenuRow(paceItems.front().second);
}

std::bitset<sim::curveCount> curvesOf(const DisplayChoices& choices)
{
    std::bitset<sim::curveCount> curves;
    for (const sim::Curve curve : sim::allCurves)
        curves.set(static_cast<std::size_t>(curve), choices.checked(curveItemName(curve)));
    return curves;
}

}  // namespace virenast::form
