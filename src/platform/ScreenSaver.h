// Holding off the screen saver and display power saving while a show runs: an inhibition
// held on the session's org.freedesktop.ScreenSaver service when there is one, and a reset
// of the X server's idle count for sessions without it.
#pragma once

#include <QString>

class ScreenSaver {
public:
    virtual ~ScreenSaver();

    // Asks the session's screen-saver service to stay off until Release; does nothing when
    // it is already held or when the session offers no such service.
    virtual void Inhibit(const QString& reason);
    // Gives the inhibition back; does nothing when none is held.
    virtual void Release();
    // True while an inhibition is held.
    virtual bool Held() const { return held_; }
    // Starts the idle count of the X server named by DISPLAY again, as a key press would
    // (screen saver and display power saving alike); does nothing without one.
    virtual void ResetIdle();

private:
    bool held_ = false;
    unsigned cookie_ = 0;
    // Our own connection to the X server, opened on the first reset: it serves whatever
    // platform the windows use.
    void* display_ = nullptr;
    bool displayTried_ = false;
};

// The screen saver the program uses; until something is installed this is the real one.
ScreenSaver& screenSaver();
// Installs another one (tests); nullptr restores the real one. The caller keeps ownership.
void SetScreenSaver(ScreenSaver* replacement);
