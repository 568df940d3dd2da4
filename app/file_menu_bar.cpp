// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_menu_bar.h"

#include "display_menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace virenast::app {

namespace {

void describe(QAction& action, const form::FileMenuRow& row)
{
    action.setObjectName(QString::fromLatin1(row.name));
    // What a screen reader says of the item beyond its name; also the item's tip.
    action.setToolTip(QString::fromUtf8(row.spoken.description));
    action.setStatusTip(QString::fromUtf8(row.spoken.description));
    action.setWhatsThis(QString::fromUtf8(row.spoken.description));
}

}  // namespace

FileMenuBar::FileMenuBar(QMenuBar& bar, Choose choose, Refresh refresh) : QObject(&bar)
{
    const form::FileMenuRow& menuRow = form::fileMenuRows().front();
    auto* menu = new QMenu(mnemonicText(menuRow.text, menuRow.accessKeyIndex()), &bar);
    menu->setObjectName(QString::fromLatin1(menuRow.name) + QStringLiteral("Menu"));
    menu->setAccessibleName(QString::fromUtf8(menuRow.spoken.name));
    menu->setAccessibleDescription(QString::fromUtf8(menuRow.spoken.description));
    menu->setToolTipsVisible(true);
    const QList<QAction*> before = bar.actions();
    QAction* menuAction = bar.insertMenu(before.isEmpty() ? nullptr : before.constFirst(), menu);
    describe(*menuAction, menuRow);
    connect(menu, &QMenu::aboutToShow, this, std::move(refresh));

    for (const form::FileMenuRow& row : form::fileMenuRows().subspan(1)) {
        QAction* action = menu->addAction(mnemonicText(row.text, row.accessKeyIndex()));
        describe(*action, row);
        const form::FileCommand command = row.command;
        connect(action, &QAction::triggered, this, [choose, command] { choose(command); });
        actions_[command] = action;
    }
}

}  // namespace virenast::app
