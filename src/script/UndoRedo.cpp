#include "script/UndoRedo.h"

#include "core/ScriptEditor.h"
#include "core/ScriptSession.h"

void UndoRedo::RTB_Change() {
    session_.SetModificato(1);
}

template <typename Step> void UndoRedo::replay(Step step) {
    ScriptEditor& rtb = rtb_;
    if (RecordEdits) {
        RecordEdits = false;
        if (const auto edit = step(rtb)) {
            rtb.setSelStart(edit->start);
            if (edit->length > 1 && !edit->lineBreak)
                rtb.setSelLength(edit->length);
            else
                rtb.setSelStart(edit->start + edit->length);
        }
        RecordEdits = true;
    }
    rtb.SetFocus();
}

void UndoRedo::Undo() {
    replay([](ScriptEditor& rtb) { return rtb.UndoEdit(); });
}

void UndoRedo::Redo() {
    replay([](ScriptEditor& rtb) { return rtb.RedoEdit(); });
}

void UndoRedo::InizializzaAnnulla() {
    rtb_.ClearHistory();
    RecordEdits = true;
}
