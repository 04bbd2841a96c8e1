// A tone in a WAV file, for the tests and the measuring tools.
#pragma once

#include <QString>

// A mono 16-bit 44.1 kHz WAV file with a sine tone; a file that cannot be written is reported
// (SupportFailure) and gives false.
bool MakeWav(const QString& path, double seconds, double frequency = 440.0);
