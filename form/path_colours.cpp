// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/path_colours.h"

#include <algorithm>
#include <cmath>

namespace virenast::form {
namespace {

double linear(std::uint8_t channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

std::uint8_t mix(std::uint8_t from, int to, double share)
{
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

}  // namespace

double relativeLuminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrastRatio(Rgb a, Rgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    const double dark = std::min(la, lb);
    const double light = std::max(la, lb);
    return (light + 0.05) / (dark + 0.05);
}

Rgb pathColour(Rgb body, Rgb background)
{
    // Towards black on a light background, towards white on a dark one: the hue stays the
    // body's. Black and white stand out from any background by at least 4.58:1, so a mix
    // always reaches 3:1.
    const int target = relativeLuminance(background) > 0.18 ? 0 : 255;
    for (int step = 0; step <= 100; ++step) {
        const double share = step / 100.0;
        const Rgb colour{mix(body.red, target, share), mix(body.green, target, share),
                               mix(body.blue, target, share)};
        if (contrastRatio(colour, background) >= pathContrast) return colour;
    }
    return target == 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

}  // namespace virenast::form
