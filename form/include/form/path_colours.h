// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/colours.h"

namespace virenast::form {

// The relative luminance of a colour and the contrast ratio of two, as WCAG defines them.
double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);

// The contrast a drawn path keeps against the drawing's background, as graphics need (WCAG 1.4.11).
inline constexpr double pathContrast = 3.0;

// The colour of the body's path: the body's own colour, darkened (on a light background) or
// lightened (on a dark one) just enough to stand out from the background by `pathContrast`.
Rgb pathColour(Rgb body, Rgb background);

}  // namespace virenast::form
