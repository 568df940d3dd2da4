// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/box_title.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace virenast::app {
namespace {

constexpr int marginAroundTheLine = 8;  // pixels a title bar adds to its font's line height
// Window managers centre the title on the whole bar: each side of it must hold up to three
// buttons (minimise, maximise, close) with their margins, about three and a half bars.
constexpr int titleBarsBesideTheTitle = 7;

// No title bar is lower than a line of text with its margin: a frame thinner than that is no
// window manager's (the window is not framed yet, or has a bare border).
int titleBarAtLeastALine(const QFont& desktopFont, int titleBar)
{
    return std::max(titleBar, QFontMetrics(desktopFont).height() + marginAroundTheLine);
}

}  // namespace

QFont generousTitleFont(const QFont& desktopFont, int titleBar)
{
    QFont font = desktopFont;
    font.setBold(true);
    const int enlarged = QFontInfo(desktopFont).pixelSize() * 5 / 4;
    const int fillingTheBar = titleBarAtLeastALine(desktopFont, titleBar) * 3 / 4;
    font.setPixelSize(std::max(enlarged, fillingTheBar));
    return font;
}

int widthForTitle(const QString& title, const QFont& desktopFont, int titleBar)
{
    const QFontMetrics metrics(generousTitleFont(desktopFont, titleBar));
    return metrics.horizontalAdvance(title) + titleBarsBesideTheTitle * titleBarAtLeastALine(desktopFont, titleBar);
}

}  // namespace virenast::app
