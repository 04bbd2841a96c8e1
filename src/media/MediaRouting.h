// Media file routing: hands a media file to the player that suits its ending.
#pragma once

#include <QString>

class Form1;

class MediaRouting {
public:
    explicit MediaRouting(Form1& form) : form_(form) {}
    virtual ~MediaRouting() = default;

    // Loads a file into the audio player, the video player or the picture display.
    // Comes with the audio player; until then it does nothing.
    virtual void vai(const QString& fileName) { (void)fileName; }

protected:
    Form1& form_;
};
