// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/display_choices.h"

namespace virenast::form {

void DisplayChoices::apply(DisplayCommand command)
{
    if (command == DisplayCommand::ToggleTrajectory) trajectoryShown = !trajectoryShown;
    if (const auto chosen = paceOf(command)) pace = *chosen;
}

bool DisplayChoices::checks(const MenuRow& row) const
{
    if (row.command == DisplayCommand::ToggleTrajectory) return trajectoryShown;
    if (const auto itsPace = paceOf(row.command)) return *itsPace == pace;
    return false;
}

std::array<StoredChoice, 2> storedChoices(const DisplayChoices& choices)
{
    return {StoredChoice{trajectoryKey, choices.trajectoryShown ? "true" : "false"},
            StoredChoice{paceKey, menuRowOf(choices.pace).name}};
}

DisplayChoices loadChoices(const std::function<std::optional<std::string>(std::string_view key)>& stored)
{
    DisplayChoices choices;
    if (const auto shown = stored(trajectoryKey)) {
        if (*shown == "true") choices.trajectoryShown = true;
        if (*shown == "false") choices.trajectoryShown = false;
    }
    if (const auto paceItem = stored(paceKey)) {
        const MenuRow* row = findMenuRow(*paceItem);
        if (row != nullptr)
            if (const auto pace = paceOf(row->command)) choices.pace = *pace;
    }
    return choices;
}

}  // namespace virenast::form
