#pragma once

#include <QSet>
#include <QString>

#include <sys/types.h>

// Which screen-saver inhibitors keep the display awake, and for whom. Only a lock that
// holds the idle action back counts; a delay, or a lock on sleep or logout only, does not.
namespace InhibitorRules {

// One entry of the login manager's list.
struct LogindInhibitor
{
    QString what; // colon-separated: "sleep:idle"
    QString who;
    QString why;
    QString mode; // "block" or "delay"
    uint uid = 0;
    uint pid = 0;
};

// A "block" on "idle" taken by one of our own processes.
bool blocksIdle(const LogindInhibitor &inhibitor, uid_t ourUid);

// The GNOME session manager's flag for an inhibitor of the idle action.
constexpr uint kGnomeIdleFlag = 8;

// The identities behind a GNOME inhibitor with these flags: the process that owns its
// top-level window when that is known, else those its application id names.
QSet<QString> gnomeInhibitorIdentities(uint flags, const QSet<QString> &windowOwnerIdentities,
                                       const QString &applicationId);

// An executable's path gives "bin:" and its base name; a name gives itself, without a
// ".desktop" ending, and when it has no dot also "bin:" and its lowercase form (what a
// program that calls itself "Firefox" is run as).
QSet<QString> identitiesOfApplicationId(const QString &applicationId);

} // namespace InhibitorRules
