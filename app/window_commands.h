// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/window_platform.h"

// The three commands of the main window that are not part of the calculation. None keeps any
// state: during a run they are handled inside its yield, so an open box simply holds the run.
namespace virenast::app {

inline constexpr const char* aboutText =
    "Application réalisée par Tarvenil pour un TP d'actions mécaniques à distances";
inline constexpr const char* aboutTitle = "A propos";
inline constexpr const char* pauseText = "Pause";
inline constexpr const char* pauseTitle = "Pause";

void showAbout(platform::WindowPlatform& window);
void showPause(platform::WindowPlatform& window);
// Any request to close the window ends the program at once, without a question.
void closeProgram(platform::WindowPlatform& window);

}  // namespace virenast::app
