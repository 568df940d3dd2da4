// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include <array>

namespace virenast::platform {
namespace {

constexpr std::array<const char*, textBoxCount> textBoxNames{
    "G1", "G2", "x1", "y1", "x2", "y2", "xs", "ys", "Text4", "vx", "vy", "Text1", "xsc", "ysc"};
constexpr std::array<const char*, labelCount> labelNames{"DC1C", "DC2C", "AC1C", "AC2C",
                                                         "tempscourant"};
constexpr std::array<const char*, shapeCount> shapeNames{"corps", "corps1", "corps2"};
constexpr std::array<const char*, lineCount> lineNames{"Line1", "Line2"};
constexpr std::array<const char*, 4> shapeGeometryNames{"Left", "Top", "Width", "Height"};
constexpr std::array<const char*, 4> lineEndNames{"X1", "Y1", "X2", "Y2"};

}  // namespace

const char* nameOf(TextBox box) { return textBoxNames.at(indexOf(box)); }
const char* nameOf(Label label) { return labelNames.at(indexOf(label)); }
const char* nameOf(Shape shape) { return shapeNames.at(indexOf(shape)); }
const char* nameOf(Line line) { return lineNames.at(indexOf(line)); }
const char* nameOf(ShapeGeometry geometry) { return shapeGeometryNames.at(indexOf(geometry)); }
const char* nameOf(LineEnd end) { return lineEndNames.at(indexOf(end)); }

}  // namespace virenast::platform
