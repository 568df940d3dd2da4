// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>
#include <QScrollBar>

namespace virenast::app {

// The time step's scroll bar, with the keys of a Windows scroll bar: Left and Up lower the
// value, Right and Down raise it, PageUp and PageDown by a large change, Home gives the minimum
// and End the maximum; the wheel turned down raises it, as Down does. It draws a focus frame
// of its own, since not every style shows that a scroll bar has the keyboard focus.
class TimeStepScrollBar : public QScrollBar {
public:
    explicit TimeStepScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A push button that Return and Enter press when it has the focus, as Space does.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace virenast::app
