// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teaching_scenarios.h"

#include <stdexcept>
#include <string>

namespace virenast::testing {
namespace {

// A sun: 13 271 244 × 10^4 km³/s² is the Sun's 1,327·10^20 m³/s². It stands in the middle of
// the drawing; body 2 is set aside with no pull (G2 = 0), far from every path.
const std::vector<TypedText> sunAlone{{"G1", "13271244"}, {"x1", "1,9"}, {"y1", "1"},
                                      {"G2", "0"},        {"x2", "3,6"}, {"y2", "1,9"}};

std::vector<TypedText> around(const std::vector<TypedText>& scene, std::vector<TypedText> more)
{
    more.insert(more.begin(), scene.begin(), scene.end());
    return more;
}

const std::vector<TeachingScenario> scenarios{
    // 1. The default scene: the body leaves the drawing after about eight years.
    {"evasion", {}, 1, 4.0},
    // 2. A circular orbit of 0,9 AU: v = sqrt(G·10^13 / r) = 31 354 m/s.
    {"orbite-circulaire", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "1"}}), 1,
     0.3},
    // 3. An ellipse: the same start, slower.
    {"orbite-elliptique", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "1"}}), 1,
     0.27},
    // 4. The circular orbit again over three years, at one hour and at a day per step.
    {"pas-de-temps-1h", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "3"}}), 1,
     3.0},
    {"pas-de-temps-24h", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "31354"}, {"vy", "0"}, {"Text1", "3"}}),
     24, 3.0},
    // 5. The ellipse with a moving body of 1 kg instead of 1000 kg.
    {"masse", around(sunAlone, {{"xs", "1,9"}, {"ys", "0,1"}, {"vx", "25000"}, {"vy", "0"}, {"Text1", "1"}, {"Text4", "1"}}),
     1, 0.27},
    // 6. Two equal bodies: a figure of eight around both.
    {"huit",
     {{"G1", "3317811"}, {"x1", "1,4"}, {"y1", "1"}, {"G2", "3317811"}, {"x2", "2,4"}, {"y2", "1"},
      {"xs", "1,9"}, {"ys", "1"}, {"vx", "14000"}, {"vy", "-24249"}, {"Text1", "2"}},
     1, 0.2},
};

}  // namespace

std::span<const TeachingScenario> teachingScenarios() { return scenarios; }

const TeachingScenario& teachingScenario(std::string_view id)
{
    for (const TeachingScenario& scenario : scenarios)
        if (scenario.id == id) return scenario;
    throw std::invalid_argument("no scenario " + std::string(id));
}

}  // namespace virenast::testing
