// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "default_window.h"

#include "app/form1_description.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace virenast::testing {

using platform::LineEnd;
using platform::ShapeGeometry;

namespace {

template <typename Control, std::size_t count>
Control controlNamed(const char* name)
{
    for (std::size_t i = 0; i < count; ++i)
        if (std::strcmp(platform::nameOf(static_cast<Control>(i)), name) == 0) return static_cast<Control>(i);
    throw std::runtime_error(std::string("no such control: ") + name);
}

}  // namespace

void loadWindowDefaults(platform::MemoryPlatform& window)
{
    for (std::size_t i = 0; i < platform::textBoxCount; ++i) {
        const auto box = static_cast<platform::TextBox>(i);
        window.type(box, app::findControl(platform::nameOf(box))->text);
    }
    for (std::size_t i = 0; i < platform::labelCount; ++i) {
        const auto label = static_cast<platform::Label>(i);
        window.setCaption(label, app::findControl(platform::nameOf(label))->text);
    }
    for (const app::ShapeDescription& shape : app::form1Shapes()) {
        const auto which = controlNamed<platform::Shape, platform::shapeCount>(shape.name);
        window.setShapeGeometry(which, ShapeGeometry::Left, static_cast<float>(shape.left));
        window.setShapeGeometry(which, ShapeGeometry::Top, static_cast<float>(shape.top));
        window.resizeShape(which, static_cast<float>(shape.width), static_cast<float>(shape.height));
    }
    for (const app::LineDescription& line : app::form1Lines()) {
        const auto which = controlNamed<platform::Line, platform::lineCount>(line.name);
        window.setLinePoint(which, LineEnd::X1, static_cast<float>(line.x1));
        window.setLinePoint(which, LineEnd::Y1, static_cast<float>(line.y1));
        window.setLinePoint(which, LineEnd::X2, static_cast<float>(line.x2));
        window.setLinePoint(which, LineEnd::Y2, static_cast<float>(line.y2));
    }
    window.resizeFrame(static_cast<float>(app::drawingArea().width), static_cast<float>(app::drawingArea().height));
    window.moveScrollBar(static_cast<std::int16_t>(app::timeStepRange.value));
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
