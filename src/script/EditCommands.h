// Clipboard, undo and redo, and the formatting toolbar refresh.
#pragma once

class Form1;

class EditCommands {
public:
    explicit EditCommands(Form1& form) : form_(form) {}
    virtual ~EditCommands() = default;

    // Each comes with its own feature (clipboard and font commands, undo and redo); until
    // then they do nothing.
    virtual void AggiornaFormato() {}
    virtual void mnuCopia_Click() {}
    virtual void mnuIncolla_Click() {}
    virtual void mnuTaglia_Click() {}
    virtual void mnuAnnulla_Click() {}
    virtual void mnuRipeti_Click() {}
    // Filling the font boxes, starting the edit history and closing the find dialog: they
    // come with their features; until then they do nothing.
    virtual void CaricaFont() {}
    virtual void InizializzaAnnulla() {}
    virtual void ChiudiTrova() {}

    // Every change of the script's text marks the script as changed.
    virtual void RTB_Change();

protected:
    Form1& form_;
};
