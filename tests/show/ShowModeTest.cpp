#include "show/ShowMode.h"
#include "app/Commands.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Clipboard.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/Interprete.h"
#include "show/CueList.h"
#include "show/Panic.h"
#include "show/ShowSettings.h"
#include "support/FakeMci.h"
#include "support/FakeMixer.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/AddCommand.h"
#include "ui/FindReplace.h"
#include "ui/Form1.h"
#include "ui/PlayState.h"
#include "ui/ProjectorWindow.h"
#include "ui/ShowModeView.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A window in show mode over a script, with the show-control settings in a folder of its own.
struct ShowForm {
    explicit ShowForm(const QString& script) {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        Lingua[127] = QStringLiteral("File non trovato");
        form.RTB->setText(script);
        form.RTB->setSelStart(0);
        form.show();
        form.showMode->SetActive(true);
        // GOs here come faster than an operator's: the protection has tests of its own.
        form.showMode->SetGoProtection(0);
    }
    RichTextBox& rtb() { return *form.RTB; }
    ShowMode& show() { return *form.showMode; }
    ShowModeView& view() { return *form.showModeView; }
    void key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(form.RTB, Qt::Key(key), mods);
    }
    TempProgramFolder folder;
    FakeMci device;
    Form1 form;
};

const QString kScript = QStringLiteral("Act one\r\n[[FadeIn]] Romeo\r\n[[ Img Off ]] Juliet "
                                       "[[FadeOut Slow]]\r\nThe end [[missing.wav]]");

} // namespace

TEST(CueList, FindsTheCuesAClickCanRun) {
    const QString text = QStringLiteral("a [[one]] b [[x [[two]] ]] [[open\r\n[[three]]");
    const QList<CueSpan> cues = FindCues(text);
    ASSERT_EQ(cues.size(), 3);
    EXPECT_EQ(text.mid(cues[0].open, cues[0].close - cues[0].open), QStringLiteral("[[one]]"));
    // "[[x [[two]]": the click finds the later "[[".
    EXPECT_EQ(text.mid(cues[1].open, cues[1].close - cues[1].open), QStringLiteral("[[two]]"));
    EXPECT_EQ(text.mid(cues[2].open, cues[2].close - cues[2].open), QStringLiteral("[[three]]"));
    EXPECT_EQ(CueAfter(cues, 0), 0);
    EXPECT_EQ(CueAfter(cues, cues[0].inside()), 1); // in a cue, the next one waits
    EXPECT_EQ(CueAfter(cues, cues[2].close), -1);
    // A cue whose "]]" is beyond a click's reach is no cue to GO to.
    const QString far = QStringLiteral("[[") + QString(300, u'x') + QStringLiteral("]] [[near]]");
    ASSERT_EQ(FindCues(far).size(), 1);
    EXPECT_TRUE(FindCues(QStringLiteral("no cues ]] [[ here")).isEmpty());
}

TEST(ShowMode, GoRunsTheStandbyCueAndStandbyMovesOn) {
    ShowForm t(kScript);
    const ShowState& state = t.form.core.state;
    EXPECT_TRUE(state.ShowModeActive());
    EXPECT_EQ(state.Standby(), QStringLiteral("FadeIn"));
    t.key(Qt::Key_Space);
    EXPECT_TRUE(t.form.Timer3->Enabled()); // the fade in runs
    EXPECT_EQ(t.form.volume->PassoFade, -10);
    EXPECT_EQ(state.Standby(), QStringLiteral("Img Off"));
    t.key(Qt::Key_Return);
    // The interpreter wrote the cue back in its canonical form, blanks dropped.
    EXPECT_TRUE(t.rtb().Text().contains(QStringLiteral("[[Img Off]]")));
    EXPECT_EQ(state.Standby(), QStringLiteral("FadeOut Slow"));
    t.key(Qt::Key_PageDown);
    EXPECT_EQ(t.form.volume->PassoFade, 1);
    EXPECT_EQ(state.Standby(), QStringLiteral("missing.wav"));
    // A held key repeats: it runs nothing more.
    QTest::sendKeyEvent(QTest::KeyAction::Press, t.form.RTB, Qt::Key_Space, ' ', Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QCoreApplication::sendEvent(t.form.RTB, &repeat);
    EXPECT_FALSE(t.form.Label11->isHidden()); // the missing file's notice, from the press
    EXPECT_EQ(state.Standby(), QString());
    EXPECT_FALSE(state.HasStandby());
    EXPECT_FALSE(t.show().Standby().has_value());
    t.key(Qt::Key_Space); // after the last cue GO does nothing
    EXPECT_EQ(state.Standby(), QString());
}

// Two GOs 50 ms apart (a nervous second press, a bouncing pedal) run one cue; the refused one
// flashes the bar and is dropped, never run later. The time is kept; switched off, both run.
TEST(ShowMode, ASecondGoTooSoonIsRefusedShownAndDropped) {
    ShowForm t(QStringLiteral("[[Vol 10]] [[Vol 20]] [[Vol 30]] [[Vol 40]] [[Vol 50]]"));
    const ShowState& state = t.form.core.state;
    qint64 now = 1000;
    t.show().goGuard.SetClock([&] { return now; });
    t.show().SetGoProtection(GoGuard::kDefaultMs);
    const QPalette::ColorRole bar = QPalette::Window;
    const QColor orange = t.view().lblShowMode->palette().color(bar);

    t.key(Qt::Key_Space);
    now += 50;
    t.key(Qt::Key_Return);
    EXPECT_EQ(state.Standby(), QStringLiteral("Vol 20"));
    EXPECT_NE(t.view().lblShowMode->palette().color(bar), orange);
    EXPECT_TRUE(WaitFor([&] { return t.view().lblShowMode->palette().color(bar) == orange; }));
    now += 200; // 250 ms after the GO that ran
    QCoreApplication::processEvents();
    EXPECT_EQ(state.Standby(), QStringLiteral("Vol 20"));
    t.key(Qt::Key_Space);
    EXPECT_EQ(state.Standby(), QStringLiteral("Vol 30"));
    // The count runs from the GO that ran, not from the refused one.
    now += 200;
    t.key(Qt::Key_Space);
    now += 100;
    t.key(Qt::Key_Space);
    EXPECT_EQ(state.Standby(), QStringLiteral("Vol 40"));

    t.show().SetGoProtection(0);
    t.key(Qt::Key_Space);
    now += 50;
    t.key(Qt::Key_Space);
    EXPECT_FALSE(state.HasStandby());

    ShowSettings kept;
    kept.Read(ShowSettingsPath());
    EXPECT_EQ(kept.goProtectionMs, 0);
    t.show().SetGoProtection(120);
    Form1 next;
    next.showMode->RestoreSaved();
    EXPECT_EQ(next.showMode->goGuard.MinimumMs(), 120);
}

// On a first start the protection is on at its default.
TEST(ShowMode, TheGoProtectionIsOnByDefault) {
    TempProgramFolder folder;
    Form1 fresh;
    fresh.showMode->RestoreSaved();
    EXPECT_EQ(fresh.showMode->Settings().goProtectionMs, 250);
    EXPECT_EQ(fresh.showMode->goGuard.MinimumMs(), 250);
}

// A prompt book from a word processor: the cues in the right-hand column of a table are the
// show's cues, GO runs them in order.
TEST(ShowMode, GoRunsTheCuesInTheCellsOfATable) {
    ShowForm t(kScript);
    t.show().SetActive(false);
    t.rtb().LoadContent(R"({\rtf1\trowd\cellx4500\cellx9000\pard\intbl HAMLET: To be\cell)"
                        R"(\pard\intbl [[fadein]]\cell\row\trowd\cellx4500\cellx9000)"
                        R"(\pard\intbl OPHELIA: My lord\cell\pard\intbl [[Vol 50]]\cell\row})");
    t.rtb().setSelStart(0);
    t.show().SetActive(true);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("fadein"));
    t.key(Qt::Key_Space);
    EXPECT_TRUE(t.form.Timer3->Enabled()); // the fade in runs
    EXPECT_TRUE(t.rtb().Text().contains(QStringLiteral("HAMLET: To be\r\n[[FadeIn]]\r\n")));
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Vol 50"));
}

// A script opened after the first one (a new document in the editor) is the one whose cues
// show mode offers.
TEST(ShowMode, TheCuesOfAScriptOpenedLaterAreTheOnesOffered) {
    ShowForm t(kScript);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeIn"));
    t.show().SetActive(false);
    t.rtb().LoadContent(QByteArrayLiteral("{\\rtf1 Scene two [[Vol 50]] and [[Img On]]}"));
    t.rtb().setSelStart(0);
    t.show().SetActive(true);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Vol 50"));
}

TEST(ShowMode, PageUpGoesBackAndHomeToTheFirstCueWithoutRunningAnything) {
    ShowForm t(kScript);
    t.key(Qt::Key_Space);
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeOut Slow"));
    const QString before = t.rtb().Text();
    t.form.Timer3->setEnabled(false);
    t.form.volume->PassoFade = 0;
    const int commands = int(t.device.commands.size());
    t.key(Qt::Key_PageUp);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Img Off"));
    t.key(Qt::Key_PageUp);
    t.key(Qt::Key_PageUp); // no cue before the first: it stays
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeIn"));
    t.key(Qt::Key_Space);
    t.key(Qt::Key_Space);
    t.key(Qt::Key_Home);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeIn"));
    // Back and Home ran nothing (only the two GOs did).
    EXPECT_EQ(t.form.volume->PassoFade, -10);
    EXPECT_EQ(int(t.device.commands.size()), commands);
    EXPECT_EQ(t.rtb().Text(), before);
    // Past the last cue, Page Up comes back to it.
    t.rtb().setSelStart(t.rtb().TextLength());
    EXPECT_FALSE(t.show().Standby().has_value());
    t.key(Qt::Key_PageUp);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("missing.wav"));
}

TEST(ShowMode, EveryEditingPathIsRefusedWhileClicksStillRunCues) {
    ShowForm t(kScript);
    const QString html = t.rtb().document()->toHtml();
    const QString text = t.rtb().Text();
    t.form.core.session.SetModificato(
        0); // loading the script was a change; nothing after it may be
    t.rtb().setSelStart(2);

    // Typing, deleting, the closing-bracket normalisation and the Ctrl commands.
    QTest::keyClicks(t.form.RTB, QStringLiteral("typed]]"));
    for (int k : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab})
        t.key(k);
    clipboard::Put([] {
        auto* data = new QMimeData;
        data->setText(QStringLiteral("pasted"));
        return data;
    }());
    for (int k : {Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_Y, Qt::Key_I, Qt::Key_B, Qt::Key_U})
        t.key(k, Qt::ControlModifier);
    t.key(Qt::Key_Insert, Qt::ShiftModifier);
    // The menu entries that change the script cannot be chosen.
    for (MenuItem* item :
         {t.form.mnuIncolla, t.form.mnuTaglia, t.form.mnuAnnulla, t.form.mnuRipeti,
          t.form.mnuAddCommand, t.form.mnuAggiungiMultimedia, t.form.mnuSostituisci}) {
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
        item->trigger();
    }
    // The formatting toolbar, the add-media and add-command buttons and the font boxes.
    for (int i = 4; i < 17; ++i) {
        EXPECT_FALSE(t.form.Label2[i]->isEnabled()) << i;
        QTest::mouseClick(t.form.Label2[i], Qt::LeftButton);
    }
    EXPECT_FALSE(t.form.Combo1->isEnabled());
    EXPECT_FALSE(t.form.Combo2->isEnabled());
    // A drop of text on the script.
    QMimeData dropped;
    dropped.setText(QStringLiteral("dropped"));
    const QPoint at = t.rtb().viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(t.rtb().viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(t.rtb().viewport(), &drop);

    EXPECT_EQ(t.rtb().Text(), text);
    EXPECT_EQ(t.rtb().document()->toHtml(), html);
    EXPECT_EQ(t.form.core.session.Modificato(), 0);

    // A click in a cue runs it and makes the cue after it the standby.
    const int inFadeOut = int(text.indexOf(QStringLiteral("FadeOut")));
    t.rtb().setSelStart(inFadeOut + 2);
    t.form.RTB->onClick();
    EXPECT_TRUE(t.form.Timer3->Enabled());
    EXPECT_EQ(t.form.volume->PassoFade, 1);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("missing.wav"));

    // Out of show mode the script is the operator's again.
    t.show().SetActive(false);
    EXPECT_TRUE(t.form.mnuIncolla->isEnabled());
    EXPECT_TRUE(t.form.Label2[4]->isEnabled());
    t.rtb().setSelStart(0);
    QTest::keyClicks(t.form.RTB, QStringLiteral("x"));
    EXPECT_TRUE(t.rtb().Text().startsWith(u'x'));
}

// The keys an operator reaches for in a show: a GO with Shift held (a slip) is still one GO,
// F3 still finds, F5 (add a media file) changes nothing, and F11 leaves and enters show mode.
TEST(ShowMode, ShiftGoF3F5AndF11DoWhatTheOperatorExpects) {
    ScriptedDialogs dialogs; // a file dialog from F5 fails the test
    ShowForm t(kScript);
    t.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.form));
    const QString text = t.rtb().Text();
    t.key(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_TRUE(t.form.Timer3->Enabled()) << "the first cue, a fade in, runs";
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Img Off"));
    t.key(Qt::Key_F5);
    EXPECT_EQ(t.rtb().Text(), text);
    t.key(Qt::Key_F3);
    ASSERT_NE(t.form.findReplace->Dialog(), nullptr);
    EXPECT_TRUE(t.form.findReplace->Dialog()->isVisible());
    t.form.findReplace->Dialog()->close();
    t.key(Qt::Key_F11);
    EXPECT_FALSE(t.show().Active());
    t.key(Qt::Key_F11);
    EXPECT_TRUE(t.show().Active());
}

// Shows repeat their cues: GO moves the mark on to the next one, whose text is the same.
TEST(ShowMode, TheMarkMovesOnToARepeatedCue) {
    ShowForm t(QStringLiteral("[[Vol 10]] and [[Vol 10]] then [[Vol 10]]"));
    const auto marked = [&] {
        const QList<QTextEdit::ExtraSelection> marks = t.rtb().extraSelections();
        if (marks.size() != 1) return -1;
        return t.rtb().FromDocumentPosition(marks[0].cursor.selectionStart());
    };
    EXPECT_EQ(marked(), 0);
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.form.core.state.StandbyAt(), 15);
    EXPECT_EQ(marked(), 15);
    t.key(Qt::Key_Space);
    EXPECT_EQ(marked(), 31);
    EXPECT_EQ(t.form.core.state.Standby(), QStringLiteral("Vol 10"));
}

TEST(ShowMode, TheStandbyMarkIsNeverPartOfTheScript) {
    ShowForm t(kScript);
    TempProgramFolder files;
    t.key(Qt::Key_Space);
    ASSERT_EQ(t.rtb().extraSelections().size(), 1);
    const QTextCharFormat marked = t.rtb().extraSelections()[0].format;
    ASSERT_TRUE(marked.hasProperty(QTextFormat::BackgroundBrush));
    ASSERT_TRUE(t.rtb().SaveFile(files.path(QStringLiteral("shown.snx"))));
    t.show().SetActive(false);
    EXPECT_TRUE(t.rtb().extraSelections().isEmpty());
    ASSERT_TRUE(t.rtb().SaveFile(files.path(QStringLiteral("plain.snx"))));
    const QByteArray shown = files.read(QStringLiteral("shown.snx"));
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown, files.read(QStringLiteral("plain.snx")));
    const QColor c = marked.background().color();
    EXPECT_FALSE(shown.contains(QStringLiteral("\\red%1\\green%2\\blue%3")
                                    .arg(c.red())
                                    .arg(c.green())
                                    .arg(c.blue())
                                    .toLatin1()));
    EXPECT_FALSE(shown.contains("\\highlight"));
    EXPECT_FALSE(shown.contains("\\cb"));
}

TEST(ShowMode, ShownInTheWindowKeptInItsOwnSettingsAndEscapeNeverEnds) {
    ScriptedDialogs dialogs; // any dialog (an exit question) fails the test
    ShowForm t(QStringLiteral("[[FadeIn]] and [[FadeOut]]"));
    t.form.core.session.SetModificato(0); // as opened: no change mark in the titles below
    const QString mark = QStringLiteral(" [") + MessageText(Msg::ShowModeTitle) + u']';
    EXPECT_TRUE(t.form.Caption().endsWith(mark));
    t.form.AggiornaTitolo(QStringLiteral("/shows/Amleto.snx"));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx") + mark);
    EXPECT_TRUE(t.view().mnuShowMode->isChecked());
    EXPECT_TRUE(t.view().lblShowMode->isVisible());
    EXPECT_TRUE(t.view().lblShowMode->Caption().contains(QStringLiteral("FadeIn")));

    ShowSettings saved;
    saved.Read(ShowSettingsPath());
    EXPECT_TRUE(saved.showMode);
    EXPECT_TRUE(ShowSettingsPath().startsWith(t.folder.dir.path()));
    EXPECT_FALSE(QFile::exists(t.folder.path(QStringLiteral("Scenolux.ini"))));

    // Escape is the panic, in the editor and anywhere else in the window.
    t.key(Qt::Key_Escape);
    EXPECT_TRUE(t.show().panic->Running());
    QTest::keyClick(&t.form, Qt::Key_Escape);
    EXPECT_TRUE(t.form.isVisible());

    // A language switch rewrites the entry, the mark and the title.
    {
        SavedLingua keep;
        NomeLingua = QStringLiteral("Deutsch.lng");
        t.view().Retranslate();
        EXPECT_EQ(t.view().mnuShowMode->Caption(), QStringLiteral("Vorstellungsmodus"));
        EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx [VORSTELLUNG]"));
        EXPECT_TRUE(t.view().lblShowMode->Caption().contains(QStringLiteral("Bereit: FadeIn")));
    }
    t.view().Retranslate();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx") + mark);

    // F11's entry switches it off; the choice is kept for the next start.
    ASSERT_TRUE(t.form.core.state.HasStandby());
    t.view().mnuShowMode->trigger();
    EXPECT_FALSE(t.show().Active());
    EXPECT_FALSE(t.form.core.state.ShowModeActive());
    EXPECT_FALSE(t.form.core.state.HasStandby()); // nothing waits for a GO
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx"));
    // The mark is the mode's own: a script whose name ends in brackets keeps them.
    t.form.AggiornaTitolo(QStringLiteral("/shows/Amleto [prova]"));
    t.view().mnuShowMode->trigger();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto [prova]") + mark);
    t.view().mnuShowMode->trigger();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto [prova]"));
    EXPECT_FALSE(t.view().lblShowMode->isVisible());
    EXPECT_TRUE(t.rtb().extraSelections().isEmpty());
    saved.Read(ShowSettingsPath());
    EXPECT_FALSE(saved.showMode);
    t.view().mnuShowMode->trigger();
    Form1 next;
    EXPECT_FALSE(next.showMode->Active());
    next.showMode->RestoreSaved();
    EXPECT_TRUE(next.showMode->Active());
    EXPECT_TRUE(next.RTB->isReadOnly());
}

TEST(Panic, FadesEveryPlayerToSilenceInOneSecondThenStopsAndGivesTheVolumeBack) {
    ShowForm t(QStringLiteral("[[FadeIn]]"));
    qint64 clock = 0;
    Panic& panic = *t.show().panic;
    panic.now = [&] { return clock; };
    TestMixer().value = -1;
    t.form.volume->MixerConnected = true;
    t.form.core.masterVolume.SetChosenLevel(QStringLiteral("40000"));
    t.form.volume->ImpostaVolume();
    t.form.WMP3->player().settings.setVolume(60);
    const int video = t.form.WMP2->player().settings.volume();
    ASSERT_GT(video, 0);
    t.form.Timer3->setEnabled(true); // a fade in that would fight the panic
    const auto audioPlays = [&] {
        t.form.audio->cmdPlayA_Click();
        t.device.position = 5000;
        return t.device.mode == QLatin1String("playing");
    };
    ASSERT_TRUE(audioPlays());

    panic.Start();
    EXPECT_FALSE(t.form.Timer3->Enabled());
    clock = 500;
    panic.Tick();
    EXPECT_NEAR(TestMixer().value, 20000, 100);
    EXPECT_NEAR(t.form.WMP3->player().settings.volume(), 30, 1);
    EXPECT_NEAR(t.form.WMP2->player().settings.volume(), video / 2, 1);
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));
    clock = 1000;
    panic.Tick();
    EXPECT_EQ(TestMixer().value, 0);
    EXPECT_EQ(t.form.WMP3->player().settings.volume(), 0);
    EXPECT_NE(t.device.mode, QStringLiteral("playing"));
    EXPECT_EQ(t.device.position, 0);
    EXPECT_TRUE(panic.Running());
    clock = 1000 + Panic::kRestoreAfterMs;
    panic.Tick();
    EXPECT_FALSE(panic.Running());
    EXPECT_EQ(TestMixer().value, 40000);
    EXPECT_EQ(t.form.WMP3->player().settings.volume(), 60);
    EXPECT_EQ(t.form.WMP2->player().settings.volume(), video);

    // A second panic within the second stops at once.
    ASSERT_TRUE(audioPlays());
    clock = 5000;
    panic.Start();
    clock = 5300;
    panic.Tick();
    EXPECT_GT(TestMixer().value, 0);
    panic.Start();
    EXPECT_EQ(TestMixer().value, 0);
    EXPECT_NE(t.device.mode, QStringLiteral("playing"));
    EXPECT_EQ(t.device.position, 0);
    clock = 5300 + Panic::kRestoreAfterMs;
    panic.Tick();
    EXPECT_EQ(TestMixer().value, 40000);
    t.form.volume->MixerConnected = false;
}

// The background cues and the panic act on the players themselves: what the audience would
// hear or see stops. The cue texts are those the Add Command window inserts.
TEST(Panic, StopsTheVideoProjectorAndBackgroundPlayersAsTheBackgroundCuesDo) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(MakeWav(wav, 20));
    ShowForm t(QStringLiteral("[[FadeIn]]"));
    MediaPlayerControl& background = *t.form.backgroundPlayer;
    const auto runAddedCue = [&](int option) {
        Form3 add(*t.form.scriptDocument, &t.form);
        add.Option1[option]->click();
        QString text = add.CommandText().mid(2).chopped(2);
        int start = 0, end = 0;
        t.form.interprete->InterpretaComando(text, start, end, true);
    };
    const auto state = [](MediaPlayerControl& p, const char* s) {
        return WaitFor([&] { return p.State() == QLatin1String(s); });
    };
    background.settings.setAutoStart(false);
    background.setURL(wav);
    ASSERT_TRUE(WaitFor([&] { return background.currentMedia.duration() > 0; }));
    // The background's transport follows its player, whoever drives it.
    Transport& backgroundTransport = t.form.core.background;
    runAddedCue(20); // BG Play Audio
    EXPECT_TRUE(state(background, "playing")) << background.State().toStdString();
    EXPECT_EQ(backgroundTransport.state(), Transport::State::Playing);
    runAddedCue(21); // BG Pause Audio
    EXPECT_TRUE(state(background, "paused")) << background.State().toStdString();
    EXPECT_EQ(backgroundTransport.state(), Transport::State::Paused);
    runAddedCue(19); // BG Stop Audio
    EXPECT_TRUE(state(background, "stopped")) << background.State().toStdString();
    EXPECT_EQ(backgroundTransport.state(), Transport::State::Stopped);

    MediaPlayerControl* players[] = {t.form.panelPlayer,
                                     &t.form.ProjectorWindow().WMP1->player(), &background};
    for (MediaPlayerControl* player : players) {
        player->settings.setAutoStart(true);
        player->setURL(wav);
    }
    for (MediaPlayerControl* player : players)
        ASSERT_TRUE(WaitFor([&] { return player->controls.currentPosition() > 0.1; }));
    // The projector's and the background's transports show them playing, and where.
    for (Transport* transport : {&t.form.core.projector, &backgroundTransport}) {
        EXPECT_TRUE(transport->Playing());
        EXPECT_TRUE(WaitFor([&] { return transport->Position() >= 100; }));
        EXPECT_NEAR(transport->Length(), 20000, 100);
    }
    qint64 clock = 0;
    Panic& panic = *t.show().panic;
    panic.now = [&] { return clock; };
    panic.Start();
    clock = Panic::kFadeMs;
    panic.Tick();
    for (MediaPlayerControl* player : players)
        EXPECT_TRUE(state(*player, "stopped")) << player->State().toStdString();
    EXPECT_EQ(t.form.core.projector.state(), Transport::State::Stopped);
    EXPECT_EQ(backgroundTransport.state(), Transport::State::Stopped);
}

namespace {

// A key as the window system delivers it, with its time stamp.
void sendKey(QWidget* to, QEvent::Type type, int key, quint64 time, bool autoRepeat = false) {
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(to, &event);
}

} // namespace

// Held for a second, a key repeats some thirty times; however the repeats come, it is one GO.
TEST(ShowMode, AHeldKeyIsOneGo) {
    ShowForm t(QStringLiteral("[[Vol 10]] [[Vol 20]] [[Vol 30]] [[Vol 40]] [[Vol 50]]"));
    enum class Repeat { QtFlag, ReleasePressPairs, PressesOnly };
    quint64 time = 1000;
    auto hold = [&](int key, Repeat repeat) {
        sendKey(t.form.RTB, QEvent::KeyPress, key, time += 500);
        for (int i = 0; i < 30; ++i) {
            time += 33;
            if (repeat == Repeat::QtFlag) {
                sendKey(t.form.RTB, QEvent::KeyRelease, key, time, true);
                sendKey(t.form.RTB, QEvent::KeyPress, key, time, true);
            } else if (repeat == Repeat::ReleasePressPairs) {
                // X's own repeat as Qt passes it on when the two arrive apart: no flag.
                sendKey(t.form.RTB, QEvent::KeyRelease, key, time);
                sendKey(t.form.RTB, QEvent::KeyPress, key, time);
            } else {
                sendKey(t.form.RTB, QEvent::KeyPress, key, time);
            }
        }
        sendKey(t.form.RTB, QEvent::KeyRelease, key, time += 40);
    };
    const struct {
        int key;
        Repeat repeat;
        const char* volume;
        const char* standby;
    } steps[] = {{Qt::Key_Space, Repeat::QtFlag, "10", "Vol 20"},
                 {Qt::Key_Space, Repeat::ReleasePressPairs, "20", "Vol 30"},
                 {Qt::Key_Return, Repeat::QtFlag, "30", "Vol 40"},
                 {Qt::Key_Return, Repeat::ReleasePressPairs, "40", "Vol 50"},
                 {Qt::Key_Space, Repeat::PressesOnly, "50", ""}};
    for (const auto& step : steps) {
        hold(step.key, step.repeat);
        EXPECT_EQ(t.form.Label6->Caption().trimmed(), QLatin1String(step.volume));
        EXPECT_EQ(t.show().StandbyText(), QLatin1String(step.standby));
    }
    // Two quick presses are two GOs.
    t.rtb().setSelStart(0);
    sendKey(t.form.RTB, QEvent::KeyPress, Qt::Key_Space, time += 100);
    sendKey(t.form.RTB, QEvent::KeyRelease, Qt::Key_Space, time += 60);
    sendKey(t.form.RTB, QEvent::KeyPress, Qt::Key_Space, time += 80);
    sendKey(t.form.RTB, QEvent::KeyRelease, Qt::Key_Space, time += 60);
    EXPECT_EQ(t.form.Label6->Caption().trimmed(), QStringLiteral("20"));
}

// Whatever brings another script on screen, GO and the standby are about that script.
TEST(ShowMode, AScriptOpenedOrNewInShowModeGetsItsOwnStandby) {
    ScriptedDialogs dialogs;
    ShowForm t(kScript);
    t.key(Qt::Key_Space);
    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("Img Off"));
    t.form.core.session.SetModificato(0);
    t.folder.write(QStringLiteral("Scene two.snx"),
                   "{\\rtf1 The whole of the show in one title [[Vol 50]] and [[Vol 70]]}");
    dialogs.ExpectFile(t.folder.path(QStringLiteral("Scene two.snx")));
    t.form.shell->Label2_Click(1);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Vol 50"));
    EXPECT_TRUE(t.view().lblShowMode->Caption().contains(QStringLiteral("Vol 50")));
    ASSERT_EQ(t.rtb().extraSelections().size(), 1);
    EXPECT_EQ(t.rtb().extraSelections()[0].cursor.selectedText(), QStringLiteral("[[Vol 50]]"));
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.form.Label6->Caption().trimmed(), QStringLiteral("50"));
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Vol 70"));

    // A new script has no cue: nothing waits and GO runs nothing of the old one.
    t.form.core.session.SetModificato(0);
    t.form.shell->Label2_Click(0);
    EXPECT_FALSE(t.show().Standby().has_value());
    EXPECT_TRUE(t.rtb().extraSelections().isEmpty());
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.form.Label6->Caption().trimmed(), QStringLiteral("50"));
    EXPECT_EQ(t.rtb().TextLength(), 0);
}

// Cues name their media relative to the script. Neither opening the script from another
// folder nor choosing a file for the background player may lose them.
TEST(ShowMode, MediaBesideTheScriptAreFoundWhateverTheCurrentFolder) {
    ScriptedDialogs dialogs;
    const QString before = QDir::currentPath();
    auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
    ShowForm t(QStringLiteral("[[FadeIn]]"));
    TempProgramFolder elsewhere; // the folder the program was started from
    QDir().mkpath(t.folder.path(QStringLiteral("show/music")));
    t.folder.write(QStringLiteral("show/act.snx"), "{\\rtf1 Overture [[music/long.wav]]}");
    t.folder.write(QStringLiteral("show/music/long.wav"), "RIFF");
    QDir().mkpath(elsewhere.path(QStringLiteral("bg")));
    elsewhere.write(QStringLiteral("bg/bg.wav"), "RIFF");
    SetProgramFolder(elsewhere.dir.path());

    t.form.core.session.SetModificato(0);
    dialogs.ExpectFile(t.folder.path(QStringLiteral("show/act.snx")));
    t.form.shell->Label2_Click(1);
    // The background player's file, chosen from another folder.
    // The strip's first button opens a file.
    QToolButton* open = t.form.WMP3->findChildren<QToolButton*>().value(0);
    ASSERT_NE(open, nullptr);
    const QString current = QDir::currentPath();
    dialogs.ExpectFile(elsewhere.path(QStringLiteral("bg/bg.wav")));
    open->click();
    EXPECT_EQ(QDir::currentPath(), current);
    // And something else moved the current folder away from the script's.
    QDir::setCurrent(elsewhere.dir.path());

    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("music/long.wav"));
    t.key(Qt::Key_Space);
    EXPECT_TRUE(t.form.Label11->isHidden()) << t.form.Label11->Caption().toStdString();
    const QString opened = t.device.commands.filter(QStringLiteral("open ")).value(0);
    EXPECT_TRUE(
        opened.contains(t.folder.path(QStringLiteral("show/music/long.wav")), Qt::CaseInsensitive))
        << opened.toStdString();
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));
}

// One Escape must not end a show: while something plays it asks first, No the default.
TEST(ShowMode, EscapeOutsideShowModeAsksWhileTheShowRuns) {
    ScriptedDialogs dialogs;
    ShowForm t(QStringLiteral("[[tone.wav]]"));
    t.folder.write(QStringLiteral("tone.wav"), "RIFF");
    const QString before = QDir::currentPath();
    auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
    QDir::setCurrent(t.folder.dir.path());
    t.key(Qt::Key_Space);
    ASSERT_TRUE(t.form.playA->playing());
    t.show().SetActive(false);
    t.form.core.session.SetModificato(0);
    t.device.commands.clear();

    dialogs.ExpectMsgBox(vbmsg::No);
    QTest::keyClick(&t.form, Qt::Key_Escape);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, MessageText(Msg::ExitStopShow));
    EXPECT_EQ(dialogs.shown[0].buttons & 0x7, vbmsg::YesNo);
    EXPECT_TRUE(dialogs.shown[0].buttons & vbmsg::DefaultButton2);
    EXPECT_TRUE(t.form.isVisible());
    EXPECT_TRUE(t.form.playA->playing());
    EXPECT_FALSE(t.device.commands.contains(QStringLiteral("seek wav1 to start")));

    // The background music paused, or a video on the projector, is the show running too.
    t.form.audio->cmdStopA_Click();
    t.form.playA->set(false);
    for (Transport* running : {&t.form.core.background, &t.form.core.projector}) {
        running->SetState(Transport::State::Paused);
        const qsizetype asked = dialogs.shown.size();
        dialogs.ExpectMsgBox(vbmsg::No);
        QTest::keyClick(&t.form, Qt::Key_Escape);
        EXPECT_EQ(dialogs.shown.size(), asked + 1);
        EXPECT_TRUE(t.form.isVisible());
        running->SetState(Transport::State::Stopped);
    }

    // Nothing playing: Escape ends at once, as it always did.
    const qsizetype asked = dialogs.shown.size();
    QTest::keyClick(&t.form, Qt::Key_Escape);
    EXPECT_EQ(dialogs.shown.size(), asked);
    EXPECT_FALSE(t.form.isVisible());
}

// A cue that cannot run is named on the show bar until the next GO that runs, or 6 s. A missing
// file is named as soon as its cue is the standby, before the GO; the GO still tries it, as the
// file may be back by then.
TEST(ShowMode, ACueThatCannotRunIsNamedOnTheShowBar) {
    ShowForm t(QStringLiteral(
        "[[Vol 10]] [[missing.wav]] [[Vol 20]] [[fade sideways]] [[Vol 30]] [[late.wav]] "
        "[[junk.mp4]]"));
    t.folder.write(QStringLiteral("junk.mp4"), QByteArray(4096, 'x'));
    const QColor normal = t.view().lblShowMode->palette().color(QPalette::Window);
    EXPECT_TRUE(t.show().FailedCue().isEmpty());
    t.key(Qt::Key_Space);
    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("missing.wav"));
    EXPECT_TRUE(t.show().FailedCue().isEmpty()) << "not while the cue that ran starts";
    EXPECT_EQ(t.show().preparationTimer.Interval(), ShowMode::kPrepareAfterGoMs);
    t.show().preparationTimer.onTimer(); // a moment after the GO
    EXPECT_EQ(t.show().FailedCue(), QStringLiteral("missing.wav"));
    EXPECT_TRUE(t.view().lblShowMode->Caption().contains(QStringLiteral("[[missing.wav]]")));
    EXPECT_NE(t.view().lblShowMode->palette().color(QPalette::Window), normal);
    EXPECT_EQ(t.show().failureTimer.Interval(), Form1::kNoticeMs);
    EXPECT_EQ(t.form.Label11->Caption(), QStringLiteral("File non trovato"));
    t.key(Qt::Key_Space); // still missing at its GO: named again, and the standby moves on
    EXPECT_EQ(t.show().FailedCue(), QStringLiteral("missing.wav"));
    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("Vol 20"));
    t.key(Qt::Key_Space); // Vol 20 runs: the failure goes
    EXPECT_TRUE(t.show().FailedCue().isEmpty());
    EXPECT_FALSE(t.view().lblShowMode->Caption().contains(QStringLiteral("missing.wav")));
    EXPECT_EQ(t.view().lblShowMode->palette().color(QPalette::Window), normal);
    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("fade sideways"));
    t.key(Qt::Key_Space); // no such command
    EXPECT_EQ(t.show().FailedCue(), QStringLiteral("fade sideways"));
    t.show().failureTimer.onTimer(); // 6 s later
    EXPECT_TRUE(t.show().FailedCue().isEmpty());
    EXPECT_EQ(t.show().failureTimer.Interval(), 0);

    // A file put in place after its cue was named missing plays at the GO.
    t.key(Qt::Key_Space);
    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("late.wav"));
    t.show().preparationTimer.onTimer();
    EXPECT_EQ(t.show().FailedCue(), QStringLiteral("late.wav"));
    t.folder.write(QStringLiteral("late.wav"), "RIFF");
    t.key(Qt::Key_Space);
    EXPECT_TRUE(t.show().FailedCue().isEmpty());
    EXPECT_TRUE(t.device.file.endsWith(QStringLiteral("late.wav"))) << t.device.file.toStdString();
    EXPECT_EQ(t.device.mode, QStringLiteral("playing"));

    // A video that cannot load is named while it loads ahead, before its GO.
    ASSERT_EQ(t.show().StandbyText(), QStringLiteral("junk.mp4"));
    t.form.Label11->setVisible(false);
    t.show().preparationTimer.onTimer();
    EXPECT_TRUE(WaitFor([&] { return t.show().FailedCue() == QLatin1String("junk.mp4"); }));
    EXPECT_FALSE(t.form.Label11->isHidden());
}
