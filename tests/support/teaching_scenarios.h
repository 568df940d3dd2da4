// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
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
};

std::span<const TeachingScenario> teachingScenarios();
const TeachingScenario& teachingScenario(std::string_view id);

}  // namespace virenast::testing
