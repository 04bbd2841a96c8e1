#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/MediaRouting.h"
#include "platform/GstMci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mp3Gapless.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "script/Interprete.h"
#include "support/MediaFiles.h"
#include "support/Pixels.h"
#include "support/SinkLatency.h"
#include "support/Wav.h"
#include "ui/Form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

long send(MciDevice& device, const QString& command, QString* answer = nullptr) {
    return device.mciSendString(command, answer);
}

double status(MciDevice& device, const char* what) {
    QString answer;
    if (send(device, QStringLiteral("status wav1 ") + QLatin1String(what), &answer) != 0) return -1;
    return answer.toDouble();
}

// An MP3 of the sound in wav, made by ffmpeg's LAME encoder with the options given.
bool encodeMp3(const QString& wav, const QString& mp3, const QStringList& options = {}) {
    QProcess p;
    p.start(QStringLiteral("ffmpeg"),
            QStringList{QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                        QStringLiteral("-i"), wav} +
                options + QStringList{mp3});
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

} // namespace

TEST(GstMci, OpenReportsEachProblemWithItsOwnCode) {
    QTemporaryDir dir;
    GstMci device;
    const QString text = dir.path() + QStringLiteral("/notes.txt");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not sound");
    f.close();
    const QString wav = dir.path() + QStringLiteral("/Act 1  Tone.WAV"); // blanks kept
    MakeWav(wav, 1.0);
    EXPECT_EQ(send(device, QStringLiteral("open \"") + dir.path() +
                               QStringLiteral("/missing.wav\" ALIAS wav1")),
              mcierr::FileNotFound);
    EXPECT_EQ(send(device, QStringLiteral("open \"") + text + QStringLiteral("\" ALIAS wav1")),
              mcierr::CannotPlay);
    EXPECT_EQ(send(device, QStringLiteral("OPEN   \"") + wav + QStringLiteral("\"  alias WAV1")),
              0);
    EXPECT_EQ(send(device, QStringLiteral("open \"") + wav + QStringLiteral("\" ALIAS wav1")),
              mcierr::DuplicateAlias);
    EXPECT_EQ(send(device, QStringLiteral("status other length")), mcierr::NotOpen);
    EXPECT_EQ(send(device, QStringLiteral("dance wav1")), mcierr::UnrecognizedCommand);
    for (long code : {mcierr::FileNotFound, mcierr::CannotPlay, mcierr::DuplicateAlias})
        EXPECT_FALSE(device.mciGetErrorString(code).isEmpty());
    EXPECT_EQ(send(device, QStringLiteral("close all")), 0);
    EXPECT_EQ(send(device, QStringLiteral("status wav1 length")), mcierr::NotOpen);
}

TEST(GstMci, AnyFileNameAndAnyNumberAreSafe) {
    QTemporaryDir dir;
    GstMci device;
    // Quotes, brackets, blanks and letters of other scripts are all allowed in file names here.
    const QString wav =
        dir.path() + QStringLiteral("/Act \"2\" [live] \u00E9t\u00E9 \u0442\u043E\u043D.wav");
    MakeWav(wav, 1.0);
    ASSERT_EQ(
        send(device, QStringLiteral("open ") + MciQuoted(wav) + QStringLiteral(" alias wav1")), 0);
    QString length;
    ASSERT_EQ(device.mciSendString(QStringLiteral("status wav1 length"), &length), 0);
    EXPECT_NEAR(length.toDouble(), 1000, 30);
    // Numbers that are not finite are refused; huge ones are simply out of range.
    for (const char* bad : {"inf", "nan", "1e400", "-inf"})
        EXPECT_EQ(send(device, QStringLiteral("play wav1 from ") + QLatin1String(bad)),
                  mcierr::MissingParameter)
            << bad;
    EXPECT_EQ(send(device, QStringLiteral("play wav1 from 1e300")), mcierr::OutOfRange);
    EXPECT_EQ(send(device, QStringLiteral("seek wav1 to inf")), mcierr::MissingParameter);
    EXPECT_EQ(send(device, QStringLiteral("close all")), 0);
}

TEST(GstMci, AFarPositionInAFileOfUnknownLengthIsOutOfRange) {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) GTEST_SKIP() << "no ffmpeg";
    QTemporaryDir dir;
    // FLAC written to a pipe cannot go back to record its length in its header.
    const QString flac = dir.path() + QStringLiteral("/streamed.flac");
    QProcess p;
    p.setStandardOutputFile(flac);
    p.start(ffmpeg, {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                     QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("sine=frequency=440:duration=1"), QStringLiteral("-f"),
                     QStringLiteral("flac"), QStringLiteral("pipe:1")});
    ASSERT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0);
    GstMci device;
    ASSERT_EQ(
        send(device, QStringLiteral("open ") + MciQuoted(flac) + QStringLiteral(" alias wav1")), 0);
    ASSERT_EQ(send(device, QStringLiteral("status wav1 length")), mcierr::DeviceFailed);
    // The largest number a command can carry names no place in any file.
    EXPECT_EQ(send(device, QStringLiteral("play wav1 from 1e13")), mcierr::OutOfRange);
    EXPECT_EQ(send(device, QStringLiteral("seek wav1 to 1e300")), mcierr::OutOfRange);
    EXPECT_EQ(send(device, QStringLiteral("seek wav1 to 500")), 0);
    EXPECT_NEAR(status(device, "position"), 500, 30);
    EXPECT_EQ(send(device, QStringLiteral("close all")), 0);
}

TEST(GstMci, PlaysSeeksAndEndsWithThePositionAtTheLength) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    // As a sound card plays: a null sink left to itself changes its latency when a recorder
    // comes and goes, and a stream paused across that change crawls when played again.
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 1.5);
    GstMci device;
    ASSERT_EQ(send(device, QStringLiteral("open \"") + wav + QStringLiteral("\" ALIAS wav1")), 0);
    EXPECT_NEAR(status(device, "length"), 1500, 5);
    EXPECT_EQ(status(device, "position"), 0);

    // A position asked right after "play from" is that position or later.
    ASSERT_EQ(send(device, QStringLiteral("play wav1 from 1000")), 0);
    EXPECT_GE(status(device, "position"), 1000);
    EXPECT_EQ(send(device, QStringLiteral("stop wav1")), 0);
    const double stoppedAt = status(device, "position");
    EXPECT_TRUE(SilenceHeard(200)) << "a stop is heard at once";
    EXPECT_NEAR(status(device, "position"), stoppedAt, 5);

    EXPECT_EQ(send(device, QStringLiteral("play wav1")), 0);
    ASSERT_TRUE(
        WaitFor([&] { return status(device, "position") == status(device, "length"); }, 3000));
    EXPECT_EQ(send(device, QStringLiteral("seek wav1 to start")), 0);
    EXPECT_EQ(status(device, "position"), 0);
    EXPECT_EQ(send(device, QStringLiteral("play wav1 from 99999")), mcierr::OutOfRange);
}

// The operator opens a cue and plays it when the scene calls for it, often much later.
TEST(GstMci, AFileOpenedLongBeforeItsPlaySoundsAtOnce) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 5.0);
    GstMci device;
    ASSERT_EQ(send(device, QStringLiteral("open \"") + wav + QStringLiteral("\" ALIAS wav1")), 0);
    ASSERT_EQ(send(device, QStringLiteral("seek wav1 to 1000")), 0);
    ASSERT_TRUE(SilenceHeard(1500)) << "nothing is heard before the play";
    ASSERT_EQ(send(device, QStringLiteral("play wav1")), 0);
    EXPECT_GT(RecordedLevel(500), 0.05) << "heard at once, not after the wait";
    const double at = status(device, "position");
    EXPECT_GT(at, 1300) << "it plays on from where it was sought";
    EXPECT_LT(at, 2300);

    // After a pause, the same: it resumes at once.
    ASSERT_EQ(send(device, QStringLiteral("pause wav1")), 0);
    ASSERT_TRUE(SilenceHeard(1500)) << "nothing is heard while paused";
    ASSERT_EQ(send(device, QStringLiteral("play wav1")), 0);
    EXPECT_GT(RecordedLevel(400), 0.05) << "heard at once after a pause";
}

TEST(GstMci, ReadsTheSilenceTheEncoderAddedToAnMp3) {
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        GTEST_SKIP() << "no ffmpeg";
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    ASSERT_TRUE(MakeWav(wav, 1.0)); // 44100 samples
    struct Case {
        const char* name;
        QStringList options;
        bool id3;
        int rate, frameSamples;
    } cases[] = {
        {"stereo.mp3", {QStringLiteral("-ac"), QStringLiteral("2")}, true, 44100, 1152},
        {"untagged.mp3",
         {QStringLiteral("-id3v2_version"), QStringLiteral("0")},
         false,
         44100,
         1152},
        {"half-rate.mp3", {QStringLiteral("-ar"), QStringLiteral("22050")}, true, 22050, 576},
    };
    for (const Case& c : cases) {
        const QString mp3 = dir.path() + QLatin1Char('/') + QLatin1String(c.name);
        ASSERT_TRUE(encodeMp3(wav, mp3, c.options)) << c.name;
        QFile file(mp3);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_EQ(file.read(3) == "ID3", c.id3) << c.name;
        const std::optional<Mp3Gapless> gapless = Mp3GaplessOf(mp3);
        ASSERT_TRUE(gapless) << c.name;
        EXPECT_EQ(gapless->sampleRate, c.rate) << c.name;
        EXPECT_EQ(gapless->delay, 576) << c.name; // what LAME writes
        // The sound and what was added around it fill whole frames.
        const int samples = 44100 * c.rate / 44100;
        EXPECT_GT(gapless->padding, 0) << c.name;
        EXPECT_EQ((gapless->delay + samples + gapless->padding) % c.frameSamples, 0) << c.name;
    }
    const QString bare = dir.path() + QStringLiteral("/bare.mp3");
    ASSERT_TRUE(encodeMp3(wav, bare, {QStringLiteral("-write_xing"), QStringLiteral("0")}));
    EXPECT_FALSE(Mp3GaplessOf(bare)) << "nothing recorded, nothing taken off";
    EXPECT_FALSE(Mp3GaplessOf(wav));
}

// An MP3 cue keeps the times of the WAV it was made from: its lead is never played.
TEST(GstMci, AnMp3HasTheTimesOfTheSoundItWasMadeFrom) {
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        GTEST_SKIP() << "no ffmpeg";
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    const QString mp3 = dir.path() + QStringLiteral("/tone.mp3");
    ASSERT_TRUE(MakeWav(wav, 1.5));
    ASSERT_TRUE(encodeMp3(wav, mp3));
    GstMci device;
    ASSERT_EQ(send(device, QStringLiteral("open ") + MciQuoted(wav) + QStringLiteral(" alias w")),
              0);
    ASSERT_EQ(send(device, QStringLiteral("open ") + MciQuoted(mp3) + QStringLiteral(" alias m")),
              0);
    auto of = [&](const char* alias, const char* what) {
        QString answer;
        send(device, QStringLiteral("status %1 %2").arg(QLatin1String(alias), QLatin1String(what)),
             &answer);
        return answer;
    };
    EXPECT_EQ(of("m", "length"), of("w", "length"));
    EXPECT_EQ(of("m", "position"), QStringLiteral("0"));
    EXPECT_EQ(of("m", "mode"), QStringLiteral("stopped"));
    ASSERT_EQ(send(device, QStringLiteral("seek m to 700")), 0);
    EXPECT_EQ(of("m", "position"), QStringLiteral("700"));
    ASSERT_EQ(send(device, QStringLiteral("seek m to start")), 0);
    EXPECT_EQ(of("m", "position"), QStringLiteral("0"));
    ASSERT_EQ(send(device, QStringLiteral("seek m to end")), 0);
    EXPECT_EQ(of("m", "position"), of("w", "length"));
    EXPECT_EQ(send(device, QStringLiteral("close all")), 0);
}

TEST(AudioPlayerOnTheSoundServer, ACueDoubleClickedIsHeardAndPausesInPlace) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    // Without a short latency the sink plays in two-second blocks and the end comes late.
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    MakeWav(dir.path() + QStringLiteral("/tone.wav"), 3.0);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pausa");
    {
        Form1 form;
        form.playA->set(false);
        form.RTB->setText(QStringLiteral("Music: [[tone.wav]]"));
        form.RTB->setSelStart(10);
        form.cues->RTB_DblClick();
        EXPECT_TRUE(form.core.audio.Playing());
        ASSERT_TRUE(WaitFor([&] { return form.audio->CurPos() > 300; }));
        EXPECT_GT(RecordedLevel(400), 0.05) << "the tone is heard";

        form.audio->cmdPlayA_Click(); // pause
        const double pausedAt = form.audio->CurPos();
        EXPECT_GT(pausedAt, 0);
        // What was already sent to the server drains first.
        EXPECT_TRUE(SilenceHeard(300, 2000)) << "silence while paused";
        EXPECT_NEAR(form.audio->CurPos(), pausedAt, 5);

        // A seek while paused stays paused at the new place.
        form.audio->lblContatore_Click(QStringLiteral(" 2000"));
        EXPECT_FALSE(form.core.audio.Playing());
        EXPECT_NEAR(form.audio->CurPos(), 2000, 30);

        // Played to its end, the file goes back to its start, paused.
        form.audio->cmdPlayA_Click();
        ASSERT_TRUE(WaitFor([&] { return !form.core.audio.Playing(); }, 6000));
        // (Pausing plays from the start and stops at once: a few milliseconds may pass.)
        EXPECT_LT(form.audio->CurPos(), 60);
        EXPECT_EQ(form.Timer1->Interval(), 0);
    }
    QDir::setCurrent(before);
}

namespace {
// Runs a command cue as a click in the script would.
void RunCue(Form1& form, const char* cue) {
    QString text = QLatin1String(cue);
    int start = 0, end = 0;
    form.interprete->InterpretaComando(text, start, end, true);
}
} // namespace

// Rehearsing a passage: pause, seek while paused, play, again and again. Every play the device
// takes is heard, whatever the machine is doing.
TEST(AudioPlayerOnTheSoundServer, EveryPlayAfterASeekWhilePausedIsHeard) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    MakeWav(dir.path() + QStringLiteral("/tone.wav"), 10.0);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Lingua[7] = QStringLiteral("Play");
    {
        Form1 form;
        form.playA->set(false);
        form.RTB->setText(QStringLiteral("Music: [[tone.wav]]"));
        form.RTB->setSelStart(10);
        form.cues->RTB_DblClick();
        SinkRecording recording;
        ASSERT_TRUE(recording.started());
        int silent = 0;
        for (int round = 0; round < 200; ++round) {
            if (!WaitFor([&] { return recording.recentLevel(30) > 0.05; }, 2000)) {
                ++silent;
                ADD_FAILURE() << "round " << round << ": the play was not heard; the button says "
                              << (form.core.audio.Playing() ? "playing" : "not playing")
                              << ", the device is at " << form.audio->CurPos();
                if (silent > 3) break;
            }
            RunCue(form, "pause audio");
            EXPECT_TRUE(WaitFor(
                [&] {
                    const double level = recording.recentLevel(30);
                    return level >= 0 && level < 0.01;
                },
                2000))
                << "round " << round << ": silence after the pause";
            RunCue(form, round % 2 ? "seek audio 5" : "seek audio 2");
            EXPECT_FALSE(form.core.audio.Playing()) << "a seek while paused stays paused";
            RunCue(form, "play audio");
        }
    }
    QDir::setCurrent(before);
}

// A file cut short while it plays: the player never stays marked playing; when the stream
// fails, the device stands still where it broke off and the notice names the file.
TEST(AudioPlayerOnTheSoundServer, AFileThatBreaksOffWhilePlayingStopsThePlayer) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString clip = dir.path() + QStringLiteral("/song.mp4");
    ASSERT_TRUE(MakeMp4(clip, 20));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Lingua[7] = QStringLiteral("Play");
    {
        const SinkLatencyHold sink; // plays as on a sound card, not two seconds at a time
        Form1 form;
        form.playA->set(false);
        mci().mciSendString(QStringLiteral("close all"));
        ASSERT_EQ(mci().mciSendString(QStringLiteral("open ") + MciQuoted(clip) +
                                      QStringLiteral(" alias wav1")),
                  0);
        form.audio->cmdPlayA_Click();
        ASSERT_TRUE(WaitFor([&] { return form.audio->CurPos() > 300; }));
        QFile file(clip);
        ASSERT_TRUE(file.resize(4096));
        EXPECT_TRUE(WaitFor([&] { return !form.playA->playing(); }, 10000));
        // The demuxer may take the cut for the file's end (the player goes back to the start);
        // when the stream fails instead, the notice names the file.
        if (form.Label11->Visible())
            EXPECT_TRUE(form.Label11->Caption().contains(QStringLiteral("song.mp4")))
                << form.Label11->Caption().toStdString();
        else
            EXPECT_LT(form.audio->CurPos(), 100);
        mci().mciSendString(QStringLiteral("close all"));
    }
    QDir::setCurrent(before);
}

// Loading a cue plays and stops the device; none of it may be heard.
TEST(AudioPlayerOnTheSoundServer, LoadingACueIsSilent) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 2.0); // at full level from the first sample
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pausa");
    // Videos with sound too, loaded into the main window's player in turn.
    const QString clips[] = {dir.path() + QStringLiteral("/a.mp4"),
                             dir.path() + QStringLiteral("/b.mp4")};
    const bool videos = MakeMp4(clips[0], 2) && MakeMp4(clips[1], 2);
    Form1 form;
    form.playA->set(false);
    form.playV->set(false);
    form.WMP2->player().settings.setVolume(100);
    SinkRecording recording;
    ASSERT_TRUE(recording.started());
    // Each load completes (the device holds the file, its length known) before the next.
    for (int i = 0; i < 20; ++i) {
        form.routing->vai(wav);
        QString length;
        ASSERT_EQ(mci().mciSendString(QStringLiteral("status wav1 length"), &length), 0) << i;
        ASSERT_NEAR(length.toDouble(), 2000, 30) << i;
        QCoreApplication::processEvents();
    }
    for (int i = 0; videos && i < 6; ++i) {
        form.cues->setCueCorrente(clips[i % 2]);
        form.routing->vai(clips[i % 2]);
        ASSERT_TRUE(WaitFor([&] { return form.WMP2->player().currentMedia.duration() > 0; }, 3000))
            << i;
    }
    recording.stop(300);
    std::cout << "[ figures  ] peak during 20 audio and 6 video loads: " << recording.peak()
              << ", RMS: " << recording.rms() << std::endl;
    EXPECT_LT(recording.peak(), 0.003) << "nothing reaches the sound server while loading";
    EXPECT_EQ(form.audio->CurPos(), 0);
    EXPECT_FALSE(form.core.audio.Playing());

    // The loaded cue still plays at once when the operator asks.
    form.audio->cmdPlayA_Click();
    EXPECT_GT(RecordedLevel(400), 0.05);
}

// Whatever stops a cue from loading is on screen for six seconds after the click.
TEST(AudioPlayerOnTheSoundServer, EveryFailureOfACueStaysOnScreen) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.path() + u'/' + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    QByteArray damaged("ID3\x03\x00\x00\x00\x00\x00\x00", 10);
    damaged += QByteArray(4000, '\x5a');
    write("broken.mp3", damaged);
    write("broken.mp4", QByteArray(4000, '\x17'));
    MakeWav(dir.path() + QStringLiteral("/cut.wav"), 1.0);
    QFile::resize(dir.path() + QStringLiteral("/cut.wav"), 30); // the header cut short
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pausa");
    Lingua[4] = QStringLiteral("Impossibile riprodurre questo file:");
    Lingua[127] = QStringLiteral("File non trovato");
    {
        Form1 form;
        form.playA->set(false);
        form.playV->set(false);
        const auto click = [&](const char* cue) {
            form.Label11->setVisible(false);
            form.RTB->setText(QStringLiteral("[[") + QLatin1String(cue) + QStringLiteral("]]"));
            form.RTB->setSelStart(4);
            form.cues->RTB_Click();
        };
        for (const char* cue : {"broken.mp3", "cut.wav"}) {
            click(cue);
            EXPECT_TRUE(form.Label11->Visible()) << cue;
            EXPECT_TRUE(form.Label11->Caption().startsWith(Lingua[4] + u' ' + QLatin1String(cue)))
                << cue;
            EXPECT_EQ(form.Timer5->Interval(), 6000);
        }
        click("gone.wav");
        EXPECT_TRUE(form.Label11->Visible());
        EXPECT_EQ(form.Label11->Caption(), Lingua[127]);

        // The video player finds out a moment later; the notice comes then.
        click("broken.mp4");
        EXPECT_TRUE(WaitFor([&] { return form.Label11->Visible(); }));
        EXPECT_TRUE(form.Label11->Caption().startsWith(Lingua[4] + QStringLiteral(" broken.mp4")));
        EXPECT_EQ(form.Timer5->Interval(), 6000);
    }
    QDir::setCurrent(before);
}

// Half-way through a track the bar fills half of it, seen through the counter over it.
TEST(AudioPlayerOnTheSoundServer, TheBarShowsThePlayedShareOfTheWholeTrack) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 4.0);
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pausa");
    Form1 form;
    form.playA->set(false);
    form.routing->vai(wav);
    form.audio->lblContatore_Click(QStringLiteral(" 2000")); // paused there
    form.audio->Timer1_Timer();
    EXPECT_EQ(form.lblContatore->Caption(), QStringLiteral("0:02 / 0:04"));
    const double inner = form.Shape2->Width() - 2 * (form.Shape1->Left() - form.Shape2->Left());
    EXPECT_NEAR(form.Shape1->Width(), inner / 2, inner / 50);
    EXPECT_EQ(ColourAlong(form.Picture2, *form.Shape2, 0.1), QColor(0x0A, 0x58, 0xCD));
    EXPECT_EQ(ColourAlong(form.Picture2, *form.Shape2, 0.9), QColor(0x1F, 0x1F, 0x1F));

    // Playing, it moves on with the sound.
    const double halfWay = form.Shape1->Width();
    form.audio->cmdPlayA_Click();
    ASSERT_TRUE(WaitFor([&] { return form.audio->CurPos() > 2400; }));
    form.audio->Timer1_Timer();
    EXPECT_GT(form.Shape1->Width(), halfWay + inner / 20);
    form.audio->cmdPlayA_Click();
}
