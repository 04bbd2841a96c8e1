// The formatting toolbar of the Edit commands over the window's font boxes (Combo1, Combo2)
// and toolbar hotspots (Label2).
#pragma once

#include "script/EditCommands.h"

#include <array>

class ComboBox;
class Label;

class FormatToolbar : public FormatBar {
public:
    FormatToolbar(ComboBox& fontNames, ComboBox& fontSizes, const std::array<Label*, 17>& buttons)
        : fontNames_(fontNames), fontSizes_(fontSizes), buttons_(buttons) {}

    QString BoxText(Box box) const override;
    int ChosenEntry(Box box) const override;
    QString Entry(Box box, int index) const override;
    int FindEntry(Box box, const QString& text) const override;
    void SetEntries(Box box, const QStringList& entries) override;
    void ChooseEntry(Box box, int index) override;
    void SetBoxText(Box box, const QString& text) override;
    void ShowPressed(int index, bool pressed) override;

private:
    ComboBox& combo(Box box) const { return box == FontNames ? fontNames_ : fontSizes_; }
    ComboBox& fontNames_;
    ComboBox& fontSizes_;
    const std::array<Label*, 17>& buttons_;
};
