// The seven shipped languages: detection at start-up, switching in the menu with every state
// kept, refused choices, Qt's own texts and the program's own messages.
#include "app/Settings.h"
#include "app/Startup.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/QtTranslations.h"
#include "platform/SingleInstance.h"
#include "show/ShowMode.h"
#include "show/ShowSettings.h"
#include "support/FakeMci.h"
#include "support/ProgramFolder.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/AddCommand.h"
#include "ui/FindReplace.h"
#include "ui/Form1.h"
#include "ui/GoProtectionDialog.h"
#include "ui/Localization.h"
#include "ui/MidiDialog.h"
#include "ui/QtDialogs.h"
#include "ui/RemoteDialog.h"
#include "ui/WindowVisuals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList kShipped = {QStringLiteral("Italiano.lng"), QStringLiteral("English.lng"),
                              QStringLiteral("Français.lng"), QStringLiteral("Deutsch.lng"),
                              QStringLiteral("Russian.lng"),  QStringLiteral("Bulgarian.lng"),
                              QStringLiteral("Brazilian.lng")};

// Qt's texts go back to English when a test that switched them ends.
struct QtTextsGuard {
    ~QtTextsGuard() { UseQtTranslations(QStringLiteral("en")); }
};

// A main window in a temporary program folder, switched through Options > Language.
struct LanguageWindow {
    LanguageWindow() {
        // The play buttons' pictures, to see which one a button shows.
        const QString real = QCoreApplication::applicationDirPath() + QStringLiteral("/Files/");
        for (const char* name : {"play.jpg", "play2.jpg", "pause.jpg", "pause2.jpg"})
            QFile::copy(real + QLatin1String(name),
                        folder.path(QStringLiteral("Files/")) + QLatin1String(name));
        NomeLingua = QStringLiteral("Italiano.lng");
        CaricaLingua(LanguageFolder() + QStringLiteral("/Italiano.lng"));
        form.lingua->CambiaLingua2();
        form.playA->set(false);
        form.playV->set(false);
    }
    void choose(const QString& path) {
        script.ExpectFile(path);
        form.lingua->mnuLingua_Click();
    }
    void chooseRefused(const QString& path) {
        script.ExpectFile(path);
        script.ExpectMsgBox(vbmsg::OK);
        form.lingua->mnuLingua_Click();
    }
    void switchTo(const QString& name) { choose(LanguageFolder() + u'/' + name); }

    TempProgramFolder folder;
    SavedLingua savedLingua;
    QtTextsGuard qtTexts;
    FakeMci device;
    ScriptedDialogs script;
    Form1 form;
};

// Runs the start-up as the program does. Another copy running on this machine (an operator's
// or a colleague's) adds only its own message, which then must come from the loaded language.
bool startsInALanguage(ScriptedDialogs& script, const QString& country) {
    const bool otherCopy = !SingleInstance(QStringLiteral("scenolux")).Acquire();
    if (otherCopy) script.ExpectMsgBox(vbmsg::OK);
    script.shown.clear();
    std::unique_ptr<SingleInstance> instance;
    const bool started = AvvioProgramma(instance, country);
    if (!otherCopy) return started && script.shown.isEmpty();
    return !started && script.shown.size() == 1 && script.shown[0].text == Lingua[0] &&
           !Lingua[0].isEmpty();
}

} // namespace

// Every country of both detection tables starts with the shipped files only, and a detected
// language whose file is missing gives English instead of ending the start.
TEST(LanguageDetection, EveryCountryStartsWithTheShippedFiles) {
    TempProgramFolder folder;
    SavedLingua saved;
    folder.write(QStringLiteral("Scenolux.ini"), "\r\n\r\n\r\n0\r\n0\r\n1\r\n\r\n0\r\n");
    struct Row {
        const char* country;
        const char* atStartUp;
        const char* inTheWindow;
    };
    const Row rows[] = {
        {"bg", "Bulgarian.lng", "Bulgarian.lng"}, {"BR", "Brazilian.lng", "Brazilian.lng"},
        {"pt", "English.lng", "Brazilian.lng"},   {"fr", "Français.lng", "Français.lng"},
        {"it", "Italiano.lng", "Italiano.lng"},   {"de", "Deutsch.lng", "Deutsch.lng"},
        {"ru", "Russian.lng", "Russian.lng"},     {"us", "English.lng", "English.lng"},
        {"", "English.lng", "English.lng"}};
    ScriptedDialogs script; // a "Reg Error" box fails the test
    for (const Row& row : rows) {
        const QString country = QString::fromLatin1(row.country);
        EXPECT_TRUE(startsInALanguage(script, country)) << row.country;
        EXPECT_EQ(NomeLingua, QString::fromUtf8(row.atStartUp)) << row.country;
        const QString window = LinguaDellaFinestra(country, LanguageFolder());
        EXPECT_EQ(window, QString::fromUtf8(row.inTheWindow)) << row.country;
        EXPECT_TRUE(CaricaLingua(LanguageFolder() + u'/' + window, nullptr, true)) << row.country;
    }

    // An installation without the Russian file starts in English for a Russian user.
    QFile::remove(LanguageFolder() + QStringLiteral("/Russian.lng"));
    EXPECT_TRUE(startsInALanguage(script, QStringLiteral("ru")));
    EXPECT_EQ(NomeLingua, QStringLiteral("English.lng"));
    EXPECT_EQ(LinguaDellaFinestra(QStringLiteral("ru"), LanguageFolder()),
              QStringLiteral("English.lng"));
}

// A language the settings name is the operator's choice: missing, it still stops the start,
// and the message names the file and the settings line to clear.
TEST(LanguageDetection, ANamedFileThatIsMissingGivesEnglishAndSaysSoInTheChosenLanguage) {
    TempProgramFolder folder;
    SavedLingua saved;
    QtTextsGuard qtTexts;
    folder.write(QStringLiteral("Scenolux.ini"), "Russian.lng\r\n\r\n\r\n0\r\n0\r\n1\r\n\r\n0\r\n");
    QFile::remove(LanguageFolder() + QStringLiteral("/Russian.lng"));
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::OK);
    std::unique_ptr<SingleInstance> instance;
    EXPECT_TRUE(AvvioProgramma(instance, QStringLiteral("ru")));
    EXPECT_EQ(NomeLingua, QStringLiteral("English.lng"));
    ASSERT_EQ(script.shown.size(), 1);
    const QString text = script.shown[0].text;
    EXPECT_TRUE(text.contains(LanguageFolder() + QStringLiteral("/Russian.lng")));
    EXPECT_TRUE(text.contains(QStringLiteral("English.lng")));
    EXPECT_TRUE(text.contains(QStringLiteral("Языковой файл"))) << "in Russian";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"))
        << "Qt's own buttons too";
}

// After a switch of language, a playing player pauses on the next click and an idle one plays,
// and the words and pictures say so in the new language. The pairs are those that can hide a
// fault: the same word for play (Italiano, English) or for pause (English, Deutsch; Russian,
// Bulgarian) on both sides, and a change of script each way; round the circle every shipped
// language is switched to once.
TEST(LanguageSwitch, PlayAndPauseWorkAfterEverySwitch) {
    LanguageWindow t;
    Form1& f = t.form;
    const QString folder = QDir::currentPath();
    const QStringList circle = {QStringLiteral("Italiano.lng"),  QStringLiteral("English.lng"),
                                QStringLiteral("Deutsch.lng"),   QStringLiteral("Russian.lng"),
                                QStringLiteral("Bulgarian.lng"), QStringLiteral("Brazilian.lng"),
                                QStringLiteral("Français.lng"),  QStringLiteral("Italiano.lng")};
    for (qsizetype i = 1; i < circle.size(); ++i) {
        const QString& from = circle[i - 1];
        const QString& to = circle[i];
        const std::string pair = (from + QStringLiteral(" > ") + to).toStdString();
        t.switchTo(from);
        f.playA->set(false);
        f.audio->cmdPlayA_Click(); // the audio plays, the video is idle
        ASSERT_TRUE(f.playA->playing()) << pair;
        f.video->cmdStopV_Click();
        f.playV->set(false);

        t.switchTo(to);
        ASSERT_EQ(NomeLingua, to) << pair;
        EXPECT_EQ(QDir::currentPath(), folder) << pair << ": relative cues still found";
        EXPECT_TRUE(f.core.audio.Playing()) << pair;
        EXPECT_EQ(f.mnuPlayAudio->Caption(), Lingua[8]) << pair;
        EXPECT_FALSE(f.core.video.Playing()) << pair;
        f.visuals->cmdPlayA_MouseMove(0, 0, 0, 0);
        EXPECT_TRUE(f.cmdPlayA->PictureSource().endsWith(QStringLiteral("/pause2.jpg"))) << pair;
        EXPECT_EQ(f.cmdPlayA->toolTip(), u' ' + Lingua[122] + u' ') << pair;

        f.audio->cmdPlayA_Click();
        EXPECT_NE(t.device.mode, QStringLiteral("playing")) << pair;
        EXPECT_FALSE(f.core.audio.Playing()) << pair;
        EXPECT_EQ(f.mnuPlayAudio->Caption(), Lingua[7]) << pair;
        EXPECT_EQ(f.Timer1->Interval(), 0) << pair;

        f.video->cmdPlayV_Click();
        EXPECT_TRUE(f.playV->playing()) << pair;
        EXPECT_EQ(f.mnuPlayVideo->Caption(), Lingua[8]) << pair;
        f.video->cmdPlayV_Click();
        EXPECT_FALSE(f.core.video.Playing()) << pair;
    }
    f.video->cmdStopV_Click();
}

// The open find window takes the new words and keeps what the operator set in it; its Cancel
// button says Cancel, while the Edit menu's Undo keeps entry 21.
TEST(LanguageSwitch, TheFindWindowIsRecaptionedAndKeepsItsState) {
    LanguageWindow t;
    t.form.findReplace->mnuSostituisci_Click();
    frmFind* find = t.form.findReplace->Dialog();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->cmdCancel->text(), QStringLiteral("Annulla"));
    find->cboFind->setEditText(QStringLiteral("Amleto"));
    find->cboReplace->setEditText(QStringLiteral("Hamlet"));
    find->chkMatchCase->setChecked(true);

    t.switchTo(QStringLiteral("Deutsch.lng"));
    ASSERT_EQ(t.form.findReplace->Dialog(), find);
    EXPECT_EQ(find->cmdCancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(t.form.mnuAnnulla->Caption(), Lingua[21]);
    EXPECT_NE(Lingua[21], QStringLiteral("Abbrechen"));
    EXPECT_EQ(find->chkMatchCase->text(), Lingua[64]);
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Ersetzen..."));
    EXPECT_EQ(find->cboFind->currentText(), QStringLiteral("Amleto"));
    EXPECT_EQ(find->cboReplace->currentText(), QStringLiteral("Hamlet"));
    EXPECT_TRUE(find->chkMatchCase->isChecked());
    EXPECT_TRUE(find->cmdReplace->isEnabled());
    t.form.findReplace->ChiudiTrova();
}

// The menu takes only a file the next start can load again; anything else is refused in the
// current language and nothing changes, on screen or in the settings.
TEST(LanguageSwitch, TheMenuRefusesFilesTheStartCouldNotLoad) {
    LanguageWindow t;
    t.switchTo(QStringLiteral("Deutsch.lng"));
    const QByteArray settings = t.folder.read(QStringLiteral("Scenolux.ini"));
    ASSERT_TRUE(settings.startsWith("Deutsch.lng\r\n"));
    const QString german = Lingua[2];

    const QByteArray italian = t.folder.read(QStringLiteral("Lang/Italiano.lng"));
    QDir().mkpath(t.folder.path(QStringLiteral("copy/Lang")));
    t.folder.write(QStringLiteral("copy/Lang/Italiano.lng"), italian);
    QDir().mkpath(t.folder.path(QStringLiteral("Lang/more")));
    t.folder.write(QStringLiteral("Lang/more/Italiano.lng"), italian);
    QByteArray broken = italian;
    broken.replace("\n005", "\n\r\n005"); // line 6 empty
    t.folder.write(QStringLiteral("Lang/Broken.lng"), broken);
    t.folder.write(QStringLiteral("Lang/Empty.lng"), "");

    const QString refused[] = {t.folder.path(QStringLiteral("copy/Lang/Italiano.lng")),
                               t.folder.path(QStringLiteral("Lang/more/Italiano.lng")),
                               LanguageFolder() + QStringLiteral("/Broken.lng"),
                               LanguageFolder() + QStringLiteral("/Empty.lng")};
    for (const QString& path : refused) {
        t.script.shown.clear();
        t.chooseRefused(path);
        ASSERT_EQ(t.script.shown.size(), 2) << path.toStdString();
        const auto& box = t.script.shown[1];
        EXPECT_TRUE(box.text.contains(path)) << path.toStdString();
        EXPECT_TRUE(box.text.contains(QStringLiteral("Die Sprache wurde nicht geändert")))
            << box.text.toStdString();
        EXPECT_EQ(NomeLingua, QStringLiteral("Deutsch.lng"));
        EXPECT_EQ(Lingua[2], german);
        EXPECT_EQ(t.form.mnuFile->Caption(), german);
        EXPECT_EQ(t.folder.read(QStringLiteral("Scenolux.ini")), settings);
    }
    // The damaged file's message names the empty line.
    t.script.shown.clear();
    t.chooseRefused(LanguageFolder() + QStringLiteral("/Broken.lng"));
    ASSERT_EQ(t.script.shown.size(), 2);
    EXPECT_TRUE(t.script.shown[1].text.contains(QStringLiteral("Zeile 6")));
}

// Qt's own buttons follow the language, at start and at once after a switch.
TEST(LanguageSwitch, QtsOwnTextsFollowTheLanguage) {
    LanguageWindow t;
    UseQtTextsOfLanguage();
    const auto cancelText = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text() + u'|' + box.button(QMessageBox::No)->text();
    };
    EXPECT_EQ(cancelText(), QStringLiteral("Annulla|&No"));
    t.switchTo(QStringLiteral("Deutsch.lng"));
    EXPECT_EQ(cancelText(), QStringLiteral("Abbrechen|&Nein"));
    t.switchTo(QStringLiteral("English.lng"));
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel|&No"));
}

// Each message exists in every language with the same blanks to fill as the English one.
TEST(Messages, EveryMessageInEveryLanguage) {
    SavedLingua saved;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (const auto& m : placeholder.globalMatch(text))
            found << m.captured();
        found.sort();
        return found;
    };
    for (int id = 0; id < int(Msg::Count); ++id) {
        NomeLingua = QStringLiteral("English.lng");
        const QString english = MessageText(Msg(id));
        for (const QString& name : kShipped) {
            NomeLingua = name;
            const QString text = MessageText(Msg(id));
            EXPECT_FALSE(text.trimmed().isEmpty()) << name.toStdString() << " " << id;
            EXPECT_EQ(placeholders(text), placeholders(english)) << name.toStdString() << " " << id;
            if (name != QLatin1String("English.lng") && id == int(Msg::Cancel)) {
                EXPECT_NE(text, english) << name.toStdString();
            }
        }
    }
    NomeLingua = QStringLiteral("French.lng");
    EXPECT_EQ(MessageText(Msg::Cancel), QStringLiteral("Annuler"));
    NomeLingua = QStringLiteral("Klingon.lng");
    EXPECT_EQ(MessageText(Msg::Cancel), QStringLiteral("Cancel"));
}

// Every caption of the main window fits its control in every language.
TEST(LanguageFit, EveryCaptionFitsItsControl) {
    LanguageWindow t;
    const std::pair<const char*, Label*> labels[] = {
        {"Label5", t.form.Label5},       {"Label7", t.form.Label7},
        {"Label8", t.form.Label8},       {"Label9", t.form.Label9},
        {"lblWMP1", t.form.lblWMP1},     {"Label11", t.form.Label11},
        {"Label3(0)", t.form.Label3[0]}, {"Label3(2)", t.form.Label3[2]},
        {"Label3(3)", t.form.Label3[3]}};
    t.form.show();
    t.form.findReplace->mnuSostituisci_Click();
    frmFind* find = t.form.findReplace->Dialog();
    ASSERT_NE(find, nullptr);
    for (const QString& name : kShipped) {
        t.switchTo(name);
        const std::string language = name.toStdString();
        for (const auto& [control, label] : labels) {
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->Caption());
            EXPECT_LE(needed, label->width())
                << language << " " << control << ": \"" << label->Caption().toStdString() << "\"";
        }
        // Ctrl+S saves as well as Ctrl+L, except in Italian, whose Ctrl+S underlines.
        EXPECT_EQ(t.form.mnuSalva->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_S)),
                  name != QLatin1String("Italiano.lng"))
            << language;
        // The players' menus are named in the language too.
        EXPECT_EQ(t.form.mnuAudio->Caption(), MessageText(Msg::MenuAudio)) << language;
        EXPECT_EQ(t.form.mnuVideo->Caption(), MessageText(Msg::MenuVideo)) << language;

        // The size box shows a fractional size whole.
        t.form.Combo2->setEditText(QStringLiteral("20.5"));
        const QLineEdit* size = t.form.Combo2->lineEdit();
        EXPECT_LE(QFontMetrics(size->font()).horizontalAdvance(size->text()) + 4, size->width())
            << language << ": the size box";

        // Every dialog's title fits its title bar.
        RemoteDialog remote(ShowSettings{}, &t.form);
        Form3 addCommand(*t.form.scriptDocument, &t.form);
        GoProtectionDialog protection(250, &t.form);
        MidiDialog midi(*t.form.showMode->midi, &t.form);
        for (QWidget* dialog : {static_cast<QWidget*>(find), static_cast<QWidget*>(&remote),
                                static_cast<QWidget*>(&addCommand),
                                static_cast<QWidget*>(&protection), static_cast<QWidget*>(&midi)}) {
            dialog->adjustSize();
            EXPECT_GE(dialog->width(), TitleWidth(dialog->windowTitle()))
                << language << ": \"" << dialog->windowTitle().toStdString() << "\"";
        }
    }
    t.form.findReplace->ChiudiTrova();
}

TEST(LanguageSwitch, TheVideoPlayersTitleKeepsTheFilesName) {
    LanguageWindow t;
    t.form.core.state.SetVideoLoaded(true);
    t.form.routing->TitoloVideo(QStringLiteral("/show/video/clip.mp4"));
    t.switchTo(QStringLiteral("English.lng"));
    EXPECT_EQ(t.form.Label8->Caption(), QStringLiteral("Video - clip"));
}
