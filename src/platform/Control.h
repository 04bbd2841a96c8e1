// What every control of the design carries: a free text Tag. The design keeps state in
// tags (the play-state word, the current cue, the knob's volume, seek positions).
#pragma once

#include <QString>

struct Tagged {
    QString Tag;
};
