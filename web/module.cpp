// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as the page calls it: the page asks for the window's description, builds the
// window from it, starts the program with the user's decimal separator, and forwards each click
// of a button or of "A propos" as the command of that control. A row of the menu bar that is a
// choice comes in apart from the commands, at once, even in the middle of a run: it changes only
// how the run is shown. So do the items of "Fichier", which only read or write the boxes and
// hand the page the bytes to save.
#include "description_json.h"
#include "file_exchange.h"
#include "form/form1_description.h"
#include "form/session.h"
#include "web_platform.h"

#include <emscripten.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The browser's storage of the choices (page/page_platform.js): a key's value is copied into the
// caller's buffer when it fits, and its whole length returned; -1 when it has none.
EM_JS(int, page_read_choice, (const char* key, char* buffer, int capacity), {
    const value = Module.page.readChoice(UTF8ToString(key));
    if (value === null) return -1;
    const length = lengthBytesUTF8(value);
    if (length < capacity) stringToUTF8(value, buffer, capacity);
    return length;
});
EM_JS(void, page_write_choice, (const char* key, const char* value), {
    Module.page.writeChoice(UTF8ToString(key), UTF8ToString(value));
});

namespace {

class BrowserChoiceStore final : public virenast::form::ChoiceStore {
public:
    std::optional<std::string> read(std::string_view key) override
    {
        const std::string name(key);
        std::string value(64, '\0');
        int length = page_read_choice(name.c_str(), value.data(), static_cast<int>(value.size()));
        if (length >= static_cast<int>(value.size())) {
            value.resize(static_cast<std::size_t>(length) + 1);
            length = page_read_choice(name.c_str(), value.data(), static_cast<int>(value.size()));
        }
        if (length < 0) return std::nullopt;
        value.resize(static_cast<std::size_t>(length));
        return value;
    }

    void write(std::string_view key, std::string_view value) override
    {
        page_write_choice(std::string(key).c_str(), std::string(value).c_str());
    }
};

struct Program {
    explicit Program(std::string decimalSeparator)
        : window(std::move(decimalSeparator)), session(window, store), files(session)
    {
        window.setSession(&session);
    }

    virenast::web::WebPlatform window;
    BrowserChoiceStore store;
    virenast::form::Session session;
    virenast::web::FileExchange files;
};

std::unique_ptr<Program> program;

// A colour given as the number 0xRRGGBB.
virenast::form::Rgb rgbOf(int colour)
{
    return {static_cast<std::uint8_t>(colour >> 16 & 0xFF), static_cast<std::uint8_t>(colour >> 8 & 0xFF),
            static_cast<std::uint8_t>(colour & 0xFF)};
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* virenast_describe()
{
    static const std::string description = virenast::web::describeWindowAsJson();
    return description.c_str();
}

// Starts the program; the choices kept in the browser are read at once.
EMSCRIPTEN_KEEPALIVE void virenast_start(const char* decimalSeparator)
{
    program = std::make_unique<Program>(decimalSeparator);
    program->window.handOverDrawing();  // what the choices show, from the start
}

// Runs the command's handler; a run yields inside it, and may then run further commands nested.
EMSCRIPTEN_KEEPALIVE void virenast_perform(int command)
{
    if (program) program->window.perform(static_cast<virenast::form::Command>(command));
}

// The row of the menu bar at that place chosen: a choice takes effect at once, a run's pace at
// its next step, and the drawing shows it.
EMSCRIPTEN_KEEPALIVE void virenast_choose(int row)
{
    const auto rows = virenast::form::menuBarRows();
    if (!program || row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
    program->session.choose(rows[static_cast<std::size_t>(row)]);
    program->window.handOverDrawing();
}

// Which rows of the menu bar are checked, as a string of '0' and '1' by their places.
EMSCRIPTEN_KEEPALIVE const char* virenast_checked()
{
    static std::string checked;
    checked.clear();
    for (const virenast::form::MenuRow& row : virenast::form::menuBarRows())
        checked += program && program->session.choices().checks(row) ? '1' : '0';
    return checked.c_str();
}

// The colour of every role in the scheme chosen, as JSON, on a page whose face and text have
// these colours (0xRRGGBB). (A number, not a text: the page may ask in the middle of a run.)
EMSCRIPTEN_KEEPALIVE const char* virenast_palette(int face, int text)
{
    static std::string palette;
    palette = program ? virenast::web::paletteAsJson(program->session.palette({rgbOf(face), rgbOf(text)})) : "{}";
    return palette.c_str();
}

// The page was hidden, or the program otherwise kept from its turns: a run does not make the
// time up.
EMSCRIPTEN_KEEPALIVE void virenast_restart_pace()
{
    if (program) program->session.restartPace();
}

// A scenario crosses as bytes, never more than this many: more than that is refused unread.
EMSCRIPTEN_KEEPALIVE int virenast_scenario_read_limit() { return static_cast<int>(virenast::form::scenarioInputCap + 1); }

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

// The same for the clipboard: the measurements and the table "Troisième loi", tab-separated.
EMSCRIPTEN_KEEPALIVE const char* virenast_measurements_text()
{
    if (!program) return "";
    program->files.writeMeasurementsText();
    return program->files.output().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* virenast_third_law_text()
{
    if (!program) return "";
    program->files.writeThirdLawText();
    return program->files.output().c_str();
}

// The name a download of that file command (by its number in the description) is offered under.
EMSCRIPTEN_KEEPALIVE const char* virenast_default_file_name(int command)
{
    static std::string name;
    name = program ? program->session.defaultFileName(static_cast<virenast::form::FileCommand>(command)) : "";
    return name.c_str();
}

// What the pointer reads at that place of the graphs' view, in its twips: "X Y TEXT", where the
// value read is drawn and its text; "" over no curve. (Numbers only cross: the page asks while a
// run sleeps too.)
EMSCRIPTEN_KEEPALIVE const char* virenast_graph_reading(float x, float y)
{
    static std::string reading;
    reading.clear();
    if (!program || !program->session.graphsShown()) return "";
    if (const auto read = program->session.graphReadingAt({x, y})) {
        char at[64];
        std::snprintf(at, sizeof at, "%.9g %.9g ", static_cast<double>(read->at.x), static_cast<double>(read->at.y));
        reading = at + read->text;
    }
    return reading.c_str();
}

EMSCRIPTEN_KEEPALIVE int virenast_output_size()
{
    return program ? static_cast<int>(program->files.output().size()) : 0;
}

// Whether a run has been made whose measurements can be saved.
EMSCRIPTEN_KEEPALIVE int virenast_has_measurements()
{
    return program && program->session.measurements().hasRows() ? 1 : 0;
}

}
