// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_elision.h"

namespace virenast::app {

QString fittedNumber(const QString& text, int availableWidth, const std::function<int(const QString&)>& widthOf)
{
    if (widthOf(text) <= availableWidth) return text;
    const qsizetype exponentAt = text.indexOf(QLatin1Char('E'));
    const QString exponent = exponentAt < 0 ? QString() : text.mid(exponentAt);
    const QString mantissa = exponentAt < 0 ? text : text.left(exponentAt);
    const QString ellipsis(QChar(0x2026));
    // Keep the sign and the first digit at least: a lone "…E-05" would say nothing.
    const qsizetype leastKept = mantissa.startsWith(QLatin1Char('-')) ? 2 : 1;
    qsizetype kept = mantissa.size() - 1;
    while (kept > leastKept && widthOf(mantissa.left(kept) + ellipsis + exponent) > availableWidth) --kept;
    kept = std::max(kept, leastKept);
    if (kept >= mantissa.size()) return text;  // nothing left to take away
    return mantissa.left(kept) + ellipsis + exponent;
}

}  // namespace virenast::app
