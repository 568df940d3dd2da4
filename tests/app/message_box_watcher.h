// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

namespace virenast::testing {

// Watches for the application's modal message boxes, notes each one, and closes it with its
// OK button, as a user would, after holding it open for `holdMilliseconds`.
class MessageBoxWatcher : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttonCount;
    };

    MessageBoxWatcher();

    std::vector<Seen> seen;
    // How long to hold a box open before closing it; only the boxes with this title are held.
    int holdMilliseconds = 0;
    QString holdTitle;
    // Called while each box is open: once when it appears, then at every poll until it closes.
    std::function<void(QMessageBox& box, qint64 openForMilliseconds)> whileOpen;

private:
    void poll();

    // A box is noted once, even when it is active again after a box opened above it closes.
    struct Open {
        QPointer<QMessageBox> box;
        QElapsedTimer since;
    };
    Open* find(QMessageBox* box);

    QTimer timer_;
    std::vector<Open> open_;
};

}  // namespace virenast::testing
