// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"
#include "platform/window_platform.h"
#include "sim/body_path.h"
#include "sim/run_pace.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
    void setScrollValue(std::int16_t value) override;
    void messageBox(std::string_view text, std::string_view title, platform::MessageStyle style) override;
    // Lets the browser paint and deliver input about once a frame, then runs every click that
    // waited, each handler nested here, before the run goes on.
    void yield() override;
    [[noreturn]] void end() override;

    // The observers of the runs that this window keeps: the body's path it draws and the pace
    // it holds a run to.
    sim::BodyPath& bodyPath() { return path_; }
    sim::RunPacer& pacer() { return pacer_; }
    // What the user chose in "Affichage"; choosing sets the pace at once.
    const form::DisplayChoices& choices() const { return choices_; }
    void choose(form::DisplayCommand command);
    void setChoices(const form::DisplayChoices& choices);
    // Hands the body's path to the page when it changed since it was last handed, so that the
    // page draws it with the texts at its next turn.
    void handOverPath();

private:
    // Lets the browser have its turns until the pace lets the run take its next step.
    void keepPace();
    void runWaitingCommands();

    sim::BodyPath path_;
    sim::SteadyPaceClock clock_;
    sim::RunPacer pacer_{clock_};
    form::DisplayChoices choices_;
    std::uint64_t pathHandedOver_ = ~std::uint64_t{0};
    std::vector<float> pathTwips_;
    std::array<std::array<float, 4>, platform::shapeCount> shapes_{};
    std::array<std::array<float, 4>, platform::lineCount> lines_{};
    CommandHandler handleCommand_;
    std::string readBuffer_;
};

}  // namespace virenast::web
