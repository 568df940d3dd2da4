// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace virenast::testing {

// A parameterized case's name made of the text it reads or shows, so that a failure names the
// case by its text rather than by its place in the list. GoogleTest takes only letters, digits
// and underscores: every other character is spelled out, so that two texts give two names
// ("-1,5e3" gives minus_1_comma_5e3, "1.3" gives 1_dot_3, "" gives empty).
std::string caseName(std::string_view text);

}  // namespace virenast::testing
