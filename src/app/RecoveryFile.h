// The recovery copy's file and where it lives. The copy is the script exactly as a save writes
// it, with the path of its file added in a destination that every RTF reader skips: a word
// processor, or this program's Open, reads a copy as the script itself.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The folder of recovery copies: the program folder in a portable installation, else the
// program's folder in the user's data folder (XDG_DATA_HOME, by default ~/.local/share).
QString RecoveryFolder();

// Name patterns of the copies in that folder, of the copies kept aside because they could not
// be read, and of a new copy's file.
QString RecoveryNamePattern();
QString DamagedName(const QString& recoveryName);
QString NewRecoveryName();

// A copy of the script rtf (as the editor saves it) whose file is source (empty: a script that
// was never saved).
QByteArray RecoveryContent(const QByteArray& rtf, const QString& source);
// The source path of a copy, or nothing when the bytes are not a whole copy (cut short, or
// damaged in a way that moved or removed its end).
std::optional<QString> RecoverySource(const QByteArray& data);
