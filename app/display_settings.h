// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"

namespace virenast::app {

// The choices of "Affichage" kept in the user's settings (QSettings, organisation and program
// "Virenast"), from one start of the program to the next. A missing or damaged value reads as
// its default.
form::DisplayChoices loadDisplayChoices();
void saveDisplayChoices(const form::DisplayChoices& choices);

}  // namespace virenast::app
