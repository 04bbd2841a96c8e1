// Restores the language table and the active language's name when a test that changes them
// ends, so that a failing assertion cannot leak its texts into the next test.
#pragma once

#include "i18n/Lingua.h"

struct SavedLingua {
    SavedLingua() : saved(Lingua), savedName(NomeLingua) {}
    ~SavedLingua() {
        Lingua = saved;
        NomeLingua = savedName;
    }
    std::array<QString, kLinguaEntries> saved;
    QString savedName;
};
