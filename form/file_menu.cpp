// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/file_menu.h"

#include "sim/scenario.h"

#include <array>

namespace virenast::form {
namespace {

using enum FileCommand;

// clang-format off
constexpr std::array rows{
    FileMenuRow{1, "fichier",             "Fichier",                       'F', nullptr,
                {"Fichier", "Ouvrir ou enregistrer un scénario, enregistrer les mesures"}},
    FileMenuRow{2, "ouvrirScenario",      "Ouvrir un scénario…",           'O', "fichier",
                {"Ouvrir un scénario", "Remplit les cases avec les valeurs d'un fichier de scénario"}, OpenScenario},
    FileMenuRow{3, "enregistrerScenario", "Enregistrer le scénario…",      'E', "fichier",
                {"Enregistrer le scénario", "Enregistre les valeurs tapées dans un fichier de scénario"}, SaveScenario},
    FileMenuRow{4, "copierLien",          "Copier le lien du scénario",    'C', "fichier",
                {"Copier le lien du scénario", "Copie un lien qui ouvre la page avec les valeurs tapées"}, CopyLink},
    FileMenuRow{5, "enregistrerMesures",  "Enregistrer les mesures…",      'M', "fichier",
                {"Enregistrer les mesures", "Enregistre les mesures du dernier calcul dans un fichier CSV"},
                SaveMeasurements},
};
// clang-format on

constexpr bool sameText(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::optional<std::size_t> keyIndex(const char* text, char key)
{
    for (std::size_t i = 0; text[i] != '\0'; ++i)
        if (lower(text[i]) == lower(key)) return i;
    return std::nullopt;
}

// The menu comes first and alone; every item has a command of its own, a text, a spoken name
// and an access key found in its text and unique in the menu.
constexpr bool rowsAreWellFormed()
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FileMenuRow& row = rows[i];
        if (row.order != static_cast<int>(i) + 1) return false;
        if ((i == 0) != (row.parent == nullptr) || (i == 0) != (row.command == None)) return false;
        if (i != 0 && !sameText(row.parent, rows[0].name)) return false;
        if (sameText(row.text, "") || sameText(row.spoken.name, "") || !keyIndex(row.text, row.accessKey)) return false;
        for (std::size_t j = 1; j < i; ++j)
            if (lower(rows[j].accessKey) == lower(row.accessKey) || rows[j].command == row.command) return false;
    }
    return rows.size() == 5;
}

static_assert(rowsAreWellFormed(), "a row of \"Fichier\" lacks its text, key or command, or shares one");
// The scroll bar's range, which a scenario's time step keeps to.
static_assert(timeStepRange.minimum == sim::scenarioTimeStepMinimum &&
              timeStepRange.maximum == sim::scenarioTimeStepMaximum);

}  // namespace

std::optional<std::size_t> FileMenuRow::accessKeyIndex() const { return keyIndex(text, accessKey); }

std::span<const FileMenuRow> fileMenuRows() { return rows; }

const FileMenuRow* findFileMenuRow(std::string_view name)
{
    for (const FileMenuRow& row : rows)
        if (name == row.name) return &row;
    return nullptr;
}

const FileMenuRow& fileMenuRowOf(FileCommand command)
{
    for (const FileMenuRow& row : rows)
        if (row.command == command) return row;
    return rows.front();
}

}  // namespace virenast::form
