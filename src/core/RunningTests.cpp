#include "core/RunningTests.h"

bool isRunningTests()
{
    static const bool runningTests = isRunningTestsIn(QProcessEnvironment::systemEnvironment());
    return runningTests;
}

bool isRunningTestsIn(const QProcessEnvironment &environment)
{
    // An empty value still counts: only the key's presence matters.
    return environment.contains(QStringLiteral("XCTestConfigurationFilePath"));
}
