#include "media/AudioPlayer.h"
#include "core/ShowState.h"
#include "core/Transport.h"
#include "i18n/Lingua.h"
#include "media/MediaRouting.h"
#include "platform/widgets/RichTextBox.h"
#include "support/FakeMci.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct AudioForm {
    AudioForm() {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        Lingua[4] = QStringLiteral("Impossibile riprodurre questo file:");
        form.playA->set(false);
    }
    AudioPlayer& audio() { return *form.audio; }
    FakeMci device;
    Form1 form;
};

} // namespace

// What the buttons do to the device: its mode and its place in the file.
TEST(AudioCommands, PlayPauseForwardBackAndStopMoveTheDevice) {
    AudioForm t;
    t.audio().cmdPlayA_Click();
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));
    EXPECT_EQ(t.device.position, 0);
    EXPECT_TRUE(t.form.core.audio.Playing()) << "the show's transport, which a remote reads";
    EXPECT_TRUE(t.form.core.audio.Playing());
    EXPECT_EQ(t.form.mnuPlayAudio->Caption(), Lingua[8]);
    EXPECT_EQ(t.form.Timer1->Interval(), 10);

    t.device.position = 42000; // it played on
    t.audio().cmdPlayA_Click();
    EXPECT_EQ(t.device.mode, QStringLiteral("paused"));
    EXPECT_EQ(t.device.position, 42000);
    EXPECT_FALSE(t.form.core.audio.Playing());
    EXPECT_FALSE(t.form.core.audio.Playing());
    EXPECT_EQ(t.form.Timer1->Interval(), 0);
    t.audio().cmdPlayA_Click();
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));
    EXPECT_EQ(t.device.position, 42000) << "it plays on from where it paused";

    // Five seconds back, never before the start, and five on.
    t.device.position = 3000;
    t.audio().cmdBacA_Click();
    EXPECT_EQ(t.device.position, 0);
    t.device.position = 12000;
    t.audio().cmdBacA_Click();
    EXPECT_EQ(t.device.position, 7000);
    t.audio().cmdForA_Click();
    EXPECT_EQ(t.device.position, 12000);
    EXPECT_EQ(t.form.core.audio.Position(), 12000);
    EXPECT_EQ(t.form.core.audio.Length(), 187000);
    EXPECT_EQ(t.form.lblContatore->Caption(), QStringLiteral("0:12 / 3:07"));

    t.audio().cmdStopA_Click();
    EXPECT_NE(t.device.mode, QStringLiteral("playing"));
    EXPECT_EQ(t.device.position, 0);
    EXPECT_EQ(t.form.core.audio.state(), Transport::State::Stopped);
    EXPECT_FALSE(t.form.core.audio.Playing());
}

TEST(AudioCounter, MinutesAndSecondsNeverRoundUp) {
    EXPECT_EQ(AudioPlayer::CounterText(65000, 187000), QStringLiteral("1:05 / 3:07"));
    EXPECT_EQ(AudioPlayer::CounterText(59700, 60000), QStringLiteral("0:59 / 1:00"));
    EXPECT_EQ(AudioPlayer::CounterText(0, 6000000), QStringLiteral("0:00 / 100:00"));
    EXPECT_EQ(AudioPlayer::CounterText(119999, 0), QStringLiteral("1:59 / 0:00"));
}

TEST(AudioCounter, TheEndOfTheFileGoesBackToTheStartPaused) {
    AudioForm t;
    t.form.playA->set(true);
    t.device.mode = QStringLiteral("playing");
    t.device.position = t.device.length;
    t.audio().Timer1_Timer();
    EXPECT_EQ(t.device.position, 0);
    EXPECT_NE(t.device.mode, QStringLiteral("playing"));
    EXPECT_FALSE(t.form.core.audio.Playing());
    EXPECT_EQ(t.form.Timer1->Interval(), 0);

    // Nothing loaded: the counter is left alone.
    t.device.loaded = false;
    t.form.lblContatore->setCaption(QStringLiteral("keep"));
    t.audio().Timer1_Timer();
    EXPECT_EQ(t.form.lblContatore->Caption(), QStringLiteral("keep"));
}

TEST(AudioSeek, TheStripSeeksAndKeepsThePlayState) {
    AudioForm t;
    t.form.lblContatore->setWidth(1500);
    t.form.lblContatore->onMouseMove(0, 0, 750, 0);
    t.form.lblContatore->onClick(); // paused: pauses again at the new place
    EXPECT_EQ(t.device.position, 93500);
    EXPECT_EQ(t.device.mode, QStringLiteral("paused"));
    EXPECT_EQ(t.form.core.audio.state(), Transport::State::Paused);

    t.audio().cmdPlayA_Click();
    t.form.lblContatore->onMouseMove(0, 0, 375, 0);
    t.form.lblContatore->onClick(); // playing: plays on from the new place
    EXPECT_EQ(t.device.position, 46750);
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));
    EXPECT_TRUE(t.form.core.audio.Playing());

    // A seek asked of the show's transport (a remote, a cue) moves the player the same way.
    t.form.core.audio.Seek(20000.7);
    EXPECT_EQ(t.device.position, 20000);
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));
    t.audio().cmdPlayA_Click();
    t.form.core.audio.Seek(1000);
    EXPECT_EQ(t.device.position, 1000);
    EXPECT_EQ(t.device.mode, QStringLiteral("paused"));
}

TEST(AudioErrors, AFailedOpenShowsTheDevicesTextForSixSeconds) {
    AudioForm t;
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/Music/Intro.MP3");
    QDir().mkpath(dir.path() + QStringLiteral("/Music"));
    QFile(file).open(QIODevice::WriteOnly);
    t.device.openCode = mcierr::CannotPlay;
    t.form.routing->vai(file);
    // The file opened keeps its capitals.
    EXPECT_TRUE(t.device.commands.contains(QStringLiteral("open \"") + file +
                                           QStringLiteral("\" ALIAS wav1")));
    // The file, named in the operator's language, and the device's reason.
    EXPECT_TRUE(t.form.Label11->Visible());
    EXPECT_EQ(t.form.Label11->Caption(), Lingua[4] + QStringLiteral(" Intro.MP3 (") +
                                             t.device.mciGetErrorString(mcierr::CannotPlay) + u')');
    EXPECT_EQ(t.form.Timer5->Interval(), 6000);
    EXPECT_TRUE(t.form.lblWMP1->Visible()); // the panel is shown all the same
    EXPECT_EQ(t.form.core.state.LastLoaded(), ShowState::Loaded::Audio);
    EXPECT_EQ(t.form.TipoMedia, 1);
    t.audio().Errore(mcierr::FileNotFound); // a second error replaces the first
    EXPECT_EQ(t.form.Label11->Caption(), t.device.mciGetErrorString(mcierr::FileNotFound));
}

TEST(Routing, TheEndingOfTheNameChoosesThePlayer) {
    using K = MediaRouting::Kind;
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("a/FILM.MPG")), K::Video);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("clip.mpeg")), K::Video);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("clip.mov")), K::Video);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("SONG.MP3")), K::Audio);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("cam.mts")), K::Audio);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("track.mka")), K::Audio);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("tune.KAR")), K::Midi);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("photo.JPG")), K::Image);
    EXPECT_EQ(MediaRouting::Classify(QStringLiteral("photo.png")), K::Audio);
}

TEST(Routing, VideoAndPicturePanels) {
    AudioForm t;
    QTemporaryDir dir;
    const QString film = dir.path() + QStringLiteral("/Shows/Act One.mp4");
    t.form.routing->vai(film);
    EXPECT_TRUE(t.form.Picture3->Visible());
    EXPECT_EQ(t.form.Label8->Caption(), QStringLiteral("Video - Act One"));
    EXPECT_EQ(t.form.TipoMedia, 2);
    EXPECT_EQ(t.form.core.state.LastLoaded(), ShowState::Loaded::Video);
    EXPECT_TRUE(t.form.Check1->Visible());
    t.form.routing->TitoloVideo(QStringLiteral("C:\\midi\\Song.KAR"));
    EXPECT_EQ(t.form.Label8->Caption(), QStringLiteral("MIDI - Song"));
    t.form.routing->TitoloVideo(QStringLiteral("bare.mp4")); // no folder: unchanged
    EXPECT_EQ(t.form.Label8->Caption(), QStringLiteral("MIDI - Song"));

    // One monitor: a landscape picture fills the panel's width in its place.
    QPixmap wide(200, 100);
    wide.fill(Qt::red);
    const QString picture = dir.path() + QStringLiteral("/wide.jpg");
    ASSERT_TRUE(wide.save(picture));
    t.form.routing->vai(picture);
    EXPECT_TRUE(t.form.imgZoom->Visible());
    EXPECT_NEAR(t.form.imgZoom->Width(), t.form.Picture3->Width(), 15);
    EXPECT_NEAR(t.form.imgZoom->Height(), t.form.Picture3->Width() / 2, 15);
    EXPECT_EQ(t.form.core.state.LastLoaded(), ShowState::Loaded::Picture);
}

TEST(AudioErrors, ADeviceThatRefusesToPlaySaysSo) {
    AudioForm t;
    t.device.playCode = mcierr::DeviceFailed;
    t.audio().cmdPlayA_Click();
    EXPECT_TRUE(t.form.Label11->Visible());
    EXPECT_EQ(t.form.Label11->Caption(), t.device.mciGetErrorString(mcierr::DeviceFailed));
    EXPECT_EQ(t.form.Timer5->Interval(), 6000);

    // A file that never opened has said so already: its play does not replace that notice.
    t.form.Label11->setVisible(false);
    t.device.playCode = mcierr::NotOpen;
    t.audio().cmdPlayA_Click(); // pause
    t.audio().cmdPlayA_Click(); // play
    EXPECT_FALSE(t.form.Label11->Visible());
}

// A file that breaks off while it plays, and will not play on: the player shows it idle and
// the reason stays on the notice line until the next cue.
TEST(AudioErrors, AFileThatBreaksOffWhilePlayingIsToldUntilTheNextCue) {
    AudioForm t;
    t.audio().cmdPlayA_Click();
    ASSERT_TRUE(t.form.core.audio.Playing());
    t.device.mode = QStringLiteral("not ready");
    t.device.playCode = mcierr::DeviceFailed;
    t.audio().Timer1_Timer();
    EXPECT_FALSE(t.form.core.audio.Playing());
    EXPECT_EQ(t.form.Timer1->Interval(), 0);
    EXPECT_TRUE(t.form.cmdPlayA->PictureSource().endsWith(QStringLiteral("/play2.jpg")));
    EXPECT_TRUE(t.form.Label11->Visible());
    EXPECT_TRUE(
        t.form.Label11->Caption().contains(t.device.mciGetErrorString(mcierr::DeviceFailed)));
    EXPECT_EQ(t.form.Timer5->Interval(), 0) << "the notice stays";
}

// Whatever the operator did, the play button offers what the player can do next.
TEST(AudioButton, ThePlayButtonShowsItsRealStateAfterAnySequence) {
    AudioForm t;
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/tone.wav");
    QFile(file).open(QIODevice::WriteOnly);
    const auto showsItsState = [&](const char* step) {
        const QString shown = t.form.cmdPlayA->PictureSource();
        const bool playing = t.form.core.audio.Playing();
        EXPECT_TRUE(shown.contains(playing ? QStringLiteral("/pause") : QStringLiteral("/play")))
            << step << ": " << shown.toStdString();
    };
    t.form.routing->vai(file);
    showsItsState("first load");
    t.form.routing->vai(file);
    showsItsState("second load");
    t.audio().cmdPlayA_Click();
    showsItsState("play");
    t.form.routing->vai(file);
    showsItsState("load while playing");
    t.audio().cmdPlayA_Click();
    t.audio().cmdPlayA_Click();
    showsItsState("play, pause");
    t.audio().cmdPlayA_Click();
    t.audio().cmdStopA_Click();
    showsItsState("play, stop");
    t.audio().cmdPlayA_Click();
    t.device.position = t.device.length;
    t.audio().Timer1_Timer();
    showsItsState("end");
    t.device.position = 0;
    t.form.routing->vai(file);
    showsItsState("load after the end");
}
