// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

// The main window `Form1` described as data: one row per control, in the order in which the
// window creates them, holding everything a front-end needs to build it: name, kind, text,
// place, colour, tab index, how a screen reader speaks it, and which control of the logic it
// is. Everything here is in twips (1/1440 inch, 15 twips per pixel at 96 dots per inch). The
// description holds no GUI type, so every front-end and the tests' in-memory window share it.
namespace virenast::form {

inline constexpr int twipsPerPixel = 15;

enum class ControlKind : std::uint8_t { Label, TextBox, Button, ScrollBar, Frame, Circle, Line, MenuItem };

// Colours by their role; form/colours.h gives each one its value in each scheme.
enum class Colour : std::uint8_t {
    Default,         // the platform's colour for that kind of control
    // The controls' back colours and the circles' fills.
    Desktop,         // system colour 1
    ActiveTitleBar,  // system colour 2
    AppWorkspace,    // system colour 12
    Red,
    Green,
    DarkRed,
    // What else the window draws (the shapes drawn over the drawing have roles of their own,
    // sim::DrawnRole).
    DisabledText,  // the text of a box that only the run writes (the current position)
    DrawingBack,   // the drawing area's background
    Outline,       // the lines, and the circles' outlines
};
inline constexpr std::size_t colourCount = static_cast<std::size_t>(Colour::Outline) + 1;

// A control's box: its top-left corner in its container, and its size.
struct Box {
    int left, top, width, height;
};

// A line's first end (X1, Y1) and second end (X2, Y2).
struct LineEnds {
    int x1, y1, x2, y2;
};

// What a click on a button or the menu item does; the window commands perform it.
enum class Command : std::uint8_t { None, ResetScene, RunCalculation, ShowPause, ShowAbout };

// Which control of the logic a row is, for the rows that the logic reads or writes.
using LogicControl =
    std::variant<std::monostate, platform::TextBox, platform::Label, platform::Shape, platform::Line>;

// What a screen reader says of a control besides its caption: the name built from its row and
// column captions, and for some a description. Empty where the caption says it all.
struct SpokenText {
    const char* name = "";
    const char* description = "";
};

struct ControlDescription {
    int order;          // place in the window's control list, which is also the creation order
    const char* name;
    ControlKind kind;
    const char* text;   // a label's, button's or menu item's caption; a text box's default text
    std::variant<Box, LineEnds> place;  // a line has two ends; every other control a box
    Colour colour;      // the back colour, or a circle's fill
    int tabIndex;       // -1 for the drawn objects and the menu item, which have none
    LogicControl logic;
    SpokenText spoken;
    Command command = Command::None;
    bool centred = false;       // text centred in the box
    bool wordWrap = false;      // text wrapped over several lines inside the box
    bool disabled = false;      // shows its text but takes neither the focus nor typing
    bool currentValue = false;  // shows where the run stands: whole on hover, never under a box

    const Box& box() const { return std::get<Box>(place); }
    const LineEnds& ends() const { return std::get<LineEnds>(place); }
    // The drawn objects stand in the drawing area; every other control in the client area.
    bool inDrawingArea() const { return kind == ControlKind::Circle || kind == ControlKind::Line; }
    // The controls that the keyboard reaches, in the order of their tab index.
    bool takesFocus() const
    {
        return (kind == ControlKind::TextBox || kind == ControlKind::Button || kind == ControlKind::ScrollBar) &&
               !disabled;
    }
    template <typename Control>
    std::optional<Control> logicControl() const
    {
        if (const Control* control = std::get_if<Control>(&logic)) return *control;
        return std::nullopt;
    }
};

struct ScrollRange {
    int minimum, maximum, value, smallChange, largeChange;
};

inline constexpr const char* windowName = "Form1";
inline constexpr const char* windowCaption = "Virenast";
inline constexpr int clientWidth = 15240;
inline constexpr int clientHeight = 10320;

inline constexpr ScrollRange timeStepRange{1, 24, 1, 1, 5};

// Every control of the window, the drawing area, its circles and lines and the menu item
// included, by creation order.
std::span<const ControlDescription> form1Controls();

// The control of that name, or nullptr: the one lookup by name.
const ControlDescription* findControl(std::string_view name);

// The row of a control of the logic.
const ControlDescription& controlOf(platform::TextBox box);
const ControlDescription& controlOf(platform::Label label);
const ControlDescription& controlOf(platform::Shape shape);
const ControlDescription& controlOf(platform::Line line);

const ControlDescription& drawingArea();
// The time step's scroll bar `HScroll1`.
const ControlDescription& timeStepBar();

inline const char* nameOf(auto control) { return controlOf(control).name; }

}  // namespace virenast::form
