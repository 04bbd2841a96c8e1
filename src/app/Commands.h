// The toolbar dispatcher and the script file commands (new, open, save, save as, print, the
// media cue), and the shell commands reached from the editor's keys.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class Form1;
class Notices;
class QPrinter;
class QWidget;

class ShellCommands {
public:
    explicit ShellCommands(Form1& form);
    virtual ~ShellCommands();

    // Runs toolbar command index (0 to 16), then refreshes the formatting toolbar unless the
    // command was stopped by a Cancel.
    virtual void Label2_Click(int index);
    // Save As; returns "1" when the operator cancelled it (also kept in mnuSalvaConNome's tag).
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
    Form1& form_;
    // What the Help menu needs of the rest of the program, so its commands reach no window
    // member: the notice line, the main window as a plain widget (owner of the update check,
    // hidden by the about window), File > Exit (Yes on the update question) and the control
    // panel's sound settings.
    Notices& notices_;
    QWidget& window_;
    std::function<void()> exitProgram_;
    std::function<void()> soundSettings_;

private:
    // Asked before New and Open when the script changed; false to stop the command.
    bool domandaSalvataggio();
    QString startFolder() const;
    void showSaved();
    std::unique_ptr<QPrinter> printer_;
    class UpdateCheck* update_ = nullptr; // the check under way, owned by the window
};

// The three script types for the Open and Save As dialogs.
QString ScriptFilter();
