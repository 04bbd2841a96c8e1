#include "media/AudioPlayer.h"

#include "ui/Form1.h"

void AudioPlayer::Timer5_Timer() {
    form_.Timer5->setInterval(0);
    form_.Label11->setVisible(false);
}
