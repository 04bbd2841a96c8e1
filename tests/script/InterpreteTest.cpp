#include "script/Interprete.h"
#include "display/Monitors.h"
#include "media/BackgroundAudio.h"
#include "platform/MediaPlayerControl.h"
#include "script/CueLookup.h"
#include "support/FormSpies.h"
#include "ui/ZoomWindow.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct TwoMonitors : clsMonitors {
    int Count() const override { return 2; }
};

// Clicks inside the only cue of a one-cue script and returns the script afterwards.
QString clickCue(SpiedForm& t, const QString& script) {
    t.rtb().setText(script);
    t.clickAt(int(script.indexOf(QStringLiteral("[["))) + 2);
    return t.rtb().Text();
}

// The interpreter alone, as the closing keystroke calls it: the text it writes back.
QString typed(SpiedForm& t, const QString& cue) {
    t.rtb().setText(QStringLiteral("[[") + cue + u']');
    QString text = cue;
    int start = 3;
    int end = int(cue.size()) + 3;
    t.form.interprete->InterpretaComando(text, start, end, false);
    return text;
}

} // namespace

TEST(InterpreteRecognition, FadeWordsInAnyCaseAndTheirOldSpellings) {
    SpiedForm t;
    const struct {
        const char* cue;
        const char* canonical;
        const char* handler;
    } cases[] = {
        {"FADEIN FAST", "FadeIn Fast", "Image4_Click"},
        {"fadein normal", "FadeIn Normal", "Image5_Click"},
        {"FadeIn Slow", "FadeIn Slow", "Image6_Click"},
        {"fadein", "FadeIn", "Image4_Click"},
        {"fadeout fast", "FadeOut Fast", "Image7_Click"},
        {"fadeout normal", "FadeOut Normal", "Image8_Click"},
        {"FADEOUT SLOW", "FadeOut Slow", "Image9_Click"},
        {"fadeout", "FadeOut", "Image7_Click"},
        {"fade in", "FadeIn", "Image4_Click"},
        {"Fade In Slow", "FadeIn Slow", "Image6_Click"},
        {"fade out normal", "FadeOut Normal", "Image8_Click"},
        {"fade out", "FadeOut", "Image7_Click"},
    };
    for (const auto& c : cases) {
        t.log.calls.clear();
        const QString after =
            clickCue(t, QStringLiteral("x [[ ") + QLatin1String(c.cue) + QStringLiteral(" ]] y"));
        EXPECT_EQ(after,
                  QStringLiteral("x [[") + QLatin1String(c.canonical) + QStringLiteral("]] y"));
        EXPECT_EQ(t.log.calls, QStringList{QLatin1String(c.handler)}) << c.cue;
        EXPECT_TRUE(t.form.cues->ComandoEseguito);
    }
}

TEST(InterpreteRecognition, OnlySingleBlanksWhereTheTableHasThem) {
    SpiedForm t;
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const char* cue : {"fadeout  slow", "fade  in", "fadeoutslow", "img  on"}) {
        t.log.calls.clear();
        const QString script = QStringLiteral("[[") + QLatin1String(cue) + QStringLiteral("]]");
        EXPECT_EQ(clickCue(t, script), script) << cue;
        EXPECT_TRUE(t.log.calls.isEmpty()) << cue;
        EXPECT_TRUE(t.form.Label11->Visible()) << cue; // goes on to the not-found notice
    }
    QDir::setCurrent(before);
}

TEST(InterpreteRewrite, TheWholeCueTurnsBlueAndNothingElse) {
    SpiedForm t;
    clickCue(t, QStringLiteral("ab [[  fadein  ]] cd"));
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("ab [[FadeIn]] cd"));
    t.rtb().setSelStart(3);
    t.rtb().setSelLength(10);
    EXPECT_EQ(t.rtb().SelColor(), RGB(0, 0, 255));
    t.rtb().setSelStart(0);
    t.rtb().setSelLength(3);
    EXPECT_EQ(t.rtb().SelColor(), 0);
    t.rtb().setSelStart(13);
    t.rtb().setSelLength(3);
    EXPECT_EQ(t.rtb().SelColor(), 0);
}

// Clicking through a show leaves a script of canonical blue cues as it was: not marked changed,
// and no step in its edit history for each click. A cue still to be coloured is a change.
TEST(InterpreteRewrite, ACueAlreadyWrittenAndBlueIsLeftUntouched) {
    SpiedForm t;
    const QString script = QStringLiteral("ab [[FadeIn]] cd");
    t.rtb().setText(script);
    QTextDocument& doc = *t.rtb().document();
    t.form.core.session.SetModificato(0);
    const int stepsBefore = doc.availableUndoSteps();
    t.clickAt(5); // colours the black cue: one step
    t.rtb().setSelStart(3);
    t.rtb().setSelLength(10);
    EXPECT_EQ(t.rtb().SelColor(), RGB(0, 0, 255));
    const int stepsColoured = doc.availableUndoSteps();
    EXPECT_GT(stepsColoured, stepsBefore);

    t.form.core.session.SetModificato(0);
    for (int click = 0; click < 3; ++click) {
        t.log.calls.clear();
        t.clickAt(5);
        EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image4_Click")}); // still runs
    }
    EXPECT_EQ(t.rtb().Text(), script);
    EXPECT_EQ(t.form.core.session.Modificato(), 0);
    EXPECT_EQ(doc.availableUndoSteps(), stepsColoured);
}

TEST(InterpreteVolume, MovesTheKnobAndClampsOnlyWhenClicked) {
    SpiedForm t;
    const long max = t.form.volume->VolumeMax;
    const double trackTop = t.form.Image3->Top();
    const double lowest = trackTop + t.form.Image3->Height() - t.form.Image2->Height();

    EXPECT_EQ(clickCue(t, QStringLiteral("[[vol 150]]")), QStringLiteral("[[Vol 100]]"));
    EXPECT_DOUBLE_EQ(t.form.Image2->Top(), trackTop);
    EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QString::number(max));
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral("100"));
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("ImpostaVolume(%1)").arg(max)});

    EXPECT_EQ(clickCue(t, QStringLiteral("[[VOL -20]]")), QStringLiteral("[[Vol 0]]"));
    EXPECT_DOUBLE_EQ(t.form.Image2->Top(), lowest);
    EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QStringLiteral("0"));
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral("0"));

    // Every text starting with "vol" is a volume command; no number means 0.
    EXPECT_EQ(clickCue(t, QStringLiteral("[[VOLUME UP]]")), QStringLiteral("[[Volume up]]"));
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral("0"));

    clickCue(t, QStringLiteral("[[vol 50]]"));
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral("50"));
    const double half = t.form.core.masterVolume.ChosenLevel().toDouble() / double(max);
    EXPECT_NEAR(half, 0.5, 0.02); // the knob snaps to whole pixels
    EXPECT_GT(t.form.Image2->Top(), trackTop);
    EXPECT_LT(t.form.Image2->Top(), lowest);

    // Only typed, nothing is clamped or moved.
    t.log.calls.clear();
    EXPECT_EQ(typed(t, QStringLiteral("vol 150")), QStringLiteral("Vol 150"));
    EXPECT_EQ(typed(t, QStringLiteral("vol50")), QStringLiteral("Vol50"));
    EXPECT_EQ(typed(t, QStringLiteral("vol -20")), QStringLiteral("Vol -20"));
    EXPECT_TRUE(t.log.calls.isEmpty());
    EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral("50"));
}

TEST(InterpreteGating, PlayerCommandsNeedTheirPanel) {
    SpiedForm t;
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const char* cue : {"play video", "projector on", "seek video 3", "play audio",
                            "stop audio", "seek audio 2"}) {
        t.log.calls.clear();
        t.form.Label11->setVisible(false);
        const QString script = QStringLiteral("[[") + QLatin1String(cue) + QStringLiteral("]]");
        EXPECT_EQ(clickCue(t, script), script) << cue;
        EXPECT_TRUE(t.log.calls.isEmpty()) << cue;
        EXPECT_TRUE(t.form.Label11->Visible()) << cue;
        EXPECT_EQ(t.form.Check1->Value(), 0);
    }
    QDir::setCurrent(before);
}

TEST(InterpreteVideo, TransportSeekAndProjector) {
    SpiedForm t;
    t.form.core.state.SetVideoLoaded(true);
    EXPECT_EQ(clickCue(t, QStringLiteral("[[play video]]")), QStringLiteral("[[Play Video]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[play vido]]")), QStringLiteral("[[Play Video]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[pause video]]")), QStringLiteral("[[Pause Video]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[stop video]]")), QStringLiteral("[[Stop Video]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[seek video 12.5]]")),
              QStringLiteral("[[Seek Video 12.5]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[seek video -4]]")), QStringLiteral("[[Seek Video 0]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[projector on]]")), QStringLiteral("[[Projector On]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[projector off]]")),
              QStringLiteral("[[Projector Off]]"));
    // The play-state word is forced before the toggle, so each cue goes its own way.
    EXPECT_EQ(
        t.log.calls,
        QStringList({QStringLiteral("cmdPlayV_Click(Play)"), QStringLiteral("cmdPlayV_Click(Play)"),
                     QStringLiteral("cmdPlayV_Click(Pausa)"), QStringLiteral("cmdStopV_Click"),
                     QStringLiteral("lblContatoreV_Click(12.5)"),
                     QStringLiteral("lblContatoreV_Click(0)"), QStringLiteral("Check1_Click(1)"),
                     QStringLiteral("Check1_Click(0)")}));
    // Typed, the negative seek is clamped too, and nothing runs.
    t.log.calls.clear();
    EXPECT_EQ(typed(t, QStringLiteral("seek video -4")), QStringLiteral("Seek Video 0"));
    EXPECT_TRUE(t.log.calls.isEmpty());
}

TEST(InterpreteAudio, TransportAndSeekInMilliseconds) {
    SpiedForm t;
    t.form.core.state.SetAudioLoaded(true);
    EXPECT_EQ(clickCue(t, QStringLiteral("[[Play Audio]]")), QStringLiteral("[[Play Audio]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[pause audio]]")), QStringLiteral("[[Pause Audio]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[stop audio]]")), QStringLiteral("[[Stop Audio]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[seek audio 12.5]]")),
              QStringLiteral("[[Seek Audio 12.5]]"));
    EXPECT_EQ(t.log.calls,
              QStringList(
                  {QStringLiteral("cmdPlayA_Click(Play)"), QStringLiteral("cmdPlayA_Click(Pausa)"),
                   QStringLiteral("cmdStopA_Click"), QStringLiteral("lblContatore_Click(12500)")}));
    EXPECT_EQ(typed(t, QStringLiteral("seek audio -3")), QStringLiteral("Seek Audio 0"));
}

TEST(InterpreteImage, ImgOnAndOffActEvenWhenOnlyTyped) {
    SpiedForm t;
    EXPECT_EQ(typed(t, QStringLiteral("img on")), QStringLiteral("Img On"));
    EXPECT_TRUE(t.form.imgZoom->Visible()); // one monitor: the picture on the main window
    EXPECT_EQ(typed(t, QStringLiteral("IMG OFF")), QStringLiteral("Img Off"));
    EXPECT_FALSE(t.form.imgZoom->Visible());

    t.form.Monitors = std::make_unique<TwoMonitors>();
    t.form.ZoomWindow().Image1->setVisible(false);
    clickCue(t, QStringLiteral("[[img on]]"));
    EXPECT_TRUE(t.form.ZoomWindow().Image1->Visible());
    EXPECT_FALSE(t.form.imgZoom->Visible());
    EXPECT_FALSE(t.form.ZoomWindow().isVisible()); // the window itself waits for a picture
    clickCue(t, QStringLiteral("[[img off]]"));
    EXPECT_FALSE(t.form.ZoomWindow().Image1->Visible());
}

TEST(InterpreteBackground, CommandsAreRecognisedAndActOnlyOnAClick) {
    SpiedForm t;
    MediaPlayerControl& bg = *t.form.backgroundPlayer;
    EXPECT_EQ(clickCue(t, QStringLiteral("[[BG PLAY AUDIO]]")),
              QStringLiteral("[[bg Play Audio]]"));
    EXPECT_TRUE(t.form.cues->ComandoEseguito);
    EXPECT_FALSE(t.form.Label11->Visible());
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg stop audio]]")),
              QStringLiteral("[[bg Stop Audio]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg pause audio]]")),
              QStringLiteral("[[bg Pause Audio]]"));

    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg vol 150]]")), QStringLiteral("[[bg Vol 100]]"));
    EXPECT_EQ(bg.settings.volume(), 100);
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg vol -5]]")), QStringLiteral("[[bg Vol 0]]"));
    EXPECT_EQ(bg.settings.volume(), 0);
    EXPECT_EQ(typed(t, QStringLiteral("bg vol 80")), QStringLiteral("bg Vol 80"));
    EXPECT_EQ(bg.settings.volume(), 0);

    EXPECT_FALSE(bg.settings.loop());
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg loop]]")), QStringLiteral("[[bg Loop]]"));
    EXPECT_TRUE(bg.settings.loop());
    EXPECT_EQ(typed(t, QStringLiteral("bg loop")), QStringLiteral("bg Loop"));
    EXPECT_TRUE(bg.settings.loop());

    // A fade in takes the volume from where it is to 100 in 10 ms steps, 2 s for the range.
    BackgroundAudio& fade = *t.form.background;
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg fade in]]")), QStringLiteral("[[bg Fade In]]"));
    EXPECT_TRUE(fade.timer.IsRunning());
    EXPECT_EQ(fade.timer.Interval(), 10);
    for (int i = 0; i < 100; ++i)
        fade.Tick();
    EXPECT_EQ(bg.settings.volume(), 50);
    for (int i = 0; i < 100; ++i)
        fade.Tick();
    EXPECT_EQ(bg.settings.volume(), 100);
    EXPECT_FALSE(fade.timer.IsRunning());

    // A fade out from 60 is over in 1.2 s.
    clickCue(t, QStringLiteral("[[bg vol 60]]"));
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg fade out]]")), QStringLiteral("[[bg Fade Out]]"));
    for (int i = 0; i < 119; ++i)
        fade.Tick();
    EXPECT_EQ(bg.settings.volume(), 1);
    EXPECT_TRUE(fade.Fading());
    fade.Tick();
    EXPECT_EQ(bg.settings.volume(), 0);
    EXPECT_FALSE(fade.Fading());

    // Other "bg " texts are no commands.
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(clickCue(t, QStringLiteral("[[bg jump]]")), QStringLiteral("[[bg jump]]"));
    EXPECT_TRUE(t.form.Label11->Visible());
    QDir::setCurrent(before);
}
