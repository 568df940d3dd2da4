// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/window_platform.h"
#include "sim/measurements.h"
#include "sim/scenario.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace virenast::web {

// What the menu "Fichier" takes into the page's window and out of it, as the page asks: a
// scenario from the address or a file, the scenario typed now as a link or a file, and the last
// run's measurements as CSV. The rules are the core's; this only holds the bytes that cross.
class FileExchange {
public:
    // How much of what was read went into the window.
    enum class Outcome : std::uint8_t { Taken = 0, PartlyTaken = 1, Refused = 2 };

    explicit FileExchange(platform::WindowPlatform& window) : window_(window) {}

    // The observer to add to the simulation, so that the last run's rows are kept.
    sim::MeasurementLog& measurements() { return measurements_; }

    // Room for the first `size` bytes of a link or a file, which the page writes there before
    // opening them with one of the two below. (A link too crosses as bytes: an address may be
    // larger than the stack that a text argument would take.)
    char* inputBuffer(std::size_t size);
    Outcome openLink();
    Outcome openFile();
    // What was left out of the last scenario opened, as the text of a message box; empty when
    // everything was taken.
    const std::string& messages() const { return messages_; }

    // These write into `output()`, which holds the bytes until the next of them.
    void writeScenarioLink();
    void writeScenarioFile();
    // Every `everyNth` step of the last run, with its start and its last step.
    void writeMeasurements(std::int64_t everyNth);
    const std::string& output() const { return output_; }

private:
    Outcome apply(const sim::ScenarioReading& reading);

    platform::WindowPlatform& window_;
    sim::MeasurementLog measurements_;
    std::string input_;
    std::string messages_;
    std::string output_;
};

}  // namespace virenast::web
