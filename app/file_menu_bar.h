// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/file_menu.h"

#include <QObject>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;

namespace virenast::app {

// The menu "Fichier", first in the menu bar, built from its rows: each item a QAction named as
// its row, its access key marked. It forwards what the user chooses.
class FileMenuBar : public QObject {
    Q_OBJECT

public:
    using Choose = std::function<void(form::FileCommand)>;
    // Asked each time the menu opens, so that its items show what can be done now.
    using Refresh = std::function<void()>;

    FileMenuBar(QMenuBar& bar, Choose choose, Refresh refresh);

    QAction* action(form::FileCommand command) const { return actions_.at(command); }

private:
    std::map<form::FileCommand, QAction*> actions_;
};

}  // namespace virenast::app
