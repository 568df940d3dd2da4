// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_options.h"

#include <string_view>

namespace virenast::testing {
namespace {

std::string& sheetsPath()
{
    static std::string path;
    return path;
}

}  // namespace

bool takeTestFileOptions(int& argc, char** argv)
{
    constexpr std::string_view sheetsOption = "--teaching-sheets";
    bool wellFormed = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with(sheetsOption)) {
            argv[kept++] = argv[i];
            continue;
        }
        const std::string_view rest = argument.substr(sheetsOption.size());
        if (rest.size() > 1 && rest[0] == '=') {
            sheetsPath() = rest.substr(1);
        } else {
            wellFormed = false;
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return wellFormed;
}

const std::string& teachingSheetsPath() { return sheetsPath(); }

}  // namespace virenast::testing
