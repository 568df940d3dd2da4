// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// What the menu "Fichier" takes in and out of the window (a scenario as a file or a link, a run's
// measurements): its commands, which each front-end performs with its own file dialogs, and the
// texts of those dialogs. Its items are rows of the menu bar (form/menu_bar.h).
namespace virenast::form {

enum class FileCommand : std::uint8_t {
    None,
    OpenScenario,
    SaveScenario,
    CopyLink,
    SaveMeasurements,
    CopyMeasurements,  // the last run's rows on the clipboard, for a paste into a spreadsheet
    SaveImage,         // the drawing, and the graphs when shown, as a picture
    CopyThirdLaw,      // the table "Troisième loi" on the clipboard
};

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
// The measurements and the pictures are named after their run's start, so that two runs saved
// where the browser saves without asking stay apart: "mesures-2026-12-09-14h05m32.csv".
inline constexpr const char* measurementsFilePrefix = "mesures-";
inline constexpr const char* measurementsFileExtension = ".csv";
inline constexpr const char* imageFilePrefix = "image-";
inline constexpr const char* imageFileExtension = ".png";
inline constexpr const char* imageFileFilter = "Image PNG (*.png)";
// The name a file of that command is offered under, the measurements and the picture after their
// run's start in local time (`runStart`): "mesures-2026-12-09-14h05m32.csv", every field of the
// time with its zeros, so that files sorted by name are sorted by time. Without a time, or with
// one that cannot be written, the prefix and "0"; a scenario is always "scenario.virenast".
std::string offeredFileName(FileCommand command, const std::tm* runStart);
// A picture is taken at this many times the size of the screen's drawing, for a report.
inline constexpr int imageScale = 2;
// Said before the question when a very long run kept only one step in `%1`.
inline constexpr const char* thinnedRunNote = "Ce calcul est très long : seule une étape sur %1 a été gardée.";
// Where the clipboard is refused (a page opened from disk), the link is shown to copy by hand.
inline constexpr const char* linkToCopyCaption = "Copiez ce lien (Ctrl+C) :";
// The same for the measurements and the table, several lines long.
inline constexpr const char* textToCopyCaption = "Copiez ce texte (Ctrl+C) :";

// The desktop's message boxes about files (the page reads what the browser hands it and saves by
// download, where none of this can fail): the title of what a scenario read says, and what a file
// that cannot be read or written is told with, `%1` the file's name. Their title is the menu's.
inline constexpr const char* scenarioMessagesTitle = "Scénario";
inline constexpr const char* unreadableFileText = "Le fichier « %1 » ne peut pas être lu : rien n'a changé.";
constexpr const char* unsavedFileText(FileCommand command)
{
    switch (command) {
    case FileCommand::SaveScenario: return "Le scénario n'a pas pu être enregistré dans « %1 ».";
    case FileCommand::SaveMeasurements: return "Les mesures n'ont pas pu être enregistrées dans « %1 ».";
    case FileCommand::SaveImage: return "L'image n'a pas pu être enregistrée dans « %1 ».";
    default: return "« %1 » n'a pas pu être enregistré.";
    }
}

}  // namespace virenast::form
