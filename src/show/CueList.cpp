#include "show/CueList.h"

#include "script/CueLookup.h"

#include <algorithm>

QList<CueSpan> FindCues(const QString& text) {
    QList<CueSpan> cues;
    qsizetype open = text.indexOf(QLatin1String("[["));
    while (open >= 0) {
        const qsizetype close = text.indexOf(QLatin1String("]]"), open + 2);
        if (close < 0) break;
        // A later "[[" before the "]]" opens the cue a click would find.
        const qsizetype reopened = text.lastIndexOf(QLatin1String("[["), close - 1);
        const qsizetype start = std::max(open, reopened);
        const qsizetype caret = start + 2;
        // The click looks for the "]]" in the windows after the caret, up to its reach.
        if (close + 1 - caret <= CueLookup::kForwardReach)
            cues.append({int(start), int(close + 2)});
        open = text.indexOf(QLatin1String("[["), close + 2);
    }
    return cues;
}

int CueAfter(const QList<CueSpan>& cues, int caret) {
    const auto it = std::lower_bound(cues.begin(), cues.end(), caret,
                                     [](const CueSpan& c, int at) { return c.open < at; });
    return it == cues.end() ? -1 : int(it - cues.begin());
}
