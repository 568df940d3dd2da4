// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet_scenarios.h"

#include "platform/memory_platform.h"

namespace virenast::testing {
namespace {

const std::vector<SheetScenarioFile> files{
    {"fiche-1.virenast", "evasion", nullptr},
    {"fiche-2.virenast", "orbite-circulaire", nullptr, {}, {"vecteurVitesse", "vecteursForces"}},
    {"fiche-3.virenast", "orbite-elliptique", nullptr, {}, {"graphiques"}},
    {"fiche-4-1h.virenast", "pas-de-temps-1h", "à 1 h par pas"},
    {"fiche-4-24h.virenast", "pas-de-temps-24h", "à 24 h par pas"},
    {"fiche-5-1000kg.virenast", "orbite-elliptique", "1000 kg"},
    {"fiche-5-1kg.virenast", "masse", "1 kg"},
    {"fiche-6.virenast", "huit", nullptr},
    // The ellipse again, for the graphs and its measurements: two passages nearest to the sun
    // within the year.
    {"fiche-7.virenast", "orbite-elliptique", nullptr, {}, {"graphiques"}},
    // The law of areas: the ellipse for one turn, then with body 2 pulling.
    {"fiche-8.virenast", "loi-des-aires", "le Soleil seul", {}, {"airesBalayees", "reperesTemps"}},
    {"fiche-8-deux-corps.virenast", "aires-deux-corps", "avec le corps céleste 2", {}, {"airesBalayees", "reperesTemps"}},
    // The energies of the circle and their drift, at one hour and at a day per step.
    {"fiche-9-1h.virenast", "energie-1h", "à 1 h par pas", {},
     {"graphiques", "courbeEnergieCinetique", "courbeEnergiePotentielle", "courbeEcartEnergie"}},
    {"fiche-9-24h.virenast", "energie-24h", "à 24 h par pas", {},
     {"graphiques", "courbeEnergieCinetique", "courbeEnergiePotentielle", "courbeEcartEnergie"}},
};

}  // namespace

std::span<const SheetScenarioFile> sheetScenarioFiles() { return files; }

form::Scenario sheetScenario(const SheetScenarioFile& file)
{
    platform::MemoryPlatform window;
    typeScenario(window, teachingScenario(file.scenario), file.more);
    return form::currentScenario(window, sheetChoices(file));
}

form::DisplayChoices sheetChoices(const SheetScenarioFile& file)
{
    form::DisplayChoices choices;
    for (const char* item : file.shows) choices.set(*form::findMenuRow(item), true);
    return choices;
}

std::string sheetScenarioLine(const SheetScenarioFile& file)
{
    std::string line = "- ";
    if (file.label) line.append(file.label).append(" : ");
    line.append("[`").append(file.file).append("`").append(scenarioFileReference).append(file.file).append(")");
    line.append(" ou le lien `virenast.html#").append(form::scenarioLink(sheetScenario(file))).append("`");
    return line;
}

}  // namespace virenast::testing
