// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/session.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace virenast::testing {

// The choices of the menu bar kept in memory, for a session outside a front-end.
class MapStore final : public form::ChoiceStore {
public:
    std::optional<std::string> read(std::string_view key) override
    {
        const auto found = values.find(std::string(key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void write(std::string_view key, std::string_view value) override { values[std::string(key)] = value; }
    std::map<std::string, std::string> values;
};

}  // namespace virenast::testing
