// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_commands.h"

namespace virenast::app {

void showAbout(platform::WindowPlatform& window)
{
    window.messageBox(aboutText, aboutTitle, platform::MessageStyle::Information);
}

void showPause(platform::WindowPlatform& window)
{
    window.messageBox(pauseText, pauseTitle, platform::MessageStyle::Information);
}

void closeProgram(platform::WindowPlatform& window) { window.end(); }

}  // namespace virenast::app
