#include "app/Lifecycle.h"
#include "i18n/Lingua.h"
#include "media/VolumeFades.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "support/FakeMixer.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "ui/Form1.h"
#include "ui/ProjectorWindow.h"
#include "ui/VolumeKnob.h"
#include "ui/WindowVisuals.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct KnobForm {
    KnobForm() {
        TestMixer() = FakeMixer();
        form.volume->ApriMixer();
        form.visuals->PosizionaManopola();
    }
    VolumeFades& v() { return *form.volume; }
    double top() const { return form.Image3->Top(); }
    double bottom() const {
        return form.Image3->Top() + form.Image3->Height() - form.Image2->Height();
    }
    // Runs a fade's ticks until it stops (at most n).
    int runFade(int n = 5000) {
        int ticks = 0;
        while (form.Timer3->Enabled() && ticks < n) {
            v().Timer3_Timer();
            ++ticks;
        }
        return ticks;
    }
    Form1 form;
};

int sinkPercent() {
    QProcess p;
    p.start(QStringLiteral("pactl"), {QStringLiteral("get-sink-volume"), QStringLiteral("show")});
    p.waitForFinished(5000);
    const auto m = QRegularExpression(QStringLiteral("(\\d+)%"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

TEST(VolumeFades, AFadeOutEndsSilentAndAFadeInEndsFull) {
    KnobForm t;
    t.v().Image7_Click(); // fast out
    const int ticks = t.runFade();
    EXPECT_NEAR(ticks, (t.bottom() - t.top()) / 2 / 10, 3); // from the middle, 10 twips a tick
    EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QStringLiteral("0"));
    EXPECT_EQ(t.form.core.masterVolume.Value(), 0);
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 0"));
    EXPECT_DOUBLE_EQ(t.form.Image2->Top(), t.bottom());
    EXPECT_EQ(TestMixer().value, 0);
    EXPECT_EQ(t.form.WMP2->player().settings.volume(), 0);

    t.v().Image6_Click(); // slow in: one twip a tick, about ten seconds for the travel
    EXPECT_NEAR(t.runFade(), t.bottom() - t.top(), 20);
    EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QString::number(t.v().VolumeMax));
    EXPECT_EQ(t.form.core.masterVolume.Percent(), 100);
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 100"));
    EXPECT_EQ(TestMixer().value, 65536);
}

// A fade steps the master volume's place in the knob's steps, and each tick's level is the one
// of the place the knob is drawn at (on whole pixels), as when the knob itself was the level.
TEST(VolumeFades, EveryTicksLevelIsThatOfTheKnobAsDrawn) {
    KnobForm t;
    const PictureBox& knob = *t.form.Image2;
    const PictureBox& track = *t.form.Image3;
    const double max = double(t.v().VolumeMax);
    t.v().Image8_Click(); // normal out: 5 twips a tick, a third of a pixel
    while (t.form.Timer3->Enabled()) {
        t.v().Timer3_Timer();
        const double drawn = std::trunc(
            std::fabs((knob.Top() - track.Top()) * max / (track.Height() - knob.Height()) - max));
        EXPECT_DOUBLE_EQ(t.form.core.masterVolume.Position(), knob.Top());
        if (t.form.Timer3->Enabled()) {
            EXPECT_EQ(t.form.core.masterVolume.Value(), long(drawn)) << knob.Top();
        }
    }
    EXPECT_EQ(t.form.core.masterVolume.Value(), 0);
}

TEST(VolumeFades, AFadeOutDuringAFadeInTurnsBackFromWhereTheKnobIs) {
    KnobForm t;
    t.v().Image5_Click();
    for (int i = 0; i < 20; ++i)
        t.v().Timer3_Timer();
    const double turned = t.form.Image2->Top();
    EXPECT_LT(turned, (t.top() + t.bottom()) / 2);
    t.v().Image8_Click();
    t.v().Timer3_Timer();
    EXPECT_GE(t.form.Image2->Top(), turned);
    t.runFade();
    EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QStringLiteral("0"));
}

TEST(VolumeFades, TouchingTheKnobOrTheTrackStopsAFade) {
    KnobForm t;
    t.v().Image9_Click();
    t.form.volumeKnob->Image2_MouseDown(1, 0, 0, 0);
    EXPECT_FALSE(t.form.Timer3->Enabled());
    EXPECT_TRUE(t.form.Timer2->Enabled());
    t.form.volumeKnob->Image2_MouseUp(1, 0, 0, 0);
    EXPECT_FALSE(t.form.Timer2->Enabled());

    t.v().Image4_Click();
    t.form.volumeKnob->Image3_MouseUp(1, 0, 0, 300); // a click 300 twips down the track
    t.form.volumeKnob->Image3_Click();
    EXPECT_FALSE(t.form.Timer3->Enabled());
    EXPECT_NEAR(t.form.Image2->Top() + t.form.Image2->Height() / 2, t.top() + 300, 15);
}

TEST(VolumeKnob, DraggingFollowsTheLeftButtonAndTheLabelStopsAt100) {
    KnobForm t;
    const double start = t.form.Image2->Top();
    // Right button: the knob stays, the value is applied all the same.
    t.form.volumeKnob->Image2_MouseDown(2, 0, 0, 0);
    t.form.volumeKnob->Image2_MouseMove(2, 0, 0, -400);
    t.form.volumeKnob->Timer2_Timer();
    EXPECT_DOUBLE_EQ(t.form.Image2->Top(), start);
    t.form.volumeKnob->Image2_MouseUp(2, 0, 0, 0);

    // Left button, pulled far up: the tick may lift the knob above the track.
    t.form.volumeKnob->Image2_MouseDown(1, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        t.form.volumeKnob->Image2_MouseMove(1, 0, 0, -2000);
        t.form.volumeKnob->Timer2_Timer();
    }
    t.form.volumeKnob->Image2_MouseUp(1, 0, 0, 0);
    EXPECT_LE(t.form.Image2->Top(), t.top());
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 100"));
    EXPECT_EQ(TestMixer().value, 65536); // clamped at the mixer
}

TEST(VolumeKnob, TheProjectorPlayerFollowsWhileTheBoxIsTicked) {
    KnobForm t;
    {
        // The request alone, without switching the projector (one monitor would refuse it).
        const QSignalBlocker alone(t.form.core.state);
        t.form.core.state.SetProjectorRequested(true);
    }
    t.form.core.masterVolume.SetChosenLevel(QString::number(65536 / 4));
    t.v().ImpostaVolume();
    EXPECT_EQ(t.form.ProjectorWindow().WMP1->player().settings.volume(), 25);
    EXPECT_EQ(t.form.WMP2->player().settings.volume(), 25);
}

// The level set on the show itself, as a remote would, reaches the mixer, the players and the
// percentage under the knob; a percentage is whole and never above 100.
TEST(MasterVolume, ALevelSetOnTheShowReachesTheMixerThePlayersAndTheLabel) {
    KnobForm t;
    t.form.core.masterVolume.SetValue(65536 * 3 / 10 - 1);
    EXPECT_EQ(TestMixer().value, 65536 * 3 / 10 - 1);
    EXPECT_EQ(t.form.WMP2->player().settings.volume(), 29);
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 29"));
    EXPECT_EQ(t.v().ValoreVolume, 65536 * 3 / 10 - 1) << "what the panic fade starts from";
    t.form.core.masterVolume.SetValue(70000);
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 100"));
    EXPECT_EQ(t.form.WMP2->player().settings.volume(), 100);
}

TEST(VolumeOnTheSoundServer, StartUpShowsAndSetsTheSavedLevelOnTheMixerOpenedAhead) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SetMixer(nullptr);
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Scenolux.ini"),
                     "English.lng\r\n16384\r\n900\r\n0\r\n0\r\n1\r\n\r\n0\r\n");
        OpenMixerAhead(); // as the program does before its window is made
        Form1 form;
        form.lifecycle->Form_Load(QString());
        ASSERT_TRUE(form.volume->MixerConnected) << "no ALSA mixer on the default device";
        EXPECT_EQ(form.Label6->Caption().trimmed(), QStringLiteral("25"));
        EXPECT_NEAR(sinkPercent(), 25, 2);
        EXPECT_DOUBLE_EQ(form.Image2->Top(), 900);
    }
    SetMixer(&TestMixer());
    QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("set-sink-volume"),
                                                QStringLiteral("show"), QStringLiteral("100%")});
}

namespace {
// Runs a fade to its end, tick by tick; a fade that never ends fails instead of hanging.
void runFade(Form1& form) {
    for (int tick = 0; tick < 10000 && form.Timer3->Enabled(); ++tick)
        form.volume->Timer3_Timer();
    EXPECT_FALSE(form.Timer3->Enabled()) << "the fade never ended";
}
} // namespace

TEST(VolumeOnTheSoundServer, VolAndFadesMoveTheSinkVolume) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SetMixer(nullptr); // the real master volume, on the null sink
    {
        Form1 form;
        form.volume->ApriMixer();
        ASSERT_TRUE(form.volume->MixerConnected) << "no ALSA mixer on the default device";
        form.visuals->PosizionaManopola();
        form.RTB->setText(QStringLiteral("[[Vol 50]] [[FadeOut Fast]] [[FadeIn Normal]]"));
        form.RTB->setSelStart(4);
        form.cues->RTB_Click();
        EXPECT_NEAR(sinkPercent(), 50, 2);

        // A tone plays while the fast fade out runs to silence.
        QTemporaryDir dir;
        const QString wav = dir.path() + QStringLiteral("/tone.wav");
        MakeWav(wav, 4);
        mci().mciSendString(QStringLiteral("close all"));
        ASSERT_EQ(
            mci().mciSendString(QStringLiteral("open \"") + wav + QStringLiteral("\" alias wav1")),
            0);
        ASSERT_EQ(mci().mciSendString(QStringLiteral("play wav1")), 0);
        ASSERT_TRUE(HeardAtSink([](double level) { return level > 0.05; }, 100))
            << "the tone is heard before the fade";
        form.RTB->setSelStart(15);
        form.cues->RTB_Click();
        runFade(form);
        EXPECT_EQ(sinkPercent(), 0);
        EXPECT_TRUE(SilenceHeard(400)) << "silence at the sink's monitor";
        QString mode;
        mci().mciSendString(QStringLiteral("status wav1 mode"), &mode);
        EXPECT_EQ(mode, QStringLiteral("playing")) << "silent by the volume, not by a stop";
        mci().mciSendString(QStringLiteral("close all"));

        form.RTB->setSelStart(31);
        form.cues->RTB_Click();
        runFade(form);
        EXPECT_EQ(sinkPercent(), 100);
    }
    SetMixer(&TestMixer());
}
