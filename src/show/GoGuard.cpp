#include "show/GoGuard.h"

#include <chrono>

namespace {
qint64 steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

GoGuard::GoGuard() : clock_(steadyMs) {}

void GoGuard::SetClock(Clock clock) {
    clock_ = clock ? std::move(clock) : Clock(steadyMs);
    any_ = false;
}

bool GoGuard::Admit(qint64 at) {
    // A GO stamped before the last one (two sources, a stamp taken late) is as close as can be.
    if (any_ && minimumMs_ > 0 && at - last_ < minimumMs_) return false;
    last_ = at;
    any_ = true;
    return true;
}
