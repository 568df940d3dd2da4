// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The body's path: taken from the records of each run, thinned to a pixel, bounded however long
// the run, and kept, cleared or handed over between runs as the drawing needs.
#include "platform/memory_platform.h"
#include "sim/body_path.h"
#include "sim/orbit_simulation.h"
#include "support/run_recorder.h"
#include "support/teaching_scenarios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

namespace virenast::testing {
namespace {

using platform::MemoryPlatform;
using platform::TextBox;
using sim::BodyPath;
using sim::TwipPoint;

float apart(TwipPoint a, TwipPoint b) { return std::max(std::fabs(a.x - b.x), std::fabs(a.y - b.y)); }

std::vector<TwipPoint> points(std::span<const TwipPoint> path) { return {path.begin(), path.end()}; }

// The path of a run is the start, then the places the body was drawn at, one whenever it has
// moved a pixel since the last one kept, then the place where the run last drew it.
TEST(BodyPath, FollowsTheRecordsOfTheRunPixelByPixel)
{
    MemoryPlatform window;
    typeScenario(window, teachingScenario("evasion"));
    sim::OrbitSimulation simulation(window);
    BodyPath path;
    RunRecorder recorder;
    simulation.addObserver(path);
    simulation.addObserver(recorder);
    simulation.runCalculation();

    std::vector<TwipPoint> drawn{*recorder.starts[0].bodyDrawnAt};
    for (const sim::StepRecord& step : recorder.steps) drawn.push_back(step.bodyDrawnAt);
    drawn.push_back(*recorder.ends[0].bodyDrawnAt);

    const std::vector<TwipPoint> kept = points(path.current());
    ASSERT_GE(kept.size(), 2u);
    EXPECT_LT(kept.size(), drawn.size() / 20);  // 72 192 steps, well under a point each
    EXPECT_EQ(kept.front(), drawn.front());
    EXPECT_EQ(kept.back(), drawn.back());
    // Kept in the order drawn, each a pixel or more from the one before (but for the last), and
    // no drawn place a pixel or more away from the last point kept before it.
    std::size_t next = 0;
    TwipPoint lastKept = kept.front();
    for (const TwipPoint& point : drawn) {
        if (next < kept.size() && point == kept[next]) {
            if (next > 0 && next + 1 < kept.size()) {
                EXPECT_GE(apart(point, kept[next - 1]), BodyPath::pixelTwips) << next;
            }
            lastKept = point;
            ++next;
            continue;
        }
        ASSERT_LT(apart(point, lastKept), BodyPath::pixelTwips);
    }
    EXPECT_EQ(next, kept.size());
    EXPECT_TRUE(path.previous().empty());
}

// Each run has its own path and the one before stays beside it; a clicked reset clears both,
// also during a run, whose path starts again at its next step.
TEST(BodyPath, KeepsTheRunBeforeAndClearsOnAClickedReset)
{
    MemoryPlatform window;
    sim::OrbitSimulation simulation(window);
    BodyPath path;
    simulation.addObserver(path);

    const TypedText hour[] = {{"Text1", "0,5"}};
    typeScenario(window, teachingScenario("pas-de-temps-1h"), hour);
    simulation.runCalculation();
    const std::vector<TwipPoint> hourly = points(path.current());
    typeScenario(window, teachingScenario("pas-de-temps-24h"), hour);
    simulation.runCalculation();
    const std::vector<TwipPoint> daily = points(path.current());
    EXPECT_EQ(points(path.previous()), hourly);
    EXPECT_NE(daily, hourly);
    EXPECT_EQ(daily.front(), hourly.front());  // the same start

    const std::uint64_t revision = path.revision();
    simulation.resetScene();
    EXPECT_TRUE(path.current().empty());
    EXPECT_TRUE(path.previous().empty());
    EXPECT_GT(path.revision(), revision);

    // A reset clicked in the middle of a run: the path goes on from where the body is drawn next.
    std::vector<TwipPoint> beforeTheClick;
    const long yieldsBefore = window.yieldCount();
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber != yieldsBefore + 100) return;
        beforeTheClick = points(path.current());
        simulation.resetScene();
        EXPECT_TRUE(path.current().empty());
    };
    simulation.runCalculation();
    window.onYield = nullptr;
    ASSERT_FALSE(beforeTheClick.empty());
    ASSERT_FALSE(path.current().empty());
    EXPECT_NE(path.current().front(), beforeTheClick.front());
    EXPECT_TRUE(path.previous().empty());
}

// A nested run draws its own path; when it ends and the outer run steps on, the outer path is
// the current one again, the nested one its previous.
TEST(BodyPath, ANestedRunHandsTheDrawingBackToItsOuterRun)
{
    MemoryPlatform window;
    const TypedText short_[] = {{"Text1", "0,1"}};
    typeScenario(window, teachingScenario("orbite-circulaire"), short_);
    sim::OrbitSimulation simulation(window);
    BodyPath path;
    simulation.addObserver(path);
    std::vector<TwipPoint> nested;
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber != 200) return;
        window.type(TextBox::vx, "20000");  // another orbit from the same start
        window.type(TextBox::Text1, "0,02");
        simulation.runCalculation();
        nested = points(path.current());
        window.type(TextBox::Text1, "0,1");
    };
    simulation.runCalculation();
    ASSERT_FALSE(nested.empty());
    EXPECT_EQ(points(path.previous()), nested);
    EXPECT_NE(points(path.current()), nested);
    EXPECT_GT(path.current().size(), nested.size());
    EXPECT_LE(path.pathsHeld(), 2u);
}

// Millions of steps, round and round: never more than the bound, held or reserved; the first
// and last points stay.
TEST(BodyPath, AVeryLongRunHoldsABoundedNumberOfPoints)
{
    BodyPath path;
    path.runStarted({1});
    sim::StepRecord step{};
    step.depth = 1;
    const long steps = 3'000'000;
    TwipPoint last{};
    for (long i = 0; i < steps; ++i) {
        // A spiral slowly growing: 600 steps a turn, never twice on the same track.
        const double angle = 2 * std::numbers::pi * static_cast<double>(i) / 600;
        const double radius = 500 + 3000.0 * static_cast<double>(i) / steps;
        last = {static_cast<float>(7000 + radius * std::cos(angle)), static_cast<float>(4000 + radius * std::sin(angle))};
        step.bodyDrawnAt = last;
        path.stepComputed(step);
        ASSERT_LE(path.current().size(), BodyPath::maxPoints);
        ASSERT_LE(path.pointsReserved(), BodyPath::maxPoints);
    }
    path.runEnded({1, sim::RunEnding::TimeUsedUp, steps, last});
    EXPECT_LE(path.current().size(), BodyPath::maxPoints);
    EXPECT_GT(path.current().size(), BodyPath::maxPoints / 4);
    EXPECT_GT(path.currentSpacing(), BodyPath::pixelTwips);
    EXPECT_EQ(path.current().front(), (TwipPoint{7500, 4000}));
    EXPECT_EQ(path.current().back(), last);

    // Many runs after it: two paths held, whatever came before.
    for (int run = 0; run < 5; ++run) {
        path.runStarted({1});
        path.stepComputed(step);
        path.runEnded({1, sim::RunEnding::TimeUsedUp, 1, last});
    }
    EXPECT_EQ(path.pathsHeld(), 2u);
    EXPECT_LE(path.pointsReserved(), 2 * BodyPath::maxPoints);
}

// What a front-end keeps of the drawing when it takes, at each turn, only what the shapes'
// revisions say changed: the points added at a path's end, or the whole path otherwise.
class DrawingReplica {
public:
    void turn(const BodyPath& path)
    {
        std::vector<sim::DrawnShape> shapes;
        path.addShapes(shapes);
        for (const sim::DrawnShape& shape : shapes) {
            Kept& kept = kept_[shape.id];
            if (kept.revision == shape.revision) continue;
            if (kept.rebuilt != shape.rebuilt || kept.points.empty() || shape.points.size() < kept.points.size())
                kept.points.clear();
            kept.points.insert(kept.points.end(), shape.points.begin() + std::ssize(kept.points), shape.points.end());
            kept.revision = shape.revision;
            kept.rebuilt = shape.rebuilt;
        }
    }
    std::vector<TwipPoint> shown(std::uint32_t id) { return kept_[id].points; }

private:
    struct Kept {
        std::uint64_t revision = ~std::uint64_t{0}, rebuilt = 0;
        std::vector<TwipPoint> points;
    };
    std::map<std::uint32_t, Kept> kept_;
};

// Turn after turn, through a thinning, a second run, a nested one and a clear, what a front-end
// keeps from the changes alone is the very path, solid for the current run and dashed before it.
TEST(BodyPath, ItsShapesTellAFrontEndWhatChangedSinceItsLastTurn)
{
    MemoryPlatform window;
    const TypedText long_[] = {{"Text1", "14"}};  // round the sun 16 times: a thinning
    typeScenario(window, teachingScenario("orbite-circulaire"), long_);
    sim::OrbitSimulation simulation(window);
    BodyPath path;
    simulation.addObserver(path);
    DrawingReplica replica;
    long mismatches = 0;
    const auto turn = [&] {
        replica.turn(path);
        mismatches += replica.shown(0) != points(path.current()) || replica.shown(1) != points(path.previous());
    };
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber % 7 == 0) turn();
        if (yieldNumber == 3000) path.clear();  // "Réinitialiser le graphique" clicked in the run
        if (yieldNumber != 6000) return;
        window.type(TextBox::Text1, "0,05");
        simulation.runCalculation();  // nested: its path becomes current, then previous again
        window.type(TextBox::Text1, "14");
    };
    simulation.runCalculation();
    turn();
    simulation.runCalculation();
    turn();
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(path.currentSpacing(), BodyPath::pixelTwips);  // it was thinned
    std::vector<sim::DrawnShape> shapes;
    path.addShapes(shapes);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].role, sim::DrawnRole::CurrentPath);
    EXPECT_EQ(shapes[0].style, sim::LineStyle::Solid);
    EXPECT_EQ(shapes[1].role, sim::DrawnRole::PreviousPath);
    EXPECT_EQ(shapes[1].style, sim::LineStyle::Dashed);
}

}  // namespace
}  // namespace virenast::testing
