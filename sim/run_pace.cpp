// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/run_pace.h"

#include "sim/scene_model.h"

namespace virenast::sim {

void RunPacer::setPace(Pace pace)
{
    pace_ = pace;
    restartFromNow();
}

void RunPacer::restartFromNow()
{
    const PaceClock::time_point now = clock_.now();
    for (Timing& run : runs_) run = {now, run.lastStepEnd, run.lastStepEnd};
    wake_.reset();
}

void RunPacer::runStarted(const RunStarted&)
{
    runs_.push_back({clock_.now(), 0, 0});
    wake_.reset();
}

void RunPacer::stepComputed(const StepRecord& step)
{
    const PaceClock::time_point now = clock_.now();
    if (runs_.empty()) runs_.push_back({now, step.elapsedBefore, step.elapsedBefore});  // watched from mid-run
    Timing& run = runs_.back();
    run.lastStepEnd = step.elapsed;
    wake_.reset();
    if (pace_ == Pace::Maximal) return;

    const double wallSeconds =
        static_cast<double>(step.elapsed - run.simulated) * wallSecondsPerYear(pace_) / secondsPerYear;
    const auto due = run.wall + std::chrono::duration_cast<PaceClock::time_point::duration>(
                                    std::chrono::duration<double>(wallSeconds));
    if (now > due + longestGap) {
        run = {now, step.elapsed, step.elapsed};  // late: timed again from here, nothing made up
    } else if (now < due) {
        wake_ = due;
    }
}

void RunPacer::runEnded(const RunEnded&)
{
    if (!runs_.empty()) runs_.pop_back();
    wake_.reset();
    // The outer run waited for the nested one: its time is not made up.
    if (!runs_.empty()) {
        Timing& outer = runs_.back();
        outer = {clock_.now(), outer.lastStepEnd, outer.lastStepEnd};
    }
}

}  // namespace virenast::sim
