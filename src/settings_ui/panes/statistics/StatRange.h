#pragma once

#include <QList>
#include <QString>

#include <optional>

// The windows of days the statistics pane shows. The raw value is the label of its segment.
enum class StatRange { week, month };

// "7 days", "30 days".
QString statRangeRawValue(StatRange range);
// Exactly one of the two raw values; any other text gives no range.
std::optional<StatRange> statRangeFromRawValue(const QString &raw);
// 7 or 30.
int statRangeDayCount(StatRange range);
// Both, in the order the picker offers them.
const QList<StatRange> &allStatRanges();
