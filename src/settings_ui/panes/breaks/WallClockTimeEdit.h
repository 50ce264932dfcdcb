#pragma once

#include <QTimeEdit>

// An hour-and-minute picker on wall-clock fields alone, in the desktop locale's short time
// format (seconds left out). It holds no date and no time zone, so a stored 02:30 reads
// 02:30 on the day the clocks skip that hour, and editing its minutes keeps hour 2. A time
// no clock shows (25:70, from a hand-edited file) is shown clamped; the owner keeps the
// stored value until the user edits this picker. The mouse wheel scrolls the pane instead.
class WallClockTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    // At least `width` pixels wide, wider when the locale's format needs it.
    explicit WallClockTimeEdit(int width, QWidget *parent = nullptr);

    // Shown without a signal.
    void setWallClock(qint64 hour, qint64 minute);
    int hour() const { return time().hour(); }
    int minute() const { return time().minute(); }

    // The short format of `locale` without its seconds or time zone.
    static QString hourMinuteFormat(const QLocale &locale);

signals:
    // The user changed the time.
    void wallClockEdited(int hour, int minute);
};
