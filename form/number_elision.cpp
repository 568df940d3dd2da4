// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/number_elision.h"

#include <cstddef>
#include <vector>

namespace virenast::form {
namespace {

constexpr std::string_view ellipsis = "\u2026";

// Where each character of the mantissa ends, in bytes: a cut never splits a character (the
// decimal separator of some languages takes two bytes or more).
std::vector<std::size_t> characterEnds(std::string_view text)
{
    std::vector<std::size_t> ends;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool lastByte = at + 1 == text.size() || (static_cast<unsigned char>(text[at + 1]) & 0xC0) != 0x80;
        if (lastByte) ends.push_back(at + 1);
    }
    return ends;
}

}  // namespace

std::string fittedNumber(std::string_view text, int availableWidth, const TextWidth& widthOf)
{
    if (widthOf(text) <= availableWidth) return std::string(text);
    const std::size_t exponentAt = text.find('E');
    const std::string_view mantissa = text.substr(0, exponentAt);
    const std::string tail = std::string(ellipsis) + std::string(text.substr(mantissa.size()));
    const std::vector<std::size_t> ends = characterEnds(mantissa);
    // The most characters that fit are found by halving, since this runs at every repaint of a
    // long value. kept characters: fits <= k < tooMany.
    const int room = availableWidth - widthOf(tail);
    const std::size_t leastKept = mantissa.starts_with('-') ? 2 : 1;
    std::size_t fits = leastKept;
    std::size_t tooMany = ends.size();
    while (tooMany > fits + 1) {
        const std::size_t middle = (fits + tooMany) / 2;
        if (widthOf(mantissa.substr(0, ends[middle - 1])) <= room) fits = middle;
        else tooMany = middle;
    }
    if (fits >= ends.size()) return std::string(text);  // nothing left to take away
    return std::string(mantissa.substr(0, ends[fits - 1])) + tail;
}

}  // namespace virenast::form
