// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"
#include "number_text.h"
#include "platform_error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace virenast::platform {

// Everything the program's logic needs from the window: the controls it reads and writes,
// modal message boxes, handling pending events, ending the program, and the conversions
// between numbers and text in the user's format. The real window implements it with Qt; the
// tests and the benchmark use an in-memory stand-in.
//
// A control operation that fails raises an Error, like every other failure.
class WindowPlatform {
public:
    explicit WindowPlatform(NumberText numbers) : numbers_(std::move(numbers)) {}
    virtual ~WindowPlatform() = default;
    WindowPlatform(const WindowPlatform&) = delete;
    WindowPlatform& operator=(const WindowPlatform&) = delete;

    // Text boxes: the text exactly as typed; a new text is shown at once.
    virtual std::string text(TextBox box) = 0;
    virtual void setText(TextBox box, std::string_view text) = 0;
    // Result labels.
    virtual void setCaption(Label label, std::string_view caption) = 0;

    // Circle shapes and lines in the drawing area, in twips.
    virtual float shapeGeometry(Shape shape, ShapeGeometry which) = 0;
    virtual void setShapeGeometry(Shape shape, ShapeGeometry which, float twips) = 0;
    virtual float linePoint(Line line, LineEnd which) = 0;
    virtual void setLinePoint(Line line, LineEnd which, float twips) = 0;

    // The drawing area `frame1`, in twips.
    virtual float frameWidth() = 0;
    virtual float frameHeight() = 0;
    // The time step scroll bar `HScroll1`.
    virtual std::int16_t scrollValue() = 0;
    // Moves the scroll bar as the user would (an opened scenario does); the bar keeps to its range.
    virtual void setScrollValue(std::int16_t value) = 0;

    // A modal box with one OK button; returns when the user has closed it.
    virtual void messageBox(std::string_view text, std::string_view title, MessageStyle style) = 0;
    // Handles every pending window event, running its handler nested, then returns.
    virtual void yield() = 0;
    // Stops the program at once: the caller does not continue.
    [[noreturn]] virtual void end() = 0;

    const NumberText& numbers() const { return numbers_; }

private:
    NumberText numbers_;
};

}  // namespace virenast::platform
