// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form1_description.h"

#include <QColor>

namespace virenast::app {

// The one place where each colour role of the window gets its value. The three system colours
// take the classic desktop scheme's values; "Default" is an invalid colour, meaning the style's.
inline QColor colourOf(Colour colour)
{
    switch (colour) {
    case Colour::Desktop: return {0, 128, 128};         // system colour 1: desktop background, teal
    case Colour::ActiveTitleBar: return {0, 0, 128};    // system colour 2: active title bar, navy
    case Colour::AppWorkspace: return {128, 128, 128};  // system colour 12: application workspace, grey
    case Colour::Red: return {255, 0, 0};
    case Colour::Green: return {0, 192, 0};
    case Colour::DarkRed: return {192, 0, 0};
    case Colour::Default: break;
    }
    return {};
}

}  // namespace virenast::app
