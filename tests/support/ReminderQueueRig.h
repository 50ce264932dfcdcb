#pragma once

#include "core/AppSettings.h"
#include "core/DayStat.h"
#include "core/InMemorySettingsRepository.h"
#include "core/InMemoryStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "menubar/ReminderQueue.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/RecordingHUDPresenter.h"

// A reminder queue on its own settings and statistics, a fake clock (Tuesday 2025-03-04,
// 09:00 unless told otherwise) and a recording HUD.
struct ReminderQueueRig
{
    explicit ReminderQueueRig(const QVariantMap &stored = {},
                              QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)));

    // The queue's log lines, oldest first.
    QStringList lines() const;
    // Today's statistics record.
    DayStat today() const;
    // Titles of the notices the HUD was asked to put up, oldest first.
    QStringList presentedTitles() const;

    LogCapture log;
    FakeClock clock;
    InMemorySettingsRepository store;
    InMemoryStatsRepository statsRepository;
    LocalStatisticsStore statistics;
    AppSettings settings;
    RecordingHUDPresenter hud;
    ReminderQueue queue;
};
