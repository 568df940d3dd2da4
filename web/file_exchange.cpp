// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_exchange.h"

#include <string_view>

namespace virenast::web {

FileExchange::Outcome FileExchange::told(const form::ScenarioReading& reading)
{
    input_ = std::string();
    messages_ = reading.messages.empty() && !reading.refused ? std::string() : form::scenarioMessagesText(reading);
    if (reading.refused) return Outcome::Refused;
    return reading.messages.empty() ? Outcome::Taken : Outcome::PartlyTaken;
}

char* FileExchange::inputBuffer(std::size_t size)
{
    input_.assign(size, '\0');
    return input_.data();
}

FileExchange::Outcome FileExchange::openLink() { return told(session_.openScenarioLink(input_)); }

FileExchange::Outcome FileExchange::openFile() { return told(session_.openScenarioFile(input_)); }

void FileExchange::writeMeasurements(std::int64_t everyNth)
{
    output_.clear();
    session_.writeMeasurements([this](std::string_view piece) { output_ += piece; }, everyNth);
}

}  // namespace virenast::web
