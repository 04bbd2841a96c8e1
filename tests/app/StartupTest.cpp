#include "app/Startup.h"
#include "i18n/Lingua.h"
#include "platform/SingleInstance.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempXdg.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

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
