#pragma once

#include "menubar/HUDNotificationRequest.h"

#include <QUuid>

#include <functional>

// What the reminder queue needs of the floating notice: show one, change it in place, close
// it, and tell which presentation is on screen now (a null id when none), so that a late
// answer about an older presentation is never mistaken for the current one.
class HUDPresenter
{
public:
    virtual ~HUDPresenter() = default;

    virtual bool present(HUDStyle style, const QString &title, const QString &subtitle,
                         int secondsLeft, HUDPresentationKind kind, bool ignoreOfficeHours,
                         std::function<void()> onDismiss) = 0;
    virtual bool update(const QString &title, const QString &subtitle, int secondsLeft) = 0;
    virtual void dismiss(bool runHandler) = 0;
    virtual QUuid presentationId() const = 0;
};
