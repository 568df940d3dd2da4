// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/colours.h"
#include "form/session.h"
#include "platform/number_text.h"

#include <string>

namespace virenast::web {

// The window description as JSON, for the page that builds the window from it: the window's
// caption and size, the time step's range, the colours, and one object per control with its
// name, kind, text, place, colour, tab index, spoken texts, flags, the command it raises and
// the control of the logic it stands for (its list and index there).
std::string describeWindowAsJson();

// Every colour role's value in a palette, by the role's name: {"Desktop":"#009696",...}.
std::string paletteAsJson(const form::Palette& palette);

// The table "Troisième loi" as the page shows it: {"headers":[...],"rows":[[T, a, T²/a³, body 2],...]},
// the figures to three decimals as the window writes numbers, the words as the copied table has them.
std::string thirdLawAsJson(const form::Session& session);

}  // namespace virenast::web
