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

protected:
    Form1& form_;
};
