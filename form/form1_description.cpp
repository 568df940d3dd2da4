// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/form1_description.h"

#include <array>
#include <cstddef>

namespace virenast::form {
namespace {

using platform::Label;
using platform::Line;
using platform::Shape;
using platform::TextBox;
using enum Colour;

// One maker per kind of row, so that each row of the table below says only what its kind has.

constexpr ControlDescription caption(int order, const char* name, const char* text, Box box, int tab,
                                     Colour back = Default)
{
    return {order, name, ControlKind::Label, text, box, back, tab, {}, {}};
}

constexpr ControlDescription centred(ControlDescription control)
{
    control.centred = true;
    return control;
}

constexpr ControlDescription wrapped(ControlDescription control)
{
    control.wordWrap = true;
    return control;
}

// A label that the logic writes a number into.
constexpr ControlDescription result(int order, const char* name, const char* text, Box box, int tab, Label logic,
                                    const char* spokenName)
{
    ControlDescription control{order, name, ControlKind::Label, text, box, Default, tab, logic, {spokenName}};
    control.currentValue = true;
    return control;
}

constexpr ControlDescription textBox(int order, const char* name, const char* text, Box box, Colour back, int tab,
                                     TextBox logic, const char* spokenName)
{
    return {order, name, ControlKind::TextBox, text, box, back, tab, logic, {spokenName}};
}

// A box that only the run writes: the current position.
constexpr ControlDescription currentBox(int order, const char* name, const char* text, Box box, Colour back, int tab,
                                        TextBox logic, const char* spokenName)
{
    ControlDescription control = textBox(order, name, text, box, back, tab, logic, spokenName);
    control.disabled = true;
    control.currentValue = true;
    return control;
}

constexpr ControlDescription button(int order, const char* name, const char* text, Box box, Colour back, int tab,
                                    Command command)
{
    return {order, name, ControlKind::Button, text, box, back, tab, {}, {}, command};
}

constexpr ControlDescription scrollBar(int order, const char* name, Box box, int tab, SpokenText spoken)
{
    return {order, name, ControlKind::ScrollBar, "", box, Default, tab, {}, spoken};
}

constexpr ControlDescription frame(int order, const char* name, Box box, int tab)
{
    return {order, name, ControlKind::Frame, "", box, Default, tab, {}, {}};
}

constexpr ControlDescription circle(int order, const char* name, Box box, Colour fill, Shape logic)
{
    return {order, name, ControlKind::Circle, "", box, fill, -1, logic, {}};
}

constexpr ControlDescription line(int order, const char* name, LineEnds ends, Line logic)
{
    return {order, name, ControlKind::Line, "", ends, Default, -1, logic, {}};
}

constexpr ControlDescription menuCommand(int order, const char* name, const char* text, Command command)
{
    return {order, name, ControlKind::MenuItem, text, Box{}, Default, -1, {}, {}, command};
}

// Places and sizes in twips: {Left, Top, Width, Height}, or a line's {X1, Y1, X2, Y2}. The
// drawn objects stand in the drawing area `frame1`; every other control in the client area.
// A text box's or result's last text is what a screen reader calls it.
// clang-format off
constexpr std::array controls{
    button( 1, "Command3",  "Pause",                       { 6480, 9840, 1815, 375}, Red, 43, Command::ShowPause),
    textBox( 2, "G1",     "3500", { 1560, 8880, 1095, 285}, Desktop, 17, TextBox::G1,
        "Corps céleste 1, constante de gravitation [10^4km3/s²]"),
    textBox( 3, "G2",     "3500", { 1560, 9240, 1095, 285}, Red, 16, TextBox::G2,
        "Corps céleste 2, constante de gravitation [10^4km3/s²]"),
    textBox( 4, "vx",     "1900", { 5040, 9600,  615, 285}, Green, 15, TextBox::vx,
        "Corps valeurs initiales, vitesse x [m/s]"),
    textBox( 5, "vy",     "0",    { 5760, 9600,  615, 285}, Green, 14, TextBox::vy,
        "Corps valeurs initiales, vitesse y [m/s]"),
    textBox( 6, "x2",     "1,8",  { 2760, 9240,  495, 285}, Red, 13, TextBox::x2,
        "Corps céleste 2, position x [UA]"),
    textBox( 7, "y2",     "1",    { 3360, 9240,  495, 285}, Red, 12, TextBox::y2,
        "Corps céleste 2, position y [UA]"),
    textBox( 8, "Text1",  "10",   {10800, 9480,  495, 285}, Default, 11, TextBox::Text1,
        "Nombre d'années de calcul"),
    textBox( 9, "xs",     "1,3",  { 2520, 9600,  735, 285}, Green, 10, TextBox::xs,
        "Corps valeurs initiales, position x [UA]"),
    textBox(10, "ys",     "1,5",  { 3360, 9600,  735, 285}, Green, 9, TextBox::ys,
        "Corps valeurs initiales, position y [UA]"),
    textBox(11, "Text4",  "1000", { 4200, 9600,  735, 285}, Green, 8, TextBox::Text4,
        "Corps valeurs initiales, masse [kg]"),
    currentBox(12, "xsc",    "1,3",  { 2520, 9960,  735, 285}, Green, 7, TextBox::xsc,
        "Corps valeurs courantes, position x [UA]"),
    currentBox(13, "ysc",    "1,5",  { 3360, 9960,  735, 285}, Green, 6, TextBox::ysc,
        "Corps valeurs courantes, position y [UA]"),
    textBox(14, "x1",     "1,3",  { 2760, 8880,  495, 285}, Desktop, 5, TextBox::x1,
        "Corps céleste 1, position x [UA]"),
    textBox(15, "y1",     "1",    { 3360, 8880,  495, 285}, Desktop, 4, TextBox::y1,
        "Corps céleste 1, position y [UA]"),
    button(16, "Command1",  "Réinitialiser le graphique",  { 6480, 8640, 1815, 495}, Default, 3, Command::ResetScene),
    button(17, "Command2",  "Lancer le calcul",            { 6480, 9240, 1815, 495}, Default, 2, Command::RunCalculation),
    scrollBar(18, "HScroll1", { 8760, 8880, 2295, 375}, 1,
        {"Finesse du calcul", "Pas de temps du calcul, en heures, de 1 à 24"}),
    frame(19, "frame1", {0, 0, 15255, 8175}, 0),
    circle(20, "corps",  {5160, 6120, 105, 105}, Green, Shape::corps),
    circle(21, "corps2", {7080, 3960, 135, 135}, DarkRed, Shape::corps2),
    circle(22, "corps1", {5160, 3960, 135, 135}, ActiveTitleBar, Shape::corps1),
    line(23, "Line2", {5160, 6120, 7200, 3960}, Line::Line2),
    line(24, "Line1", {5280, 4080, 5160, 6120}, Line::Line1),
    caption(25, "Label1",  "Corps céleste 1",                         {  120, 8880, 1335, 255}, 42),
    caption(26, "Label2",  "Corps céleste 2",                         {  120, 9240, 1335, 255}, 41),
    wrapped(centred(caption(27, "Label3",  "Constante de gravitation [10^4km3/s²]",   { 1440, 8160, 1335, 615}, 40))),
    caption(28, "Label4",  "Position [UA]",                           { 2880, 8280, 1095, 255}, 39),
    caption(29, "Label5",  "x",                                       { 5280, 9240,  135, 255}, 38),
    caption(30, "Label6",  "y",                                       { 5760, 9240,  255, 255}, 37),
    caption(31, "Label7",  "Nombre d'années de calcul :",             { 8640, 9480, 2055, 255}, 36),
    caption(32, "Label8",  "Remarque : 1UA = 1,5.10^8 km",            { 5040, 8280, 2295, 255}, 35, AppWorkspace),
    caption(33, "Label9",  "Corps valeurs initiales",                 {  120, 9600, 1935, 255}, 34),
    caption(34, "Label10", "Masse [kg]",                              { 4200, 9240,  855, 255}, 33),
    caption(35, "Label11", "Vitesse [m/s]",                           { 5040, 9000,  975, 255}, 32),
    caption(36, "Label12", "Corps valeurs courantes",                 {  120, 9960, 1935, 255}, 31),
    caption(37, "Label13", "x",                                       { 2880, 8520,  135, 255}, 30),
    caption(38, "Label14", "y",                                       { 3360, 8520,  255, 255}, 29),
    centred(caption(39, "Label15", "Finesse du calcul",                       { 8760, 8520, 2295, 255}, 28)),
    caption(40, "Label16", "Distance corps1 corps [UA]",              {11160, 8400, 2055, 255}, 27),
    caption(41, "Label17", "Distance corps2 corps [UA]",              {11160, 9120, 2055, 255}, 26),
    caption(42, "Label18", "Action corps1 corps [N]",                 {11400, 8760, 1815, 255}, 25),
    caption(43, "Label19", "Action corps2 corps [N]",                 {11400, 9480, 1815, 255}, 24),
    result(44, "DC1C",         "",  {13200, 8400, 1935, 255}, 23, Label::DC1C, "Distance corps1 corps [UA]"),
    result(45, "AC1C",         "",  {13200, 8760, 1935, 255}, 22, Label::AC1C, "Action corps1 corps [N]"),
    result(46, "DC2C",         "",  {13080, 9120, 2055, 255}, 21, Label::DC2C, "Distance corps2 corps [UA]"),
    result(47, "AC2C",         "",  {13200, 9480, 1935, 255}, 20, Label::AC2C, "Action corps2 corps [N]"),
    caption(48, "Label20", "Temps courant [années]",                  { 8760, 9960, 1815, 255}, 19),
    result(49, "tempscourant", "0", {10680, 9960, 1095, 255}, 18, Label::tempscourant, "Temps courant [années]"),
    menuCommand(50, "apropos", "A propos", Command::ShowAbout),
};
// clang-format on

// Checks made as the program compiles.

constexpr bool sameText(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr bool ordersRunFromOneWithoutGap()
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].order != static_cast<int>(i) + 1) return false;
    return true;
}

constexpr bool namesAndTabIndexesAreUnique()
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (sameText(controls[i].name, controls[j].name)) return false;
            if (controls[i].tabIndex >= 0 && controls[i].tabIndex == controls[j].tabIndex) return false;
        }
    return true;
}

template <typename Control>
constexpr bool holds(const ControlDescription& row, std::size_t index)
{
    const Control* control = std::get_if<Control>(&row.logic);
    return control != nullptr && platform::indexOf(*control) == index;
}

// Every control of the logic has exactly one row, of the kind that can serve it, and a row
// names no control beyond the logic's list; the boxes and results have a spoken name.
template <typename Control>
constexpr bool eachControlOnce(std::size_t count, ControlKind kind, bool spoken)
{
    std::size_t rows = 0;
    for (const ControlDescription& row : controls) {
        if (!std::holds_alternative<Control>(row.logic)) continue;
        ++rows;
        if (row.kind != kind || (spoken && sameText(row.spoken.name, ""))) return false;
    }
    if (rows != count) return false;
    for (std::size_t index = 0; index < count; ++index) {
        std::size_t found = 0;
        for (const ControlDescription& row : controls) found += holds<Control>(row, index) ? 1 : 0;
        if (found != 1) return false;
    }
    return true;
}

// Each command is raised by exactly one button or menu item.
constexpr bool eachCommandOnce()
{
    for (const Command command :
         {Command::ResetScene, Command::RunCalculation, Command::ShowPause, Command::ShowAbout}) {
        std::size_t rows = 0;
        for (const ControlDescription& row : controls) rows += row.command == command ? 1 : 0;
        if (rows != 1) return false;
    }
    return true;
}

static_assert(ordersRunFromOneWithoutGap(), "the rows are in creation order, numbered from 1");
static_assert(namesAndTabIndexesAreUnique(), "two controls share a name or a tab index");
static_assert(eachCommandOnce(), "a command is bound to no control or to two");
static_assert(eachControlOnce<TextBox>(platform::textBoxCount, ControlKind::TextBox, true));
static_assert(eachControlOnce<Label>(platform::labelCount, ControlKind::Label, true));
static_assert(eachControlOnce<Shape>(platform::shapeCount, ControlKind::Circle, false));
static_assert(eachControlOnce<Line>(platform::lineCount, ControlKind::Line, false));

// The row of each control of the logic, by the control's index.
template <typename Control, std::size_t count>
constexpr std::array<std::size_t, count> rowsOf()
{
    std::array<std::size_t, count> rows{};
    for (std::size_t row = 0; row < controls.size(); ++row)
        for (std::size_t index = 0; index < count; ++index)
            if (holds<Control>(controls[row], index)) rows[index] = row;
    return rows;
}

constexpr auto textBoxRows = rowsOf<TextBox, platform::textBoxCount>();
constexpr auto labelRows = rowsOf<Label, platform::labelCount>();
constexpr auto shapeRows = rowsOf<Shape, platform::shapeCount>();
constexpr auto lineRows = rowsOf<Line, platform::lineCount>();

constexpr std::size_t rowOfKind(ControlKind kind)
{
    for (std::size_t row = 0; row < controls.size(); ++row)
        if (controls[row].kind == kind) return row;
    return controls.size();
}

constexpr std::size_t frameRow = rowOfKind(ControlKind::Frame);
constexpr std::size_t scrollBarRow = rowOfKind(ControlKind::ScrollBar);
static_assert(frameRow < controls.size() && scrollBarRow < controls.size());

}  // namespace

std::span<const ControlDescription> form1Controls() { return controls; }

const ControlDescription* findControl(std::string_view name)
{
    for (const ControlDescription& control : controls)
        if (name == control.name) return &control;
    return nullptr;
}

const ControlDescription& controlOf(TextBox box) { return controls[textBoxRows[platform::indexOf(box)]]; }
const ControlDescription& controlOf(Label label) { return controls[labelRows[platform::indexOf(label)]]; }
const ControlDescription& controlOf(Shape shape) { return controls[shapeRows[platform::indexOf(shape)]]; }
const ControlDescription& controlOf(Line line) { return controls[lineRows[platform::indexOf(line)]]; }

const ControlDescription& drawingArea() { return controls[frameRow]; }
const ControlDescription& timeStepBar() { return controls[scrollBarRow]; }

}  // namespace virenast::form
