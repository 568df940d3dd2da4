// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/window_platform.h"

#include <array>
#include <functional>
#include <string>

namespace virenast::web {

// The window platform on the page that the browser shows: text boxes are <input> elements,
// results are labels, the drawing area is an SVG in twips, message boxes are modal <dialog>s.
// The page's script (page/page_platform.js) does what touches the document; the geometry of the
// circles and lines is held here too, as the singles the logic gave, so that a read gives back
// exactly the value last set.
class WebPlatform final : public platform::WindowPlatform {
public:
    // Runs a click that waited while the logic was busy; the yield calls it.
    using CommandHandler = std::function<void(int command)>;

    WebPlatform(std::string decimalSeparator, CommandHandler handleCommand);

    std::string text(platform::TextBox box) override;
    void setText(platform::TextBox box, std::string_view text) override;
    void setCaption(platform::Label label, std::string_view caption) override;
    float shapeGeometry(platform::Shape shape, platform::ShapeGeometry which) override;
    void setShapeGeometry(platform::Shape shape, platform::ShapeGeometry which, float twips) override;
    float linePoint(platform::Line line, platform::LineEnd which) override;
    void setLinePoint(platform::Line line, platform::LineEnd which, float twips) override;
    float frameWidth() override;
    float frameHeight() override;
    std::int16_t scrollValue() override;
    void messageBox(std::string_view text, std::string_view title, platform::MessageStyle style) override;
    // Lets the browser paint and deliver input about once a frame, then runs every click that
    // waited, each handler nested here, before the run goes on.
    void yield() override;
    [[noreturn]] void end() override;

private:
    std::array<std::array<float, 4>, platform::shapeCount> shapes_{};
    std::array<std::array<float, 4>, platform::lineCount> lines_{};
    CommandHandler handleCommand_;
    std::string readBuffer_;
};

}  // namespace virenast::web
