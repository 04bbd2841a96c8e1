// Measures GO from a MIDI device: the time from a Note On sent on a MIDI port to the first
// sound at the sink "show", for a WAV and an MP3 cue (on standby for 0.7 s, so opened ahead,
// and opened by the GO before and started by [[Play Audio]]), with PulseAudio's own player (paplay)
// measured in turn in the same run: median and 95th percentile of 20 each. The MIDI travels on
// a JACK server the probe starts (dummy driver, 64-frame cycle); the sink is held at a sound
// card's latency.
//
// Usage (with scripts/sound-server.sh running): scenolux_midi_probe [runs]
#include "app/Paths.h"
#include "i18n/Lingua.h"
#include "platform/widgets/RichTextBox.h"
#include "show/MidiControl.h"
#include "show/Panic.h"
#include "show/ShowMode.h"
#include "support/SinkLatency.h"
#include "support/SoundOnset.h"
#include "support/Wav.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <RtMidi.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <vector>

namespace {

// The nearest-rank percentile.
double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(p * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

void report(const char* name, const std::vector<double>& times) {
    std::printf("%-16s median %6.1f ms   95th percentile %6.1f ms   (", name, Median(times),
                percentile(times, 0.95));
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    for (double t : sorted)
        std::printf(" %.0f", t);
    std::printf(" )\n");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir dir;

    const QString server = QStringLiteral("scenolux-probe-%1").arg(app.applicationPid());
    qputenv("JACK_DEFAULT_SERVER", server.toUtf8());
    QProcess jackd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
    jackd.setProcessEnvironment(env);
    jackd.setStandardOutputFile(QProcess::nullDevice());
    jackd.setStandardErrorFile(QProcess::nullDevice());
    jackd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    jackd.start(QStringLiteral("jackd"),
                {QStringLiteral("-n"), server, QStringLiteral("-d"), QStringLiteral("dummy"),
                 QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-p"),
                 QStringLiteral("64")});
    auto serverAnswers = [&] {
        QProcess lsp;
        lsp.start(QStringLiteral("jack_lsp"), {QStringLiteral("-s"), server});
        return lsp.waitForFinished(3000) && lsp.exitCode() == 0;
    };
    bool up = false;
    for (int i = 0; i < 50 && !(up = serverAnswers()); ++i)
        ServeEventsFor(200);
    if (!up) {
        std::fprintf(stderr, "no JACK server (jackd2)\n");
        return 1;
    }

    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    const QString mp3 = dir.path() + QStringLiteral("/tone.mp3");
    auto ffmpeg = [](const QStringList& args) {
        return QProcess::execute(QStringLiteral("ffmpeg"),
                                 QStringList{QStringLiteral("-loglevel"), QStringLiteral("error"),
                                             QStringLiteral("-y")} +
                                     args) == 0;
    };
    if (!MakeWav(wav, 3) || !ffmpeg({QStringLiteral("-i"), wav, mp3})) {
        std::fprintf(stderr, "the media could not be made (ffmpeg?)\n");
        return 1;
    }
    const SinkLatencyHold keeper;
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pausa");

    // The show-control settings it writes go to a folder of its own.
    SetProgramFolder(dir.path());
    Form1 form;
    form.show(); // the video plays in the window's panel
    ShowMode& show = *form.showMode;
    show.midi->api = MidiBackend::Jack;
    show.SetActive(true);
    MidiSettings midi;
    midi.on = true;
    midi.trigger(MidiAction::Go).kind = MidiTrigger::Kind::Note;
    midi.trigger(MidiAction::Go).number = 60;

    RtMidiOut device(RtMidi::UNIX_JACK, "ScenoluxProbe");
    device.openVirtualPort("pedal");
    show.SetMidi(midi);
    // A new JACK connection is live from a later cycle: wait until a message arrives.
    for (int i = 0; i < 100 && show.midi->Taken() == 0; ++i) {
        std::vector<unsigned char> release{0x80, 0, 0};
        device.sendMessage(&release);
        ServeEventsFor(20);
    }
    if (show.midi->Taken() == 0) {
        std::fprintf(stderr, "the MIDI port does not carry messages\n");
        return 1;
    }

    // Each kind twice: GO on the media cue itself after 0.7 s on standby (the file was opened
    // ahead) and GO on [[Play Audio]] for the file a GO opened 0.7 s before. A video or MIDI file
    // on the window's panel loads stopped, so GO on its cue makes no sound to measure.
    struct Kind {
        const char* name;
        QString file;
        const char* play; // empty: GO on the media cue itself
        std::vector<double> times;
    };
    std::vector<Kind> kinds{
        {"WAV standby", wav, "", {}},
        {"MP3 standby", mp3, "", {}},
        {"WAV opened", wav, "Play Audio", {}},
        {"MP3 opened", mp3, "Play Audio", {}},
    };
    std::vector<double> paplay;
    std::vector<unsigned char> noteOn{0x90, 60, 100};
    auto silence = [&] {
        // The panic twice stops at once; its volume comes back after the players drained.
        show.StartPanic();
        show.StartPanic();
        ServeEventsFor(Panic::kRestoreAfterMs + 400);
    };
    for (int run = 0; run < runs; ++run) {
        for (Kind& k : kinds) {
            const bool opened = *k.play != 0;
            form.RTB->setText(
                opened ? QStringLiteral("[[%1]] [[%2]]").arg(k.file, QLatin1String(k.play))
                       : QStringLiteral("[[%1]]").arg(k.file));
            show.First();
            if (opened) device.sendMessage(&noteOn); // opens the file
            ServeEventsFor(700);
            k.times.push_back(HeardAfter([&] { device.sendMessage(&noteOn); }));
            ServeEventsFor(300);
            silence();
        }
        QProcess player;
        paplay.push_back(HeardAfter([&] {
            player.start(QStringLiteral("paplay"), {QStringLiteral("--latency-msec=10"), wav});
        }));
        player.kill();
        player.waitForFinished();
        ServeEventsFor(300);
        std::fprintf(stderr, "run %d done\n", run + 1);
    }
    std::printf("MIDI Note On (GO) to the first sound at the sink, %d runs:\n", runs);
    for (const Kind& k : kinds)
        report(k.name, k.times);
    report("paplay", paplay);
    show.midi->Apply(MidiSettings{});
    jackd.terminate();
    jackd.waitForFinished(5000);
    return 0;
}
