// What MIDI control keeps: the message learned for each action, the port, the channel and the
// MIDI Show Control device ID. Plain values, kept with the show-control settings.
#pragma once

#include <QString>
#include <array>

// The actions a MIDI message can be learned for. Cue runs cue N of the script: the message
// learned runs the first cue, the next note or program numbers the next cues.
enum class MidiAction { Go, Back, Panic, ShowMode, Cue };
constexpr int kMidiActions = 5;

struct MidiTrigger {
    enum class Kind { None, Note, Control, Program };
    Kind kind = Kind::None;
    int number = 0; // note, controller or program number, 0-127

    bool operator==(const MidiTrigger&) const = default;
    // "note 60", "cc 64", "program 3"; empty for none. Read back by FromText, which gives none
    // for anything else.
    QString ToText() const;
    static MidiTrigger FromText(const QString& text);
};

struct MidiSettings {
    bool on = false;
    QString port;     // empty: every port
    int channel = 0;  // 1-16; 0: any
    int deviceId = 0; // MIDI Show Control device ID, 0-126; all-call (127) is always heard
    std::array<MidiTrigger, kMidiActions> triggers;

    bool operator==(const MidiSettings&) const = default;
    MidiTrigger& trigger(MidiAction a) { return triggers[size_t(a)]; }
    const MidiTrigger& trigger(MidiAction a) const { return triggers[size_t(a)]; }
};
