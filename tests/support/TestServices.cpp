#include "support/TestServices.h"

#include <QtGlobal>

bool testServicesAvailable()
{
    return qEnvironmentVariable("LUMENPAUSE_TEST_SERVICES") == QLatin1String("1");
}

bool testServicesRequired()
{
    return qEnvironmentVariable("LUMENPAUSE_REQUIRE_SERVICES") == QLatin1String("1");
}

QString missingTestServicesMessage()
{
    return QStringLiteral("the test services are not running; run this binary through "
                          "tests/services.sh");
}
