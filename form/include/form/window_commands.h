// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/window_platform.h"

// The texts of the main window's two boxes that are not part of the calculation, "A propos" and
// "Pause", and closing the window. These commands keep no state: during a run they are handled
// inside its yield, so an open box simply holds the run (the session performs them).
namespace virenast::form {

inline constexpr const char* aboutText =
    "Application réalisée par Tarvenil pour un TP d'actions mécaniques à distances";
inline constexpr const char* aboutTitle = "A propos";
inline constexpr const char* pauseText = "Pause";
inline constexpr const char* pauseTitle = "Pause";

// Any request to close the window ends the program at once, without a question.
inline void closeProgram(platform::WindowPlatform& window) { window.end(); }

}  // namespace virenast::form
