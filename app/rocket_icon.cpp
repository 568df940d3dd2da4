// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rocket_icon.h"

#include <QPixmap>

namespace virenast::app {
namespace {
#include "icons/rocket16.xpm"
#include "icons/rocket32.xpm"
}  // namespace

QIcon rocketIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(rocket32_xpm));
    icon.addPixmap(QPixmap(rocket16_xpm));
    return icon;
}

}  // namespace virenast::app
