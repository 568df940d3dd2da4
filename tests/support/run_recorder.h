// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/run_records.h"

#include <variant>
#include <vector>

// Keeps every record a simulation publishes, in the order it came: the tests' and tools' way to
// follow a run without reading the window back.
namespace virenast::testing {

using RunEvent =
    std::variant<sim::SceneReset, sim::RunStarted, sim::RunStartState, sim::StepRecord, sim::RunEnded>;

class RunRecorder final : public sim::RunObserver {
public:
    void sceneReset(const sim::SceneReset& record) override { events.emplace_back(record); }
    void runStarted(const sim::RunStarted& record) override { events.emplace_back(record); }
    void runStartState(const sim::RunStartState& record) override
    {
        events.emplace_back(record);
        starts.push_back(record);
    }
    void stepComputed(const sim::StepRecord& record) override
    {
        events.emplace_back(record);
        steps.push_back(record);
    }
    void runEnded(const sim::RunEnded& record) override
    {
        events.emplace_back(record);
        ends.push_back(record);
    }

    std::vector<RunEvent> events;
    std::vector<sim::RunStartState> starts;
    std::vector<sim::StepRecord> steps;
    std::vector<sim::RunEnded> ends;
};

}  // namespace virenast::testing
