// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/window_commands.h"

namespace virenast::form {

void showAbout(platform::WindowPlatform& window)
{
    window.messageBox(aboutText, aboutTitle, platform::MessageStyle::Information);
}

void showPause(platform::WindowPlatform& window)
{
    window.messageBox(pauseText, pauseTitle, platform::MessageStyle::Information);
}

void closeProgram(platform::WindowPlatform& window) { window.end(); }

void perform(Command command, sim::OrbitSimulation& simulation, platform::WindowPlatform& window)
{
    switch (command) {
    case Command::ResetScene: simulation.resetScene(); break;
    case Command::RunCalculation: simulation.runCalculation(); break;
    case Command::ShowPause: showPause(window); break;
    case Command::ShowAbout: showAbout(window); break;
    case Command::None: break;
    }
}

}  // namespace virenast::form
