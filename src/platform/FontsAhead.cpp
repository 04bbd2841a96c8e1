#include "platform/FontsAhead.h"

#include <fontconfig/fontconfig.h>
#include <future>

namespace {
std::future<void> reading;
} // namespace

void ReadFontConfigurationAhead() {
    // fontconfig keeps the configuration it loads as the process's current one, so Qt's own
    // initialisation later finds it ready. Were Qt to ask first, it would load its own copy:
    // slower, never wrong.
    if (!reading.valid()) reading = std::async(std::launch::async, [] { FcInit(); });
}

void WaitForFontConfiguration() {
    if (reading.valid()) reading.get();
}
