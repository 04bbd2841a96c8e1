// Fuzzes the language files: whatever bytes one holds, choosing it from the Language menu must
// either refuse it with a message and leave the table as it was, or load it and put its texts
// on every caption, tooltip and window without harm; the settings then name it. Start-up's
// strict load and the lenient one must agree on what they accept.
#include "FuzzSupport.h"

#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "ui/Form1.h"
#include "ui/Localization.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The Language menu's file dialog picks the fuzzed file; message boxes are cancelled.
struct PickingDialogs : fuzz::SilentDialogs {
    QString picked;

protected:
    QString ChooseFile(const FileDialogRequest&) override { return picked; }
};

PickingDialogs* picking = nullptr;

void fail(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::SetUp(argc, argv);
    picking = new PickingDialogs;
    SetDialogs(picking);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Form1* form = new Form1;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString english = fuzz::Folder() + QStringLiteral("/Lang/English.lng");
    if (!CaricaLingua(english, nullptr, true)) fail("the shipped English file no longer loads");
    NomeLingua = QStringLiteral("English.lng");

    const QString path = fuzz::WriteFile(QStringLiteral("Lang/Fuzz.lng"), bytes);
    const auto before = Lingua;
    int badLine = -1;
    const bool strict = CaricaLingua(path, &badLine, true);
    if (!strict && Lingua != before) fail("a refused language file changed the table");
    if (!strict && badLine < 1) fail("a readable file was refused without the line at fault");
    if (!CaricaLingua(english, nullptr, true)) fail("English does not load back");

    // The Language menu accepts exactly what start-up accepts, and then names it in the
    // settings; a refused file leaves the language as it was.
    picking->picked = path;
    form->lingua->mnuLingua_Click();
    if (strict != (NomeLingua == QLatin1String("Fuzz.lng")))
        fail("the Language menu and start-up disagree on a file");
    if (strict) {
        Impostazioni saved;
        if (!saved.Read(SettingsReadPath()) || saved.line[0] != QLatin1String("Fuzz.lng"))
            fail("the chosen language is not in the settings");
    } else if (Lingua != before) {
        fail("the Language menu changed the table for a refused file");
    }
    // The lenient load (a language file named by hand in the settings) takes any readable file.
    if (!CaricaLingua(path, nullptr, false)) fail("a readable file was not read");
    form->lingua->CambiaLingua2();
    form->lingua->RetranslateOtherTexts();
    return 0;
}
