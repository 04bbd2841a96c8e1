// Find and replace on the script, as the find and replace window runs them: the search from
// the top and then onwards, a replace that first shows the match it will replace, and replace
// all, with what the search remembers between presses. The window (ui/FindReplace) holds the
// texts, options and histories and shows the state kept here.
#pragma once

#include <QString>

class ScriptEditor;

class ScriptSearch {
public:
    explicit ScriptSearch(ScriptEditor& script) : script_(script) {}

    // The search text taken from text (a selection, a drop): its first line, without the
    // blanks at its ends. cut says whether it went on past a line break.
    static QString SearchText(const QString& text, bool* cut);
    // Blanks at both ends removed; tabs and line breaks stay.
    static QString TrimBlanks(const QString& text);

    // Find: the first match from the top, then each press the next one; when there is no
    // (further) match the operator is told, and the next search starts at the top again.
    void Find(const QString& text, int options);
    // Replace: the first press selects the match at or after the selection, the next ones
    // replace the match (with a line break after it when the search text was cut at one) and
    // select the next match.
    enum class Replaced { NotFound, Shown, Done };
    Replaced Replace(const QString& text, const QString& replacement, int options);
    // Replaces every match in the whole script as one edit and says how many there were.
    void ReplaceAll(const QString& text, const QString& replacement, int options);
    // The next Find starts at the top.
    void StartAtTop();

    // The search goes on from the last match (the Find button says "Find next").
    bool FindingNext() const { return findNext_; }
    // The Replace button replaces the match it finds.
    bool Armed() const { return armed_; }

    bool MultiRiga = false;    // the search text was cut at a line break
    int ContaSostituzioni = 0; // replacements made by the last Replace All

private:
    ScriptEditor& script_;
    bool findNext_ = false;
    bool armed_ = false;
};
