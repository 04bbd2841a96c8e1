// The script's edit history: Undo and Redo, one step per change of the script.
//
// The steps are the editor's own history (each holds only what one edit changed, with its
// formatting), so taking an edit back restores exactly the text and formatting before it,
// also when a selection was typed or pasted over, and a long rehearsal does not keep a copy
// of the script per key press. What this class adds is the caret the operator sees after a
// step and the guard against recording the replay itself.
#pragma once

class ScriptEditor;
class ScriptSession;

class UndoRedo {
public:
    UndoRedo(ScriptEditor& rtb, ScriptSession& session) : rtb_(rtb), session_(session) {}

    // False while a step is replayed, and until start-up has loaded the first script.
    bool RecordEdits = false;

    // Every change of the script's text marks the script as changed.
    void RTB_Change();
    // Takes back the last step. Taking back an insertion leaves the caret where it was;
    // text put back is selected, unless it is one character or one line break, which
    // leave the caret after it.
    void Undo();
    // Does the last undone step again, with the same caret rule.
    void Redo();
    // Starts a fresh history with the script as it stands as its base: at start-up and
    // for each new or opened script, so Undo never brings back another script's text.
    void InizializzaAnnulla();

private:
    template <typename Step> void replay(Step step);
    ScriptEditor& rtb_;
    ScriptSession& session_;
};
