// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The measurements of a run as CSV: the very texts the window showed at each step, every N-th
// step with the start and the end kept, a run cut short by "Erreur", and a long run thinned
// within its memory bound.
#include "platform/memory_platform.h"
#include "sim/measurements.h"
#include "sim/orbit_simulation.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace virenast::testing {
namespace {

using platform::Label;
using platform::MemoryPlatform;
using platform::TextBox;

using Table = std::vector<std::vector<std::string>>;

// The file's lines split at `separator`, after its byte-order mark.
Table parsed(const std::string& csv, char separator)
{
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    Table table;
    std::size_t at = 3;
    while (at < csv.size()) {
        const std::size_t end = csv.find("\r\n", at);
        const std::string line = csv.substr(at, end - at);
        at = end + 2;
        std::vector<std::string> fields(1);
        for (const char c : line) {
            if (c == separator) fields.emplace_back();
            else fields.back().push_back(c);
        }
        table.push_back(fields);
    }
    return table;
}

std::string csvOf(const sim::MeasurementLog& log, const platform::NumberText& numbers, std::int64_t everyNth = 1)
{
    return sim::measurementsCsv(log.rows(), numbers, everyNth);
}

struct Shown {
    std::string years, x, y, d1, d2, f1, f2;
};

// Runs the default scene with a log, noting what the window shows after each step.
std::vector<Shown> runWatched(MemoryPlatform& window, sim::MeasurementLog& log)
{
    loadWindowDefaults(window);
    sim::OrbitSimulation simulation(window);
    simulation.addObserver(log);
    std::vector<Shown> shown;
    window.onYield = [&](long) {
        shown.push_back({window.caption(Label::tempscourant), window.shownText(TextBox::xsc),
                         window.shownText(TextBox::ysc), window.caption(Label::DC1C), window.caption(Label::DC2C),
                         window.caption(Label::AC1C), window.caption(Label::AC2C)});
    };
    simulation.runCalculation();
    return shown;
}

// Row k holds the instant after step k: its time and position are what the window showed after
// step k, its distances and forces what it showed after step k + 1, which computes them there.
TEST(Measurements, TheCsvHoldsWhatTheWindowShowedAtEachStep)
{
    MemoryPlatform window;
    sim::MeasurementLog log;
    const std::vector<Shown> shown = runWatched(window, log);
    const Table table = parsed(csvOf(log, window.numbers()), ';');

    ASSERT_EQ(table.size(), shown.size() + 2);
    EXPECT_EQ(table[0],
              (std::vector<std::string>{"temps [années]", "temps [s]", "x [UA]", "y [UA]", "vx [m/s]", "vy [m/s]",
                                        "distance corps1 corps [UA]", "distance corps2 corps [UA]",
                                        "action corps1 corps [N]", "action corps2 corps [N]",
                                        "aire balayée autour du corps1 [UA²]", "énergie cinétique [J]",
                                        "énergie potentielle [J]", "énergie mécanique [J]"}));
    EXPECT_EQ((std::vector<std::string>(table[1].begin(), table[1].begin() + 11)),
              (std::vector<std::string>{"0", "0", "1,3", "1,5", "1900", "0", shown[0].d1, shown[0].d2, shown[0].f1,
                                        shown[0].f2, "0"}));
    long mismatches = 0;
    const auto number = [&](const std::string& text) { return window.numbers().toNumber(text); };
    // The energies, from the file's own positions and speeds: the default mass of 1000 kg, both
    // bodies of G = 3500 (× 10^13 m³/s²) at (1,3; 1) and (1,8; 1), an AU of 1,5·10^11 m.
    long energyMismatches = 0;
    for (std::size_t k = 1; k + 1 < table.size(); ++k) {
        const std::vector<std::string>& row = table[k];
        const double vx = number(row[4]);
        const double vy = number(row[5]);
        const double x = number(row[2]);
        const double y = number(row[3]);
        const double d1 = std::hypot(x - 1.3, y - 1) * 1.5e11;
        const double d2 = std::hypot(x - 1.8, y - 1) * 1.5e11;
        const double kinetic = 0.5 * 1000 * (vx * vx + vy * vy);
        const double potential = -1000 * 3500e13 * (1 / d1 + 1 / d2);
        const auto near = [&](std::size_t column, double expected) {
            return std::fabs(number(row[column]) - expected) <= 1e-9 * std::fabs(expected);
        };
        energyMismatches += !near(11, kinetic) || !near(12, potential) || !near(13, kinetic + potential);
    }
    EXPECT_EQ(energyMismatches, 0);
    // The area swept about body 1 (1,3; 1), summed again from the positions the file holds.
    double swept = 0;
    for (std::size_t k = 1; k <= shown.size(); ++k) {
        const std::vector<std::string>& row = table[k + 1];
        ASSERT_EQ(row.size(), 14u);
        const std::vector<std::string>& before = table[k];
        const double ax = number(before[2]) - 1.3;
        const double ay = number(before[3]) - 1;
        const double bx = number(row[2]) - 1.3;
        const double by = number(row[3]) - 1;
        swept += std::fabs(ax * by - ay * bx) / 2;
        mismatches += std::fabs(number(row[10]) / swept - 1) > 1e-9;
        bool same = row[0] == shown[k - 1].years && row[1] == std::to_string(3600 * k) && row[2] == shown[k - 1].x &&
                    row[3] == shown[k - 1].y;
        if (k < shown.size())
            same = same && row[6] == shown[k].d1 && row[7] == shown[k].d2 && row[8] == shown[k].f1 &&
                   row[9] == shown[k].f2;
        mismatches += same ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0);
    // The last instant: where the window stopped, to the last digit; nothing computed there.
    const std::vector<std::string>& last = table.back();
    EXPECT_EQ(last[0], window.caption(Label::tempscourant));
    EXPECT_EQ(last[2], window.shownText(TextBox::xsc));
    EXPECT_EQ(last[3], window.shownText(TextBox::ysc));
    EXPECT_EQ((std::vector<std::string>(last.begin() + 6, last.begin() + 10)), (std::vector<std::string>(4)));
    EXPECT_NE(last[10], "");
    EXPECT_EQ((std::vector<std::string>(last.begin() + 11, last.end())), (std::vector<std::string>(3)));
}

// Under the dot, the fields are separated by commas.
TEST(Measurements, EveryNthStepKeepsTheStartAndTheEnd)
{
    MemoryPlatform window(".");
    sim::MeasurementLog log;
    const std::vector<Shown> shown = runWatched(window, log);  // 72192 steps
    const Table table = parsed(csvOf(log, window.numbers(), 1000), ',');
    ASSERT_EQ(table.size(), 1 + 1 + 72 + 1);
    EXPECT_EQ(table[1][2], "1.3");
    EXPECT_EQ(table[74].size(), 14u);
    EXPECT_EQ(table[1][1], "0");
    EXPECT_EQ(table[2][1], std::to_string(1000 * 3600));
    EXPECT_EQ(table[73][1], std::to_string(72000 * 3600));
    EXPECT_EQ(table[74][1], std::to_string(72192 * 3600));
    EXPECT_EQ(table[74][0], shown.back().years);
}

TEST(Measurements, ARunCutShortByAnErrorKeepsTheStepsItMade)
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    sim::OrbitSimulation simulation(window);
    sim::MeasurementLog log;
    simulation.addObserver(log);
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber == 5) window.type(TextBox::Text1, "abc");
    };
    simulation.runCalculation();
    ASSERT_EQ(window.messages().front().title, "Erreur");
    ASSERT_EQ(log.rows().size(), 6u);
    EXPECT_EQ(log.rows().back().step, 5);

    // A run that fails before its start values were read leaves nothing to save.
    window.type(TextBox::vx, "abc");
    simulation.runCalculation();
    EXPECT_FALSE(log.hasRows());
}

TEST(Measurements, ALongRunIsThinnedWithinTheBound)
{
    MemoryPlatform window;
    sim::MeasurementLog whole;
    sim::MeasurementLog bounded(100);
    loadWindowDefaults(window);
    sim::OrbitSimulation simulation(window);
    simulation.addObserver(whole);
    simulation.addObserver(bounded);
    simulation.runCalculation();

    EXPECT_LE(bounded.rows().size(), 100u);
    EXPECT_EQ(bounded.stride(), 1024);  // 72192 steps in at most 100 rows
    EXPECT_EQ(bounded.rows().front().step, 0);
    EXPECT_EQ(bounded.rows().back().step, 72192);
    for (const sim::MeasurementRow& row : bounded.rows()) {
        const sim::MeasurementRow& same = whole.rows()[static_cast<std::size_t>(row.step)];
        ASSERT_TRUE(row.step % bounded.stride() == 0 || row.step == 72192) << row.step;
        ASSERT_EQ(row.x, same.x) << row.step;
        ASSERT_EQ(row.force1, same.force1) << row.step;
        ASSERT_EQ(row.hasAttractions, same.hasAttractions) << row.step;
    }
}

}  // namespace
}  // namespace virenast::testing
