#include "platform/MidiIn.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <RtMidi.h>
#include <jack/jack.h>

Q_LOGGING_CATEGORY(lcMidiIn, "scenolux.midi")

namespace {

const char* const kClientName = "Scenolux";

// "Device:Port 20:0" on the ALSA sequencer: the numbers go.
QString plainName(const std::string& name) {
    static const QRegularExpression numbers(QStringLiteral("\\s+\\d+:\\d+$"));
    return QString::fromStdString(name).remove(numbers);
}

// RtMidi says so when it finds no JACK server; the client it made is then of no use.
void onRtMidiError(RtMidiError::Type, const std::string& text, void* noServer) {
    qCDebug(lcMidiIn) << QString::fromStdString(text);
    if (text.find("JACK server not running") != std::string::npos)
        *static_cast<bool*>(noServer) = true;
}

// JACK says on the error output that no server runs at each try; that is for the log only.
void onJackText(const char* text) {
    qCDebug(lcMidiIn) << "jack:" << text;
}

RtMidi::Api rtApi(MidiBackend api) {
    return api == MidiBackend::Alsa ? RtMidi::LINUX_ALSA : RtMidi::UNIX_JACK;
}

} // namespace

MidiIn::MidiIn(MidiBackend api, Handler handler) : wanted_(api), handler_(std::move(handler)) {
    static const bool quiet = [] {
        jack_set_error_function(onJackText);
        jack_set_info_function(onJackText);
        return true;
    }();
    (void)quiet;
}

MidiIn::~MidiIn() {
    CloseAll();
}

std::unique_ptr<RtMidiIn> MidiIn::makeClient() {
    try {
        auto client = std::make_unique<RtMidiIn>(rtApi(reached_), kClientName);
        client->setErrorCallback(onRtMidiError, &noServer_);
        return client;
    } catch (const RtMidiError& e) {
        qCDebug(lcMidiIn) << "no MIDI client:" << QString::fromStdString(e.getMessage());
        return nullptr;
    }
}

bool MidiIn::reach() {
    if (lister_) return true;
    QList<MidiBackend> tries;
    if (wanted_ == MidiBackend::Auto) {
        // Without the device the sequencer is not there; trying would only fill the log.
        if (QFile::exists(QStringLiteral("/dev/snd/seq"))) tries << MidiBackend::Alsa;
        tries << MidiBackend::Jack;
    } else {
        tries << wanted_;
    }
    for (MidiBackend api : tries) {
        reached_ = api;
        lister_ = makeClient();
        // JACK makes its client only when first asked for ports: a server that is not there
        // shows then.
        if (lister_ && api == MidiBackend::Jack) {
            noServer_ = false;
            lister_->getPortCount();
            if (noServer_) lister_.reset();
        }
        if (lister_) return true;
    }
    reached_ = MidiBackend::Auto;
    return false;
}

QStringList MidiIn::Ports() {
    QStringList names;
    if (!reach()) return names;
    const unsigned count = lister_->getPortCount();
    for (unsigned i = 0; i < count; ++i)
        names << plainName(lister_->getPortName(i));
    // No port on JACK may be a server that went away, leaving its client dead: now and then a
    // new client is made, which finds a server that came back. The sequencer's client stays.
    if (names.isEmpty() && reached_ == MidiBackend::Jack && ++emptyLists_ % kRetryEvery == 0)
        lister_.reset();
    names.removeDuplicates();
    return names;
}

bool MidiIn::Open(const QString& name) {
    if (open_.count(name)) return true;
    if (!reach()) return false;
    std::unique_ptr<RtMidiIn> client = makeClient();
    if (!client) return false;
    const unsigned count = client->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (plainName(client->getPortName(i)) != name) continue;
        client->ignoreTypes(false, true, true); // SysEx in; clock and active sensing out
        client->setCallback(
            [](double, std::vector<unsigned char>* bytes, void* self) {
                if (bytes && !bytes->empty()) static_cast<MidiIn*>(self)->handler_(*bytes);
            },
            this);
        client->openPort(i, "in");
        if (!client->isPortOpen()) return false;
        open_[name] = std::move(client);
        qCInfo(lcMidiIn) << "MIDI port opened:" << name;
        return true;
    }
    return false;
}

void MidiIn::Close(const QString& portName) {
    const QString name = portName; // the caller's may be the key erased below
    auto it = open_.find(name);
    if (it == open_.end()) return;
    it->second->closePort();
    open_.erase(it);
    qCInfo(lcMidiIn) << "MIDI port closed:" << name;
}

void MidiIn::CloseAll() {
    while (!open_.empty())
        Close(open_.begin()->first);
}

QStringList MidiIn::Opened() const {
    QStringList names;
    for (const auto& [name, client] : open_)
        names << name;
    return names;
}
