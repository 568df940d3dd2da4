// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/memory_platform.h"

#include <string>

namespace virenast::testing {

// The in-memory window as the real one opens: every box with its default text, the circles,
// lines and drawing area at their start geometry, the scroll bar at 1.
void loadWindowDefaults(platform::MemoryPlatform& window);

// The bits of a double, so that a failed comparison shows exactly where two values differ.
std::string bitsOf(double value);

}  // namespace virenast::testing
