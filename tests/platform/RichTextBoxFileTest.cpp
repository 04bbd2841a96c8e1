#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "support/TestHelper.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void select(RichTextBox& box, int start, int length) {
    box.setSelStart(start);
    box.setSelLength(length);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Wrapped to the width the box leaves beside its scroll bar, as the operator sees it.
void expectLaidOutToTheBox(const RichTextBox& box, bool scrollBar) {
    EXPECT_EQ(box.verticalScrollBar()->isVisible(), scrollBar);
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(box.document()->textWidth(), box.viewport()->width());
    double widest = 0;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        for (int i = 0; i < b.layout()->lineCount(); ++i)
            widest = qMax(widest, b.layout()->lineAt(i).naturalTextWidth());
    EXPECT_LE(widest, box.viewport()->width() - 2 * box.document()->documentMargin());
}

} // namespace

TEST(RichTextBoxFiles, SaveThenLoadKeepsTextAndFormatting) {
    QTemporaryDir dir;
    // The extension does not matter: scripts are always written as RTF.
    const QString path = dir.path() + QStringLiteral("/show.txt");
    RichTextBox box;
    box.setText(QStringLiteral("Title\r\nbold italic under strike\r\nblue big\r\n"
                               "• one\r\ntwo\r\nÈ così — «Привет» \\{}"));
    select(box, 0, 5);
    box.setSelAlignment(2);
    select(box, 7, 4);
    box.setSelBold(true);
    select(box, 12, 6);
    box.setSelItalic(true);
    select(box, 19, 5);
    box.setSelUnderline(true);
    select(box, 25, 6);
    box.setSelStrikeThru(true);
    select(box, 33, 4);
    box.setSelColor(RGB(0, 0, 255));
    select(box, 38, 3);
    box.setSelFontName(QStringLiteral("Courier New"));
    box.setSelFontSize(18);
    select(box, 43, 10);
    box.setSelBullet(true);
    select(box, 55, 3);
    box.setSelAlignment(1);
    const QString text = box.Text();

    QString error;
    ASSERT_TRUE(box.SaveFile(path, &error)) << error.toStdString();
    EXPECT_TRUE(readFile(path).startsWith("{\\rtf1"));

    RichTextBox loaded;
    int changes = 0;
    loaded.onChange = [&] { ++changes; };
    ASSERT_TRUE(loaded.LoadFile(path, &error)) << error.toStdString();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(loaded.Text(), text);
    EXPECT_EQ(loaded.SelStart(), 0);
    select(loaded, 0, 5);
    EXPECT_EQ(loaded.SelAlignment(), 2);
    select(loaded, 7, 4);
    EXPECT_EQ(loaded.SelBold(), true);
    select(loaded, 4, 4);
    EXPECT_EQ(loaded.SelBold(), std::nullopt);
    select(loaded, 12, 6);
    EXPECT_EQ(loaded.SelItalic(), true);
    select(loaded, 19, 5);
    EXPECT_EQ(loaded.SelUnderline(), true);
    select(loaded, 25, 6);
    EXPECT_EQ(loaded.SelStrikeThru(), true);
    EXPECT_EQ(loaded.SelBold(), false);
    select(loaded, 33, 4);
    EXPECT_EQ(loaded.SelColor(), RGB(0, 0, 255));
    select(loaded, 38, 3);
    EXPECT_EQ(loaded.SelFontName(), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(loaded.SelFontSize(), 18);
    select(loaded, 0, 5);
    EXPECT_EQ(loaded.SelFontName(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(loaded.SelFontSize(), 12);
    select(loaded, 43, 10);
    EXPECT_EQ(loaded.SelBullet(), true);
    select(loaded, 33, 4);
    EXPECT_EQ(loaded.SelBullet(), false);
    select(loaded, 55, 3);
    EXPECT_EQ(loaded.SelAlignment(), 1);
    select(loaded, 50, 3);
    EXPECT_EQ(loaded.SelAlignment(), 0);
}

TEST(RichTextBoxFiles, AnEmptyLastLineSurvivesSaving) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/s.snx");
    RichTextBox box;
    box.setText(QStringLiteral("a\r\n\r\n"));
    ASSERT_TRUE(box.SaveFile(path));
    RichTextBox loaded;
    ASSERT_TRUE(loaded.LoadFile(path));
    EXPECT_EQ(loaded.Text(), QStringLiteral("a\r\n\r\n"));
}

TEST(RichTextBoxFiles, PlainTextFilesLoadAsUtf8OrWindows1252) {
    QTemporaryDir dir;
    RichTextBox box;
    const QString utf8 = dir.path() + QStringLiteral("/utf8.txt");
    writeFile(utf8, "\xEF\xBB\xBF"
                    "Caff\xC3\xA8 [[FadeIn]]\nline 2\r\nline 3");
    ASSERT_TRUE(box.LoadFile(utf8));
    EXPECT_EQ(box.Text(), QStringLiteral("Caffè [[FadeIn]]\r\nline 2\r\nline 3"));

    const QString legacy = dir.path() + QStringLiteral("/legacy.txt");
    writeFile(legacy, "Caff\xE8 \x93quoted\x94 \x80 5");
    ASSERT_TRUE(box.LoadFile(legacy));
    EXPECT_EQ(box.Text(), QStringLiteral("Caffè “quoted” € 5"));
}

TEST(RichTextBoxFiles, AScriptLoadsWrappedToTheBoxWhateverCameBefore) {
    RichTextBox box;
    box.resize(400, 300);
    box.show();

    QByteArray word(20000, 'a');
    word.insert(10000, "[[Play Audio]]");
    box.LoadContent(word);
    EXPECT_EQ(box.Text(), QString::fromLatin1(word));
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAnywhere);
    expectLaidOutToTheBox(box, true);

    // Typing into the long word lays out the new text as well.
    box.setSelStart(5000);
    box.setSelText(QString(3000, u'b'));
    const QTextBlock block = box.document()->firstBlock();
    const QTextLine last = block.layout()->lineAt(block.layout()->lineCount() - 1);
    EXPECT_EQ(last.textStart() + last.textLength(), block.length() - 1);
    expectLaidOutToTheBox(box, true);

    box.LoadContent("a short script");
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    expectLaidOutToTheBox(box, false);

    box.LoadContent(QByteArray("[[Play Audio]] a cue on each line\n").repeated(200));
    expectLaidOutToTheBox(box, true);

    // Many characters in a tiny font still fit: no scroll bar is left behind.
    box.LoadContent("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs2 " + QByteArray(10000, 'a') +
                    "}");
    EXPECT_EQ(box.TextLength(), 10000);
    expectLaidOutToTheBox(box, false);
}

TEST(RichTextBoxFiles, FailuresAreReportedAndChangeNothing) {
    QTemporaryDir dir;
    RichTextBox box;
    box.setText(QStringLiteral("precious"));
    int changes = 0;
    box.onChange = [&] { ++changes; };
    QString error;
    EXPECT_FALSE(box.LoadFile(dir.path() + QStringLiteral("/missing.snx"), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(box.LoadFile(dir.path(), &error)); // a folder
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(box.Text(), QStringLiteral("precious"));
    EXPECT_EQ(changes, 0);

    error.clear();
    EXPECT_FALSE(box.SaveFile(dir.path() + QStringLiteral("/no/such/folder/s.snx"), &error));
    EXPECT_FALSE(error.isEmpty());

    error.clear();
    writeFile(dir.path() + QStringLiteral("/plain"), "x");
    EXPECT_FALSE(box.SaveFile(dir.path() + QStringLiteral("/plain/s.snx"), &error));
    EXPECT_FALSE(error.isEmpty());
}

namespace {
const char* const kSaveTarget = "SCENOLUX_SAVE_TARGET";
}

// Saves over the file SCENOLUX_SAVE_TARGET names, as a user who may read it but not write
// there: 0 when the save was refused, as it must be.
SCENOLUX_TEST_HELPER(SaveWithoutRights) {
    const QString target = qEnvironmentVariable(kSaveTarget);
    if (!QFileInfo(target).isReadable()) return 2; // the test set the folder up wrongly
    RichTextBox box;
    box.setText(QStringLiteral("new version"));
    return box.SaveFile(target) ? 1 : 0;
}

// A folder the operator may not write (the file itself may be): the save fails rather than
// writing over the old file, which stays as it was. Root
// may write anywhere, so under root (as CI runs) the save runs as an unprivileged user.
TEST(RichTextBoxFiles, ASaveThatCannotBeWrittenLeavesTheOldFileAsItWas) {
    QTemporaryDir dir;
    const QString locked = dir.path() + QStringLiteral("/locked");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString old = locked + QStringLiteral("/show.snx");
    writeFile(old, "{\\rtf1 old version}");
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                   QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(dir.path(), readOnly);
    QFile::setPermissions(locked, readOnly);
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(locked, readOnly | QFile::WriteOwner);
        QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
    });
    if (geteuid() != 0) {
        RichTextBox box;
        box.setText(QStringLiteral("new version"));
        EXPECT_FALSE(box.SaveFile(old));
    } else {
        QProcess helper;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kSaveTarget), old);
        env.insert(QStringLiteral("HOME"), dir.path());
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        helper.setProcessEnvironment(env);
        helper.setProcessChannelMode(QProcess::MergedChannels);
        StartTestHelper(helper, "SaveWithoutRights",
                        {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                         QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")});
        ASSERT_TRUE(helper.waitForFinished(30000));
        EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(helper.exitCode(), 0) << helper.readAll().constData();
    }
    EXPECT_EQ(readFile(old), QByteArray("{\\rtf1 old version}"));
}

TEST(RichTextBoxFiles, DamagedRtfLoadsWhatCanBeRead) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/cut.snx");
    RichTextBox box;
    box.setText(QStringLiteral("first line\r\n[[Play Audio]] second"));
    select(box, 0, 5);
    box.setSelBold(true);
    ASSERT_TRUE(box.SaveFile(path));
    const QByteArray whole = readFile(path);
    writeFile(path, whole.left(whole.indexOf("second") + 3));
    RichTextBox loaded;
    ASSERT_TRUE(loaded.LoadFile(path));
    EXPECT_TRUE(loaded.Text().startsWith(QStringLiteral("first line\r\n[[Play Audio]] sec")));
    select(loaded, 0, 5);
    EXPECT_EQ(loaded.SelBold(), true);
}

TEST(RichTextBoxPrinting, SelPrintPrintsTheSelectionOrTheWholeScript) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    auto printedText = [&](RichTextBox& box, const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.path() + u'/' + name;
        printer.setOutputFileName(pdf);
        box.SelPrint(&printer);
        QProcess p;
        p.start(pdftotext, {pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    };
    RichTextBox box;
    box.setText(QStringLiteral("Act one\r\n[[FadeOut Slow]] curtain"));
    // Pages carry their number at the foot.
    EXPECT_EQ(printedText(box, QStringLiteral("all.pdf")),
              QStringLiteral("Act one [[FadeOut Slow]] curtain 1"));
    select(box, 9, 16);
    EXPECT_EQ(printedText(box, QStringLiteral("selection.pdf")),
              QStringLiteral("[[FadeOut Slow]] 1"));
}
