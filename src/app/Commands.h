// The toolbar dispatcher and the script file commands (new, open, save, save as, print, the
// media cue), and the shell commands reached from the editor's keys.
#pragma once

#include <QString>
#include <functional>

class EditCommands;
class Notices;
class QObject;
class Recovery;
class ScriptEditor;
class ScriptSession;
class Timer;

// What the toolbar and the file commands act on: the script session and the script in the
// editor, the edit commands, the crash copy, the notice line, the main window (only passed on
// as the owner of the dialogs), the video counter's timer (started after a save), and what the
// window gives late: File > Exit (Yes on the update question), the control panel's sound
// settings and the menus' pictures. The windows the commands open are the view's: the printer
// dialog and the printing, the add-command window and the about window.
struct ShellParts {
    ScriptSession& session;
    ScriptEditor& rtb;
    EditCommands& edit;
    Recovery& recovery;
    Notices& notices;
    QObject& window;
    Timer& videoCounter;
    std::function<void()> exitProgram;
    std::function<void()> soundSettings;
    std::function<void()> menuImages;
    // Asks for the printer (the choice stays for the next print) and prints the selection, or
    // the whole script when nothing is selected.
    std::function<void()> print;
    std::function<void()> addCommand;
    std::function<void()> about;
};

// The name a media cue gives file: relative to the script's folder when the file is inside it,
// else the absolute path (always so for a script never saved).
QString MediaCueName(const QString& file, const QString& script);

class ShellCommands {
public:
    explicit ShellCommands(ShellParts parts);
    virtual ~ShellCommands();

    // Runs toolbar command index (0 to 16), then refreshes the formatting toolbar unless the
    // command was stopped by a Cancel.
    virtual void Label2_Click(int index);
    // Save As; returns "1" when the operator cancelled it, and that answer again from a Save As
    // that saved nothing for another reason, until one saves.
    virtual QString SalvaConNome();

    // Help (F1): the help page in the operator's language, else the Italian one.
    virtual void mnuGuida_Click();
    // The desktop's sound settings (F9).
    virtual void mnuImpostaAudio_Click();
    // The update check at the end of loading; skipped by a build without a web site.
    virtual void ControllaAggiornamenti();
    virtual void CreaImmaginiMenu();
    // The version history, the web pages, and the about window.
    void mnuVersioni_Click();
    void mnuAggiornamenti_Click();
    void mnuAggLingua_Click();
    void mnuFaiDonazione_Click();
    void mnuInfo_Click();
    // Opens a page of the web site; a build without one says so in the notice line.
    void OpenWebPage(const QString& path);

    // The file commands, each true when it ran to its end (false: stopped by a Cancel).
    bool Nuovo();
    bool Apri();
    bool Salva();
    bool Stampa();
    bool InserisciMedia();

protected:
    ShellParts p_;

private:
    // Asked before New and Open when the script changed; false to stop the command.
    bool domandaSalvataggio();
    QString startFolder() const;
    void showSaved();
    QString saveAsCancelled_;             // "1" after a cancelled Save As, until one saves
    class UpdateCheck* update_ = nullptr; // the check under way
};

// The three script types for the Open and Save As dialogs.
QString ScriptFilter();
