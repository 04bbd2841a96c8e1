// A start-up timing hook: when the environment variable SCENOLUX_FIRST_PAINT_FILE names a
// file, the moment the window's first frame has been drawn and handed to the display is
// written into it (CLOCK_MONOTONIC, in nanoseconds), for the start-up benchmark. Without the
// variable nothing is installed.
#pragma once

class QWidget;

// Call right after the window is shown.
void ReportFirstPaint(QWidget& window);
