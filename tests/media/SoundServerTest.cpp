// The sound server restarted in the middle of a show: every player stops where it was and says
// why, the next cues play, and the master volume is the knob's again.
#include "platform/SoundServer.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/GstSoundOutput.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "platform/Timer.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "script/Interprete.h"
#include "support/FakeMixer.h"
#include "support/MediaFiles.h"
#include "support/SinkLatency.h"
#include "ui/Form1.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <atomic>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <thread>

namespace {

bool pactl(const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(QStringLiteral("pactl"), args);
    const bool ok =
        p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (out) *out = p.readAllStandardOutput();
    return ok;
}

bool serverAnswers() {
    return pactl({QStringLiteral("info")});
}

void stopServer() {
    QProcess::execute(QStringLiteral("pulseaudio"), {QStringLiteral("-k")});
    ASSERT_TRUE(WaitFor([] { return !serverAnswers(); }, 10000)) << "the sound server stays";
}

// As the test command starts it: a null sink "show", made the default.
void startServer() {
    QProcess::execute(QStringLiteral("pulseaudio"),
                      {QStringLiteral("--daemonize=yes"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("-n"),
                       QStringLiteral("--load=module-null-sink sink_name=show"),
                       QStringLiteral("--load=module-native-protocol-unix")});
    ASSERT_TRUE(WaitFor(serverAnswers, 10000)) << "the sound server did not start again";
    pactl({QStringLiteral("set-default-sink"), QStringLiteral("show")});
    pactl({QStringLiteral("set-sink-volume"), QStringLiteral("show"), QStringLiteral("100%")});
}

// Whatever a test asserted, the next one finds a server.
struct ServerComesBack {
    ~ServerComesBack() {
        if (!serverAnswers()) startServer();
        WaitFor([] { return soundServer().Up(); }, 5000);
    }
};

int sinkPercent() {
    QByteArray out;
    pactl({QStringLiteral("get-sink-volume"), QStringLiteral("show")}, &out);
    const auto m = QRegularExpression(QStringLiteral("(\\d+)%")).match(QString::fromUtf8(out));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void runCue(Form1& form, const char* cue) {
    QString text = QLatin1String(cue);
    int start = 0, end = 0;
    form.interprete->InterpretaComando(text, start, end, true);
}

void clickCue(Form1& form, int at) {
    form.RTB->setSelStart(at);
    form.cues->RTB_DblClick();
}

bool anyPlays(Form1& form) {
    return form.playA->playing() || form.playV->playing() ||
           form.WMP3->player().State() == QLatin1String("playing") ||
           form.WMP2->player().State() == QLatin1String("playing");
}

} // namespace

TEST(SoundServerRestart, PlayersStopThenEveryKindPlaysAgainAtTheKnobsLevel) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const ServerComesBack guard;
    QTemporaryDir dir;
    MakeWav(dir.path() + QStringLiteral("/tone.wav"), 30.0);
    const bool video = MakeMp4(dir.path() + QStringLiteral("/clip.mp4"), 30);
    ASSERT_TRUE(video) << "ffmpeg makes the test clip";
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SetMixer(nullptr);
    {
        const SinkLatencyHold sink;
        Form1 form;
        form.volume->ApriMixer();
        ASSERT_TRUE(form.volume->MixerConnected);
        form.RTB->setText(QStringLiteral("[[tone.wav]] [[clip.mp4]]"));
        runCue(form, "Vol 90");
        clickCue(form, 3);
        clickCue(form, 17);
        form.WMP3->player().setURL(dir.path() + QStringLiteral("/tone.wav"));
        form.WMP3->player().controls.play();
        ASSERT_TRUE(WaitFor([&] {
            return form.audio->CurPos() > 300 &&
                   form.WMP2->player().controls.currentPosition() > 0.3 &&
                   form.WMP3->player().controls.currentPosition() > 0.3;
        }));
        runCue(form, "FadeOut Slow");
        for (int i = 0; i < 20; ++i)
            form.volume->Timer3_Timer();
        const double videoAt = form.WMP2->player().controls.currentPosition();

        stopServer();
        // Every player stops where it was, and none claims to play.
        EXPECT_TRUE(WaitFor([&] {
            form.Timer1->onTimer();
            form.Timer4->onTimer();
            return !anyPlays(form);
        })) << "audio "
            << form.playA->playing() << ", video " << form.playV->playing() << ", background "
            << form.WMP3->player().State().toStdString();
        EXPECT_TRUE(form.Label11->Visible());
        EXPECT_EQ(form.Label11->Caption(), MessageText(PlatformText::MciSoundServerGone));
        EXPECT_NEAR(form.WMP2->player().controls.currentPosition(), videoAt, 1.0)
            << "stopped in place";
        // The fade goes on while the server is away.
        for (int i = 0; i < 20; ++i)
            form.volume->Timer3_Timer();

        startServer();
        ASSERT_TRUE(WaitFor([&] { return soundServer().Up(); }));
        // The knob's level is on the new sink, which came up at 100 %.
        ASSERT_TRUE(WaitFor([&] {
            return std::abs(sinkPercent() - form.Label6->Caption().toInt()) <= 2;
        })) << "sink "
            << sinkPercent() << ", knob " << form.Label6->Caption().toStdString();
        EXPECT_LT(sinkPercent(), 90);
        form.Timer3->setEnabled(false);
        runCue(form, "Vol 90");
        EXPECT_NEAR(sinkPercent(), 90, 2) << "the mixer drives the new sink";
        EXPECT_FALSE(form.Label11->Visible()) << "the server's notice goes when it is back";

        // A cue of each kind is heard (a busy machine may start it a moment late).
        const auto heard = [](double least) {
            return HeardAtSink([least](double level) { return level > least; }, 300);
        };
        clickCue(form, 3);
        EXPECT_TRUE(heard(0.05)) << "audio";
        form.audio->cmdStopA_Click();
        form.video->cmdPlayV_Click();
        EXPECT_TRUE(WaitFor([&] {
            return form.WMP2->player().controls.currentPosition() > videoAt + 0.3;
        })) << "the video plays on from where it stopped: "
            << form.WMP2->player().State().toStdString() << ", error "
            << form.WMP2->player().ErrorText().toStdString();
        EXPECT_TRUE(heard(0.01)) << "video"; // the clip's tone is quieter
        form.video->cmdStopV_Click();
        form.WMP3->player().controls.play();
        EXPECT_TRUE(heard(0.01)) << "background"; // at the strip's own volume
        form.WMP3->player().controls.stop();
    }
    SetMixer(&TestMixer());
    QDir::setCurrent(before);
}

TEST(SoundServerRestart, WithoutAServerACueSaysSoAndPlaysOnceOneComes) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const ServerComesBack guard;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 5.0);
    stopServer();
    ASSERT_TRUE(WaitFor([] { return !soundServer().Up(); }));
    mci().mciSendString(QStringLiteral("close all"));
    EXPECT_EQ(mci().mciSendString(QStringLiteral("open ") + MciQuoted(wav) +
                                  QStringLiteral(" alias wav1")),
              mcierr::SoundServerGone)
        << "the server is named, not the file";
    SetMixer(nullptr);
    {
        Form1 form;
        form.volume->ReconnectMixer();
        EXPECT_FALSE(form.volume->MixerConnected);
        startServer();
        ASSERT_TRUE(WaitFor([&] { return form.volume->MixerConnected; }))
            << "the mixer opens on the server that came";
        const SinkLatencyHold sink;
        runCue(form, "Vol 90");
        EXPECT_NEAR(sinkPercent(), 90, 2);
        ASSERT_EQ(mci().mciSendString(QStringLiteral("open ") + MciQuoted(wav) +
                                      QStringLiteral(" alias wav1")),
                  0);
        mci().mciSendString(QStringLiteral("play wav1"));
        EXPECT_GT(RecordedLevel(300), 0.05);
        mci().mciSendString(QStringLiteral("close all"));
    }
    SetMixer(&TestMixer());
}

// Every stream of the process shares one connection to the server while any of them lives; a
// player that loads again while another's old pipeline is still going down must wait for it,
// or its stream joins the dead connection and fails.
TEST(SoundServerRestart, APlayerPlaysAgainOnlyOnceEveryOldStreamIsGone) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const ServerComesBack guard;
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 30.0);
    MediaPlayerControl player(MediaPlayerControl::Design{.autoStart = false});
    player.setURL(wav);
    player.controls.play();
    ASSERT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.2; }));
    // Another player's sound output, slow to go down: ready, it holds the connection.
    GstElement* other = gst_element_factory_make("pulsesink", nullptr);
    ASSERT_TRUE(other);
    ASSERT_EQ(gst_element_set_state(other, GST_STATE_READY), GST_STATE_CHANGE_SUCCESS);

    stopServer();
    ASSERT_TRUE(WaitFor([&] { return player.State() != QLatin1String("playing"); }));
    std::atomic<bool> asked{false};
    RetireOffThread([other, &asked] {
        while (!asked)
            std::this_thread::yield();
        // Long enough for a player that did not wait to have made its stream.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        gst_element_set_state(other, GST_STATE_NULL);
        gst_object_unref(other);
    });
    startServer();
    ASSERT_TRUE(WaitFor([] { return soundServer().Up(); }));
    const SinkLatencyHold sink;
    asked = true;
    player.controls.play();
    EXPECT_TRUE(WaitFor([&] { return player.controls.currentPosition() > 0.5; }))
        << "state " << player.State().toStdString() << ", error "
        << player.ErrorText().toStdString();
    EXPECT_TRUE(HeardAtSink([](double level) { return level > 0.05; }, 300));
    AwaitRetiredSoundOutputs();
}
