// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts of the message boxes that the reset and the run show, word for word.
namespace virenast::sim {

inline constexpr const char* inputErrorText =
    "Vérfier que les valeurs tapées sont correctes et quelles ne superposent pas différents corps.";
inline constexpr const char* inputErrorTitle = "Erreur";

inline constexpr const char* endOfRunText = "Fin de calcul";
inline constexpr const char* endOfRunTitle = "Information";

}  // namespace virenast::sim
