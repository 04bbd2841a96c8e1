// Applying the language table to the main window, and choosing another language.
#pragma once

class Form1;

class Localization {
public:
    explicit Localization(Form1& form) : form_(form) {}

    // Every caption and tooltip of the main window from the table; also sets BaseCopione.
    void CambiaLingua2();
    // Options > Language: pick a language file in the language folder, load it, apply it and
    // write the settings at once.
    void mnuLingua_Click();

private:
    Form1& form_;
};
