#include "ui/WindowVisuals.h"
#include "app/Paths.h"
#include "i18n/Lingua.h"
#include "media/VolumeFades.h"
#include "platform/Twips.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"
#include "ui/PicturesAhead.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage fileImage(const char* name) {
    return QImage(ProgramFolder() + QStringLiteral("/Files/") + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}

// What a picture control shows, at the picture's own size.
QImage shown(const PictureBox* box) {
    return box->Picture().toImage().convertToFormat(QImage::Format_RGB32);
}

struct ShownForm {
    ShownForm() {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        Lingua[120] = QStringLiteral("Riproduci");
        Lingua[122] = QStringLiteral("Pausa");
        // The start-up steps of the window's loading that place the knob and fit the toolbar.
        form.visuals->PosizionaManopola();
        form.visuals->AdattaBarraStrumenti();
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.playA->set(false);
        form.playV->set(false);
    }
    WindowVisuals& visuals() { return *form.visuals; }
    Form1 form;
};

} // namespace

TEST(WindowLayout, AWindowBelowTheMinimumSnapsBack) {
    ShownForm t;
    t.form.SetWindowSize(8000, 6000);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(t.form.WindowWidth(), 11340);
    EXPECT_DOUBLE_EQ(t.form.WindowHeight(), 8535);
}

TEST(WindowLayout, TheEditorGrowsAndThePanelsKeepToTheRight) {
    ShownForm t;
    t.form.SetWindowSize(21000, 12000);
    QApplication::processEvents();
    const double w = t.form.WindowWidth();
    const double px = TwipsPerPixelX();
    EXPECT_NEAR(w, 21000, px);
    const Label& frame = *t.form.Label1;
    const TwipsGeometry editor(t.form.RTB);
    EXPECT_NEAR(frame.Width(), w - 3195 - 400, px);
    EXPECT_NEAR(frame.Height(), t.form.WindowHeight() - 540 - 920, px);
    // Equal margins around the editor inside its frame.
    const double leftMargin = editor.Left() - frame.Left();
    const double rightMargin = frame.Left() + frame.Width() - editor.Left() - editor.Width();
    const double topMargin = editor.Top() - frame.Top();
    const double bottomMargin = frame.Top() + frame.Height() - editor.Top() - editor.Height();
    EXPECT_NEAR(leftMargin, rightMargin, px);
    EXPECT_NEAR(topMargin, bottomMargin, px);
    // The panels keep their heights and sit 320 twips in from the right edge.
    EXPECT_NEAR(t.form.Picture2->Left(), w - 3195 - 320, px);
    EXPECT_DOUBLE_EQ(t.form.Picture3->Left(), t.form.Picture2->Left());
    EXPECT_NEAR(t.form.Picture2->Height(), 3345, px);
    const TwipsGeometry video(t.form.WMP2);
    EXPECT_DOUBLE_EQ(video.Left(), t.form.Picture3->Left());
    EXPECT_NEAR(video.Top(), t.form.Picture3->Top() + 1695 + 90, px);
    EXPECT_DOUBLE_EQ(video.Width(), t.form.Picture3->Width());
    EXPECT_DOUBLE_EQ(t.form.Line1->X2(), w);
    EXPECT_DOUBLE_EQ(t.form.Line2->X2(), w);
    // The background player stays beside the panels and inside the window.
    const TwipsGeometry background(t.form.WMP3);
    EXPECT_GE(background.Left(), frame.Left() + frame.Width());
    EXPECT_LE(background.Top() + background.Height(), t.form.WindowHeight() - Form1::kFrameHeight);
}

// A window resized while minimized (by the window manager or another screen) cannot be laid out
// then; restored, its panels are back at the right edge and the editor fills the rest.
TEST(WindowLayout, AMinimizedWindowIsLaidOutAgainWhenRestored) {
    ShownForm t;
    // The gaps the operator sees: panel to window edge, editor frame to panel.
    const auto gaps = [&] {
        const double panel = t.form.Picture2->Left();
        return std::pair{t.form.WindowWidth() - panel - t.form.Picture2->Width(),
                         panel - t.form.Label1->Left() - t.form.Label1->Width()};
    };
    const auto before = gaps();
    t.form.showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(t.form.isMinimized());
    t.form.SetWindowSize(t.form.WindowWidth() + 3000, t.form.WindowHeight() + 1500);
    QApplication::processEvents();
    t.form.showNormal();
    QApplication::processEvents();
    const auto after = gaps();
    EXPECT_NEAR(after.first, before.first, TwipsPerPixelX());
    EXPECT_NEAR(after.second, before.second, TwipsPerPixelX());
}

TEST(WindowHover, MovingAlongOnePlayersButtonsSwapsTheirPictures) {
    ShownForm t;
    WindowVisuals& v = t.visuals();
    v.ButtonMouseMove(WindowVisuals::PlayA);
    EXPECT_EQ(shown(t.form.cmdPlayA), fileImage("play2.jpg"));
    EXPECT_EQ(t.form.cmdPlayA->toolTip(), QStringLiteral(" Riproduci "));
    v.ButtonMouseMove(WindowVisuals::StopA);
    EXPECT_EQ(shown(t.form.cmdPlayA), fileImage("play.jpg"));
    EXPECT_EQ(shown(t.form.cmdStopA), fileImage("stop2.jpg"));
    EXPECT_FALSE(v.Hovered(WindowVisuals::PlayA));

    // While playing, the play button offers pause.
    t.form.playA->set(true);
    v.ButtonMouseMove(WindowVisuals::PlayA);
    EXPECT_EQ(shown(t.form.cmdPlayA), fileImage("pause2.jpg"));
    EXPECT_EQ(t.form.cmdPlayA->toolTip(), QStringLiteral(" Pausa "));
    v.ButtonMouseMove(WindowVisuals::ForA);
    EXPECT_EQ(shown(t.form.cmdPlayA), fileImage("pause.jpg"));
    EXPECT_EQ(shown(t.form.cmdStopA), fileImage("stop.jpg"));
}

TEST(WindowHover, TheOtherPlayerKeepsItsHoverUntilTheBackgroundIsCrossed) {
    ShownForm t;
    WindowVisuals& v = t.visuals();
    v.ButtonMouseMove(WindowVisuals::BacA);
    v.ButtonMouseMove(WindowVisuals::PlayV);
    EXPECT_TRUE(v.Hovered(WindowVisuals::BacA));
    EXPECT_EQ(shown(t.form.cmdBacA), fileImage("bac2.jpg"));
    EXPECT_EQ(shown(t.form.cmdPlayV), fileImage("play2.jpg"));
    v.Form_MouseMove();
    EXPECT_FALSE(v.Hovered(WindowVisuals::BacA));
    EXPECT_FALSE(v.Hovered(WindowVisuals::PlayV));
    EXPECT_EQ(shown(t.form.cmdBacA), fileImage("bac.jpg"));
    EXPECT_EQ(shown(t.form.cmdPlayV), fileImage("play.jpg"));

    // A real pointer over a button, then over the background, does the same.
    QTest::mouseMove(t.form.cmdForA, QPoint(5, 5));
    EXPECT_TRUE(v.Hovered(WindowVisuals::ForA));
    QTest::mouseMove(t.form.Client(), QPoint(2, 2));
    EXPECT_FALSE(v.Hovered(WindowVisuals::ForA));
}

TEST(WindowToolbar, HighlightFollowsThePointerAndSparesTheCurrentCue) {
    ShownForm t;
    WindowVisuals& v = t.visuals();
    v.Label2_MouseMove(15); // no cue clicked yet: hotspot 15 lights up like the others
    EXPECT_TRUE(t.form.Shape5->Visible());
    v.SpegniEvidenza();
    t.form.cues->setCueCorrente(QStringLiteral("music/intro.mp3"));
    v.Label2_MouseMove(15); // with a cue it stays dark, as when the cue was its tag
    EXPECT_FALSE(t.form.Shape5->Visible());
    EXPECT_EQ(t.form.cues->CueCorrente(), QStringLiteral("music/intro.mp3"));

    v.Label2_MouseMove(3);
    EXPECT_TRUE(v.Lit(3));
    EXPECT_TRUE(t.form.Shape5->Visible());
    EXPECT_EQ(t.form.Shape5->geometry(), t.form.Label2[3]->geometry());
    EXPECT_EQ(t.form.cues->CueCorrente(), QStringLiteral("music/intro.mp3"));

    v.Label2_MouseMove(4);
    EXPECT_FALSE(v.Lit(3));
    EXPECT_EQ(t.form.Shape5->geometry(), t.form.Label2[4]->geometry());
    v.SpegniEvidenza();
    EXPECT_FALSE(v.Lit(4));

    v.Label2_MouseMove(16);
    v.SpegniEvidenza();
    EXPECT_FALSE(t.form.Shape5->Visible());
    EXPECT_TRUE(v.Lit(16)); // 15 and 16 are left alone
    v.Label2_MouseMove(16); // still taken: the frame does not come back over it
    EXPECT_FALSE(t.form.Shape5->Visible());
    EXPECT_EQ(t.form.cues->CueCorrente(), QStringLiteral("music/intro.mp3"));
}

// Each of the toolbar's hotspots lies on the toolbar picture, in order, clear of the next,
// and is big enough to hit at 96 dpi: a click lands on the button the operator sees.
TEST(WindowToolbar, HotspotsLieOnTheToolbarInOrder) {
    ShownForm t;
    ASSERT_DOUBLE_EQ(TwipsPerPixelX(), 15.0);
    const QRect bar = t.form.Image1->geometry();
    for (int i = 0; i < 17; ++i) {
        const QRect h = t.form.Label2[i]->geometry();
        EXPECT_TRUE(h.intersects(bar)) << i;
        EXPECT_GE(h.top(), bar.top() - 2) << i;
        EXPECT_GE(h.width(), 28) << i;
        EXPECT_GE(h.height(), 28) << i;
        if (i > 0) {
            // A click at a hotspot's middle is its own, whatever edge the next one shares.
            EXPECT_GT(h.center().x(), t.form.Label2[i - 1]->geometry().right() + 8) << i;
        }
        EXPECT_EQ(t.form.Label2[i]->cursor().shape(), Qt::PointingHandCursor) << i;
    }
    EXPECT_LE(t.form.Label2[16]->geometry().right(), bar.right()) << "the last one is on it too";
    EXPECT_EQ(t.form.Label3[2]->x(), t.form.Label2[6]->x());
    EXPECT_EQ(t.form.cmdStopV->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(t.form.Image9->cursor().shape(), Qt::PointingHandCursor);
}

TEST(WindowStart, TheKnobStartsInTheMiddleOfItsTrack) {
    ShownForm t;
    const PictureBox& knob = *t.form.Image2;
    const PictureBox& track = *t.form.Image3;
    EXPECT_NEAR(knob.Top() + knob.Height() / 2, track.Top() + track.Height() / 2, 15);
    EXPECT_NEAR(knob.Left() + knob.Width() / 2, track.Left() + track.Width() / 2, 15);
    EXPECT_NEAR(t.form.core.masterVolume.ChosenLevel().toDouble() /
                    double(t.form.volume->VolumeMax),
                0.5, 0.02);
    EXPECT_FALSE(t.form.Timer2->Enabled());
}

TEST(WindowMenus, MenuBarAsDesigned) {
    Form1 form;
    EXPECT_EQ(form.mnuFile->Caption(), QStringLiteral("&File"));
    EXPECT_EQ(form.mnuSalva->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(form.mnuSalvaConNome->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(form.mnuSostituisci->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(form.mnuInfo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    EXPECT_TRUE(form.mnuIncolla->shortcut().isEmpty()); // paste has no accelerator
    int separators = 0;
    for (QAction* a : form.mnuFile->actions())
        separators += a->isSeparator() ? 1 : 0;
    EXPECT_EQ(separators, 4); // the show's check and pack stand apart
    EXPECT_FALSE(form.mnuAudio->Visible());
    EXPECT_FALSE(form.mnuVideo->Visible());
    EXPECT_FALSE(form.mnuAddImg->isVisible());
    EXPECT_TRUE(form.mnuScreenSaver->isChecked());
    EXPECT_EQ(form.mnuImpostaAudio->Caption(), QStringLiteral("Proprietà &Audio..."));
}

// The window's pictures decoded ahead on a helper thread are the pictures on disk; anything
// else is still read from disk, and a file that cannot be decoded is still refused.
TEST(PicturesAhead, PicturesDecodedAheadAreThoseOnDiskAndOthersAreReadAsBefore) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("a.png"));
    const QString jpg = dir.filePath(QStringLiteral("b.jpg"));
    const QString junk = dir.filePath(QStringLiteral("c.png"));
    const QString later = dir.filePath(QStringLiteral("d.png"));
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.setPixelColor(3, 5, Qt::yellow);
    ASSERT_TRUE(picture.save(png));
    ASSERT_TRUE(picture.save(jpg));
    QFile bad(junk);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();

    DecodePicturesAhead({png, jpg, junk, dir.filePath(QStringLiteral("missing.png"))});
    ASSERT_TRUE(picture.save(later)); // not asked for: read from disk when wanted
    for (const QString& file : {png, jpg}) {
        const std::optional<QImage> decoded = DecodedPicture(file);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->convertToFormat(QImage::Format_RGB32),
                  QImage(file).convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_FALSE(DecodedPicture(junk).has_value());
    EXPECT_FALSE(DecodedPicture(later).has_value());

    PictureBox box(nullptr);
    EXPECT_TRUE(box.LoadPicture(png));
    EXPECT_EQ(shown(&box), picture);
    EXPECT_TRUE(box.LoadPicture(later));
    EXPECT_EQ(shown(&box), picture);
    EXPECT_FALSE(box.LoadPicture(junk));
    EXPECT_EQ(shown(&box), picture); // a picture that cannot be loaded leaves the previous one
    ForgetDecodedPictures();
    EXPECT_FALSE(DecodedPicture(png).has_value());
}
