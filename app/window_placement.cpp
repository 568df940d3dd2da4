// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_placement.h"

#include "app/box_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>


namespace virenast::app {
namespace {

QRect globalRect(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

}  // namespace

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Until the window manager has framed the window, its frame is the client area alone.
    QRect centred(QPoint(), window.frameGeometry().size());
    centred.moveCenter(screen->availableGeometry().center());
    window.move(centred.topLeft());
}

FramedCentring::FramedCentring(QWidget& window) : QObject(&window), window_(window)
{
    window.installEventFilter(this);
}

bool FramedCentring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Show && !framed_)
        QTimer::singleShot(0, this, [this] { recentreOnceFramed(); });
    return false;
}

void FramedCentring::recentreOnceFramed()
{
    if (framed_ || !window_.isVisible()) return;
    // The first second counts from when the window is on screen: a window manager may show it
    // late (see ShowReminder), and frames it only then.
    const QWindow* handle = window_.windowHandle();
    const bool onScreen = handle && handle->isExposed();
    if (!onScreen || window_.frameGeometry().size() == window_.geometry().size()) {
        ++(onScreen ? waits_ : unshownWaits_);
        if (waits_ < 50 && unshownWaits_ < 500) QTimer::singleShot(20, this, [this] { recentreOnceFramed(); });
        return;
    }
    framed_ = true;
    centreOnScreen(window_);
}

void placeMessageBox(QWidget& box, const QWidget& window, const QWidget& column,
                     const std::vector<const QWidget*>& keepClear)
{
    const QScreen* screen = window.screen();
    if (!screen || keepClear.empty()) return;
    // A box's frame is taken to be as wide as the main window's own.
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    std::vector<QRect> clear;
    for (const QWidget* widget : keepClear) clear.push_back(globalRect(*widget));
    // Best over the column, just below the first rectangle to keep clear, the drawing area (one
    // title bar's height lower, so that a framed box's title bar does not touch its edge).
    const QPoint preferred(globalRect(column).center().x(), clear.front().bottom() + 1 + frame.top());
    const BoxSurroundings around{outer, screen->availableGeometry(), preferred, clear};
    if (const auto place = placeClear(box.size().grownBy(frame), around)) box.move(*place);
}

}  // namespace virenast::app
