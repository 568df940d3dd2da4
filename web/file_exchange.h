// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/session.h"

#include <cstdint>
#include <string>

namespace virenast::web {

// The bytes that the menu "Fichier" carries between the page and the session: a scenario from
// the address or a file, the scenario typed now as a link or a file, the last run's
// measurements as CSV or for the clipboard, and the table "Troisième loi". The rules are the
// session's; this only holds the bytes that cross.
class FileExchange {
public:
    // How much of what was read went into the window.
    enum class Outcome : std::uint8_t { Taken = 0, PartlyTaken = 1, Refused = 2 };

    explicit FileExchange(form::Session& session) : session_(session) {}

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
    void writeScenarioLink() { output_ = session_.scenarioLinkPairs(); }
    void writeScenarioFile() { output_ = session_.scenarioFileText(); }
    // Every `everyNth` step of the last run, with its start and its last step.
    void writeMeasurements(std::int64_t everyNth);
    // Tab-separated, for a paste into a spreadsheet.
    void writeMeasurementsText() { output_ = session_.measurementsText(); }
    void writeThirdLawText() { output_ = session_.thirdLawText(); }
    const std::string& output() const { return output_; }

private:
    Outcome told(const form::ScenarioReading& reading);

    form::Session& session_;
    std::string input_;
    std::string messages_;
    std::string output_;
};

}  // namespace virenast::web
