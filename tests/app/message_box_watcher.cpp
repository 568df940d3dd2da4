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

void MessageBoxWatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (box != current_) {
        current_ = box;
        openFor_.start();
        seen.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
    }
    if (whileOpen) whileOpen(*box, openFor_.elapsed());
    if (openFor_.elapsed() >= holdMilliseconds) box->button(QMessageBox::Ok)->click();
}

}  // namespace virenast::testing
