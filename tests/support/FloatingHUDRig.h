#pragma once

#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "menubar/FloatingHUD.h"
#include "support/FakeClock.h"
#include "support/FakeFloatingWindowSupport.h"
#include "support/LogCapture.h"

class HUDContentView;
class HUDCountdownRing;

// A floating notice on a fake clock (Tuesday 2025-03-04, 09:00) over one 1920 x 1080 screen
// unless told otherwise, with a compositor. It counts the sounds it plays and numbers its
// presentations from 1, recording whose dismissal handler ran.
struct FloatingHUDRig
{
    static constexpr QRect kScreen{0, 0, 1920, 1080};

    explicit FloatingHUDRig(const QVariantMap &stored = {}, std::optional<QRect> screenArea = kScreen);

    // Presents with the rig's handler; the subtitle is "Roll your shoulders back".
    bool present(HUDStyle style = HUDStyle::posture, int secondsLeft = 0,
                 HUDPresentationKind kind = HUDPresentationKind::regular,
                 const QString &title = QStringLiteral("Sit up straight"));

    // Null while nothing is shown.
    HUDContentView *content() const;
    HUDCountdownRing *ring() const;
    // The seconds figure in the ring; empty without one.
    QString figure() const;

    LogCapture log;
    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    InMemorySettingsRepository themeStore;
    ThemeManager theme;
    FakeFloatingWindowSupport windowSupport;
    std::optional<QRect> screen;
    int sounds = 0;
    int presentations = 0;
    QList<int> handled; // the numbers of the presentations whose handler ran, in order
    FloatingHUD hud;
};
