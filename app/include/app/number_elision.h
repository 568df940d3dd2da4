// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace virenast::app {

// The width that the first `length` characters of a text take on screen (all of it for -1).
using TextWidth = std::function<int(const QString& text, qsizetype length)>;

// The text to show for a number that may not fit its box, by form::fittedNumber's rule (the
// page's too): whole if it fits, else the end of the mantissa gives way to "…", and the sign,
// the first digit and the exponent ("E-05") always stay.
QString fittedNumber(const QString& text, int availableWidth, const TextWidth& widthOf);

}  // namespace virenast::app
