// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_menu.h"
#include "sim/run_pace.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What the user chose in "Affichage", remembered from one start of the program to the next
// (QSettings on the desktop, localStorage in the page) as two key/value strings. Whatever is
// stored, a missing, unknown or damaged value gives that choice's default: the path shown, the
// maximal pace.
namespace virenast::form {

struct DisplayChoices {
    bool trajectoryShown = true;
    sim::Pace pace = sim::Pace::Maximal;

    // What choosing an item of the menu makes of the choices.
    void apply(DisplayCommand command);
    // Whether the menu shows that item checked.
    bool checks(const MenuRow& row) const;

    friend bool operator==(const DisplayChoices&, const DisplayChoices&) = default;
};

struct StoredChoice {
    const char* key;
    std::string value;
};

inline constexpr const char* trajectoryKey = "affichage/trajectoire";
inline constexpr const char* paceKey = "affichage/vitesse";

// The choices as they are stored: the path as "true" or "false", the pace as its item's name.
std::array<StoredChoice, 2> storedChoices(const DisplayChoices& choices);

// The choices from what is stored: `stored` gives a key's value, or nothing when the key is
// missing or the store cannot be read.
DisplayChoices loadChoices(const std::function<std::optional<std::string>(std::string_view key)>& stored);

}  // namespace virenast::form
