// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace virenast::app {

// The width that the first `length` characters of a text take on screen (all of it for -1).
using TextWidth = std::function<int(const QString& text, qsizetype length)>;

// The text to show for a number that may not fit its box. A text that fits is shown whole.
// Otherwise the digits at the end of the mantissa give way, marked by "…", and the exponent
// ("E-05") always stays, so that 1,0000115286423E-05 never reads as 1,0000115.
QString fittedNumber(const QString& text, int availableWidth, const TextWidth& widthOf);

}  // namespace virenast::app
