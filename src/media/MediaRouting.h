// Media file routing: hands a media file to the player that suits its ending.
#pragma once

#include <QString>
#include <functional>

class AudioPlayer;
class Projector;
class ShowState;
class Transport;
class VideoOutputs;
class VideoPlayer;

class MediaRouting {
public:
    enum class Kind { Video, Midi, Image, Audio };

    // The alias of an audio file opened ahead for the next cue (show mode's standby): the
    // audio load of that same file takes it over instead of opening the file again.
    static constexpr const char* kReadyAlias = "wavnext";

    // The players and the projector switch it hands files to, found at each use (a test may
    // put others in their place).
    struct Players {
        std::function<AudioPlayer&()> audio;
        std::function<VideoPlayer&()> video;
        std::function<Projector&()> projector;
    };
    // The kind of the last file loaded is left in the show state (LastLoaded).
    MediaRouting(ShowState& state, Transport& audio, Transport& video, VideoOutputs& outputs,
                 Players players);
    virtual ~MediaRouting() = default;

    // Loads a file into the audio player, the video player or the picture display.
    virtual void vai(const QString& path);
    // The video panel's title from the file name in path.
    void TitoloVideo(const QString& path);

    // The kind of a file, from the last four characters of its lower-cased name.
    static Kind Classify(const QString& name);

protected:
    ShowState& state_;

private:
    Transport& audio_;
    Transport& video_;
    VideoOutputs& outputs_;
    Players players_;
    void loadVideo(const QString& path, bool midi);
    void loadImage(const QString& path);
    void loadAudio(const QString& name);
};
