// Associating script files (".snx") with the program on the desktop, the freedesktop way: a
// shared-mime-info package that declares the type, a desktop entry that starts the program
// with the file, and the program made the type's default application, all in the user's own
// data and configuration folders.
#pragma once

#include <QString>

// The type of script files and the desktop entry that opens them.
inline constexpr const char* kScriptMimeType = "application/x-scenolux";
inline constexpr const char* kDesktopEntryName = "scenolux.desktop";

// The user's data and configuration folders: XDG_DATA_HOME and XDG_CONFIG_HOME when set to
// an absolute path, else ~/.local/share and ~/.config.
QString UserDataFolder();
QString UserConfigFolder();

// The Exec line of the desktop entry for program: the path quoted and escaped as desktop
// entries need, followed by the file argument.
QString DesktopExecLine(const QString& program);

// Writes whatever differs from the wanted association and refreshes the desktop's databases
// for what changed. Returns true when some file was written. Failures are not reported: a
// user whose folders cannot be written simply gets no association.
bool RegistraTipoFile();
