// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/scenario.h"
#include "teaching_scenarios.h"

#include <span>
#include <string>
#include <vector>

// The scenario files that the practical sheets hand out (docs/scenarios/), and the line of each
// sheet that offers one, with its link: what the core writes for the sheet's own typed texts,
// so that a sheet's values and its scenario never disagree.
namespace virenast::testing {

struct SheetScenarioFile {
    const char* file;                  // in docs/scenarios/
    const char* scenario;              // the teaching scenario it starts from
    const char* label;                 // which run of its sheet, when a sheet has two; else nullptr
    std::vector<TypedText> more = {};  // typed on top of the scenario
    std::vector<const char*> shows = {};  // the items of "Affichage" it checks beyond the path
};

std::span<const SheetScenarioFile> sheetScenarioFiles();

// The whole scenario, every box, the time step and the display choices, as "Enregistrer le
// scénario…" writes it once the sheet's values are typed and its items checked: it opens to the
// same values and choices whatever the window held.
form::Scenario sheetScenario(const SheetScenarioFile& file);
// The choices of the sheet: the defaults, and the items it checks.
form::DisplayChoices sheetChoices(const SheetScenarioFile& file);

// The line of the sheet that offers the file and its link:
// "- [`fiche-2.virenast`](scenarios/fiche-2.virenast) ou le lien `virenast.html#G1=…`".
std::string sheetScenarioLine(const SheetScenarioFile& file);

// What a line offering a scenario file holds, to find the lines of the sheet that do.
inline constexpr const char* scenarioFileReference = "](scenarios/";

}  // namespace virenast::testing
