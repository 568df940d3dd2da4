// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/window_platform.h"

#include <QLocale>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace virenast::form {
class Session;
}

namespace virenast::app {

class CircleShape;
class DrawingArea;
class LineShape;

// The widgets that stand for the logic's controls, as the window has just built them.
struct Form1Widgets {
    std::array<QLineEdit*, platform::textBoxCount> textBoxes{};
    std::array<QLabel*, platform::labelCount> labels{};
    std::array<CircleShape*, platform::shapeCount> shapes{};
    std::array<LineShape*, platform::lineCount> lines{};
    DrawingArea* drawingArea = nullptr;
    QScrollBar* timeStep = nullptr;
};

// The window platform on the Qt window: reads and writes the widgets it is handed, shows
// message boxes with Qt's, and yields to Qt's event loop.
//
// A run writes its texts at every step, far more often than a screen shows them: the texts are
// kept per control and put into the widgets at each turn of the window, about once a frame,
// before each box and at the end of each command; the events are handled at those turns only.
// The logic reads back what it wrote, so no result changes; whatever handles an event sees the
// widgets as the logic left them.
class QtWindowPlatform final : public platform::WindowPlatform {
public:
    // The user's number format is the given locale's (the system's unless a test says).
    QtWindowPlatform(QWidget& window, const Form1Widgets& widgets, const QLocale& locale);

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
    void yield() override;
    [[noreturn]] void end() override;

    // Moves a message box, sized and about to appear, to where it should stand; without one, the
    // platform's placement holds.
    using MessageBoxPlacement = std::function<void(QWidget& box)>;
    void setMessageBoxPlacement(MessageBoxPlacement place) { placeMessageBox_ = std::move(place); }

    // The session whose pace the yield keeps to; without one, runs go at the maximal pace.
    void setSession(form::Session* session) { session_ = session; }
    // Puts what the logic wrote into the widgets, and what the session draws into the drawing,
    // then lets `atTurn` show what it shows beside the window (the graphs).
    void showTurn();
    void setTurnWatcher(std::function<void()> atTurn) { atTurn_ = std::move(atTurn); }

    // How long a run goes at the maximal pace between two turns of the window.
    static constexpr std::chrono::milliseconds turnInterval{16};

private:
    // Handles events until the session lets the run go on.
    void waitForPace();

    QWidget& window_;
    std::array<std::optional<std::string>, platform::textBoxCount> pendingTexts_;
    std::array<std::optional<std::string>, platform::labelCount> pendingCaptions_;
    std::chrono::steady_clock::time_point lastTurn_ = std::chrono::steady_clock::now();
    form::Session* session_ = nullptr;
    Form1Widgets widgets_;
    MessageBoxPlacement placeMessageBox_;
    std::function<void()> atTurn_;
};

}  // namespace virenast::app
