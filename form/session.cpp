// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/session.h"

#include "form/window_commands.h"

#include <algorithm>

namespace virenast::form {

namespace {

float drawingWidth() { return static_cast<float>(drawingArea().box().width); }
float drawingHeight() { return static_cast<float>(drawingArea().box().height); }

}  // namespace

Session::Session(platform::WindowPlatform& window, ChoiceStore& store, sim::PaceClock& clock)
    : window_(window),
      store_(store),
      clock_(clock),
      pacer_(clock),
      arrows_(window.numbers(), drawingWidth(), drawingHeight()),
      sectors_(window.numbers()),
      marks_(window.numbers()),
      graduations_(window.numbers(), drawingWidth(), drawingHeight()),
      graph_(measurements_, window.numbers()),
      thirdLaw_(measurements_),
      simulation_(window),
      choices_(DisplayChoices::load([&store](std::string_view key) { return store.read(key); }))
{
    // The measurements before what reads them (the graphs, the table).
    for (sim::RunObserver* watcher : std::initializer_list<sim::RunObserver*>{
             &path_, &pacer_, &measurements_, &arrows_, &sectors_, &marks_, &graph_, &thirdLaw_, &runStamp_})
        simulation_.addObserver(*watcher);
    pacer_.setPace(paceOf(choices_));
    arrows_.show(choices_.checked(velocityItemName), choices_.checked(forcesItemName));
    graph_.show(curvesOf(choices_));
}

sim::PaceClock& Session::steadyClock()
{
    static sim::SteadyPaceClock clock;
    return clock;
}

void Session::perform(Command command)
{
    switch (command) {
    case Command::ResetScene:
        arrows_.setTypedVelocity(typedVelocity());
        simulation_.resetScene();
        break;
    case Command::RunCalculation: simulation_.runCalculation(); break;
    case Command::ShowPause: window_.messageBox(pauseText, pauseTitle, platform::MessageStyle::Information); break;
    case Command::ShowAbout: window_.messageBox(aboutText, aboutTitle, platform::MessageStyle::Information); break;
    case Command::None: break;
    }
}

std::optional<sim::Velocity> Session::typedVelocity()
{
    try {
        return sim::Velocity{window_.numbers().toNumber(window_.text(platform::TextBox::vx)),
                             window_.numbers().toNumber(window_.text(platform::TextBox::vy))};
    } catch (const platform::Error&) {
        return std::nullopt;  // not a number: no arrow until a run reads it
    }
}

void Session::choose(const MenuRow& row)
{
    if (!row.checkable()) return;
    choices_.choose(row);
    choicesChanged();
}

void Session::choicesChanged()
{
    pacer_.setPace(paceOf(choices_));
    arrows_.show(choices_.checked(velocityItemName), choices_.checked(forcesItemName));
    graph_.show(curvesOf(choices_));
    for (const StoredChoice& choice : choices_.stored()) store_.write(choice.key, choice.value);
}

Palette Session::palette(PlatformLook look) const
{
    return Palette(choices_.checked(projectorItemName) ? Scheme::Projector : Scheme::Standard, look);
}

std::vector<sim::DrawnShape> Session::drawnShapes() const
{
    // Under everything the graduations, then the areas, the paths, the marks on them, the arrows
    // over all; each layer's ids apart from the others'.
    std::vector<sim::DrawnShape> shapes;
    std::uint32_t layer = 0;
    const auto add = [&](const sim::DrawingLayer& drawn, bool shown) {
        const std::size_t first = shapes.size();
        if (shown) drawn.addShapes(shapes);
        for (std::size_t i = first; i < shapes.size(); ++i) shapes[i].id |= layer << 24;
        ++layer;
    };
    add(graduations_, choices_.checked(graduationsItemName));
    add(sectors_, choices_.checked(areasItemName));
    add(path_, choices_.checked(trajectoryItemName));
    add(marks_, choices_.checked(marksItemName));
    add(arrows_, true);  // it draws the arrows chosen
    return shapes;
}

std::string Session::drawingSummary() const
{
    std::string summary = arrows_.summary();
    if (choices_.checked(areasItemName)) {
        const std::string areas = sectors_.summary();
        if (!summary.empty() && !areas.empty()) summary += ' ';
        summary += areas;
    }
    return summary;
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

ScenarioReading Session::opened(ScenarioReading reading)
{
    applyScenario(reading.scenario, window_, choices_);
    if (!reading.scenario.choices.empty()) choicesChanged();
    return reading;
}

ScenarioReading Session::openScenarioLink(std::string_view link) { return opened(readScenarioLink(link)); }

ScenarioReading Session::openScenarioFile(std::string_view bytes) { return opened(readScenarioFile(bytes)); }

std::string Session::scenarioLinkPairs() { return scenarioLink(currentScenario(window_, choices_)); }

std::string Session::scenarioFileText() { return scenarioFile(currentScenario(window_, choices_)); }

void Session::writeMeasurements(const sim::TextSink& write, std::int64_t everyNth) const
{
    sim::writeMeasurementsCsv(write, measurements_.rows(), window_.numbers(), everyNth);
}

std::string Session::measurementsText() const
{
    return sim::measurementsTabSeparated(measurements_.rows(), window_.numbers());
}

std::vector<sim::DrawnShape> Session::graphShapes()
{
    std::vector<sim::DrawnShape> shapes;
    if (!graphsShown()) return shapes;
    graph_.catchUp();
    graph_.addShapes(shapes);
    return shapes;
}

std::string Session::defaultFileName(FileCommand command) const
{
    return offeredFileName(command, std::localtime(&runStamp_.started));
}

std::string offeredFileName(FileCommand command, const std::tm* runStart)
{
    const auto stamped = [runStart](const char* prefix, const char* extension) {
        char stamp[32] = "";
        if (runStart == nullptr || std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%Hh%Mm%S", runStart) == 0)
            return std::string(prefix) + "0" + extension;
        return std::string(prefix) + stamp + extension;
    };
    switch (command) {
    case FileCommand::SaveMeasurements: return stamped(measurementsFilePrefix, measurementsFileExtension);
    case FileCommand::SaveImage: return stamped(imageFilePrefix, imageFileExtension);
    default: return scenarioFileName;
    }
}

}  // namespace virenast::form
