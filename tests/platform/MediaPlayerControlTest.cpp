#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "support/MediaFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/SinkLatency.h"
#include "support/Wav.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

MediaPlayerControl::Design waiting() {
    MediaPlayerControl::Design d;
    d.autoStart = false;
    return d;
}

bool loadedIn(MediaPlayerControl& player) {
    return WaitFor([&] { return player.currentMedia.duration() > 0; });
}

// A file named as a video that holds nothing a player can read; empty if it cannot be written.
QString junkFile(const QTemporaryDir& dir) {
    const QString junk = dir.path() + QStringLiteral("/junk.mp4");
    QFile f(junk);
    if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(4096, 'x')) != 4096) return QString();
    return junk;
}

} // namespace

TEST(MediaTimeText, MinutesAndSecondsThenHours) {
    EXPECT_EQ(MediaTimeText(0), QStringLiteral("00:00"));
    EXPECT_EQ(MediaTimeText(65.9), QStringLiteral("01:05"));
    EXPECT_EQ(MediaTimeText(3599), QStringLiteral("59:59"));
    EXPECT_EQ(MediaTimeText(3600), QStringLiteral("1:00:00"));
    EXPECT_EQ(MediaTimeText(7384), QStringLiteral("2:03:04"));
    EXPECT_EQ(MediaTimeText(-3), QStringLiteral("00:00"));
}

TEST(MediaPlayerControl, NothingLoadedMeansEmptyTexts) {
    MediaPlayerControl player(waiting());
    EXPECT_EQ(player.controls.currentPositionString(), QString());
    EXPECT_EQ(player.currentMedia.durationString(), QString());
    EXPECT_EQ(player.currentMedia.duration(), 0);
    EXPECT_EQ(player.State(), QStringLiteral("closed"));
    player.controls.play(); // harmless without media
    player.controls.setCurrentPosition(3);
    EXPECT_EQ(player.controls.currentPosition(), 0);
}

TEST(MediaPlayerControl, PlaysPausesSeeksAndEndsOnRealAudio) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    // Without a short latency the sink plays in two-second blocks and the end comes late.
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    // Any character a file name may hold: quotes, a hash, a percent sign, "://", other scripts.
    QDir(dir.path()).mkpath(QStringLiteral("a://b"));
    const QString wav = dir.path() + QStringLiteral("/a://b/\"t\" #1 50% [\u0442\u043E\u043D].wav");
    MakeWav(wav, 2.0);
    MediaPlayerControl player(waiting());
    player.setURL(wav);
    EXPECT_EQ(player.URL(), wav);
    ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
    EXPECT_NEAR(player.currentMedia.duration(), 2.0, 0.05);
    EXPECT_EQ(player.currentMedia.durationString(), QStringLiteral("00:02"));
    EXPECT_EQ(player.controls.currentPositionString(), QStringLiteral("00:00"));
    EXPECT_EQ(player.State(), QStringLiteral("stopped")); // no autoStart: it waits for play

    player.controls.play();
    ASSERT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.3; }));
    EXPECT_EQ(player.State(), QStringLiteral("playing"));
    const double level = RecordedLevel(300);
    EXPECT_GT(level, 0.05) << "the tone reaches the sound server";

    player.controls.pause();
    ASSERT_TRUE(WaitFor([&] { return player.State() == QLatin1String("paused"); }));
    const double pausedAt = player.controls.currentPosition();
    EXPECT_TRUE(SilenceHeard(300, 2000)) << "silence while paused";
    EXPECT_NEAR(player.controls.currentPosition(), pausedAt, 0.05);

    player.controls.setCurrentPosition(1.5);
    ASSERT_TRUE(WaitFor([&] { return std::abs(player.controls.currentPosition() - 1.5) < 0.1; }));
    player.controls.play();
    ASSERT_TRUE(WaitFor([&] { return player.State() == QLatin1String("ended"); }, 5000));
    EXPECT_EQ(player.controls.currentPositionString(), player.currentMedia.durationString());
    EXPECT_DOUBLE_EQ(player.controls.currentPosition(), player.currentMedia.duration());

    player.close();
    EXPECT_EQ(player.URL(), QString());
    EXPECT_EQ(player.controls.currentPositionString(), QString());
    EXPECT_EQ(player.State(), QStringLiteral("closed"));
}

// A video or background cue is loaded on a click and played when the scene calls for it.
TEST(MediaPlayerControl, SoundsAtOnceWhenPlayedLongAfterLoadingOrAStop) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 6.0);
    MediaPlayerControl player(waiting());
    player.setURL(wav);
    ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
    ASSERT_TRUE(SilenceHeard(1500)) << "nothing is heard before the play";
    player.controls.play();
    EXPECT_GT(RecordedLevel(500), 0.05) << "heard at once, not after the wait";

    player.controls.stop();
    ASSERT_TRUE(SilenceHeard(1500)) << "nothing is heard after the stop";
    player.controls.play();
    EXPECT_GT(RecordedLevel(500), 0.05) << "heard at once after a stop";
    EXPECT_LT(player.controls.currentPosition(), 1.5) << "a stop goes back to the start";
}

TEST(MediaPlayerControl, VolumeSetsHowLoudItPlays) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/long.wav");
    MakeWav(wav, 6.0);
    MediaPlayerControl::Design d;
    d.autoStart = true;
    d.volume = 100;
    MediaPlayerControl player(d);
    player.setURL(wav); // starts by itself
    ASSERT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.3; }));
    const double loud = RecordedLevel(500);
    player.settings.setVolume(20);
    // What was sent at the old volume drains first.
    EXPECT_TRUE(HeardAtSink([&](double level) { return level < loud / 3; }, 200));
    const double quiet = RecordedLevel(500);
    player.settings.setVolume(0);
    EXPECT_TRUE(SilenceHeard(400));
    EXPECT_GT(loud, 0.2);
    EXPECT_LT(quiet, loud / 3);
    EXPECT_GT(quiet, 0.01) << "quieter, not silent";
    player.settings.setVolume(150);
    EXPECT_EQ(player.settings.volume(), 100);
}

TEST(MediaPlayerControl, LoadsAVideoAndReportsAFileItCannotPlay) {
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 3)) GTEST_SKIP() << "ffmpeg is not installed";
    MediaPlayerControl player(waiting());
    MediaPlayerView view(player);
    view.resize(160, 120);
    player.setURL(mp4);
    ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
    EXPECT_NEAR(player.currentMedia.duration(), 3.0, 0.2);
    EXPECT_EQ(player.currentMedia.durationString(), QStringLiteral("00:03"));

    const QString junk = dir.path() + QStringLiteral("/junk.mp4");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a video");
    f.close();
    player.setURL(junk);
    EXPECT_TRUE(WaitFor([&] { return !player.ErrorText().isEmpty(); }));
    EXPECT_EQ(player.controls.currentPositionString(), QString());
}

TEST(MediaPlayerControl, TheMiniStripOpensAFileThroughTheDialogs) {
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/bg.wav");
    MakeWav(wav, 1.0);
    MediaPlayerControl::Design d;
    d.uiMode = QStringLiteral("mini");
    d.autoStart = false;
    MediaPlayerControl player(d);
    MediaPlayerView view(player);
    const QList<QToolButton*> buttons = view.findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 3);
    ScriptedDialogs script;
    script.ExpectFile(wav);
    buttons[0]->click(); // open
    EXPECT_EQ(player.URL(), wav);
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].request.open);
}

// A player costs nothing until it is given a medium, and the panel is black from its first
// paint.
TEST(MediaPlayerControl, NothingIsMadeBeforeTheFirstUrl) {
    MediaPlayerControl::Design mini = waiting();
    mini.uiMode = QStringLiteral("mini");
    MediaPlayerControl::Design projector;
    projector.stretchToFit = true;
    projector.fullScreen = true;
    MediaPlayerControl panel(waiting()), strip(mini), full(projector);
    MediaPlayerView panelView(panel), stripView(strip), fullView(full);
    panelView.resize(200, 120);
    for (MediaPlayerControl* p : {&panel, &strip, &full})
        EXPECT_FALSE(p->EngineMade());
    const QImage shown = panelView.grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(100, 60), QPoint(199, 119)})
        EXPECT_EQ(shown.pixelColor(at), QColor(Qt::black));
    // Settings written before a medium are kept for it, still without a pipeline.
    panel.settings.setVolume(30);
    panel.settings.setLoop(true);
    EXPECT_FALSE(panel.EngineMade());

    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/a.wav");
    MakeWav(wav, 0.5);
    panel.setURL(wav);
    EXPECT_TRUE(panel.EngineMade());
    EXPECT_EQ(panel.settings.volume(), 30) << "kept for the medium";
    EXPECT_TRUE(panel.settings.loop());
    EXPECT_FALSE(strip.EngineMade());
}

TEST(MediaPlayerControl, ReportsEachStateOnceAsItChanges) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/t.wav");
    MakeWav(wav, 1.0);
    MediaPlayerControl player(waiting());
    QStringList seen;
    player.onStateChange = [&] { seen << player.State(); };
    player.setURL(wav);
    ASSERT_TRUE(loadedIn(player));
    player.controls.play();
    ASSERT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.2; }));
    player.controls.pause();
    player.controls.pause(); // no news
    player.controls.stop();
    EXPECT_EQ(player.controls.currentPosition(), 0);
    player.controls.play();
    ASSERT_TRUE(WaitFor([&] { return player.State() == QLatin1String("ended"); }));
    player.close();
    EXPECT_EQ(seen, QStringList(
                        {"stopped", "playing", "paused", "stopped", "playing", "ended", "closed"}));
}

TEST(MediaPlayerControl, LoopsUntilToldOtherwise) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/short.wav");
    MakeWav(wav, 0.4);
    MediaPlayerControl::Design d;
    d.uiMode = QStringLiteral("mini");
    MediaPlayerControl player(d); // starts by itself, as the background strip does
    MediaPlayerView view(player);
    const QList<QToolButton*> buttons = view.findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 3);
    const auto playPicture = [&] { return buttons[1]->icon().pixmap(16).toImage(); };
    const QImage idle = playPicture();
    ASSERT_FALSE(idle.isNull());
    player.settings.setLoop(true);
    player.setURL(wav);
    // Three times round, and still playing.
    int rounds = 0;
    double last = 0;
    EXPECT_TRUE(WaitFor(
        [&] {
            const double at = player.controls.currentPosition();
            rounds += at < last;
            last = at;
            return rounds >= 3;
        },
        5000));
    EXPECT_EQ(player.State(), QStringLiteral("playing"));
    EXPECT_GT(RecordedLevel(300), 0.01);
    // The strip's play button offers pause while the medium plays, and play again after.
    EXPECT_NE(playPicture(), idle);
    player.settings.setLoop(false);
    EXPECT_TRUE(WaitFor([&] { return player.State() == QLatin1String("ended"); }, 2000));
    EXPECT_TRUE(WaitFor([&] { return playPicture() == idle; }, 500));
}

TEST(MediaPlayerControl, ShowsThePictureFittedOrStretched) {
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 2)) GTEST_SKIP() << "ffmpeg is not installed";
    for (bool stretch : {false, true}) {
        MediaPlayerControl::Design d = waiting();
        d.stretchToFit = stretch;
        MediaPlayerControl player(d);
        MediaPlayerView view(player);
        view.resize(320, 120); // wider than the 4:3 picture
        player.setURL(mp4);
        // Loaded and waiting for play, it already shows its first picture.
        ASSERT_TRUE(WaitFor([&] {
            return view.grab().toImage().pixelColor(160, 60) != QColor(Qt::black);
        })) << player.ErrorText().toStdString();
        EXPECT_GT(view.FramesPainted(), 0);
        const QImage shown = view.grab().toImage();
        int lit = 0; // picture pixels in a column near the left edge
        for (int y = 0; y < shown.height(); ++y)
            lit += shown.pixelColor(4, y) != QColor(Qt::black);
        if (stretch)
            EXPECT_GT(lit, 0) << "stretched to the edges";
        else
            EXPECT_EQ(lit, 0) << "black beside the fitted picture";
        player.close();
        EXPECT_EQ(view.grab().toImage().pixelColor(160, 60), QColor(Qt::black));
    }
}

// The player is no widget: it plays on whether a view shows it or not, a view made later shows
// what it plays, and a view left without its player is black.
TEST(MediaPlayerControl, PlaysOnWithoutAViewAndAnyViewShowsIt) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 3)) GTEST_SKIP() << "ffmpeg is not installed";
    auto player = std::make_unique<MediaPlayerControl>(MediaPlayerControl::Design{});
    auto lit = [](MediaPlayerView& view) {
        return view.grab().toImage().pixelColor(80, 60) != QColor(Qt::black);
    };
    {
        MediaPlayerView first(*player);
        first.resize(160, 120);
        player->setURL(mp4); // starts by itself
        ASSERT_TRUE(WaitFor([&] { return lit(first); })) << player->ErrorText().toStdString();
    }
    ASSERT_TRUE(WaitFor([&] { return player->controls.currentPosition() > 0.5; }))
        << "it plays on after its view went";
    EXPECT_EQ(player->State(), QStringLiteral("playing"));
    MediaPlayerView second(*player);
    second.resize(160, 120);
    EXPECT_TRUE(WaitFor([&] { return lit(second) && second.FramesPainted() > 0; }));
    player.reset();
    EXPECT_FALSE(lit(second));
}

TEST(MediaPlayerControl, AFileItCannotPlayIsReportedOnce) {
    QTemporaryDir dir;
    const QString junk = junkFile(dir);
    ASSERT_FALSE(junk.isEmpty());
    MediaPlayerControl::Design d;
    d.autoStart = true;
    MediaPlayerControl player(d);
    QStringList reasons;
    player.onError = [&](const QString& reason) { reasons << reason; };
    player.setURL(junk);
    ASSERT_TRUE(WaitFor([&] { return !reasons.isEmpty(); }));
    player.controls.play();
    player.controls.setCurrentPosition(1);
    EXPECT_FALSE(reasons[0].isEmpty());
    EXPECT_EQ(player.State(), QStringLiteral("closed"));
    EXPECT_EQ(player.controls.currentPositionString(), QString());

    // A missing file is its own failure, reported in its turn: the junk one came only once
    // before it.
    player.setURL(dir.path() + QStringLiteral("/missing.mp4"));
    ASSERT_TRUE(WaitFor([&] { return reasons.size() >= 2; }));
    EXPECT_EQ(reasons.size(), 2);
    EXPECT_TRUE(player.ErrorText() == reasons.last());
    EXPECT_NE(reasons[0], reasons.last());
}

// A medium loaded ahead that cannot load says so at once, as its own failure: the medium that
// plays meanwhile plays on, and reports nothing.
TEST(MediaPlayerControl, AMediumLoadedAheadThatCannotLoadSaysSoAndLeavesThePlayingOneAlone) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString junk = junkFile(dir);
    ASSERT_FALSE(junk.isEmpty());
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 3.0);
    MediaPlayerControl player(waiting());
    QStringList errors, ahead;
    player.onError = [&](const QString& reason) { errors << reason; };
    player.onPrepareError = [&](const QString& url, const QString&) { ahead << url; };
    player.setURL(wav);
    ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
    player.controls.play();
    player.Prepare(junk);
    EXPECT_EQ(player.PreparedURL(), junk);
    ASSERT_TRUE(WaitFor([&] { return !ahead.isEmpty(); }));
    EXPECT_EQ(ahead, QStringList{junk});
    EXPECT_EQ(player.URL(), wav);
    EXPECT_EQ(player.State(), QStringLiteral("playing"));
    EXPECT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.3; }));
    EXPECT_TRUE(errors.isEmpty());

    // Taken over all the same, it is the player's failure, reported once.
    player.setURL(junk);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(player.State(), QStringLiteral("closed"));
    EXPECT_TRUE(player.PreparedURL().isEmpty());
}

// As an operator does: a click loads the video, a later play starts picture and sound.
TEST(MediaPlayerControl, AVideoLoadedEarlierPlaysWhenTold) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 3)) GTEST_SKIP() << "ffmpeg is not installed";
    MediaPlayerControl player(waiting());
    MediaPlayerView view(player);
    view.resize(160, 120);
    player.settings.setVolume(100);
    player.setURL(mp4);
    ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
    ASSERT_TRUE(SilenceHeard(500)) << "nothing is heard before the play";
    player.controls.play();
    EXPECT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.5; }, 3000));
    EXPECT_GT(RecordedLevel(300), 0.01);
}

// Media switched while a video plays: the next one shows and reports nothing of the last,
// whose pipeline is still coming down meanwhile, and the control may go at any moment.
TEST(MediaPlayerControl, ANewMediumShowsNothingOfTheLastOne) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 3)) GTEST_SKIP() << "ffmpeg is not installed";
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 1.0);
    MediaPlayerControl::Design d; // starts by itself
    d.stretchToFit = true;
    for (int round = 0; round < 3; ++round) {
        MediaPlayerControl player(d);
        MediaPlayerView view(player);
        view.resize(160, 120);
        auto shown = [&] { return view.grab().toImage().pixelColor(80, 60); };
        player.setURL(mp4);
        ASSERT_TRUE(WaitFor([&] { return shown() != QColor(Qt::black); }))
            << player.ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.3; }));

        player.settings.setAutoStart(false);
        QStringList states;
        player.onStateChange = [&] { states << player.State(); };
        player.setURL(wav);
        EXPECT_EQ(shown(), QColor(Qt::black));
        ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
        // Anything late from the video comes before its pipeline is down.
        ASSERT_TRUE(WaitFor([&] { return !player.Retiring(); }));
        EXPECT_EQ(shown(), QColor(Qt::black)) << "a picture of the last medium";
        EXPECT_NEAR(player.currentMedia.duration(), 1.0, 0.05);
        EXPECT_EQ(states, QStringList({"stopped"}));
        EXPECT_EQ(player.ErrorText(), QString());

        player.settings.setAutoStart(true);
        player.setURL(mp4); // and gone while the tone's pipeline comes down and this one loads
    }
}

namespace {
double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

int openDescriptors() {
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                   .size());
}
} // namespace

// A MIDI file loads the synthesizer's sound font (many megabytes) into its decoder: the next
// medium must free it, or a show that plays MIDI cues grows by that much at every one.
TEST(MediaPlayerControl, TheNextMediumFreesWhatAMidiFileLoaded) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString mid = dir.path() + QStringLiteral("/tune.mid");
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeMidi(mid);
    MakeWav(wav, 1);
    MediaPlayerControl player(waiting());
    auto cycle = [&] {
        player.setURL(mid);
        ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
        player.setURL(wav);
        ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
    };
    auto settled = [&] { return WaitFor([&] { return !player.Retiring(); }); };
    for (int i = 0; i < 2; ++i)
        cycle(); // the first loads settle the libraries and allocator
    ASSERT_TRUE(settled());
    const double before = residentMb();
    for (int i = 0; i < 5; ++i)
        cycle();
    ASSERT_TRUE(settled());
    // A kept synthesizer grows it by its sound font at every cycle (14 MB to 150 MB, as
    // installed); a freed one leaves a few megabytes at most.
    EXPECT_LT(residentMb() - before, 25.0);
}

// Each medium's pipeline goes down off the GUI thread; a show switching media all evening must
// not keep any of them.
TEST(MediaPlayerControl, SwitchingMediaKeepsNoOldPipeline) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 2)) GTEST_SKIP() << "ffmpeg is not installed";
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 1);
    MediaPlayerControl player(waiting());
    MediaPlayerView view(player);
    view.resize(160, 120);
    auto cycle = [&] {
        for (const QString& medium : {mp4, wav}) {
            player.setURL(medium);
            ASSERT_TRUE(loadedIn(player)) << player.ErrorText().toStdString();
            player.controls.play();
            ASSERT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.1; }));
        }
        player.close();
    };
    cycle(); // the sound server's connection and the libraries come in once
    ASSERT_TRUE(WaitFor([&] { return !player.Retiring(); }));
    const int before = openDescriptors();
    const double resident = residentMb();
    for (int i = 0; i < 8; ++i)
        cycle();
    ASSERT_TRUE(WaitFor([&] { return !player.Retiring(); }));
    EXPECT_LE(openDescriptors(), before);
    EXPECT_LT(residentMb() - resident, 20.0);
}

// A file replaced while it plays: the player is never left marked playing on a frozen picture.
TEST(MediaPlayerControl, AMediumThatBreaksOffWhilePlayingStopsAndSaysSo) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString clip = dir.path() + QStringLiteral("/clip.mp4");
    ASSERT_TRUE(MakeMp4(clip, 20));
    MediaPlayerControl player(waiting());
    MediaPlayerView view(player);
    QStringList errors;
    player.onError = [&](const QString& reason) { errors << reason; };
    player.setURL(clip);
    ASSERT_TRUE(loadedIn(player));
    player.controls.play();
    ASSERT_TRUE(WaitFor(
        [&] { return view.FramesPainted() > 0 || player.controls.currentPosition() > 0.3; }));
    // Replaced under it by bytes no decoder reads.
    QFile file(clip);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray junk(file.size(), '\x5a');
    ASSERT_EQ(file.write(junk), junk.size());
    file.close();
    EXPECT_TRUE(WaitFor([&] { return player.State() != QLatin1String("playing"); }, 10000))
        << player.State().toStdString();
    // The demuxer may take the junk for the file's end; a decoder that fails says so, once.
    if (player.State() == QLatin1String("closed")) {
        EXPECT_EQ(errors.size(), 1);
        EXPECT_TRUE(player.FailedWhilePlaying());
    } else {
        EXPECT_EQ(player.State(), QStringLiteral("ended"));
    }
}
