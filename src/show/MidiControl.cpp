#include "show/MidiControl.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcMidi, "scenolux.midi.control")

namespace {

constexpr unsigned char kSysEx = 0xF0;
constexpr unsigned char kEndOfSysEx = 0xF7;
constexpr unsigned char kAllCall = 0x7F;
constexpr unsigned char kSoundFormat = 0x10;
constexpr unsigned char kAllTypes = 0x7F;

bool isData(unsigned char b) {
    return b < 0x80;
}

bool isRealTime(unsigned char b) {
    return b >= 0xF8;
}

// F0 7F id 02 format command [data] F7
std::optional<MidiEvent> showControl(const std::vector<unsigned char>& m, int deviceId) {
    if (m.size() < 7 || m[1] != 0x7F || m[3] != 0x02) return std::nullopt;
    if (m[2] != deviceId && m[2] != kAllCall) return std::nullopt;
    if (m[4] != kSoundFormat && m[4] != kAllTypes) return std::nullopt;
    MidiEvent e;
    switch (m[5]) {
    case 0x01:
        e.type = MidiEvent::Type::ShowGo;
        return e;
    case 0x02:
        e.type = MidiEvent::Type::ShowStop;
        return e;
    case 0x03:
        e.type = MidiEvent::Type::ShowResume;
        return e;
    default:
        return std::nullopt;
    }
}

} // namespace

QString MidiTrigger::ToText() const {
    switch (kind) {
    case Kind::Note:
        return QStringLiteral("note %1").arg(number);
    case Kind::Control:
        return QStringLiteral("cc %1").arg(number);
    case Kind::Program:
        return QStringLiteral("program %1").arg(number);
    case Kind::None:
        break;
    }
    return QString();
}

MidiTrigger MidiTrigger::FromText(const QString& text) {
    const QStringList parts = text.simplified().split(u' ');
    MidiTrigger t;
    if (parts.size() != 2) return t;
    bool ok = false;
    const int n = parts[1].toInt(&ok);
    if (!ok || n < 0 || n > 127) return t;
    if (parts[0] == QLatin1String("note"))
        t.kind = Kind::Note;
    else if (parts[0] == QLatin1String("cc"))
        t.kind = Kind::Control;
    else if (parts[0] == QLatin1String("program"))
        t.kind = Kind::Program;
    else
        return t;
    t.number = n;
    return t;
}

std::vector<MidiEvent> DecodeMidi(const std::vector<unsigned char>& bytes, int deviceId) {
    std::vector<MidiEvent> events;
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char status = bytes[i];
        if (isData(status) || isRealTime(status)) {
            ++i; // a stray data byte, or the clock and its kin
            continue;
        }
        if (status == kSysEx) {
            std::vector<unsigned char> sysex{status};
            size_t j = i + 1;
            for (; j < n && (isData(bytes[j]) || isRealTime(bytes[j])); ++j)
                if (isData(bytes[j])) sysex.push_back(bytes[j]);
            if (j < n && bytes[j] == kEndOfSysEx) {
                sysex.push_back(kEndOfSysEx);
                if (std::optional<MidiEvent> e = showControl(sysex, deviceId)) events.push_back(*e);
                i = j + 1;
            } else {
                i = j; // cut short by the next message, which is read on its own
            }
            continue;
        }
        if (status >= 0xF0) {
            ++i; // the other system messages say nothing to us; their data bytes are skipped
            continue;
        }
        const int type = status & 0xF0;
        const size_t length = (type == 0xC0 || type == 0xD0) ? 2 : 3;
        if (i + length > n || !isData(bytes[i + 1]) || (length == 3 && !isData(bytes[i + 2]))) {
            ++i; // incomplete
            continue;
        }
        MidiEvent e;
        e.channel = (status & 0x0F) + 1;
        e.number = bytes[i + 1];
        e.value = length == 3 ? bytes[i + 2] : 0;
        i += length;
        switch (type) {
        case 0x90:
            e.type = e.value > 0 ? MidiEvent::Type::Note : MidiEvent::Type::NoteRelease;
            break;
        case 0x80:
            e.type = MidiEvent::Type::NoteRelease;
            break;
        case 0xB0:
            e.type = MidiEvent::Type::Control;
            break;
        case 0xC0:
            e.type = MidiEvent::Type::Program;
            break;
        default:
            continue; // pressure, pitch bend
        }
        events.push_back(e);
    }
    return events;
}

MidiControl::MidiControl() : portWatch(0) {
    portWatch.onTimer = [this] { watchPorts(); };
}

MidiControl::~MidiControl() {
    portWatch.setInterval(0);
    in_.reset(); // no message arrives after this
}

void MidiControl::Apply(const MidiSettings& settings) {
    settings_ = settings;
    heldControls_.clear();
    watchPorts();
}

QStringList MidiControl::Ports() {
    if (!in_) in_ = std::make_unique<MidiIn>(api, [this](const auto& bytes) { Receive(bytes); });
    return in_->Ports();
}

QStringList MidiControl::OpenPorts() const {
    return in_ ? in_->Opened() : QStringList();
}

void MidiControl::Learn(MidiAction action, const QString& port, int channel) {
    learning_ = action;
    learnPort_ = port;
    learnChannel_ = channel;
    watchPorts();
}

void MidiControl::CancelLearn() {
    if (!learning_) return;
    learning_.reset();
    watchPorts();
}

void MidiControl::watchPorts() {
    const bool listening = learning_ || settings_.on;
    const QString wanted = learning_ ? learnPort_ : settings_.port;
    portWatch.setInterval(listening ? kPortWatchMs : 0);
    if (!listening) {
        if (in_) in_->CloseAll();
        setConnected(false);
        return;
    }
    const QStringList ports = Ports();
    for (const QString& open : in_->Opened())
        if (!ports.contains(open) || (!wanted.isEmpty() && open != wanted)) in_->Close(open);
    for (const QString& port : ports)
        if (wanted.isEmpty() || port == wanted) in_->Open(port);
    setConnected(!in_->Opened().isEmpty());
}

void MidiControl::setConnected(bool on) {
    if (on == connected_) return;
    connected_ = on;
    emit connectedChanged(on);
}

void MidiControl::Receive(const std::vector<unsigned char>& bytes) {
    ++received_;
    const qint64 at = clock ? clock() : -1;
    QMetaObject::invokeMethod(
        this,
        [this, bytes, at] {
            Take(bytes, at);
            ++taken_;
        },
        Qt::QueuedConnection);
}

void MidiControl::Take(const std::vector<unsigned char>& bytes, qint64 arrivedMs) {
    for (const MidiEvent& e : DecodeMidi(bytes, settings_.deviceId)) {
        switch (e.type) {
        case MidiEvent::Type::ShowGo:
            if (onGo) onGo(arrivedMs);
            continue;
        case MidiEvent::Type::ShowStop:
            if (onPanic) onPanic();
            continue;
        case MidiEvent::Type::ShowResume:
            if (onResume) onResume();
            continue;
        default:
            break;
        }
        const int channel = learning_ ? learnChannel_ : settings_.channel;
        if (channel != 0 && e.channel != channel) continue;
        MidiTrigger t;
        t.number = e.number;
        switch (e.type) {
        case MidiEvent::Type::Note:
            t.kind = MidiTrigger::Kind::Note;
            break;
        case MidiEvent::Type::Program:
            t.kind = MidiTrigger::Kind::Program;
            break;
        case MidiEvent::Type::Control: {
            // A press when it leaves 0; the values after it, until it is back at 0, are the
            // same press.
            const int key = e.channel * 128 + e.number;
            if (e.value == 0) {
                heldControls_.remove(key);
                continue;
            }
            if (heldControls_.contains(key)) continue;
            heldControls_.insert(key);
            t.kind = MidiTrigger::Kind::Control;
            break;
        }
        default:
            continue; // a release
        }
        press(t, arrivedMs);
    }
}

void MidiControl::press(const MidiTrigger& t, qint64 arrivedMs) {
    if (learning_) {
        const MidiAction action = *learning_;
        settings_.trigger(action) = t;
        learning_.reset();
        qCInfo(lcMidi) << "MIDI learned:" << int(action) << t.ToText();
        emit learned(action, t);
        watchPorts();
        return;
    }
    if (t == settings_.trigger(MidiAction::Go)) {
        if (onGo) onGo(arrivedMs);
    } else if (t == settings_.trigger(MidiAction::Back)) {
        if (onBack) onBack();
    } else if (t == settings_.trigger(MidiAction::Panic)) {
        if (onPanic) onPanic();
    } else if (t == settings_.trigger(MidiAction::ShowMode)) {
        if (onShowMode) onShowMode();
    } else {
        const MidiTrigger& first = settings_.trigger(MidiAction::Cue);
        if (first.kind == t.kind && t.number >= first.number && onCue)
            onCue(t.number - first.number + 1);
    }
}
