// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/memory_platform.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The scenarios of the teacher's practical sheets (docs/fiches-tp.md), as a student types them:
// one place for the texts that the sheets quote, that their tests run and that the pictures
// of the sheets show.
namespace virenast::testing {

struct TypedText {
    const char* box;   // the control's name
    const char* text;  // exactly as typed
};

struct TeachingScenario {
    const char* id;  // also the name of its picture, docs/fiches/<id>.png
    std::vector<TypedText> typed;  // the boxes that differ from the window's defaults
    int hours;                     // the time step on the scroll bar
    double pictureAtYears;         // the moment of the run that its picture shows
    // A scenario run just before it in the same window (after its own, if it has one), whose path
    // its picture shows as well, dashed, and whose curves the graphs show lighter.
    const char* comparedWith = nullptr;
    // What its picture shows beyond the path: items of "Affichage", and the curves' check boxes
    // of the graphs' view when "graphiques" is among them.
    std::vector<const char*> shows = {};
};

std::span<const TeachingScenario> teachingScenarios();
const TeachingScenario& teachingScenario(std::string_view id);

// What a control shows once a run has ended, as a sheet quotes it: its first characters, cut
// where the window cuts a long number in its box ("1,9009…"), never rounded; or the whole text
// when the sheet says to hover over the control to read it.
struct ShownValue {
    const char* control;  // a text box or a label, by name
    const char* shows;    // with "…" at the end when the digits go on
};

// A reading at a given moment, made as the sheets teach it: the moment is typed in "Nombre
// d'années de calcul", the run goes to its end, and the values are read once "Fin de calcul"
// is closed. The sheet gives it as one row of a table: "| label | `years` | shown | … |".
struct DurationReading {
    const char* scenario;
    const char* label;             // the row's first column when a table sets runs side by side
    std::vector<TypedText> typed;  // typed on top of the scenario; Text1 always among them
    std::vector<ShownValue> shown;
};

std::span<const DurationReading> durationReadings();
// The values that a sheet reads after "Réinitialiser le graphique" alone, before any run; their
// rows have no years.
std::span<const DurationReading> startReadings();

// The row of the sheet that quotes a reading: the years typed, then each shown value.
std::string sheetRow(const DurationReading& reading);

// How long the runs of a sheet last on the wall clock at each slow pace of "Affichage", as one
// row of the reminders' table: "| label | `years` | at 5 s | at 20 s | at 1 min |". The
// scenarios of a row all end at the same elapsed time, as typed.
struct PacedRunRow {
    const char* label;
    std::vector<const char*> scenarios;
};

std::span<const PacedRunRow> pacedRunRows();

// The in-memory window as a student leaves it before pressing a button: the window's defaults,
// then the scenario's texts, its time step, and any further texts.
void typeScenario(platform::MemoryPlatform& window, const TeachingScenario& scenario,
                  std::span<const TypedText> more = {});

// The text that a text box or a label shows, by the control's name.
std::string shownBy(const platform::MemoryPlatform& window, std::string_view control);

}  // namespace virenast::testing
