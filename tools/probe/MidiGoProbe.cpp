// Measures GO from a MIDI device: the time from a Note On sent on a MIDI port to the first
// sound at the sink "show", for a standby cue of each kind (a WAV, an MP3, a video with sound and
// a MIDI file), each on standby for a second first, so made ready ahead as in a show, with a
// cue of the same kind after it; and for the WAV also GO from the keyboard. PulseAudio's own player
// (paplay, the WAV) is measured in turn in the same run. Median and 95th percentile of 20 each. The
// MIDI travels on a JACK server the probe starts (dummy driver, 64-frame cycle); the sink is held
// at a sound card's latency.
//
// The times are to the first sound of the file, so they include any silence the file begins
// with as played here (an MP3's encoder delay is cut off by the audio device). The probe finds
// that lead in each file and gives the times less it too.
//
// Usage (with scripts/sound-server.sh running): scenolux_midi_probe [runs]
#include "app/Paths.h"
#include "i18n/Lingua.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mp3Gapless.h"
#include "platform/widgets/RichTextBox.h"
#include "show/MidiControl.h"
#include "show/Panic.h"
#include "show/ShowMode.h"
#include "support/SinkLatency.h"
#include "support/SoundOnset.h"
#include "support/Wav.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <RtMidi.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <sys/prctl.h>
#include <vector>

namespace {

// The nearest-rank percentile.
double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(p * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// The times less the silence the file itself begins with (lead), so that what is left is the
// program's.
void report(const char* name, const std::vector<double>& times, double lead) {
    std::vector<double> net;
    for (double t : times)
        net.push_back(t - lead);
    std::printf("%-16s median %5.1f ms  p95 %5.1f ms  | less the file's lead %4.1f ms: median "
                "%5.1f ms  p95 %5.1f ms  (",
                name, Median(times), percentile(times, 0.95), lead, Median(net),
                percentile(net, 0.95));
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    for (double t : sorted)
        std::printf(" %.0f", t);
    std::printf(" )\n");
}

// The level a sound counts as heard at, of 32767, at the sink and in the file alike: above the
// faint ringing an MP3 encoder leaves before a sound begins. A synthesized tune never comes near
// it: it is heard from the level the tests take for silence (0.003).
constexpr int kThreshold = 2000, kTuneThreshold = 100;

// Where the first sound of a file lies in it as decoded here, in ms (-1: none within 2 s).
double leadOf(const QString& file, int threshold) {
    gst_init(nullptr, nullptr);
    const QByteArray uri = QUrl::fromLocalFile(file).toEncoded();
    GstElement* pipeline = gst_parse_launch(
        QByteArray("uridecodebin uri=" + uri +
                   " ! audioconvert ! audio/x-raw,format=S16LE,channels=1 ! audioresample "
                   "! audio/x-raw,rate=44100 ! appsink name=out sync=false")
            .constData(),
        nullptr);
    if (!pipeline) return -1;
    GstElement* out = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    double lead = -1;
    for (qint64 n = 0; lead < 0 && n < 2 * 44100;) {
        GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(out), 5 * GST_SECOND);
        if (!sample) break;
        GstMapInfo map;
        GstBuffer* buffer = gst_sample_get_buffer(sample);
        if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            for (gsize i = 0; i + 1 < map.size && lead < 0; i += 2, ++n)
                if (std::abs(qFromLittleEndian<qint16>(map.data + i)) > threshold)
                    lead = n * 1000.0 / 44100;
            gst_buffer_unmap(buffer, &map);
        }
        gst_sample_unref(sample);
    }
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(out);
    gst_object_unref(pipeline);
    // Decoded here in full; the audio device cuts off the lead an MP3 records.
    if (const std::optional<Mp3Gapless> gapless = Mp3GaplessOf(file); gapless && lead >= 0)
        lead -= (gapless->delay + kMp3DecoderDelay) * 1000.0 / gapless->sampleRate;
    return lead;
}

// A MIDI file whose first note sounds at its very start: format 0, four loud notes of 1/4 s.
bool makeMidi(const QString& path) {
    QByteArray track("\x00\xC0\x00", 3); // a piano
    for (unsigned char note : {60, 64, 67, 72}) {
        track += QByteArray::fromRawData("\x00\x90", 2) + char(note) + char(127);
        track += QByteArray::fromRawData("\x30\x80", 2) + char(note) + char(0);
    }
    track += QByteArray::fromRawData("\x00\xFF\x2F\x00", 4);
    QByteArray data("MThd");
    data += QByteArray::fromRawData("\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 10);
    data += "MTrk";
    char length[4];
    qToBigEndian(quint32(track.size()), length);
    data.append(length, 4);
    data += track;
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(data) == data.size();
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
    const QString video = dir.path() + QStringLiteral("/clip.mp4");
    const QString tune = dir.path() + QStringLiteral("/tune.mid");
    if (!MakeWav(wav, 3) || !ffmpeg({QStringLiteral("-i"), wav, mp3}) ||
        !ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("testsrc=duration=3:size=320x240:rate=25"), QStringLiteral("-f"),
                 QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("aevalsrc=0.8*sin(2*PI*440*t):d=3:s=44100"), QStringLiteral("-c:v"),
                 QStringLiteral("mpeg4"), QStringLiteral("-c:a"), QStringLiteral("aac"),
                 QStringLiteral("-shortest"), video}) ||
        !makeMidi(tune)) {
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
    // Every player and the sink at full volume, so that each file crosses the threshold at the
    // sink where it does in the file.
    form.panelPlayer->settings.setVolume(100);
    QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("set-sink-volume"),
                                                QStringLiteral("show"), QStringLiteral("100%")});
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

    // Each kind: the cue on standby for a second (made ready meanwhile), then GO.
    auto nextOf = [](const QString& file) {
        const QFileInfo info(file);
        return info.path() + QStringLiteral("/next.") + info.suffix();
    };
    for (const QString& file : {wav, mp3, video, tune})
        QFile::copy(file, nextOf(file));
    auto midiGo = [&] {
        std::vector<unsigned char> noteOn{0x90, 60, 100};
        device.sendMessage(&noteOn);
    };
    auto keyGo = [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(form.RTB, &press);
        QCoreApplication::sendEvent(form.RTB, &release);
    };
    struct Kind {
        const char* name;
        QString file;
        std::function<void()> go;
        int threshold;
        std::vector<double> times;
    };
    std::vector<Kind> kinds{
        {"WAV (MIDI GO)", wav, midiGo, kThreshold, {}},
        {"MP3 (MIDI GO)", mp3, midiGo, kThreshold, {}},
        {"video (MIDI GO)", video, midiGo, kThreshold, {}},
        {"MIDI (MIDI GO)", tune, midiGo, kTuneThreshold, {}},
        {"WAV (key GO)", wav, keyGo, kThreshold, {}},
    };
    std::vector<double> paplay;
    auto silence = [&] {
        // The panic twice stops at once; its volume comes back after the players drained.
        show.StartPanic();
        show.StartPanic();
        ServeEventsFor(Panic::kRestoreAfterMs + 400);
    };
    for (int run = 0; run < runs; ++run) {
        for (Kind& k : kinds) {
            // Another file of the kind follows, as in a show: it is made ready after the GO.
            form.RTB->setText(QStringLiteral("[[%1]] [[%2]]").arg(k.file, nextOf(k.file)));
            show.First();
            ServeEventsFor(1000);
            k.times.push_back(HeardAfter(k.go, 3000, k.threshold));
            ServeEventsFor(300);
            silence();
        }
        QProcess player;
        paplay.push_back(HeardAfter(
            [&] {
                player.start(QStringLiteral("paplay"), {QStringLiteral("--latency-msec=10"), wav});
            },
            3000, kThreshold));
        player.kill();
        player.waitForFinished();
        ServeEventsFor(300);
        std::fprintf(stderr, "run %d done\n", run + 1);
    }
    std::printf("MIDI Note On (GO) to the first sound at the sink, %d runs:\n", runs);
    for (const Kind& k : kinds)
        report(k.name, k.times, leadOf(k.file, k.threshold));
    report("paplay (WAV)", paplay, leadOf(wav, kThreshold));
    show.midi->Apply(MidiSettings{});
    jackd.terminate();
    jackd.waitForFinished(5000);
    return 0;
}
