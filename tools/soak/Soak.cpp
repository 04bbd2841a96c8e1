// A long simulated show on the real program: the main window with its real players, the real
// audio device and mixer, the demo's media and the sound server's sink, on two offscreen
// screens. A generated script of 500 cues of every kind is clicked through in a loop, with
// typing, undo and saves between, for the given time. It reports the resident memory at the
// start, at each round's end (also at rest: the video players closed), at the last click and
// at the end at rest (and the peak), with the memory allocated and not freed beside it (a creep
// there is live data, not memory the allocator keeps), the open file descriptors, and the
// longest time the user interface thread took to answer a watchdog that pings it every 10 ms. An
// interface that has not answered for 10 s ends the run with the cue it hung on (exit status 3).
//
// Usage (with scripts/sound-server.sh running):
//   scenolux_soak [minutes]        default 30
//   scenolux_soak --seconds N
#include "app/Commands.h"
#include "app/Lifecycle.h"
#include "app/Paths.h"
#include "media/BackgroundAudio.h"
#include "platform/Allocator.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "platform/widgets/ViewDialogs.h"
#include "script/EditCommands.h"
#include "ui/Form1.h"
#include "ui/ProjectorWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kCues = 500;
constexpr int kStepMs = 150; // one cue clicked every step
constexpr int kEditEvery = 20;
constexpr int kSaveEvery = 100;

// Message boxes and file dialogs answer at once (nobody is there to click), and are counted:
// a show that runs clean shows none.
struct AnsweringDialogs : ViewDialogs {
    int MsgBox(const QString& prompt, int, const QString&) override {
        ++shown;
        std::printf("message: %s\n", qPrintable(prompt));
        return vbmsg::No;
    }
    int Choose(const QString& prompt, const QStringList&, int escapeChoice, int,
               const QString&) override {
        ++shown;
        std::printf("choice: %s\n", qPrintable(prompt));
        return escapeChoice;
    }
    bool ShowColor(QObject*, long, long*) override { return false; }
    bool ScegliStampante(QObject*, QPrinter*) override { return false; }
    int ShowModal(QDialog&) override { return 0; }
    int shown = 0;

protected:
    QString ChooseFile(const FileDialogRequest&) override { return QString(); }
};

struct Usage {
    double rssMb = 0;
    double peakMb = 0;
    double heapMb = 0; // allocated and not freed: a creep here is live data, not the allocator's
    int descriptors = 0;
};

Usage usage() {
    Usage u;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() < 2) continue;
            if (words[0] == "VmRSS:") u.rssMb = words[1].toDouble() / 1024;
            if (words[0] == "VmHWM:") u.peakMb = words[1].toDouble() / 1024;
        }
    }
    const struct mallinfo2 heap = mallinfo2();
    u.heapMb = double(heap.uordblks + heap.hblkhd) / (1024 * 1024);
    u.descriptors = int(QDir(QStringLiteral("/proc/self/fd"))
                            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                            .size());
    return u;
}

// The cue texts, every kind in the order a show uses them: a medium is loaded before its
// commands, the projector is switched while a video plays.
QStringList showCues() {
    QStringList cues;
    for (int act = 0; cues.size() < kCues; ++act) {
        cues << QStringLiteral("music/intro.mp3") << QStringLiteral("Play Audio")
             << QStringLiteral("Vol %1").arg(40 + act % 60)
             << QStringLiteral("Seek Audio %1").arg(act % 7) << QStringLiteral("Pause Audio")
             << QStringLiteral("Play Audio") << QStringLiteral("FadeOut Fast")
             << QStringLiteral("FadeIn Normal") << QStringLiteral("Stop Audio")
             << QStringLiteral("video/clip.mp4") << QStringLiteral("Play Video")
             << QStringLiteral("Projector On") << QStringLiteral("Seek Video %1").arg(act % 5)
             << QStringLiteral("Pause Video") << QStringLiteral("Play Video")
             << QStringLiteral("Projector Off") << QStringLiteral("Stop Video")
             << QStringLiteral("pictures/slide.jpg") << QStringLiteral("Img Off")
             << QStringLiteral("Img On") << QStringLiteral("midi/tune.mid")
             << QStringLiteral("bg Play Audio") << QStringLiteral("bg Vol %1").arg(20 + act % 80)
             << QStringLiteral("bg Fade Out") << QStringLiteral("bg Fade In")
             << QStringLiteral("bg Loop") << QStringLiteral("bg Pause Audio")
             << QStringLiteral("bg Stop Audio") << QStringLiteral("FadeOut Slow")
             << QStringLiteral("FadeIn") << QStringLiteral("Vol 50")
             << QStringLiteral("FadeOut Normal") << QStringLiteral("FadeIn Slow")
             << QStringLiteral("FadeIn Fast") << QStringLiteral("FadeOut");
    }
    cues.resize(kCues);
    return cues;
}

// An RTF script with one cue a line, media cues red and commands blue, with a line of text
// before each.
QByteArray showScript(const QStringList& cues) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}}"
                     "{\\colortbl;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\n"
                     "\\f0\\fs24 Soak show\\par\n";
    for (int i = 0; i < cues.size(); ++i) {
        const bool media = cues[i].contains(u'/');
        rtf += "Cue " + QByteArray::number(i + 1) + ", the actors move on.\\par\n";
        rtf += (media ? "{\\cf2 [[" : "{\\cf1 [[") + cues[i].toLatin1() + "]]}\\par\n";
    }
    return rtf + "}\n";
}

bool copyFile(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).absolutePath());
    return QFile::copy(from, to);
}

// Pings the user interface thread every 10 ms and keeps the longest time it took to answer,
// counting a ping still unanswered as it waits.
class Watchdog {
public:
    void start() {
        thread_ = std::thread([this] { run(); });
    }
    void stop() {
        stopping_ = true;
        if (thread_.joinable()) thread_.join();
    }
    qint64 longestMs() const { return longestNs_ / 1000000; }
    int longestAtStep() const { return longestAtStep_; }
    long pings() const { return pings_; }
    long slowPings() const { return slow_; }
    // The cues after whose click the interface took longest to answer, worst first.
    QList<std::pair<qint64, int>> worstCues(int count) {
        const std::lock_guard<std::mutex> lock(noting_);
        QList<std::pair<qint64, int>> all;
        for (int i = 0; i < kCues; ++i)
            all << std::pair<qint64, int>(worstByCue_[i] / 1000000, i);
        std::sort(all.begin(), all.end(), std::greater<>());
        return all.mid(0, count);
    }
    std::atomic<int> step{-1};
    // Called from the watchdog's thread when a ping has waited kHungNs: the show is over.
    std::function<void(int step)> onHang;
    static constexpr qint64 kHungNs = 10 * 1000000000LL;

private:
    static qint64 now() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void note(qint64 ns) {
        // Both threads note: the one that answers and the one that waits for an answer.
        const std::lock_guard<std::mutex> lock(noting_);
        const int at = step.load();
        if (at >= 0) worstByCue_[at % kCues] = std::max(worstByCue_[at % kCues], ns);
        if (ns > longestNs_) {
            longestNs_ = ns;
            longestAtStep_ = step.load();
        }
    }
    void run() {
        while (!stopping_) {
            if (!waiting_) {
                waiting_ = true;
                sent_ = now();
                ++pings_;
                QMetaObject::invokeMethod(
                    qApp,
                    [this] {
                        const qint64 took = now() - sent_;
                        if (took > 100 * 1000000LL) ++slow_;
                        note(took);
                        waiting_ = false;
                    },
                    Qt::QueuedConnection);
            } else {
                const qint64 waited = now() - sent_;
                note(waited);
                if (waited > kHungNs && onHang) {
                    onHang(step.load());
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    std::thread thread_;
    std::mutex noting_;
    std::array<qint64, kCues> worstByCue_{};
    std::atomic<bool> stopping_{false};
    std::atomic<bool> waiting_{false};
    std::atomic<qint64> sent_{0};
    std::atomic<qint64> longestNs_{0};
    std::atomic<int> longestAtStep_{-1};
    std::atomic<long> pings_{0};
    std::atomic<long> slow_{0};
};

// The show itself: clicks, edits and saves on the main window's timer-driven pace.
class ShowRun {
public:
    ShowRun(Form1& form, const QStringList& cues)
        : form_(form), cues_(cues), textSize_(form.RTB->toPlainText().size()) {
        findCues();
    }

    // One step: the next cue clicked (a media cue every other round double-clicked, as to
    // load and start it), now and then an edit undone or a save.
    void step() {
        const int i = steps_ % kCues;
        if (steps_ > 0 && steps_ % kEditEvery == 0) edit();
        if (steps_ > 0 && steps_ % kSaveEvery == 0) {
            form_.shell->Salva();
            ++saves_;
        }
        const bool media = cues_[i].contains(u'/');
        click(positions_[i] + 3, media && (steps_ / kCues) % 2 == 1);
        ++steps_;
    }
    int steps() const { return steps_; }
    int edits() const { return edits_; }
    int saves() const { return saves_; }
    int unfinishedUndos() const { return unfinishedUndos_; }

private:
    void findCues() {
        positions_.clear();
        const QString text = form_.RTB->toPlainText();
        for (qsizetype at = text.indexOf(QStringLiteral("[[")); at >= 0;
             at = text.indexOf(QStringLiteral("[["), at + 2))
            positions_ << int(at);
        if (positions_.size() != kCues) {
            std::fprintf(stderr, "the script shows %d cues instead of %d\n", int(positions_.size()),
                         kCues);
            std::exit(2);
        }
    }
    QPoint pointAt(int position) {
        QTextCursor cursor(form_.RTB->document());
        cursor.setPosition(position);
        form_.RTB->setTextCursor(cursor);
        form_.RTB->ensureCursorVisible();
        return form_.RTB->cursorRect(cursor).center();
    }
    void click(int position, bool twice) {
        const QPoint at = pointAt(position);
        if (twice)
            QTest::mouseDClick(form_.RTB->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(form_.RTB->viewport(), Qt::LeftButton, {}, at);
    }
    // Typing at the end of a text line (every fifth time a whole command cue, whose closing
    // bracket the interpreter answers), then undoing it.
    void edit() {
        const int cue = steps_ % kCues;
        const int lineEnd = positions_[cue] - 1; // the end of the text line before the cue
        click(lineEnd, false);
        const bool command = edits_ % 5 == 0;
        QTest::keyClicks(form_.RTB,
                         command ? QStringLiteral(" [[vol 60]]") : QStringLiteral(" and bow"));
        // Undo may take the typing back in several steps: go on until the text is as it was.
        for (int n = 0; n < 20 && form_.RTB->toPlainText().size() != textSize_; ++n)
            form_.edit->mnuAnnulla_Click();
        if (form_.RTB->toPlainText().size() != textSize_) ++unfinishedUndos_;
        ++edits_;
        findCues();
    }

    Form1& form_;
    QStringList cues_;
    QList<int> positions_;
    qsizetype textSize_ = 0;
    int steps_ = 0;
    int edits_ = 0;
    int saves_ = 0;
    int unfinishedUndos_ = 0;
};

double parseSeconds(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--seconds") return QByteArray(argv[2]).toDouble();
    if (argc >= 2) return QByteArray(argv[1]).toDouble() * 60;
    return 30 * 60;
}

} // namespace

int main(int argc, char** argv) {
    KeepMemoryCompact(); // as the program does
    const double seconds = parseSeconds(argc, argv);
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: scenolux_soak [minutes] | --seconds N\n");
        return 2;
    }
    // Two screens, the second one the projector's, unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCENOLUX_SOAK_SCREENS);
    // The settings and everything the program writes stay in a folder of the soak's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scenolux"));

    // A program folder with the build's language files and pictures, and the show's folder
    // with the demo's media.
    const QString built = QCoreApplication::applicationDirPath();
    const QString program = home.path() + QStringLiteral("/program");
    for (const QString& sub : {QStringLiteral("Lang"), QStringLiteral("Files")})
        for (const QString& name : QDir(built + u'/' + sub).entryList(QDir::Files))
            copyFile(built + u'/' + sub + u'/' + name, program + u'/' + sub + u'/' + name);
    SetProgramFolder(program);
    QFile settings(program + QStringLiteral("/Scenolux.ini"));
    if (settings.open(QIODevice::WriteOnly)) settings.write("English.lng\r\n");
    settings.close();

    const QString show = home.path() + QStringLiteral("/show");
    for (const char* media :
         {"music/intro.mp3", "video/clip.mp4", "pictures/slide.jpg", "midi/tune.mid"}) {
        if (!copyFile(QStringLiteral(SCENOLUX_DEMO_DIR "/") + QLatin1String(media),
                      show + u'/' + QLatin1String(media))) {
            std::fprintf(stderr, "missing %s (examples/demo/make-media.sh makes it)\n", media);
            return 2;
        }
    }
    const QStringList cues = showCues();
    const QString script = show + QStringLiteral("/soak.snx");
    QFile scriptFile(script);
    if (!scriptFile.open(QIODevice::WriteOnly)) return 2;
    scriptFile.write(showScript(cues));
    scriptFile.close();

    AnsweringDialogs answering;
    SetDialogs(&answering);
    int result = 0;
    {
        Form1 form;
        form.lifecycle->Form_Load(script);
        form.showMaximized();
        // The background strip's file, as the operator opens it there before the show.
        form.WMP3->player().setURL(show + QStringLiteral("/music/intro.mp3"));
        QTest::qWait(1000);

        ShowRun run(form, cues);
        Watchdog watchdog;
        const Usage start = usage();
        Usage warm;
        std::printf("start: %.1f MB resident, %d descriptors\n", start.rssMb, start.descriptors);
        std::fflush(stdout);
        watchdog.onHang = [&](int step) {
            // Nothing of the interface thread can be used now: report from here and end.
            const Usage now = usage();
            std::printf("HUNG: the user interface has not answered for 10 s, since the click of "
                        "cue %d, [[%s]] (%d cues clicked); %.1f MB resident, %d descriptors\n",
                        step % kCues + 1, qPrintable(cues[step % kCues]), step, now.rssMb,
                        now.descriptors);
            std::fflush(stdout);
            std::_Exit(3);
        };
        watchdog.start();

        // Whatever the last click left loaded (a MIDI file holds its synthesizer's whole sound
        // font, up to 150 MB) is no growth: memory is compared at rest, with the video players
        // closed and their pipelines waited for.
        std::vector<MediaPlayerControl*> video{form.panelPlayer};
        auto atRest = [&] {
            if (form.HasProjectorWindow() &&
                std::find(video.begin(), video.end(), form.projectorPlayer) == video.end())
                video.push_back(form.projectorPlayer);
            for (MediaPlayerControl* player : video)
                player->close();
            for (int waited = 0; waited < 5000; waited += 50) {
                if (std::none_of(video.begin(), video.end(),
                                 [](MediaPlayerControl* p) { return p->Retiring(); }))
                    break;
                QTest::qWait(50);
            }
            return usage();
        };

        QElapsedTimer clock;
        clock.start();
        QTimer pace;
        qint64 nextReport = 60000;
        QObject::connect(&pace, &QTimer::timeout, [&] {
            watchdog.step = run.steps();
            run.step();
            if (run.steps() % kCues == 0) {
                const Usage now = usage();
                const Usage rest = atRest();
                if (run.steps() == kCues) warm = rest;
                std::printf("round %d done: %.1f MB resident, %.1f MB at rest (%.1f MB allocated), "
                            "%d descriptors\n",
                            run.steps() / kCues, now.rssMb, rest.rssMb, rest.heapMb,
                            rest.descriptors);
                std::fflush(stdout);
            }
            if (clock.elapsed() >= nextReport) {
                const Usage now = usage();
                std::printf("%3lld min: %d cues, %.1f MB resident, %d descriptors, longest "
                            "stall %lld ms\n",
                            clock.elapsed() / 60000, run.steps(), now.rssMb, now.descriptors,
                            watchdog.longestMs());
                std::fflush(stdout);
                nextReport += 60000;
            }
            // exit(), not quit(): quit() would close the window, which asks about the script.
            if (clock.elapsed() >= qint64(seconds * 1000)) app.exit(0);
        });
        pace.start(kStepMs);
        app.exec();
        pace.stop();
        watchdog.stop();

        const Usage last = usage();
        const Usage end = atRest();
        const int at = watchdog.longestAtStep();
        std::printf("cues clicked: %d (%d rounds of %d), edits undone: %d (not wholly: %d), "
                    "saves: %d, messages shown: %d\n",
                    run.steps(), run.steps() / kCues, kCues, run.edits(), run.unfinishedUndos(),
                    run.saves(), answering.shown);
        std::printf("resident memory: start (before any medium) %.1f MB, after the first round "
                    "(at rest) %.1f MB, at the last click %.1f MB, end (at rest) %.1f MB, peak "
                    "%.1f MB\n",
                    start.rssMb, warm.rssMb, last.rssMb, end.rssMb, end.peakMb);
        std::printf("allocated and not freed: start %.1f MB, after the first round (at rest) "
                    "%.1f MB, end (at rest) %.1f MB\n",
                    start.heapMb, warm.heapMb, end.heapMb);
        std::printf("open descriptors: start %d, after the first round %d, end %d\n",
                    start.descriptors, warm.descriptors, end.descriptors);
        std::printf("longest user interface stall: %lld ms (at cue %d, [[%s]]); pings: %ld, "
                    "over 100 ms: %ld\n",
                    watchdog.longestMs(), at >= 0 ? at % kCues + 1 : 0,
                    at >= 0 ? qPrintable(cues[at % kCues]) : "", watchdog.pings(),
                    watchdog.slowPings());
        std::printf("slowest answers after the click of:");
        for (const auto& [ms, cue] : watchdog.worstCues(6))
            std::printf(" [[%s]] %lld ms,", qPrintable(cues[cue]), ms);
        std::printf("\n");
        // Growth is counted from the end of the first round: by then every kind of medium has
        // been played once, and what the libraries, decoders and caches keep from their first
        // use is there to stay, not a creep. A run shorter than a round compares with the start.
        const Usage& base = run.steps() >= kCues ? warm : start;
        const double growth = end.rssMb - base.rssMb;
        const bool met = growth < 20 && end.descriptors <= base.descriptors &&
                         watchdog.longestMs() < 100 && answering.shown == 0 &&
                         run.unfinishedUndos() == 0;
        std::printf("memory growth since the first round %.1f MB (since the start %.1f MB), "
                    "descriptor growth %d: %s\n",
                    growth, end.rssMb - start.rssMb, end.descriptors - base.descriptors,
                    met ? "targets met" : "TARGETS MISSED");
        result = met ? 0 : 1;
        form.WMP3->player().controls.stop();
        form.core.session.SetModificato(
            0); // the show's edits were undone; nothing to ask at the end
    }
    SetDialogs(nullptr);
    return result;
}
