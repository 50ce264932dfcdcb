#pragma once

#include <QString>

#include <gtest/gtest.h>

// Integration tests run against the real services that tests/services.sh starts and exports
// (LUMENPAUSE_TEST_SERVICES=1). Outside it they skip, unless LUMENPAUSE_REQUIRE_SERVICES=1
// asks for a missing environment to count as a failure, so a run cannot pass by skipping.

bool testServicesAvailable();
bool testServicesRequired();
QString missingTestServicesMessage();

// The first statement of every integration test.
#define LUMENPAUSE_REQUIRE_TEST_SERVICES()                                                       \
    do {                                                                                         \
        if (!testServicesAvailable()) {                                                          \
            if (testServicesRequired())                                                          \
                FAIL() << missingTestServicesMessage().toStdString();                            \
            GTEST_SKIP() << missingTestServicesMessage().toStdString();                          \
        }                                                                                        \
    } while (false)
