// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "run_records.h"

#include "platform/number_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the core draws over the drawing area besides the window's own circles and lines: shapes
// in twips, each saying what it stands for, which every front-end draws with one loop in the
// colour its scheme gives that role. A front-end that keeps what it drew looks at a shape again
// only when its revision moved, and when nothing but points added at its end changed (its
// `rebuilt` the same), it draws only those: a turn costs what the turn added, not the whole path.
namespace virenast::sim {

enum class DrawnKind : std::uint8_t {
    Polyline,  // the points joined in order
    Polygon,   // the points joined, closed and filled, its edge in the same colour
    Arrow,     // from the first point to the second, its head at the second
    CutArrow,  // an arrow stopped at the drawing's edge: no head, a bar across its end
    Dots,      // a dot of a few pixels on each point
    Text,      // the text, centred on the first point
};

// What a shape stands for; the colour scheme gives each role its colour.
enum class DrawnRole : std::uint8_t {
    CurrentPath,   // the path of the run drawn last, leading to the body
    PreviousPath,  // the path of the run before it
    Graduation,    // the lines across the drawing every half AU
    GraduationText,  // the values in AU, and the ticks every tenth
    SectorEven,    // the areas swept in equal times, one in two...
    SectorOdd,     // ...and the others
    SectorText,    // their areas
    TimeMark,      // the marks on the path at equal times, and their interval
    Velocity,      // the moving body's velocity, and its scale
    Force1,        // the attraction of body 1, of body 2, and their sum, and their scale
    Force2,
    ForceSum,
    GraphAxis,        // the graphs' frames and ticks
    GraphText,        // their values, captions and the period
    CurveDistance1,   // each curve of the graphs, in its own colour...
    CurveDistance2,
    CurveSpeed,
    CurveKinetic,
    CurvePotential,
    CurveMechanical,
    CurveDrift,
    PreviousCurve,    // ...and the run before's, lighter
    Approach,         // the closest and farthest approaches to body 1 on its distance
};
inline constexpr std::size_t drawnRoleCount = static_cast<std::size_t>(DrawnRole::Approach) + 1;

enum class LineStyle : std::uint8_t { Solid, Dashed };

// Every kind, role and style in the order of their numbers, and their names: how a shape is
// handed to a page and written by the tools.
inline constexpr std::array allDrawnKinds{DrawnKind::Polyline, DrawnKind::Polygon, DrawnKind::Arrow,
                                          DrawnKind::CutArrow, DrawnKind::Dots,    DrawnKind::Text};
inline constexpr std::array allDrawnRoles{
    DrawnRole::CurrentPath, DrawnRole::PreviousPath, DrawnRole::Graduation, DrawnRole::GraduationText,
    DrawnRole::SectorEven,  DrawnRole::SectorOdd,    DrawnRole::SectorText, DrawnRole::TimeMark,
    DrawnRole::Velocity,    DrawnRole::Force1,       DrawnRole::Force2,     DrawnRole::ForceSum,
    DrawnRole::GraphAxis,   DrawnRole::GraphText,    DrawnRole::CurveDistance1, DrawnRole::CurveDistance2,
    DrawnRole::CurveSpeed,  DrawnRole::CurveKinetic, DrawnRole::CurvePotential, DrawnRole::CurveMechanical,
    DrawnRole::CurveDrift,  DrawnRole::PreviousCurve, DrawnRole::Approach};
static_assert(allDrawnRoles.size() == drawnRoleCount, "a drawn role left out");
inline constexpr std::array allLineStyles{LineStyle::Solid, LineStyle::Dashed};
const char* drawnKindName(DrawnKind kind);
const char* drawnRoleName(DrawnRole role);
const char* lineStyleName(LineStyle style);

// One shape as a drawing watcher hands it out. The points and the text are the watcher's: read
// them during the turn only.
struct DrawnShape {
    std::uint32_t id;  // the same shape has the same id from one turn to the next
    DrawnKind kind;
    DrawnRole role;
    LineStyle style;
    std::span<const TwipPoint> points;
    std::string_view text;
    std::uint64_t revision;  // moves whenever the shape changes
    std::uint64_t rebuilt;   // moves whenever it changes but by points added at its end
};

// A watcher that draws: adds its shapes after those already there (the later drawn over the
// earlier), each with an id of its own among them.
class DrawingLayer {
public:
    virtual void addShapes(std::vector<DrawnShape>& shapes) const = 0;

protected:
    ~DrawingLayer() = default;
};

// A figure of the drawing as the window writes numbers, to a few significant digits ("0,198").
std::string roundedText(const platform::NumberText& numbers, double value, int significantDigits);
// A figure with that many decimals, as the sheets quote them ("0,549", "1,015").
std::string decimalsText(const platform::NumberText& numbers, double value, int decimals);

}  // namespace virenast::sim
