// The audio player on the command-string audio device (alias wav1), and the notice line it
// reports to.
#pragma once

#include <QString>

class Form1;

class AudioPlayer {
public:
    explicit AudioPlayer(Form1& form) : form_(form) {}
    virtual ~AudioPlayer() = default;

    // The current position in milliseconds (0 when the device does not answer).
    double CurPos();
    virtual void cmdPlayA_Click();
    virtual void cmdStopA_Click();
    void cmdForA_Click();
    void cmdBacA_Click();
    // The position under the pointer on the counter becomes the place a click seeks to.
    void lblContatore_MouseMove(int button, int shift, double x, double y);
    // The operator's click on the counter: seeks to the place under the pointer.
    void lblContatore_Click() { lblContatore_Click(seekTarget_); }
    // Seeks to ms, a number of milliseconds as the device's command takes it, keeping the
    // play state.
    virtual void lblContatore_Click(const QString& ms);
    virtual void Timer1_Timer();
    // Shows the device's text for an error code in the notice line for six seconds; with the
    // file it concerns, as a failure of that file.
    void Errore(long code, const QString& file = QString());
    // Hides the notice line when its time is up.
    void Timer5_Timer();

    // Start-up state of the players' counters and bars.
    virtual void InizializzaPannello();
    // At exit: stop and rewind the device.
    virtual void RiavvolgiAllUscita();

    // "1:05 / 3:07" from a position and a length in milliseconds.
    static QString CounterText(double position, double length);

protected:
    Form1& form_;

private:
    QString seekTarget_; // under the pointer on the counter, in milliseconds
    void showPlayPicture(const char* file);
    bool stoppedUnderUs();
};
