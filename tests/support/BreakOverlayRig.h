#pragma once

#include "breakscreen/BreakOverlayModel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"

#include <memory>

// Break overlays on a fake clock (Tuesday 2025-03-04, 09:00) and settings of their own, the
// break-screen configuration at its defaults. Every outcome an overlay reports is kept as
// text, in order. The planned break's name and length start and end empty, so no test
// leaks them into the next.
struct BreakOverlayRig
{
    explicit BreakOverlayRig(const QVariantMap &stored = {});
    ~BreakOverlayRig();

    std::unique_ptr<BreakOverlayModel> make(bool isLong = false,
                                            BreakOverlayMode mode = BreakOverlayMode::live());
    // A live break of that many seconds, already on screen.
    BreakOverlayModel &showBreak(qint64 seconds, bool isLong = false);
    // The overlay's log lines, oldest first; `prefix` keeps only the lines starting with it.
    QStringList lines(const QString &prefix = QString()) const;

    // "completed elapsed=240 endedEarly=true waitForActivity=false", "snoozed delay=300",
    // "skipped" or "interrupted".
    static QString describe(const BreakDismissalOutcome &outcome);

    LogCapture log;
    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    BreakScreenConfig config;
    QStringList outcomes;
    std::unique_ptr<BreakOverlayModel> overlay; // the one showBreak() put up
};
