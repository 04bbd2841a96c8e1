// Restores the language table when a test that fills some entries ends, so that a failing
// assertion cannot leak its texts into the next test.
#pragma once

#include "i18n/Lingua.h"

struct SavedLingua {
    SavedLingua() : saved(Lingua) {}
    ~SavedLingua() { Lingua = saved; }
    std::array<QString, kLinguaEntries> saved;
};
