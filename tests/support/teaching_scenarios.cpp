// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teaching_scenarios.h"

#include "default_window.h"
#include "form/form1_description.h"

#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

namespace virenast::testing {
namespace {

// A sun: 13 271 244 × 10^4 km³/s² is the Sun's 1,327·10^20 m³/s². It stands in the middle of
// the drawing; body 2 is set aside with no pull (G2 = 0), far from every path.
const std::vector<TypedText> sunAlone{{"G1", "13271244"}, {"x1", "1,9"}, {"y1", "1"},
                                      {"G2", "0"},        {"x2", "3,6"}, {"y2", "1,9"}};
// The same, body 2 given 30 % of the sun's pull where it stands.
const std::vector<TypedText> sunAndBody2{{"G1", "13271244"}, {"x1", "1,9"}, {"y1", "1"},
                                         {"G2", "3981373"},  {"x2", "3,6"}, {"y2", "1,9"}};

std::vector<TypedText> around(const std::vector<TypedText>& scene, std::vector<TypedText> more)
{
    more.insert(more.begin(), scene.begin(), scene.end());
    return more;
}

const std::vector<TeachingScenario> scenarios{
    // 1. The default scene: the body leaves the drawing after about eight years; the picture
    // shows it on its way out.
    {"evasion", {}, 1, 7.0},
    // 2. A circular orbit of 0,9 AU: v = sqrt(G·10^13 / r) = 31 354 m/s. The picture shows the
    // body back at the top after one turn, its velocity along the path and the force towards
    // the sun.
    {"orbite-circulaire", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "1"}}), 1,
     0.862, nullptr, {"vecteurVitesse", "vecteursForces"}},
    // 3. An ellipse: the same start, slower. The picture shows the body nearest to the sun.
    {"orbite-elliptique", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "1"}}), 1,
     0.27},
    // 4. The circular orbit again over three years, at one hour and at a day per step; each
    // picture shows its run's last step (3,0001… and 3,0020… years), the day's beside the path of
    // the hour.
    {"pas-de-temps-1h", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "3"}}), 1,
     3.0001},
    {"pas-de-temps-24h", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "3"}}),
     24, 3.002, "pas-de-temps-1h"},
    // 5. The ellipse with a moving body of 1 kg instead of 1000 kg, near the end of the year; the
    // picture shows its path over the path of 1000 kg.
    {"masse", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "1"}, {"Text4", "1"}}),
     1, 0.99, "orbite-elliptique"},
    // 8. The ellipse for one turn (its period, 0,544 year), cut into twelve equal times: the areas
    // swept; then body 2 given 30 % of the sun's pull. The pictures show the run's end.
    {"loi-des-aires",
     around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "0,544"}}), 1, 0.544,
     nullptr, {"airesBalayees", "reperesTemps"}},
    {"aires-deux-corps",
     around(sunAndBody2, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "0,544"}}),
     1, 0.544, nullptr, {"airesBalayees", "reperesTemps"}},
    // 3 and 7. The ellipse's year with the graphs: the picture shows its last step, the distance's
    // two closest approaches marked and the period written under the panels, and the table's row.
    {"periode", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "1"}}), 1, 1.0001,
     nullptr, {"graphiques"}},
    // 7. Two more orbits after it, slower then faster at the start: the picture of the last shows
    // the table's three rows (the one in between has no picture of its own).
    {"troisieme-loi-22000", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "22000"}, {"vy", "0"}, {"Text1", "1"}}),
     1, 1.0001, "periode", {"graphiques"}},
    {"troisieme-loi", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "28000"}, {"vy", "0"}, {"Text1", "1"}}), 1,
     1.0001, "troisieme-loi-22000", {"graphiques"}},
    // 9. The circle of sheet 2 over three years, at one hour and at a day per step, with its
    // energies and their drift in the graphs; each picture shows its run's last step, the day's
    // curves beside the hour's, lighter.
    {"energie-1h", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "3"}}), 1,
     3.0001, nullptr, {"graphiques", "courbeEnergieCinetique", "courbeEnergiePotentielle", "courbeEcartEnergie"}},
    {"energie-24h", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "3"}}), 24,
     3.002, "energie-1h", {"graphiques", "courbeEnergieCinetique", "courbeEnergiePotentielle", "courbeEcartEnergie"}},
    // 6. Two equal bodies: a figure of eight around both. The picture shows the body passing
    // between them for the fourth time, on the two eights it has drawn.
    {"huit",
     {{"G1", "3317811"}, {"x1", "1,4"}, {"y1", "1"}, {"G2", "3317811"}, {"x2", "2,4"}, {"y2", "1"},
      {"xs", "1,9"}, {"ys", "1"}, {"vx", "14000"}, {"vy", "-24249"}, {"Text1", "2"}},
     1, 1.676},
};

// Every reading at a moment that a sheet asks for, in the order of the sheets.
const std::vector<DurationReading> readings{
    // 1. An escape ends before the typed years, a run that stays just after them.
    {"evasion", "1900 m/s", {{"Text1", "10"}}, {{"tempscourant", "8,2467…"}, {"DC1C", "2,8104…"}}},
    {"evasion", "1000 m/s", {{"vx", "1000"}, {"Text1", "10"}}, {{"tempscourant", "10,0001…"}, {"DC1C", "0,6895…"}}},
    // 2. The circle's period: back at x = 1,9 between 0,858 and 0,862.
    {"orbite-circulaire", nullptr, {{"Text1", "0,858"}}, {{"tempscourant", "0,8580…"}, {"xsc", "1,8746…"}}},
    {"orbite-circulaire", nullptr, {{"Text1", "0,862"}}, {{"tempscourant", "0,8620…"}, {"xsc", "1,9009…"}}},
    {"orbite-circulaire", nullptr, {{"Text1", "0,866"}}, {{"tempscourant", "0,8660…"}, {"xsc", "1,9272…"}}},
    // 3. The ellipse: nearest to the sun about 0,27 year in...
    {"orbite-elliptique", nullptr, {{"Text1", "0,260"}}, {{"tempscourant", "0,2601…"}, {"DC1C", "0,4245…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,270"}}, {{"tempscourant", "0,2700…"}, {"DC1C", "0,4211…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,280"}}, {{"tempscourant", "0,2801…"}, {"DC1C", "0,4257…"}}},
    // ...below the sun's level (y > 1) between 0,192 and 0,196...
    {"orbite-elliptique", nullptr, {{"Text1", "0,192"}}, {{"tempscourant", "0,1920…"}, {"ysc", "0,9692…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,196"}}, {{"tempscourant", "0,1960…"}, {"ysc", "1,0023…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,200"}}, {{"tempscourant", "0,2000…"}, {"ysc", "1,0353…"}}},
    // ...above it again between 0,340 and 0,344...
    {"orbite-elliptique", nullptr, {{"Text1", "0,340"}}, {{"tempscourant", "0,3400…"}, {"ysc", "1,0320…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,344"}}, {{"tempscourant", "0,3440…"}, {"ysc", "0,9992…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,348"}}, {{"tempscourant", "0,3480…"}, {"ysc", "0,9663…"}}},
    // ...and back at the top, x = 1,9, between 0,540 and 0,544.
    {"orbite-elliptique", nullptr, {{"Text1", "0,540"}}, {{"tempscourant", "0,5400…"}, {"xsc", "1,8800…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,544"}}, {{"tempscourant", "0,5440…"}, {"xsc", "1,9008…"}}},
    {"orbite-elliptique", nullptr, {{"Text1", "0,548"}}, {{"tempscourant", "0,5480…"}, {"xsc", "1,9216…"}}},
    // 4. The drift of the circle year by year, at one hour and at a day per step...
    {"pas-de-temps-1h", "1 h", {{"Text1", "1"}}, {{"tempscourant", "1,0001…"}, {"DC1C", "0,9048…"}}},
    {"pas-de-temps-1h", "1 h", {{"Text1", "2"}}, {{"tempscourant", "2,0001…"}, {"DC1C", "0,9101…"}}},
    {"pas-de-temps-1h", "1 h", {{"Text1", "3"}}, {{"tempscourant", "3,0001…"}, {"DC1C", "0,9160…"}}},
    {"pas-de-temps-24h", "24 h", {{"Text1", "1"}}, {{"tempscourant", "1,0006…"}, {"DC1C", "1,0084…"}}},
    {"pas-de-temps-24h", "24 h", {{"Text1", "2"}}, {{"tempscourant", "2,0013…"}, {"DC1C", "1,1168…"}}},
    {"pas-de-temps-24h", "24 h", {{"Text1", "3"}}, {{"tempscourant", "3,0020…"}, {"DC1C", "1,2220…"}}},
    // ...and the first turn at a day per step, back at x = 1,9 between 0,940 and 0,945.
    {"pas-de-temps-24h", "24 h", {{"Text1", "0,935"}}, {{"tempscourant", "0,9376…"}, {"xsc", "1,8660…"}}},
    {"pas-de-temps-24h", "24 h", {{"Text1", "0,940"}}, {{"tempscourant", "0,9403…"}, {"xsc", "1,8831…"}}},
    {"pas-de-temps-24h", "24 h", {{"Text1", "0,945"}}, {{"tempscourant", "0,9458…"}, {"xsc", "1,9172…"}}},
    // 5. The same path for 1000 kg and 1 kg, read whole by hovering, and forces a thousand
    // times apart.
    {"orbite-elliptique", "1000 kg", {{"Text1", "0,25"}},
     {{"xsc", "2,11271971383242"}, {"ysc", "1,3799780209741"}, {"AC1C", "31,0803084048425"}}},
    {"masse", "1 kg", {{"Text1", "0,25"}},
     {{"xsc", "2,11271971383242"}, {"ysc", "1,3799780209741"}, {"AC1C", "0,0310803084048425"}}},
    {"orbite-elliptique", "1000 kg", {{"Text1", "1"}},
     {{"xsc", "1,4366368099632"}, {"ysc", "0,292690003097934"}, {"AC1C", "8,25319603569337"}}},
    {"masse", "1 kg", {{"Text1", "1"}},
     {{"xsc", "1,43663680996317"}, {"ysc", "0,2926900030979"}, {"AC1C", "0,00825319603569251"}}},
    // 6. The first passage between the two bodies, at x = 1,9, between 0,410 and 0,420.
    {"huit", nullptr, {{"Text1", "0,410"}},
     {{"tempscourant", "0,4100…"}, {"xsc", "1,9143…"}, {"AC1C", "5,1556…"}, {"AC2C", "5,7449…"}}},
    {"huit", nullptr, {{"Text1", "0,415"}},
     {{"tempscourant", "0,4150…"}, {"xsc", "1,9002…"}, {"AC1C", "5,2825…"}, {"AC2C", "5,3047…"}}},
    {"huit", nullptr, {{"Text1", "0,420"}},
     {{"tempscourant", "0,4200…"}, {"xsc", "1,8858…"}, {"AC1C", "5,3921…"}, {"AC2C", "4,8970…"}}},
    // The whole two years: the body stays in the drawing.
    {"huit", nullptr, {{"Text1", "2"}},
     {{"tempscourant", "2,0001…"}, {"xsc", "2,6171…"}, {"AC1C", "0,9934…"}, {"AC2C", "30,1175…"}}},
};

// What the window shows after a reset alone, that a sheet quotes.
const std::vector<DurationReading> startReadings_{
    {"evasion", "Au départ", {}, {{"DC1C", "0,5"}, {"DC2C", "0,707106781186548"}}},
    {"orbite-circulaire", "Au départ", {}, {{"DC1C", "0,9"}}},
    {"orbite-elliptique", "Au départ", {}, {{"DC1C", "0,9"}}},
    {"huit", "Au départ", {}, {{"DC1C", "0,5"}, {"DC2C", "0,5"}, {"AC1C", "5,89833066666667"}, {"AC2C", "5,89833066666667"}}},
};

// The sheets' runs at the slow paces, for a teacher who plans a session: the escape ends when
// the body leaves, the others when their years are up.
const std::vector<PacedRunRow> pacedRuns{
    {"Fiche 1", {"evasion"}},
    {"Fiches 2, 3 et 5", {"orbite-circulaire", "orbite-elliptique", "masse"}},
    {"Fiche 4", {"pas-de-temps-1h", "pas-de-temps-24h"}},
    {"Fiche 6", {"huit"}},
    {"Fiche 8", {"loi-des-aires", "aires-deux-corps"}},
    {"Fiche 9", {"energie-1h", "energie-24h"}},
};

// The control of the logic that the window calls by that name, if it is of that kind.
template <typename Control>
std::optional<Control> controlNamed(std::string_view name)
{
    const form::ControlDescription* control = form::findControl(name);
    return control ? control->logicControl<Control>() : std::nullopt;
}

platform::TextBox textBoxNamed(std::string_view name)
{
    if (const auto box = controlNamed<platform::TextBox>(name)) return *box;
    throw std::invalid_argument("no text box " + std::string(name));
}

}  // namespace

std::span<const TeachingScenario> teachingScenarios() { return scenarios; }

const TeachingScenario& teachingScenario(std::string_view id)
{
    for (const TeachingScenario& scenario : scenarios)
        if (scenario.id == id) return scenario;
    throw std::invalid_argument("no scenario " + std::string(id));
}

std::span<const DurationReading> durationReadings() { return readings; }
std::span<const DurationReading> startReadings() { return startReadings_; }
std::span<const PacedRunRow> pacedRunRows() { return pacedRuns; }

std::string sheetRow(const DurationReading& reading)
{
    std::string row = "|";
    if (reading.label) row.append(" ").append(reading.label).append(" |");
    for (const TypedText& typed : reading.typed)
        if (std::strcmp(typed.box, "Text1") == 0) row.append(" `").append(typed.text).append("` |");
    for (const ShownValue& value : reading.shown) row.append(" ").append(value.shows).append(" |");
    return row;
}

void typeScenario(platform::MemoryPlatform& window, const TeachingScenario& scenario, std::span<const TypedText> more)
{
    loadWindowDefaults(window);
    for (const TypedText& typed : scenario.typed) window.type(textBoxNamed(typed.box), typed.text);
    for (const TypedText& typed : more) window.type(textBoxNamed(typed.box), typed.text);
    window.moveScrollBar(static_cast<std::int16_t>(scenario.hours));
}

std::string shownBy(const platform::MemoryPlatform& window, std::string_view control)
{
    if (const auto box = controlNamed<platform::TextBox>(control)) return window.shownText(*box);
    if (const auto label = controlNamed<platform::Label>(control)) return window.caption(*label);
    throw std::invalid_argument("no text box or label " + std::string(control));
}

}  // namespace virenast::testing
