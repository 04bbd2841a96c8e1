#include "show/MidiControl.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/widgets/RichTextBox.h"
#include "show/Panic.h"
#include "show/ShowMode.h"
#include "support/FakeMci.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"
#include "ui/MidiDialog.h"
#include "ui/ShowModeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardPaths>
#include <RtMidi.h>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>

using Bytes = std::vector<unsigned char>;
using Type = MidiEvent::Type;

namespace {

MidiEvent event(Type type, int channel, int number, int value = 0) {
    MidiEvent e;
    e.type = type;
    e.channel = channel;
    e.number = number;
    e.value = value;
    return e;
}

MidiEvent showEvent(Type type) {
    MidiEvent e;
    e.type = type;
    return e;
}

Bytes msc(unsigned char id, unsigned char format, unsigned char command) {
    return {0xF0, 0x7F, id, 0x02, format, command, 0xF7};
}

} // namespace

TEST(MidiDecode, ReadsNotesControllersAndPrograms) {
    EXPECT_EQ(DecodeMidi({0x90, 60, 100}, 0), std::vector{event(Type::Note, 1, 60, 100)});
    // Velocity 0 and Note Off release.
    EXPECT_EQ(DecodeMidi({0x93, 60, 0}, 0), std::vector{event(Type::NoteRelease, 4, 60)});
    EXPECT_EQ(DecodeMidi({0x80, 60, 64}, 0), std::vector{event(Type::NoteRelease, 1, 60, 64)});
    EXPECT_EQ(DecodeMidi({0xBF, 64, 127}, 0), std::vector{event(Type::Control, 16, 64, 127)});
    EXPECT_EQ(DecodeMidi({0xC1, 5}, 0), std::vector{event(Type::Program, 2, 5)});
    // Pressure, pitch bend, the clock and song position say nothing.
    EXPECT_TRUE(DecodeMidi({0xD0, 5, 0xE0, 0, 64, 0xF8, 0xF2, 1, 2}, 0).empty());
    // Incomplete messages are skipped; the next whole one is read.
    EXPECT_EQ(DecodeMidi({0x90, 60, 0xC0, 7}, 0), std::vector{event(Type::Program, 1, 7)});
    EXPECT_TRUE(DecodeMidi({0x90, 60}, 0).empty());
}

TEST(MidiDecode, ShowControlForOurDeviceOrAllCallInTheSoundFormats) {
    EXPECT_EQ(DecodeMidi(msc(0x05, 0x10, 0x01), 5), std::vector{showEvent(Type::ShowGo)});
    EXPECT_EQ(DecodeMidi(msc(0x7F, 0x7F, 0x02), 5), std::vector{showEvent(Type::ShowStop)});
    EXPECT_EQ(DecodeMidi(msc(0x7F, 0x10, 0x03), 5), std::vector{showEvent(Type::ShowResume)});
    EXPECT_TRUE(DecodeMidi(msc(0x06, 0x10, 0x01), 5).empty()); // another device
    EXPECT_TRUE(DecodeMidi(msc(0x05, 0x01, 0x01), 5).empty()); // lighting
    EXPECT_TRUE(DecodeMidi(msc(0x05, 0x10, 0x0A), 5).empty()); // another command
    // GO with a cue number is a GO.
    EXPECT_EQ(DecodeMidi({0xF0, 0x7F, 5, 2, 0x10, 1, '1', '2', 0xF7}, 5),
              std::vector{showEvent(Type::ShowGo)});
    // Other SysEx, and MSC cut short: nothing.
    EXPECT_TRUE(DecodeMidi({0xF0, 0x43, 0x10, 0x4C, 0xF7}, 5).empty());
    EXPECT_TRUE(DecodeMidi({0xF0, 0x7F, 5, 2, 0x10}, 5).empty());
    EXPECT_TRUE(DecodeMidi({0xF0, 0x7F, 5, 2, 0x10, 1}, 5).empty());
    // A SysEx cut short by the next message: RtMidi hands both over as one; the message after
    // it counts, and a whole SysEx after that too.
    Bytes joined{0xF0, 0x7F, 5, 2, 0x10, 0x90, 60, 100};
    const Bytes go = msc(5, 0x10, 1);
    joined.insert(joined.end(), go.begin(), go.end());
    EXPECT_EQ(DecodeMidi(joined, 5),
              (std::vector{event(Type::Note, 1, 60, 100), showEvent(Type::ShowGo)}));
}

TEST(MidiDecode, DataBytesAloneNeverMakeAMessage) {
    QRandomGenerator random(29);
    for (int i = 0; i < 500; ++i) {
        Bytes noise(size_t(random.bounded(1, 64)));
        for (unsigned char& b : noise)
            b = static_cast<unsigned char>(random.bounded(0x80));
        ASSERT_TRUE(DecodeMidi(noise, 0).empty());
    }
    // Anything at all is read without fault.
    for (int i = 0; i < 2000; ++i) {
        Bytes noise(size_t(random.bounded(0, 64)));
        for (unsigned char& b : noise)
            b = static_cast<unsigned char>(random.bounded(256));
        for (const MidiEvent& e : DecodeMidi(noise, 0))
            ASSERT_TRUE(e.number >= 0 && e.number < 128 && e.value >= 0 && e.value < 128);
    }
}

TEST(MidiDecode, TriggersAreKeptAsText) {
    for (const char* text : {"note 60", "cc 64", "program 0", "program 127"})
        EXPECT_EQ(MidiTrigger::FromText(QLatin1String(text)).ToText(), QLatin1String(text));
    for (const char* text : {"", "note", "note 128", "cc -1", "pitch 3", "note 6 0"})
        EXPECT_EQ(MidiTrigger::FromText(QLatin1String(text)).kind, MidiTrigger::Kind::None);
}

namespace {

// A JACK server of the tests' own with the dummy driver: a real MIDI port where the machine
// has no ALSA sequencer (CI has none).
class JackServer {
public:
    JackServer() {
        const QString jackd = QStandardPaths::findExecutable(QStringLiteral("jackd"));
        if (jackd.isEmpty()) return;
        name_ = QStringLiteral("scenolux-tests-%1").arg(QCoreApplication::applicationPid());
        qputenv("JACK_DEFAULT_SERVER", name_.toUtf8());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
        server_.setProcessEnvironment(env);
        server_.setStandardOutputFile(QProcess::nullDevice());
        server_.setStandardErrorFile(QProcess::nullDevice());
        // Should the tests end abruptly, the server goes with them.
        server_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        // No real-time scheduling: a container may not allow it.
        server_.start(jackd,
                      {QStringLiteral("--no-realtime"), QStringLiteral("-n"), name_,
                       QStringLiteral("-d"), QStringLiteral("dummy"), QStringLiteral("-r"),
                       QStringLiteral("48000"), QStringLiteral("-p"), QStringLiteral("1024")});
        if (!server_.waitForStarted(5000)) return;
        up_ = WaitFor([this] { return answers(); }, 10000);
    }
    ~JackServer() {
        server_.terminate();
        if (!server_.waitForFinished(5000)) server_.kill();
        server_.waitForFinished(2000);
    }
    bool Up() const { return up_; }

private:
    bool answers() {
        if (server_.state() != QProcess::Running) return false;
        QProcess lsp;
        lsp.start(QStringLiteral("jack_lsp"), {QStringLiteral("-s"), name_});
        return lsp.waitForFinished(3000) && lsp.exitCode() == 0;
    }
    QString name_;
    QProcess server_;
    bool up_ = false;
};

// A MIDI device on the JACK server: an output port "ScenoluxTestDevice:pedal".
struct Device {
    Device() : out(RtMidi::UNIX_JACK, "ScenoluxTestDevice") { out.openVirtualPort("pedal"); }
    void send(Bytes bytes) { out.sendMessage(&bytes); }
    RtMidiOut out;
    static QString Port() { return QStringLiteral("ScenoluxTestDevice:pedal"); }
};

class MidiPort : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = new JackServer;
        if (!server->Up() && !qEnvironmentVariableIsEmpty("SCENOLUX_REQUIRE_SOUND"))
            ADD_FAILURE() << "no JACK server to carry MIDI (jackd2 is not installed?)";
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!server->Up()) GTEST_SKIP() << "no JACK server (jackd2)";
        Lingua[127] = QStringLiteral("File non trovato");
        QString script;
        for (int i = 1; i <= 40; ++i)
            script += QStringLiteral("[[Vol %1]] ").arg(i);
        form.RTB->setText(script);
        form.RTB->setSelStart(0);
        form.show();
        show().SetActive(true);
        show().SetGoProtection(0);
        midi().api = MidiBackend::Jack;
        device = std::make_unique<Device>();
    }
    ShowMode& show() { return *form.showMode; }
    MidiControl& midi() { return *form.showMode->midi; }
    // The number of the standby cue (1: the first), 0 when there is none.
    int standby() {
        const QString text = show().StandbyText();
        return text.isEmpty() ? 0 : text.mid(4).toInt();
    }
    // Sends messages and waits until the program has taken them all.
    void send(const std::vector<Bytes>& messages) {
        const int before = midi().Taken();
        for (const Bytes& m : messages)
            device->send(m);
        ASSERT_TRUE(WaitFor([&] { return midi().Taken() >= before + int(messages.size()); }))
            << "the program received " << midi().Taken() - before << " of " << messages.size();
    }
    // The port is open and what the device sends arrives: JACK makes a new connection live
    // at a later cycle, and what is sent before that is lost. A note released acts on nothing.
    bool live() {
        if (!midi().Connected()) return false;
        for (int i = 0; i < 50; ++i) {
            const int before = midi().Taken();
            device->send({0x80, 0, 0});
            if (WaitFor([&] { return midi().Taken() > before; }, 100)) return true;
        }
        return false;
    }
    // Learns one action from what the device sends.
    void learn(MidiAction action, const std::vector<Bytes>& messages) {
        midi().Learn(action, QString(), 0);
        ASSERT_TRUE(WaitFor([&] {
            midi().portWatch.onTimer();
            return midi().Connected();
        }));
        ASSERT_TRUE(live());
        send(messages);
        EXPECT_FALSE(midi().Learning().has_value());
    }

    static JackServer* server;
    TempProgramFolder folder;
    FakeMci mci;
    Form1 form;
    std::unique_ptr<Device> device;
};
JackServer* MidiPort::server = nullptr;

} // namespace

// Learned from the device and kept; then each kind of message drives the show once per press.
TEST_F(MidiPort, LearnedMessagesDriveTheShowOncePerPress) {
    const Bytes goNote{0x90, 60, 100};
    learn(MidiAction::Go, {goNote, {0x90, 60, 0}});
    learn(MidiAction::Back, {{0xB0, 20, 127}, {0xB0, 20, 0}});
    learn(MidiAction::Panic, {{0xC0, 5}});
    learn(MidiAction::Cue, {{0x90, 36, 90}});
    learn(MidiAction::ShowMode, {{0x99, 10, 90}});
    ShowSettings kept;
    kept.Read(ShowSettingsPath());
    EXPECT_EQ(kept.midi.trigger(MidiAction::Go).ToText(), QStringLiteral("note 60"));
    EXPECT_EQ(kept.midi.trigger(MidiAction::Back).ToText(), QStringLiteral("cc 20"));
    EXPECT_EQ(kept.midi.trigger(MidiAction::Panic).ToText(), QStringLiteral("program 5"));
    EXPECT_EQ(kept.midi.trigger(MidiAction::Cue).ToText(), QStringLiteral("note 36"));
    EXPECT_EQ(kept.midi.trigger(MidiAction::ShowMode).ToText(), QStringLiteral("note 10"));
    // Learning ran nothing.
    EXPECT_EQ(standby(), 1);
    EXPECT_FALSE(show().panic->Running());
    EXPECT_TRUE(show().Active());

    MidiSettings on = midi().Settings();
    on.on = true;
    show().SetMidi(on);
    ASSERT_TRUE(live());

    // A note: its release does nothing.
    send({goNote, {0x80, 60, 0}, {0x90, 60, 0}});
    EXPECT_EQ(standby(), 2);
    send({goNote, goNote});
    EXPECT_EQ(standby(), 4);
    // A pedal on a controller: 127 then 0 is one press, whatever values come between.
    send({{0xB0, 20, 127}, {0xB0, 20, 0}});
    EXPECT_EQ(standby(), 3);
    send({{0xB0, 20, 127}, {0xB0, 20, 90}, {0xB0, 20, 127}, {0xB0, 20, 0}, {0xB0, 21, 127}});
    EXPECT_EQ(standby(), 2);
    // Other notes, controllers and programs do nothing.
    send({{0x90, 61, 100}, {0xB0, 7, 100}, {0xC0, 6}});
    EXPECT_EQ(standby(), 2);
    EXPECT_FALSE(show().panic->Running());
    // Cue N: the note learned runs the first cue, the next notes the next ones; the script
    // stays as it is and so does the standby.
    send({{0x90, 38, 100}});
    EXPECT_EQ(form.Label6->Caption().trimmed(), QStringLiteral("3"));
    send({{0x90, 36 + 39, 100}});
    EXPECT_EQ(form.Label6->Caption().trimmed(), QStringLiteral("40"));
    EXPECT_EQ(standby(), 2);

    // One channel: the same note on another is not ours.
    on = midi().Settings();
    on.channel = 2;
    show().SetMidi(on);
    send({goNote});
    EXPECT_EQ(standby(), 2);
    send({{0x91, 60, 100}});
    EXPECT_EQ(standby(), 3);

    // Show mode off and on: learned on one channel, it acts on the one chosen.
    send({{0x91, 10, 90}});
    EXPECT_FALSE(show().Active());
    send({{0x91, 10, 90}});
    EXPECT_TRUE(show().Active());

    send({{0xC1, 5}});
    EXPECT_TRUE(show().panic->Running());
}

// The Options window as the operator works it: the device's port, a channel, the device ID,
// and GO learned with its button; OK applies and keeps it all.
TEST_F(MidiPort, TheWindowLearnsAndKeepsWhatWasChosen) {
    ScriptedDialogs dialogs;
    dialogs.ExpectModal([&](QDialog& window) {
        auto& d = static_cast<MidiDialog&>(window);
        ASSERT_GE(d.cboPort->findData(Device::Port()), 0);
        d.cboPort->setCurrentIndex(d.cboPort->findData(Device::Port()));
        d.cboChannel->setCurrentIndex(2);
        d.txtDeviceId->setValue(9);
        d.chkOn->setChecked(true);
        d.cmdLearn[size_t(MidiAction::Go)]->click();
        EXPECT_EQ(d.cmdLearn[size_t(MidiAction::Go)]->text(), MessageText(Msg::MidiLearnWaiting));
        ASSERT_TRUE(live());
        // Another channel's note is not learned.
        send({{0x90, 61, 100}, {0x91, 62, 100}});
        EXPECT_EQ(d.lblLearned[size_t(MidiAction::Go)]->text(), QStringLiteral("note 62"));
        EXPECT_EQ(d.cmdLearn[size_t(MidiAction::Go)]->text(), MessageText(Msg::MidiLearn));
        d.accept();
    });
    form.showModeView->mnuMidiControl_Click();
    ShowSettings kept;
    kept.Read(ShowSettingsPath());
    EXPECT_TRUE(kept.midi.on);
    EXPECT_EQ(kept.midi.port, Device::Port());
    EXPECT_EQ(kept.midi.channel, 2);
    EXPECT_EQ(kept.midi.deviceId, 9);
    EXPECT_EQ(kept.midi.trigger(MidiAction::Go).ToText(), QStringLiteral("note 62"));
    EXPECT_TRUE(midi().Connected());
    send({{0x91, 62, 100}, msc(9, 0x10, 1)});
    EXPECT_EQ(standby(), 3);
}

// MIDI Show Control from a lighting desk: our device ID or all-call, in the sound or
// all-types format; another device's, a SysEx cut short and random bytes do nothing.
TEST_F(MidiPort, ShowControlFromTheDeskAndNothingFromRubbish) {
    MidiSettings on;
    on.on = true;
    on.deviceId = 3;
    show().SetMidi(on);
    ASSERT_TRUE(live());
    send({msc(3, 0x10, 1)});
    EXPECT_EQ(standby(), 2);
    send({msc(0x7F, 0x7F, 1)});
    EXPECT_EQ(standby(), 3);
    send({msc(4, 0x10, 1), msc(3, 0x01, 1), msc(3, 0x10, 0x0A)});
    EXPECT_EQ(standby(), 3);

    QRandomGenerator random(41);
    std::vector<Bytes> rubbish{{0xF0, 0x7F, 3, 0x02, 0x10, 0x01}};
    // Few and short enough to fit one cycle's MIDI buffer of the sending client.
    for (int i = 0; i < 20; ++i) {
        Bytes noise(size_t(random.bounded(1, 24)));
        for (unsigned char& b : noise)
            b = static_cast<unsigned char>(random.bounded(256));
        rubbish.push_back(noise);
    }
    // No message is learned here: only MIDI Show Control could act, and the noise holds none
    // of it, however RtMidi joins what follows an unfinished SysEx.
    for (size_t from = 0; from < rubbish.size(); ++from) {
        Bytes joined;
        for (size_t k = from; k < rubbish.size(); ++k)
            joined.insert(joined.end(), rubbish[k].begin(), rubbish[k].end());
        for (const MidiEvent& e : DecodeMidi(joined, 3))
            ASSERT_TRUE(e.type != Type::ShowGo && e.type != Type::ShowStop &&
                        e.type != Type::ShowResume);
    }
    const int before = midi().Received();
    for (const Bytes& m : rubbish)
        device->send(m);
    // Then a whole GO, which is understood whatever came before it.
    device->send(msc(3, 0x10, 1));
    EXPECT_TRUE(WaitFor([&] { return standby() == 4; }));
    EXPECT_GT(midi().Received(), before);
    EXPECT_TRUE(show().Active());
    EXPECT_FALSE(show().panic->Running());

    send({msc(3, 0x10, 2)});
    EXPECT_TRUE(show().panic->Running());
}

// A controller unplugged during the show and plugged back is opened again without the
// operator; the show bar says meanwhile that MIDI is not connected.
TEST_F(MidiPort, APortThatGoesAndComesBackIsOpenedAgain) {
    MidiSettings on;
    on.on = true;
    on.port = Device::Port();
    on.trigger(MidiAction::Go).kind = MidiTrigger::Kind::Note;
    on.trigger(MidiAction::Go).number = 60;
    show().SetMidi(on);
    ASSERT_TRUE(live());
    EXPECT_TRUE(
        form.showModeView->lblShowMode->Caption().contains(MessageText(Msg::MidiConnected)));
    EXPECT_EQ(midi().portWatch.Interval(), MidiControl::kPortWatchMs);

    device.reset();
    EXPECT_TRUE(WaitFor([&] {
        midi().portWatch.onTimer();
        return !midi().Connected();
    }));
    EXPECT_TRUE(
        form.showModeView->lblShowMode->Caption().contains(MessageText(Msg::MidiDisconnected)));

    device = std::make_unique<Device>();
    EXPECT_TRUE(WaitFor([&] {
        midi().portWatch.onTimer();
        return midi().Connected();
    }));
    ASSERT_TRUE(live());
    send({{0x90, 60, 100}});
    EXPECT_EQ(standby(), 2);

    // Off: the port is let go and no longer watched.
    on.on = false;
    show().SetMidi(on);
    EXPECT_FALSE(midi().Connected());
    EXPECT_TRUE(midi().OpenPorts().isEmpty());
    EXPECT_EQ(midi().portWatch.Interval(), 0);
}

// The protection holds for MIDI too: two GOs 50 ms apart run one cue; switched off, two.
TEST_F(MidiPort, TwoGosFiftyMsApartRunOneCueUnlessTheProtectionIsOff) {
    std::atomic<qint64> now = 1000;
    show().goGuard.SetClock([&] { return now.load(); });
    show().SetGoProtection(250);
    MidiSettings on;
    on.on = true;
    on.trigger(MidiAction::Go).kind = MidiTrigger::Kind::Note;
    on.trigger(MidiAction::Go).number = 60;
    show().SetMidi(on);
    ASSERT_TRUE(live());
    auto twoGos = [&] {
        send({{0x90, 60, 100}});
        now += 50;
        send({{0x90, 60, 100}});
        now += 1000;
    };
    twoGos();
    EXPECT_EQ(standby(), 2);
    show().SetGoProtection(0);
    twoGos();
    EXPECT_EQ(standby(), 4);
}
