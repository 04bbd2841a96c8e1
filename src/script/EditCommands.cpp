#include "script/EditCommands.h"

#include "core/ScriptSession.h"
#include "platform/Clipboard.h"
#include "platform/Numbers.h"
#include "platform/RichTextBox.h"
#include "script/FindReplace.h"
#include "ui/Controls.h"

#include <QFontDatabase>
#include <QMimeData>
#include <QSignalBlocker>

namespace {
// The sizes offered in the size box.
constexpr double kFontSizes[] = {5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kBold = 4, kItalic = 5, kUnderline = 6, kStrikeThru = 7;
constexpr int kAlignLeft = 8, kAlignCentre = 9, kAlignRight = 10;
} // namespace

EditCommands::EditCommands(const EditParts& parts)
    : p_(parts), history_(parts.rtb, parts.session) {}

// ---- clipboard and selection ----

void EditCommands::copySelection() {
    RichTextBox& rtb = p_.rtb;
    // Copying nothing must not wipe what the operator had on the clipboard.
    if (rtb.SelLength() == 0) return;
    clipboard::Put(rtb.SelectionMimeData());
    copied_ = rtb.SelText();
}

void EditCommands::mnuCopia_Click() {
    copySelection();
}

void EditCommands::mnuTaglia_Click() {
    RichTextBox& rtb = p_.rtb;
    if (rtb.SelLength() == 0) return;
    copySelection();
    rtb.setSelText(QString());
}

void EditCommands::mnuIncolla_Click() {
    const QMimeData* data = clipboard::Contents();
    if (data) p_.rtb.InsertMimeData(data);
}

void EditCommands::mnuSelezionaTutto_Click() {
    RichTextBox& rtb = p_.rtb;
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
    p_.findReplace.ChiudiTrova();
}

// ---- font boxes and formatting toolbar ----

void EditCommands::CaricaFont() {
    ComboBox& names = p_.fontNames;
    ComboBox& sizes = p_.fontSizes;
    const QSignalBlocker quietNames(&names);
    const QSignalBlocker quietSizes(&sizes);
    names.clear();
    names.addItems(QFontDatabase::families());
    names.setCurrentIndex(-1);
    names.setEditText(QStringLiteral("Arial"));
    sizes.clear();
    for (double size : kFontSizes)
        sizes.addItem(NumberText(size).trimmed());
    sizes.setCurrentIndex(-1);
    sizes.setEditText(QStringLiteral("12"));
}

void EditCommands::AggiornaFormato() {
    RichTextBox& rtb = p_.rtb;
    const auto pressed = [this](int index, bool on) {
        p_.toolbar[size_t(index)]->setBorderStyle(on ? 1 : 0);
    };
    pressed(kBold, rtb.SelBold() == true);
    pressed(kItalic, rtb.SelItalic() == true);
    pressed(kUnderline, rtb.SelUnderline() == true);
    pressed(kStrikeThru, rtb.SelStrikeThru() == true);
    const std::optional<int> alignment = rtb.SelAlignment();
    pressed(kAlignLeft, alignment == 0);
    pressed(kAlignRight, alignment == 1);
    pressed(kAlignCentre, alignment == 2);

    // The boxes show the selection without applying it back to the selection.
    const double size = rtb.SelFontSize();
    ComboBox& sizes = p_.fontSizes;
    if (size > 0 && NumericValue(sizes.Text()) != size) {
        const QSignalBlocker quiet(&sizes);
        sizes.setEditText(NumberText(size).trimmed());
    }
    const QString name = rtb.SelFontName();
    if (!name.isEmpty() && p_.fontNames.Text() != name) {
        ComboBox& names = p_.fontNames;
        const QSignalBlocker quiet(&names);
        names.setCurrentIndex(names.findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        names.setEditText(name);
    }
}

void EditCommands::Combo1_Click() {
    Combo1_Change();
    p_.rtb.SetFocus();
}

void EditCommands::Combo1_Change() {
    // A name typed into the box is not applied: only a family chosen from the list is.
    const ComboBox& names = p_.fontNames;
    const int index = names.currentIndex();
    if (index < 0 || names.itemText(index) != names.Text()) return;
    p_.rtb.setSelFontName(names.Text());
}

void EditCommands::Combo2_Click() {
    Combo2_Change();
    p_.rtb.SetFocus();
}

void EditCommands::Combo2_Change() {
    const QString text = p_.fontSizes.Text().trimmed();
    bool isNumber = false;
    const double size = text.toDouble(&isNumber);
    // Sizes beyond what any word processor offers would only break the layout.
    constexpr double kLargestSize = 1638;
    if (!isNumber || !(size > 0) || size > kLargestSize) return;
    p_.rtb.setSelFontSize(size);
}
