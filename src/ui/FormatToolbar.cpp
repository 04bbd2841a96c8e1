#include "ui/FormatToolbar.h"

#include "ui/Controls.h"

#include <QSignalBlocker>

QString FormatToolbar::BoxText(Box box) const {
    return combo(box).Text();
}

int FormatToolbar::ChosenEntry(Box box) const {
    return combo(box).currentIndex();
}

QString FormatToolbar::Entry(Box box, int index) const {
    return combo(box).itemText(index);
}

int FormatToolbar::FindEntry(Box box, const QString& text) const {
    return combo(box).findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

// What the commands show must not come back to them as the operator's choice.
void FormatToolbar::SetEntries(Box box, const QStringList& entries) {
    ComboBox& c = combo(box);
    const QSignalBlocker quiet(&c);
    c.clear();
    c.addItems(entries);
}

void FormatToolbar::ChooseEntry(Box box, int index) {
    ComboBox& c = combo(box);
    const QSignalBlocker quiet(&c);
    c.setCurrentIndex(index);
}

void FormatToolbar::SetBoxText(Box box, const QString& text) {
    ComboBox& c = combo(box);
    const QSignalBlocker quiet(&c);
    c.setEditText(text);
}

void FormatToolbar::ShowPressed(int index, bool pressed) {
    buttons_[size_t(index)]->setBorderStyle(pressed ? 1 : 0);
}
