#include "settings_ui/panes/notifications/NotificationPreview.h"

#include "core/AppSettings.h"
#include "core/RunningTests.h"
#include "menubar/HUDPresenter.h"
#include "menubar/ReminderQueue.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int minimumLeadTime = 15;

const QString breakType = QStringLiteral("break");
const QString typingType = QStringLiteral("typing");
const QString postureType = QStringLiteral("posture");

bool endsSentence(const QString &text)
{
    return QStringView(u".?!\u2026").contains(text.back());
}

} // namespace

const QStringList &NotificationPreview::types()
{
    static const QStringList types = {breakType, typingType, postureType, QStringLiteral("blink")};
    return types;
}

int NotificationPreview::effectiveLeadTime(qint64 headsUpSeconds)
{
    return int(std::clamp<qint64>(headsUpSeconds, minimumLeadTime, std::numeric_limits<int>::max()));
}

NotificationPreview::BoxSample NotificationPreview::boxSample(const QString &type)
{
    if (type == breakType)
        return {QStringLiteral("Break coming up"), QStringLiteral("Finish your thought."), QString(), std::nullopt};
    if (type == typingType)
        return {QStringLiteral("Relax your wrists"), QStringLiteral("You've had a sustained typing session."),
                QStringLiteral("hand.raised.fill"), QColor::fromRgbF(1.0f, 0.55f, 0.2f)};
    if (type == postureType)
        return {QStringLiteral("Check your posture"), QStringLiteral("Sit up straight and relax."),
                QStringLiteral("figure.stand"), QColor::fromRgbF(0.25f, 0.8f, 0.45f)};
    return {QStringLiteral("Time to blink"), QStringLiteral("Blink slowly a few times."),
            QStringLiteral("eye.fill"), QColor::fromRgbF(0.4f, 0.6f, 1.0f)};
}

NotificationPreview::HUDSample NotificationPreview::hudSample(const QString &type, int leadTime)
{
    if (type == breakType)
        return {HUDStyle::breakReminder,
                QStringLiteral("Break coming up in ") + QString::number(leadTime) + QLatin1Char('s'),
                QStringLiteral("Finish your thought."), leadTime};
    if (type == typingType)
        return {HUDStyle::typing, QStringLiteral("Relax your wrists"),
                QStringLiteral("Take a moment to stretch."), 0};
    if (type == postureType)
        return {HUDStyle::posture, QStringLiteral("Check your posture"), QStringLiteral("Sit up straight."), 0};
    return {HUDStyle::blink, QStringLiteral("Time to blink"), QStringLiteral("Blink slowly a few times."), 0};
}

QString NotificationPreview::sentences(const QStringList &parts)
{
    QString text;
    for (const QString &part : parts) {
        const QString sentence = part.trimmed();
        if (sentence.isEmpty())
            continue;
        if (!text.isEmpty())
            text += endsSentence(text) ? QStringLiteral(" ") : QStringLiteral(". ");
        text += sentence;
    }
    return text;
}

bool NotificationPreview::present(const QString &type, AppSettings &settings, ReminderQueue &reminders,
                                  HUDPresenter &hud)
{
    const HUDSample sample = hudSample(type, effectiveLeadTime(settings.headsUpSeconds()));
    // Whatever waits in the queue would otherwise follow the sample on screen.
    reminders.clearAll();
    if (!settings.notificationsEnabled() || isRunningTests())
        return false;
    return hud.present(sample.style, sample.title, sample.subtitle, sample.secondsLeft,
                       HUDPresentationKind::regular, true, nullptr);
}
