// Fuzzes the settings file and the language files: whatever bytes they hold, loading them
// (start-up reads the settings and applies them to the window) must end in a clear answer,
// and the settings written back must read again as they were written.
#include "FuzzSupport.h"

#include "app/Lifecycle.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "ui/Form1.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::SetUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // A language file, strictly (start-up) and leniently (the Language menu).
    const QString lng = fuzz::WriteFile(QStringLiteral("Lang/Fuzz.lng"), bytes);
    int badLine = 0;
    CaricaLingua(lng, &badLine, true);
    CaricaLingua(lng, &badLine, false);
    CaricaLingua(fuzz::Folder() + QStringLiteral("/Lang/English.lng"), &badLine, true);

    // The settings file, applied by the window's loading, then saved and read back.
    fuzz::WriteFile(QStringLiteral("Scenolux.ini"), bytes);
    static Form1* form = new Form1;
    form->lifecycle->Form_Load(QString());
    form->lifecycle->SalvaImpostazioni();
    Impostazioni first;
    first.Read(SettingsReadPath());
    form->lifecycle->Form_Load(QString());
    form->lifecycle->SalvaImpostazioni();
    Impostazioni second;
    second.Read(SettingsReadPath());
    if (first.line != second.line) {
        std::fprintf(stderr, "settings written clean do not read back the same\n");
        std::abort();
    }
    return 0;
}
