#include "platform/linux/PortalDesktopAppearance.h"

#include "core/Logger.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kNamespace = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
// GNOME's switch for its animations, which the portal passes on from the desktop's settings;
// other desktops may not publish it, and then animations stay on.
const QString kInterfaceNamespace = QStringLiteral("org.gnome.desktop.interface");
const QString kAnimationsKey = QStringLiteral("enable-animations");
const QString kCategory = QStringLiteral("Theme");

// The portal's color-scheme values.
constexpr uint kPreferDark = 1;
constexpr uint kPreferLight = 2;
// Read wraps the value in one variant more than the change signal does; anything nested
// deeper than this is not a portal answer.
constexpr int kMaxVariantDepth = 4;

QVariant unwrapped(QVariant value)
{
    const QMetaType wrapped = QMetaType::fromType<QDBusVariant>();
    for (int depth = 0; depth < kMaxVariantDepth && value.metaType() == wrapped; ++depth)
        value = value.value<QDBusVariant>().variant();
    return value;
}

std::optional<bool> preferenceFrom(const QVariant &wrappedValue)
{
    const QVariant value = unwrapped(wrappedValue);
    if (value.metaType() != QMetaType::fromType<uint>())
        return std::nullopt;
    switch (value.toUInt()) {
    case kPreferDark: return true;
    case kPreferLight: return false;
    default: return std::nullopt; // 0: no preference; later values are unknown to us
    }
}

// Anything but a plain false leaves animations on: a missing or odd value must not freeze
// the window.
bool animationsEnabledFrom(const QVariant &wrappedValue)
{
    const QVariant value = unwrapped(wrappedValue);
    return value.metaType() != QMetaType::fromType<bool>() || value.toBool();
}

QDBusMessage readCall(const QString &settingNamespace, const QString &key)
{
    QDBusMessage read = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("Read"));
    read.setArguments({settingNamespace, key});
    return read;
}

void warnNoPreference(const QString &reason)
{
    logWarn(kCategory, formatLogEvent(QStringLiteral("desktop_appearance_unavailable"),
                                      {{QStringLiteral("reason"), reason}}));
}

} // namespace

PortalDesktopAppearance::PortalDesktopAppearance(QObject *parent)
    : DesktopAppearance(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        warnNoPreference(QStringLiteral("no session bus"));
        return;
    }
    // Listening first: a change between the read and its reply must not be missed.
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(readCall(kNamespace, kKey)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &PortalDesktopAppearance::onReadFinished);
    auto *animations =
        new QDBusPendingCallWatcher(bus.asyncCall(readCall(kInterfaceNamespace, kAnimationsKey)), this);
    connect(animations, &QDBusPendingCallWatcher::finished, this,
            &PortalDesktopAppearance::onAnimationsReadFinished);
}

void PortalDesktopAppearance::onReadFinished(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *watcher;
    if (reply.isError()) {
        warnNoPreference(reply.error().message());
        return;
    }
    if (!m_heardChange)
        apply(QVariant::fromValue(reply.value()));
}

void PortalDesktopAppearance::onAnimationsReadFinished(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    // A portal without the key answers with an error: animations stay on, and the warning
    // about a missing portal is the colour scheme's to give.
    const QDBusPendingReply<QDBusVariant> reply = *watcher;
    if (!reply.isError() && !m_heardAnimationsChange)
        applyAnimations(QVariant::fromValue(reply.value()));
}

void PortalDesktopAppearance::onSettingChanged(const QString &settingNamespace,
                                               const QString &key, const QDBusVariant &value)
{
    if (settingNamespace == kNamespace && key == kKey) {
        m_heardChange = true;
        apply(QVariant::fromValue(value));
    } else if (settingNamespace == kInterfaceNamespace && key == kAnimationsKey) {
        m_heardAnimationsChange = true;
        applyAnimations(QVariant::fromValue(value));
    }
}

void PortalDesktopAppearance::applyAnimations(const QVariant &enableAnimations)
{
    const bool enabled = animationsEnabledFrom(enableAnimations);
    if (enabled == m_animationsEnabled)
        return;
    m_animationsEnabled = enabled;
    emit animationsEnabledChanged();
}

void PortalDesktopAppearance::apply(const QVariant &colorScheme)
{
    const std::optional<bool> prefersDark = preferenceFrom(colorScheme);
    if (prefersDark == m_prefersDark)
        return;
    m_prefersDark = prefersDark;
    emit prefersDarkChanged();
}
