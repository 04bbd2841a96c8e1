// MIDI control: GO, back, panic, show mode and "run cue N" from a MIDI device, and MIDI Show
// Control from a lighting desk. Each action is learned: the operator presses Learn, sends the
// message from the device, and it is kept.
//
// What presses: a Note On with a velocity above 0 (0 is a release, as is a Note Off), a Control
// Change above 0 after the controller was at 0 (a pedal that sends 127 then 0 fires once), a
// Program Change. On the channel chosen, or any. MIDI Show Control (SysEx F0 7F id 02 format
// command ... F7) for our device ID or all-call (7F), in the sound (10) or all-types (7F)
// command format: GO runs the standby cue, STOP is the panic, RESUME plays on what is paused.
// Anything else, a SysEx cut short among it, is ignored.
//
// The ports are watched on a timer: one unplugged and plugged back is opened again by itself.
#pragma once

#include "platform/MidiIn.h"
#include "platform/Timer.h"
#include "show/MidiTrigger.h"

#include <QObject>
#include <QSet>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One message as MIDI control reads it.
struct MidiEvent {
    enum class Type { Note, NoteRelease, Control, Program, ShowGo, ShowStop, ShowResume };
    Type type = Type::Note;
    int channel = 0; // 1-16; 0 for MIDI Show Control
    int number = 0;
    int value = 0; // velocity or controller value

    bool operator==(const MidiEvent&) const = default;
};

// Splits bytes received from a port into the messages MIDI control reads; MIDI Show Control
// only for deviceId or all-call. What is incomplete or unknown is skipped.
std::vector<MidiEvent> DecodeMidi(const std::vector<unsigned char>& bytes, int deviceId);

class MidiControl : public QObject {
    Q_OBJECT
public:
    MidiControl();
    ~MidiControl() override;

    // Applies the settings: the ports are opened (or closed) at once and watched after.
    void Apply(const MidiSettings& settings);
    const MidiSettings& Settings() const { return settings_; }
    // Where ports are looked for; set before the first Apply.
    MidiBackend api = MidiBackend::Auto;

    // The ports that can be chosen now.
    QStringList Ports();
    // At least one port is open.
    bool Connected() const { return connected_; }
    QStringList OpenPorts() const;

    // The next press on the channel (0: any) becomes the action's message and is kept; until
    // then the given port (empty: all) is listened to, even with MIDI control off.
    void Learn(MidiAction action, const QString& port, int channel);
    void CancelLearn();
    std::optional<MidiAction> Learning() const { return learning_; }

    // Bytes from a port, on its thread: stamped and handed to the user-interface thread.
    void Receive(const std::vector<unsigned char>& bytes);
    // Runs what the bytes say (on the user-interface thread).
    void Take(const std::vector<unsigned char>& bytes, qint64 arrivedMs = -1);
    // Messages received since the start, and of them those already taken (for tests and
    // measurements).
    int Received() const { return received_; }
    int Taken() const { return taken_; }

    Timer portWatch; // its tick opens ports that came and closes those that went
    static constexpr int kPortWatchMs = 500;

    std::function<void(qint64 arrivedMs)> onGo;
    std::function<void()> onBack, onPanic, onShowMode, onResume;
    std::function<void(int number)> onCue; // 1: the first cue of the script
    // Stamps messages as they arrive (any thread); unset, they carry no time.
    std::function<qint64()> clock;

signals:
    void connectedChanged(bool connected);
    void learned(MidiAction action, MidiTrigger trigger);

private:
    void watchPorts();
    void press(const MidiTrigger& trigger, qint64 arrivedMs);
    void setConnected(bool on);

    MidiSettings settings_;
    std::unique_ptr<MidiIn> in_;
    std::optional<MidiAction> learning_;
    QString learnPort_;
    int learnChannel_ = 0;
    QSet<int> heldControls_; // channel * 128 + controller, while above 0
    bool connected_ = false;
    std::atomic<int> received_ = 0;
    int taken_ = 0;
};
