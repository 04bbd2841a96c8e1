// The Edit menu's commands on the script: clipboard, select all, undo and redo; the font
// boxes of the toolbar and the refresh of the formatting toolbar from the selection.
#pragma once

#include "script/UndoRedo.h"

#include <QString>
#include <QStringList>
#include <functional>

class ScriptEditor;
class ScriptSession;

// The formatting toolbar as the Edit commands see it: the font name and size boxes, each a
// list to choose from with a text that may also be typed, and the buttons that show the
// selection's formatting pressed. What is shown here is only shown: the boxes' own handlers
// do not run for it.
class FormatBar {
public:
    virtual ~FormatBar() = default;
    enum Box { FontNames, FontSizes };
    // The text the box shows, chosen or typed.
    virtual QString BoxText(Box box) const = 0;
    // The entry chosen from the list (-1: none), and an entry's text.
    virtual int ChosenEntry(Box box) const = 0;
    virtual QString Entry(Box box, int index) const = 0;
    // The entry whose text is exactly text, case included (-1: none).
    virtual int FindEntry(Box box, const QString& text) const = 0;
    // Replaces the box's list.
    virtual void SetEntries(Box box, const QStringList& entries) = 0;
    virtual void ChooseEntry(Box box, int index) = 0;
    virtual void SetBoxText(Box box, const QString& text) = 0;
    // Draws toolbar button index (as in ShellCommands::Label2_Click) pressed or raised.
    virtual void ShowPressed(int index, bool pressed) = 0;
};

// What the Edit menu and the font boxes act on and show: the script in the editor, the script
// session, the formatting toolbar, and the closing of the find and replace window.
struct EditParts {
    ScriptEditor& rtb;
    ScriptSession& session;
    FormatBar& toolbar;
    std::function<void()> closeFind;
};

class EditCommands {
public:
    explicit EditCommands(EditParts parts);
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

// Inserts cue into the script after the current selection, which stays as it is: the cue in
// blue Arial, then one blank in the format of the text around it.
void InsertCommandCue(ScriptEditor& editor, const QString& cue);
