// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The keys of the time step's scroll bar, as a Windows scroll bar has them: every front-end
// turns its own key codes into these and does what the table says.
namespace virenast::form {

enum class ScrollKey : std::uint8_t { Left, Up, Right, Down, PageUp, PageDown, Home, End };

enum class ScrollAction : std::uint8_t {
    SmallDecrease,  // by the range's small change
    SmallIncrease,
    LargeDecrease,  // by the range's large change
    LargeIncrease,
    ToMinimum,
    ToMaximum,
};

struct ScrollKeyAction {
    ScrollKey key;
    ScrollAction action;
};

// Left and Up lower the value, Right and Down raise it (Qt's own scroll bar reverses the
// vertical arrows), PageUp and PageDown by a large change, Home and End to either end.
inline constexpr std::array<ScrollKeyAction, 8> scrollKeyActions{{
    {ScrollKey::Left, ScrollAction::SmallDecrease},
    {ScrollKey::Up, ScrollAction::SmallDecrease},
    {ScrollKey::Right, ScrollAction::SmallIncrease},
    {ScrollKey::Down, ScrollAction::SmallIncrease},
    {ScrollKey::PageUp, ScrollAction::LargeDecrease},
    {ScrollKey::PageDown, ScrollAction::LargeIncrease},
    {ScrollKey::Home, ScrollAction::ToMinimum},
    {ScrollKey::End, ScrollAction::ToMaximum},
}};

constexpr std::optional<ScrollAction> scrollActionOf(ScrollKey key)
{
    for (const ScrollKeyAction& entry : scrollKeyActions)
        if (entry.key == key) return entry.action;
    return std::nullopt;
}

}  // namespace virenast::form
