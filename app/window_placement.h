// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <vector>

class QWidget;

namespace virenast::app {

// Centres the window on its screen, frame included as far as it is known yet.
void centreOnScreen(QWidget& window);

// Centres the window once more when the window manager has framed it: a window's position is
// that of its frame (title bar, borders), known only a moment after the window appears. Looks
// for the frame during the window's first second on screen (waiting up to ten seconds for it to
// come on screen), then stops.
class FramedCentring : public QObject {
public:
    explicit FramedCentring(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recentreOnceFramed();

    QWidget& window_;
    bool framed_ = false;
    int waits_ = 0;
    int unshownWaits_ = 0;
};

// Moves a message box, sized and about to appear, next to the window where it hides neither
// the drawing area nor any widget to keep clear (the current values), preferably just below the
// drawing, centred over `column`.
void placeMessageBox(QWidget& box, const QWidget& window, const QWidget& column,
                     const std::vector<const QWidget*>& keepClear);

}  // namespace virenast::app
