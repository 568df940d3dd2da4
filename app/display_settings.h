// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/session.h"

namespace virenast::app {

// The choices of the menu bar kept in the user's settings (QSettings, organisation and program
// "Virenast"), from one start of the program to the next.
class SettingsChoiceStore final : public form::ChoiceStore {
public:
    std::optional<std::string> read(std::string_view key) override;
    void write(std::string_view key, std::string_view value) override;
};

}  // namespace virenast::app
