// Commands of the application shell reached from the editor's keys: the toolbar dispatcher,
// the help and the sound settings.
#pragma once

#include <QString>

class Form1;

class ShellCommands {
public:
    explicit ShellCommands(Form1& form) : form_(form) {}
    virtual ~ShellCommands() = default;

    // Each comes with its own feature (script files and toolbar, help, control-panel
    // shortcuts); until then they do nothing.
    virtual void Label2_Click(int index) { (void)index; }
    virtual void mnuGuida_Click() {}
    virtual void mnuImpostaAudio_Click() {}
    // Save As; returns "1" when the operator cancelled it. It comes with script files; until
    // then it saves nothing, so the script stays marked as changed.
    virtual QString SalvaConNome() { return QString(); }
    // The update check and the menu pictures: they come with their features; until then they
    // do nothing.
    virtual void ControllaAggiornamenti() {}
    virtual void CreaImmaginiMenu() {}

protected:
    Form1& form_;
};
