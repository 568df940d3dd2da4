// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace virenast::app {

// The window's icon: a rocket, drawn at 32 × 32 and 16 × 16 pixels in 16 colours.
QIcon rocketIcon();

}  // namespace virenast::app
