// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/form1_description.h"
#include "sim/drawing.h"

#include <array>
#include <cstdint>
#include <optional>

// The one place where each colour role of the window gets its value, in each colour scheme, for
// every front-end. A front-end asks for the palette of the scheme in use, giving the colours its
// own platform gives a window (its face and its text), applies it, and asks again when the scheme
// or its platform's colours change.
namespace virenast::form {

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

enum class Scheme : std::uint8_t {
    Standard,   // the window as it always looked: the platform's face behind the drawing
    Projector,  // a projected image in a lit room: a white drawing, dark and thick lines
};

// The colours the front-end's platform gives a window: the desktop's style, the page's sheet.
struct PlatformLook {
    Rgb face;
    Rgb text;
};

// The relative luminance of a colour and the contrast ratio of two, as WCAG defines them.
double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);

// The contrast a drawn path keeps against the drawing's background, as graphics need (WCAG 1.4.11).
inline constexpr double pathContrast = 3.0;

// A colour darkened (on a light background) or lightened (on a dark one), its hue kept, just
// enough to stand out from the background by `ratio`.
Rgb standingOut(Rgb colour, Rgb background, double ratio);
// The colour of the body's path: the body's own colour standing out by `pathContrast`.
inline Rgb pathColour(Rgb body, Rgb background) { return standingOut(body, background, pathContrast); }

// How opaque the fill of a polygon is (a swept area), its edge being of its full colour.
inline constexpr double fillOpacity = 0.25;

// Every role's colour in one scheme. Every text stands out from its background by at least 4.5:1
// (the WCAG AA contrast ratio), and every drawn line by 3:1.
class Palette {
public:
    Palette(Scheme scheme, PlatformLook look);

    Scheme scheme() const { return scheme_; }
    // No value for "Default": the front-end's own colour for that kind of control holds.
    std::optional<Rgb> of(Colour role) const;
    Rgb of(sim::DrawnRole role) const;
    // The width in pixels of a drawn line of that role (for dots, their radius), where the scheme
    // asks for one; otherwise the front-end's own.
    std::optional<double> strokeWidth(sim::DrawnRole role) const;

private:
    Scheme scheme_;
    std::array<Rgb, colourCount> colours_{};
    std::array<Rgb, sim::drawnRoleCount> drawn_{};
};

}  // namespace virenast::form
