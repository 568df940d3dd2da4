// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "default_window.h"

#include "form/form1_description.h"
#include "form/start_geometry.h"

#include <cstddef>
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
    }
    const form::StartGeometry& start = form::startGeometry();
    for (std::size_t index = 0; index < platform::shapeCount; ++index) {
        const auto shape = static_cast<platform::Shape>(index);
        const auto& box = start.shapes[index];
        window.setShapeGeometry(shape, ShapeGeometry::Left, box[platform::indexOf(ShapeGeometry::Left)]);
        window.setShapeGeometry(shape, ShapeGeometry::Top, box[platform::indexOf(ShapeGeometry::Top)]);
        window.resizeShape(shape, box[platform::indexOf(ShapeGeometry::Width)],
                           box[platform::indexOf(ShapeGeometry::Height)]);
    }
    for (std::size_t index = 0; index < platform::lineCount; ++index)
        for (const LineEnd which : {LineEnd::X1, LineEnd::Y1, LineEnd::X2, LineEnd::Y2})
            window.setLinePoint(static_cast<platform::Line>(index), which,
                                start.lines[index][platform::indexOf(which)]);
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
