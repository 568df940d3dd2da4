// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A run on the in-memory window, from the window's defaults with the given boxes typed, as the
// other front-ends' tests compare themselves with it: prints, as JSON, what the window shows at
// the end (every box's and result's text, the circles and lines in twips), the message boxes
// shown, and the number of steps (counted from the steps the run publishes); with --repeat,
// also how many steps a second it makes. With items of "Affichage" checked (--show NAME, an item
// off by default), the run goes through a session as a front-end's does, and what the drawing
// holds at its end is printed as well, all but the paths: each shape's role, kind, points in
// twips and text; with "graphiques" checked, the graphs' shapes too, and "Troisième loi". With
// --copy, it prints instead what "Copier les mesures" puts on the clipboard.
//
//   virenast_memory_run [--repeat N] [--hours H] [--show NAME]... [--copy] [BOX=TEXT]...
#include "form/form1_description.h"
#include "form/menu_bar.h"
#include "form/session.h"
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "sim/run_records.h"
#include "support/default_window.h"
#include "support/map_choice_store.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace virenast;

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += std::string(c == '"' || c == '\\' ? "\\" : "") + c;
    }
    return out + '"';
}

std::string twips(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

// Counts the steps a run publishes: a watcher as light as a front-end's would be.
class StepCounter final : public sim::RunObserver {
public:
    void stepComputed(const sim::StepRecord&) override { ++steps; }
    long steps = 0;
};

struct Setup {
    long repeat = 1;
    int hours = 1;
    std::vector<const form::MenuRow*> shown;
    bool copy = false;
    std::vector<std::pair<platform::TextBox, std::string>> typed;
};

bool parse(int argc, char** argv, Setup& setup)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--repeat" && i + 1 < argc) {
            setup.repeat = std::atol(argv[++i]);
            continue;
        }
        if (argument == "--hours" && i + 1 < argc) {
            setup.hours = std::atoi(argv[++i]);
            continue;
        }
        if (argument == "--copy") {
            setup.copy = true;
            continue;
        }
        if (argument == "--show" && i + 1 < argc) {
            const form::MenuRow* row = form::findMenuRow(argv[++i]);
            if (!row || row->kind != form::MenuRowKind::Checkable) {
                std::fprintf(stderr, "not an item of Affichage: %s\n", argv[i]);
                return false;
            }
            setup.shown.push_back(row);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const form::ControlDescription* control =
            equals == std::string_view::npos ? nullptr : form::findControl(argument.substr(0, equals));
        if (!control || !control->logicControl<platform::TextBox>()) {
            std::fprintf(stderr, "not a text box: %s\n", argv[i]);
            return false;
        }
        setup.typed.emplace_back(*control->logicControl<platform::TextBox>(), argument.substr(equals + 1));
    }
    return setup.repeat > 0 && ((setup.shown.empty() && !setup.copy) || setup.repeat == 1);
}

// Shapes as JSON; the drawing's paths left out (the page's own tests follow them).
std::string shapesJson(const std::vector<sim::DrawnShape>& shapes, bool withPolylines)
{
    std::string out = "[";
    for (const sim::DrawnShape& shape : shapes) {
        if (shape.kind == sim::DrawnKind::Polyline && !withPolylines) continue;
        out += std::string("{\"role\":\"") + sim::drawnRoleName(shape.role) + "\",\"kind\":\"" +
               sim::drawnKindName(shape.kind) + "\",\"points\":[";
        for (const sim::TwipPoint point : shape.points) out += twips(point.x) + "," + twips(point.y) + ",";
        if (out.back() == ',') out.pop_back();
        out += "],\"text\":" + quoted(shape.text) + "},";
    }
    if (out.back() == ',') out.pop_back();
    return out + "]";
}

}  // namespace

int main(int argc, char** argv)
{
    Setup setup;
    if (!parse(argc, argv, setup)) {
        std::fprintf(stderr, "usage: %s [--repeat N] [--hours H] [--show NAME]... [--copy] [BOX=TEXT]...\n", argv[0]);
        return 2;
    }
    platform::MemoryPlatform window;
    StepCounter counter;
    std::string drawn;
    const auto start = std::chrono::steady_clock::now();
    for (long run = 0; run < setup.repeat; ++run) {
        window.clearMessages();
        testing::loadWindowDefaults(window);
        for (const auto& [box, text] : setup.typed) window.type(box, text);
        window.moveScrollBar(static_cast<std::int16_t>(setup.hours));
        if (setup.shown.empty() && !setup.copy) {
            sim::OrbitSimulation simulation(window);
            simulation.addObserver(counter);
            simulation.runCalculation();
            continue;
        }
        testing::MapStore store;
        form::Session session(window, store);
        for (const form::MenuRow* row : setup.shown) session.choose(*row);  // each off until chosen
        session.simulation().addObserver(counter);
        session.perform(form::Command::RunCalculation);
        if (setup.copy) {
#ifdef _WIN32
            // The clipboard's own line ends, not the console's: "\r\n" would come out as "\r\r\n".
            _setmode(_fileno(stdout), _O_BINARY);
#endif
            std::fputs(session.measurementsText().c_str(), stdout);
            return 0;
        }
        drawn = ",\"drawn\":" + shapesJson(session.drawnShapes(), false);
        if (session.graphsShown())
            drawn += ",\"graphs\":" + shapesJson(session.graphShapes(), true) +
                     ",\"thirdLaw\":" + quoted(session.thirdLawText());
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const long steps = counter.steps / setup.repeat;

    std::string out = "{\"steps\":" + std::to_string(steps);
    out += ",\"stepsPerSecond\":" + std::to_string(static_cast<double>(counter.steps) / seconds.count());
    out += ",\"messages\":[";
    for (const auto& message : window.messages())
        out += "{\"title\":" + quoted(message.title) + ",\"text\":" + quoted(message.text) +
               ",\"style\":" + std::to_string(static_cast<int>(message.style)) + "},";
    if (out.back() == ',') out.pop_back();
    out += "],\"texts\":{";
    for (const form::ControlDescription& control : form::form1Controls()) {
        if (const auto box = control.logicControl<platform::TextBox>())
            out += quoted(control.name) + ":" + quoted(window.shownText(*box)) + ",";
        if (const auto label = control.logicControl<platform::Label>())
            out += quoted(control.name) + ":" + quoted(window.caption(*label)) + ",";
    }
    out.back() = '}';
    out += ",\"twips\":{";
    for (const form::ControlDescription& control : form::form1Controls()) {
        if (const auto shape = control.logicControl<platform::Shape>()) {
            out += quoted(control.name) + ":[";
            for (const auto which : {platform::ShapeGeometry::Left, platform::ShapeGeometry::Top,
                                     platform::ShapeGeometry::Width, platform::ShapeGeometry::Height})
                out += twips(window.geometry(*shape, which)) + ",";
            out.back() = ']';
            out += ',';
        }
        if (const auto line = control.logicControl<platform::Line>()) {
            out += quoted(control.name) + ":[";
            for (const auto which : {platform::LineEnd::X1, platform::LineEnd::Y1, platform::LineEnd::X2,
                                     platform::LineEnd::Y2})
                out += twips(window.point(*line, which)) + ",";
            out.back() = ']';
            out += ',';
        }
    }
    out.back() = '}';
    out += drawn;
    out += "}\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}
