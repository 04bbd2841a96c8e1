// The audio player on the command-string audio device (alias wav1). It keeps the show's audio
// transport up to date (the panel follows it) and says what goes wrong to the notice line.
#pragma once

#include <QObject>
#include <QString>

class MediaPlayerControl;
class Notices;
class Timer;
class Transport;

class AudioPlayer {
public:
    // tick is the panel's refresh while audio plays. Its tick also reports the main window's
    // video player (panelVideo) to the video transport, so that counter moves too.
    AudioPlayer(Transport& transport, Timer& tick, Notices& notices, Transport& video,
                MediaPlayerControl& panelVideo);
    virtual ~AudioPlayer() = default;

    // The current position in milliseconds (0 when the device does not answer).
    double CurPos();
    virtual void cmdPlayA_Click();
    virtual void cmdStopA_Click();
    void cmdForA_Click();
    void cmdBacA_Click();
    // The position under the pointer on the counter, counterWidth wide, becomes the place a
    // click seeks to.
    void lblContatore_MouseMove(int button, int shift, double x, double y, double counterWidth);
    // The operator's click on the counter: seeks to the place under the pointer.
    void lblContatore_Click() { lblContatore_Click(seekTarget_); }
    // Seeks to ms, a number of milliseconds as the device's command takes it, keeping the
    // play state.
    virtual void lblContatore_Click(const QString& ms);
    virtual void Timer1_Timer();
    // Shows the device's text for an error code in the notice line for six seconds; with the
    // file it concerns, as a failure of that file.
    void Errore(long code, const QString& file = QString());

    // Start-up state of the players' counters and bars: both transports report nothing.
    virtual void InizializzaPannello();
    // At exit: stop and rewind the device.
    virtual void RiavvolgiAllUscita();

    // "1:05 / 3:07" from a position and a length in milliseconds.
    static QString CounterText(double position, double length);

protected:
    Transport& transport_;

private:
    Timer& tick_;
    Notices& notices_;
    Transport& video_;
    MediaPlayerControl& panelVideo_;
    QString seekTarget_;  // under the pointer on the counter, in milliseconds
    QObject connections_; // ends the seek requests' connection with this player
    // Idle: the transport, its menu word and its picture say so and the tick stops.
    void showIdle();
    bool stoppedUnderUs();
};
