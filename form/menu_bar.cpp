// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/menu_bar.h"

#include "form/display_choices.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace virenast::form {
namespace {

using enum MenuRowKind;
using enum FileCommand;

// A curve of the graphs' view: its check box says its name.
constexpr MenuRow curveRow(sim::Curve curve, char key, bool checked)
{
    const char* text = sim::facts(curve).text;
    return {curveItemName(curve), Checkable, text, key, graphViewName, nullptr,
            {text, "Montre cette courbe dans les graphiques"}, Command::None, None, checked};
}

// The menus and their items. "A propos" follows them: it is a control of the window, and its
// row is made from the control's (menuBarRows()).
// clang-format off
constexpr std::array rows{
    MenuRow{"fichier",             Menu,      "Fichier",                       'F', nullptr,     nullptr,
            {"Fichier", "Ouvrir ou enregistrer un scénario, enregistrer les mesures"}},
    MenuRow{"ouvrirScenario",      Item,      "Ouvrir un scénario…",           'O', "fichier",   nullptr,
            {"Ouvrir un scénario", "Remplit les cases avec les valeurs d'un fichier de scénario"},
            Command::None, OpenScenario},
    MenuRow{"enregistrerScenario", Item,      "Enregistrer le scénario…",      'E', "fichier",   nullptr,
            {"Enregistrer le scénario", "Enregistre les valeurs tapées dans un fichier de scénario"},
            Command::None, SaveScenario},
    MenuRow{"copierLien",          Item,      "Copier le lien du scénario",    'C', "fichier",   nullptr,
            {"Copier le lien du scénario", "Copie un lien qui ouvre la page avec les valeurs tapées"},
            Command::None, CopyLink},
    MenuRow{"enregistrerMesures",  Item,      "Enregistrer les mesures…",      'M', "fichier",   nullptr,
            {"Enregistrer les mesures", "Enregistre les mesures du dernier calcul dans un fichier CSV"},
            Command::None, SaveMeasurements},
    MenuRow{"copierMesures",       Item,      "Copier les mesures",            'p', "fichier",   nullptr,
            {"Copier les mesures", "Copie les mesures du dernier calcul, à coller dans un tableur"},
            Command::None, CopyMeasurements},
    MenuRow{"enregistrerImage",    Item,      "Enregistrer l'image…",          'a', "fichier",   nullptr,
            {"Enregistrer l'image", "Enregistre le dessin, et les graphiques s'ils sont montrés, dans une image PNG"},
            Command::None, SaveImage},
    MenuRow{"affichage",           Menu,      "Affichage",                     'A', nullptr,     nullptr,
            {"Affichage", "Ce que le dessin montre et la vitesse du calcul"}},
    MenuRow{"trajectoire",         Checkable, "Trajectoire",                   'T', "affichage", nullptr,
            {"Trajectoire", "Montre le chemin du corps mobile dans le dessin"}, Command::None, None, true},
    MenuRow{"vecteurVitesse",      Checkable, "Vecteur vitesse",               'e', "affichage", nullptr,
            {"Vecteur vitesse", "Montre la vitesse du corps mobile par une flèche"}},
    MenuRow{"vecteursForces",      Checkable, "Forces",                        'F', "affichage", nullptr,
            {"Forces", "Montre l'action de chaque corps céleste sur le corps mobile, et leur somme, par des flèches"}},
    MenuRow{"airesBalayees",       Checkable, "Aires balayées",                'A', "affichage", nullptr,
            {"Aires balayées", "Montre les aires balayées autour du corps céleste 1 en douze durées égales"}},
    MenuRow{"reperesTemps",        Checkable, "Repères de temps",              'R', "affichage", nullptr,
            {"Repères de temps", "Marque le chemin à intervalles de temps égaux"}},
    MenuRow{"graduations",         Checkable, "Graduations",                   'G', "affichage", nullptr,
            {"Graduations", "Gradue le dessin en unités astronomiques"}},
    MenuRow{"couleursProjecteur",  Checkable, "Couleurs pour projecteur",      'C', "affichage", nullptr,
            {"Couleurs pour projecteur", "Dessin sur fond blanc, à traits épais, lisible au projecteur"}},
    MenuRow{"graphiques",          Checkable, "Graphiques",                    'p', "affichage", nullptr,
            {"Graphiques", "Montre, à côté de la fenêtre, les distances, la vitesse et les énergies en fonction du temps"}},
    MenuRow{"vitesseMax",          Exclusive, "Vitesse maximale",              'V', "affichage", "vitesse",
            {"Vitesse maximale", "Le calcul va aussi vite que l'ordinateur le permet"}, Command::None, None, true},
    MenuRow{"vitesse5",            Exclusive, "1 an en 5 secondes",            '5', "affichage", "vitesse",
            {"1 an en 5 secondes", "Une année de calcul dure 5 secondes"}},
    MenuRow{"vitesse20",           Exclusive, "1 an en 20 secondes",           '2', "affichage", "vitesse",
            {"1 an en 20 secondes", "Une année de calcul dure 20 secondes"}},
    MenuRow{"vitesse60",           Exclusive, "1 an en 1 minute",              'm', "affichage", "vitesse",
            {"1 an en 1 minute", "Une année de calcul dure une minute"}},
    // The graphs' view and its controls: a check box for each curve, then the table's copy.
    MenuRow{graphViewName,         View,      "Graphiques",                    'G', nullptr,     nullptr,
            {"Graphiques", "Les courbes du calcul en fonction du temps, la période et la troisième loi"}},
    curveRow(sim::Curve::Distance1,   '1', true),
    curveRow(sim::Curve::Distance2,   '2', false),
    curveRow(sim::Curve::Speed,       'V', false),
    curveRow(sim::Curve::Kinetic,     'c', false),
    curveRow(sim::Curve::Potential,   'p', false),
    curveRow(sim::Curve::Mechanical,  'm', true),
    curveRow(sim::Curve::EnergyDrift, 'a', false),
    MenuRow{"copierTableau",       Item,      "Copier le tableau",             't', graphViewName, nullptr,
            {"Copier le tableau", "Copie le tableau de la troisième loi, à coller dans un tableur"},
            Command::None, CopyThirdLaw},
};
// clang-format on

// Checks made as the program compiles.

constexpr bool sameText(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::optional<std::size_t> keyIndex(const char* text, char key)
{
    if (key == '\0') return std::nullopt;
    for (std::size_t i = 0; text[i] != '\0'; ++i)
        if (lower(text[i]) == lower(key)) return i;
    return std::nullopt;
}

// No two rows share a name; each item is in a menu above it and each menu stands in the menu
// bar; every row has a text, a spoken name and an access key found in its text, unique among the
// rows beside it (in its menu, or in the menu bar); a menu does nothing itself, a command item
// does one thing, a choice none.
constexpr bool rowsAreWellFormed()
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& row = rows[i];
        if (sameText(row.text, "") || sameText(row.spoken.name, "") || !keyIndex(row.text, row.accessKey)) return false;
        if ((row.kind == Menu || row.kind == View) != (row.parent == nullptr)) return false;
        if ((row.kind == Exclusive) != (row.group != nullptr)) return false;
        const int actions = (row.command != Command::None) + (row.fileCommand != None);
        if (actions != (row.kind == Item ? 1 : 0)) return false;
        bool parentAbove = row.parent == nullptr;
        for (std::size_t j = 0; j < i; ++j) {
            if (sameText(rows[j].name, row.name)) return false;
            parentAbove |= (rows[j].kind == Menu || rows[j].kind == View) && sameText(rows[j].name, row.parent);
            if (sameText(rows[j].parent, row.parent) && lower(rows[j].accessKey) == lower(row.accessKey)) return false;
        }
        if (!parentAbove) return false;
    }
    return true;
}

// Exactly one item of each group is checked by default; each file command has one item.
constexpr bool oneDefaultPerGroupAndOneItemPerCommand()
{
    for (const MenuRow& row : rows) {
        if (row.group == nullptr) continue;
        int checked = 0;
        for (const MenuRow& other : rows) checked += sameText(other.group, row.group) && other.checkedByDefault;
        if (checked != 1) return false;
    }
    for (const FileCommand command :
         {OpenScenario, SaveScenario, CopyLink, SaveMeasurements, CopyMeasurements, SaveImage, CopyThirdLaw}) {
        int items = 0;
        for (const MenuRow& row : rows) items += row.fileCommand == command;
        if (items != 1) return false;
    }
    return true;
}

static_assert(rowsAreWellFormed(), "a menu row lacks its menu, text, spoken name, key or action, or shares one");
static_assert(oneDefaultPerGroupAndOneItemPerCommand(), "a group has no default or two, or a command no item or two");

// The window's menu item, as a row that stands in the menu bar itself.
MenuRow rowOfControl(const ControlDescription& control)
{
    return {control.name, Item, control.text, '\0', nullptr, nullptr, control.spoken, control.command};
}

}  // namespace

std::optional<std::size_t> MenuRow::accessKeyIndex() const { return keyIndex(text, accessKey); }

std::span<const MenuRow> menuBarRows()
{
    // "A propos" ends the bar, before the view.
    static const std::vector<MenuRow> all = [] {
        const auto view = std::find_if(rows.begin(), rows.end(), [](const MenuRow& row) { return row.kind == View; });
        std::vector<MenuRow> bar(rows.begin(), view);
        for (const ControlDescription& control : form1Controls())
            if (control.kind == ControlKind::MenuItem) bar.push_back(rowOfControl(control));
        bar.insert(bar.end(), view, rows.end());
        return bar;
    }();
    return all;
}

bool inMenuBar(const MenuRow& row)
{
    if (row.kind == View) return false;
    const MenuRow* parent = row.parent ? findMenuRow(row.parent) : nullptr;
    return parent == nullptr || parent->kind == Menu;
}

const MenuRow* findMenuRow(std::string_view name)
{
    for (const MenuRow& row : menuBarRows())
        if (name == row.name) return &row;
    return nullptr;
}

std::size_t menuRowIndex(const MenuRow& row) { return static_cast<std::size_t>(&row - menuBarRows().data()); }

const MenuRow& menuRowOf(FileCommand command)
{
    for (const MenuRow& row : menuBarRows())
        if (row.fileCommand == command) return row;
    return menuBarRows().front();  // None: the menu itself
}

}  // namespace virenast::form
