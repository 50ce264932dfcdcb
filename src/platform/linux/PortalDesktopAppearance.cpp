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
const QString kCategory = QStringLiteral("Theme");

// The portal's color-scheme values.
constexpr uint kPreferDark = 1;
constexpr uint kPreferLight = 2;
// Read wraps the value in one variant more than the change signal does; anything nested
// deeper than this is not a portal answer.
constexpr int kMaxVariantDepth = 4;

std::optional<bool> preferenceFrom(QVariant value)
{
    const QMetaType wrapped = QMetaType::fromType<QDBusVariant>();
    for (int depth = 0; depth < kMaxVariantDepth && value.metaType() == wrapped; ++depth)
        value = value.value<QDBusVariant>().variant();
    if (value.metaType() != QMetaType::fromType<uint>())
        return std::nullopt;
    switch (value.toUInt()) {
    case kPreferDark: return true;
    case kPreferLight: return false;
    default: return std::nullopt; // 0: no preference; later values are unknown to us
    }
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
    QDBusMessage read = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("Read"));
    read.setArguments({kNamespace, kKey});
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &PortalDesktopAppearance::onReadFinished);
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

void PortalDesktopAppearance::onSettingChanged(const QString &settingNamespace,
                                               const QString &key, const QDBusVariant &value)
{
    if (settingNamespace != kNamespace || key != kKey)
        return;
    m_heardChange = true;
    apply(QVariant::fromValue(value));
}

void PortalDesktopAppearance::apply(const QVariant &colorScheme)
{
    const std::optional<bool> prefersDark = preferenceFrom(colorScheme);
    if (prefersDark == m_prefersDark)
        return;
    m_prefersDark = prefersDark;
    emit prefersDarkChanged();
}
