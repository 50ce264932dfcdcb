#pragma once

#include "detection/BrowserMeetingDetector.h"
#include "detection/PlatformMeetingDetector.h"
#include "detection/RunningApplicationsInterest.h"

#include <memory>
#include <vector>

using MeetingDetectorList = std::vector<std::unique_ptr<const PlatformMeetingDetector>>;

// The nine meeting detectors in their fixed order, which decides ties between equal
// confidences: zoom, browser, slack, teams, webex, discord, facetime, voiceMemos, generic.
// Applications are known by the identities the signal monitor reports: desktop and flatpak
// application ids, and "bin:" with the program's binary name for processes that have none.
MeetingDetectorList makeMeetingDetectors();

// The browsers whose calls are recognised, in the order that credits a shared engine's audio.
QList<BrowserMeetingDetector::BrowserFamily> meetingBrowserFamilies();

// The running applications the catalogue's detectors look at: the browsers', while some audio
// comes from a browser's processes.
RunningApplicationsInterest meetingRunningApplicationsInterest();
