#pragma once

#include <QTimeEdit>

// An hour-and-minute picker on wall-clock fields alone, in the desktop locale's short time
// format (seconds left out). It holds no date and no time zone, so a stored 02:30 reads
// 02:30 on the day the clocks skip that hour, and editing its minutes keeps hour 2. A time
// no clock shows (25:70, from a hand-edited file) is shown clamped; the owner keeps the
// stored value until the user edits this picker. The mouse wheel scrolls the pane instead.
//
// Screen readers and the accessibility bus read a spin box's value, range and step from the
// properties below, as the minute of the day (540 for 09:00); a time field has none of its
// own, so without them its value would read 0 and Increase and Decrease would do nothing.
class WallClockTimeEdit : public QTimeEdit
{
    Q_OBJECT
    Q_PROPERTY(int value READ minuteOfDay WRITE setMinuteOfDay)
    Q_PROPERTY(int minimum READ firstMinuteOfDay CONSTANT)
    Q_PROPERTY(int maximum READ lastMinuteOfDay CONSTANT)
    Q_PROPERTY(int stepSize READ stepMinutes)

public:
    // At least `width` pixels wide, wider when the locale's format needs it.
    explicit WallClockTimeEdit(int width, QWidget *parent = nullptr);

    // Shown without a signal.
    void setWallClock(qint64 hour, qint64 minute);
    int hour() const { return time().hour(); }
    int minute() const { return time().minute(); }

    int minuteOfDay() const { return hour() * 60 + minute(); }
    // A move of exactly one step (stepMinutes) is the arrow keys' own step, as Increase and
    // Decrease ask for; any other minute of the day is set as it is. Either is the user's edit.
    void setMinuteOfDay(int minuteOfDay);
    int firstMinuteOfDay() const { return 0; }
    int lastMinuteOfDay() const { return 23 * 60 + 59; }
    // The minutes one Up key press adds in the field under the cursor: 60 in the hour, 1 in
    // the minutes, 720 in AM/PM.
    int stepMinutes() const;

    // The short format of `locale` without its seconds or time zone.
    static QString hourMinuteFormat(const QLocale &locale);

signals:
    // The user changed the time.
    void wallClockEdited(int hour, int minute);
};
