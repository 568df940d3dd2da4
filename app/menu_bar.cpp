// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu_bar.h"

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

MenuBar::MenuBar(QMenuBar& bar, Choose choose, Refresh refresh) : QObject(&bar)
{
    std::map<std::string, QMenu*> menus;
    std::map<std::string, QActionGroup*> groups;
    for (const form::MenuRow& row : form::menuBarRows()) {
        if (!form::inMenuBar(row)) {  // the graphs' view builds its own
            actions_.push_back(nullptr);
            continue;
        }
        const QString text = mnemonicText(row.text, row.accessKeyIndex());
        const QString description = QString::fromUtf8(row.spoken.description);
        QAction* action = nullptr;
        if (row.kind == form::MenuRowKind::Menu) {
            auto* menu = new QMenu(text, &bar);
            menu->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Menu"));
            menu->setAccessibleName(QString::fromUtf8(row.spoken.name));
            menu->setAccessibleDescription(description);
            menu->setToolTipsVisible(true);
            connect(menu, &QMenu::aboutToShow, this, refresh);
            menus[row.name] = menu;
            action = bar.addMenu(menu);
        } else {
            action = row.parent != nullptr ? menus.at(row.parent)->addAction(text) : bar.addAction(text);
            action->setCheckable(row.checkable());
            if (row.group != nullptr) {
                QActionGroup*& group = groups[row.group];
                if (group == nullptr) {
                    group = new QActionGroup(action->parent());
                    group->setObjectName(QString::fromLatin1(row.group));
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
                }
                group->addAction(action);
            }
            connect(action, &QAction::triggered, this, [choose, &row] { choose(row); });
        }
        action->setObjectName(QString::fromLatin1(row.name));
        // What a screen reader says of the item beyond its name; also the item's tip.
        if (!description.isEmpty()) {
            action->setToolTip(description);
            action->setStatusTip(description);
            action->setWhatsThis(description);
        }
        actions_.push_back(action);
    }
}

void MenuBar::show(const form::DisplayChoices& choices)
{
    const auto rows = form::menuBarRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].checkable() && actions_[i] != nullptr) actions_[i]->setChecked(choices.checks(rows[i]));
}

QAction* MenuBar::action(const form::MenuRow& row) const { return actions_.at(form::menuRowIndex(row)); }

}  // namespace virenast::app
