// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as the page calls it: the page asks for the window's description, builds the
// window from it, starts the program with the user's decimal separator, and forwards each click
// of a button or of the menu item as the command of that control. The choices of the menu
// "Affichage" come in apart from the commands, at once, even in the middle of a run: they change
// only how the run is shown. So do those of "Fichier", which only read or write the boxes and
// hand the page the bytes to save.
#include "description_json.h"
#include "file_exchange.h"
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
        : window(std::move(decimalSeparator), [this](int command) { perform(command); }), simulation(window), files(window)
    {
        simulation.addObserver(window.bodyPath());
        simulation.addObserver(window.pacer());
        simulation.addObserver(files.measurements());
    }

    void perform(int command)
    {
        virenast::form::perform(static_cast<virenast::form::Command>(command), simulation, window);
        window.handOverPath();
    }

    virenast::web::WebPlatform window;
    virenast::sim::OrbitSimulation simulation;
    virenast::web::FileExchange files;
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

// A scenario crosses as bytes, never more than this many: more than that is refused unread.
EMSCRIPTEN_KEEPALIVE int virenast_scenario_read_limit() { return static_cast<int>(virenast::sim::scenarioInputCap + 1); }

// Room for a link's or a file's bytes (at most the read limit), which the page fills before
// opening them; null for more.
EMSCRIPTEN_KEEPALIVE char* virenast_scenario_buffer(int size)
{
    if (!program || size < 0 || size > virenast_scenario_read_limit()) return nullptr;
    return program->files.inputBuffer(static_cast<std::size_t>(size));
}

// The bytes in the buffer as a link (an address, or its fragment) or as a `.virenast` file: its
// texts go into the boxes and its time step onto the scroll bar, nothing else happens. Returns
// 0 when all of it was taken, 1 when some was left out, 2 when all of it was refused (then
// nothing changed); the page shows virenast_scenario_messages() in a message box unless all of
// it was taken.
EMSCRIPTEN_KEEPALIVE int virenast_open_scenario_link()
{
    return program ? static_cast<int>(program->files.openLink()) : 2;
}

EMSCRIPTEN_KEEPALIVE int virenast_open_scenario_file()
{
    return program ? static_cast<int>(program->files.openFile()) : 2;
}

EMSCRIPTEN_KEEPALIVE const char* virenast_scenario_messages()
{
    return program ? program->files.messages().c_str() : "";
}

// These three write the bytes to hand out, virenast_output_size() of them, and return where
// they stand; they stay there until the next of these calls.
EMSCRIPTEN_KEEPALIVE const char* virenast_scenario_link()
{
    if (!program) return "";
    program->files.writeScenarioLink();
    return program->files.output().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* virenast_scenario_file()
{
    if (!program) return "";
    program->files.writeScenarioFile();
    return program->files.output().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* virenast_measurements_csv(int everyNth)
{
    if (!program) return "";
    program->files.writeMeasurements(everyNth);
    return program->files.output().c_str();
}

EMSCRIPTEN_KEEPALIVE int virenast_output_size()
{
    return program ? static_cast<int>(program->files.output().size()) : 0;
}

// Whether a run has been made whose measurements can be saved.
EMSCRIPTEN_KEEPALIVE int virenast_has_measurements()
{
    return program && program->files.measurements().hasRows() ? 1 : 0;
}

}
