// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as the page calls it: the page asks for the window's description, builds the
// window from it, starts the program with the user's decimal separator, and forwards each click
// of a button or of the menu item as the command of that control. The choices of the menu
// "Affichage" come in apart from the commands, at once, even in the middle of a run: they change
// only how the run is shown.
#include "description_json.h"
#include "form/display_choices.h"
#include "form/form1_description.h"
#include "form/window_commands.h"
#include "sim/orbit_simulation.h"
#include "web_platform.h"

#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Program {
    explicit Program(std::string decimalSeparator)
        : window(std::move(decimalSeparator), [this](int command) { perform(command); }), simulation(window)
    {
        simulation.addObserver(window.bodyPath());
        simulation.addObserver(window.pacer());
    }

    void perform(int command)
    {
        virenast::form::perform(static_cast<virenast::form::Command>(command), simulation, window);
        window.handOverPath();
    }

    virenast::web::WebPlatform window;
    virenast::sim::OrbitSimulation simulation;
};

std::unique_ptr<Program> program;

// The choices as the page keeps them in sight: which item is checked, and the stored values.
std::string choicesAsJson(const virenast::form::DisplayChoices& choices)
{
    std::string out = "{\"checked\":{";
    for (const virenast::form::MenuRow& row : virenast::form::displayMenuRows())
        if (row.checkable()) out += '"' + std::string(row.name) + "\":" + (choices.checks(row) ? "true," : "false,");
    out.back() = '}';
    out += ",\"trajectoryShown\":";
    out += choices.trajectoryShown ? "true" : "false";
    out += ",\"stored\":{";
    for (const auto& [key, value] : virenast::form::storedChoices(choices))
        out += '"' + std::string(key) + "\":\"" + value + "\",";  // keys and values are plain names
    out.back() = '}';
    out += '}';
    return out;
}

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

// The choices stored in the browser: each value, or null where the page has none or may not
// read its storage.
EMSCRIPTEN_KEEPALIVE void virenast_load_choices(const char* trajectory, const char* pace)
{
    if (!program) return;
    program->window.setChoices(virenast::form::loadChoices([&](std::string_view key) -> std::optional<std::string> {
        const char* value = key == virenast::form::trajectoryKey ? trajectory : key == virenast::form::paceKey ? pace : nullptr;
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    }));
}

// An item of "Affichage" chosen: it takes effect at once, a run's pace at its next step.
EMSCRIPTEN_KEEPALIVE void virenast_display(int command)
{
    if (program) program->window.choose(static_cast<virenast::form::DisplayCommand>(command));
}

EMSCRIPTEN_KEEPALIVE const char* virenast_display_state()
{
    static std::string state;
    state = program ? choicesAsJson(program->window.choices()) : "{}";
    return state.c_str();
}

// The page was hidden, or the program otherwise kept from its turns: a run does not make the
// time up.
EMSCRIPTEN_KEEPALIVE void virenast_restart_pace()
{
    if (program) program->window.pacer().restartFromNow();
}

}
