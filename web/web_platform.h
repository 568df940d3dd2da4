// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/session.h"
#include "platform/window_platform.h"
#include "shape_handover.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace virenast::web {

// The window platform on the page that the browser shows: text boxes are <input> elements,
// results are labels, the drawing area is an SVG in twips, message boxes are modal <dialog>s.
// The page's script (page/page_platform.js) does what touches the document; the geometry of the
// circles and lines is held here too, as the singles the logic gave, so that a read gives back
// exactly the value last set.
class WebPlatform final : public platform::WindowPlatform {
public:
    explicit WebPlatform(std::string decimalSeparator);

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
    void setScrollValue(std::int16_t value) override;
    void messageBox(std::string_view text, std::string_view title, platform::MessageStyle style) override;
    // Lets the browser paint and deliver input about once a frame, then runs every click that
    // waited, each handler nested here, before the run goes on.
    void yield() override;
    [[noreturn]] void end() override;

    // The session whose pace a run keeps to, whose drawing the page shows, and which runs the
    // clicks that waited while a run was busy.
    void setSession(form::Session* session) { session_ = session; }
    // A click on a button or on "A propos", run by the session; the page shows its end.
    void perform(form::Command command);
    // Hands the page what the session draws and what changed since the page last had it, so
    // that the page draws it with the texts at its next turn: a path's new points, not the path.
    // The graphs' view likewise while it is shown, and the table "Troisième loi" when it grew.
    void handOverDrawing();

private:
    // Lets the browser have its turns until the pace lets the run take its next step.
    void keepPace();
    void runWaitingCommands();

    form::Session* session_ = nullptr;
    ShapeHandover drawing_, graphs_;
    std::string summary_, graphSummary_;
    std::size_t thirdLawRows_ = SIZE_MAX;  // how many rows of the table the page shows: none yet
    std::array<std::array<float, 4>, platform::shapeCount> shapes_{};
    std::array<std::array<float, 4>, platform::lineCount> lines_{};
    std::string readBuffer_;
};

}  // namespace virenast::web
