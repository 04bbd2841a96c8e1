// The standby cue made ready to sound. When the standby names an audio file, the file is opened
// ahead on a second alias of the audio device, paused at its start; a video or MIDI file is
// loaded ahead, paused, on the player its cue would load it into, beside what that player shows
// and plays. Nothing is heard and nothing that plays is touched. The cue's load then takes the
// opened file over instead of opening it again, and the GO only starts it.
#pragma once

#include <QString>
#include <functional>

class MediaPlayerControl;
class ShowState;
class VideoOutputs;

struct StandbyPreparationParts {
    // The file a cue's text names, as a click resolves it (empty when none exists).
    std::function<QString(const QString& cue)> resolve;
    ShowState& state;      // whether the projector is asked for
    VideoOutputs& outputs; // the players a video or MIDI cue loads into
};

class StandbyPreparation {
public:
    enum class Outcome { Nothing, Ready, Failed };

    explicit StandbyPreparation(StandbyPreparationParts parts);
    ~StandbyPreparation();
    StandbyPreparation(const StandbyPreparation&) = delete;
    StandbyPreparation& operator=(const StandbyPreparation&) = delete;

    // Makes the cue ready and lets go of what was made ready for another cue. Failed when the
    // cue names a media file that is missing or does not open (onFailed has said why); Nothing
    // for a command, a picture, or a file its player holds already.
    Outcome Prepare(const QString& cue);
    // Lets what was made ready go (the standby moved on, show mode ended, a panic).
    void Release();
    // The audio file open under the alias; empty when none.
    static QString PreparedFile();

    // True for a cue text that ends as a media file's name does: one that is not found is a
    // failure, where a command is not.
    static bool NamesMediaFile(const QString& cue);

    // A cue's file cannot be made ready: missing (file empty) or refused, with the reason. A
    // video or MIDI file may be refused a moment after Prepare, while it loads.
    std::function<void(const QString& cue, const QString& file, const QString& reason)> onFailed;

private:
    void failed(const QString& file, const QString& reason);

    StandbyPreparationParts p_;
    QString cue_; // the cue last prepared, so a caret move within the same standby does nothing
    Outcome outcome_ = Outcome::Nothing;
    MediaPlayerControl* player_ = nullptr; // the player holding a video or MIDI file ahead
};
