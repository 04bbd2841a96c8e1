// Test entry point: one QApplication on the offscreen platform for every test.
#include "support/FakeMixer.h"
#include "support/SupportFailure.h"
#include "support/TestHelper.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <map>
#include <string>

FakeMixer& TestMixer() {
    static FakeMixer mixer;
    return mixer;
}

namespace {
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
    if (const QByteArray helper = qgetenv(kHelperVariable); !helper.isEmpty()) {
        const auto found = helpers().find(helper.toStdString());
        return found == helpers().end() ? 127 : found->second();
    }
    return RUN_ALL_TESTS();
}
