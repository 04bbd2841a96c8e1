#include "script/EditCommands.h"

#include "core/ScriptEditor.h"
#include "core/ScriptSession.h"
#include "platform/Clipboard.h"
#include "platform/Numbers.h"
#include "script/Interprete.h"

#include <QFontDatabase>
#include <QMimeData>
#include <utility>

namespace {
// The sizes offered in the size box.
constexpr double kFontSizes[] = {5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kBold = 4, kItalic = 5, kUnderline = 6, kStrikeThru = 7;
constexpr int kAlignLeft = 8, kAlignCentre = 9, kAlignRight = 10;
} // namespace

EditCommands::EditCommands(EditParts parts) : p_(std::move(parts)), history_(p_.rtb, p_.session) {}

// ---- clipboard and selection ----

void EditCommands::copySelection() {
    ScriptEditor& rtb = p_.rtb;
    // Copying nothing must not wipe what the operator had on the clipboard.
    if (rtb.SelLength() == 0) return;
    clipboard::Put(rtb.SelectionMimeData());
    copied_ = rtb.SelText();
}

void EditCommands::mnuCopia_Click() {
    copySelection();
}

void EditCommands::mnuTaglia_Click() {
    ScriptEditor& rtb = p_.rtb;
    if (rtb.SelLength() == 0) return;
    copySelection();
    rtb.setSelText(QString());
}

void EditCommands::mnuIncolla_Click() {
    const QMimeData* data = clipboard::Contents();
    if (data) p_.rtb.InsertMimeData(data);
}

void EditCommands::mnuSelezionaTutto_Click() {
    ScriptEditor& rtb = p_.rtb;
    rtb.setSelStart(0);
    rtb.setSelLength(rtb.TextLength());
    rtb.SetFocus();
}

// ---- edit history ----

void EditCommands::RTB_Change() {
    history_.RTB_Change();
}

// Undo back to the script as it was saved leaves it unchanged, and its title unmarked.
void EditCommands::mnuAnnulla_Click() {
    history_.Undo();
    p_.session.SetModificato(p_.rtb.IsModified() ? 1 : 0);
}

void EditCommands::mnuRipeti_Click() {
    history_.Redo();
    p_.session.SetModificato(p_.rtb.IsModified() ? 1 : 0);
}

void EditCommands::InizializzaAnnulla() {
    history_.InizializzaAnnulla();
}

void EditCommands::ChiudiTrova() {
    if (p_.closeFind) p_.closeFind();
}

// ---- font boxes and formatting toolbar ----

void EditCommands::CaricaFont() {
    FormatBar& bar = p_.toolbar;
    bar.SetEntries(FormatBar::FontNames, QFontDatabase::families());
    bar.ChooseEntry(FormatBar::FontNames, -1);
    bar.SetBoxText(FormatBar::FontNames, QStringLiteral("Arial"));
    QStringList sizes;
    for (double size : kFontSizes)
        sizes << NumberText(size).trimmed();
    bar.SetEntries(FormatBar::FontSizes, sizes);
    bar.ChooseEntry(FormatBar::FontSizes, -1);
    bar.SetBoxText(FormatBar::FontSizes, QStringLiteral("12"));
}

void EditCommands::AggiornaFormato() {
    ScriptEditor& rtb = p_.rtb;
    FormatBar& bar = p_.toolbar;
    bar.ShowPressed(kBold, rtb.SelBold() == true);
    bar.ShowPressed(kItalic, rtb.SelItalic() == true);
    bar.ShowPressed(kUnderline, rtb.SelUnderline() == true);
    bar.ShowPressed(kStrikeThru, rtb.SelStrikeThru() == true);
    const std::optional<int> alignment = rtb.SelAlignment();
    bar.ShowPressed(kAlignLeft, alignment == 0);
    bar.ShowPressed(kAlignRight, alignment == 1);
    bar.ShowPressed(kAlignCentre, alignment == 2);

    // The boxes show the selection without applying it back to the selection.
    const double size = rtb.SelFontSize();
    if (size > 0 && NumericValue(bar.BoxText(FormatBar::FontSizes)) != size)
        bar.SetBoxText(FormatBar::FontSizes, NumberText(size).trimmed());
    const QString name = rtb.SelFontName();
    if (!name.isEmpty() && bar.BoxText(FormatBar::FontNames) != name) {
        bar.ChooseEntry(FormatBar::FontNames, bar.FindEntry(FormatBar::FontNames, name));
        bar.SetBoxText(FormatBar::FontNames, name);
    }
}

void EditCommands::Combo1_Click() {
    Combo1_Change();
    p_.rtb.SetFocus();
}

void EditCommands::Combo1_Change() {
    // A name typed into the box is not applied: only a family chosen from the list is.
    const FormatBar& bar = p_.toolbar;
    const int index = bar.ChosenEntry(FormatBar::FontNames);
    const QString name = bar.BoxText(FormatBar::FontNames);
    if (index < 0 || bar.Entry(FormatBar::FontNames, index) != name) return;
    p_.rtb.setSelFontName(name);
}

void EditCommands::Combo2_Click() {
    Combo2_Change();
    p_.rtb.SetFocus();
}

void EditCommands::Combo2_Change() {
    const QString text = p_.toolbar.BoxText(FormatBar::FontSizes).trimmed();
    bool isNumber = false;
    const double size = text.toDouble(&isNumber);
    // Sizes beyond what any word processor offers would only break the layout.
    constexpr double kLargestSize = 1638;
    if (!isNumber || !(size > 0) || size > kLargestSize) return;
    p_.rtb.setSelFontSize(size);
}

void InsertCommandCue(ScriptEditor& editor, const QString& cue) {
    // After the selection, which stays as it is; the surrounding format is the one there.
    editor.setSelStart(editor.SelStart() + editor.SelLength());
    const std::optional<long> colour = editor.SelColor();
    const std::optional<bool> bold = editor.SelBold();
    const std::optional<bool> italic = editor.SelItalic();
    const std::optional<bool> underline = editor.SelUnderline();
    const QString fontName = editor.SelFontName();
    const double fontSize = editor.SelFontSize();

    editor.setSelColor(kCueBlue);
    editor.setSelFontName(QStringLiteral("Arial"));
    editor.setSelText(cue);

    editor.setSelColor(colour.value_or(0));
    editor.setSelBold(bold.value_or(false));
    editor.setSelItalic(italic.value_or(false));
    editor.setSelUnderline(underline.value_or(false));
    editor.setSelFontName(fontName);
    editor.setSelFontSize(fontSize);
    editor.setSelText(QStringLiteral(" "));
}
