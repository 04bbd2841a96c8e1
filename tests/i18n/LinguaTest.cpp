#include "i18n/Lingua.h"
#include "app/Settings.h"
#include "i18n/Messages.h"
#include "support/ProgramFolder.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"
#include "ui/Localization.h"

#include <QAction>
#include <QLabel>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A language file whose line n reads "NNNtext n" for n in [1, lines].
QByteArray numberedFile(int lines, const char* word) {
    QByteArray data;
    for (int n = 1; n <= lines; ++n)
        data += QByteArray::number(n).rightJustified(3, '0') + word + ' ' + QByteArray::number(n) +
                "\r\n";
    return data;
}

// Every caption, menu text and tooltip the window shows in the language loaded, in the window's
// own order; a language that leaves one blank shows the operator an empty menu or button.
std::vector<QString> windowTexts() {
    Form1 form;
    form.lingua->CambiaLingua2();
    std::vector<QString> texts;
    for (const QAction* action : form.findChildren<QAction*>())
        if (!action->isSeparator()) texts.push_back(action->text());
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        texts.push_back(widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts.push_back(label->text());
    }
    texts.push_back(form.BaseCopione.trimmed());
    return texts;
}

} // namespace

TEST(LinguaFile, LineNFillsEntryNMinusOneFromItsFourthCharacter) {
    TempProgramFolder folder;
    Lingua.fill(QStringLiteral("old"));
    folder.write(QStringLiteral("t.lng"), "001Nuovo\r\nx\r\n\r\nabc\r\n005Caff\xC3\xA8\r\n");
    ASSERT_TRUE(CaricaLingua(folder.path(QStringLiteral("t.lng"))));
    EXPECT_EQ(Lingua[0], QStringLiteral("Nuovo"));
    EXPECT_EQ(Lingua[1], QStringLiteral("old")); // one character: left alone
    EXPECT_EQ(Lingua[2], QStringLiteral("old")); // empty: left alone
    EXPECT_EQ(Lingua[3], QString());             // three characters: empty text
    EXPECT_EQ(Lingua[4], QStringLiteral("Caffè"));
    EXPECT_EQ(Lingua[5], QStringLiteral("old")); // past the file's end

    folder.write(QStringLiteral("legacy.lng"), "001Caff\xE8 \x80\r\n");
    ASSERT_TRUE(CaricaLingua(folder.path(QStringLiteral("legacy.lng"))));
    EXPECT_EQ(Lingua[0], QStringLiteral("Caffè €"));

    // A file longer than the table stores up to entry 160 and stops there.
    folder.write(QStringLiteral("long.lng"), numberedFile(200, "x"));
    ASSERT_TRUE(CaricaLingua(folder.path(QStringLiteral("long.lng"))));
    EXPECT_EQ(Lingua[160], QStringLiteral("x 161"));
}

TEST(LinguaFile, AShorterFileLeavesThePreviousTail) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("a.lng"), numberedFile(152, "first"));
    folder.write(QStringLiteral("b.lng"), numberedFile(100, "second"));
    ASSERT_TRUE(CaricaLingua(folder.path(QStringLiteral("a.lng"))));
    ASSERT_TRUE(CaricaLingua(folder.path(QStringLiteral("b.lng"))));
    EXPECT_EQ(Lingua[99], QStringLiteral("second 100"));
    EXPECT_EQ(Lingua[100], QStringLiteral("first 101"));
    EXPECT_EQ(Lingua[151], QStringLiteral("first 152"));
}

TEST(LinguaFile, FailuresSayWhyAndChangeNothing) {
    TempProgramFolder folder;
    Lingua.fill(QStringLiteral("kept"));
    int badLine = -1;
    EXPECT_FALSE(CaricaLingua(folder.path(QStringLiteral("missing.lng")), &badLine));
    EXPECT_EQ(badLine, 0);
    folder.write(QStringLiteral("gap.lng"), "001One\r\n\r\n003Three\r\n");
    EXPECT_FALSE(CaricaLingua(folder.path(QStringLiteral("gap.lng")), &badLine, true));
    EXPECT_EQ(badLine, 2);
    folder.write(QStringLiteral("empty.lng"), "");
    EXPECT_FALSE(CaricaLingua(folder.path(QStringLiteral("empty.lng")), &badLine, true));
    EXPECT_EQ(badLine, 1);
    EXPECT_EQ(Lingua[0], QStringLiteral("kept"));
}

TEST(LinguaFile, TheShippedLanguagesAreComplete) {
    TempProgramFolder folder;
    SavedLingua saved;
    const QStringList names = QDir(LanguageFolder()).entryList({QStringLiteral("*.lng")});
    ASSERT_EQ(names.size(), 7) << names.join(u' ').toStdString();
    ASSERT_TRUE(CaricaLingua(LanguageFolder() + QStringLiteral("/English.lng")));
    const std::vector<QString> english = windowTexts();
    for (const QString& name : names) {
        const std::string shown = name.toStdString();
        const QByteArray bytes = folder.read(QStringLiteral("Lang/") + name);
        EXPECT_EQ(bytes.count('\n'), kLinguaEntries) << shown;
        EXPECT_EQ(bytes.count("\r\n"), kLinguaEntries) << shown << ": lines end in CR LF";
        Lingua.fill(QString());
        int badLine = 0;
        ASSERT_TRUE(CaricaLingua(LanguageFolder() + u'/' + name, &badLine, true))
            << shown << ": line " << badLine;
        const std::vector<QString> texts = windowTexts();
        ASSERT_EQ(texts.size(), english.size()) << shown;
        for (size_t i = 0; i < texts.size(); ++i)
            if (!english[i].trimmed().isEmpty()) {
                EXPECT_FALSE(texts[i].trimmed().isEmpty())
                    << shown << ": blank where English shows \"" << english[i].toStdString() << '"';
            }
        EXPECT_NE(Lingua[7], Lingua[8]) << shown;
        EXPECT_NE(Lingua[120], Lingua[122]) << shown;
        EXPECT_FALSE(Lingua[3].endsWith(QStringLiteral("..."))) << shown;
        // Every shipped language has messages of its own.
        const MessageLanguage language = LanguageOfFile(name);
        EXPECT_EQ(language == MessageLanguage::English, name == QLatin1String("English.lng"))
            << shown;
    }
    // The Italian file keeps the window's designed captions.
    ASSERT_TRUE(CaricaLingua(LanguageFolder() + QStringLiteral("/Italiano.lng")));
    EXPECT_EQ(Lingua[146], QStringLiteral("Visualizza su proiettore"));
    EXPECT_EQ(Lingua[44], QStringLiteral("Sa&lva"));
    EXPECT_EQ(Lingua[90], QStringLiteral("G"));
}

// (Each country's language: LanguageDetection, on the shipped files.)
TEST(LinguaDetection, AMissingFileGivesEnglishOrAtStartUpTheOlderName) {
    TempProgramFolder folder;
    const QString lang = LanguageFolder();
    // Without "Français.lng": the window falls back to English, start-up tries "French".
    QFile::remove(lang + QStringLiteral("/Français.lng"));
    EXPECT_EQ(LinguaDellaFinestra(QStringLiteral("fr"), lang), QStringLiteral("English.lng"));
    EXPECT_EQ(LinguaDiAvvio(QStringLiteral("fr"), lang), QStringLiteral("English.lng"));
    folder.write(QStringLiteral("Lang/French.lng"), "001x\r\n");
    EXPECT_EQ(LinguaDiAvvio(QStringLiteral("fr"), lang), QStringLiteral("French.lng"));
}

TEST(LinguaWindow, CaptionsAndTooltipsComeFromTheTable) {
    TempProgramFolder folder;
    ASSERT_TRUE(CaricaLingua(LanguageFolder() + QStringLiteral("/English.lng")));
    Form1 form;
    form.lingua->CambiaLingua2();
    EXPECT_EQ(form.mnuFile->Caption(), Lingua[2]);
    EXPECT_EQ(form.mnuAddCommand->Caption(), Lingua[147] + QStringLiteral("..."));
    EXPECT_FALSE(form.mnuStrumenti->Visible());
    EXPECT_EQ(form.Label2[3]->toolTip(), u' ' + Lingua[99] + u' ');
    EXPECT_EQ(form.Label2[15]->toolTip(), u' ' + Lingua[3] + u' ');
    EXPECT_EQ(form.Image9->toolTip(), u' ' + Lingua[118] + u' ');
    EXPECT_EQ(form.Label5->Caption(), Lingua[146]);
    EXPECT_EQ(form.Label3[0]->Caption(), Lingua[90]);
    EXPECT_EQ(form.Label11->Caption(), Lingua[127]);
    EXPECT_EQ(form.BaseCopione, Lingua[97] + u' ');
}

TEST(LinguaWindow, ChoosingALanguageAppliesAndSavesItAtOnce) {
    TempProgramFolder folder;
    ASSERT_TRUE(CaricaLingua(LanguageFolder() + QStringLiteral("/English.lng")));
    NomeLingua = QStringLiteral("English.lng");
    Form1 form;
    ScriptedDialogs script;
    script.ExpectFile(LanguageFolder() + QStringLiteral("/Deutsch.lng"));
    form.lingua->mnuLingua_Click();
    EXPECT_EQ(NomeLingua, QStringLiteral("Deutsch.lng"));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(script.shown[0].request.initialFolder, LanguageFolder());
    Impostazioni saved;
    ASSERT_TRUE(saved.Read(SettingsPath()));
    EXPECT_EQ(saved.line[0], QStringLiteral("Deutsch.lng"));
    EXPECT_EQ(form.mnuFile->Caption(), Lingua[2]);
    EXPECT_EQ(Lingua[7], QStringLiteral("Abspielen"));

    // Cancelling keeps the language.
    script.ExpectFile(QString());
    form.lingua->mnuLingua_Click();
    EXPECT_EQ(NomeLingua, QStringLiteral("Deutsch.lng"));
}
