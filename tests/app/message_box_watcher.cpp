// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_box_watcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace virenast::testing {

MessageBoxWatcher::MessageBoxWatcher()
{
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxWatcher::poll);
    timer_.start();
}

MessageBoxWatcher::Open* MessageBoxWatcher::find(QMessageBox* box)
{
    for (Open& open : open_)
        if (open.box == box) return &open;
    return nullptr;
}

void MessageBoxWatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Open* open = find(box);
    if (!open) {
        open_.push_back({box, {}});
        open = &open_.back();
        open->since.start();
        seen.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
    }
    const qint64 openFor = open->since.elapsed();
    if (whileOpen) whileOpen(*box, openFor);
    const bool held = box->windowTitle() == holdTitle && openFor < holdMilliseconds;
    if (!held) box->button(QMessageBox::Ok)->click();
}

}  // namespace virenast::testing
