#pragma once

#include "core/DesktopAppearance.h"

#include <QDBusVariant>

class QDBusPendingCallWatcher;

// The desktop's light or dark preference, and its switch for animations, as the XDG desktop
// portal publishes them on the session bus. Each value is asked for once, without waiting,
// and then followed through the portal's change signal, so that windows asking while they
// draw never wait on the bus. Without a bus or a portal the desktop states no preference and
// animates (and one warning is logged).
class PortalDesktopAppearance : public DesktopAppearance
{
    Q_OBJECT

public:
    explicit PortalDesktopAppearance(QObject *parent = nullptr);

    std::optional<bool> prefersDark() const override { return m_prefersDark; }
    bool animationsEnabled() const override { return m_animationsEnabled; }

private slots:
    void onSettingChanged(const QString &settingNamespace, const QString &key,
                          const QDBusVariant &value);

private:
    void onReadFinished(QDBusPendingCallWatcher *watcher);
    void onAnimationsReadFinished(QDBusPendingCallWatcher *watcher);
    void apply(const QVariant &colorScheme);
    void applyAnimations(const QVariant &enableAnimations);

    std::optional<bool> m_prefersDark;
    bool m_animationsEnabled = true;
    // A change signal carries a newer value than a reply that is still on its way.
    bool m_heardChange = false;
    bool m_heardAnimationsChange = false;
};
