// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace virenast::form {

// The width that a text (UTF-8) takes on screen, in whatever unit the available width has.
using TextWidth = std::function<int(std::string_view text)>;

// The text to show for a number that may not fit its box. A text that fits is shown whole.
// Otherwise the characters at the end of the mantissa give way, marked by "…", and the exponent
// ("E-05") always stays, so that 1,0000115286423E-05 never reads as 1,0000115; the sign and
// the first digit stay too, since a lone "…E-05" would say nothing.
std::string fittedNumber(std::string_view text, int availableWidth, const TextWidth& widthOf);

}  // namespace virenast::form
