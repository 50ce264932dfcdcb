# Values of the application's information dictionary, fixed when the build is configured.
set(LUMENPAUSE_APP_ENVIRONMENT "production" CACHE STRING "LPAppEnvironment: production or staging")
set(LUMENPAUSE_DISTRIBUTION_CHANNEL "direct" CACHE STRING "LPDistributionChannel: direct or appstore")
set(LUMENPAUSE_UPDATE_FEED_URL "https://lumenpause.example/appcast.xml" CACHE STRING "SUFeedURL: the appcast feed")
set(LUMENPAUSE_DISPLAY_NAME "Lumenpause" CACHE STRING "CFBundleDisplayName")
set(LUMENPAUSE_BUNDLE_NAME "Lumenpause" CACHE STRING "CFBundleName")
set(LUMENPAUSE_BUNDLE_IDENTIFIER "local.lumenpause.app" CACHE STRING "The application id")
set(LUMENPAUSE_VERSION_STRING "${PROJECT_VERSION}")

set(LUMENPAUSE_BUILD_INFO_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/generated/BuildInfo.cpp)
configure_file(${CMAKE_CURRENT_LIST_DIR}/BuildInfo.cpp.in ${LUMENPAUSE_BUILD_INFO_SOURCE} @ONLY)
