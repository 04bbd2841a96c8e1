#include "app/Lifecycle.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "media/VolumeFades.h"
#include "platform/widgets/RichTextBox.h"
#include "support/FakeMixer.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"

#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray settingsFile(const char* l1, const char* l2, const char* l3, const char* l4) {
    return QByteArray(l1) + "\r\n" + l2 + "\r\n" + l3 + "\r\n" + l4 +
           "\r\n0\r\n1\r\n/shows\r\n0\r\n";
}

struct LoadedForm {
    explicit LoadedForm(const QByteArray& settings) {
        folder.write(QStringLiteral("Scenolux.ini"), settings);
        form.lifecycle->Form_Load(QString());
    }
    TempProgramFolder folder;
    Form1 form;
};

} // namespace

TEST(FormLoad, StartsInTheSavedLanguageAndVolume) {
    LoadedForm t(settingsFile("Italiano.lng", "40000", "600", "1"));
    EXPECT_EQ(NomeLingua, QStringLiteral("Italiano.lng"));
    EXPECT_EQ(t.form.Caption(), QStringLiteral("Scenolux - ") + Lingua[97] + QStringLiteral(" 1"));
    EXPECT_FALSE(t.form.core.audio.Playing());
    EXPECT_FALSE(t.form.core.video.Playing());
    EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QStringLiteral("40000"));
    EXPECT_DOUBLE_EQ(t.form.Image2->Top(), 600);
    EXPECT_TRUE(t.form.mnuScreenSaver->isChecked());
    EXPECT_EQ(t.form.Timer6->Interval(), 30000);
    EXPECT_EQ(t.form.UltimaCartella, QStringLiteral("/shows"));
    EXPECT_EQ(t.form.core.session.Modificato(), 0);
    // Copies are on the clipboard in every form at once; nothing needs handing over later.
    EXPECT_EQ(t.form.Timer7->Interval(), 0);
}

TEST(FormLoad, SettingsRoundTripInTheirEightLineFormat) {
    LoadedForm t(settingsFile("Deutsch.lng", "12345", "900", "0"));
    EXPECT_FALSE(t.form.mnuScreenSaver->isChecked());
    EXPECT_EQ(t.form.Timer6->Interval(), 0);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); // a comma locale
    t.form.lifecycle->SalvaImpostazioni();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(t.folder.read(QStringLiteral("Scenolux.ini")),
              QByteArray("Deutsch.lng\r\n12345\r\n900\r\n0\r\n0\r\n1\r\n/shows\r\n1\r\n"));
}

TEST(FormLoad, ByteOrderMarksAreNoPartOfAnySetting) {
    // Found by fuzzing: a mark inside the file was written back at its start, and dropped by
    // the next read, so each start saw other settings.
    TempProgramFolder folder;
    folder.write(QStringLiteral("Scenolux.ini"), "\r\xEF\xBB\xBF\r\n\xEF\xBB\xBF"
                                                 "40000\r\n");
    Impostazioni first;
    ASSERT_TRUE(first.Read(folder.path(QStringLiteral("Scenolux.ini"))));
    EXPECT_EQ(first.line[0], QString());
    EXPECT_EQ(first.line[1], QStringLiteral("40000"));
    ASSERT_TRUE(first.Write(folder.path(QStringLiteral("Scenolux.ini"))));
    Impostazioni second;
    ASSERT_TRUE(second.Read(folder.path(QStringLiteral("Scenolux.ini"))));
    EXPECT_EQ(second.line, first.line);
}

TEST(FormLoad, GarbageSettingsAreBroughtIntoRangeAndWrittenClean) {
    {
        LoadedForm t(settingsFile("English.lng", "loud", "99999", "x"));
        const double lowest =
            t.form.Image3->Top() + t.form.Image3->Height() - t.form.Image2->Height();
        EXPECT_DOUBLE_EQ(t.form.Image2->Top(), lowest); // onto the track's bottom
        EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(), QStringLiteral("0"));
        EXPECT_FALSE(t.form.mnuScreenSaver->isChecked());
        t.form.lifecycle->SalvaImpostazioni();
        Impostazioni clean;
        ASSERT_TRUE(clean.Read(t.folder.path(QStringLiteral("Scenolux.ini"))));
        EXPECT_EQ(clean.line[1], QStringLiteral("0"));
        EXPECT_EQ(clean.line[2], QString::number(lowest));
        EXPECT_EQ(clean.line[3], QStringLiteral("0"));
    }
    {
        // A level beyond the mixer's range, a knob above the track, and missing lines.
        LoadedForm t("English.lng\r\n999999999\r\n-500\r\n");
        EXPECT_EQ(t.form.core.masterVolume.ChosenLevel(),
                  QString::number(t.form.volume->VolumeMax));
        EXPECT_DOUBLE_EQ(t.form.Image2->Top(), t.form.Image3->Top());
        EXPECT_TRUE(t.form.UltimaCartella.isEmpty());
    }
    {
        // No number at all: the knob stays in the middle and the level follows it.
        LoadedForm t(settingsFile("English.lng", "", "abc", "1"));
        const double middle =
            t.form.Image3->Top() + (t.form.Image3->Height() - t.form.Image2->Height()) / 2;
        EXPECT_NEAR(t.form.Image2->Top(), middle, 15);
        EXPECT_NEAR(t.form.core.masterVolume.ChosenLevel().toDouble() /
                        double(t.form.volume->VolumeMax),
                    0.5, 0.02);
    }
}

TEST(FormLoad, AVolumeLineWithNoNumberStartsTheShowSilent) {
    // Whatever the knob line holds, the level is the volume line's value: "abc" is 0, and the
    // knob shows it. The file written at exit starts the next run the same way.
    for (const char* top : {"-99999", "99999", "", "1e400"}) {
        TestMixer() = FakeMixer();
        LoadedForm t(settingsFile("English.lng", "abc", top, "0"));
        const double lowest =
            t.form.Image3->Top() + t.form.Image3->Height() - t.form.Image2->Height();
        EXPECT_EQ(TestMixer().value, 0) << top;
        EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 0")) << top;
        EXPECT_DOUBLE_EQ(t.form.Image2->Top(), lowest) << top;
        bool cancel = false;
        t.form.lifecycle->Form_Unload(cancel);
        ASSERT_FALSE(cancel);
        TestMixer() = FakeMixer();
        Form1 next;
        next.lifecycle->Form_Load(QString());
        EXPECT_EQ(TestMixer().value, 0) << top;
        EXPECT_EQ(next.Label6->Caption(), QStringLiteral(" 0")) << top;
        EXPECT_DOUBLE_EQ(next.Image2->Top(), lowest) << top;
    }
    {
        TestMixer() = FakeMixer();
        LoadedForm t(settingsFile("English.lng", "32768", "", "0"));
        EXPECT_EQ(TestMixer().value, 32768);
        EXPECT_EQ(t.form.Label6->Caption(), QStringLiteral(" 50"));
        const double middle =
            t.form.Image3->Top() + (t.form.Image3->Height() - t.form.Image2->Height()) / 2;
        EXPECT_NEAR(t.form.Image2->Top(), middle, 15); // a pixel
    }
}

TEST(FormLoad, AnEmptyLanguageLineIsDetectedAndSavedOnExit) {
    LoadedForm t(settingsFile("", "100", "600", "0"));
    EXPECT_FALSE(NomeLingua.isEmpty());
    EXPECT_TRUE(QFile::exists(LanguageFolder() + u'/' + NomeLingua));
    t.form.close(); // nothing changed: no question
    Impostazioni saved;
    ASSERT_TRUE(saved.Read(t.folder.path(QStringLiteral("Scenolux.ini"))));
    EXPECT_EQ(saved.line[0], NomeLingua);
}

TEST(FormUnload, AnEmptyScriptNeverAsks) {
    LoadedForm t(settingsFile("English.lng", "100", "600", "0"));
    t.form.show();
    t.form.core.session.SetModificato(1);
    ScriptedDialogs none; // any dialog would fail the test
    EXPECT_TRUE(t.form.close());
    EXPECT_FALSE(t.form.isVisible());
}

TEST(FormUnload, CancelKeepsTheWindowButTheSettingsAreWritten) {
    LoadedForm t(settingsFile("English.lng", "100", "600", "0"));
    t.form.show();
    t.form.RTB->setText(QStringLiteral("[[FadeIn]]"));
    ASSERT_EQ(t.form.core.session.Modificato(), 1);
    t.folder.write(QStringLiteral("Scenolux.ini"), "stale");
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::Cancel);
    EXPECT_FALSE(t.form.close());
    EXPECT_TRUE(t.form.isVisible());
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(script.shown[0].text, Lingua[75] + u' ' + t.form.BaseCopione + QStringLiteral("1?"));
    EXPECT_EQ(script.shown[0].buttons, vbmsg::YesNoCancel | vbmsg::Exclamation);
    EXPECT_TRUE(t.folder.read(QStringLiteral("Scenolux.ini")).startsWith("English.lng\r\n"));
}

TEST(FormUnload, YesKeepsTheWindowUnlessTheScriptWasReallySaved) {
    LoadedForm t(settingsFile("English.lng", "100", "600", "0"));
    t.form.show();
    t.form.RTB->setText(QStringLiteral("changed"));
    ScriptedDialogs script;
    // Untitled: Yes, then the Save As dialog is cancelled.
    script.ExpectMsgBox(vbmsg::Yes);
    script.ExpectFile(QString());
    EXPECT_FALSE(t.form.close());
    // With a file that cannot be written: the operator is told and the window stays.
    t.form.FileCorrente = t.folder.path(QStringLiteral("no/such/folder/show.snx"));
    script.ExpectMsgBox(vbmsg::Yes);
    script.ExpectMsgBox(vbmsg::OK);
    EXPECT_FALSE(t.form.close());
    EXPECT_TRUE(script.shown[2].text.endsWith(QStringLiteral(" show.snx?")));
    EXPECT_TRUE(t.form.isVisible());
    EXPECT_EQ(t.form.core.session.Modificato(), 1);
    // A file that can be written: saved, and the window closes.
    t.form.FileCorrente = t.folder.path(QStringLiteral("show.snx"));
    script.ExpectMsgBox(vbmsg::Yes);
    EXPECT_TRUE(t.form.close());
    EXPECT_TRUE(t.folder.read(QStringLiteral("show.snx")).startsWith("{\\rtf1"));
}

TEST(FormUnload, EscapeAndExitAskLikeTheCloseBox) {
    LoadedForm t(settingsFile("English.lng", "100", "600", "0"));
    t.form.show();
    t.form.RTB->setText(QStringLiteral("changed"));
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::Cancel);
    QTest::keyClick(t.form.RTB, Qt::Key_Escape);
    EXPECT_TRUE(t.form.isVisible());
    script.ExpectMsgBox(vbmsg::Cancel);
    t.form.mnuEsci->trigger();
    EXPECT_TRUE(t.form.isVisible());
    script.ExpectMsgBox(vbmsg::No);
    t.form.mnuEsci->trigger(); // asked once, though the window goes through its exit twice
    EXPECT_FALSE(t.form.isVisible());
    EXPECT_EQ(script.shown.size(), 3);
}
