// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_exchange.h"

#include <sstream>

namespace virenast::web {

FileExchange::Outcome FileExchange::apply(const sim::ScenarioReading& reading)
{
    sim::applyScenario(reading.scenario, window_);
    messages_ = reading.messages.empty() && !reading.refused ? std::string() : sim::scenarioMessagesText(reading);
    if (reading.refused) return Outcome::Refused;
    return reading.messages.empty() ? Outcome::Taken : Outcome::PartlyTaken;
}

char* FileExchange::inputBuffer(std::size_t size)
{
    input_.assign(size, '\0');
    return input_.data();
}

FileExchange::Outcome FileExchange::openLink()
{
    const Outcome outcome = apply(sim::readScenarioLink(input_));
    input_ = std::string();
    return outcome;
}

FileExchange::Outcome FileExchange::openFile()
{
    const Outcome outcome = apply(sim::readScenarioFile(input_));
    input_ = std::string();
    return outcome;
}

void FileExchange::writeScenarioLink() { output_ = sim::scenarioLink(sim::currentScenario(window_)); }

void FileExchange::writeScenarioFile() { output_ = sim::scenarioFile(sim::currentScenario(window_)); }

void FileExchange::writeMeasurements(std::int64_t everyNth)
{
    std::ostringstream csv;
    sim::writeMeasurementsCsv(csv, measurements_.rows(), window_.numbers(), everyNth);
    output_ = std::move(csv).str();
}

}  // namespace virenast::web
