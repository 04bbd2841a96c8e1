// The start-up and playing benchmark, on the real display (an X server with a window
// manager) and the test sound server, medians of 9 runs, printed as a Markdown table:
// - Scenolux started on the demo show: start to main window mapped, start to first paint,
//   resident memory 3 s after the start;
// - the same start figures for a bare Qt window (menu bar, toolbar, text editor), started in
//   turn with Scenolux, and the ratio;
// - play to the first sound at the sink for the audio device (through the audio player), the
//   video player, MIDI on the video player and the background player: after a load, after a
//   stop, after a pause.
//
// Usage (DISPLAY set, scripts/sound-server.sh running):
//   scenolux_startbench [--runs N] [--start-only] [--players-only] [--program PATH]
// (--program: another build of Scenolux to start, e.g. to compare two builds in one run.)
#include "StartRun.h"

#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "script/CueLookup.h"
#include "support/MediaFiles.h"
#include "support/SinkLatency.h"
#include "support/SoundOnset.h"
#include "ui/Form1.h"
#include "ui/Localization.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kMemoryAfterMs = 3000;
// Silence at the null sink is exactly zero; the quietest of our media (the MIDI tune, through
// the sound font) peaks a little above this.
constexpr int kSoundThreshold = 100;

double median(std::vector<double> v) {
    v.erase(std::remove(v.begin(), v.end(), -1.0), v.end());
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString cell(double value, const char* unit) {
    return value < 0 ? QStringLiteral("–")
                     : QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(unit);
}

struct StartMedians {
    double mapped, painted, resident;
};

struct Subject {
    QString program;
    QStringList args;
    QString folder;
};

// Starts the two programs in turn, so that a slower spell of the machine weighs on both alike
// and their ratio stays fair.
std::pair<StartMedians, StartMedians> measureStartsInTurn(StartRunner& runner, const Subject& a,
                                                          const Subject& b, int runs,
                                                          int memoryAfterMs) {
    std::vector<double> mapped[2], painted[2], resident[2];
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const Subject& s = k == 0 ? a : b;
            const StartFigures f = runner.run(s.program, s.args, s.folder, memoryAfterMs);
            std::fprintf(stderr, "  %s: mapped %.1f ms, painted %.1f ms, %.1f MB\n",
                         qPrintable(QFileInfo(s.program).fileName()), f.mappedMs, f.paintedMs,
                         f.residentMb);
            mapped[k].push_back(f.mappedMs);
            painted[k].push_back(f.paintedMs);
            resident[k].push_back(f.residentMb);
            QThread::msleep(300); // let the display and the sound server settle
        }
    }
    auto medians = [&](int k) {
        return StartMedians{median(mapped[k]), median(painted[k]), median(resident[k])};
    };
    return {medians(0), medians(1)};
}

// One player's operations as the operator's buttons and cues run them.
struct Player {
    const char* name;
    std::function<void()> load, play, stop, pause;
};

// Medians of play to first sound after a load, a stop and a pause.
std::vector<double> measurePlayer(const Player& p, int runs) {
    std::vector<double> load, stop, pause;
    for (int i = 0; i < runs; ++i) {
        p.load();
        wait(700);
        load.push_back(HeardAfter(p.play, 4000, kSoundThreshold));
        wait(400);
        p.stop();
        wait(700);
        stop.push_back(HeardAfter(p.play, 4000, kSoundThreshold));
        wait(400);
        p.pause();
        wait(700);
        pause.push_back(HeardAfter(p.play, 4000, kSoundThreshold));
        p.stop();
        std::fprintf(stderr, "  %s: %.0f / %.0f / %.0f ms\n", p.name, load.back(), stop.back(),
                     pause.back());
    }
    return {median(load), median(stop), median(pause)};
}

void measurePlayers(int runs) {
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    const QString mid = dir.path() + QStringLiteral("/tune.mid");
    const QString bg = dir.path() + QStringLiteral("/background.wav");
    if (!MakeWav(wav, 12) || !MakeWav(bg, 12, 330) || !MakeMidi(mid)) return;
    const bool haveMp4 = MakeMp4(mp4, 12);
    const SinkLatencyHold keeper;

    CaricaLingua(LanguageFolder() + QStringLiteral("/English.lng"));
    Form1 form;
    form.lingua->CambiaLingua2();
    form.playA->set(false);
    form.playV->set(false);
    form.showMaximized();
    wait(500);

    auto loadCue = [&form](const QString& file) {
        return [&form, file] {
            form.cues->setCueCorrente(file);
            form.routing->vai(file);
        };
    };
    auto audioPlay = [&form] {
        form.playA->set(false);
        form.audio->cmdPlayA_Click();
    };
    auto videoPlay = [&form] {
        form.playV->set(false);
        form.video->cmdPlayV_Click();
    };
    std::vector<Player> players{
        {"Audio device (audio player)", loadCue(wav), audioPlay,
         [&form] { form.audio->cmdStopA_Click(); },
         [&form] {
             form.playA->set(true);
             form.audio->cmdPlayA_Click();
         }},
        {"Video player", loadCue(mp4), videoPlay, [&form] { form.video->cmdStopV_Click(); },
         [&form] {
             form.playV->set(true);
             form.video->cmdPlayV_Click();
         }},
        {"MIDI on the video player", loadCue(mid), videoPlay,
         [&form] { form.video->cmdStopV_Click(); },
         [&form] {
             form.playV->set(true);
             form.video->cmdPlayV_Click();
         }},
        // The background player starts by itself when a file is opened in it: its load is
        // followed by a stop, so that the first play below is the operator's.
        {"Background player",
         [&form, bg] {
             form.WMP3->player().setURL(bg);
             wait(300);
             form.WMP3->player().controls.stop();
         },
         [&form] { form.WMP3->player().controls.play(); },
         [&form] { form.WMP3->player().controls.stop(); },
         [&form] { form.WMP3->player().controls.pause(); }},
    };
    if (!haveMp4) players.erase(players.begin() + 1);

    std::printf("\n| Play to first sound (median of %d) | after a load | after a stop | "
                "after a pause |\n|---|---|---|---|\n",
                runs);
    for (const Player& p : players) {
        const std::vector<double> m = measurePlayer(p, runs);
        std::printf("| %s | %s | %s | %s |\n", p.name, qPrintable(cell(m[0], "ms")),
                    qPrintable(cell(m[1], "ms")), qPrintable(cell(m[2], "ms")));
        std::fflush(stdout);
    }
    if (!haveMp4) std::printf("\n(no ffmpeg: the video player was not measured)\n");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    int runs = 9;
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs")); at > 0 && at + 1 < args.size())
        runs = std::max(1, args[at + 1].toInt());
    const bool starts = !args.contains(QStringLiteral("--players-only"));
    const bool players = !args.contains(QStringLiteral("--start-only"));

    if (starts) {
        StartRunner runner;
        if (!runner.connected()) {
            std::fprintf(stderr, "no X display\n");
            return 1;
        }
        const QString folder = QCoreApplication::applicationDirPath();
        const QString demo = QStringLiteral(SCENOLUX_SOURCE_DIR "/examples/demo");
        QString program = folder + QStringLiteral("/scenolux");
        if (const qsizetype at = args.indexOf(QStringLiteral("--program"));
            at > 0 && at + 1 < args.size())
            program = QFileInfo(args[at + 1]).absoluteFilePath();
        const auto [ours, bare] = measureStartsInTurn(
            runner, {program, {QStringLiteral("demo.snx")}, demo},
            {folder + QStringLiteral("/scenolux_bare_window"), {}, folder}, runs, kMemoryAfterMs);
        // The program set the master volume from its settings.
        QProcess::execute(
            QStringLiteral("pactl"),
            {QStringLiteral("set-sink-volume"), QStringLiteral("show"), QStringLiteral("100%")});
        auto ratio = [](double a, double b) {
            return a < 0 || b <= 0 ? QStringLiteral("–")
                                   : QStringLiteral("%1×").arg(a / b, 0, 'f', 2);
        };
        std::printf("| Start (median of %d) | Scenolux, demo show | bare Qt window | ratio |\n"
                    "|---|---|---|---|\n",
                    runs);
        std::printf("| start to window mapped | %s | %s | %s |\n",
                    qPrintable(cell(ours.mapped, "ms")), qPrintable(cell(bare.mapped, "ms")),
                    qPrintable(ratio(ours.mapped, bare.mapped)));
        std::printf("| start to first paint | %s | %s | %s |\n",
                    qPrintable(cell(ours.painted, "ms")), qPrintable(cell(bare.painted, "ms")),
                    qPrintable(ratio(ours.painted, bare.painted)));
        std::printf("| resident memory 3 s after start | %s | %s | %s |\n",
                    qPrintable(cell(ours.resident, "MB")), qPrintable(cell(bare.resident, "MB")),
                    qPrintable(ratio(ours.resident, bare.resident)));
        std::fflush(stdout);
    }
    if (players) measurePlayers(runs);
    return 0;
}
