// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls.h"

#include <array>

namespace virenast::form {

// Where the circles and lines stand when the window opens, until the logic moves them: in
// twips, as the singles that the logic reads back. Each circle's {Left, Top, Width, Height} by
// its index in platform::Shape, and each line's {X1, Y1, X2, Y2} by its index in
// platform::Line (the inner order is that of platform::ShapeGeometry and platform::LineEnd).
struct StartGeometry {
    std::array<std::array<float, 4>, platform::shapeCount> shapes{};
    std::array<std::array<float, 4>, platform::lineCount> lines{};
};

const StartGeometry& startGeometry();

}  // namespace virenast::form
