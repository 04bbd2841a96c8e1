#include "show/ShowMode.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/VolumeFades.h"
#include "platform/Clipboard.h"
#include "platform/MediaPlayerControl.h"
#include "platform/RichTextBox.h"
#include "show/CueList.h"
#include "show/Panic.h"
#include "show/ShowSettings.h"
#include "support/FakeMci.h"
#include "support/FakeMixer.h"
#include "support/ProgramFolder.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
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
    }
    RichTextBox& rtb() { return *form.RTB; }
    ShowMode& show() { return *form.showMode; }
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
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeIn"));
    t.key(Qt::Key_Space);
    EXPECT_TRUE(t.form.Timer3->Enabled()); // the fade in runs
    EXPECT_EQ(t.form.volume->PassoFade, -10);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Img Off"));
    t.key(Qt::Key_Return);
    // The interpreter wrote the cue back in its canonical form, blanks dropped.
    EXPECT_TRUE(t.rtb().Text().contains(QStringLiteral("[[Img Off]]")));
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeOut Slow"));
    t.key(Qt::Key_PageDown);
    EXPECT_EQ(t.form.volume->PassoFade, 1);
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("missing.wav"));
    // A held key repeats: it runs nothing more.
    QTest::sendKeyEvent(QTest::KeyAction::Press, t.form.RTB, Qt::Key_Space, ' ', Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QCoreApplication::sendEvent(t.form.RTB, &repeat);
    EXPECT_FALSE(t.form.Label11->isHidden()); // the missing file's notice, from the press
    EXPECT_EQ(t.show().StandbyText(), QString());
    EXPECT_FALSE(t.show().Standby().has_value());
    t.key(Qt::Key_Space); // after the last cue GO does nothing
    EXPECT_EQ(t.show().StandbyText(), QString());
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
    t.form.Modificato = 0; // loading the script was a change; nothing after it may be
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
    EXPECT_EQ(t.form.Modificato, 0);

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
    const QString mark = QStringLiteral(" [") + MessageText(Msg::ShowModeTitle) + u']';
    EXPECT_TRUE(t.form.Caption().endsWith(mark));
    t.form.AggiornaTitolo(QStringLiteral("/shows/Amleto.snx"));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx") + mark);
    EXPECT_TRUE(t.show().mnuShowMode->isChecked());
    EXPECT_TRUE(t.show().lblShowMode->isVisible());
    EXPECT_TRUE(t.show().lblShowMode->Caption().contains(QStringLiteral("FadeIn")));

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
        t.show().Retranslate();
        EXPECT_EQ(t.show().mnuShowMode->Caption(), QStringLiteral("Vorstellungsmodus"));
        EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx [VORSTELLUNG]"));
        EXPECT_TRUE(t.show().lblShowMode->Caption().contains(QStringLiteral("Bereit: FadeIn")));
    }
    t.show().Retranslate();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx") + mark);

    // F11's entry switches it off; the choice is kept for the next start.
    t.show().mnuShowMode->trigger();
    EXPECT_FALSE(t.show().Active());
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Amleto.snx"));
    EXPECT_FALSE(t.show().lblShowMode->isVisible());
    EXPECT_TRUE(t.rtb().extraSelections().isEmpty());
    saved.Read(ShowSettingsPath());
    EXPECT_FALSE(saved.showMode);
    t.show().mnuShowMode->trigger();
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
    t.form.Image2->Tag = QStringLiteral("40000");
    t.form.volume->ImpostaVolume();
    t.form.WMP3->settings.setVolume(60);
    const int video = t.form.WMP2->settings.volume();
    ASSERT_GT(video, 0);
    t.form.Timer3->setEnabled(true); // a fade in that would fight the panic

    panic.Start();
    EXPECT_FALSE(t.form.Timer3->Enabled());
    clock = 500;
    panic.Tick();
    EXPECT_NEAR(TestMixer().value, 20000, 100);
    EXPECT_NEAR(t.form.WMP3->settings.volume(), 30, 1);
    EXPECT_NEAR(t.form.WMP2->settings.volume(), video / 2, 1);
    EXPECT_FALSE(t.device.commands.contains(QStringLiteral("seek wav1 to start")));
    clock = 1000;
    panic.Tick();
    EXPECT_EQ(TestMixer().value, 0);
    EXPECT_EQ(t.form.WMP3->settings.volume(), 0);
    EXPECT_TRUE(t.device.commands.contains(QStringLiteral("seek wav1 to start")));
    EXPECT_TRUE(panic.Running());
    clock = 1000 + Panic::kRestoreAfterMs;
    panic.Tick();
    EXPECT_FALSE(panic.Running());
    EXPECT_EQ(TestMixer().value, 40000);
    EXPECT_EQ(t.form.WMP3->settings.volume(), 60);
    EXPECT_EQ(t.form.WMP2->settings.volume(), video);

    // A second panic within the second stops at once.
    t.device.commands.clear();
    clock = 5000;
    panic.Start();
    clock = 5300;
    panic.Tick();
    EXPECT_GT(TestMixer().value, 0);
    panic.Start();
    EXPECT_EQ(TestMixer().value, 0);
    EXPECT_TRUE(t.device.commands.contains(QStringLiteral("seek wav1 to start")));
    clock = 5300 + Panic::kRestoreAfterMs;
    panic.Tick();
    EXPECT_EQ(TestMixer().value, 40000);
    t.form.volume->MixerConnected = false;
}
