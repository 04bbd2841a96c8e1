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

void MasterVolume::SetTravel(double top, double length,
                             std::function<double(double)> restingPlace) {
    top_ = top;
    length_ = length;
    restingPlace_ = std::move(restingPlace);
}

void MasterVolume::SetPosition(double steps) {
    position_ = restingPlace_(steps);
    emit positionSet(position_);
}

double MasterVolume::LevelAt(double steps) const {
    const double max = double(max_);
    return std::fabs((steps - top_) * max / length_ - max);
}
