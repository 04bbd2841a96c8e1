// The time from an action to the first sound it makes at the test sink, for the measuring
// tools.
#pragma once

#include <functional>

// Milliseconds from start() to the first sample above threshold (of 32767) at the monitor of
// the sink "show" (-1: nothing within limitMs). Events are served meanwhile, for players that
// need them.
double HeardAfter(const std::function<void()>& start, int limitMs = 3000, int threshold = 2000);
