// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/colours.h"

#include <algorithm>
#include <array>
#include <utility>
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

// A colour `share` of the way from `from` to `to`.
Rgb blend(Rgb from, Rgb to, double share)
{
    return {mix(from.red, to.red, share), mix(from.green, to.green, share), mix(from.blue, to.blue, share)};
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

Rgb standingOut(Rgb colour, Rgb background, double ratio)
{
    // Towards black on a light background, towards white on a dark one: the hue stays.
    // Black and white stand out from any background by at least 4.58:1, so a mix always reaches
    // the ratios asked of lines and texts.
    const int target = relativeLuminance(background) > 0.18 ? 0 : 255;
    for (int step = 0; step <= 100; ++step) {
        const double share = step / 100.0;
        const Rgb mixed{mix(colour.red, target, share), mix(colour.green, target, share),
                        mix(colour.blue, target, share)};
        if (contrastRatio(mixed, background) >= ratio) return mixed;
    }
    return target == 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

Palette::Palette(Scheme scheme, PlatformLook look) : scheme_(scheme)
{
    const auto set = [this](Colour role, Rgb colour) { colours_[static_cast<std::size_t>(role)] = colour; };
    using enum sim::DrawnRole;
    const auto draw = [this](sim::DrawnRole role, Rgb colour) { drawn_[static_cast<std::size_t>(role)] = colour; };
    // The controls' colours, the same in every scheme, with the ratios of black text on each.
    set(Colour::Desktop, {0, 150, 150});         // system colour 1: a light teal (5.8:1)
    set(Colour::ActiveTitleBar, {0, 0, 128});    // system colour 2: active title bar, navy
    set(Colour::AppWorkspace, {128, 128, 128});  // system colour 12: application workspace, grey (5.3:1)
    set(Colour::Red, {255, 0, 0});               // (5.3:1)
    set(Colour::Green, {0, 192, 0});             // (8.5:1)
    set(Colour::DarkRed, {192, 0, 0});
    // A dark grey, still unlike the black of the boxes that can be typed into, at 5.6:1 on the
    // green back colour.
    set(Colour::DisabledText, {45, 45, 45});
    // The hues of what is drawn: each force in its body's family, the velocity apart from them,
    // the areas in two hues, one in two.
    // The graphs' curves: the distances in their bodies' families, the speed in the moving body's
    // green, each energy a hue of its own.
    constexpr std::array<std::pair<sim::DrawnRole, Rgb>, 14> hues{{{Velocity, {106, 27, 154}},
                                                                  {Force1, {0, 0, 139}},
                                                                  {Force2, {176, 0, 0}},
                                                                  {ForceSum, {0, 105, 92}},
                                                                  {SectorEven, {21, 101, 192}},
                                                                  {SectorOdd, {130, 90, 0}},
                                                                  {TimeMark, {194, 24, 91}},
                                                                  {CurveDistance1, {0, 121, 121}},
                                                                  {CurveDistance2, {198, 40, 40}},
                                                                  {CurveSpeed, {46, 125, 50}},
                                                                  {CurveKinetic, {191, 54, 12}},
                                                                  {CurvePotential, {106, 27, 154}},
                                                                  {CurveMechanical, {13, 71, 161}},
                                                                  {CurveDrift, {194, 24, 91}}}};
    switch (scheme) {
    case Scheme::Standard: {
        // On the platform's own face, each hue just dark (or light) enough for its text to be
        // read; the graduations' lines faint, their values as readable.
        const Rgb back = look.face;
        set(Colour::DrawingBack, back);
        set(Colour::Outline, look.text);
        // The body's green; the run before draws in the same colour, dashed.
        draw(CurrentPath, pathColour(*of(Colour::Green), back));
        draw(PreviousPath, pathColour(*of(Colour::Green), back));
        for (const auto& [role, hue] : hues) draw(role, standingOut(hue, back, 4.5));
        draw(SectorText, look.text);
        draw(Graduation, blend(back, look.text, 0.2));
        draw(GraduationText, standingOut(blend(back, look.text, 0.6), back, 4.5));
        draw(GraphAxis, look.text);
        draw(GraphText, look.text);
        draw(Approach, look.text);
        draw(PreviousCurve, standingOut(blend(back, look.text, 0.35), back, pathContrast));
        break;
    }
    case Scheme::Projector:
        // A white drawing, black outlines, and every line or text at 4.5:1 or more.
        set(Colour::DrawingBack, {255, 255, 255});
        set(Colour::Outline, {0, 0, 0});
        draw(CurrentPath, {0, 112, 26});   // a dark green (6.5:1)
        draw(PreviousPath, {160, 74, 0});  // and the run before in brown (6.0:1), dashed too
        for (const auto& [role, hue] : hues) draw(role, hue);
        draw(SectorText, {0, 0, 0});
        draw(Graduation, {190, 190, 190});
        draw(GraduationText, {80, 80, 80});
        draw(GraphAxis, {0, 0, 0});
        draw(GraphText, {0, 0, 0});
        draw(Approach, {0, 0, 0});
        draw(PreviousCurve, {110, 110, 110});  // lighter than the curves, still 5.4:1
        break;
    }
}

std::optional<Rgb> Palette::of(Colour role) const
{
    if (role == Colour::Default) return std::nullopt;
    return colours_[static_cast<std::size_t>(role)];
}

Rgb Palette::of(sim::DrawnRole role) const { return drawn_[static_cast<std::size_t>(role)]; }

std::optional<double> Palette::strokeWidth(sim::DrawnRole role) const
{
    if (scheme_ != Scheme::Projector) return std::nullopt;
    switch (role) {
    case sim::DrawnRole::CurrentPath:
    case sim::DrawnRole::PreviousPath: return 4;
    case sim::DrawnRole::Velocity:
    case sim::DrawnRole::Force1:
    case sim::DrawnRole::Force2:
    case sim::DrawnRole::ForceSum: return 3;
    case sim::DrawnRole::TimeMark: return 5;
    case sim::DrawnRole::Graduation:
    case sim::DrawnRole::GraduationText:
    case sim::DrawnRole::SectorEven:
    case sim::DrawnRole::SectorOdd:
    case sim::DrawnRole::SectorText: break;
    case sim::DrawnRole::CurveDistance1:
    case sim::DrawnRole::CurveDistance2:
    case sim::DrawnRole::CurveSpeed:
    case sim::DrawnRole::CurveKinetic:
    case sim::DrawnRole::CurvePotential:
    case sim::DrawnRole::CurveMechanical:
    case sim::DrawnRole::CurveDrift:
    case sim::DrawnRole::PreviousCurve: return 3;
    case sim::DrawnRole::Approach: return 5;
    case sim::DrawnRole::GraphAxis:
    case sim::DrawnRole::GraphText: break;
    }
    return std::nullopt;
}

}  // namespace virenast::form
