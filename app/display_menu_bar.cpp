// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display_menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <string>

namespace virenast::app {

QString mnemonicText(const char* utf8, std::optional<std::size_t> key)
{
    const QString text = QString::fromUtf8(utf8);
    const qsizetype keyAt = key ? QString::fromUtf8(utf8, static_cast<qsizetype>(*key)).size() : -1;
    QString marked;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == keyAt) marked += QLatin1Char('&');
        if (text[i] == QLatin1Char('&')) marked += QLatin1Char('&');
        marked += text[i];
    }
    return marked;
}

DisplayMenuBar::DisplayMenuBar(QMenuBar& bar, Choose choose) : QObject(&bar)
{
    QAction* before = nullptr;
    for (QAction* action : bar.actions())
        if (action->objectName() == QLatin1String(form::displayMenuStandsBefore)) before = action;

    std::map<std::string, QMenu*> menus;
    std::map<std::string, QActionGroup*> groups;
    for (const form::MenuRow& row : form::displayMenuRows()) {
        QAction* action = nullptr;
        if (row.kind == form::MenuRowKind::Menu) {
            auto* menu = new QMenu(mnemonicText(row), &bar);
            menu->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Menu"));
            menu->setAccessibleName(QString::fromUtf8(row.spoken.name));
            menu->setAccessibleDescription(QString::fromUtf8(row.spoken.description));
            menu->setToolTipsVisible(true);
            menus[row.name] = menu;
            action = bar.insertMenu(before, menu);
        } else {
            QMenu* menu = menus.at(row.parent);
            action = menu->addAction(mnemonicText(row));
            action->setCheckable(true);
            if (row.group != nullptr) {
                QActionGroup*& group = groups[row.group];
                if (group == nullptr) {
                    group = new QActionGroup(menu);
                    group->setObjectName(QString::fromLatin1(row.group));
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
                }
                group->addAction(action);
            }
            const form::DisplayCommand command = row.command;
            connect(action, &QAction::triggered, this, [choose, command] { choose(command); });
        }
        action->setObjectName(QString::fromLatin1(row.name));
        // What a screen reader says of the item beyond its name; also the item's tip.
        action->setToolTip(QString::fromUtf8(row.spoken.description));
        action->setStatusTip(QString::fromUtf8(row.spoken.description));
        action->setWhatsThis(QString::fromUtf8(row.spoken.description));
        items_.push_back({&row, action});
    }
}

void DisplayMenuBar::show(const form::DisplayChoices& choices)
{
    for (const Item& item : items_)
        if (item.row->checkable()) item.action->setChecked(choices.checks(*item.row));
}

}  // namespace virenast::app
