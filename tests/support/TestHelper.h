// A test program run again as a helper process: a program to be killed, a save by a user
// without rights. A helper is a plain function of the test executable that main() runs in
// place of the tests when SCENOLUX_TEST_HELPER names it, so it never shows among the tests.
#pragma once

#include <QProcess>
#include <QStringList>

constexpr const char* kHelperVariable = "SCENOLUX_TEST_HELPER";

// Registers run (its result is the process's exit code) under name; for SCENOLUX_TEST_HELPER.
bool RegisterTestHelper(const char* name, int (*run)());

#define SCENOLUX_TEST_HELPER(name)                                                                 \
    static int name##Helper();                                                                     \
    [[maybe_unused]] static const bool name##Registered =                                          \
        RegisterTestHelper(#name, &name##Helper);                                                  \
    static int name##Helper()

// Prepares helper to start this test executable as the helper name; wrapper (e.g. setpriv and
// its options) goes before it when given.
void StartTestHelper(QProcess& helper, const char* name, const QStringList& wrapper = {});
