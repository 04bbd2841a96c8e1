// How paths stored in scripts and settings are read: folders may be separated by "\"
// (scripts from the original platform) and capitals may not match the files on disk.
#pragma once

#include <QString>

// A path as stored in scripts and settings, where folders may be separated by "\" (scripts
// from the original platform), with native separators.
QString NativePath(const QString& storedPath);

// The file whose path matches path ignoring case, folder by folder (scripts from the original
// platform do not care about capitals): at each step the exact name when it exists, else the
// first match in sorted order. Absolute, or relative to the current folder; empty when no
// normal file matches.
QString FindIgnoringCase(const QString& path);
