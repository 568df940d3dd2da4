// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace virenast::app {

// The text to show for a number that may not fit its box. A text that fits is shown whole.
// Otherwise the digits at the end of the mantissa give way, marked by "…", and the exponent
// ("E-05") always stays, so that 1,0000115286423E-05 never reads as 1,0000115. `widthOf` gives
// the width that a text takes on screen.
QString fittedNumber(const QString& text, int availableWidth, const std::function<int(const QString&)>& widthOf);

}  // namespace virenast::app
