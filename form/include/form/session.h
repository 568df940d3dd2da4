// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/colours.h"
#include "form/display_choices.h"
#include "form/form1_description.h"
#include "form/menu_bar.h"
#include "form/scenario.h"
#include "platform/window_platform.h"
#include "sim/body_path.h"
#include "sim/drawing.h"
#include "sim/graduations.h"
#include "sim/graph_view.h"
#include "sim/measurements.h"
#include "sim/motion_arrows.h"
#include "sim/orbit_simulation.h"
#include "sim/run_pace.h"
#include "sim/swept_sectors.h"
#include "sim/third_law_table.h"
#include "sim/time_marks.h"

#include <chrono>
#include <ctime>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace virenast::form {

// Where the choices of the menu bar are kept from one start of the program to the next: the
// desktop's settings, the browser's storage.
class ChoiceStore {
public:
    // A key's value, or nothing when it is missing or the store cannot be read.
    virtual std::optional<std::string> read(std::string_view key) = 0;
    virtual void write(std::string_view key, std::string_view value) = 0;

protected:
    ~ChoiceStore() = default;
};

// What a window runs beside its controls, in one place: the simulation and what watches it (the
// body's path, the arrows of the velocity and forces, the areas swept and the marks at equal
// times, the pace, the measurements), the choices of the menu bar and the colours they give, and
// what the menu "Fichier" reads and writes. A front-end holds one session; it forwards
// each click and choice to it, draws at each turn the shapes it hands out, and lets the run go
// on when it says. A new watcher is added here, and nowhere else.
class Session {
public:
    // The steady clock paces runs unless a test gives its own.
    Session(platform::WindowPlatform& window, ChoiceStore& store, sim::PaceClock& clock = steadyClock());
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A click on a button or on the menu item "A propos": the reset, the run (which yields
    // inside it), or the box "Pause" or "A propos". A front-end performs a reset too once a
    // scenario is opened, so that the drawing shows what the boxes say.
    void perform(Command command);

    // An item of the menu bar that is a choice: it takes effect at once, even in the middle of a
    // run (whose pace changes at its next step), and is kept. Any other row changes nothing.
    void choose(const MenuRow& row);
    const DisplayChoices& choices() const { return choices_; }
    // The colours of the scheme chosen, on the front-end's platform.
    Palette palette(PlatformLook look) const;

    // What is drawn over the drawing area now, in the order drawn: each front-end's one loop.
    std::vector<sim::DrawnShape> drawnShapes() const;
    // What the drawing shows beyond the window's values, in words, for a screen reader: the
    // arrows' magnitudes and the areas ("" when none is shown).
    std::string drawingSummary() const;
    // The areas swept so far in the last run, in equal times.
    std::vector<sim::SweptSectors::Sector> sweptSectors() const { return sectors_.sectors(); }

    // The graphs' view, when "Graphiques" is checked: what it draws now (the rows added since the
    // last turn read first), its words for a screen reader, and the value the pointer reads there.
    bool graphsShown() const { return choices_.checked(graphsItemName); }
    std::vector<sim::DrawnShape> graphShapes();
    std::string graphSummary() const { return graph_.summary(); }
    std::optional<sim::GraphReading> graphReadingAt(sim::TwipPoint point) const { return graph_.readingAt(point); }
    // "Troisième loi", a row a run, and the table as text for the clipboard.
    const std::vector<sim::ThirdLawRow>& thirdLawRows() const { return thirdLaw_.rows(); }
    std::string thirdLawText() const { return thirdLaw_.tabSeparated(window_.numbers()); }
    // A figure of the table as it is shown, to three decimals.
    std::string thirdLawFigure(double value) const { return sim::decimalsText(window_.numbers(), value, 3); }

    // How long the window should handle its events before the run takes its next step; nothing:
    // go on at once. A front-end asks again after each wait, so that a pace changed meanwhile
    // takes effect within the longest wait.
    std::optional<std::chrono::milliseconds> paceWait() const;
    // The time that just passed without the run (a box open, the window hidden) is not made up.
    void restartPace() { pacer_.restartFromNow(); }
    static constexpr std::chrono::milliseconds shortestWait{2};
    static constexpr std::chrono::milliseconds longestWait{50};

    // The menu "Fichier": a scenario read from a link (an address or its fragment) or from a
    // file's bytes goes into the boxes, onto the scroll bar and into the choices (which are
    // kept) unless all of it was refused; what was left out is in the reading's messages.
    ScenarioReading openScenarioLink(std::string_view link);
    ScenarioReading openScenarioFile(std::string_view bytes);
    // The scenario typed now, as a link's pairs and as a file.
    std::string scenarioLinkPairs();
    std::string scenarioFileText();
    // The last run's measurements, and the CSV of every `everyNth` step of them; all of them
    // tab-separated, for the clipboard.
    const sim::MeasurementLog& measurements() const { return measurements_; }
    void writeMeasurements(const sim::TextSink& write, std::int64_t everyNth) const;
    std::string measurementsText() const;
    // The name a file of that command is offered under: the measurements and the picture after
    // their run's start ("mesures-2026-12-09-14h05m32.csv"), the scenario as always.
    std::string defaultFileName(FileCommand command) const;
    // Where the wall time comes from: the system's clock, or a test's.
    void setWallClock(std::function<std::time_t()> clock) { runStamp_.clock = std::move(clock); }

    sim::OrbitSimulation& simulation() { return simulation_; }

    static sim::PaceClock& steadyClock();

private:
    // What the choices do: the pace, which arrows are drawn; and they are kept.
    void choicesChanged();
    ScenarioReading opened(ScenarioReading reading);
    // The start velocity as typed, for the arrows after a click reset, which does not read it.
    std::optional<sim::Velocity> typedVelocity();

    // When the run whose rows are kept started, on the wall clock.
    struct RunStamp final : sim::RunObserver {
        std::function<std::time_t()> clock = [] { return std::time(nullptr); };
        std::time_t started = 0;
        void runStarted(const sim::RunStarted&) override { started = clock(); }
    };

    platform::WindowPlatform& window_;
    ChoiceStore& store_;
    sim::PaceClock& clock_;
    // The watchers, declared before the simulation that tells them of every run.
    sim::BodyPath path_;
    sim::RunPacer pacer_;
    sim::MeasurementLog measurements_;
    sim::MotionArrows arrows_;
    sim::SweptSectors sectors_;
    sim::TimeMarks marks_;
    sim::Graduations graduations_;
    sim::GraphView graph_;
    sim::ThirdLawTable thirdLaw_;
    RunStamp runStamp_;
    sim::OrbitSimulation simulation_;
    DisplayChoices choices_;
};

}  // namespace virenast::form
