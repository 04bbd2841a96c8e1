// Where the cues stand in a script, for walking through them in order.
#pragma once

#include <QList>
#include <QString>

// One cue in the script text (line breaks counted as two, as SelStart counts): open is the
// position of its "[[", close the position just after its "]]".
struct CueSpan {
    int open = 0;
    int close = 0;
    // The caret position at which a click runs this cue: just inside the "[[".
    int inside() const { return open + 2; }
    bool operator==(const CueSpan&) const = default;
};

// The cues a click can run, in order: each "[[" with the next "]]" and no "[[" between them,
// the "]]" within the click's reach of the caret put just inside the "[[".
QList<CueSpan> FindCues(const QString& text);

// Index of the first cue that opens at or after caret; -1 when none does.
int CueAfter(const QList<CueSpan>& cues, int caret);
