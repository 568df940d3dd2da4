// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// The controls of the main window that the logic reads or writes, named exactly as in the
// window so that code, tests and the running window all speak of the same objects.
namespace virenast::platform {

enum class TextBox : std::uint8_t { G1, G2, x1, y1, x2, y2, xs, ys, Text4, vx, vy, Text1, xsc, ysc };
enum class Label : std::uint8_t { DC1C, DC2C, AC1C, AC2C, tempscourant };
enum class Shape : std::uint8_t { corps, corps1, corps2 };
enum class Line : std::uint8_t { Line1, Line2 };

// A circle shape's box, in twips relative to the drawing area.
enum class ShapeGeometry : std::uint8_t { Left, Top, Width, Height };
// A line's first end (X1, Y1) and second end (X2, Y2), in twips.
enum class LineEnd : std::uint8_t { X1, Y1, X2, Y2 };

inline constexpr std::size_t textBoxCount = 14;
inline constexpr std::size_t labelCount = 5;
inline constexpr std::size_t shapeCount = 3;
inline constexpr std::size_t lineCount = 2;

// Message box icons, by their classic style values.
enum class MessageStyle : int { Critical = 16, Information = 64 };

const char* nameOf(TextBox box);
const char* nameOf(Label label);
const char* nameOf(Shape shape);
const char* nameOf(Line line);
const char* nameOf(ShapeGeometry geometry);
const char* nameOf(LineEnd end);

constexpr std::size_t indexOf(auto control) { return static_cast<std::size_t>(control); }

}  // namespace virenast::platform
