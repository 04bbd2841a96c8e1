// The language table: every text the program shows at run time, entries 0 to 160, filled
// from the active language file and reloaded in place.
#pragma once

#include <QString>
#include <array>

constexpr int kLinguaEntries = 161;

// Lingua[n] is entry n.
inline std::array<QString, kLinguaEntries> Lingua;

// File name of the active language ("Italiano.lng").
inline QString NomeLingua;

// The folder of the language files: program folder + "/Lang".
QString LanguageFolder();

// Loads a language file into Lingua. Line n fills entry n - 1 with the line from its fourth
// character on (the first three are free for a number); a line of one character or none
// leaves its entry as it was; lines past entry 160 are not stored. UTF-8 and Windows-1252
// files both read right. Returns false when the file cannot be read (badLine 0); with strict,
// also when a line has one character or none, or the file has no line at all (badLine is
// that line's number). A refused file leaves the table unchanged.
bool CaricaLingua(const QString& path, int* badLine = nullptr, bool strict = false);

// When the language file chosen cannot be used: loads English, else the first complete
// language file of the folder, and returns its name (empty when none loads).
QString LinguaDiRiserva(const QString& languageFolder);
// The language file that start-up found unusable and replaced, so that the main window does
// not replace it a second time.
inline QString LinguaSostituita;

// The language file name chosen from the user's country (ISO 3166 alpha-2, any case) when
// the settings name none: at start-up, and in the main window. Both fall back to
// "English.lng" when the chosen file is missing in the language folder.
QString LinguaDiAvvio(const QString& country, const QString& languageFolder);
QString LinguaDellaFinestra(const QString& country, const QString& languageFolder);
