// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>

namespace virenast::platform {

// A raised error: a text that is not a number, an arithmetic fault, a position that does not
// fit a control, or a control that refuses an operation. The two computing handlers catch it
// and show the "Erreur" box; nothing else does.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace virenast::platform
