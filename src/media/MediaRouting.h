// Media file routing: hands a media file to the player that suits its ending.
#pragma once

#include <QString>

class Form1;

class MediaRouting {
public:
    enum class Kind { Video, Midi, Image, Audio };

    explicit MediaRouting(Form1& form) : form_(form) {}
    virtual ~MediaRouting() = default;

    // Loads a file into the audio player, the video player or the picture display.
    virtual void vai(const QString& path);
    // The video panel's title from the file name in path.
    void TitoloVideo(const QString& path);

    // The kind of a file, from the last four characters of its lower-cased name.
    static Kind Classify(const QString& name);

protected:
    Form1& form_;

private:
    void loadVideo(const QString& path, bool midi);
    void loadImage(const QString& path);
    void loadAudio(const QString& name);
};
