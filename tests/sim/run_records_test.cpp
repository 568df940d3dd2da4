// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The records a run publishes: the very values the window shows, for every step, nested runs
// and resets during a run included; and a watched run ends exactly as an unwatched one.
#include "platform/memory_platform.h"
#include "platform/number_text.h"
#include "sim/orbit_simulation.h"
#include "support/default_window.h"
#include "support/run_recorder.h"
#include "support/teaching_scenarios.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace virenast::testing {
namespace {

using platform::Label;
using platform::Line;
using platform::LineEnd;
using platform::MemoryPlatform;
using platform::TextBox;
using sim::RunEnding;

std::string text(double value) { return std::string(platform::NumberText(",").toText(value).view()); }

// Everything the in-memory window shows and holds after a run, to compare two runs whole.
struct WindowState {
    std::vector<std::string> texts;
    std::vector<float> twips;
    std::vector<std::string> messages;
    long yields;
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

WindowState stateOf(const MemoryPlatform& window)
{
    WindowState state;
    for (std::size_t i = 0; i < platform::textBoxCount; ++i)
        state.texts.push_back(window.shownText(static_cast<TextBox>(i)));
    for (std::size_t i = 0; i < platform::labelCount; ++i) state.texts.push_back(window.caption(static_cast<Label>(i)));
    for (std::size_t i = 0; i < platform::lineCount; ++i)
        for (const LineEnd end : {LineEnd::X1, LineEnd::Y1, LineEnd::X2, LineEnd::Y2})
            state.twips.push_back(window.point(static_cast<Line>(i), end));
    for (std::size_t i = 0; i < platform::shapeCount; ++i)
        for (const auto which : {platform::ShapeGeometry::Left, platform::ShapeGeometry::Top})
            state.twips.push_back(window.geometry(static_cast<platform::Shape>(i), which));
    for (const auto& message : window.messages()) state.messages.push_back(message.title + ": " + message.text);
    state.yields = window.yieldCount();
    return state;
}

// At every step the record holds what the window shows after it, to the last digit, and where
// the body was drawn in it; the run's start and end say what the window showed there.
TEST(RunRecords, EveryStepRecordsWhatTheWindowShows)
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    sim::OrbitSimulation simulation(window);
    RunRecorder recorder;
    simulation.addObserver(recorder);
    long mismatches = 0;
    window.onYield = [&](long yieldNumber) {
        ASSERT_EQ(recorder.steps.size(), static_cast<std::size_t>(yieldNumber));
        const sim::StepRecord& step = recorder.steps.back();
        const bool same = window.shownText(TextBox::xsc) == text(step.position.x) &&
                          window.shownText(TextBox::ysc) == text(step.position.y) &&
                          window.caption(Label::tempscourant) == text(step.elapsedYears) &&
                          window.caption(Label::DC1C) == text(step.attractions.distance1Au) &&
                          window.caption(Label::DC2C) == text(step.attractions.distance2Au) &&
                          window.caption(Label::AC1C) == text(step.attractions.force1) &&
                          window.caption(Label::AC2C) == text(step.attractions.force2) &&
                          window.point(Line::Line1, LineEnd::X2) == step.bodyDrawnAt.x &&
                          window.point(Line::Line2, LineEnd::Y2) == step.bodyDrawnAt.y &&
                          step.step == yieldNumber && step.depth == 1 && step.timeStep == 3600 &&
                          step.elapsed == step.elapsedBefore + step.timeStep;
        mismatches += same ? 0 : 1;
    };
    simulation.runCalculation();

    EXPECT_EQ(mismatches, 0);
    ASSERT_EQ(recorder.steps.size(), 72192u);
    for (std::size_t i = 1; i < recorder.steps.size(); ++i) {
        // Each step starts where the one before it ended.
        ASSERT_EQ(recorder.steps[i].drawnPosition, recorder.steps[i - 1].position) << i;
        ASSERT_EQ(recorder.steps[i].velocityBefore, recorder.steps[i - 1].velocity) << i;
        ASSERT_EQ(recorder.steps[i].elapsedBefore, recorder.steps[i - 1].elapsed) << i;
    }
    // The start: the typed values, and the reset's distances and forces.
    ASSERT_EQ(recorder.starts.size(), 1u);
    const sim::RunStartState& start = recorder.starts[0];
    EXPECT_EQ(start.position, (sim::AuPoint{1.3, 1.5}));
    EXPECT_EQ(start.velocity, (sim::Velocity{1900, 0}));
    EXPECT_EQ(start.body1, (sim::AuPoint{1.3, 1}));
    EXPECT_EQ(start.body2, (sim::AuPoint{1.8, 1}));
    EXPECT_EQ(start.timeStep, 3600);
    ASSERT_TRUE(start.attractions && start.bodyDrawnAt);
    EXPECT_EQ(start.attractions->distance1Au, 0.5);
    EXPECT_EQ(text(start.attractions->force1), "0,00622222222222222");
    EXPECT_EQ(*start.bodyDrawnAt, (sim::TwipPoint{5200, 6000}));
    EXPECT_EQ(recorder.steps.front().drawnPosition, start.position);
    EXPECT_EQ(recorder.steps.front().velocityBefore, start.velocity);
    // The end: out of the drawing, drawn where the lines end now, beyond the last record.
    ASSERT_EQ(recorder.ends.size(), 1u);
    EXPECT_EQ(recorder.ends[0].ending, RunEnding::LeftTheDrawing);
    EXPECT_EQ(recorder.ends[0].steps, 72192);
    ASSERT_TRUE(recorder.ends[0].bodyDrawnAt);
    EXPECT_EQ(recorder.ends[0].bodyDrawnAt->x, window.point(Line::Line1, LineEnd::X2));
    EXPECT_GT(recorder.ends[0].bodyDrawnAt->x, 15255 + 1000);
    EXPECT_EQ(window.point(Line::Line1, LineEnd::X2), static_cast<float>(4000 * recorder.steps.back().position.x));
}

// A step records the typed values it computed with, as it read them then, and the force
// components it moved the body by: the velocity it reached is the one they give, to the last bit.
TEST(RunRecords, AStepRecordsTheValuesItComputedWith)
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    window.type(TextBox::Text1, "0,05");
    sim::OrbitSimulation simulation(window);
    RunRecorder recorder;
    simulation.addObserver(recorder);
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber == 100) window.type(TextBox::G2, "7000");  // typed during the run
    };
    simulation.runCalculation();
    ASSERT_GT(recorder.steps.size(), 200u);
    long mismatches = 0;
    for (const sim::StepRecord& step : recorder.steps) {
        const sim::Attractions& read = step.attractions;
        const sim::ForceComponents& f = step.forces;
        const double dt = step.timeStep;
        mismatches += read.g1 != 3500 || read.g2 != (step.step <= 100 ? 3500 : 7000) || read.mass != 1000 ||
                      step.velocity.u != step.velocityBefore.u + (f.f1x + f.f2x) / read.mass * dt ||
                      step.velocity.v != step.velocityBefore.v + (f.f1y + f.f2y) / read.mass * dt ||
                      std::fabs(std::hypot(f.f1x, f.f1y) / read.force1 - 1) > 1e-12 ||
                      std::fabs(std::hypot(f.f2x, f.f2y) / read.force2 - 1) > 1e-12;
    }
    EXPECT_EQ(mismatches, 0);
    ASSERT_TRUE(recorder.starts[0].attractions);
    EXPECT_EQ(recorder.starts[0].attractions->mass, 1000);  // the reset's too
}

// Watching changes nothing: the same texts, singles, boxes and steps, on every way a run ends.
TEST(RunRecords, AWatchedRunEndsExactlyAsAnUnwatchedOne)
{
    const std::vector<std::vector<TypedText>> cases{
        {{"Text1", "0,3"}},                     // time used up
        {},                                     // out of the drawing
        {{"Text1", "-1"}},                      // no step at all
        {{"Text4", "0"}},                       // a failure in the first step
        {{"xs", "1,8"}, {"ys", "1"}},           // on a fixed body: the reset fails, then the run
        {{"vx", "abc"}},                        // a failure before the first step
    };
    for (const auto& typed : cases) {
        MemoryPlatform plain;
        typeScenario(plain, teachingScenario("evasion"), typed);
        sim::OrbitSimulation(plain).runCalculation();

        MemoryPlatform watched;
        typeScenario(watched, teachingScenario("evasion"), typed);
        sim::OrbitSimulation simulation(watched);
        RunRecorder recorder;
        simulation.addObserver(recorder);
        simulation.runCalculation();
        const std::string what = typed.empty() ? "defaults" : typed[0].box + std::string("=") + typed[0].text;
        EXPECT_EQ(stateOf(watched), stateOf(plain)) << what;
        EXPECT_EQ(recorder.steps.size(), static_cast<std::size_t>(watched.yieldCount())) << what;
        ASSERT_EQ(recorder.ends.size(), 1u) << what;
        const bool failed = watched.messages().size() > 1;
        EXPECT_EQ(recorder.ends[0].ending == RunEnding::Error, failed) << what;
    }
}

// The records of a run that fails or stops at once: what a consumer needs to tell them apart.
TEST(RunRecords, FailuresAndEmptyRunsSayHowTheRunEnded)
{
    MemoryPlatform window;
    sim::OrbitSimulation simulation(window);
    RunRecorder recorder;
    simulation.addObserver(recorder);

    const TypedText negative[] = {{"Text1", "-1"}};
    typeScenario(window, teachingScenario("evasion"), negative);
    simulation.runCalculation();
    ASSERT_EQ(recorder.ends.size(), 1u);
    EXPECT_EQ(recorder.ends[0].ending, RunEnding::TimeUsedUp);
    EXPECT_EQ(recorder.ends[0].steps, 0);
    EXPECT_EQ(recorder.starts.size(), 1u);  // it started, from the typed values
    EXPECT_TRUE(recorder.steps.empty());

    const TypedText onBody1[] = {{"xs", "1,3"}, {"ys", "1"}};  // the reset fails, the step too
    typeScenario(window, teachingScenario("evasion"), onBody1);
    simulation.runCalculation();
    ASSERT_EQ(recorder.ends.size(), 2u);
    EXPECT_EQ(recorder.ends[1].ending, RunEnding::Error);
    EXPECT_EQ(recorder.ends[1].steps, 0);
    ASSERT_EQ(recorder.starts.size(), 2u);
    EXPECT_FALSE(recorder.starts[1].attractions);  // the reset could not compute them
    const auto* reset = std::get_if<sim::SceneReset>(&recorder.events[recorder.events.size() - 3]);
    ASSERT_NE(reset, nullptr);
    EXPECT_TRUE(reset->byRun);
    EXPECT_FALSE(reset->attractions);

    simulation.removeObserver(recorder);
    const std::size_t before = recorder.events.size();
    simulation.resetScene();
    simulation.runCalculation();
    EXPECT_EQ(recorder.events.size(), before);
}

// A run started inside another's yield publishes its own records at depth 2, and the outer run
// goes on counting its own steps; a reset clicked during a run is seen, and is not the run's.
TEST(RunRecords, NestedRunsAndResetsDuringARunAreTold)
{
    MemoryPlatform window;
    typeScenario(window, teachingScenario("orbite-circulaire"));
    sim::OrbitSimulation simulation(window);
    RunRecorder recorder;
    simulation.addObserver(recorder);
    int depthInside = 0;
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber == 10) {
            window.type(TextBox::Text1, "0,001");  // nine steps
            simulation.runCalculation();
            window.type(TextBox::Text1, "0,01");
        }
        if (yieldNumber == 40) {
            simulation.resetScene();
            depthInside = simulation.runsInProgress();
        }
    };
    simulation.runCalculation();
    window.onYield = nullptr;
    EXPECT_EQ(depthInside, 1);
    EXPECT_EQ(simulation.runsInProgress(), 0);

    std::vector<std::string> kinds;
    std::int64_t outerSteps = 0, innerSteps = 0;
    for (const RunEvent& event : recorder.events) {
        if (const auto* reset = std::get_if<sim::SceneReset>(&event))
            kinds.push_back(std::string(reset->byRun ? "run reset " : "clicked reset ") +
                            std::to_string(reset->runsInProgress));
        if (const auto* started = std::get_if<sim::RunStarted>(&event))
            kinds.push_back("started " + std::to_string(started->depth));
        if (const auto* ended = std::get_if<sim::RunEnded>(&event))
            kinds.push_back("ended " + std::to_string(ended->depth) + " after " + std::to_string(ended->steps));
        if (const auto* step = std::get_if<sim::StepRecord>(&event)) {
            std::int64_t& count = step->depth == 1 ? outerSteps : innerSteps;
            EXPECT_EQ(step->step, ++count);
        }
    }
    const std::vector<std::string> expected{"started 1",       "run reset 1",         "started 2",
                                            "run reset 2",     "ended 2 after 9",     "clicked reset 1",
                                            "ended 1 after " + std::to_string(outerSteps)};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(innerSteps, 9);
    EXPECT_EQ(outerSteps, window.yieldCount() - innerSteps);
    EXPECT_EQ(recorder.ends.back().ending, RunEnding::TimeUsedUp);
}

}  // namespace
}  // namespace virenast::testing
