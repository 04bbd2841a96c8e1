#include "app/Commands.h"
#include "app/Paths.h"
#include "i18n/Lingua.h"
#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "script/EditCommands.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct ScriptForm {
    ScriptForm() {
        Lingua[1] = QStringLiteral("Scenolux");
        Lingua[97] = QStringLiteral("Copione");
        Lingua[123] = QStringLiteral("Salvare?");
        Lingua[148] = QStringLiteral("Salvato");
        form.BaseCopione = Lingua[97] + u' ';
        before = QDir::currentPath();
    }
    ~ScriptForm() { QDir::setCurrent(before); }
    ShellCommands& shell() { return *form.shell; }
    TempProgramFolder folder;
    Form1 form;
    QString before;
};

} // namespace

TEST(ScriptFiles, SaveOnAnUntitledUnchangedScriptDoesNothing) {
    ScriptForm t;
    ScriptedDialogs none;
    t.shell().Label2_Click(2);
    EXPECT_FALSE(t.form.Label11->Visible());
}

TEST(ScriptFiles, SaveAsWritesRtfWhateverTheExtensionAndTitlesTheWindow) {
    ScriptForm t;
    t.form.RTB->setText(QStringLiteral("Act one [[FadeIn]]"));
    ASSERT_EQ(t.form.core.session.Modificato(), 1);
    const QString path = t.folder.path(QStringLiteral("show.txt"));
    ScriptedDialogs script;
    script.ExpectFile(path);
    t.shell().Label2_Click(2); // untitled and changed: Save As
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(script.shown[0].request.fileName, QStringLiteral("Copione 1"));
    EXPECT_EQ(script.shown[0].request.defaultExtension, QStringLiteral("snx"));
    EXPECT_TRUE(t.folder.read(QStringLiteral("show.txt")).startsWith("{\\rtf1"));
    EXPECT_EQ(t.form.FileCorrente, path);
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - show.txt"));
    EXPECT_EQ(t.form.core.session.Modificato(), 0);
    EXPECT_EQ(t.form.UltimaCartella, QDir(t.folder.dir.path()).canonicalPath());

    // Saved and unchanged: nothing written, but the notice for five seconds.
    t.folder.write(QStringLiteral("show.txt"), "untouched");
    t.shell().Label2_Click(2);
    EXPECT_EQ(t.folder.read(QStringLiteral("show.txt")), QByteArray("untouched"));
    EXPECT_TRUE(t.form.Label11->Visible());
    EXPECT_EQ(t.form.Label11->Caption(), QStringLiteral("Salvato"));
    EXPECT_EQ(t.form.Timer5->Interval(), 5000);

    // Save As proposes the script's own name and folder; No to the overwrite question
    // changes nothing.
    t.form.RTB->setText(QStringLiteral("changed"));
    script.ExpectFile(path);
    script.ExpectMsgBox(vbmsg::No);
    EXPECT_EQ(t.shell().SalvaConNome(), QString());
    EXPECT_EQ(script.shown[1].request.fileName, QStringLiteral("show.txt"));
    EXPECT_EQ(script.shown[1].request.initialFolder, t.folder.dir.path());
    EXPECT_EQ(t.form.core.session.Modificato(), 1);
    EXPECT_EQ(t.folder.read(QStringLiteral("show.txt")), QByteArray("untouched"));
    script.ExpectFile(QString());
    EXPECT_EQ(t.shell().SalvaConNome(), QStringLiteral("1")); // cancelled marker
}

TEST(ScriptFiles, NewAsksFirstAndNumbersTheUntitledScripts) {
    ScriptForm t;
    ScriptedDialogs script;
    t.shell().Label2_Click(0);
    t.shell().Label2_Click(0);
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - Copione 3"));
    t.form.RTB->setText(QStringLiteral("weeks of work"));
    // Yes, then Cancel in Save As: the script and its text stay, marked changed.
    script.ExpectMsgBox(vbmsg::Yes);
    script.ExpectFile(QString());
    t.shell().Label2_Click(0);
    EXPECT_EQ(t.form.RTB->Text(), QStringLiteral("weeks of work"));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - *Copione 3"));
    script.ExpectMsgBox(vbmsg::Cancel);
    t.shell().Label2_Click(0);
    EXPECT_EQ(t.form.RTB->Text(), QStringLiteral("weeks of work"));
    script.ExpectMsgBox(vbmsg::No);
    t.shell().Label2_Click(0);
    EXPECT_EQ(t.form.RTB->Text(), QString());
    EXPECT_EQ(t.form.core.session.Modificato(), 0);
}

TEST(ScriptFiles, OpenLoadsOrTellsWhyAndLosesNothing) {
    ScriptForm t;
    t.folder.write(QStringLiteral("cues.txt"), "plain [[Vol 50]]");
    ScriptedDialogs script;
    script.ExpectFile(t.folder.path(QStringLiteral("cues.txt")));
    t.shell().Label2_Click(1);
    EXPECT_EQ(t.form.RTB->Text(), QStringLiteral("plain [[Vol 50]]"));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - cues.txt"));
    EXPECT_EQ(t.form.core.session.Modificato(), 0);
    // Saved again, the plain text file becomes RTF.
    t.form.RTB->setText(QStringLiteral("plain [[Vol 60]]"));
    t.shell().Label2_Click(2);
    EXPECT_TRUE(t.folder.read(QStringLiteral("cues.txt")).startsWith("{\\rtf1"));

    // A file that cannot be read: said, and the current script stays the current file.
    script.ExpectFile(t.folder.path(QStringLiteral("gone.snx")));
    script.ExpectMsgBox(vbmsg::OK);
    t.shell().Label2_Click(1);
    EXPECT_EQ(t.form.FileCorrente, t.folder.path(QStringLiteral("cues.txt")));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - cues.txt"));
    EXPECT_EQ(t.form.RTB->Text(), QStringLiteral("plain [[Vol 60]]"));
}

TEST(ScriptFiles, AFailedSaveKeepsTheScriptMarkedChanged) {
    ScriptForm t;
    t.form.RTB->setText(QStringLiteral("precious"));
    t.form.FileCorrente = t.folder.path(QStringLiteral("missing/folder/show.snx"));
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::OK);
    t.shell().Label2_Click(2);
    EXPECT_EQ(t.form.core.session.Modificato(), 1);
    EXPECT_FALSE(t.form.Label11->Visible());
}

TEST(ScriptFiles, AMediaCueIsInsertedRedAndRelativeToTheScriptsFolder) {
    ScriptForm t;
    QTemporaryDir show;
    QDir(show.path()).mkpath(QStringLiteral("Audio"));
    t.form.FileCorrente = show.path() + QStringLiteral("/show.snx");
    t.form.RTB->setText(QStringLiteral("Bell: "));
    t.form.RTB->setSelStart(6);
    t.form.RTB->setSelBold(true);
    ScriptedDialogs script;
    script.ExpectFile(show.path() + QStringLiteral("/Audio/bell.wav"));
    script.ExpectFile(QStringLiteral("/elsewhere/thunder.wav"));
    t.shell().Label2_Click(15);
    t.shell().Label2_Click(15);
    // Inside the script's folder: relative, so the show moves whole; else the full path.
    EXPECT_EQ(t.form.RTB->Text(),
              QStringLiteral("Bell: [[Audio/bell.wav]] [[/elsewhere/thunder.wav]] "));
    t.form.RTB->setSelStart(6);
    t.form.RTB->setSelLength(18);
    EXPECT_EQ(t.form.RTB->SelColor(), RGB(255, 0, 0));
    EXPECT_EQ(t.form.RTB->SelFontName(), QStringLiteral("Arial"));
    t.form.RTB->setSelStart(24);
    t.form.RTB->setSelLength(1); // the blank after the cue, in the previous formatting
    EXPECT_EQ(t.form.RTB->SelColor(), 0);
    EXPECT_EQ(t.form.RTB->SelBold(), true);
}

TEST(ScriptToolbar, TogglesAlignmentSizeColourAndPrint) {
    ScriptForm t;
    t.form.RTB->setText(QStringLiteral("bold and plain"));
    t.form.RTB->setSelStart(0);
    t.form.RTB->setSelLength(4);
    t.form.RTB->setSelBold(true);
    t.form.RTB->setSelLength(8);
    t.shell().Label2_Click(4); // partly bold: all bold
    EXPECT_EQ(t.form.RTB->SelBold(), true);
    t.shell().Label2_Click(4);
    EXPECT_EQ(t.form.RTB->SelBold(), false);
    t.shell().Label2_Click(9);
    EXPECT_EQ(t.form.RTB->SelAlignment(), 2);
    t.shell().Label2_Click(11);
    EXPECT_DOUBLE_EQ(t.form.RTB->SelFontSize(), 13);
    t.shell().Label2_Click(14);
    EXPECT_EQ(t.form.RTB->SelBullet(), true);
    ScriptedDialogs script;
    script.ExpectColor(RGB(0, 128, 0));
    t.shell().Label2_Click(13);
    EXPECT_EQ(t.form.RTB->SelColor(), RGB(0, 128, 0));
    script.ExpectColor(-1); // cancelled: unchanged
    t.shell().Label2_Click(13);
    EXPECT_EQ(t.form.RTB->SelColor(), RGB(0, 128, 0));
    script.ExpectPrinter(false); // cancelled: nothing printed, nothing fails
    t.shell().Label2_Click(3);
}

TEST(ScriptToolbar, PrintsOnThePrinterChosenAndKeepsTheChoiceForTheNextPrint) {
    ScriptForm t;
    t.form.RTB->setText(QStringLiteral("Act one [[Play Audio]]"));
    const QString first = t.folder.path(QStringLiteral("first.pdf"));
    const QString second = t.folder.path(QStringLiteral("second.pdf"));
    ScriptedDialogs script;
    script.ExpectPrinter(true, [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(first);
        printer.setPageOrientation(QPageLayout::Landscape);
    });
    t.shell().Label2_Click(3);
    EXPECT_GT(QFileInfo(first).size(), 0) << "the script was printed";

    // The dialog opens on what was chosen last time.
    script.ExpectPrinter(true, [&](QPrinter& printer) {
        EXPECT_EQ(printer.outputFileName(), first);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        printer.setOutputFileName(second);
    });
    t.shell().Label2_Click(3);
    EXPECT_GT(QFileInfo(second).size(), 0);
}

TEST(DemoShow, EveryMediaCueNamesAFileBesideTheScript) {
    const QString folder = QStringLiteral(SCENOLUX_SOURCE_DIR "/examples/demo");
    RichTextBox box;
    ASSERT_TRUE(box.LoadFile(folder + QStringLiteral("/demo.snx")));
    QStringList media;
    const QRegularExpression cue(QStringLiteral("\\[\\[([^\\]]+)\\]\\]"));
    for (auto it = cue.globalMatch(box.Text()); it.hasNext();) {
        const QString text = it.next().captured(1);
        if (text.contains(u'/')) media << text;
    }
    for (const char* ending : {".mp3", ".mp4", ".jpg", ".mid"})
        EXPECT_TRUE(std::any_of(media.begin(), media.end(), [&](const QString& m) {
            return m.endsWith(QLatin1String(ending));
        })) << ending;
    for (const QString& m : media)
        EXPECT_TRUE(QFileInfo(folder + u'/' + m).isFile()) << m.toStdString();
}

TEST(ScriptFiles, MediaCueNamesAreRelativeOnlyInsideTheScriptsFolder) {
    EXPECT_EQ(
        MediaCueName(QStringLiteral("/show/pictures/slide.jpg"), QStringLiteral("/show/a.snx")),
        QStringLiteral("pictures/slide.jpg"));
    // A folder whose name only starts like the script's is outside it.
    EXPECT_EQ(MediaCueName(QStringLiteral("/show2/x.wav"), QStringLiteral("/show/a.snx")),
              QStringLiteral("/show2/x.wav"));
    EXPECT_EQ(MediaCueName(QStringLiteral("/show/x.wav"), QString()),
              QStringLiteral("/show/x.wav"));
    // A script written on Windows keeps its "\" path; the cue still takes "/".
    EXPECT_EQ(MediaCueName(QStringLiteral("/show/music/a.wav"), QStringLiteral("\\show\\a.snx")),
              QStringLiteral("music/a.wav"));
}

TEST(ScriptFiles, TheTitleMarksUnsavedChangesUntilSavedOrUndoneToTheSave) {
    ScriptForm t;
    ScriptedDialogs script;
    const QString path = t.folder.path(QStringLiteral("act.snx"));
    t.form.RTB->setText(QStringLiteral("Act one"));
    t.form.edit->InizializzaAnnulla();
    script.ExpectFile(path);
    t.shell().SalvaConNome();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - act.snx"));

    t.form.RTB->setSelStart(7);
    t.form.RTB->setSelText(QStringLiteral(", scene two"));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - *act.snx"));
    t.form.edit->mnuAnnulla_Click();
    EXPECT_EQ(t.form.RTB->Text(), QStringLiteral("Act one"));
    EXPECT_EQ(t.form.core.session.Modificato(), 0) << "back to the saved script";
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - act.snx"));
    t.form.edit->mnuRipeti_Click();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - *act.snx"));

    t.shell().Label2_Click(2); // Save
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - act.snx"));
    // Undo past the save is a change again.
    t.form.edit->mnuAnnulla_Click();
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - *act.snx"));

    // A discarded change (New, answered No) leaves no mark on the new script.
    script.ExpectMsgBox(vbmsg::No);
    t.shell().Label2_Click(0);
    EXPECT_FALSE(t.form.Caption().contains(u'*'));
}
