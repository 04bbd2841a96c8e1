// Telling a failure of the sound output (the sound server gone) from a failure of the file, and
// keeping track of pipelines that go down off the GUI thread while they still hold a stream.
#pragma once

#include <functional>
#include <future>

typedef struct _GstMessage GstMessage;

// True when an error message came from an audio sink, or from an element inside one.
bool FromSoundOutput(GstMessage* message);

// Runs `takeDown` (a pipeline going to NULL) on a thread of its own and remembers it until it
// is done.
std::shared_future<void> RetireOffThread(std::function<void()> takeDown);

// Every stream of the process shares one connection to the sound server while any of them
// lives: after the server went away, a new stream made before every old pipeline is down joins
// the dead connection and fails. A player loading again after a loss waits here first.
void AwaitRetiredSoundOutputs();
// True while any pipeline handed to RetireOffThread is still going down.
bool SoundOutputsRetiring();
