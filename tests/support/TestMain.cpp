// Test entry point: one QApplication on the offscreen platform for every test.
#include "support/FakeMixer.h"
#include "support/SupportFailure.h"

#include <QApplication>
#include <gtest/gtest.h>

FakeMixer& TestMixer() {
    static FakeMixer mixer;
    return mixer;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests never move the real master volume unless they install the real mixer themselves.
    SetMixer(&TestMixer());
    SupportFailure() = [](const QString& what) { ADD_FAILURE() << what.toStdString(); };
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
