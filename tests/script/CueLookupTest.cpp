#include "script/CueLookup.h"
#include "support/FormSpies.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextTable>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Runs a test in a fresh temporary folder as the current folder.
struct InTempFolder {
    InTempFolder() : before(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~InTempFolder() { QDir::setCurrent(before); }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QTemporaryDir dir;
    QString before;
};

} // namespace

TEST(CueLookupClick, CaretPositionsAroundACue) {
    SpiedForm t;
    t.rtb().setText(QStringLiteral("ab [[fadein]] cd"));
    // "ab " is 0-2, "[[" 3-4, "fadein" 5-10, "]]" 11-12.
    const QList<int> runs = {4, 5, 8, 11};
    const QList<int> idle = {0, 3, 12, 13, 16};
    for (int s : runs) {
        t.log.calls.clear();
        t.rtb().setText(QStringLiteral("ab [[fadein]] cd"));
        t.clickAt(s);
        EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image4_Click")}) << "caret " << s;
        EXPECT_EQ(t.rtb().SelStart(), s) << "the caret goes back where it was";
    }
    for (int s : idle) {
        t.log.calls.clear();
        t.clickAt(s);
        EXPECT_TRUE(t.log.calls.isEmpty()) << "caret " << s;
        EXPECT_FALSE(t.form.Label11->Visible()) << "caret " << s;
    }
}

TEST(CueLookupClick, IncompleteOrTooShortScriptsRunNothing) {
    SpiedForm t;
    for (const char* script : {"[[x]", "[[a [[fadein]]", "[[fadein", "fadein]] x"}) {
        t.rtb().setText(QString::fromLatin1(script));
        t.clickAt(3);
        EXPECT_TRUE(t.log.calls.isEmpty()) << script;
        EXPECT_FALSE(t.form.Label11->Visible()) << script;
    }
    // Inside the inner cue of "[[a [[fadein]]" the cue runs.
    t.rtb().setText(QStringLiteral("[[a [[fadein]]"));
    t.clickAt(8);
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image4_Click")});
}

TEST(CueLookupClick, TheClosingBracketsMustBeWithinReach) {
    SpiedForm t;
    const QString pad(300, u' ');
    t.rtb().setText(QStringLiteral("[[fadeout") + pad + QStringLiteral("]]"));
    t.clickAt(5); // "]]" is about 300 characters ahead
    EXPECT_TRUE(t.log.calls.isEmpty());
    t.clickAt(9 + 300 - 255); // "]]" begins 256 characters after the caret
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image7_Click")});
    // The way back to "[[" has no limit.
    t.log.calls.clear();
    t.rtb().setText(QStringLiteral("[[") + QString(5000, u' ') + QStringLiteral("fadeout]]"));
    t.clickAt(5005);
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image7_Click")});
}

TEST(CueLookupClick, AnUnknownCueShowsTheNoticeForSixSeconds) {
    SpiedForm t;
    InTempFolder folder;
    t.form.cues->setCueCorrente(QStringLiteral("old"));
    t.rtb().setText(QStringLiteral("[[no such file.mp3]]"));
    t.clickAt(5);
    EXPECT_TRUE(t.log.calls.isEmpty());
    EXPECT_TRUE(t.form.Label11->Visible());
    EXPECT_EQ(t.form.Label11->Caption(), QStringLiteral("File non trovato"));
    EXPECT_EQ(t.form.Timer5->Interval(), 6000);
    EXPECT_EQ(t.form.cues->CueCorrente(), QString());
    t.form.Timer5->onTimer();
    EXPECT_FALSE(t.form.Label11->Visible());
    EXPECT_EQ(t.form.Timer5->Interval(), 0);
}

TEST(CueLookupClick, MediaCuesResolveAndLoad) {
    SpiedForm t;
    InTempFolder folder;
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir(QStringLiteral("music")));
    touch(folder.path(QStringLiteral("music/intro.mp3")));
    touch(folder.path(QStringLiteral("music/.hidden.mp3")));

    // Blanks are trimmed and a "\" folder works like "/".
    t.rtb().setText(QStringLiteral("[[  music\\intro.mp3  ]]"));
    t.form.Label11->setVisible(true);
    t.clickAt(6);
    const QString intro = folder.path(QStringLiteral("music/intro.mp3"));
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("vai(%1)").arg(intro)});
    EXPECT_EQ(t.form.cues->CueCorrente(), intro); // absolute: the same name elsewhere differs
    EXPECT_TRUE(t.form.cues->MediaDaCue);
    EXPECT_TRUE(t.form.mnuAudio->Visible());
    EXPECT_EQ(t.form.mnuPlayAudio->Caption(), QStringLiteral("Play"));
    EXPECT_FALSE(t.form.Label11->Visible());
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("[[  music\\intro.mp3  ]]")); // not rewritten

    // While audio plays, the counter is refreshed once for the new file.
    t.log.calls.clear();
    t.form.playA->set(true);
    t.clickAt(6);
    EXPECT_EQ(t.log.calls,
              QStringList({QStringLiteral("vai(%1)").arg(intro), QStringLiteral("Timer1_Timer")}));

    // Hidden files are not found.
    t.log.calls.clear();
    t.rtb().setText(QStringLiteral("[[music/.hidden.mp3]]"));
    t.clickAt(5);
    EXPECT_TRUE(t.log.calls.isEmpty());
    EXPECT_TRUE(t.form.Label11->Visible());
}

TEST(CueLookupClick, AFileOnlyUnderTheProgramFolderIsFound) {
    SpiedForm t;
    InTempFolder folder;
    const QString name =
        QStringLiteral("cue-lookup-test-%1.wav").arg(QCoreApplication::applicationPid());
    const QString inProgram = QCoreApplication::applicationDirPath() + u'/' + name;
    touch(inProgram);
    t.rtb().setText(QStringLiteral("[[") + name + QStringLiteral("]]"));
    t.clickAt(4);
    QFile::remove(inProgram);
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("vai(%1)").arg(inProgram)});
    EXPECT_EQ(t.form.cues->CueCorrente(), inProgram);
}

// Scripts from the original platform name files without caring about capitals.
TEST(CueLookupClick, NamesMatchIgnoringCaseFolderByFolder) {
    SpiedForm t;
    InTempFolder folder;
    ASSERT_TRUE(QDir(folder.dir.path()).mkpath(QStringLiteral("Music/Act 1")));
    touch(folder.path(QStringLiteral("Music/Act 1/intro.MP3")));
    touch(folder.path(QStringLiteral("Music/Act 1/Bell.wav")));
    touch(folder.path(QStringLiteral("Music/Act 1/bell.wav")));
    const auto loaded = [&](const char* cue) {
        t.log.calls.clear();
        t.rtb().setText(QStringLiteral("[[") + QLatin1String(cue) + QStringLiteral("]]"));
        t.clickAt(4);
        return t.log.calls.value(0);
    };
    const auto vai = [&](const char* file) {
        return QStringLiteral("vai(%1)").arg(folder.path(QLatin1String(file)));
    };
    EXPECT_EQ(loaded("music\\act 1\\Intro.mp3"), vai("Music/Act 1/intro.MP3"));
    EXPECT_EQ(loaded("MUSIC/ACT 1/BELL.WAV"), vai("Music/Act 1/Bell.wav")); // first when sorted
    EXPECT_EQ(loaded("Music/Act 1/bell.wav"), vai("Music/Act 1/bell.wav")); // the exact one
    EXPECT_EQ(loaded("music/act 2/intro.mp3"), QString());
    EXPECT_TRUE(t.form.Label11->Visible());
}

TEST(CueLookupClick, PicturesInAnyCaseStartNoPlayer) {
    SpiedForm t;
    InTempFolder folder;
    touch(folder.path(QStringLiteral("a.jpg")));
    touch(folder.path(QStringLiteral("b.JPG")));
    touch(folder.path(QStringLiteral("c.Bmp")));
    for (const char* script : {"[[b.JPG]]", "[[a.jpg]]", "[[c.Bmp]]"}) {
        // Audio was loaded before the picture.
        t.form.core.state.SetLastLoaded(ShowState::Loaded::Audio);
        t.form.TipoMedia = 1;
        t.rtb().setText(QLatin1String(script));
        t.rtb().setSelStart(4);
        t.log.calls.clear();
        t.form.cues->RTB_DblClick();
        EXPECT_EQ(t.log.calls.size(), 1) << script << ": " << t.log.calls.join(u',').toStdString();
        EXPECT_TRUE(t.log.calls.value(0).startsWith(QLatin1String("vai("))) << script;
        EXPECT_EQ(t.form.core.state.LastLoaded(), ShowState::Loaded::Picture) << script;
        EXPECT_FALSE(t.form.cues->MediaDaCue) << script;
    }
}

TEST(CueLookupDoubleClick, LoadsAndStartsAudioOrVideo) {
    SpiedForm t;
    InTempFolder folder;
    touch(folder.path(QStringLiteral("song.wav")));
    touch(folder.path(QStringLiteral("film.mp4")));
    t.rtb().setText(QStringLiteral("[[song.wav]] [[film.mp4]] [[fadein]]"));
    t.rtb().setSelStart(4);
    t.form.cues->RTB_DblClick();
    EXPECT_EQ(t.log.calls,
              QStringList({QStringLiteral("vai(%1)").arg(folder.path(QStringLiteral("song.wav"))),
                           QStringLiteral("cmdPlayA_Click(Play)"),
                           QStringLiteral("cmdPlayA_MouseMove")}));
    EXPECT_EQ(t.form.mnuPlayAudio->Caption(), QStringLiteral("Pausa"));

    t.log.calls.clear();
    t.rtb().setSelStart(16);
    t.form.cues->RTB_DblClick();
    EXPECT_EQ(t.log.calls,
              QStringList({QStringLiteral("vai(%1)").arg(folder.path(QStringLiteral("film.mp4"))),
                           QStringLiteral("cmdPlayV_Click(Play)")}));
    EXPECT_TRUE(t.form.mnuVideo->Visible());

    // On a command it does what a click does, once.
    t.log.calls.clear();
    t.rtb().setSelStart(30);
    t.form.cues->RTB_DblClick();
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image4_Click")});
}

TEST(CueLookupClosingBracket, NormalisesACommandWithoutRunningIt) {
    SpiedForm t;
    t.rtb().setText(QStringLiteral("go [[fadein slow]"));
    t.rtb().setSelStart(t.rtb().TextLength());
    QTest::keyClick(t.form.RTB, Qt::Key_BracketRight);
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("go [[FadeIn Slow]]"));
    EXPECT_TRUE(t.log.calls.isEmpty());
    EXPECT_EQ(t.rtb().SelStart(), 18);
    EXPECT_EQ(t.rtb().SelLength(), 0);
    t.rtb().setSelStart(3);
    t.rtb().setSelLength(15);
    EXPECT_EQ(t.rtb().SelColor(), RGB(0, 0, 255));
    t.rtb().setSelStart(0);
    t.rtb().setSelLength(3);
    EXPECT_EQ(t.rtb().SelColor(), 0);

    // Blanks around the text are dropped and the caret follows the shorter cue.
    t.rtb().setText(QStringLiteral("[[  vol 150  ]"));
    t.rtb().setSelStart(14);
    QTest::keyClick(t.form.RTB, Qt::Key_BracketRight);
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("[[Vol 150]]")); // typed: no clamp
    EXPECT_TRUE(t.log.calls.isEmpty());
}

TEST(CueLookupClosingBracket, LeavesOtherTextAlone) {
    SpiedForm t;
    for (const char* typed : {"[[fade  in slow]", "no cue here]", "]]x]", "[[a]] b]"}) {
        t.rtb().setText(QString::fromLatin1(typed));
        t.rtb().setSelStart(t.rtb().TextLength());
        QTest::keyClick(t.form.RTB, Qt::Key_BracketRight);
        EXPECT_EQ(t.rtb().Text(), QString::fromLatin1(typed) + u']') << typed;
        EXPECT_EQ(t.rtb().SelStart(), t.rtb().TextLength()) << typed;
    }
    // Deep in a long script, past 32,767 characters, it still works.
    const QString lead(40000, u'x');
    t.rtb().setText(lead + QStringLiteral("\r\n[[stop audio]"));
    t.form.core.state.SetAudioLoaded(true);
    t.rtb().setSelStart(t.rtb().TextLength());
    QTest::keyClick(t.form.RTB, Qt::Key_BracketRight);
    EXPECT_TRUE(t.rtb().Text().endsWith(QStringLiteral("\r\n[[Stop Audio]]")));
    EXPECT_TRUE(t.log.calls.isEmpty());
}

TEST(CueLookupKeys, ControlShortcutsRunTheProgramsCommands) {
    SpiedForm t;
    QApplication::clipboard()->setText(QStringLiteral("PASTED"));
    t.rtb().setText(QStringLiteral("abc"));
    t.rtb().setSelStart(3);
    NomeLingua = QStringLiteral("English.lng");
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_I, Qt::Key_B,
                        Qt::Key_U, Qt::Key_G, Qt::Key_S})
        QTest::keyClick(t.form.RTB, key, Qt::ControlModifier);
    EXPECT_EQ(t.log.calls,
              QStringList({QStringLiteral("mnuAnnulla_Click"), QStringLiteral("mnuRipeti_Click"),
                           QStringLiteral("mnuCopia_Click"), QStringLiteral("mnuIncolla_Click"),
                           QStringLiteral("mnuTaglia_Click"), QStringLiteral("Label2_Click(5)"),
                           QStringLiteral("Label2_Click(4)"), QStringLiteral("Label2_Click(6)")}));
    // The control itself did not paste, cut or change anything.
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("abc"));
    EXPECT_GE(t.edit->formatRefreshes, 10);

    t.log.calls.clear();
    NomeLingua = QStringLiteral("Italiano.lng");
    for (Qt::Key key : {Qt::Key_G, Qt::Key_S, Qt::Key_B, Qt::Key_U})
        QTest::keyClick(t.form.RTB, key, Qt::ControlModifier);
    EXPECT_EQ(t.log.calls,
              QStringList({QStringLiteral("Label2_Click(4)"), QStringLiteral("Label2_Click(6)")}));

    // Ctrl with Shift or Alt is not a shortcut; F1 and F9 work with any modifiers.
    t.log.calls.clear();
    QTest::keyClick(t.form.RTB, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(t.form.RTB, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(t.form.RTB, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(t.form.RTB, Qt::Key_F9);
    EXPECT_EQ(t.log.calls, QStringList({QStringLiteral("mnuGuida_Click"),
                                        QStringLiteral("mnuImpostaAudio_Click")}));
    NomeLingua.clear();
}

TEST(CueLookupKeys, TheMenusKeysWorkWhateverHasTheFocus) {
    SpiedForm t;
    t.form.show();
    t.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.form));
    // F9 from the font box, not only from the script; the menu shows it. Ctrl+O opens.
    t.form.Combo1->setFocus();
    QTest::keyClick(t.form.Combo1, Qt::Key_F9);
    QTest::keyClick(t.form.Combo1, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(t.log.calls, QStringList({QStringLiteral("mnuImpostaAudio_Click"),
                                        QStringLiteral("Label2_Click(1)")}));
    EXPECT_EQ(t.form.mnuImpostaAudio->shortcut(), QKeySequence(Qt::Key_F9));
    // From the script, F9 runs once: the script's own handling, not the menu's as well.
    t.log.calls.clear();
    t.form.RTB->setFocus();
    QTest::keyClick(t.form.RTB, Qt::Key_F9);
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("mnuImpostaAudio_Click")});
}

TEST(CueLookupKeys, ControlShortcutsRunEvenWhenCtrlIsReleasedFirst) {
    SpiedForm t;
    t.rtb().setText(QStringLiteral("abc"));
    t.rtb().setSelLength(2);
    QTest::keyPress(t.form.RTB, Qt::Key_Control);
    QTest::keyPress(t.form.RTB, Qt::Key_C, Qt::ControlModifier);
    QTest::keyRelease(t.form.RTB, Qt::Key_Control);
    QTest::keyRelease(t.form.RTB, Qt::Key_C);
    EXPECT_EQ(t.log.calls, QStringList({QStringLiteral("mnuCopia_Click")}));
}

TEST(CueLookupKeys, OneKeyPressRunsItsCommandOnceWithAMenuAccelerator) {
    SpiedForm t;
    int viaMenu = 0;
    auto* undo = new MenuItem(QStringLiteral("Annulla"), t.form.mnuModifica);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->onClick = [&] { ++viaMenu; };
    t.form.mnuModifica->addAction(undo);
    t.form.show();
    QApplication::setActiveWindow(&t.form);
    t.form.RTB->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.form));
    QTest::keyClick(t.form.RTB, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.log.calls.count(QStringLiteral("mnuAnnulla_Click")) + viaMenu, 1);
}

TEST(CueLookupMouse, RightButtonOpensTheEditMenuAndMovesClearTheHighlight) {
    SpiedForm t;
    t.form.mnuModifica->addAction(QStringLiteral("Copia"));
    t.form.cues->RTB_MouseDown(1, 0, 150, 150);
    EXPECT_FALSE(t.form.mnuModifica->isVisible());
    t.form.cues->RTB_MouseDown(2, 0, 150, 150);
    EXPECT_TRUE(t.form.mnuModifica->isVisible());
    t.form.mnuModifica->hide();
    t.form.cues->RTB_MouseMove(0, 0, 300, 300);
    EXPECT_EQ(t.visuals->highlightResets, 1);
}

TEST(CueLookupClick, ACueInATableCellRunsAndStaysInItsCell) {
    // A prompt book from a word processor: the play's text on the left, the cues on the right.
    SpiedForm t;
    InTempFolder folder;
    touch(folder.path(QStringLiteral("thunder.wav")));
    t.rtb().LoadContent(R"({\rtf1\trowd\cellx4500\cellx9000\pard\intbl HAMLET: To be\cell)"
                        R"(\pard\intbl [[fadein slow]]\cell\row)"
                        R"(\trowd\cellx4500\cellx9000\pard\intbl OPHELIA: My lord\cell)"
                        R"(\pard\intbl [[thunder.wav]]\cell\row})");
    const int fade = t.rtb().Text().indexOf(QStringLiteral("fadein"));
    t.clickAt(fade + 2);
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("Image6_Click")});
    EXPECT_TRUE(t.rtb().Text().contains(QStringLiteral("HAMLET: To be\r\n[[FadeIn Slow]]\r\n")));
    const QTextCursor cue = t.rtb().document()->find(QStringLiteral("[[FadeIn Slow]]"));
    ASSERT_NE(cue.currentTable(), nullptr);
    EXPECT_EQ(cue.currentTable()->cellAt(cue.position()).column(), 1);
    EXPECT_EQ(cue.charFormat().foreground().color(), QColor(0, 0, 255));

    t.log.calls.clear();
    t.clickAt(t.rtb().Text().indexOf(QStringLiteral("thunder")) + 1);
    EXPECT_EQ(t.log.calls, QStringList{QStringLiteral("vai(%1)").arg(
                               folder.path(QStringLiteral("thunder.wav")))});
}
