// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1_description.h"

#include <array>
#include <cstring>

namespace virenast::app {
namespace {

using enum ControlKind;
using enum Colour;

// clang-format off
constexpr std::array<ControlDescription, 43> controls{{
    //  #  name        kind       text                                      left   top  width height back            tab
    { 1, "Command3", Button,    "Pause",                                   6480, 9840, 1815,  375, Red,             43},
    { 2, "G1",       TextBox,   "3500",                                    1560, 8880, 1095,  285, Desktop,         17},
    { 3, "G2",       TextBox,   "3500",                                    1560, 9240, 1095,  285, Red,             16},
    { 4, "vx",       TextBox,   "1900",                                    5040, 9600,  615,  285, Green,           15},
    { 5, "vy",       TextBox,   "0",                                       5760, 9600,  615,  285, Green,           14},
    { 6, "x2",       TextBox,   "1,8",                                     2760, 9240,  495,  285, Red,             13},
    { 7, "y2",       TextBox,   "1",                                       3360, 9240,  495,  285, Red,             12},
    { 8, "Text1",    TextBox,   "10",                                     10800, 9480,  495,  285, Default,         11},
    { 9, "xs",       TextBox,   "1,3",                                     2520, 9600,  735,  285, Green,           10},
    {10, "ys",       TextBox,   "1,5",                                     3360, 9600,  735,  285, Green,            9},
    {11, "Text4",    TextBox,   "1000",                                    4200, 9600,  735,  285, Green,            8},
    {12, "xsc",      TextBox,   "1,3",                                     2520, 9960,  735,  285, Green,            7, false, false, true},
    {13, "ysc",      TextBox,   "1,5",                                     3360, 9960,  735,  285, Green,            6, false, false, true},
    {14, "x1",       TextBox,   "1,3",                                     2760, 8880,  495,  285, Desktop,          5},
    {15, "y1",       TextBox,   "1",                                       3360, 8880,  495,  285, Desktop,          4},
    {16, "Command1", Button,    "Réinitialiser le graphique",              6480, 8640, 1815,  495, Default,          3},
    {17, "Command2", Button,    "Lancer le calcul",                        6480, 9240, 1815,  495, Default,          2},
    {18, "HScroll1", ScrollBar, "",                                        8760, 8880, 2295,  375, Default,          1},
    {25, "Label1",   Label,     "Corps céleste 1",                          120, 8880, 1335,  255, Default,         42},
    {26, "Label2",   Label,     "Corps céleste 2",                          120, 9240, 1335,  255, Default,         41},
    {27, "Label3",   Label,     "Constante de gravitation [10^4km3/s²]",   1440, 8160, 1335,  615, Default,         40, true, true},
    {28, "Label4",   Label,     "Position [UA]",                           2880, 8280, 1095,  255, Default,         39},
    {29, "Label5",   Label,     "x",                                       5280, 9240,  135,  255, Default,         38},
    {30, "Label6",   Label,     "y",                                       5760, 9240,  255,  255, Default,         37},
    {31, "Label7",   Label,     "Nombre d'années de calcul :",             8640, 9480, 2055,  255, Default,         36},
    {32, "Label8",   Label,     "Remarque : 1UA = 1,5.10^8 km",            5040, 8280, 2295,  255, AppWorkspace,    35},
    {33, "Label9",   Label,     "Corps valeurs initiales",                  120, 9600, 1935,  255, Default,         34},
    {34, "Label10",  Label,     "Masse [kg]",                              4200, 9240,  855,  255, Default,         33},
    {35, "Label11",  Label,     "Vitesse [m/s]",                           5040, 9000,  975,  255, Default,         32},
    {36, "Label12",  Label,     "Corps valeurs courantes",                  120, 9960, 1935,  255, Default,         31},
    {37, "Label13",  Label,     "x",                                       2880, 8520,  135,  255, Default,         30},
    {38, "Label14",  Label,     "y",                                       3360, 8520,  255,  255, Default,         29},
    {39, "Label15",  Label,     "Finesse du calcul",                       8760, 8520, 2295,  255, Default,         28, true},
    {40, "Label16",  Label,     "Distance corps1 corps [UA]",             11160, 8400, 2055,  255, Default,         27},
    {41, "Label17",  Label,     "Distance corps2 corps [UA]",             11160, 9120, 2055,  255, Default,         26},
    {42, "Label18",  Label,     "Action corps1 corps [N]",                11400, 8760, 1815,  255, Default,         25},
    {43, "Label19",  Label,     "Action corps2 corps [N]",                11400, 9480, 1815,  255, Default,         24},
    {44, "DC1C",     Label,     "",                                       13200, 8400, 1935,  255, Default,         23},
    {45, "AC1C",     Label,     "",                                       13200, 8760, 1935,  255, Default,         22},
    {46, "DC2C",     Label,     "",                                       13080, 9120, 2055,  255, Default,         21},
    {47, "AC2C",     Label,     "",                                       13200, 9480, 1935,  255, Default,         20},
    {48, "Label20",  Label,     "Temps courant [années]",                  8760, 9960, 1815,  255, Default,         19},
    {49, "tempscourant", Label, "0",                                      10680, 9960, 1095,  255, Default,         18},
}};

constexpr FrameDescription frame{19, "frame1", 0, 0, 15255, 8175, 0};

constexpr std::array<ShapeDescription, 3> shapes{{
    //  #  name      left   top  width height fill
    {20, "corps",   5160, 6120, 105, 105, Green},
    {21, "corps2",  7080, 3960, 135, 135, DarkRed},
    {22, "corps1",  5160, 3960, 135, 135, ActiveTitleBar},
}};

constexpr std::array<LineDescription, 2> lines{{
    //  #  name      X1    Y1    X2    Y2
    {23, "Line2",  5160, 6120, 7200, 3960},
    {24, "Line1",  5280, 4080, 5160, 6120},
}};
constexpr std::array<SpokenText, 20> spokenTexts{{
    {"G1", "Corps céleste 1, constante de gravitation [10^4km3/s²]", ""},
    {"x1", "Corps céleste 1, position x [UA]", ""},
    {"y1", "Corps céleste 1, position y [UA]", ""},
    {"G2", "Corps céleste 2, constante de gravitation [10^4km3/s²]", ""},
    {"x2", "Corps céleste 2, position x [UA]", ""},
    {"y2", "Corps céleste 2, position y [UA]", ""},
    {"xs", "Corps valeurs initiales, position x [UA]", ""},
    {"ys", "Corps valeurs initiales, position y [UA]", ""},
    {"Text4", "Corps valeurs initiales, masse [kg]", ""},
    {"vx", "Corps valeurs initiales, vitesse x [m/s]", ""},
    {"vy", "Corps valeurs initiales, vitesse y [m/s]", ""},
    {"xsc", "Corps valeurs courantes, position x [UA]", ""},
    {"ysc", "Corps valeurs courantes, position y [UA]", ""},
    {"Text1", "Nombre d'années de calcul", ""},
    {"HScroll1", "Finesse du calcul", "Pas de temps du calcul, en heures, de 1 à 24"},
    {"DC1C", "Distance corps1 corps [UA]", ""},
    {"AC1C", "Action corps1 corps [N]", ""},
    {"DC2C", "Distance corps2 corps [UA]", ""},
    {"AC2C", "Action corps2 corps [N]", ""},
    {"tempscourant", "Temps courant [années]", ""},
}};
// clang-format on

constexpr std::array<const char*, 7> currentValues{"xsc", "ysc", "tempscourant", "DC1C", "DC2C", "AC1C", "AC2C"};

}  // namespace

std::span<const ControlDescription> form1Controls() { return controls; }
const FrameDescription& drawingArea() { return frame; }
std::span<const ShapeDescription> form1Shapes() { return shapes; }
std::span<const LineDescription> form1Lines() { return lines; }

std::span<const SpokenText> form1SpokenTexts() { return spokenTexts; }
std::span<const char* const> form1CurrentValues() { return currentValues; }

const ControlDescription* findControl(const char* name)
{
    for (const ControlDescription& control : controls)
        if (std::strcmp(control.name, name) == 0) return &control;
    return nullptr;
}

}  // namespace virenast::app
