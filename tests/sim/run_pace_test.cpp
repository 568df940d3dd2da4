// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pace of a run on a clock the test moves: a front-end that waits when told, with a timer
// that wakes a little late, keeps a one-year run within 2 % of its pace from the click to
// "Fin de calcul"; time lost in a box or a nested run is not made up; a change of pace holds
// at once; and the run's results are those of the maximal pace.
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "sim/run_pace.h"
#include "support/teaching_scenarios.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace virenast::testing {
namespace {

using namespace std::chrono_literals;
using platform::Label;
using platform::MemoryPlatform;
using platform::TextBox;
using sim::Pace;

class FakeClock final : public sim::PaceClock {
public:
    time_point now() override { return at; }
    time_point at{};
};

// Notes the moment each run starts and ends (its click and its "Fin de calcul").
class Stopwatch final : public sim::RunObserver {
public:
    explicit Stopwatch(FakeClock& clock) : clock_(clock) {}
    void runStarted(const sim::RunStarted&) override { starts.push_back(clock_.at); }
    void runEnded(const sim::RunEnded&) override { ends.push_back(clock_.at); }
    std::vector<sim::PaceClock::time_point> starts, ends;

private:
    FakeClock& clock_;
};

double wallSeconds(sim::PaceClock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// The time a step takes to compute, spent on the fake clock before the pace hears of the step.
class StepCost final : public sim::RunObserver {
public:
    explicit StepCost(FakeClock& clock) : clock_(clock) {}
    void stepComputed(const sim::StepRecord&) override { clock_.at += cost; }
    sim::PaceClock::duration cost{};

private:
    FakeClock& clock_;
};

// A front-end on the fake clock: each step costs `stepCost`; in the yield it waits when the
// pace says so, waking `timerLateness` after the moment asked for.
struct PacedWindow {
    explicit PacedWindow(Pace pace, std::span<const TypedText> typed = {}) : pacer(clock, pace)
    {
        typeScenario(window, teachingScenario("orbite-circulaire"), typed);  // one year, hourly
        stepCost.cost = 20us;
        simulation.addObserver(stepCost);
        simulation.addObserver(pacer);
        simulation.addObserver(stopwatch);
        window.onYield = [this](long yieldNumber) {
            if (const auto until = pacer.waitUntil()) {
                EXPECT_GT(*until, clock.at);
                clock.at = *until + timerLateness;
                ++waits;
            }
            if (duringYield) duringYield(yieldNumber);
        };
    }
    double runSeconds(std::size_t run = 0) const { return wallSeconds(stopwatch.ends.at(run) - stopwatch.starts.at(run)); }

    FakeClock clock;
    MemoryPlatform window;
    sim::OrbitSimulation simulation{window};
    sim::RunPacer pacer;
    Stopwatch stopwatch{clock};
    StepCost stepCost{clock};
    sim::PaceClock::duration timerLateness = 1ms;
    std::function<void(long)> duringYield;
    long waits = 0;
};

// 8755 hourly steps: the run's simulated time is 8755 × 3600 s, a little over the year.
constexpr double simulatedYears = 8755.0 * 3600 / 31514400;

TEST(RunPace, EachPaceKeepsWithinTwoPerCentOfItsTimeAndEndsAsTheMaximalPace)
{
    PacedWindow maximal(Pace::Maximal);
    maximal.simulation.runCalculation();
    EXPECT_EQ(maximal.waits, 0);
    EXPECT_LT(maximal.runSeconds(), 0.2);  // only the steps' own cost

    for (const Pace pace : {Pace::YearIn5Seconds, Pace::YearIn20Seconds, Pace::YearInAMinute}) {
        for (const auto lateness : {0ms, 1ms, 4ms}) {
            PacedWindow paced(pace);
            paced.timerLateness = lateness;
            paced.simulation.runCalculation();
            const double expected = simulatedYears * sim::wallSecondsPerYear(pace);
            EXPECT_NEAR(paced.runSeconds(), expected, 0.02 * expected) << sim::wallSecondsPerYear(pace);
            EXPECT_GT(paced.waits, 100);
            // The same texts and boxes as at the maximal pace.
            EXPECT_EQ(paced.window.shownText(TextBox::xsc), maximal.window.shownText(TextBox::xsc));
            EXPECT_EQ(paced.window.caption(Label::tempscourant), maximal.window.caption(Label::tempscourant));
            EXPECT_EQ(paced.window.caption(Label::AC1C), maximal.window.caption(Label::AC1C));
            EXPECT_EQ(paced.window.messages().size(), maximal.window.messages().size());
            EXPECT_EQ(paced.window.yieldCount(), maximal.window.yieldCount());
        }
    }
}

// A machine too slow for the pace runs as fast as it can: the pace never asks it to wait, and
// it is never asked to run faster after falling behind.
TEST(RunPace, ASlowMachineIsNeverPushedToCatchUp)
{
    PacedWindow slow(Pace::YearIn5Seconds);
    slow.stepCost.cost = 2ms;  // 17,5 s for the year's steps alone
    slow.simulation.runCalculation();
    EXPECT_EQ(slow.waits, 0);
    EXPECT_NEAR(slow.runSeconds(), 8755 * 0.002, 0.01);
}

// A box held open 10 s in the middle of the year, or noticed by the front-end: the 10 s are
// added to the run, not made up by going faster afterwards.
TEST(RunPace, TimeInABoxIsNotMadeUp)
{
    for (const bool frontEndSaysSo : {false, true}) {
        PacedWindow paced(Pace::YearIn5Seconds);
        paced.duringYield = [&](long yieldNumber) {
            if (yieldNumber != 3000) return;
            paced.clock.at += 10s;  // the Pause box
            if (frontEndSaysSo) paced.pacer.restartFromNow();
        };
        paced.simulation.runCalculation();
        const double expected = simulatedYears * 5 + 10;
        EXPECT_NEAR(paced.runSeconds(), expected, 0.02 * simulatedYears * 5) << frontEndSaysSo;
    }
}

// A hiccup of a loaded machine, shorter than a real gap, is made up: the year still lasts its
// 5 s. A gap just longer is not, box or no box.
TEST(RunPace, AHiccupIsMadeUpButAGapIsNot)
{
    const auto hiccup = sim::RunPacer::longestGap - 10ms;
    const auto gap = sim::RunPacer::longestGap + 10ms;
    for (const auto lost : {hiccup, gap}) {
        PacedWindow paced(Pace::YearIn5Seconds);
        paced.duringYield = [&](long yieldNumber) {
            if (yieldNumber == 3000) paced.clock.at += lost;
        };
        paced.simulation.runCalculation();
        const double expected = simulatedYears * 5 + (lost == gap ? wallSeconds(gap) : 0);
        EXPECT_NEAR(paced.runSeconds(), expected, 0.02) << wallSeconds(lost);
    }
}

// A nested run is paced on its own; its outer run then goes on at its pace from there.
TEST(RunPace, ANestedRunIsPacedOnItsOwnAndNotMadeUpAfter)
{
    PacedWindow paced(Pace::YearIn5Seconds);
    const std::string nestedYearsTyped = "0,2", outerYearsTyped = "1";
    paced.duringYield = [&](long yieldNumber) {
        if (yieldNumber != 2000) return;
        paced.window.type(TextBox::Text1, nestedYearsTyped);
        paced.simulation.runCalculation();
        paced.window.type(TextBox::Text1, outerYearsTyped);
    };
    paced.simulation.runCalculation();
    const Stopwatch& runs = paced.stopwatch;
    ASSERT_EQ(runs.ends.size(), 2u);
    const double nestedYears = 1751.0 * 3600 / 31514400;  // 0,2 year of hourly steps
    // The nested run started second and ended first.
    EXPECT_NEAR(wallSeconds(runs.ends[0] - runs.starts[1]), nestedYears * 5, 0.02 * nestedYears * 5);
    EXPECT_NEAR(wallSeconds(runs.ends[1] - runs.starts[0]), (simulatedYears + nestedYears) * 5, 0.02 * simulatedYears * 5);
}

// A change of pace in the middle of a run holds from the next step: half a year at 5 s, then
// half a year at a minute.
TEST(RunPace, AChangeOfPaceHoldsAtOnce)
{
    PacedWindow paced(Pace::YearIn5Seconds);
    sim::PaceClock::time_point changedAt{};
    paced.duringYield = [&](long yieldNumber) {
        if (yieldNumber != 4378) return;  // half of the year's steps
        changedAt = paced.clock.at;
        paced.pacer.setPace(Pace::YearInAMinute);
        EXPECT_FALSE(paced.pacer.waitUntil());
    };
    paced.simulation.runCalculation();
    const double firstHalf = 4378.0 * 3600 / 31514400;
    EXPECT_NEAR(wallSeconds(changedAt - paced.stopwatch.starts[0]), firstHalf * 5, 0.02 * firstHalf * 5);
    const double secondHalf = simulatedYears - firstHalf;
    EXPECT_NEAR(wallSeconds(paced.stopwatch.ends[0] - changedAt), secondHalf * 60, 0.02 * secondHalf * 60);

    // Back to the maximal pace: no more waiting.
    paced.pacer.setPace(Pace::Maximal);
    paced.waits = 0;
    paced.duringYield = nullptr;
    paced.simulation.runCalculation();
    EXPECT_EQ(paced.waits, 0);
}

}  // namespace
}  // namespace virenast::testing
