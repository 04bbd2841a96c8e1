#include "support/ScriptedDialogs.h"
#include "ui/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(ScriptedDialogs, AnswersInOrderAndRecordsWhatWasShown) {
    ScriptedDialogs script;
    script.ExpectMsgBox(vbmsg::No);
    script.ExpectMsgBox(vbmsg::Yes);
    EXPECT_EQ(dialogs().MsgBox(QStringLiteral("first?"), vbmsg::YesNo), vbmsg::No);
    EXPECT_EQ(dialogs().MsgBox(QStringLiteral("second?"), vbmsg::YesNoCancel, QStringLiteral("T")),
              vbmsg::Yes);
    ASSERT_EQ(script.shown.size(), 2);
    EXPECT_EQ(script.shown[1].text, QStringLiteral("second?"));
    EXPECT_EQ(script.shown[1].title, QStringLiteral("T"));
    EXPECT_EQ(script.shown[1].buttons, vbmsg::YesNoCancel);
}

TEST(ScriptedDialogs, AnUnexpectedDialogFailsAndCancels) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs script;
            EXPECT_EQ(dialogs().MsgBox(QStringLiteral("surprise")), vbmsg::Cancel);
        },
        "unexpected message box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs script;
            EXPECT_TRUE(dialogs().MostraDialogoFile({}).isEmpty());
        },
        "unexpected file dialog");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs script;
            EXPECT_EQ(dialogs().Choose(QStringLiteral("which?"),
                                       {QStringLiteral("a"), QStringLiteral("b")}, 1),
                      1);
        },
        "unexpected choice");
}

namespace {
// Works the message box that the next dialog shows, once it is on screen.
void whenTheBoxShows(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                act(*box);
                return;
            }
        ADD_FAILURE() << "no message box on screen";
    });
}
} // namespace

TEST(QtMessageBox, ANamedChoiceAnswersWithItsIndexAndEscapeWithTheSafeOne) {
    QtDialogs qt;
    const QStringList choices = {QStringLiteral("Open"), QStringLiteral("Keep"),
                                 QStringLiteral("Discard")};
    whenTheBoxShows([](QMessageBox& box) {
        EXPECT_EQ(box.defaultButton()->text(), QStringLiteral("Open"));
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(qt.Choose(QStringLiteral("Recover?"), choices, 1), 1);
    whenTheBoxShows([](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->text() == QLatin1String("Discard")) button->click();
    });
    EXPECT_EQ(qt.Choose(QStringLiteral("Recover?"), choices, 1), 2);
}

TEST(FileDialog, AChoiceLeavesTheCurrentFolderAtTheFilesFolder) {
    const QString before = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("show")));
    const QString chosen = dir.path() + QStringLiteral("/show/act1.snx");
    {
        ScriptedDialogs script;
        script.ExpectFile(chosen);
        script.ExpectFile(QString());
        EXPECT_EQ(dialogs().MostraDialogoFile({}), chosen);
        EXPECT_EQ(QDir::current().canonicalPath(),
                  QDir(dir.path() + QStringLiteral("/show")).canonicalPath());
        // A cancelled dialog leaves the folder alone.
        QDir::setCurrent(before);
        EXPECT_TRUE(dialogs().MostraDialogoFile({}).isEmpty());
        EXPECT_EQ(QDir::currentPath(), before);
    }
}

// The view's window named as the owner, which the code below the view knows only as an object,
// is the window the dialog goes over.
TEST(FileDialog, GoesOverTheWindowNamedAsItsOwner) {
    QtDialogs qt;
    QWidget window, active;
    window.show();
    active.show(); // another window of the program in front
    active.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&active));
    FileDialogRequest request;
    request.owner = &window;
    QWidget* over = nullptr;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                over = dialog->parentWidget();
                dialog->reject();
                return;
            }
        ADD_FAILURE() << "no file dialog on screen";
    });
    EXPECT_TRUE(qt.MostraDialogoFile(request).isEmpty());
    EXPECT_EQ(over, &window);
}

TEST(FileDialog, FilterTextBecomesQtNameFilters) {
    const QString filter = QStringLiteral("File SNX (Scenolux File)") + QChar(0) +
                           QStringLiteral("*.snx") + QChar(0) + QStringLiteral("Media") + QChar(0) +
                           QStringLiteral("*.mp3;*.wav") + QChar(0) + QStringLiteral("All") +
                           QChar(0) + QStringLiteral("*.*");
    EXPECT_EQ(QtDialogs::NameFilters(filter),
              QStringList({QStringLiteral("File SNX (Scenolux File) (*.snx)"),
                           QStringLiteral("Media (*.mp3 *.wav)"), QStringLiteral("All (*)")}));
    EXPECT_TRUE(QtDialogs::NameFilters(QString()).isEmpty());
}
