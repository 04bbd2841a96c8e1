// The master volume: the level the system mixer is set to, in the mixer's units from 0 to its
// maximum, and the same level in percent as the operator reads it and the players take it.
// The percentage label follows levelSet; the mixer and the players are set from it.
// The knob still decides the level (its position is the level) and a fade still moves the
// knob, so the fades' steps stay with the knob until the knob follows the level instead.
#pragma once

#include <QObject>

class MasterVolume : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The top of the range: the system mixer's, kept when there is none so that the level
    // still drives the players.
    long Max() const { return max_; }
    void SetMax(long max) { max_ = max; }

    // The level in the mixer's units, as the settings keep it.
    long Value() const { return value_; }
    void SetValue(long value);
    // The level in whole percent of the range, never above 100 (0 while the range is empty).
    double Percent() const { return PercentOf(value_, max_); }
    static double PercentOf(long value, long max);

signals:
    // Sent on every set, changed or not: setting the level puts it on the mixer again.
    void levelSet(long value, double percent);

private:
    long max_ = 65536;
    long value_ = 0;
};
