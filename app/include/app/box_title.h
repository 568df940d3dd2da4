// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

namespace virenast::app {

// What a message box's frame must leave room for so that the window manager can write its whole
// title. The window manager writes it in a title font of its own, between the box's icon and
// its buttons; the program cannot read that font, so it reckons with a generous one: the
// desktop's font in bold, enlarged by a quarter, and at least three quarters of a title bar's
// height, since a title font always fits its bar.
//
// `titleBar` is the height of the main window's title bar (its frame's top margin); a title bar
// is taken to be at least one line of the desktop's font high, with a margin, which also stands
// for it while no window manager has framed the window.
QFont generousTitleFont(const QFont& desktopFont, int titleBar);

// The width of a box that shows `title` whole: the title in the generous font, and seven title
// bars' height beside it. The title is centred on its bar, so each side must hold the wider
// of the two groups beside it: up to three buttons (some window managers give a dialog a
// minimise and a maximise button as well as its close button) with their margins.
int widthForTitle(const QString& title, const QFont& desktopFont, int titleBar);

}  // namespace virenast::app
