// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/menu_bar.h"
#include "sim/graph_view.h"
#include "sim/run_pace.h"

#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the user chose in the menu bar's checkable items, remembered from one start of the program
// to the next (QSettings on the desktop, localStorage in the page) as key/value strings. The
// choices are the rows': a checkable item is a choice of its own, kept under "menu/item" as "true"
// or "false"; a group of exclusive items is one choice, kept under "menu/group" as the name of
// the item checked. A new checkable row is a new choice, kept, loaded and handed to the page with
// no more code. Whatever is stored, a missing, unknown or damaged value gives that choice's
// default.
namespace virenast::form {

// The choices that the program itself acts on.
inline constexpr const char* trajectoryItemName = "trajectoire";      // the body's path shown
inline constexpr const char* velocityItemName = "vecteurVitesse";     // the velocity's arrow
inline constexpr const char* forcesItemName = "vecteursForces";       // the forces' arrows
inline constexpr const char* areasItemName = "airesBalayees";         // the areas swept in equal times
inline constexpr const char* marksItemName = "reperesTemps";          // the marks at equal times
inline constexpr const char* graduationsItemName = "graduations";     // the axes in AU
inline constexpr const char* projectorItemName = "couleursProjecteur";  // the colours for a projector
inline constexpr const char* paceGroupName = "vitesse";               // the pace of a run
inline constexpr const char* graphsItemName = "graphiques";           // the graphs' view shown

// Each curve's check box in the graphs' view.
constexpr const char* curveItemName(sim::Curve curve)
{
    switch (curve) {
    case sim::Curve::Distance1: return "courbeDistance1";
    case sim::Curve::Distance2: return "courbeDistance2";
    case sim::Curve::Speed: return "courbeVitesse";
    case sim::Curve::Kinetic: return "courbeEnergieCinetique";
    case sim::Curve::Potential: return "courbeEnergiePotentielle";
    case sim::Curve::Mechanical: return "courbeEnergieMecanique";
    case sim::Curve::EnergyDrift: return "courbeEcartEnergie";
    }
    return "";
}

struct StoredChoice {
    std::string key;
    std::string value;
};

class DisplayChoices {
public:
    // Every row's default.
    DisplayChoices();

    // What choosing a checkable item makes of the choices: it turns over on its own, or becomes
    // its group's one checked item. Any other row changes nothing.
    void choose(const MenuRow& row);
    // Whether the menu shows that row checked.
    bool checks(const MenuRow& row) const;
    // Checks or unchecks a checkable item; checks an exclusive one (its group's others unchecked).
    void set(const MenuRow& row, bool checked);
    // Whether the checkable item of that name is checked.
    bool checked(std::string_view item) const;
    // The name of the item checked in that group.
    std::string_view selected(std::string_view group) const;

    // The choices as they are stored, a key for each.
    std::vector<StoredChoice> stored() const;
    // The choices from what is stored: `read` gives a key's value, or nothing when the key is
    // missing or the store cannot be read.
    static DisplayChoices load(const std::function<std::optional<std::string>(std::string_view key)>& read);

    friend bool operator==(const DisplayChoices&, const DisplayChoices&) = default;

private:
    std::vector<bool> checked_;  // by the row's place in menuBarRows()
};

// The curves the choices show in the graphs' view.
std::bitset<sim::curveCount> curvesOf(const DisplayChoices& choices);

// The pace the choices hold, and the item of each pace.
sim::Pace paceOf(const DisplayChoices& choices);
const MenuRow& menuRowOf(sim::Pace pace);

}  // namespace virenast::form
