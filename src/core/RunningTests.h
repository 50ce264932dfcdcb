#pragma once

#include <QProcessEnvironment>

// Whether the process runs under the test host, which announces itself through the
// environment key "XCTestConfigurationFilePath" (whatever its value). Read once: the
// environment of a running process is not expected to change this answer.
bool isRunningTests();

// The same test on a given environment, so the rule can be checked without globals.
bool isRunningTestsIn(const QProcessEnvironment &environment);
