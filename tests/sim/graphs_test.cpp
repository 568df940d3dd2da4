// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graphs of a run and the third law, against the run's own rows: the curves' points are the
// rows' values where the view's scales put them, and read back whole as the measurements file
// writes them; the periods of the seventh sheet's three orbits; and what a long run costs.
#include "form/session.h"
#include "platform/memory_platform.h"
#include "sim/graph_view.h"
#include "sim/measurements.h"
#include "sim/orbit_simulation.h"
#include "sim/third_law_table.h"
#include "support/map_choice_store.h"
#include "support/teaching_scenarios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace virenast::testing {
namespace {

// A run of sheet 3's ellipse with `more` typed, watched by a log, the graphs and the table.
struct WatchedRun {
    platform::MemoryPlatform window;
    sim::MeasurementLog log;
    sim::GraphView graphs{log, window.numbers()};
    sim::ThirdLawTable table{log};

    void run(std::span<const TypedText> more)
    {
        typeScenario(window, teachingScenario("orbite-elliptique"), more);
        sim::OrbitSimulation simulation(window);
        for (sim::RunObserver* watcher : std::initializer_list<sim::RunObserver*>{&log, &graphs, &table})
            simulation.addObserver(*watcher);
        simulation.runCalculation();
    }
};

// The seventh sheet's three orbits: each run adds its row, with the period, semi-major axis and
// T²/a³ the sheet quotes; body 2 pulling is said; an escape, without a whole turn, adds none.
TEST(ThirdLawTable, HoldsARowForEachRunWithAWholeTurnAsTheSeventhSheetQuotes)
{
    struct Orbit {
        const char* vx;
        const char* period;
        const char* axis;
    };
    const Orbit orbits[] = {{"22000", "0,480", "0,610"}, {"25000", "0,549", "0,667"}, {"28000", "0,659", "0,753"}};
    WatchedRun runs;
    for (const Orbit& orbit : orbits) {
        const TypedText more[] = {{"vx", orbit.vx}};
        runs.run(more);
    }
    const TypedText escape[] = {{"vx", "60000"}};
    runs.run(escape);
    const TypedText pulled[] = {{"G2", "3981373"}};
    runs.run(pulled);
    const auto& rows = runs.table.rows();
    ASSERT_EQ(rows.size(), 4u);
    const auto shown = [&](double value) { return sim::decimalsText(runs.window.numbers(), value, 3); };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown(rows[i].period), orbits[i].period) << orbits[i].vx;
        EXPECT_EQ(shown(rows[i].semiMajorAxis), orbits[i].axis) << orbits[i].vx;
        EXPECT_EQ(shown(rows[i].ratio), "1,015") << orbits[i].vx;
        EXPECT_FALSE(rows[i].body2Pulled);
    }
    EXPECT_TRUE(rows[3].body2Pulled);
    const std::string text = runs.table.tabSeparated(runs.window.numbers());
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "T [années]\ta [UA]\tT²/a³ [années²/UA³]\tcorps céleste 2\r\n");
}

// Every point of each curve is a row's value where the scales put it, read back under the pointer
// (within the pixel, where an hour's rows lie closer than a pixel) as the file writes that row;
// the approaches are marked on the distance where the rows have them.
TEST(GraphView, DrawsEachCurveFromTheRowsAndReadsThemAsTheFileWritesThem)
{
    WatchedRun watched;
    std::bitset<sim::curveCount> curves;
    for (const sim::Curve curve : {sim::Curve::Distance1, sim::Curve::Speed, sim::Curve::Mechanical})
        curves.set(static_cast<std::size_t>(curve));
    watched.graphs.show(curves);
    watched.run({});
    watched.graphs.catchUp();
    std::vector<sim::DrawnShape> shapes;
    watched.graphs.addShapes(shapes);

    // Each row's texts as the file has them, by its time's text.
    const platform::NumberText& numbers = watched.window.numbers();
    std::map<std::string, std::vector<std::string>> file;
    for (const sim::MeasurementRow& row : watched.log.rows())
        if (row.hasAttractions)
            file[std::string(numbers.toText(row.elapsedYears).view())] = {
                std::string(numbers.toText(row.distance1Au).view()),
                std::string(numbers.toText(row.energies.mechanical()).view())};

    long points = 0;
    long misread = 0;
    for (const sim::DrawnShape& shape : shapes) {
        if (shape.kind != sim::DrawnKind::Polyline ||
            (shape.role != sim::DrawnRole::CurveDistance1 && shape.role != sim::DrawnRole::CurveMechanical))
            continue;
        const std::size_t column = shape.role == sim::DrawnRole::CurveDistance1 ? 0 : 1;
        const char* name = column == 0 ? "Distance corps1 corps [UA] : " : "Énergie mécanique [J] : ";
        for (const sim::TwipPoint point : shape.points) {
            ++points;
            const auto reading = watched.graphs.readingAt(point);
            if (!reading || std::fabs(reading->at.x - point.x) > 15 || std::fabs(reading->at.y - point.y) > 15) {
                ++misread;
                continue;
            }
            // "temps [années] : T ; Name [unit] : V"
            const std::string& text = reading->text;
            const std::size_t time = text.find(" : ") + 3;
            const std::string years = text.substr(time, text.find(" ;") - time);
            const std::size_t value = text.find(name);
            misread += value == std::string::npos || !file.contains(years) ||
                       text.substr(value + std::string(name).size()) != file[years][column];
        }
    }
    EXPECT_GT(points, 500);
    EXPECT_EQ(misread, 0);

    // Two closest approaches and one farthest over the year, marked where the rows have them.
    std::vector<std::size_t> marks;
    for (const sim::DrawnShape& shape : shapes)
        if (shape.role == sim::DrawnRole::Approach) marks.push_back(shape.points.size());
    EXPECT_EQ(marks, (std::vector<std::size_t>{2, 1}));
    EXPECT_EQ(watched.graphs.periodText(), "Période : 0,549 an (1 tour) ; demi-grand axe : 0,667 UA ; T²/a³ : 1,015 an²/UA³");
}

// Thirty years of the circle at an hour a step (262 621 rows): each curve keeps about a point a
// pixel of its course, not a point a step, and the view reads each row once, turn after turn.
TEST(GraphView, KeepsALongRunsCurvesToTheirPixels)
{
    platform::MemoryPlatform window;
    MapStore store;
    store.values = {{"affichage/graphiques", "true"}, {"vueGraphiques/courbeEcartEnergie", "true"}};
    form::Session session(window, store);
    typeScenario(window, teachingScenario("orbite-circulaire"), std::array{TypedText{"Text1", "30"}});
    std::size_t largest = 0;
    long turns = 0;
    window.onYield = [&](long step) {
        if (step % 4096 != 0) return;
        ++turns;
        for (const sim::DrawnShape& shape : session.graphShapes()) largest = std::max(largest, shape.points.size());
    };
    session.perform(form::Command::RunCalculation);
    EXPECT_GT(turns, 60);
    EXPECT_GT(largest, 450u);    // the whole time axis, a point a pixel
    EXPECT_LT(largest, 20000u);  // 55 turns of a distance that moves a few pixels
}

}  // namespace
}  // namespace virenast::testing
