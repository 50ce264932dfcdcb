#pragma once

#include <QList>
#include <QString>

#include <optional>

// The break screen's stored choices. Each is stored under its raw value, which is also the
// title the settings show; parsing takes the raw value exactly (case-sensitive, untrimmed).
// The "all" lists give every case in the order the settings offer them.

// What the break screen says. `random` draws a break quote per overlay, `custom` shows the
// user's own text; every other case shows its own title.
enum class BreakScreenMessage {
    catchQuickRest,
    restYourEyes,
    lumenPause,
    deepBreath,
    stretch,
    hydration,
    random,
    custom,
};

// How the remaining time is drawn.
enum class BreakCountdown { timer, ring, bar, hidden };

// The background of every break panel.
enum class BreakBG { blur, nature, dark, gradient };

// Whether two quick Escape presses may end a break.
enum class EscBehavior { doubleEsc, disabled };

QString rawValue(BreakScreenMessage message);
QString rawValue(BreakCountdown countdown);
QString rawValue(BreakBG background);
QString rawValue(EscBehavior behavior);

std::optional<BreakScreenMessage> breakScreenMessageFromRawValue(const QString &raw);
std::optional<BreakCountdown> breakCountdownFromRawValue(const QString &raw);
std::optional<BreakBG> breakBGFromRawValue(const QString &raw);
std::optional<EscBehavior> escBehaviorFromRawValue(const QString &raw);

const QList<BreakScreenMessage> &allBreakScreenMessages();
const QList<BreakCountdown> &allBreakCountdowns();
const QList<BreakBG> &allBreakBGs();
const QList<EscBehavior> &allEscBehaviors();
