#include "script/ScriptSearch.h"

#include "core/ScriptEditor.h"
#include "i18n/Lingua.h"
#include "platform/Dialogs.h"

namespace {
const QLatin1String kLineBreak("\r\n");

void tell(const QString& text) {
    dialogs().MsgBox(text, vbmsg::OKOnly, ApplicationTitle());
}
} // namespace

QString ScriptSearch::TrimBlanks(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from);
}

QString ScriptSearch::SearchText(const QString& text, bool* cut) {
    // A line break of any kind: dropped text may come from anywhere.
    qsizetype at = 0;
    while (at < text.size() && text[at] != u'\r' && text[at] != u'\n')
        ++at;
    *cut = at < text.size();
    return TrimBlanks(text.left(at));
}

void ScriptSearch::Find(const QString& text, int options) {
    if (!findNext_) {
        if (script_.Find(text, 0, -1, options) < 0) {
            tell(Lingua[65]);
        } else {
            script_.SetFocus();
            findNext_ = true;
        }
    } else if (script_.Find(text, script_.SelStart() + script_.SelLength(), -1, options) < 0) {
        tell(Lingua[66]);
        findNext_ = false; // the next search starts again at the top
    }
}

ScriptSearch::Replaced ScriptSearch::Replace(const QString& text, const QString& replacement,
                                             int options) {
    // The search starts at the selection, so a selection that is a match is found itself;
    // whatever is replaced below is always a match just found with the current options.
    if (script_.Find(text, script_.SelStart(), -1, options) < 0) {
        tell(Lingua[65]);
        return Replaced::NotFound;
    }
    if (!armed_) {
        // First press: the match stays selected, so the operator sees what will be replaced.
        armed_ = true;
        return Replaced::Shown;
    }
    QString with = replacement;
    if (MultiRiga) {
        with += kLineBreak;
        MultiRiga = false;
    }
    script_.setSelText(with);
    if (script_.Find(text, script_.SelStart() + script_.SelLength(), -1, options) < 0)
        findNext_ = false;
    return Replaced::Done;
}

void ScriptSearch::ReplaceAll(const QString& text, const QString& replacement, int options) {
    ContaSostituzioni = 0;
    // The whole script, wherever the caret stands, with the options ticked, as one edit: an
    // operator who replaces "all" means every match, not those after the caret.
    ContaSostituzioni = script_.ReplaceAll(TrimBlanks(text), TrimBlanks(replacement), 0, options);
    tell(Lingua[67] + QLatin1String(" ") + kLineBreak + QString::number(ContaSostituzioni) +
         QLatin1String(" ") + Lingua[68]);
}

void ScriptSearch::StartAtTop() {
    script_.setSelStart(0);
}
