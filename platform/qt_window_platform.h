// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_platform.h"

#include <QLocale>
#include <QMetaProperty>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QObject;
class QScrollBar;
class QWidget;

namespace virenast::platform {

// The window platform on a real Qt window. Controls are found once, by their object names,
// under the window's root widget: text boxes are QLineEdit, result labels QLabel, the time
// step a QScrollBar, and the circles and lines any objects with float twip properties (Left,
// Top, Width, Height; X1, Y1, X2, Y2), so that this layer depends on nothing but those names.
class QtWindowPlatform final : public WindowPlatform {
public:
    // The user's number format is the given locale's (the system's unless a test says).
    explicit QtWindowPlatform(QWidget& window, const QLocale& locale = QLocale::system());

    std::string text(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    void setCaption(Label label, std::string_view caption) override;
    float shapeGeometry(Shape shape, ShapeGeometry which) override;
    void setShapeGeometry(Shape shape, ShapeGeometry which, float twips) override;
    float linePoint(Line line, LineEnd which) override;
    void setLinePoint(Line line, LineEnd which, float twips) override;
    float frameWidth() override;
    float frameHeight() override;
    std::int16_t scrollValue() override;
    void messageBox(std::string_view text, std::string_view title, MessageStyle style) override;
    void yield() override;
    [[noreturn]] void end() override;

    // Moves a message box, sized and about to appear, to where it should stand; without one, the
    // platform's placement holds.
    using MessageBoxPlacement = std::function<void(QWidget& box)>;
    void setMessageBoxPlacement(MessageBoxPlacement place) { placeMessageBox_ = std::move(place); }

private:
    // A float property of a drawn object, looked up once.
    struct TwipProperty {
        QObject* object = nullptr;
        QMetaProperty property;
    };

    float read(const TwipProperty& property);
    void write(const TwipProperty& property, float twips);

    QWidget& window_;
    std::array<QLineEdit*, textBoxCount> textBoxes_{};
    std::array<QLabel*, labelCount> labels_{};
    std::array<std::array<TwipProperty, 4>, shapeCount> shapes_{};
    std::array<std::array<TwipProperty, 4>, lineCount> lines_{};
    QWidget* frame_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    MessageBoxPlacement placeMessageBox_;
};

}  // namespace virenast::platform
