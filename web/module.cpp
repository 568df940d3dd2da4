// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as the page calls it: the page asks for the window's description, builds the
// window from it, starts the program with the user's decimal separator, and forwards each click
// of a button or of the menu item as the command of that control.
#include "description_json.h"
#include "form/form1_description.h"
#include "form/window_commands.h"
#include "sim/orbit_simulation.h"
#include "web_platform.h"

#include <emscripten.h>

#include <memory>
#include <string>

namespace {

struct Program {
    explicit Program(std::string decimalSeparator)
        : window(std::move(decimalSeparator), [this](int command) { perform(command); }), simulation(window)
    {
    }

    void perform(int command)
    {
        virenast::form::perform(static_cast<virenast::form::Command>(command), simulation, window);
    }

    virenast::web::WebPlatform window;
    virenast::sim::OrbitSimulation simulation;
};

std::unique_ptr<Program> program;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* virenast_describe()
{
    static const std::string description = virenast::web::describeWindowAsJson();
    return description.c_str();
}

EMSCRIPTEN_KEEPALIVE void virenast_start(const char* decimalSeparator)
{
    program = std::make_unique<Program>(decimalSeparator);
}

// Runs the command's handler; a run yields inside it, and may then run further commands nested.
EMSCRIPTEN_KEEPALIVE void virenast_perform(int command)
{
    if (program) program->perform(command);
}

}
