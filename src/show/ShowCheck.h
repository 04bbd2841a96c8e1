// Checking a show before the curtain: every cue of a script, in order, as a click would run
// it (command or file, the file it resolves to, what GStreamer makes of that file), with what
// would go wrong in front of the audience.
#pragma once

#include "platform/MediaProbe.h"

#include <QList>
#include <QString>
#include <atomic>
#include <functional>

// One cue as written in the script text.
struct ScriptCue {
    int line = 0;     // 1-based
    int position = 0; // 0-based index of the first character after "[[" in the text
    int length = 0;   // characters between "[[" and "]]"
    QString text;     // trimmed of blanks, as a click takes it
};

// The cues of a script's plain text (line breaks as "\n"), in order: each "[[" with the next
// "]]" after it, when no other "[[" comes first; an empty cue is none.
QList<ScriptCue> ScriptCues(const QString& text);

enum class CueKind { Command, Audio, Video, Midi, Picture, Unknown };

enum class CueProblem {
    Missing,        // no file of that name
    CaseOnly,       // found only by ignoring capitals: another machine may not find it
    OutsideShow,    // not under the script's folder: it will not travel with the show
    Empty,          // cannot be decoded: no bytes
    NoDecoder,      // cannot be decoded: this machine lacks a decoder
    Damaged,        // cannot be decoded: damaged, or not a medium
    NoSound,        // an audio cue whose file has no sound in it
    NoPicture,      // a video or picture cue whose file has no picture in it
    UnknownCommand, // not a command word and no file name either
    BadNumber,      // a number the command cannot take (detail says which and what it does)
};

struct CheckedCue {
    ScriptCue cue;
    CueKind kind = CueKind::Unknown;
    QString file; // the file a click would open; empty when none
    MediaFacts facts;
    QList<CueProblem> problems;
    QString numberDetail; // for BadNumber: the text in the operator's language
    bool ok() const { return problems.isEmpty(); }
};

struct ShowReport {
    QList<CheckedCue> cues;
    bool cancelled = false;
    int problemCount() const;
};

// A script read for checking: its text as the editor shows it, or why it cannot be.
struct ScriptText {
    enum class State { Read, Damaged, Unreadable };
    State state = State::Unreadable;
    QString text;  // "\n" between lines
    QString error; // the reason, in the operator's language (Damaged or Unreadable)
};
ScriptText ReadScriptText(const QString& path);

// Checks the cues of text. scriptFolder is the folder of the script's file (empty for a script
// not saved yet). progress is told each file probed (done, total) from worker threads; cancel,
// when set, stops the check at the next file with the report cancelled.
ShowReport CheckShow(const QString& text, const QString& scriptFolder, MediaProbe& probe,
                     const std::function<void(int done, int total)>& progress = {},
                     const std::atomic<bool>* cancel = nullptr);

// True when the cue is one of the interpreter's command words (whatever its number).
bool IsCommandCue(const QString& cue);

// Words for the report, in the operator's language.
QString KindText(CueKind kind);
QString ProblemText(const CheckedCue& cue, CueProblem problem);
QString FactsText(const CheckedCue& cue);

// The report as plain text, one cue a line, problems indented under their cue, and a summary.
QString ReportText(const ShowReport& report);
