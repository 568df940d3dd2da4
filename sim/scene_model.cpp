// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/scene_model.h"

namespace virenast::sim {

using platform::LineEnd;
using platform::ShapeGeometry;
using platform::toSingle;

namespace {

// A coordinate in AU on the screen, in double precision until the control takes it.
Real screenTwips(Real au) { return Real(twipsPerAu) * au; }

}  // namespace

Real boxValue(platform::WindowPlatform& window, platform::TextBox box)
{
    return window.numbers().toNumber(window.text(box));
}

void placeBody(platform::WindowPlatform& window, platform::Shape shape, Point at)
{
    const float halfHeight = window.shapeGeometry(shape, ShapeGeometry::Height) / sizeDivisor;
    window.setShapeGeometry(shape, ShapeGeometry::Top, toSingle(screenTwips(at.y) - halfHeight));
    const float halfWidth = window.shapeGeometry(shape, ShapeGeometry::Width) / sizeDivisor;
    window.setShapeGeometry(shape, ShapeGeometry::Left, toSingle(screenTwips(at.x) - halfWidth));
}

void setLineStart(platform::WindowPlatform& window, platform::Line line, Point at)
{
    window.setLinePoint(line, LineEnd::X1, toSingle(screenTwips(at.x)));
    window.setLinePoint(line, LineEnd::Y1, toSingle(screenTwips(at.y)));
}

TwipPoint setLineEnd(platform::WindowPlatform& window, platform::Line line, Point at)
{
    const float x = toSingle(screenTwips(at.x));
    window.setLinePoint(line, LineEnd::X2, x);
    const float y = toSingle(screenTwips(at.y));
    window.setLinePoint(line, LineEnd::Y2, y);
    return {x, y};
}

Real distanceAu(Point fixedBody, Point movingBody)
{
    const Real dx = fixedBody.x - movingBody.x;
    const Real dy = fixedBody.y - movingBody.y;
    return sqrt(dx * dx + dy * dy);
}

Real metresFromAu(Real au) { return au * firstAuFactor * secondAuFactor; }

Real auFromMetres(Real metres) { return metres / metresPerAu; }

Real attraction(Real g, Real mass, Real distanceMetres)
{
    const Real k = g * gravitationUnit;
    const Real p = mass * k;
    const Real q = distanceMetres * distanceMetres;
    return p / q;
}

}  // namespace virenast::sim
