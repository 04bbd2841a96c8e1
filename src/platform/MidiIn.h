// MIDI input ports, through RtMidi on the ALSA sequencer or on JACK. Each port opened is a
// client of its own; what a port receives is handed to the handler on RtMidi's thread, with
// SysEx included and the clock and active sensing left out.
//
// Port names are those the system shows, without the numbers the ALSA sequencer adds (they
// change when a device is plugged in again), so a name chosen once finds the device again.
//
// RtMidi joins what follows a SysEx that lacks its closing F7 to that SysEx, until a message
// that ends one: the handler gets bytes as a stream and must split them itself.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class RtMidiIn;

enum class MidiBackend {
    Auto, // the ALSA sequencer where there is one, otherwise JACK
    Alsa,
    Jack
};

class MidiIn {
public:
    using Handler = std::function<void(const std::vector<unsigned char>& bytes)>;

    MidiIn(MidiBackend api, Handler handler);
    ~MidiIn();
    MidiIn(const MidiIn&) = delete;
    MidiIn& operator=(const MidiIn&) = delete;

    // The API reached (Alsa or Jack); Auto while neither could be reached.
    MidiBackend Api() const { return reached_; }
    // The ports other programs and devices offer; empty when the API cannot be reached (each
    // call tries again).
    QStringList Ports();
    // Opens a port by name; false when there is no such port or it cannot be opened.
    bool Open(const QString& name);
    void Close(const QString& portName);
    void CloseAll();
    QStringList Opened() const;

private:
    bool reach();
    std::unique_ptr<RtMidiIn> makeClient();

    MidiBackend wanted_;
    MidiBackend reached_ = MidiBackend::Auto;
    Handler handler_;
    std::unique_ptr<RtMidiIn> lister_;
    std::map<QString, std::unique_ptr<RtMidiIn>> open_;
    bool noServer_ = false;
    int emptyLists_ = 0;
    static constexpr int kRetryEvery = 10;
};
