#include "registry/FileAssociation.h"
#include "app/Startup.h"
#include "platform/SingleInstance.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempXdg.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString xdgMime(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdg-mime"), arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(FileAssociation, TheDesktopOpensScriptsWithTheProgramAndNothingIsRewrittenTwice) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "xdg-utils and shared-mime-info are needed";
    TempXdg xdg;
    // A program folder with a blank and accented letters in its path.
    QTemporaryDir install;
    const QString folder = install.path() + QStringLiteral("/Teatro comunale/Scène");
    QDir().mkpath(folder);
    SetProgramFolder(folder);
    const bool written = RegistraTipoFile();
    SetProgramFolder(QString());
    ASSERT_TRUE(written);

    const QString script = install.path() + QStringLiteral("/Atto primo.snx");
    QFile(script).open(QIODevice::WriteOnly);
    EXPECT_EQ(xdgMime({QStringLiteral("query"), QStringLiteral("filetype"), script}),
              QLatin1String(kScriptMimeType));
    EXPECT_EQ(xdgMime({QStringLiteral("query"), QStringLiteral("default"),
                       QLatin1String(kScriptMimeType)}),
              QLatin1String(kDesktopEntryName));

    const QString entry = UserDataFolder() + QStringLiteral("/applications/scenolux.desktop");
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(file.readAll())
            .contains(QStringLiteral("\nExec=\"") + folder + QStringLiteral("/scenolux\" %f\n")));
    if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
        EXPECT_EQ(QProcess::execute(QStringLiteral("desktop-file-validate"), {entry}), 0);
    }

    // A second start with nothing changed touches nothing.
    const auto before = xdg.files();
    SetProgramFolder(folder);
    EXPECT_FALSE(RegistraTipoFile());
    SetProgramFolder(QString());
    EXPECT_EQ(xdg.files(), before);
}

TEST(FileAssociation, OtherDefaultsAreKeptAndAMovedProgramIsWrittenAgain) {
    TempXdg xdg;
    QDir().mkpath(UserConfigFolder());
    QFile list(UserConfigFolder() + QStringLiteral("/mimeapps.list"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Added Associations]\ntext/plain=gedit.desktop;\n\n"
               "[Default Applications]\napplication/x-scenolux=other.desktop;\n"
               "image/png=viewer.desktop;\n");
    list.close();
    SetProgramFolder(QStringLiteral("/opt/one"));
    RegistraTipoFile();
    SetProgramFolder(QStringLiteral("/opt/two"));
    EXPECT_TRUE(RegistraTipoFile());
    SetProgramFolder(QString());
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                                         "[Default Applications]\n"
                                         "application/x-scenolux=scenolux.desktop;\n"
                                         "image/png=viewer.desktop;\n"));
    QFile entry(UserDataFolder() + QStringLiteral("/applications/scenolux.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("Exec=\"/opt/two/scenolux\" %f"));
}

TEST(FileAssociation, TheExecLineQuotesWhatTheDesktopWouldOtherwiseSplitOrExpand) {
    EXPECT_EQ(DesktopExecLine(QStringLiteral("/a b/è/scenolux")),
              QStringLiteral("\"/a b/è/scenolux\" %f"));
    // Inside quotes $ and \ take a backslash; the desktop-entry string doubles backslashes;
    // a percent sign is doubled.
    EXPECT_EQ(DesktopExecLine(QStringLiteral("/x$y\\z/50%/\"q\"")),
              QStringLiteral("\"/x\\\\$y\\\\\\\\z/50%%/\\\\\"q\\\\\"\" %f"));
}

TEST(FileAssociation, APortableCopyTouchesNothing) {
    TempXdg xdg;
    TempProgramFolder folder;
    folder.write(QStringLiteral("Files/Portable.ini"), "");
    std::unique_ptr<SingleInstance> instance;
    ScriptedDialogs none;
    EXPECT_TRUE(AvvioProgramma(instance, QStringLiteral("it")));
    EXPECT_TRUE(xdg.files().isEmpty());
}

TEST(FileAssociation, AnInstalledStartRegistersTheType) {
    TempXdg xdg;
    TempProgramFolder folder;
    folder.write(QStringLiteral("Scenolux.ini"), "Italiano.lng\r\n");
    std::unique_ptr<SingleInstance> instance;
    ScriptedDialogs none;
    ASSERT_TRUE(AvvioProgramma(instance, QStringLiteral("it")));
    EXPECT_TRUE(
        QFileInfo::exists(UserDataFolder() + QStringLiteral("/mime/packages/scenolux.xml")));
    EXPECT_TRUE(QFileInfo::exists(UserConfigFolder() + QStringLiteral("/mimeapps.list")));
}
