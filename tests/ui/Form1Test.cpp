#include "ui/Form1.h"
#include "platform/widgets/RichTextBox.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Form1, OpensTheScriptNamedOnTheCommandLine) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/My Show.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Act one\r\n[[FadeIn]]");
    file.close();

    Form1 form;
    EXPECT_EQ(form.Caption(), QStringLiteral("Scenolux"));
    form.OpenCommandLineScript(path); // a blank in the path stays part of it
    EXPECT_EQ(form.RTB->Text(), QStringLiteral("Act one\r\n[[FadeIn]]"));
    EXPECT_EQ(form.FileCorrente, path);
    EXPECT_EQ(form.Caption(), QStringLiteral("Scenolux - My Show.txt"));

    // Named from its own folder ("scenolux show.txt"), the script is still known by its full
    // path: file dialogs move the current folder, and Save must write the file opened.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Form1 relative;
    relative.OpenCommandLineScript(QStringLiteral("My Show.txt"));
    EXPECT_EQ(relative.FileCorrente, path);
    EXPECT_EQ(relative.Caption(), QStringLiteral("Scenolux - My Show.txt"));

    // Opened from anywhere else (a file manager's double-click), the script's folder becomes
    // the current folder, where its cues' media are looked up first.
    QDir::setCurrent(QDir::rootPath());
    Form1 fromElsewhere;
    fromElsewhere.OpenCommandLineScript(path);
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(dir.path()).canonicalPath());
    QDir::setCurrent(before);
}

TEST(Form1, AnUnreadableCommandLineScriptIsReportedAndLosesNothing) {
    Form1 form;
    form.RTB->setText(QStringLiteral("kept"));
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::OK);
    form.OpenCommandLineScript(QStringLiteral("/no/such/folder/show.snx"));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("/no/such/folder/show.snx")));
    EXPECT_EQ(form.RTB->Text(), QStringLiteral("kept"));
    EXPECT_TRUE(form.FileCorrente.isEmpty());
    EXPECT_EQ(form.Caption(), QStringLiteral("Scenolux"));
    form.OpenCommandLineScript(QStringLiteral("   ")); // blank: nothing to open, no dialog
}

TEST(Form1, TitleTakesTheNameAfterTheLastSeparatorOfEitherKind) {
    Form1 form;
    form.AggiornaTitolo(QStringLiteral("C:\\Shows\\Amleto.snx"));
    EXPECT_EQ(form.Caption(), QStringLiteral("Scenolux - Amleto.snx"));
    form.AggiornaTitolo(QStringLiteral("/home/op/shows\\old/Otello.rtf"));
    EXPECT_EQ(form.NomeCopione, QStringLiteral("Otello.rtf"));
    form.AggiornaTitolo(QStringLiteral("bare.snx")); // no separator: nothing changes
    EXPECT_EQ(form.Caption(), QStringLiteral("Scenolux - Otello.rtf"));
}
