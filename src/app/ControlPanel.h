// The Options menu's shortcuts into the desktop's sound and display settings, and the option
// that keeps the screen saver and display power saving off during a show.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Notices;
class Timer;

class ControlPanel {
public:
    // timer: the window's Timer6, which calls Timer6_Timer.
    ControlPanel(Notices& notices, Timer& timer) : notices_(notices), timer_(timer) {}

    // The view's menu tick follows the option.
    std::function<void(bool on)> onOptionShown;
    // The operator changed the option: the settings are written.
    std::function<void()> onOptionChosen;

    // A settings program: the program to look for and the arguments that open its page.
    struct Program {
        QString program;
        QStringList arguments;
    };
    // In the order they are tried: the first one installed is started.
    static const std::vector<Program>& SoundPrograms();
    static const std::vector<Program>& DisplayPrograms();

    void mnuImpostaAudio_Click();
    void mnuMonitorSettings_Click();
    // Toggles the option and writes the settings file at once.
    void mnuScreenSaver_Click();
    // Every 30 s while the option is on: the X idle count starts again.
    void Timer6_Timer();
    // Puts the option on or off: the menu tick, Timer6 and the inhibition follow at once.
    void SetScreenSaverOption(bool on);

    bool ScreenSaverOff() const { return on_; }

    static constexpr int kInterval = 30000;

private:
    // Starts the first installed program of the list; false when none is installed.
    bool startFirst(const std::vector<Program>& programs);
    Notices& notices_;
    Timer& timer_;
    // The option itself; the menu's tick shows it (a checkable menu entry flips its own tick
    // before its handler runs, so the tick cannot be the state).
    bool on_ = false;
};
