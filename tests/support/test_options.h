// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace virenast::testing {

// Files of the source tree that some tests read, named on the test program's command line
// (the build writes them into each test's command) rather than compiled in, so that the same
// program finds them wherever it runs: natively, under Wine, or under Node.
//   --teaching-sheets=PATH   the practical sheets, docs/fiches-tp.md
// Takes those options out of argv, leaving GoogleTest's and any other; false on an option of
// this kind that is malformed.
bool takeTestFileOptions(int& argc, char** argv);

// The path given with --teaching-sheets=, or "" when none was.
const std::string& teachingSheetsPath();

}  // namespace virenast::testing
