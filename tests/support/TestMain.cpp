// Test entry point: one QApplication on the offscreen platform for every test, and safe
// defaults for every swappable global, put back after each test whatever it asserted.
#include "i18n/Lingua.h"
#include "platform/DesktopShell.h"
#include "platform/Mci.h"
#include "platform/ScreenSaver.h"
#include "platform/widgets/ViewDialogs.h"
#include "support/FakeMixer.h"
#include "support/SupportFailure.h"
#include "support/TestHelper.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <gtest/gtest.h>
#include <map>
#include <string>

FakeMixer& TestMixer() {
    static FakeMixer mixer;
    return mixer;
}

namespace {

// A dialog no test expected fails the test and is cancelled: no test can hang on a modal box.
struct UnexpectedDialogs : ViewDialogs {
    int MsgBox(const QString& prompt, int, const QString&) override {
        ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
        return vbmsg::Cancel;
    }
    int Choose(const QString& prompt, const QStringList&, int escapeChoice, int,
               const QString&) override {
        ADD_FAILURE() << "unexpected choice: " << prompt.toStdString();
        return escapeChoice;
    }
    bool ShowColor(QObject*, long, long*) override {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    bool ScegliStampante(QObject*, QPrinter*) override {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    int ShowModal(QDialog& dialog) override {
        ADD_FAILURE() << "unexpected window: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }

protected:
    QString ChooseFile(const FileDialogRequest&) override {
        ADD_FAILURE() << "unexpected file dialog";
        return QString();
    }
};

// Nothing is opened or started on the desktop unless a test installs a shell that records it;
// finding and running tools stays real.
struct NoDesktop : DesktopShell {
    bool Open(const QString& target) override {
        ADD_FAILURE() << "would open " << target.toStdString();
        return false;
    }
    bool Start(const QString& program, const QStringList&) override {
        ADD_FAILURE() << "would start " << program.toStdString();
        return false;
    }
};

// The session's screen saver is left alone unless a test installs the real one.
struct NoScreenSaver : ScreenSaver {
    void Inhibit(const QString&) override { held = true; }
    void Release() override { held = false; }
    bool Held() const override { return held; }
    void ResetIdle() override {}
    bool held = false;
};

// Installs the defaults before each test and puts them back after it, with the language
// table, the current folder and DISPLAY as they were.
class SafeDefaults : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        folder_ = QDir::currentPath();
        lingua_ = Lingua;
        nomeLingua_ = NomeLingua;
        display_ = qgetenv("DISPLAY");
        install();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        install();
        SetMci(nullptr);
        QDir::setCurrent(folder_);
        Lingua = lingua_;
        NomeLingua = nomeLingua_;
        qputenv("DISPLAY", display_);
    }
    void install() {
        SetDialogs(&dialogs_);
        SetDesktopShell(&shell_);
        SetScreenSaver(&screenSaver_);
        screenSaver_.held = false;
        TestMixer() = FakeMixer();
        SetMixer(&TestMixer());
    }
    UnexpectedDialogs dialogs_;
    NoDesktop shell_;
    NoScreenSaver screenSaver_;
    QString folder_;
    std::array<QString, kLinguaEntries> lingua_;
    QString nomeLingua_;
    QByteArray display_;
};

std::map<std::string, int (*)()>& helpers() {
    static std::map<std::string, int (*)()> all;
    return all;
}
} // namespace

bool RegisterTestHelper(const char* name, int (*run)()) {
    helpers()[name] = run;
    return true;
}

void StartTestHelper(QProcess& helper, const char* name, const QStringList& wrapper) {
    QProcessEnvironment env = helper.processEnvironment();
    if (env.isEmpty()) env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kHelperVariable), QLatin1String(name));
    helper.setProcessEnvironment(env);
    const QString self = QCoreApplication::applicationFilePath();
    if (wrapper.isEmpty())
        helper.start(self, {});
    else
        helper.start(wrapper.first(), wrapper.mid(1) + QStringList{self});
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests never move the real master volume unless they install the real mixer themselves.
    SetMixer(&TestMixer());
    SupportFailure() = [](const QString& what) { ADD_FAILURE() << what.toStdString(); };
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SafeDefaults);
    if (const QByteArray helper = qgetenv(kHelperVariable); !helper.isEmpty()) {
        const auto found = helpers().find(helper.toStdString());
        return found == helpers().end() ? 127 : found->second();
    }
    return RUN_ALL_TESTS();
}
