// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"
#include "form/form1_description.h"
#include "form/menu_bar.h"
#include "platform/controls.h"
#include "platform/window_platform.h"

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A scenario: what a class shares so that everyone starts from the same values. It is the typed
// texts of the twelve input boxes and the time step (the scroll bar's value, in hours), under
// the controls' names in the window's description, with a few French aliases; and it may carry
// the display choices of the menu bar: a checkable item under its name, "oui" or "non"
// ("trajectoire=oui"), the colours for a projector as "couleurs=projecteur" or
// "couleurs=standard", the pace under its group's name, the item's name ("vitesse=vitesse20").
// One format, written two ways:
//  - a link: pairs `name=text` joined by `&`, each text percent-encoded as UTF-8, a comma left
//    as it is ("G1=13271244&x1=1&xs=1,3&HScroll1=24"); a `+` is a plus sign, not a space;
//  - a file (`.virenast`): UTF-8 text, one `name=text` a line, the text as typed; blank lines and
//    lines whose first non-blank character is `#` are comments; a byte-order mark and CR LF line
//    ends are accepted.
//
// What it reads comes from anyone (a link in a mail, a file from a USB stick), so reading never
// fails: what it cannot take is left out and named in a French message. A pair is left out
// whole (never cut or mended) when its name is unknown or comes again (the first one counts),
// its text is longer than `scenarioTextCap` characters, holds a control character or is not
// UTF-8, or has a broken percent escape; a time step that is not a whole number of hours in the
// scroll bar's range is left out and the scroll bar keeps its value. The whole input is refused, and
// nothing at all changes, when it is larger than `scenarioInputCap` bytes (a stream is not read
// beyond that), when a file is not UTF-8 text (a NUL byte, or bytes that are not UTF-8: a
// picture or a program opened by mistake), or when not one pair can be taken.
namespace virenast::form {

inline constexpr std::size_t scenarioTextCap = 200;         // characters of one text
inline constexpr std::size_t scenarioInputCap = 64 * 1024;  // bytes of a whole link or file
inline constexpr const char* scenarioTimeStepAlias = "pas";  // the scroll bar's name is its own
inline constexpr const char* scenarioFileExtension = ".virenast";

// An input box of a scenario, named as its control, and the French alias also accepted on reading.
struct ScenarioBox {
    platform::TextBox box;
    const char* alias;

    const char* name() const { return nameOf(box); }
};

// The twelve input boxes, in the order a scenario is written (the window's reading order).
std::span<const ScenarioBox> scenarioBoxes();

// A display choice that a scenario carries: a checkable item checked or not, or an exclusive
// item, checked (its group's others then not).
struct ScenarioChoice {
    const MenuRow* row;
    bool checked;
    friend bool operator==(const ScenarioChoice&, const ScenarioChoice&) = default;
};

struct Scenario {
    // Indexed as scenarioBoxes(); empty for a box the scenario leaves as it is.
    std::array<std::optional<std::string>, 12> texts;
    std::optional<int> timeStepHours;
    // In the order of the menu bar's rows; a choice it leaves out stays as it is.
    std::vector<ScenarioChoice> choices;

    bool empty() const;
    friend bool operator==(const Scenario&, const Scenario&) = default;
};

struct ScenarioReading {
    Scenario scenario;
    // One French sentence for each thing left out, in the order met (at most a few dozen: the
    // rest is counted in the last one).
    std::vector<std::string> messages;
    // The whole input was refused: `scenario` is empty, and applying it changes nothing.
    bool refused = false;
};

// Reads a link: the pairs alone, or anything up to a `#` followed by the pairs (a whole address
// such as "virenast.html#G1=…" is read from its fragment).
ScenarioReading readScenarioLink(std::string_view link);
// Reads the bytes of a `.virenast` file.
ScenarioReading readScenarioFile(std::string_view bytes);
// Reads a file from a stream, never more than `scenarioInputCap` bytes and one.
ScenarioReading readScenarioFile(std::istream& in);

// The pairs of a link (without the `#`), every box and the time step that the scenario holds.
std::string scenarioLink(const Scenario& scenario);
// A `.virenast` file, with a first comment line saying what it is.
std::string scenarioFile(const Scenario& scenario);

// What the window holds now: every box's typed text and the scroll bar's value, and every
// display choice.
Scenario currentScenario(platform::WindowPlatform& window, const DisplayChoices& choices);
// Puts the scenario into the window as if typed: each text into its box (a bad value shows
// "Erreur" at the next reset or run, as typed), the time step onto the scroll bar. A box the
// scenario leaves out keeps its text; nothing is reset or run. The choices go into `choices`.
void applyScenario(const Scenario& scenario, platform::WindowPlatform& window, DisplayChoices& choices);

// The messages as one text for a message box: a first line that says whether anything was
// taken, then one line each.
std::string scenarioMessagesText(const ScenarioReading& reading);

}  // namespace virenast::form
