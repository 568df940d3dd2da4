// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/colours.h"

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

Colour colourOf(sim::DrawnRole role)
{
    switch (role) {
    case sim::DrawnRole::CurrentPath: return Colour::CurrentPath;
    case sim::DrawnRole::PreviousPath: return Colour::PreviousPath;
    }
    return Colour::Outline;
}

Palette::Palette(Scheme scheme, PlatformLook look) : scheme_(scheme)
{
    const auto set = [this](Colour role, Rgb colour) { colours_[static_cast<std::size_t>(role)] = colour; };
    // The controls' colours, with the ratios of black text on each back colour.
    set(Colour::Desktop, {0, 150, 150});         // system colour 1: a light teal (5.8:1)
    set(Colour::ActiveTitleBar, {0, 0, 128});    // system colour 2: active title bar, navy
    set(Colour::AppWorkspace, {128, 128, 128});  // system colour 12: application workspace, grey (5.3:1)
    set(Colour::Red, {255, 0, 0});               // (5.3:1)
    set(Colour::Green, {0, 192, 0});             // (8.5:1)
    set(Colour::DarkRed, {192, 0, 0});
    // A dark grey, still unlike the black of the boxes that can be typed into, at 5.6:1 on the
    // green back colour.
    set(Colour::DisabledText, {45, 45, 45});
    switch (scheme) {
    case Scheme::Standard:
        set(Colour::DrawingBack, look.face);
        set(Colour::Outline, look.text);
        // The body's green made to stand out from the back; the run before draws in the same
        // colour, dashed.
        set(Colour::CurrentPath, pathColour(*of(Colour::Green), look.face));
        set(Colour::PreviousPath, *of(Colour::CurrentPath));
        break;
    }
}

std::optional<Rgb> Palette::of(Colour role) const
{
    if (role == Colour::Default) return std::nullopt;
    return colours_[static_cast<std::size_t>(role)];
}

Rgb Palette::of(sim::DrawnRole role) const { return *of(colourOf(role)); }

}  // namespace virenast::form
