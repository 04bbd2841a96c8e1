// How the C library's allocator keeps memory over a long show. Every medium builds a pipeline
// whose streaming threads allocate large buffers (decoded pictures, sound, a MIDI
// synthesizer's samples) and free them when the medium goes.
#pragma once

// Call once, first thing in main, before any other thread starts.
void KeepMemoryCompact();
