// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Steps per second of the calculation run on the in-memory window: the default scenario
// (72192 steps to the right edge), every display written as text at every step.
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "support/default_window.h"

#include <benchmark/benchmark.h>

namespace {

void defaultRun(benchmark::State& state)
{
    long steps = 0;
    for (auto _ : state) {
        virenast::platform::MemoryPlatform window;
        virenast::testing::loadWindowDefaults(window);
        virenast::sim::OrbitSimulation simulation(window);
        simulation.runCalculation();
        steps += window.yieldCount();
        benchmark::DoNotOptimize(window.caption(virenast::platform::Label::tempscourant).data());
    }
    state.SetItemsProcessed(steps);
    state.counters["steps_per_run"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(defaultRun)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
