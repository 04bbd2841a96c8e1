#include "app/Startup.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "platform/SingleInstance.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempXdg.h"
#include "support/TestHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(Startup, LoadsTheLanguageAndAllowsOneCopyPerUser) {
    TempXdg xdg; // an installed start registers the script type there
    TempProgramFolder folder;
    folder.write(QStringLiteral("Scenolux.ini"),
                 "Italiano.lng\r\n\r\n\r\n1\r\n0\r\n1\r\n\r\n0\r\n");
    std::unique_ptr<SingleInstance> first;
    ScriptedDialogs script;
    ASSERT_TRUE(AvvioProgramma(first, QStringLiteral("us")));
    EXPECT_EQ(NomeLingua, QStringLiteral("Italiano.lng"));
    EXPECT_EQ(Lingua[146], QStringLiteral("Visualizza su proiettore"));

    std::unique_ptr<SingleInstance> second;
    script.ExpectMsgBox(vbmsg::OK);
    EXPECT_FALSE(AvvioProgramma(second, QStringLiteral("us")));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].text.startsWith(Lingua[0])); // then the lock file and its holder
    EXPECT_EQ(script.shown[0].title, Lingua[1]);

    // Once the first copy ends, another may start.
    first.reset();
    second.reset();
    EXPECT_TRUE(AvvioProgramma(second, QStringLiteral("us")));
}

// Our own files never keep a show from starting: what cannot be read is set aside or
// replaced, and a notice says which file.
TEST(Startup, DamagedOrMissingFilesOfOurOwnNeverStopTheStart) {
    TempXdg xdg; // an installed start registers the script type there
    TempProgramFolder folder;
    std::unique_ptr<SingleInstance> instance;
    ScriptedDialogs script;
    // No settings file: the defaults, the language of the country.
    EXPECT_TRUE(AvvioProgramma(instance, QStringLiteral("it")));
    EXPECT_EQ(NomeLingua, QStringLiteral("Italiano.lng"));
    instance.reset();

    // Random bytes: kept aside whole, the defaults used.
    QByteArray noise(300, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 73 + 11) % 256);
    folder.write(QStringLiteral("Scenolux.ini"), noise);
    script.ExpectMsgBox(vbmsg::OK);
    EXPECT_TRUE(AvvioProgramma(instance, QStringLiteral("de")));
    instance.reset();
    EXPECT_EQ(folder.read(QStringLiteral("Scenolux.ini.damaged")), noise);
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("Scenolux.ini"))));
    EXPECT_EQ(NomeLingua, QStringLiteral("Deutsch.lng"));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].text.contains(folder.path(QStringLiteral("Scenolux.ini.damaged"))));

    // A language file that is missing, or damaged: English, and the notice names the file.
    folder.write(QStringLiteral("Scenolux.ini"), "Klingon.lng\r\n");
    script.ExpectMsgBox(vbmsg::OK);
    EXPECT_TRUE(AvvioProgramma(instance, QStringLiteral("it")));
    instance.reset();
    EXPECT_EQ(NomeLingua, QStringLiteral("English.lng"));
    EXPECT_EQ(Lingua[146], QStringLiteral("Show on projector"));
    ASSERT_EQ(script.shown.size(), 2);
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("Klingon.lng")));
    folder.write(QStringLiteral("Lang/Short.lng"), "000a\r\nb\r\n");
    folder.write(QStringLiteral("Scenolux.ini"), "Short.lng\r\n");
    script.ExpectMsgBox(vbmsg::OK);
    EXPECT_TRUE(AvvioProgramma(instance, QStringLiteral("it")));
    instance.reset();
    EXPECT_EQ(NomeLingua, QStringLiteral("English.lng"));
    ASSERT_EQ(script.shown.size(), 3);
    EXPECT_TRUE(script.shown[2].text.contains(QStringLiteral("Short.lng")));
    for (const auto& shown : script.shown)
        EXPECT_NE(shown.title, QStringLiteral("Reg Error"));
}

// A power cut can leave an empty lock file behind: it is stale. A lock a running copy holds
// is named, with that copy, in the message.
TEST(Startup, AnEmptyLockFileIsStaleAndAHeldOneIsNamed) {
    TempXdg xdg;
    TempProgramFolder folder;
    folder.write(QStringLiteral("Scenolux.ini"), "English.lng\r\n");
    ScriptedDialogs script;
    const QString lock = SingleInstance(QStringLiteral("scenolux")).LockPath();
    {
        QFile empty(lock);
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    std::unique_ptr<SingleInstance> first, second;
    EXPECT_TRUE(AvvioProgramma(first, QStringLiteral("us")));
    script.ExpectMsgBox(vbmsg::OK);
    EXPECT_FALSE(AvvioProgramma(second, QStringLiteral("us")));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].text.startsWith(Lingua[0]));
    EXPECT_TRUE(script.shown[0].text.contains(lock));
    EXPECT_TRUE(script.shown[0].text.contains(QString::number(QCoreApplication::applicationPid())));
}

TEST(Startup, APortableCopyNeitherLocksNorNeedsSettings) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Files/Portable.ini"), "");
    EXPECT_TRUE(Portable());
    std::unique_ptr<SingleInstance> first, second;
    ScriptedDialogs none;
    EXPECT_TRUE(AvvioProgramma(first, QStringLiteral("it")));
    EXPECT_TRUE(AvvioProgramma(second, QStringLiteral("it")));
    EXPECT_EQ(first, nullptr); // no claim on the single-copy lock
}

namespace {
const char* const kInstalledFolder = "SCENOLUX_INSTALLED_FOLDER";
}

// An installed copy, in a folder its user may not write: the settings are read from the copy's
// own file until the user has one, and written to ~/.config/Scenolux. 0 when all holds.
SCENOLUX_TEST_HELPER(InstalledCopySettings) {
    QCoreApplication::setApplicationName(QStringLiteral("Scenolux"));
    const QString program = qEnvironmentVariable(kInstalledFolder);
    SetProgramFolder(program);
    const QString shipped = program + QStringLiteral("/Scenolux.ini");
    const QString own = QDir::homePath() + QStringLiteral("/.config/Scenolux/Scenolux.ini");
    if (SettingsReadPath() != shipped) return 2;
    if (SettingsPath() != own) return 3;
    Impostazioni settings;
    if (!settings.Read(SettingsReadPath()) || settings.line[0] != QStringLiteral("Deutsch.lng"))
        return 4;
    if (!settings.Write(SettingsPath())) return 5;
    return SettingsReadPath() == own ? 0 : 6;
}

TEST(Startup, AnInstalledCopyKeepsTheSettingsInTheUsersConfigFolder) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Scenolux.ini"), "Deutsch.lng\r\n");
    QTemporaryDir home;
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(folder.dir.path(), readOnly);
    QFile::setPermissions(home.path(),
                          readOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
    const auto unlock = qScopeGuard(
        [&] { QFile::setPermissions(folder.dir.path(), readOnly | QFile::WriteOwner); });
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kInstalledFolder), folder.dir.path());
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    helper.setProcessEnvironment(env);
    helper.setProcessChannelMode(QProcess::MergedChannels);
    // Root may write anywhere: the copy runs as an unprivileged user then.
    const QStringList asUser =
        geteuid() == 0
            ? QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                          QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")}
            : QStringList{};
    StartTestHelper(helper, "InstalledCopySettings", asUser);
    ASSERT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(helper.exitCode(), 0) << helper.readAll().constData();
    EXPECT_EQ(folder.read(QStringLiteral("Scenolux.ini")), QByteArray("Deutsch.lng\r\n"));
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/.config/Scenolux/Scenolux.ini")));
}
