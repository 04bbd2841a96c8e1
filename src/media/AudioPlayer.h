// The audio player on the command-string audio device, and the notice line it reports to.
#pragma once

class Form1;

class AudioPlayer {
public:
    explicit AudioPlayer(Form1& form) : form_(form) {}
    virtual ~AudioPlayer() = default;

    // Transport and counter: they come with the audio player; until then they do nothing.
    virtual void cmdPlayA_Click() {}
    virtual void cmdStopA_Click() {}
    virtual void lblContatore_Click() {}
    virtual void Timer1_Timer() {}
    // Start-up state of the players' panels, and rewinding the audio device at exit: they come
    // with the audio player; until then they do nothing.
    virtual void InizializzaPannello() {}
    virtual void RiavvolgiAllUscita() {}

    // Hides the notice line when its time is up.
    void Timer5_Timer();

protected:
    Form1& form_;
};
