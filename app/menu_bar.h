// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"
#include "form/menu_bar.h"

#include <QObject>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenuBar;

namespace virenast::app {

// The menu bar built from its rows: a QMenu for each menu and a QAction for each item, named as
// its row, its access key marked, each group of exclusive items a QActionGroup. It shows the
// choices it is given and forwards the row the user chooses.
class MenuBar : public QObject {
    Q_OBJECT

public:
    using Choose = std::function<void(const form::MenuRow&)>;
    // Asked each time a menu opens, so that its items show what can be done now.
    using Refresh = std::function<void()>;

    MenuBar(QMenuBar& bar, Choose choose, Refresh refresh);

    // Checks the items as the choices say.
    void show(const form::DisplayChoices& choices);
    QAction* action(const form::MenuRow& row) const;

private:
    std::vector<QAction*> actions_;  // by the row's place in the rows
};

// A row's text with its access key marked for Qt ("&"), any "&" of the text kept as one; the
// key is given by its place in the UTF-8 text.
QString mnemonicText(const char* text, std::optional<std::size_t> keyIndex);

}  // namespace virenast::app
