// Fuzzes the cue language: any text between "[[" and "]]", clicked, double-clicked or typed,
// runs through cue lookup and the command interpreter into the players, fades and windows,
// with a device and dialogs that record instead of acting. Numbers of any size, any
// characters and any length must leave the program working and within defined behaviour.
#include "FuzzSupport.h"

#include "platform/Timer.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "script/Interprete.h"
#include "ui/Controls.h"
#include "ui/Form1.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::SetUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Form1* form = [] {
        auto* f = new Form1;
        // Audio and video loaded, so that their commands act too.
        f->core.state.SetAudioLoaded(true);
        f->core.state.SetVideoLoaded(true);
        return f;
    }();
    const QString cue = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                          static_cast<qsizetype>(qMin<size_t>(size, 4096)));
    RichTextBox& rtb = *form->RTB;
    rtb.setText(QStringLiteral("x [[") + cue + QStringLiteral("]] y"));
    rtb.setSelStart(4);
    form->cues->RTB_Click();
    rtb.setSelStart(4);
    form->cues->RTB_DblClick();
    QString typed = cue;
    int start = 0, end = 0;
    form->interprete->InterpretaComando(typed, start, end, false);
    // Whatever the cue did, the fades and the knob come to rest on their timers.
    for (int tick = 0; tick < 3; ++tick) {
        for (Timer* timer : {form->Timer1, form->Timer3, form->Timer4})
            if (timer->IsRunning() && timer->onTimer) timer->onTimer();
    }
    return 0;
}
