#include "app/DesktopTexts.h"

#include "i18n/Lingua.h"

namespace {
struct Row {
    const char* language; // the language file's name without ".lng"
    const char* texts[3];
};

const Row kRows[] = {
    {"English",
     {"No sound settings program is installed (pavucontrol, GNOME, KDE or Xfce settings).",
      "No display settings program is installed (GNOME, KDE or Xfce settings, arandr).",
      "This copy of Scenolux has no web site to open."}},
    {"Italiano",
     {"Nessun programma per le impostazioni audio è installato (pavucontrol, GNOME, KDE o "
      "Xfce).",
      "Nessun programma per le impostazioni dello schermo è installato (GNOME, KDE, Xfce o "
      "arandr).",
      "Questa copia di Scenolux non ha un sito web da aprire."}},
    {"Deutsch",
     {"Kein Programm für die Klangeinstellungen ist installiert (pavucontrol, GNOME, KDE oder "
      "Xfce).",
      "Kein Programm für die Bildschirmeinstellungen ist installiert (GNOME, KDE, Xfce oder "
      "arandr).",
      "Diese Scenolux-Kopie hat keine Webseite zum Öffnen."}},
    {"Français",
     {"Aucun programme de réglage du son n'est installé (pavucontrol, GNOME, KDE ou Xfce).",
      "Aucun programme de réglage de l'écran n'est installé (GNOME, KDE, Xfce ou arandr).",
      "Cette copie de Scenolux n'a pas de site web à ouvrir."}},
};
} // namespace

QString Testo(DesktopText which) {
    const QString language = NomeLingua.section(u'.', 0, 0);
    const Row* chosen = &kRows[0];
    for (const Row& row : kRows)
        if (language.compare(QString::fromUtf8(row.language), Qt::CaseInsensitive) == 0)
            chosen = &row;
    return QString::fromUtf8(chosen->texts[static_cast<int>(which)]);
}
