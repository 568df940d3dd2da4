// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/number_elision.h"

namespace virenast::app {

QString fittedNumber(const QString& text, int availableWidth, const TextWidth& widthOf)
{
    if (widthOf(text, -1) <= availableWidth) return text;
    const qsizetype exponentAt = text.indexOf(QLatin1Char('E'));
    const qsizetype mantissaLength = exponentAt < 0 ? text.size() : exponentAt;
    const QString tail = QString(QChar(0x2026)) + (exponentAt < 0 ? QString() : text.mid(exponentAt));
    // Keep the sign and the first digit at least: a lone "…E-05" would say nothing. The most
    // digits that fit are found by halving, measuring the start of the text in place, since
    // this runs at every repaint of a long value.
    const int room = availableWidth - widthOf(tail, -1);
    const qsizetype leastKept = text.startsWith(QLatin1Char('-')) ? 2 : 1;
    qsizetype fits = leastKept, tooMany = mantissaLength;  // kept characters: fits <= k < tooMany
    while (tooMany - fits > 1) {
        const qsizetype middle = (fits + tooMany) / 2;
        if (widthOf(text, middle) <= room) fits = middle;
        else tooMany = middle;
    }
    if (fits >= mantissaLength) return text;  // nothing left to take away
    return text.left(fits) + tail;
}

}  // namespace virenast::app
