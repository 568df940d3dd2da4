// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/session.h"

#include "form/window_commands.h"

#include <algorithm>

namespace virenast::form {

Session::Session(platform::WindowPlatform& window, ChoiceStore& store, sim::PaceClock& clock)
    : window_(window),
      store_(store),
      clock_(clock),
      pacer_(clock),
      simulation_(window),
      choices_(DisplayChoices::load([&store](std::string_view key) { return store.read(key); }))
{
    for (sim::RunObserver* watcher : std::initializer_list<sim::RunObserver*>{&path_, &pacer_, &measurements_})
        simulation_.addObserver(*watcher);
    pacer_.setPace(paceOf(choices_));
}

sim::PaceClock& Session::steadyClock()
{
    static sim::SteadyPaceClock clock;
    return clock;
}

void Session::perform(Command command)
{
    switch (command) {
    case Command::ResetScene: simulation_.resetScene(); break;
    case Command::RunCalculation: simulation_.runCalculation(); break;
    case Command::ShowPause: window_.messageBox(pauseText, pauseTitle, platform::MessageStyle::Information); break;
    case Command::ShowAbout: window_.messageBox(aboutText, aboutTitle, platform::MessageStyle::Information); break;
    case Command::None: break;
    }
}

void Session::choose(const MenuRow& row)
{
    if (!row.checkable()) return;
    choices_.choose(row);
    pacer_.setPace(paceOf(choices_));
    for (const StoredChoice& choice : choices_.stored()) store_.write(choice.key, choice.value);
}

std::vector<sim::DrawnShape> Session::drawnShapes() const
{
    std::vector<sim::DrawnShape> shapes;
    if (choices_.checked(trajectoryItemName)) path_.addShapes(shapes);
    return shapes;
}

std::optional<std::chrono::milliseconds> Session::paceWait() const
{
    const auto due = pacer_.waitUntil();
    if (!due) return std::nullopt;
    const auto left = *due - clock_.now();
    // A shorter wait is left to the next step: a run is timed from its click, so the next wait
    // makes up for it.
    if (left < shortestWait) return std::nullopt;
    return std::min(std::chrono::ceil<std::chrono::milliseconds>(left), longestWait);
}

ScenarioReading Session::openScenarioLink(std::string_view link)
{
    ScenarioReading reading = readScenarioLink(link);
    applyScenario(reading.scenario, window_);
    return reading;
}

ScenarioReading Session::openScenarioFile(std::string_view bytes)
{
    ScenarioReading reading = readScenarioFile(bytes);
    applyScenario(reading.scenario, window_);
    return reading;
}

std::string Session::scenarioLinkPairs() { return scenarioLink(currentScenario(window_)); }

std::string Session::scenarioFileText() { return scenarioFile(currentScenario(window_)); }

void Session::writeMeasurements(const sim::TextSink& write, std::int64_t everyNth) const
{
    sim::writeMeasurementsCsv(write, measurements_.rows(), window_.numbers(), everyNth);
}

}  // namespace virenast::form
