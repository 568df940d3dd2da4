// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/start_geometry.h"

#include "form/form1_description.h"

namespace virenast::form {
namespace {

StartGeometry readDescription()
{
    StartGeometry geometry;
    for (const ControlDescription& control : form1Controls()) {
        if (const auto shape = control.logicControl<platform::Shape>()) {
            const Box& box = control.box();
            geometry.shapes[platform::indexOf(*shape)] = {static_cast<float>(box.left), static_cast<float>(box.top),
                                                          static_cast<float>(box.width),
                                                          static_cast<float>(box.height)};
        }
        if (const auto line = control.logicControl<platform::Line>()) {
            const LineEnds& ends = control.ends();
            geometry.lines[platform::indexOf(*line)] = {static_cast<float>(ends.x1), static_cast<float>(ends.y1),
                                                        static_cast<float>(ends.x2), static_cast<float>(ends.y2)};
        }
    }
    return geometry;
}

}  // namespace

const StartGeometry& startGeometry()
{
    static const StartGeometry geometry = readDescription();
    return geometry;
}

}  // namespace virenast::form
