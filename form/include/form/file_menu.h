// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/form1_description.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The menu "Fichier", first in the menu bar: what a class takes in and out of the window (a
// scenario as a file or a link, a run's measurements). Described as data like "Affichage": the
// menu, then its items in the order they are shown, each with its access key and the texts a
// screen reader speaks.
namespace virenast::form {

// What choosing an item does; each front-end performs it with its own file dialogs.
enum class FileCommand : std::uint8_t {
    None,
    OpenScenario,
    SaveScenario,
    CopyLink,
    SaveMeasurements,
};

struct FileMenuRow {
    int order;           // place in the menu, from 1 for the menu itself
    const char* name;    // QAction's object name, the page element's id
    const char* text;    // shown exactly so, without the access key's mark
    char accessKey;      // a character of `text`, the first of which is underlined
    const char* parent;  // the menu it is in; nullptr for the menu itself
    SpokenText spoken;
    FileCommand command = FileCommand::None;

    bool isMenu() const { return parent == nullptr; }
    // Where `accessKey` stands in `text` (the first place, either case, in bytes).
    std::optional<std::size_t> accessKeyIndex() const;
};

inline constexpr const char* fileMenuName = "fichier";

std::span<const FileMenuRow> fileMenuRows();
const FileMenuRow* findFileMenuRow(std::string_view name);
const FileMenuRow& fileMenuRowOf(FileCommand command);

// The dialog's filter for scenario files, and the name the page's address carries them after.
inline constexpr const char* scenarioFileFilter = "Scénario Virenast (*.virenast)";
inline constexpr const char* measurementsFileFilter = "Mesures CSV (*.csv)";
// A link to a scenario: the one-file page with the scenario's pairs as its fragment, so that
// nothing is sent to a server and it opens from a USB stick as from a site.
inline constexpr const char* scenarioLinkBase = "virenast.html#";

// "Enregistrer les mesures…" asks how often to keep a step: "Une ligne toutes les N étapes…",
// the number between the two texts.
inline constexpr const char* everyNthStepBefore = "Une ligne toutes les";
inline constexpr const char* everyNthStepAfter = "étapes (1 : toutes ; le début et la fin toujours)";
// What the files are called when the user names them no other way.
inline constexpr const char* scenarioFileName = "scenario.virenast";
inline constexpr const char* measurementsFileName = "mesures.csv";
// Said before the question when a very long run kept only one step in `%1`.
inline constexpr const char* thinnedRunNote = "Ce calcul est très long : seule une étape sur %1 a été gardée.";
// Where the clipboard is refused (a page opened from disk), the link is shown to copy by hand.
inline constexpr const char* linkToCopyCaption = "Copiez ce lien (Ctrl+C) :";

}  // namespace virenast::form
