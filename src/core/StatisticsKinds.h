#pragma once

// What started a completed break; chooses which per-source counter of the day it raises.
enum class BreakStatisticsSource { routine, manual, planned };

// Which wellness reminder was shown; other notices are not counted in the statistics.
enum class StatsReminderKind { posture, typing, blink };
