// The Edit menu's commands on the script: clipboard, select all, undo and redo; the font
// boxes of the toolbar and the refresh of the formatting toolbar from the selection.
#pragma once

#include "script/UndoRedo.h"

#include <QString>
#include <array>

class ComboBox;
class FindReplace;
class Label;
class RichTextBox;
class ScriptSession;

// What the Edit menu and the font boxes act on and show: the editor, the script session, the
// find and replace window, the font boxes and the toolbar's formatting hotspots.
struct EditParts {
    RichTextBox& rtb;
    ScriptSession& session;
    FindReplace& findReplace;
    ComboBox& fontNames;
    ComboBox& fontSizes;
    const std::array<Label*, 17>& toolbar;
};

class EditCommands {
public:
    explicit EditCommands(const EditParts& parts);
    virtual ~EditCommands() = default;

    // Copy and cut put the selection on the system clipboard as plain text and as rich
    // text at once; with nothing selected they leave the clipboard as it is.
    virtual void mnuCopia_Click();
    virtual void mnuTaglia_Click();
    // Pastes rich text with its formatting when the clipboard has it, else plain text in
    // the format at the caret.
    virtual void mnuIncolla_Click();
    virtual void mnuSelezionaTutto_Click();

    virtual void mnuAnnulla_Click();
    virtual void mnuRipeti_Click();
    virtual void InizializzaAnnulla();
    virtual void RTB_Change();

    // Fills the font boxes: the system's font families, and the sizes offered.
    virtual void CaricaFont();
    // Shows the selection's formatting on the toolbar and in the font boxes.
    virtual void AggiornaFormato();
    // Choosing a font or a size in the boxes, or typing a size, formats the selection.
    void Combo1_Click();
    void Combo1_Change();
    void Combo2_Click();
    void Combo2_Change();

    // The plain text of the last copy or cut.
    QString TestoCopiato() const { return copied_; }

    // Closes the find and replace window, if it is open.
    virtual void ChiudiTrova();

protected:
    EditParts p_;

private:
    void copySelection();
    UndoRedo history_;
    QString copied_;
};
