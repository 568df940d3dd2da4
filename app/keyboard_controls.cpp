// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard_controls.h"

#include "form/scroll_keys.h"

#include <QKeyEvent>
#include <QPainter>

#include <optional>

namespace virenast::app {

TimeStepScrollBar::TimeStepScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);  // it takes the focus like the other inputs
}

namespace {

// Qt's key codes as the keys' table names them.
std::optional<form::ScrollKey> scrollKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return form::ScrollKey::Left;
    case Qt::Key_Up: return form::ScrollKey::Up;
    case Qt::Key_Right: return form::ScrollKey::Right;
    case Qt::Key_Down: return form::ScrollKey::Down;
    case Qt::Key_PageUp: return form::ScrollKey::PageUp;
    case Qt::Key_PageDown: return form::ScrollKey::PageDown;
    case Qt::Key_Home: return form::ScrollKey::Home;
    case Qt::Key_End: return form::ScrollKey::End;
    default: return std::nullopt;
    }
}

QAbstractSlider::SliderAction sliderActionOf(form::ScrollAction action)
{
    switch (action) {
    case form::ScrollAction::SmallDecrease: return QAbstractSlider::SliderSingleStepSub;
    case form::ScrollAction::SmallIncrease: return QAbstractSlider::SliderSingleStepAdd;
    case form::ScrollAction::LargeDecrease: return QAbstractSlider::SliderPageStepSub;
    case form::ScrollAction::LargeIncrease: return QAbstractSlider::SliderPageStepAdd;
    case form::ScrollAction::ToMinimum: return QAbstractSlider::SliderToMinimum;
    case form::ScrollAction::ToMaximum: return QAbstractSlider::SliderToMaximum;
    }
    return QAbstractSlider::SliderNoAction;
}

}  // namespace

void TimeStepScrollBar::keyPressEvent(QKeyEvent* event)
{
    // Qt's scroll bar reverses its arrow keys by default; the keys' table holds the Windows ones.
    const auto key = scrollKeyOf(event->key());
    const auto action = key ? form::scrollActionOf(*key) : std::nullopt;
    if (!action) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(sliderActionOf(*action));
    event->accept();
}

void TimeStepScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    // Two pixels in the highlight colour around the whole bar: visible on any style's arrows.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace virenast::app
