// The projector switch, the projector and picture windows and the video player, on one
// screen and on simulated two-screen layouts (see tests/CMakeLists.txt).
#include "display/Projector.h"
#include "core/Transport.h"
#include "i18n/Lingua.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "show/ShowMode.h"
#include "support/MediaFiles.h"
#include "support/Pixels.h"
#include "support/ProgramFolder.h"
#include "ui/Form1.h"
#include "ui/ProjectorWindow.h"
#include "ui/ZoomWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct VideoForm {
    VideoForm() {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        Lingua[124] = QStringLiteral("No second monitor");
        form.playV->set(false);
        form.core.state.SetVideoLoaded(true);
    }
    // Loads a video as a click on its cue does.
    void load(const QString& file) {
        form.cues->setCueCorrente(file);
        form.routing->vai(file);
    }
    // Makes a clip of that length, loads it and waits until its length is known; false
    // without ffmpeg.
    bool loadNewClip(double seconds) {
        const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
        if (!MakeMp4(mp4, seconds)) return false;
        load(mp4);
        return WaitFor([&] { return form.WMP2->player().currentMedia.duration() > 0; });
    }
    QTemporaryDir dir;
    Form1 form;
};

QScreen* secondScreen() {
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) return s;
    return nullptr;
}

QImage picture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool showsPicture(PictureBox* button, const char* file) {
    return button->PictureSource().endsWith(u'/' + QLatin1String(file));
}

} // namespace

TEST(OneMonitorProjector, SwitchingOnShowsTheNoticeAndKeepsTheVideoAtHome) {
    VideoForm t;
    t.form.Check1->setValue(1);
    EXPECT_EQ(t.form.Check1->Value(), 0);
    EXPECT_TRUE(t.form.Label11->Visible());
    EXPECT_EQ(t.form.Label11->Caption(), QStringLiteral("No second monitor"));
    EXPECT_EQ(t.form.Timer5->Interval(), 6000);
    EXPECT_FALSE(TwipsGeometry(t.form.WMP2).Visible() == false);
    EXPECT_EQ(t.form.Timer4->Interval(), 1000);
    EXPECT_FALSE(t.form.ProjectorWindow().isVisible());
}

TEST(OneMonitorPicture, FittingKeepsProportionsAndCentres) {
    frmZoom zoom;
    zoom.resize(800, 600);
    const struct {
        int w, h;
        QRect expected;
    } cases[] = {{400, 100, QRect(0, 200, 800, 200)},   // landscape: full width
                 {100, 400, QRect(325, 0, 150, 600)},   // portrait: full height
                 {100, 100, QRect(100, 0, 600, 600)},   // square: the portrait branch
                 {10, 5, QRect(0, 100, 800, 400)},      // small: enlarged
                 {1600, 400, QRect(0, 200, 800, 200)}}; // wide: bands above and below
    for (const auto& c : cases) {
        zoom.Image1->setPicture(QPixmap::fromImage(picture(c.w, c.h)));
        zoom.Adatta();
        EXPECT_EQ(zoom.Image1->geometry(), c.expected) << c.w << "x" << c.h;
    }
    zoom.Image1->setPicture(QPixmap()); // no picture: nothing to fit, nothing fails
    zoom.Adatta();
    zoom.show();
    QTest::keyClick(&zoom, Qt::Key_Escape);
    EXPECT_FALSE(zoom.isVisible());
}

TEST(OneMonitorVideo, PlaysOnTheMainWindowWithItsCounterAndEnds) {
    VideoForm t;
    const QString mp4 = t.dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 2)) GTEST_SKIP() << "ffmpeg is not installed";
    t.load(mp4);
    EXPECT_EQ(t.form.WMP2->player().URL(), mp4);
    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().currentMedia.duration() > 0; }));
    t.form.video->cmdPlayV_Click();
    EXPECT_TRUE(t.form.core.video.Playing());
    EXPECT_EQ(t.form.Timer4->Interval(), 100);
    EXPECT_EQ(t.form.mnuPlayVideo->Caption(), Lingua[8]);
    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().controls.currentPosition() > 0.3; }));
    t.form.video->Timer4_Timer();
    EXPECT_TRUE(t.form.lblContatoreV->Caption().contains(
        QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d / 00:02$"))))
        << t.form.lblContatoreV->Caption().toStdString();
    // At the end the button offers play again and the bar stays at its end.
    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().State() == QLatin1String("ended"); }));
    t.form.video->Timer4_Timer();
    EXPECT_EQ(t.form.core.video.state(), Transport::State::Paused);
    EXPECT_NEAR(t.form.core.video.Length(), 2000, 100);
    EXPECT_EQ(t.form.lblContatoreV->Caption(), QStringLiteral("00:02 / 00:02"));

    t.form.video->cmdStopV_Click();
    EXPECT_EQ(t.form.core.video.state(), Transport::State::Stopped);
    EXPECT_EQ(t.form.lblContatoreV->Caption(), QStringLiteral("00:00 / 00:00"));
    EXPECT_LE(t.form.Shape7->Width(), 15); // one twip: at most a pixel
}

// (That it is heard: Formats.MidiAndKaraokeFilesAreHeard.)
TEST(OneMonitorVideo, AMidiFileIsNamedAndOffersNoProjector) {
    VideoForm t;
    const QString midi = t.dir.path() + QStringLiteral("/tune.mid");
    ASSERT_TRUE(MakeMidi(midi));
    t.load(midi);
    EXPECT_EQ(t.form.Label8->Caption(), QStringLiteral("MIDI - tune"));
    EXPECT_FALSE(t.form.Check1->Visible());
}

TEST(SideBySide, TheProjectorFillsTheMonitorRightOfThePrimary) {
    VideoForm t;
    QScreen* projector = QGuiApplication::screenAt(QPoint(1920, 0));
    ASSERT_NE(projector, nullptr);
    t.form.Check1->setValue(1);
    Form2& window = t.form.ProjectorWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), projector->geometry());
    EXPECT_FALSE(TwipsGeometry(t.form.WMP2).Visible());
    EXPECT_EQ(window.WMP1->geometry(), window.rect());

    // Escape hides the window; the switch stays on.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(t.form.Check1->Value(), 1);
    t.form.projector->Label5_Click(); // the caption re-applies: the window is back
    EXPECT_TRUE(window.isVisible());

    t.form.Check1->setValue(0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(TwipsGeometry(t.form.WMP2).Visible());
    EXPECT_NEAR(TwipsGeometry(t.form.WMP2).Top(), t.form.Picture3->Top() + 1785, 15);
}

TEST(SideBySide, TransportFollowsProjectorModeBetweenClicks) {
    VideoForm t;
    const QString mp4 = t.dir.path() + QStringLiteral("/clip.mp4");
    const QString other = t.dir.path() + QStringLiteral("/other.mp4");
    if (!MakeMp4(mp4, 3) || !MakeMp4(other, 3)) GTEST_SKIP() << "ffmpeg is not installed";
    t.form.Check1->setValue(1);
    t.load(mp4); // projector mode: straight to WMP1, which starts by itself
    Form2& window = t.form.ProjectorWindow();
    EXPECT_EQ(window.WMP1->player().URL(), mp4);
    EXPECT_TRUE(t.form.WMP2->player().URL().isEmpty());
    // It plays by itself, so the panel shows it playing and follows it.
    EXPECT_TRUE(t.form.core.video.Playing());
    EXPECT_EQ(window.Timer1.Interval(), 100);
    EXPECT_EQ(t.form.Timer4->Interval(), 0);
    ASSERT_TRUE(WaitFor([&] { return window.WMP1->player().controls.currentPosition() > 0.3; }));
    window.Timer1_Timer();
    EXPECT_TRUE(t.form.lblContatoreV->Caption().endsWith(QStringLiteral(" / 00:03")));
    t.form.video->cmdPlayV_Click(); // pause
    EXPECT_EQ(window.WMP1->player().State(), QStringLiteral("paused"));

    // The video has moved: another cue text does not replace the file on play. Moved is as
    // the bar draws it, in whole pixels of its 3030 twips: 23 ms of 30300 is two pixels.
    t.form.core.video.SetProgress(230, 30300);
    t.form.cues->setCueCorrente(other);
    t.form.video->cmdPlayV_Click();
    EXPECT_EQ(window.WMP1->player().URL(), mp4);
    t.form.video->cmdPlayV_Click();
    // Still at its start (22 ms of 30300 is one pixel): the new cue's file is loaded; a
    // command text never is.
    t.form.core.video.SetProgress(220, 30300);
    t.form.video->cmdPlayV_Click();
    EXPECT_EQ(window.WMP1->player().URL(), other);
    t.form.video->cmdPlayV_Click();
    t.form.cues->setCueCorrente(QStringLiteral("Play Video"));
    t.form.video->cmdPlayV_Click();
    EXPECT_EQ(window.WMP1->player().URL(), other);
    t.form.video->cmdPlayV_Click();
    // A length not known yet is the start, and so is the place after a stop.
    t.form.core.video.SetProgress(5000, 0);
    t.form.cues->setCueCorrente(mp4);
    t.form.video->cmdPlayV_Click();
    EXPECT_EQ(window.WMP1->player().URL(), mp4);
    t.form.video->cmdPlayV_Click();
    t.form.core.video.SetProgress(230, 30300);
    t.form.video->cmdStopV_Click();
    t.form.cues->setCueCorrente(other);
    t.form.video->cmdPlayV_Click();
    EXPECT_EQ(window.WMP1->player().URL(), other);
    t.form.video->cmdPlayV_Click();

    // Projector off between clicks: the same buttons drive WMP2.
    t.form.Check1->setValue(0);
    t.load(mp4);
    EXPECT_EQ(t.form.WMP2->player().URL(), mp4);
    t.form.video->cmdPlayV_Click();
    EXPECT_EQ(t.form.Timer4->Interval(), 100);
    EXPECT_TRUE(WaitFor([&] { return t.form.WMP2->player().State() == QLatin1String("playing"); }));
    EXPECT_NE(window.WMP1->player().State(), QStringLiteral("playing"));
    EXPECT_TRUE(TwipsGeometry(t.form.WMP2).Visible());

    // Projector on again: the picture goes to the projector only.
    t.form.video->cmdPlayV_Click();
    t.form.Check1->setValue(1);
    t.form.video->cmdPlayV_Click();
    EXPECT_FALSE(TwipsGeometry(t.form.WMP2).Visible());
}

TEST(SideBySide, APictureGoesFullScreenOnTheSecondMonitor) {
    VideoForm t;
    const QString file = t.dir.path() + QStringLiteral("/slide.jpg");
    ASSERT_TRUE(picture(400, 300).save(file));
    t.form.routing->vai(file);
    frmZoom& zoom = t.form.ZoomWindow();
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_EQ(zoom.geometry(), QGuiApplication::screenAt(QPoint(1920, 0))->geometry());
    EXPECT_TRUE(zoom.Image1->isVisible());
    EXPECT_FALSE(t.form.imgZoom->Visible());
    QTest::keyClick(&zoom, Qt::Key_Escape);
    EXPECT_FALSE(zoom.isVisible());
}

// In a show with the projector on, GO on a video plays it on the projector and GO on a
// picture shows it full screen there, as clicks on those cues do.
TEST(SideBySide, GoOnAVideoAndOnAPictureCueReachesTheProjector) {
    TempProgramFolder folder; // the show-control settings
    VideoForm t;
    const QString mp4 = t.dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 2)) GTEST_SKIP() << "ffmpeg is not installed";
    const QString slide = t.dir.path() + QStringLiteral("/slide.jpg");
    ASSERT_TRUE(picture(400, 300).save(slide));
    t.form.Check1->setValue(1);
    t.form.RTB->setText(QStringLiteral("[[%1]] then [[%2]]").arg(mp4, slide));
    t.form.RTB->setSelStart(0);
    t.form.show();
    t.form.showMode->SetActive(true);

    QTest::keyClick(t.form.RTB, Qt::Key_Space);
    Form2& window = t.form.ProjectorWindow();
    EXPECT_EQ(window.WMP1->player().URL(), mp4);
    EXPECT_TRUE(WaitFor([&] { return window.WMP1->player().controls.currentPosition() > 0.3; }));
    EXPECT_FALSE(TwipsGeometry(t.form.WMP2).Visible());
    QTest::keyClick(t.form.RTB, Qt::Key_Space);
    frmZoom& zoom = t.form.ZoomWindow();
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_TRUE(zoom.Image1->isVisible());
    EXPECT_EQ(zoom.geometry(), QGuiApplication::screenAt(QPoint(1920, 0))->geometry());
}

TEST(LeftOfPrimary, TheProjectorUsesTheOtherMonitor) {
    VideoForm t;
    t.form.Check1->setValue(1);
    EXPECT_EQ(t.form.ProjectorWindow().geometry(), secondScreen()->geometry());
}

// The button follows the player's own end, not its texts, which agree a second before it.
TEST(OneMonitorVideo, TheEndIsDecidedOnExactTimes) {
    VideoForm t;
    if (!t.loadNewClip(1.8)) GTEST_SKIP() << "ffmpeg is not installed";
    t.form.video->cmdPlayV_Click();
    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().controls.currentPosition() > 1.1; }));
    t.form.video->Timer4_Timer();
    ASSERT_EQ(t.form.WMP2->player().State(), QStringLiteral("playing"));
    EXPECT_EQ(t.form.lblContatoreV->Caption(), QStringLiteral("00:01 / 00:01"));
    EXPECT_TRUE(t.form.core.video.Playing()) << "still playing: a click now pauses";

    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().State() == QLatin1String("ended"); }));
    t.form.video->Timer4_Timer();
    EXPECT_FALSE(t.form.core.video.Playing());
    EXPECT_TRUE(showsPicture(t.form.cmdPlayV, "play.jpg"));

    // Play again from the end: it plays from the start, and the button says so at once.
    t.form.video->cmdPlayV_Click();
    t.form.video->Timer4_Timer();
    EXPECT_TRUE(t.form.core.video.Playing());
    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().State() == QLatin1String("playing"); }));
    t.form.video->Timer4_Timer();
    EXPECT_TRUE(t.form.core.video.Playing());

    // A new file while one plays: the player holds it stopped, and the button says so.
    const QString other = t.dir.path() + QStringLiteral("/other.mp4");
    ASSERT_TRUE(MakeMp4(other, 1));
    t.load(other);
    EXPECT_FALSE(t.form.core.video.Playing());
    EXPECT_TRUE(showsPicture(t.form.cmdPlayV, "play.jpg"));
    EXPECT_EQ(t.form.Timer4->Interval(), 0);
}

TEST(OneMonitorVideo, ThePictureShowsInThePanelAndTheBarUnderTheCounter) {
    VideoForm t;
    if (!t.loadNewClip(4)) GTEST_SKIP() << "ffmpeg is not installed";
    t.form.video->cmdPlayV_Click();
    // Shown under the panel, as wide as it, before the first frame arrives.
    EXPECT_TRUE(TwipsGeometry(t.form.WMP2).Visible());
    EXPECT_NEAR(TwipsGeometry(t.form.WMP2).Top(), t.form.VideoOutputTop(), 15);
    EXPECT_NEAR(TwipsGeometry(t.form.WMP2).Width(), t.form.Picture3->Width(), 15);
    // Fitted, not stretched: the 4:3 picture fills the wide panel's middle, black beside it.
    QImage shown;
    ASSERT_TRUE(WaitFor([&] {
        shown = t.form.WMP2->grab().toImage();
        return shown.pixelColor(shown.rect().center()) != QColor(Qt::black);
    }));
    EXPECT_EQ(shown.pixelColor(1, shown.height() / 2), QColor(Qt::black));

    // Half-way (a seek asked of the show's transport): the bar fills half the track, and shows
    // through the counter over it.
    t.form.video->cmdPlayV_Click(); // pause
    t.form.core.video.Seek(2000);
    ASSERT_TRUE(WaitFor(
        [&] { return std::abs(t.form.WMP2->player().controls.currentPosition() - 2) < 0.1; }));
    t.form.video->Timer4_Timer();
    EXPECT_NEAR(t.form.core.video.Position(), 2000, 100);
    EXPECT_EQ(t.form.lblContatoreV->Caption(), QStringLiteral("00:02 / 00:04"));
    const double inner =
        t.form.Shape8->Width() - 2 * (t.form.Shape7->Left() - t.form.Shape8->Left());
    EXPECT_NEAR(t.form.Shape7->Width(), inner / 2, inner / 20);
    EXPECT_EQ(ColourAlong(t.form.Picture3, *t.form.Shape8, 0.1), QColor(0x0A, 0x58, 0xCD));
    EXPECT_EQ(ColourAlong(t.form.Picture3, *t.form.Shape8, 0.9), QColor(0x1F, 0x1F, 0x1F));

    // A picture cue shows the picture and leaves the video as it is.
    t.form.video->cmdPlayV_Click();
    ASSERT_TRUE(WaitFor([&] { return t.form.WMP2->player().State() == QLatin1String("playing"); }));
    const QString slide = t.dir.path() + QStringLiteral("/slide.JPG");
    ASSERT_TRUE(picture(200, 100).save(slide, "JPG"));
    t.load(slide);
    EXPECT_TRUE(t.form.imgZoom->Visible());
    EXPECT_FALSE(TwipsGeometry(t.form.WMP2).Visible()) << "the picture is not under the video";
    EXPECT_EQ(t.form.WMP2->player().State(), QStringLiteral("playing"));
    EXPECT_TRUE(t.form.core.video.Playing());

    // MIDI keeps the panel without a picture.
    const QString midi = t.dir.path() + QStringLiteral("/tune.mid");
    MakeMidi(midi);
    t.load(midi);
    t.form.video->cmdPlayV_Click();
    EXPECT_FALSE(TwipsGeometry(t.form.WMP2).Visible());
}

// The same name in another show's folder is another file.
TEST(OneMonitorVideo, TheSameNameInAnotherFolderIsAnotherFile) {
    VideoForm t;
    const QString before = QDir::currentPath();
    for (const char* show : {"one", "two"}) {
        QDir(t.dir.path()).mkdir(QLatin1String(show));
        if (!MakeMp4(t.dir.path() + u'/' + QLatin1String(show) + QStringLiteral("/clip.mp4"), 1))
            GTEST_SKIP() << "ffmpeg is not installed";
    }
    for (const char* show : {"one", "two"}) {
        QDir::setCurrent(t.dir.path() + u'/' + QLatin1String(show));
        t.form.RTB->setText(QStringLiteral("[[clip.mp4]]"));
        t.form.RTB->setSelStart(4);
        t.form.cues->RTB_Click();
        EXPECT_EQ(t.form.WMP2->player().URL(),
                  t.dir.path() + u'/' + QLatin1String(show) + QStringLiteral("/clip.mp4"));
    }
    QDir::setCurrent(before);
}
