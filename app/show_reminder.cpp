// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show_reminder.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace virenast::app {

ShowReminder::ShowReminder(QWidget& window, int interval, int attempts)
    : QObject(&window), window_(window), interval_(interval), attempts_(attempts)
{
    window.installEventFilter(this);
}

bool ShowReminder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Show) {
        waits_ = 0;
        QTimer::singleShot(interval_, this, [this] { remindUnlessShown(); });
    }
    return false;
}

void ShowReminder::remindUnlessShown()
{
    const QWindow* handle = window_.windowHandle();
    if (!window_.isVisible() || !handle || handle->isExposed() || window_.isMinimized()) return;
    if (waits_++ >= attempts_) return;
    // A request the window manager must read; it reads its requests in the order they came, so
    // the map request waiting in its queue comes first. Qt would hold it in its own buffer until
    // some event reaches the program, and none will: send it now.
    window_.raise();
    QGuiApplication::sync();
    QTimer::singleShot(interval_, this, [this] { remindUnlessShown(); });
}

}  // namespace virenast::app
