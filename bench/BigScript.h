// The large script the editor benchmarks work on, written once per run as RTF.
#pragma once

#include <QString>
#include <functional>

// Writes a script of lines lines to path: each a bold "Line", the plain text middle(i), a blue
// cue and a plain " here". The document is formatted apart, never laid out, and written with
// the RTF writer.
void WriteBigScript(const QString& path, int lines, const std::function<QString(int)>& middle);
