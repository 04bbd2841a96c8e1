// The main window's life: loading in its fixed order, the settings file, and the exit
// sequence with its question about unsaved changes.
#pragma once

#include <QString>

class Form1;

class Lifecycle {
public:
    explicit Lifecycle(Form1& form) : form_(form) {}

    // Loads the main window: every subsystem in order, the settings, the language, and the
    // script named on the command line.
    void Form_Load(const QString& commandLine);
    // The exit sequence. Sets cancel when the operator keeps the window open.
    void Form_Unload(bool& cancel);
    // Writes the settings file.
    void SalvaImpostazioni();
    // File > Exit and Escape: the exit sequence, then the window closes unless cancelled.
    void mnuEsci_Click();
    // Escape outside show mode: while the show runs (a player playing or paused, the
    // projector or the picture on the second monitor showing) it first asks, No the default.
    void EscapeKey();
    // True while a player plays or is paused, or the second monitor shows something.
    bool ShowRunning() const;

    // False until the exit question has been passed.
    bool UscitaInCorso = false;

private:
    void applyKnobSettings(const QString& level, const QString& top);
    void applyVolumeSetting(const QString& level);
    Form1& form_;
};
