// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_platform.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace virenast::platform {

// Thrown by MemoryPlatform::end(), so that a test sees the program stop where the real window
// would end the process. It is not an Error: no handler's error path catches it.
struct ProgramEnded {};

// The window held in memory: every control the logic touches is a plain value that a test can
// set and read, message boxes are recorded instead of shown, and each yield runs the test's
// script. Nothing is drawn, so the logic runs here at full speed without a display.
class MemoryPlatform final : public WindowPlatform {
public:
    struct ShownMessage {
        std::string text;
        std::string title;
        MessageStyle style;
    };

    explicit MemoryPlatform(std::string decimalSeparator = ",");

    std::string text(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    void setCaption(Label label, std::string_view caption) override;
    float shapeGeometry(Shape shape, ShapeGeometry which) override;
    void setShapeGeometry(Shape shape, ShapeGeometry which, float twips) override;
    float linePoint(Line line, LineEnd which) override;
    void setLinePoint(Line line, LineEnd which, float twips) override;
    float frameWidth() override { return frameWidth_; }
    float frameHeight() override { return frameHeight_; }
    std::int16_t scrollValue() override { return scrollValue_; }
    void setScrollValue(std::int16_t value) override { scrollValue_ = value; }
    void messageBox(std::string_view text, std::string_view title, MessageStyle style) override;
    void yield() override;
    [[noreturn]] void end() override;

    // What a user or a test does to the window.
    void type(TextBox box, std::string_view text) { texts_[indexOf(box)] = text; }
    void moveScrollBar(std::int16_t value) { scrollValue_ = value; }
    void resizeFrame(float width, float height);
    void resizeShape(Shape shape, float width, float height);

    // What the window shows.
    const std::string& caption(Label label) const { return captions_[indexOf(label)]; }
    const std::string& shownText(TextBox box) const { return texts_[indexOf(box)]; }
    float geometry(Shape shape, ShapeGeometry which) const;
    float point(Line line, LineEnd which) const;
    const std::vector<ShownMessage>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    long yieldCount() const { return yieldCount_; }

    // The script: called at every yield with the number of yields so far (1 at the first).
    std::function<void(long yieldNumber)> onYield;
    // Called when a message box is shown, before it is recorded as closed.
    std::function<void(const ShownMessage&)> onMessage;
    // Makes the next writes to this label fail, as a control that refuses a value would.
    std::optional<Label> refusingLabel;

private:
    std::array<std::string, textBoxCount> texts_;
    std::array<std::string, labelCount> captions_;
    std::array<std::array<float, 4>, shapeCount> shapes_{};
    std::array<std::array<float, 4>, lineCount> lines_{};
    float frameWidth_ = 0;
    float frameHeight_ = 0;
    std::int16_t scrollValue_ = 1;
    std::vector<ShownMessage> messages_;
    long yieldCount_ = 0;
};

}  // namespace virenast::platform
