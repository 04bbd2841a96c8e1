// Packing a show: its script and every media file it names, copied once each into an empty
// folder, so the show can be carried to another machine. Files under the script's folder keep
// their place; files from elsewhere go to "media/". In the packed script every cue names its
// file relative to the packed folder, and nothing else of the script changes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct PackResult {
    enum class State { Packed, NotEmpty, Unreadable, Damaged, WriteFailed };
    State state = State::Unreadable;
    QString message;      // for the operator, in their language
    QString packedScript; // the packed script's path (Packed)
    int mediaCopied = 0;
    QStringList missing; // cues naming files that are not there, left as written
};

// Packs the script at scriptPath into folder (made when missing, refused when not empty). On
// a failure to write, what the pack wrote is removed again: no half-written script is left.
PackResult PackShow(const QString& scriptPath, const QString& folder);

// The script's bytes (RTF or plain text) with the text of some cues replaced: newText is asked
// about each cue's trimmed text and returns the replacement, or nothing to leave it. Only the
// characters of those cues change; every other byte stays as it was.
QByteArray ReplaceCueTexts(const QByteArray& script,
                           const std::function<std::optional<QString>(const QString&)>& newText);
