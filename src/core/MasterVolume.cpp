#include "core/MasterVolume.h"

#include <cmath>

double MasterVolume::PercentOf(long value, long max) {
    if (max <= 0) return 0;
    return std::min(100.0, std::floor(double(value) / max * 100));
}

void MasterVolume::SetValue(long value) {
    value_ = value;
    emit levelSet(value, Percent());
}
