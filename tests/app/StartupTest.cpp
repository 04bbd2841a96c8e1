#include "app/Startup.h"
#include "i18n/Lingua.h"
#include "platform/SingleInstance.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempXdg.h"

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
    EXPECT_EQ(script.shown[0].text, Lingua[0]);
    EXPECT_EQ(script.shown[0].title, Lingua[1]);

    // Once the first copy ends, another may start.
    first.reset();
    second.reset();
    EXPECT_TRUE(AvvioProgramma(second, QStringLiteral("us")));
}

TEST(Startup, AnEmptyLanguageLineIsDetectedFromTheCountry) {
    TempXdg xdg; // an installed start registers the script type there
    TempProgramFolder folder;
    folder.write(QStringLiteral("Scenolux.ini"), "\r\n\r\n\r\n0\r\n0\r\n1\r\n\r\n0\r\n");
    std::unique_ptr<SingleInstance> instance;
    ScriptedDialogs script;
    ASSERT_TRUE(AvvioProgramma(instance, QStringLiteral("DE")));
    EXPECT_EQ(NomeLingua, QStringLiteral("Deutsch.lng"));
}

TEST(Startup, ProblemsAreReportedAsRegErrorAndEndTheStart) {
    TempXdg xdg; // an installed start registers the script type there
    TempProgramFolder folder;
    std::unique_ptr<SingleInstance> instance;
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::OK); // no settings file
    EXPECT_FALSE(AvvioProgramma(instance, QStringLiteral("it")));
    folder.write(QStringLiteral("Scenolux.ini"), "Klingon.lng\r\n");
    script.ExpectMsgBox(vbmsg::OK); // no such language file
    EXPECT_FALSE(AvvioProgramma(instance, QStringLiteral("it")));
    folder.write(QStringLiteral("Lang/Short.lng"), "000a\r\nb\r\n");
    folder.write(QStringLiteral("Scenolux.ini"), "Short.lng\r\n");
    script.ExpectMsgBox(vbmsg::OK); // a line of one character
    EXPECT_FALSE(AvvioProgramma(instance, QStringLiteral("it")));
    ASSERT_EQ(script.shown.size(), 3);
    for (const auto& shown : script.shown)
        EXPECT_EQ(shown.title, QStringLiteral("Reg Error"));
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("Klingon.lng")));
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
