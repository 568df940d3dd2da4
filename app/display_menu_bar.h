// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"
#include "form/display_menu.h"

#include <QObject>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenuBar;

namespace virenast::app {

// The menu "Affichage" of the menu bar, built from its rows: each item a QAction named as its
// row, its access key marked, the paces an exclusive group. It shows the choices it is given
// and forwards what the user chooses.
class DisplayMenuBar : public QObject {
    Q_OBJECT

public:
    using Choose = std::function<void(form::DisplayCommand)>;

    // Puts the menu in `bar` just before the menu bar's item named by the rows.
    DisplayMenuBar(QMenuBar& bar, Choose choose);

    // Checks the items as the choices say.
    void show(const form::DisplayChoices& choices);

private:
    struct Item {
        const form::MenuRow* row;
        QAction* action;
    };
    std::vector<Item> items_;
};

// A row's text with its access key marked for Qt ("&"), any "&" of the text kept as one; the
// key is given by its place in the UTF-8 text.
QString mnemonicText(const char* text, std::optional<std::size_t> keyIndex);
inline QString mnemonicText(const form::MenuRow& row) { return mnemonicText(row.text, row.accessKeyIndex()); }

}  // namespace virenast::app
