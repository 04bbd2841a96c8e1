// The time from an action to the first sound it makes at the test sink, for the measuring
// tools.
#pragma once

#include <functional>
#include <vector>

// Milliseconds from start() to the first sample above threshold (of 32767) at the monitor of
// the sink "show" (-1: nothing within limitMs). Events are served meanwhile, for players that
// need them.
double HeardAfter(const std::function<void()>& start, int limitMs = 3000, int threshold = 2000);

// Serves events for ms milliseconds.
void ServeEventsFor(int ms);

// The median of the values (-1 for none).
double Median(std::vector<double> values);
