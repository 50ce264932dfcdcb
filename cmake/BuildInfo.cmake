# Values of the application's information dictionary, fixed when the build is configured.
set(LUMENPAUSE_APP_ENVIRONMENT "production" CACHE STRING "LPAppEnvironment: production or staging")
set(LUMENPAUSE_DISTRIBUTION_CHANNEL "direct" CACHE STRING "LPDistributionChannel: direct or appstore")
# Empty by default: a build for a distribution gets its updates through the package manager,
# and its update check says so without going to the network.
set(LUMENPAUSE_UPDATE_FEED_URL "" CACHE STRING "SUFeedURL: the appcast feed (https), or empty for none")
# Build folders configured before still hold the old placeholder, whose host does not exist.
if(LUMENPAUSE_UPDATE_FEED_URL STREQUAL "https://lumenpause.example/appcast.xml")
  set(LUMENPAUSE_UPDATE_FEED_URL "" CACHE STRING "SUFeedURL: the appcast feed (https), or empty for none" FORCE)
endif()
set(LUMENPAUSE_DISPLAY_NAME "Lumenpause" CACHE STRING "CFBundleDisplayName")
set(LUMENPAUSE_BUNDLE_NAME "Lumenpause" CACHE STRING "CFBundleName")
set(LUMENPAUSE_BUNDLE_IDENTIFIER "local.lumenpause.app" CACHE STRING "The application id")
set(LUMENPAUSE_VERSION_STRING "${PROJECT_VERSION}")

set(LUMENPAUSE_BUILD_INFO_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/generated/BuildInfo.cpp)
configure_file(${CMAKE_CURRENT_LIST_DIR}/BuildInfo.cpp.in ${LUMENPAUSE_BUILD_INFO_SOURCE} @ONLY)
