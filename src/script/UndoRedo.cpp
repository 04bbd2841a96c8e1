#include "script/UndoRedo.h"

#include "platform/RichTextBox.h"
#include "ui/Form1.h"

void UndoRedo::RTB_Change() {
    form_.Modificato = 1;
}

template <typename Step> void UndoRedo::replay(Step step) {
    RichTextBox& rtb = *form_.RTB;
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
    replay([](RichTextBox& rtb) { return rtb.UndoEdit(); });
}

void UndoRedo::Redo() {
    replay([](RichTextBox& rtb) { return rtb.RedoEdit(); });
}

void UndoRedo::InizializzaAnnulla() {
    form_.RTB->ClearHistory();
    RecordEdits = true;
}
