// Measures the remote control: the time from an OSC GO packet sent to the program to the first
// sound at the sink "show", median of 10. Two cases: GO on a media cue (the standby's file,
// opened ahead while it waited, starts) and GO on a [[Play Audio]] cue for a file opened 0.7 s
// before. The packet travels as a remote's would: UDP to the port, liblo's thread, the user
// interface thread.
//
// Usage (with scripts/sound-server.sh running): scenolux_osc_probe
#include "app/Paths.h"
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/RichTextBox.h"
#include "show/OscRemote.h"
#include "show/ShowMode.h"
#include "support/SinkLatency.h"
#include "support/SoundOnset.h"
#include "support/Wav.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cstdio>
#include <lo/lo.h>
#include <vector>

namespace {} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    if (!MakeWav(wav, 3)) return 1;
    const SinkLatencyHold keeper;
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pausa");

    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const int port = probe.localPort();
    probe.close();

    // The show-control settings it writes go to a folder of its own.
    SetProgramFolder(dir.path());
    Form1 form;
    form.RTB->setText(QStringLiteral("[[%1]] then [[Play Audio]]").arg(wav));
    form.showMode->SetActive(true);
    // Not kept: the probe must not change the operator's settings.
    if (!form.showMode->remote->Start(port, false)) {
        std::fprintf(stderr, "cannot listen on port %d\n", port);
        return 1;
    }
    lo_address program = lo_address_new("127.0.0.1", QByteArray::number(port).constData());
    auto go = [&] { lo_send(program, "/scenolux/go", ""); };

    std::vector<double> media, play;
    for (int i = 0; i < 10; ++i) {
        form.showMode->First();
        const double m = HeardAfter(go); // starts the file opened ahead
        ServeEventsFor(200);
        form.audio->cmdStopA_Click(); // back to the start, stopped
        ServeEventsFor(700);
        const double p = HeardAfter(go); // [[Play Audio]]
        ServeEventsFor(200);
        form.audio->cmdStopA_Click();
        std::printf("  media cue %.1f ms, Play Audio cue %.1f ms\n", m, p);
        media.push_back(m);
        play.push_back(p);
    }
    std::printf("OSC GO to the first sound at the sink, median of 10:\n");
    std::printf("  GO on a media cue (opened ahead on standby): %.1f ms\n", Median(media));
    std::printf("  GO on [[Play Audio]] (file opened before): %.1f ms\n", Median(play));
    lo_address_free(program);
    form.showMode->remote->Stop();
    return 0;
}
