// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "run_records.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

// How fast a run goes on the screen. At the maximal pace steps follow one another as fast as
// they compute; at the other paces a year of the run (364.75 days) takes a set number of
// seconds on the wall clock. The pace only decides when the window shows the next step: it
// reads nothing and changes no result.
namespace virenast::sim {

enum class Pace : std::uint8_t { Maximal, YearIn5Seconds, YearIn20Seconds, YearInAMinute };

// Seconds on the wall clock for a year of the run; 0 at the maximal pace.
constexpr double wallSecondsPerYear(Pace pace)
{
    switch (pace) {
    case Pace::YearIn5Seconds: return 5;
    case Pace::YearIn20Seconds: return 20;
    case Pace::YearInAMinute: return 60;
    case Pace::Maximal: break;
    }
    return 0;
}

// Where the pace reads the time: the steady clock in the program, a clock the test moves in
// the tests.
class PaceClock {
public:
    using time_point = std::chrono::steady_clock::time_point;
    using duration = std::chrono::steady_clock::duration;
    virtual time_point now() = 0;

protected:
    ~PaceClock() = default;
};

class SteadyPaceClock final : public PaceClock {
public:
    time_point now() override { return std::chrono::steady_clock::now(); }
};

// Tells a front-end, after each step, whether to hold the next one and until when. Add it as
// an observer of the simulation; in the window's yield, after a step, ask `waitUntil()`: empty,
// go on at once (handle the pending events as always); otherwise handle events (draw, take
// clicks) until that moment, then return from the yield.
//
// A run is timed from its click: the end of its step that reaches t seconds is due t × pace /
// 31 514 400 seconds after it. A hiccup of the machine (the system busy elsewhere for a few
// frames) is made up over the next steps, so that the run keeps its length. A real gap never
// is: when a step comes more than `longestGap` after it was due (a box was open, a nested run
// went on, the window was hidden, the machine is too slow for the pace), the run is timed again
// from that step, as if it had been clicked there. A front-end that knows of such a gap (a box
// closed, the window shown again) says so with `restartFromNow()`, whatever its length. A
// nested run is timed on its own; when it ends, its outer run is timed again from then. A
// change of pace takes effect at the next step.
class RunPacer final : public RunObserver {
public:
    static constexpr std::chrono::milliseconds longestGap{250};

    explicit RunPacer(PaceClock& clock, Pace pace = Pace::Maximal) : clock_(clock), pace_(pace) {}

    Pace pace() const { return pace_; }
    void setPace(Pace pace);
    // The moment the front-end should let the run take its next step; empty: at once.
    std::optional<PaceClock::time_point> waitUntil() const { return wake_; }
    // The run in progress is timed again from now: what has passed is not made up.
    void restartFromNow();

    void runStarted(const RunStarted& started) override;
    void stepComputed(const StepRecord& step) override;
    void runEnded(const RunEnded& ended) override;

private:
    // A run's timing: the simulated time `simulated` was due at `wall`.
    struct Timing {
        PaceClock::time_point wall;
        std::int64_t simulated;
        std::int64_t lastStepEnd;
    };

    PaceClock& clock_;
    Pace pace_;
    std::vector<Timing> runs_;  // the innermost last
    std::optional<PaceClock::time_point> wake_;
};

}  // namespace virenast::sim
