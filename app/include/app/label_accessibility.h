// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace virenast::app {

// How a screen reader speaks a label. A result label, one given an accessible name, is spoken
// by that name (its caption) and by the number it shows as its value, as a text box is; any
// other label by its own text. Installing twice is harmless.
void installLabelAccessibility();

}  // namespace virenast::app
