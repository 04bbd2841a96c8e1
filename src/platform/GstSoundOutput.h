// Telling a failure of the sound output (the sound server gone) from a failure of the file.
#pragma once

typedef struct _GstMessage GstMessage;

// True when an error message came from an audio sink, or from an element inside one.
bool FromSoundOutput(GstMessage* message);
