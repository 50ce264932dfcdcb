#include "settings_ui/panes/breaks/WallClockTimeEdit.h"

#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/WheelToPane.h"

#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

WallClockTimeEdit::WallClockTimeEdit(int width, QWidget *parent)
    : QTimeEdit(parent)
{
    // In UTC no hour is ever skipped or repeated: the fields are the wall clock's as typed.
    setTimeSpec(Qt::UTC);
    setDisplayFormat(hourMinuteFormat(QLocale()));
    setFont(SettingsFont::font(SettingsFont::bodySize));
    setFocusPolicy(Qt::StrongFocus);
    WheelToPane::install(this);
    setFixedWidth(std::max(width, sizeHint().width()));
    connect(this, &QTimeEdit::timeChanged, this,
            [this](QTime time) { emit wallClockEdited(time.hour(), time.minute()); });
}

void WallClockTimeEdit::setWallClock(qint64 hour, qint64 minute)
{
    const QSignalBlocker block(this);
    setTime(QTime(int(std::clamp<qint64>(hour, 0, 23)), int(std::clamp<qint64>(minute, 0, 59))));
}

void WallClockTimeEdit::setMinuteOfDay(int minuteOfDay)
{
    const int current = this->minuteOfDay();
    const int step = stepMinutes();
    // Up and Down step the field under the cursor and stop at its ends: 09:59 stays 09:59 on
    // a step of the minutes.
    if (minuteOfDay == current + step || minuteOfDay == current - step) {
        stepBy(minuteOfDay > current ? 1 : -1);
        return;
    }
    if (minuteOfDay < firstMinuteOfDay() || minuteOfDay > lastMinuteOfDay())
        return;
    setTime(QTime(minuteOfDay / 60, minuteOfDay % 60));
}

int WallClockTimeEdit::stepMinutes() const
{
    switch (currentSection()) {
    case MinuteSection: return 1;
    case AmPmSection: return 12 * 60;
    default: return 60;
    }
}

QString WallClockTimeEdit::hourMinuteFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    // A field of seconds or of the zone goes with the separator before it.
    static const QRegularExpression extraFields(QStringLiteral("[^hHmaApP]*(s+|z+|t+)"));
    format.remove(extraFields);
    return format.trimmed().isEmpty() ? QStringLiteral("HH:mm") : format.trimmed();
}
