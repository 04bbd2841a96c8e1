#include "app/Recovery.h"
#include "app/Commands.h"
#include "app/Lifecycle.h"
#include "app/RecoveryFile.h"
#include "app/Startup.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/SingleInstance.h"
#include "platform/Timer.h"
#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "show/ShowMode.h"
#include "support/ProgramFolder.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "support/TempXdg.h"
#include "support/TestHelper.h"
#include "ui/Form1.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

const char* const kChildVariable = "SCENOLUX_RECOVERY_CHILD";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The recovery copies in folder, and the ones put aside as damaged.
QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("Scenolux-recovery-*.snx")}, QDir::Files);
}
QStringList damagedIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("Scenolux-damaged-*")}, QDir::Files);
}

// A formatted script on disk: a bold red heading, a cue, a line in another font.
void writeScript(const QString& path) {
    RichTextBox box;
    box.setText(QStringLiteral("Act one\r\nThe curtain rises [[Sipario.wav]]\r\nBlackout"));
    box.setSelStart(0);
    box.setSelLength(7);
    box.setSelBold(true);
    box.setSelColor(RGB(200, 0, 0));
    box.setSelStart(box.Text().indexOf(QStringLiteral("Blackout")));
    box.setSelLength(8);
    box.setSelFontName(QStringLiteral("Courier New"));
    ASSERT_TRUE(box.SaveFile(path));
}

// The edits an operator makes before the crash: new text, formatting alone, a new cue.
void editScript(RichTextBox& rtb) {
    rtb.setSelStart(0);
    rtb.setSelText(QStringLiteral("Scene 2. "));
    rtb.setSelStart(0);
    rtb.setSelLength(5);
    rtb.setSelItalic(true);
    rtb.setSelStart(rtb.TextLength());
    rtb.setSelText(QStringLiteral("\r\n[[FadeOut Slow]]"));
}

// The start of the note that the script's file changed after the copy was made.
QString newerNote(const QString& name) {
    return MessageText(Msg::RecoveryNewer).arg(name, QString()).section(u'(', 0, 0);
}

void leaveTheProgram() {
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
}

// A main window loaded as at start-up, in English, with the user's folders in a temporary
// place. A window destroyed without going through its exit ends like a crashed program.
struct RecoveryForm {
    RecoveryForm() {
        folder.write(QStringLiteral("Scenolux.ini"), "English.lng\r\n100\r\n600\r\n0\r\n");
        form = std::make_unique<Form1>();
        form->lifecycle->Form_Load(QString());
    }
    ~RecoveryForm() { QDir::setCurrent(before); }
    Recovery& recovery() { return *form->recovery; }
    RichTextBox& rtb() { return *form->RTB; }
    // Ends this window as a crash would, and starts a new one.
    void restart() {
        form.reset();
        form = std::make_unique<Form1>();
        form->lifecycle->Form_Load(QString());
    }
    QString dataFolder() const { return xdg.dir.path() + QStringLiteral("/data/Scenolux"); }

    SavedLingua lingua;
    QString before = QDir::currentPath();
    TempXdg xdg;
    TempProgramFolder folder;
    std::unique_ptr<Form1> form;
};

} // namespace

TEST(Recovery, CopyWrittenEachMinuteAndOnLeavingTheProgramWhenTheScriptChanged) {
    RecoveryForm t;
    const QString script = t.folder.path(QStringLiteral("show.snx"));
    writeScript(script);
    t.form->OpenCommandLineScript(script);
    ScriptedDialogs none;
    t.recovery().Begin();
    EXPECT_EQ(t.recovery().copyTimer->Interval(), 60000);

    // Nothing unsaved: nothing to keep.
    t.recovery().copyTimer->onTimer();
    leaveTheProgram();
    EXPECT_TRUE(copiesIn(t.dataFolder()).isEmpty());

    editScript(t.rtb());
    t.recovery().copyTimer->onTimer();
    ASSERT_EQ(copiesIn(t.dataFolder()).size(), 1);
    const QString copy = t.recovery().CopyPath();
    EXPECT_EQ(QFileInfo(copy).absolutePath(), t.dataFolder());
    const QByteArray first = readAll(copy);
    EXPECT_EQ(RecoverySource(first), QFileInfo(script).absoluteFilePath());
    RichTextBox reread;
    reread.LoadContent(first);
    EXPECT_EQ(reread.Text(), t.rtb().Text());
    EXPECT_EQ(reread.FileContent(), t.rtb().FileContent());

    // Unchanged since: the copy is not written again, neither by the timer nor on leaving.
    writeAll(copy, "untouched");
    t.recovery().copyTimer->onTimer();
    leaveTheProgram();
    EXPECT_EQ(readAll(copy), QByteArray("untouched"));

    // Formatting alone is a change worth keeping.
    t.rtb().setSelStart(0);
    t.rtb().setSelLength(5);
    t.rtb().setSelUnderline(true);
    leaveTheProgram();
    reread.LoadContent(readAll(copy));
    reread.setSelStart(1);
    EXPECT_EQ(reread.SelUnderline(), std::optional<bool>(true));
    EXPECT_EQ(reread.FileContent(), t.rtb().FileContent());
}

TEST(Recovery, SaveDiscardingAndACleanExitRemoveTheCopy) {
    RecoveryForm t;
    ScriptedDialogs script;
    t.recovery().Begin();
    t.form->show();
    auto edited = [&] {
        t.rtb().setSelStart(t.rtb().TextLength());
        t.rtb().setSelText(QStringLiteral("[[Play Audio]] "));
        leaveTheProgram();
        return QFileInfo::exists(t.recovery().CopyPath());
    };

    // Save As of an untitled script.
    ASSERT_TRUE(edited());
    const QString saved = t.folder.path(QStringLiteral("saved.snx"));
    script.ExpectFile(saved);
    t.form->shell->Label2_Click(2);
    EXPECT_FALSE(QFileInfo::exists(t.recovery().CopyPath()));
    // Save of a titled one.
    ASSERT_TRUE(edited());
    t.form->shell->Label2_Click(2);
    EXPECT_FALSE(QFileInfo::exists(t.recovery().CopyPath()));

    // New, the changes discarded.
    ASSERT_TRUE(edited());
    script.ExpectMsgBox(vbmsg::No);
    t.form->shell->Label2_Click(0);
    EXPECT_FALSE(QFileInfo::exists(t.recovery().CopyPath()));
    // Open, the changes discarded; an Open cancelled in its dialog discards nothing.
    ASSERT_TRUE(edited());
    script.ExpectMsgBox(vbmsg::No);
    script.ExpectFile(QString());
    t.form->shell->Label2_Click(1);
    EXPECT_TRUE(QFileInfo::exists(t.recovery().CopyPath()));
    script.ExpectMsgBox(vbmsg::No);
    script.ExpectFile(saved);
    t.form->shell->Label2_Click(1);
    EXPECT_FALSE(QFileInfo::exists(t.recovery().CopyPath()));

    // Exit: Cancel keeps window and copy; No leaves and removes it.
    ASSERT_TRUE(edited());
    script.ExpectMsgBox(vbmsg::Cancel);
    EXPECT_FALSE(t.form->close());
    EXPECT_TRUE(QFileInfo::exists(t.recovery().CopyPath()));
    script.ExpectMsgBox(vbmsg::No);
    EXPECT_TRUE(t.form->close());
    EXPECT_TRUE(copiesIn(t.dataFolder()).isEmpty());
    // Nothing is left to offer at the next start.
    t.restart();
    t.form->recovery->Begin();
    EXPECT_EQ(script.shown.size(), 8);
}

// The child of the test below: a program that opens a script, changes it, turns to another
// program, and is then killed. It reports the copy and what the operator had on screen.
SCENOLUX_TEST_HELPER(RecoveryChild) {
    const QString folder = qEnvironmentVariable(kChildVariable);
    SingleInstance instance(QStringLiteral("scenolux-recovery-test"));
    if (!instance.Acquire()) return 2;
    TempProgramFolder program;
    program.write(QStringLiteral("Scenolux.ini"), "English.lng\r\n");
    ScriptedDialogs none;
    Form1 form;
    form.lifecycle->Form_Load(folder + QStringLiteral("/show.snx"));
    form.show();
    form.recovery->Begin();
    editScript(*form.RTB);
    leaveTheProgram();
    if (!form.RTB->SaveFile(folder + QStringLiteral("/on-screen.snx"))) return 3;
    std::printf("ready %s\n", qPrintable(form.recovery->CopyPath()));
    std::fflush(stdout);
    QTest::qWait(60000); // the test kills it long before; a bound should the test be gone
    return 4;
}

TEST(Recovery, AKilledProgramsCopyIsOfferedAndOpensWithNothingLost) {
    RecoveryForm t;
    QTemporaryDir work;
    QTemporaryDir runtime;
    const QString script = work.filePath(QStringLiteral("show.snx"));
    writeScript(script);
    const QByteArray original = readAll(script);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kChildVariable), work.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    StartTestHelper(child, "RecoveryChild");
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray output;
    QString copy;
    QDeadlineTimer deadline(60000);
    while (copy.isEmpty() && !deadline.hasExpired() && child.state() == QProcess::Running) {
        child.waitForReadyRead(1000);
        output += child.readAllStandardOutput();
        for (const QByteArray& line : output.split('\n'))
            if (line.startsWith("ready ")) copy = QString::fromLocal8Bit(line.mid(6));
    }
    ASSERT_FALSE(copy.isEmpty()) << output.constData();
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    // The copy and nothing else was left; the file itself is as it was.
    EXPECT_EQ(QFileInfo(copy).absolutePath(), t.dataFolder());
    EXPECT_TRUE(QFileInfo::exists(copy));
    EXPECT_EQ(readAll(script), original);
    // The killed program's claim to be the one running copy does not keep the next one out.
    {
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        SingleInstance next(QStringLiteral("scenolux-recovery-test"));
        EXPECT_TRUE(next.Acquire());
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    }

    ScriptedDialogs offer;
    offer.ExpectChoice(0);
    t.recovery().Begin();
    ASSERT_EQ(offer.shown.size(), 1);
    EXPECT_TRUE(offer.shown[0].text.contains(QStringLiteral("show.snx")))
        << qPrintable(offer.shown[0].text);
    EXPECT_EQ(offer.shown[0].choices.size(), 3);
    EXPECT_FALSE(offer.shown[0].text.contains(newerNote(QStringLiteral("show.snx"))));

    // Text and formatting exactly as they were on screen, under the script's own name, still
    // to be saved.
    const QByteArray onScreen = readAll(work.filePath(QStringLiteral("on-screen.snx")));
    EXPECT_EQ(t.rtb().FileContent(), onScreen);
    RichTextBox expected;
    expected.LoadContent(onScreen);
    EXPECT_EQ(t.rtb().Text(), expected.Text());
    EXPECT_EQ(t.form->FileCorrente, QFileInfo(script).absoluteFilePath());
    EXPECT_EQ(t.form->Caption(), QStringLiteral("Scenolux - *show.snx"));
    EXPECT_EQ(t.form->core.session.Modificato(), 1);
    EXPECT_TRUE(QFileInfo::exists(copy)); // until it is saved
    t.form->shell->Label2_Click(2);
    EXPECT_EQ(readAll(script), onScreen);
    EXPECT_FALSE(QFileInfo::exists(copy));
}

TEST(Recovery, KeptForLaterItIsAskedAgainAndDiscardedItIsGone) {
    RecoveryForm t;
    t.rtb().setText(QStringLiteral("Prologue [[Intro.mp3]]"));
    t.recovery().WriteCopy();
    const QString copy = t.recovery().CopyPath();
    const QByteArray bytes = readAll(copy);
    t.restart();

    ScriptedDialogs script;
    NomeLingua = QStringLiteral("Deutsch.lng"); // the offer speaks the operator's language
    script.ExpectChoice(1);
    t.recovery().Begin();
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(script.shown[0].choices,
              QStringList({QStringLiteral("Kopie öffnen"), QStringLiteral("Für später aufheben"),
                           QStringLiteral("Verwerfen")}));
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("einem neuen, unbenannten Skript")));
    EXPECT_EQ(t.rtb().TextLength(), 0);
    EXPECT_EQ(t.form->core.session.Modificato(), 0);
    EXPECT_EQ(readAll(copy), bytes);

    // Kept: asked again at the next start; opened, an untitled script stays untitled.
    t.restart();
    script.ExpectChoice(0);
    t.recovery().Begin();
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("Prologue [[Intro.mp3]]"));
    EXPECT_TRUE(t.form->FileCorrente.isEmpty());
    EXPECT_EQ(t.form->Caption(), QStringLiteral("Scenolux - *") + t.form->BaseCopione + u'1');
    EXPECT_EQ(t.form->core.session.Modificato(), 1);

    t.restart();
    script.ExpectChoice(2);
    t.recovery().Begin();
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_EQ(t.rtb().TextLength(), 0);
    t.restart();
    t.recovery().Begin(); // nothing left to ask about
    EXPECT_EQ(script.shown.size(), 3);
}

TEST(Recovery, ADamagedCopyIsReportedAndKeptAsideWhole) {
    RecoveryForm t;
    t.rtb().setText(QStringLiteral("Act two"));
    t.recovery().WriteCopy();
    const QString copy = t.recovery().CopyPath();
    QByteArray cut = readAll(copy);
    cut.chop(20); // a power cut in the middle of writing, on a file system that lost the end
    writeAll(copy, cut);
    t.restart();

    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::OK);
    t.recovery().Begin();
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].text.contains(MessageText(Msg::RecoveryIncomplete)));
    const QStringList aside = damagedIn(t.dataFolder());
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(script.shown[0].text.contains(aside[0]));
    EXPECT_EQ(readAll(t.dataFolder() + u'/' + aside[0]), cut);
    EXPECT_EQ(t.rtb().TextLength(), 0);
    EXPECT_EQ(t.form->core.session.Modificato(), 0);

    // Reported once: the next start has nothing to say.
    t.restart();
    t.recovery().Begin();
    EXPECT_EQ(script.shown.size(), 1);
}

TEST(Recovery, TheOfferWarnsOfANewerFileAndOfTheScriptItReplaces) {
    RecoveryForm t;
    const QString older = t.folder.path(QStringLiteral("older.snx"));
    const QString other = t.folder.path(QStringLiteral("other.snx"));
    writeScript(older);
    writeScript(other);
    t.form->OpenCommandLineScript(older);
    editScript(t.rtb());
    t.recovery().WriteCopy();
    const QString copy = t.recovery().CopyPath();
    t.restart();
    // The file was saved again later (from another program, or another computer).
    QFile file(older);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QFileInfo(copy).lastModified().addSecs(600),
                                 QFileDevice::FileModificationTime));
    file.close();
    t.form->OpenCommandLineScript(other);

    ScriptedDialogs script;
    script.ExpectChoice(1);
    t.recovery().Begin();
    ASSERT_EQ(script.shown.size(), 1);
    const QString text = script.shown[0].text;
    EXPECT_TRUE(text.contains(newerNote(QStringLiteral("older.snx")))) << qPrintable(text);
    EXPECT_TRUE(text.contains(MessageText(Msg::RecoveryReplaces).arg(QStringLiteral("other.snx"))))
        << qPrintable(text);
    EXPECT_EQ(t.form->FileCorrente, QFileInfo(other).absoluteFilePath());
}

TEST(Recovery, APortableCopyLivesInTheProgramFolderAndARunningOneIsNotOffered) {
    RecoveryForm t;
    t.folder.write(QStringLiteral("Files/Portable.ini"), "");
    t.rtb().setText(QStringLiteral("Portable show"));
    t.recovery().WriteCopy();
    EXPECT_EQ(QFileInfo(t.recovery().CopyPath()).absolutePath(),
              QFileInfo(t.folder.dir.path()).absoluteFilePath());
    EXPECT_EQ(copiesIn(t.folder.dir.path()).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(t.dataFolder()));

    // A second portable copy of the program started beside the first leaves its copy alone.
    ScriptedDialogs script;
    {
        Form1 second;
        second.lifecycle->Form_Load(QString());
        second.recovery->Begin();
        EXPECT_TRUE(script.shown.isEmpty());
    }
    // Once the first has crashed, its copy is offered.
    t.restart();
    script.ExpectChoice(0);
    t.recovery().Begin();
    EXPECT_EQ(t.rtb().Text(), QStringLiteral("Portable show"));
}

// A copy opened while show mode is on is the script GO runs from its first cue.
TEST(Recovery, ACopyOpenedInShowModeGetsItsOwnStandby) {
    RecoveryForm t;
    t.rtb().setText(QStringLiteral("A long title of the show [[Vol 50]] and [[Vol 70]]"));
    t.recovery().WriteCopy();
    t.restart();
    t.rtb().setText(QStringLiteral("Another script [[Vol 10]] [[Vol 20]]"));
    t.rtb().setSelStart(0);
    t.form->core.session.SetModificato(0);
    t.form->showMode->SetActive(true);
    t.form->showMode->goGuard.SetMinimumMs(0); // two GOs follow at once
    QTest::keyClick(t.form->RTB, Qt::Key_Space);
    ASSERT_EQ(t.form->showMode->StandbyText(), QStringLiteral("Vol 20"));

    ScriptedDialogs script;
    script.ExpectChoice(0);
    t.recovery().Begin();
    EXPECT_EQ(t.form->showMode->StandbyText(), QStringLiteral("Vol 50"));
    QTest::keyClick(t.form->RTB, Qt::Key_Space);
    EXPECT_EQ(t.form->Label6->Caption().trimmed(), QStringLiteral("50"));
    EXPECT_EQ(t.form->showMode->StandbyText(), QStringLiteral("Vol 70"));
    t.form->showMode->SetActive(false);
}

// The start as the program makes it: show mode is back as it was left before the copy a crash
// left is offered, so "Open the copy" opens it in show mode with GO on its first cue.
TEST(Recovery, AtTheStartShowModeIsBackBeforeTheCopyIsOffered) {
    RecoveryForm t;
    t.rtb().setText(QStringLiteral("A long title of the show [[Vol 50]] and [[Vol 70]]"));
    t.recovery().WriteCopy();
    t.form->showMode->SetActive(true); // kept in the show settings
    t.form.reset();                    // the crash

    // What the operator sees when the offer comes.
    struct Offer : ScriptedDialogs {
        int Choose(const QString& prompt, const QStringList& choices, int escapeChoice, int icon,
                   const QString& title) override {
            if (seen) seen();
            return ScriptedDialogs::Choose(prompt, choices, escapeChoice, icon, title);
        }
        std::function<void()> seen;
    } script;
    script.ExpectChoice(0);
    Form1 form;
    bool overTheShow = false;
    script.seen = [&] { overTheShow = form.isVisible() && form.showMode->Active(); };
    StartWindow({*form.lifecycle, *form.showMode, *form.recovery, [&] { form.showMaximized(); }},
                QString());
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(overTheShow) << "offered over the window in show mode";
    EXPECT_TRUE(form.showMode->Active());
    EXPECT_EQ(form.showMode->StandbyText(), QStringLiteral("Vol 50"));
    QTest::keyClick(form.RTB, Qt::Key_Space);
    EXPECT_EQ(form.Label6->Caption().trimmed(), QStringLiteral("50"));
    form.showMode->SetActive(false);
}
