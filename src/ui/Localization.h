// Applying the language table to the main window (captions and tooltips), and choosing
// another language.
#pragma once

#include <QString>

class Form1;

class Localization {
public:
    explicit Localization(Form1& form) : form_(form) {}

    // Every caption and tooltip of the main window from the table; also sets BaseCopione.
    void CambiaLingua2();
    // Options > Language: pick a language file in the language folder, load it, apply it and
    // write the settings at once. A file elsewhere, or one the start-up would refuse, is
    // refused with a message and changes nothing.
    void mnuLingua_Click();
    // After a switch: the words that show a state (play buttons and their menus), the open
    // find and add-command windows, the background strip and Qt's own texts.
    void RetranslateOtherTexts();

private:
    void refuse(const QString& why);

    Form1& form_;
};
