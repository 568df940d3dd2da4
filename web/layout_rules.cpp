// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's layout rules as the page calls them: where a message box goes, and how a long
// number is fitted to its place. They are the desktop's own (form/), compiled with the program
// and free of its state, so the page may call them at any moment, a run asleep included.
#include "form/box_placement.h"
#include "form/number_elision.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The width of a text in the font of the number being fitted: the page sets Module.textWidth.
EM_JS(int, page_text_width, (const char* text, int length), {
    return Module.textWidth(UTF8ToString(text, length));
});

namespace {

// The integers of a text such as "300 130 132 150 ...", in order.
std::vector<int> integersOf(const char* text)
{
    std::vector<int> numbers;
    for (char* end = nullptr;; text = end) {
        const long number = std::strtol(text, &end, 10);
        if (end == text) return numbers;
        numbers.push_back(static_cast<int>(number));
    }
}

}  // namespace

extern "C" {

// "WIDTH HEIGHT  WINDOW  AVAILABLE  PREFERRED_X PREFERRED_Y  KEEP_CLEAR...", each rectangle as
// its left, top, width and height, in CSS pixels: the box's top-left corner as "LEFT TOP", or ""
// when no place is clear (the browser's own place then), or when the numbers are not all there.
EMSCRIPTEN_KEEPALIVE const char* virenast_place_box(const char* numbers)
{
    static std::string place;
    const std::vector<int> n = integersOf(numbers);
    place.clear();
    constexpr std::size_t fixed = 12;
    if (n.size() < fixed || (n.size() - fixed) % 4 != 0) return place.c_str();
    std::vector<virenast::form::Rect> keepClear;
    for (std::size_t at = fixed; at < n.size(); at += 4) keepClear.push_back({n[at], n[at + 1], n[at + 2], n[at + 3]});
    const virenast::form::BoxSurroundings around{
        {n[2], n[3], n[4], n[5]}, {n[6], n[7], n[8], n[9]}, {n[10], n[11]}, keepClear};
    if (const auto corner = virenast::form::placeClear({n[0], n[1]}, around)) {
        char text[32];
        std::snprintf(text, sizeof text, "%d %d", corner->x, corner->y);
        place = text;
    }
    return place.c_str();
}

// The text to show for a number in a place `availableWidth` wide.
EMSCRIPTEN_KEEPALIVE const char* virenast_fit_number(const char* text, int availableWidth)
{
    static std::string shown;
    shown = virenast::form::fittedNumber(text, availableWidth, [](std::string_view part) {
        return page_text_width(part.data(), static_cast<int>(part.size()));
    });
    return shown.c_str();
}

}
