// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/form1_description.h"
#include "platform/window_platform.h"
#include "sim/orbit_simulation.h"

// What the main window's buttons and menu item do, and closing it. The three commands that are
// not part of the calculation keep no state: during a run they are handled inside its yield,
// so an open box simply holds the run.
namespace virenast::form {

inline constexpr const char* aboutText =
    "Application réalisée par Tarvenil pour un TP d'actions mécaniques à distances";
inline constexpr const char* aboutTitle = "A propos";
inline constexpr const char* pauseText = "Pause";
inline constexpr const char* pauseTitle = "Pause";

void showAbout(platform::WindowPlatform& window);
void showPause(platform::WindowPlatform& window);
// Any request to close the window ends the program at once, without a question.
void closeProgram(platform::WindowPlatform& window);

// Does what a click on the control with that command does; every front-end forwards its
// clicks here.
void perform(Command command, sim::OrbitSimulation& simulation, platform::WindowPlatform& window);

}  // namespace virenast::form
