// The language table: every text the program shows at run time, entries 0 to 160, filled
// from the active language file and reloaded in place.
#pragma once

#include <QString>
#include <array>

constexpr int kLinguaEntries = 161;

// Lingua[n] is entry n.
inline std::array<QString, kLinguaEntries> Lingua;

// File name of the active language ("Italiano.lng").
inline QString NomeLingua;
