// The master volume: the level the system mixer is set to, in the mixer's units from 0 to its
// maximum, and the same level in percent as the operator reads it and the players take it.
// The percentage label follows levelSet; the mixer and the players are set from it.
// The level is also a place on the knob's travel, counted in the knob's own steps: the top of
// the travel is full volume, its bottom silence. Drags and fades move that place; the knob
// follows positionSet.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

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

    // The travel: full volume at top, silence at top + length. The view says where on it the
    // knob can rest (a place it can draw), so that the level is the one the operator sees.
    void SetTravel(double top, double length, std::function<double(double)> restingPlace);
    double TravelTop() const { return top_; }
    double TravelLength() const { return length_; }
    double TravelBottom() const { return top_ + length_; }

    // The place on the travel, in steps; it may lie off the travel while a drag pulls it.
    double Position() const { return position_; }
    void SetPosition(double steps);
    // The level a place on the travel stands for, not cut to whole units (above Max() above
    // the travel's top).
    double LevelAt(double steps) const;

    // The level chosen by the place or a fade's end, to be set by the fades' ImpostaVolume:
    // written as the settings file's first line keeps it.
    const QString& ChosenLevel() const { return chosen_; }
    void SetChosenLevel(const QString& level) { chosen_ = level; }

signals:
    // Sent on every set, changed or not: setting the level puts it on the mixer again.
    void levelSet(long value, double percent);
    void positionSet(double steps);

private:
    long max_ = 65536;
    long value_ = 0;
    double top_ = 0;
    double length_ = 0;
    std::function<double(double)> restingPlace_ = [](double steps) { return steps; };
    double position_ = 0;
    QString chosen_;
};
