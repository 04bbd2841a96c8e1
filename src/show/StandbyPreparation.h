// The standby cue made ready to sound: when the standby names an audio file, the file is opened
// ahead on a second alias of the audio device (paused at its start, so nothing is heard and
// nothing that plays is touched). The audio load of that cue then takes the opened file over
// instead of opening it again, and the GO only starts it.
#pragma once

#include <QString>
#include <functional>

class StandbyPreparation {
public:
    // The alias the file waiting for GO is opened under; the audio load adopts it.
    static constexpr const char* kAlias = "wavnext";

    enum class Outcome { Nothing, Ready, Failed };

    // resolve: the file a cue's text names, as a click resolves it (empty when none exists).
    explicit StandbyPreparation(std::function<QString(const QString& cue)> resolve);
    ~StandbyPreparation();

    // Makes the cue ready: opens its audio file, lets go of one prepared for another cue.
    // Failed when the cue names a media file that is missing or does not open; Nothing for a
    // command, a picture, or a video or MIDI file.
    Outcome Prepare(const QString& cue);
    // Lets the prepared file go (the standby moved on, show mode ended).
    void Release();
    // The file open under the alias; empty when none.
    static QString PreparedFile();

    // True for a cue text that ends as a media file's name does: one that is not found is a
    // failure, where a command is not.
    static bool NamesMediaFile(const QString& cue);

private:
    std::function<QString(const QString&)> resolve_;
    QString cue_; // the cue last prepared, so a caret move within the same standby does nothing
    Outcome outcome_ = Outcome::Nothing;
};
