#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "platform/widgets/RichTextBox.h"
#include "show/ShowMode.h"
#include "show/StandbyPreparation.h"
#include "support/FakeMixer.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/SinkLatency.h"
#include "ui/Form1.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kRate = 44100;
constexpr int kWindowMs = 50;

// What one stretch of the recording sounds like: silence, or a tone of about this pitch.
struct Heard {
    double rms = 0;
    double hz = 0;
};

QList<Heard> listen(const QByteArray& pcm) {
    const int window = kRate * kWindowMs / 1000;
    const qsizetype n = pcm.size() / 2;
    QList<Heard> out;
    for (qsizetype at = 0; at + window <= n; at += window) {
        double sum = 0;
        int crossings = 0;
        double last = 0;
        for (int i = 0; i < window; ++i) {
            const double v = qFromLittleEndian<qint16>(pcm.constData() + 2 * (at + i)) / 32768.0;
            sum += v * v;
            if (i > 0 && (last < 0) != (v < 0)) ++crossings;
            last = v;
        }
        out << Heard{std::sqrt(sum / window), crossings * 1000.0 / kWindowMs / 2};
    }
    return out;
}

bool silent(const Heard& h) {
    return h.rms < 0.003;
}
bool near(const Heard& h, double hz) {
    return !silent(h) && std::abs(h.hz - hz) < hz * 0.1;
}
// The first window in which the tone of hz is heard, or -1.
qsizetype firstOf(const QList<Heard>& heard, double hz) {
    for (qsizetype i = 0; i < heard.size(); ++i)
        if (near(heard[i], hz)) return i;
    return -1;
}

struct SoundShow {
    explicit SoundShow(const QString& script) {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        form.RTB->setText(script);
        form.RTB->setSelStart(0);
        form.show();
        form.showMode->SetActive(true);
    }
    void key(Qt::Key k) { QTest::keyClick(form.RTB, k); }
    TempProgramFolder folder;
    Form1 form;
};

} // namespace

TEST(ShowSound, GoPlaysMediaAndCommandCuesInOrder) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SinkLatencyHold hold;
    QTemporaryDir media;
    const QString low = media.filePath(QStringLiteral("low.wav"));
    const QString high = media.filePath(QStringLiteral("high.wav"));
    MakeWav(low, 3, 440);
    MakeWav(high, 3, 880);
    SoundShow t(QStringLiteral("Scene one [[%1]]\r\nHamlet enters [[Stop Audio]]\r\n"
                               "Thunder [[%2]] end")
                    .arg(low, high));

    SinkRecording recording;
    ASSERT_TRUE(recording.started());
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.form.showMode->StandbyText(), QStringLiteral("Stop Audio"));
    ASSERT_TRUE(recording.listenFor(700));
    t.key(Qt::Key_PageDown);
    EXPECT_EQ(t.form.showMode->StandbyText(), high);
    ASSERT_TRUE(recording.listenFor(500));
    t.key(Qt::Key_Return);
    EXPECT_FALSE(t.form.showMode->Standby().has_value());
    ASSERT_TRUE(recording.listenFor(700));
    recording.stop();
    t.form.audio->cmdStopA_Click();

    // Heard: the low tone, then silence, then the high tone, and never out of that order.
    const QList<Heard> heard = listen(recording.pcm());
    qsizetype firstLow = -1, firstSilence = -1, firstHigh = -1;
    for (qsizetype i = 0; i < heard.size(); ++i) {
        if (firstLow < 0 && near(heard[i], 440)) firstLow = i;
        if (firstLow >= 0 && firstSilence < 0 && silent(heard[i])) firstSilence = i;
        if (firstSilence >= 0 && firstHigh < 0 && near(heard[i], 880)) firstHigh = i;
    }
    ASSERT_GE(firstLow, 0) << "the first cue was not heard";
    ASSERT_GT(firstSilence, firstLow) << "Stop Audio did not silence it";
    ASSERT_GT(firstHigh, firstSilence) << "the third cue was not heard";
    for (qsizetype i = 0; i < heard.size(); ++i) {
        if (i < firstLow) {
            EXPECT_FALSE(near(heard[i], 880)) << i;
        }
        if (i > firstHigh) {
            EXPECT_FALSE(near(heard[i], 440)) << i;
        }
    }
    // About 300 ms of the high tone or more were heard (the last GO's time less its latency).
    EXPECT_GE(heard.size() - firstHigh, 300 / kWindowMs);
}

// The standby's file is opened ahead in silence, beside what plays, and only the GO starts it.
// A standby moved on, a panic and the end of show mode let it go.
TEST(ShowSound, StandbyFileIsOpenedSilentlyAndLetGoWhenTheStandbyMovesOn) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SinkLatencyHold hold;
    QTemporaryDir media;
    const QString low = media.filePath(QStringLiteral("low.wav"));
    const QString high = media.filePath(QStringLiteral("high.wav"));
    MakeWav(low, 4, 440);
    MakeWav(high, 3, 880);
    const QString script = QStringLiteral("[[Stop Audio]] A [[%1]] B [[%2]] C [[nowhere.wav]] "
                                          "D [[Stop Audio]]")
                               .arg(low, high);
    SoundShow t(script);

    SinkRecording recording;
    ASSERT_TRUE(recording.started());
    t.form.RTB->setSelStart(int(script.indexOf(QStringLiteral(" A "))));
    ASSERT_EQ(t.form.showMode->StandbyText(), low);
    EXPECT_EQ(StandbyPreparation::PreparedFile(), QFileInfo(low).absoluteFilePath());
    ASSERT_TRUE(recording.listenFor(300));
    t.key(Qt::Key_Space);
    // The next cue's file is opened while the first one plays, once it has started.
    EXPECT_TRUE(WaitFor(
        [&] { return StandbyPreparation::PreparedFile() == QFileInfo(high).absoluteFilePath(); }));
    ASSERT_TRUE(recording.listenFor(500));
    // The operator moves the standby on by hand: the missing file is named now, not at GO,
    // and the file opened for the cue passed over is let go.
    t.form.RTB->setSelStart(int(script.indexOf(QStringLiteral(" C "))));
    ASSERT_EQ(t.form.showMode->StandbyText(), QStringLiteral("nowhere.wav"));
    EXPECT_EQ(t.form.showMode->FailedCue(), QStringLiteral("nowhere.wav"));
    EXPECT_TRUE(StandbyPreparation::PreparedFile().isEmpty());
    ASSERT_TRUE(recording.listenFor(300));
    t.key(Qt::Key_PageUp);
    ASSERT_EQ(t.form.showMode->StandbyText(), high);
    EXPECT_EQ(StandbyPreparation::PreparedFile(), QFileInfo(high).absoluteFilePath());
    ASSERT_TRUE(recording.listenFor(300));
    const int goAtMs = 300 + 500 + 300 + 300;
    t.key(Qt::Key_Space);
    ASSERT_TRUE(recording.listenFor(600));
    recording.stop();
    t.form.audio->cmdStopA_Click();

    // Silence while the first file is opened; then the low tone plays on, unbroken and alone,
    // until the GO on the prepared cue; then the high tone is heard.
    const QList<Heard> heard = listen(recording.pcm());
    const qsizetype firstLow = firstOf(heard, 440), firstHigh = firstOf(heard, 880);
    ASSERT_GE(firstLow, 0) << "the first cue was not heard";
    EXPECT_GE(firstLow * kWindowMs, 300 - kWindowMs) << "the first file sounded before its GO";
    for (qsizetype i = 0; i + 1 < firstLow; ++i)
        EXPECT_TRUE(silent(heard[i])) << "at " << i * kWindowMs << " ms: " << heard[i].rms;
    ASSERT_GT(firstHigh, firstLow) << "the GO on the prepared cue was not heard";
    EXPECT_GE(firstHigh * kWindowMs, goAtMs - kWindowMs) << "the prepared file sounded early";
    // The change, the first tone stopping and the next starting a few ms later, may fall across
    // two windows.
    for (qsizetype i = firstLow; i + 2 < firstHigh; ++i)
        EXPECT_TRUE(near(heard[i], 440)) << "at " << i * kWindowMs << " ms: " << heard[i].rms
                                         << " rms, " << heard[i].hz << " Hz";

    // Back to the high cue: opened again; a panic lets it go, and so does the end of show mode.
    t.key(Qt::Key_PageUp);
    ASSERT_EQ(t.form.showMode->StandbyText(), high);
    EXPECT_EQ(StandbyPreparation::PreparedFile(), QFileInfo(high).absoluteFilePath());
    t.form.showMode->StartPanic();
    EXPECT_TRUE(StandbyPreparation::PreparedFile().isEmpty());
    t.form.RTB->setSelStart(int(script.indexOf(QStringLiteral(" A "))));
    ASSERT_EQ(t.form.showMode->StandbyText(), low);
    EXPECT_EQ(StandbyPreparation::PreparedFile(), QFileInfo(low).absoluteFilePath());
    t.form.showMode->SetActive(false);
    EXPECT_TRUE(StandbyPreparation::PreparedFile().isEmpty());
}

// A video or MIDI standby is loaded ahead on the panel's player while the video before it plays
// on undisturbed and alone; the GO starts it.
TEST(ShowSound, StandbyVideoAndMidiWaitBesideThePlayingVideo) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SinkLatencyHold hold;
    QTemporaryDir media;
    const QString first = media.filePath(QStringLiteral("first.mp4"));
    const QString second = media.filePath(QStringLiteral("second.mp4"));
    const QString tune = media.filePath(QStringLiteral("tune.mid"));
    if (!MakeMp4(first, 4, 440) || !MakeMp4(second, 3, 880)) GTEST_SKIP() << "no ffmpeg";
    ASSERT_TRUE(MakeMidi(tune));
    SoundShow t(QStringLiteral("[[%1]] [[%2]] [[%3]] [[Stop Video]]").arg(first, second, tune));
    MediaPlayerControl& panel = *t.form.panelPlayer;
    EXPECT_EQ(panel.PreparedURL(), first);

    SinkRecording recording;
    ASSERT_TRUE(recording.started());
    t.key(Qt::Key_Space);
    ASSERT_TRUE(WaitFor([&] { return panel.State() == QLatin1String("playing"); }));
    EXPECT_EQ(panel.URL(), first);
    EXPECT_TRUE(WaitFor([&] { return panel.PreparedURL() == second; }));
    ASSERT_TRUE(recording.listenFor(600));
    // The first video played on while the second waited beside it.
    EXPECT_EQ(panel.URL(), first);
    EXPECT_EQ(panel.State(), QStringLiteral("playing"));
    EXPECT_GT(panel.controls.currentPosition(), 0.3);
    const int goAtMs = 600;
    t.key(Qt::Key_Space);
    EXPECT_EQ(panel.URL(), second);
    EXPECT_TRUE(WaitFor([&] { return panel.PreparedURL() == tune; }));
    ASSERT_TRUE(recording.listenFor(600));
    const qint64 beforeMidi = recording.pcm().size();
    t.key(Qt::Key_Space);
    EXPECT_EQ(panel.URL(), tune);
    EXPECT_EQ(panel.State(), QStringLiteral("playing"));
    ASSERT_TRUE(recording.listenFor(500));
    recording.stop();
    // The standby is a command now: nothing waits on the player, and none after show mode.
    EXPECT_TRUE(panel.PreparedURL().isEmpty());
    t.key(Qt::Key_PageUp);
    ASSERT_EQ(t.form.showMode->StandbyText(), tune);
    EXPECT_TRUE(panel.PreparedURL().isEmpty()) << "the file the player holds is not loaded again";
    t.key(Qt::Key_PageUp);
    EXPECT_EQ(panel.PreparedURL(), second);
    t.form.showMode->SetActive(false);
    EXPECT_TRUE(panel.PreparedURL().isEmpty());
    t.form.video->cmdStopV_Click();

    const QList<Heard> heard = listen(recording.pcm());
    const qsizetype firstLow = firstOf(heard, 440), firstHigh = firstOf(heard, 880);
    ASSERT_GE(firstLow, 0) << "the first video was not heard";
    ASSERT_GT(firstHigh, firstLow) << "the GO on the waiting video was not heard";
    EXPECT_GE(firstHigh * kWindowMs, goAtMs - kWindowMs) << "the waiting video sounded early";
    // The first video alone until the change (which may fall across two windows).
    for (qsizetype i = firstLow; i + 2 < firstHigh; ++i)
        EXPECT_TRUE(near(heard[i], 440)) << "at " << i * kWindowMs << " ms: " << heard[i].rms
                                         << " rms, " << heard[i].hz << " Hz";
    // The tune is heard after its GO.
    const QList<Heard> tuneHeard = listen(recording.pcm().mid(beforeMidi));
    EXPECT_TRUE(std::any_of(tuneHeard.begin(), tuneHeard.end(), [](const Heard& h) {
        return !silent(h) && !near(h, 880);
    })) << "the tune was not heard";
}

TEST(ShowSound, PanicEndsInSilenceWithinTheSecond) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SinkLatencyHold hold;
    ScriptedDialogs dialogs;
    SetMixer(nullptr); // the real master volume: the panic fades it
    QTemporaryDir media;
    const QString tone = media.filePath(QStringLiteral("tone.wav"));
    MakeWav(tone, 6, 440);
    SoundShow t(QStringLiteral("[[%1]]").arg(tone));
    t.form.volume->ApriMixer();
    ASSERT_TRUE(t.form.volume->MixerConnected);
    t.form.core.masterVolume.SetChosenLevel(QString::number(t.form.volume->VolumeMax));
    t.form.volume->ImpostaVolume();

    SinkRecording recording;
    ASSERT_TRUE(recording.started());
    t.key(Qt::Key_Space);
    ASSERT_TRUE(recording.listenFor(900));
    t.key(Qt::Key_Escape);
    ASSERT_TRUE(recording.listenFor(1800));
    recording.stop();

    const QList<Heard> heard = listen(recording.pcm());
    // The fade starts where the steady tone first weakens; from 1.2 s after that, silence.
    qsizetype steady = -1;
    for (qsizetype i = 0; i < heard.size() && steady < 0; ++i)
        if (near(heard[i], 440)) steady = i;
    ASSERT_GE(steady, 0) << "the tone was not heard";
    const double level = heard[steady].rms;
    qsizetype fade = -1;
    for (qsizetype i = steady; i < heard.size() && fade < 0; ++i)
        if (heard[i].rms < level * 0.9) fade = i;
    ASSERT_GT(fade, steady) << "no fade was heard";
    EXPECT_GT(heard[fade].rms, 0.003) << "the sound was cut, not faded";
    const qsizetype quiet = fade + 1200 / kWindowMs;
    ASSERT_LT(quiet + 4, heard.size()) << "the recording ended too soon";
    for (qsizetype i = quiet; i < heard.size(); ++i)
        EXPECT_TRUE(silent(heard[i])) << "heard " << heard[i].rms << " at " << i * kWindowMs
                                      << " ms, fade from " << fade * kWindowMs << " ms";
    // The operator's volume is back for the next cue, and nothing plays.
    EXPECT_FALSE(t.form.playA->playing());
    SetMixer(&TestMixer());
    SoundServerUp();
}
