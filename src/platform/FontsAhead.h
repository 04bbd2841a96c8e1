// The font configuration, read on a helper thread while the application connects to the
// display: the window's first text needs it, and reading it is a large part of the start-up.
#pragma once

// Starts reading the system's font configuration. Call once, at the top of main.
void ReadFontConfigurationAhead();
// Waits until it has been read; call before the first widget that shows text is made.
void WaitForFontConfiguration();
