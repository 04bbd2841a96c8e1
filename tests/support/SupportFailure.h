// How the support code (media makers, the sink latency hold) reports that it could not do its
// part: a test must not go on as if the file were written or the sink held.
#pragma once

#include <QString>
#include <functional>

// Fails the running test under GoogleTest (installed by the test entry point); a warning in
// the measuring tools, which have no test to fail.
std::function<void(const QString&)>& SupportFailure();
