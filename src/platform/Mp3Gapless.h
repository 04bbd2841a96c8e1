// The silence an MP3 encoder adds around the sound, as recorded in the file.
#pragma once

#include <QString>
#include <optional>

// Samples the encoder put before the sound (delay) and after it (padding), at the file's rate,
// as LAME and ffmpeg record them in the file's first frame.
struct Mp3Gapless {
    int sampleRate = 0;
    int delay = 0;
    int padding = 0;
};

// The MP3 decoder here begins its output this many samples late, on top of the encoder's delay.
constexpr int kMp3DecoderDelay = 529;

// Read from the file's first bytes; nothing for a file without the record (or not an MP3).
std::optional<Mp3Gapless> Mp3GaplessOf(const QString& path);
