// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "default_window.h"

#include "form/form1_description.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace virenast::testing {

using platform::LineEnd;
using platform::ShapeGeometry;

void loadWindowDefaults(platform::MemoryPlatform& window)
{
    for (const form::ControlDescription& control : form::form1Controls()) {
        if (const auto box = control.logicControl<platform::TextBox>()) window.type(*box, control.text);
        if (const auto label = control.logicControl<platform::Label>()) window.setCaption(*label, control.text);
        if (const auto shape = control.logicControl<platform::Shape>()) {
            const form::Box& box = control.box();
            window.setShapeGeometry(*shape, ShapeGeometry::Left, static_cast<float>(box.left));
            window.setShapeGeometry(*shape, ShapeGeometry::Top, static_cast<float>(box.top));
            window.resizeShape(*shape, static_cast<float>(box.width), static_cast<float>(box.height));
        }
        if (const auto line = control.logicControl<platform::Line>()) {
            const form::LineEnds& ends = control.ends();
            window.setLinePoint(*line, LineEnd::X1, static_cast<float>(ends.x1));
            window.setLinePoint(*line, LineEnd::Y1, static_cast<float>(ends.y1));
            window.setLinePoint(*line, LineEnd::X2, static_cast<float>(ends.x2));
            window.setLinePoint(*line, LineEnd::Y2, static_cast<float>(ends.y2));
        }
    }
    const form::Box& frame = form::drawingArea().box();
    window.resizeFrame(static_cast<float>(frame.width), static_cast<float>(frame.height));
    window.moveScrollBar(static_cast<std::int16_t>(form::timeStepRange.value));
}

std::string bitsOf(double value)
{
    std::uint64_t bits;  // as std::bit_cast gives them, which Emscripten 3.1.6's libc++ lacks
    std::memcpy(&bits, &value, sizeof bits);
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (0x%016llx)", value, static_cast<unsigned long long>(bits));
    return text;
}

}  // namespace virenast::testing
