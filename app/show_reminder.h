// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace virenast::app {

// Sees a top-level window onto the screen when a window manager leaves its request to be shown
// unanswered. A window manager started in the same instant as the program (a kiosk session
// that opens the program at login) may read that request while it is still setting itself up,
// keep it in a queue of its own, and then sleep until some other request from any program
// reaches it: the window stays off the screen (openbox 3.6 does this). Until the window is on
// screen, this asks the window manager every `interval` milliseconds to raise it, a request it
// must take up, and which makes it handle the one waiting before it; it gives up after
// `attempts` asks.
class ShowReminder : public QObject {
public:
    explicit ShowReminder(QWidget& window, int interval = 200, int attempts = 50);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remindUnlessShown();

    QWidget& window_;
    int interval_;
    int attempts_;
    int waits_ = 0;
};

}  // namespace virenast::app
