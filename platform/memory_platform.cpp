// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/memory_platform.h"

namespace virenast::platform {

MemoryPlatform::MemoryPlatform(std::string decimalSeparator)
    : WindowPlatform(NumberText(std::move(decimalSeparator)))
{
}

std::string MemoryPlatform::text(TextBox box) { return texts_[indexOf(box)]; }

void MemoryPlatform::setText(TextBox box, std::string_view text) { texts_[indexOf(box)] = text; }

void MemoryPlatform::setCaption(Label label, std::string_view caption)
{
    if (refusingLabel == label) throw Error("the label refuses its caption");
    captions_[indexOf(label)] = caption;
}

float MemoryPlatform::shapeGeometry(Shape shape, ShapeGeometry which) { return geometry(shape, which); }

void MemoryPlatform::setShapeGeometry(Shape shape, ShapeGeometry which, float twips)
{
    shapes_[indexOf(shape)][indexOf(which)] = twips;
}

float MemoryPlatform::linePoint(Line line, LineEnd which) { return point(line, which); }

void MemoryPlatform::setLinePoint(Line line, LineEnd which, float twips)
{
    lines_[indexOf(line)][indexOf(which)] = twips;
}

void MemoryPlatform::messageBox(std::string_view text, std::string_view title, MessageStyle style)
{
    ShownMessage message{std::string(text), std::string(title), style};
    if (onMessage) onMessage(message);
    messages_.push_back(std::move(message));
}

void MemoryPlatform::yield()
{
    ++yieldCount_;
    if (onYield) onYield(yieldCount_);
}

void MemoryPlatform::end() { throw ProgramEnded{}; }

void MemoryPlatform::resizeFrame(float width, float height)
{
    frameWidth_ = width;
    frameHeight_ = height;
}

void MemoryPlatform::resizeShape(Shape shape, float width, float height)
{
    shapes_[indexOf(shape)][indexOf(ShapeGeometry::Width)] = width;
    shapes_[indexOf(shape)][indexOf(ShapeGeometry::Height)] = height;
}

float MemoryPlatform::geometry(Shape shape, ShapeGeometry which) const
{
    return shapes_[indexOf(shape)][indexOf(which)];
}

float MemoryPlatform::point(Line line, LineEnd which) const { return lines_[indexOf(line)][indexOf(which)]; }

}  // namespace virenast::platform
