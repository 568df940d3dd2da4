// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_options.h"

#include <gtest/gtest.h>

#include <cstdio>

// GoogleTest's own main, with the paths of the files some tests read taken from the command line.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!virenast::testing::takeTestFileOptions(argc, argv)) {
        std::fprintf(stderr, "usage: %s [GoogleTest options] [--teaching-sheets=PATH]\n", argv[0]);
        return 2;
    }
    return RUN_ALL_TESTS();
}
