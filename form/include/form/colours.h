// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/form1_description.h"

#include <cstdint>
#include <optional>

namespace virenast::form {

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The one place where each colour role of the window gets its value, for every front-end. Every
// text stands out from its background by at least 4.5:1 (the WCAG AA contrast ratio); the ratios
// of black text are given for each back colour. No value for "Default": the front-end's own
// colour for that kind of control holds.
constexpr std::optional<Rgb> rgbOf(Colour colour)
{
    switch (colour) {
    case Colour::Desktop: return Rgb{0, 150, 150};         // system colour 1: a light teal (5.8:1)
    case Colour::ActiveTitleBar: return Rgb{0, 0, 128};    // system colour 2: active title bar, navy
    case Colour::AppWorkspace: return Rgb{128, 128, 128};  // system colour 12: application workspace, grey (5.3:1)
    case Colour::Red: return Rgb{255, 0, 0};               // (5.3:1)
    case Colour::Green: return Rgb{0, 192, 0};             // (8.5:1)
    case Colour::DarkRed: return Rgb{192, 0, 0};
    case Colour::Default: break;
    }
    return std::nullopt;
}

// The text of a disabled box (the current position): a dark grey, still unlike the black of
// the boxes that can be typed into, at 5.6:1 on the green back colour.
inline constexpr Rgb disabledText{45, 45, 45};

}  // namespace virenast::form
