#include "app/Commands.h"
#include "app/Lifecycle.h"
#include "app/UpdateCheck.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "support/FakeShell.h"
#include "support/ProgramFolder.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/AboutWindow.h"
#include "ui/Form1.h"
#include "ui/MenuImages.h"

#include <QDir>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct LoadedForm {
    explicit LoadedForm(const char* language) {
        folder.write(QStringLiteral("Scenolux.ini"),
                     QByteArray(language) + "\r\n30000\r\n600\r\n0\r\n0\r\n1\r\n\r\n0\r\n");
        // The menu pictures of the build, in the temporary program folder.
        const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/Files/");
        QDir().mkpath(folder.path(QStringLiteral("Files/Menu")));
        for (const QString& name : QDir(built + QStringLiteral("Menu")).entryList(QDir::Files))
            QFile::copy(built + QStringLiteral("Menu/") + name,
                        folder.path(QStringLiteral("Files/Menu/")) + name);
        form.lifecycle->Form_Load(QString());
    }
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    Form1 form;
};

bool hasTransparentAndOpaquePixels(const QIcon& icon) {
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    bool clear = false, solid = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            clear |= alpha == 0;
            solid |= alpha == 255;
        }
    return clear && solid;
}

} // namespace

TEST(MenuPictures, TheTableDecoratesTheShownMenusAndTheBarKeepsItsCaptions) {
    LoadedForm t("Italiano.lng");
    Form1& f = t.form;
    const QList<QAction*> decorated = {f.mnuFile->menuAction(),
                                       f.mnuNuovo,
                                       f.mnuApri,
                                       f.mnuSalva,
                                       f.mnuSalvaConNome,
                                       f.mnuStampa,
                                       f.mnuEsci,
                                       f.mnuModifica->menuAction(),
                                       f.mnuAnnulla,
                                       f.mnuSelezionaTutto,
                                       f.mnuSostituisci,
                                       f.mnuOpzioni->menuAction(),
                                       f.mnuImpostaAudio,
                                       f.mnuScreenSaver,
                                       f.mnuAggLingua,
                                       f.mnuDonazioni->menuAction(),
                                       f.mnuFaiDonazione,
                                       f.mnuGuida,
                                       f.mnuInfo};
    for (QAction* item : decorated) {
        EXPECT_FALSE(item->icon().isNull()) << item->objectName().toStdString();
        EXPECT_TRUE(hasTransparentAndOpaquePixels(item->icon()))
            << item->objectName().toStdString();
    }
    // Items the table leaves out, and the hidden one, stay bare.
    EXPECT_TRUE(f.mnuAddImg->icon().isNull());
    EXPECT_TRUE(f.mnuHelp->menuAction()->icon().isNull());
    // The edit menu's own picture is the select-all one.
    EXPECT_EQ(f.mnuModifica->menuAction()->icon().pixmap(16).toImage(),
              f.mnuSelezionaTutto->icon().pixmap(16).toImage());
    // A menu-bar entry with a picture is as wide as its picture and caption together.
    f.show();
    QMenuBar* bar = f.menuBar();
    const int withPicture = bar->actionGeometry(f.mnuFile->menuAction()).width();
    EXPECT_GT(withPicture, 16 + bar->fontMetrics().horizontalAdvance(QStringLiteral("File")));
}

TEST(MenuPictures, PositionsCountOnlyShownItemsAndMinusOneRemoves) {
    LoadedForm t("Italiano.lng");
    clsMenuImage images;
    ASSERT_TRUE(images.Init(&t.form, 16, 16));
    EXPECT_FALSE(images.AddImageFromStream("not a picture"));
    QFile png(PictureFile(QStringLiteral("Menu/132.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    ASSERT_TRUE(images.AddImageFromStream(png.readAll()));
    EXPECT_EQ(images.ImageCount(), 1);
    // Audio and Video are hidden: position 1 of the bar is the edit menu.
    EXPECT_EQ(images.ItemAt(1, {}), t.form.mnuModifica->menuAction());
    // The hidden item is skipped: after Add Command comes Select All.
    const int addCommand =
        static_cast<int>(t.form.mnuModifica->actions().indexOf(t.form.mnuAddCommand));
    QList<QAction*> shown;
    for (QAction* a : t.form.mnuModifica->actions())
        if (a->isVisible()) shown << a;
    const int position = static_cast<int>(shown.indexOf(t.form.mnuAddCommand));
    ASSERT_GE(addCommand, 0);
    EXPECT_EQ(images.ItemAt(position + 1, {1}), t.form.mnuSelezionaTutto);
    EXPECT_TRUE(images.PutImageToVBMenu(-1, position + 1, {1}));
    EXPECT_TRUE(t.form.mnuSelezionaTutto->icon().isNull());
    EXPECT_FALSE(images.PutImageToVBMenu(0, 99, {1}));
    EXPECT_FALSE(images.PutImageToVBMenu(5, 0, {1})); // no such picture
}

TEST(HelpAndLinks, HelpOpensTheLanguagesPageElseTheItalianOne) {
    SavedLingua saved;
    LoadedForm t("English.lng");
    FakeShell shell;
    QDir().mkpath(t.folder.path(QStringLiteral("Help")));
    t.folder.write(QStringLiteral("Help/English.html"), "<p>help</p>");
    t.form.mnuGuida->trigger();
    Lingua[24] = QStringLiteral("Russian"); // a language without its own page
    t.form.shell->mnuGuida_Click();
    t.form.mnuVersioni->trigger();
    EXPECT_EQ(shell.opened, (QStringList{t.folder.path(QStringLiteral("Help/English.html")),
                                         t.folder.path(QStringLiteral("Help/Guida.html")),
                                         t.folder.path(QStringLiteral("Versioni.txt"))}));
    EXPECT_EQ(Lingua[24], QStringLiteral("Guida"));

    // With no browser, the notice says so and where the page is.
    shell.handlesFiles = false;
    shell.opened.clear();
    t.form.Label11->setVisible(false);
    t.form.mnuGuida->trigger();
    EXPECT_FALSE(t.form.Label11->isHidden());
    EXPECT_EQ(t.form.Label11->Caption(),
              MessageText(Msg::NoHelpViewer).arg(t.folder.path(QStringLiteral("Help/Guida.html"))));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST(HelpAndLinks, TheBuildsHelpPagesAndHistoryAreBesideTheProgram) {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const char* name : {"Guida", "English", "Francais", "Deutsch"})
        EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/Help/") + QLatin1String(name) +
                              QStringLiteral(".html"))
                        .size() > 4000)
            << name;
    EXPECT_GT(QFileInfo(folder + QStringLiteral("/Versioni.txt")).size(), 500);
}

TEST(HelpAndLinks, WithoutAWebSiteThePagesSayThereIsNone) {
    if (!WebSiteAddress().isEmpty()) GTEST_SKIP() << "this build has a web site";
    LoadedForm t("Italiano.lng");
    FakeShell shell;
    for (MenuItem* item : {t.form.mnuAggiornamenti, t.form.mnuAggLingua, t.form.mnuFaiDonazione}) {
        t.form.Label11->setVisible(false);
        item->trigger();
        EXPECT_FALSE(t.form.Label11->isHidden()) << item->objectName().toStdString();
        EXPECT_TRUE(t.form.Label11->Caption().contains(QStringLiteral("sito web")));
    }
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST(AboutWindow, CreditsScrollPauseAtTheirEndAndStartAgain) {
    LoadedForm t("English.lng");
    t.form.show();
    t.form.mnuInfo->trigger();
    auto* about = t.form.findChild<frmInfo*>();
    if (!about) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* info = qobject_cast<frmInfo*>(w)) about = info;
    }
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(t.form.isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Scenolux"));
    EXPECT_EQ(about->lblVersion->Caption(), ReleaseText());
    EXPECT_EQ(about->Timer1->Interval(), 10);

    const double h1 = about->Picture1->Height();
    const double h2 = about->Picture2->Height();
    EXPECT_DOUBLE_EQ(about->CreditsTop(), 2200);
    about->Timer1_Timer();
    EXPECT_DOUBLE_EQ(about->CreditsTop(), 2190);
    // Up until the credits' end reaches the viewport's bottom...
    int ticks = 1;
    while (about->CreditsTop() > h1 - h2 && ticks < 10000) {
        about->Timer1_Timer();
        ++ticks;
    }
    const double end = about->CreditsTop();
    EXPECT_LE(end, h1 - h2);
    EXPECT_GT(end, h1 - h2 - 10);
    EXPECT_NEAR(about->Picture2->Top(), end, 15); // on screen, to the pixel
    // ...where they rest for 120 ticks...
    for (int i = 0; i < 120; ++i)
        about->Timer1_Timer();
    EXPECT_DOUBLE_EQ(about->CreditsTop(), end);
    about->Timer1_Timer();
    EXPECT_DOUBLE_EQ(about->CreditsTop(), end - 10);
    // ...then leave at the top and start again from below.
    while (about->CreditsTop() != 2200 && ticks < 20000) {
        about->Timer1_Timer();
        ++ticks;
    }
    EXPECT_DOUBLE_EQ(about->CreditsTop(), 2200);
    EXPECT_EQ(about->PauseTicks(), 0);

    // Escape closes it, stops its timer and brings the main window back.
    QPointer<frmInfo> alive(about);
    QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_TRUE(t.form.isVisible());
}

TEST(AboutWindow, AClickOnTheCreditsClosesItButNotOneOnTheHomePage) {
    LoadedForm t("English.lng");
    FakeShell shell;
    t.form.show();
    frmInfo* about = frmInfo::Open(t.form);
    QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
    EXPECT_TRUE(about->isVisible());
    QPointer<frmInfo> alive(about);
    QTest::mouseClick(about->lblDescription, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_TRUE(t.form.isVisible());
}
