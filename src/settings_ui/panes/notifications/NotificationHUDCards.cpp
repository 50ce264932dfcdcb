#include "settings_ui/panes/notifications/NotificationHUDCards.h"

#include "core/AppSettings.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/RadioOptionRow.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"

#include <QBoxLayout>
#include <QGraphicsOpacityEffect>

namespace {

const QMargins rowMargins(16, 8, 16, 8);

struct SizeOption
{
    const char *label;
    const char *value;
};

constexpr SizeOption sizes[] = {
    {"Compact HUD", "compact"},
    {"Standard HUD", "standard"},
    {"Large HUD", "large"},
};

QWidget *toggleRow(AppSettings &settings, const char *key, const QString &title,
                   bool (AppSettings::*getter)() const, void (AppSettings::*setter)(bool),
                   void (AppSettings::*changed)(bool))
{
    ToggleSwitch *control = PaneRows::newSwitch(QLatin1String(key), ToggleSwitch::Size::mini);
    SettingBinding::bindSwitch(control, &settings, getter, setter, changed);
    return PaneRows::withControl(title, 12, control, rowMargins);
}

// The duration row rests, dimmed, while notices stay until closed.
void showDismissal(QWidget *durationRow, bool autoDismiss)
{
    auto *dim = static_cast<QGraphicsOpacityEffect *>(durationRow->graphicsEffect());
    dim->setOpacity(autoDismiss ? 1.0 : NotificationHUDCards::restingOpacity);
    // At full opacity the row is drawn directly, not through the effect's off-screen pass.
    dim->setEnabled(!autoDismiss);
    durationRow->setEnabled(autoDismiss);
}

QWidget *durationRow(AppSettings &settings)
{
    auto *picker = new ValueComboBox({{QStringLiteral("3 seconds"), QVariant::fromValue(qint64(3))},
                                      {QStringLiteral("5 seconds"), QVariant::fromValue(qint64(5))},
                                      {QStringLiteral("8 seconds"), QVariant::fromValue(qint64(8))},
                                      {QStringLiteral("10 seconds"), QVariant::fromValue(qint64(10))}},
                                     110);
    picker->setObjectName(QStringLiteral("hudDismissSeconds"));
    SettingBinding::bindChoice<qint64>(picker, &settings, &AppSettings::hudDismissSeconds,
                                       &AppSettings::setHudDismissSeconds, &AppSettings::hudDismissSecondsChanged);
    QWidget *row = PaneRows::withControl(QStringLiteral("Display duration"), 12, picker, rowMargins);
    row->setObjectName(QStringLiteral("hudDismissSeconds.row"));
    row->setGraphicsEffect(new QGraphicsOpacityEffect(row));
    showDismissal(row, settings.hudAutoDismiss());
    QObject::connect(&settings, &AppSettings::hudAutoDismissChanged, row,
                     [row](bool autoDismiss) { showDismissal(row, autoDismiss); });
    return row;
}

QWidget *scheduledBreakRow(AppSettings &settings)
{
    auto *picker = new ValueComboBox({{QStringLiteral("Until break starts"), true},
                                      {QStringLiteral("Use reminder duration"), false}},
                                     155);
    picker->setObjectName(QStringLiteral("scheduledBreakHUDStaysVisible"));
    SettingBinding::bindChoice<bool>(picker, &settings, &AppSettings::scheduledBreakHUDStaysVisible,
                                     &AppSettings::setScheduledBreakHUDStaysVisible,
                                     &AppSettings::scheduledBreakHUDStaysVisibleChanged);
    const QString title = QStringLiteral("Scheduled break alerts");
    picker->setAccessibleName(title);
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(rowMargins, 8, &layout);
    layout->addLayout(PaneRows::titled(title, QFont::Normal,
                                       QStringLiteral("Choose how long fixed-time break alerts remain visible."), 2,
                                       12, 10),
                      1);
    layout->addWidget(picker, 0, Qt::AlignVCenter);
    return row;
}

} // namespace

QWidget *NotificationHUDCards::styleCard(AppSettings &settings)
{
    auto *card = new SettingCard;
    auto *stack = new QWidget;
    auto *layout = new QVBoxLayout(stack);
    // The rows' own margins hold their focus rings; the marks and texts keep the card's
    // 16-pixel padding and their 10 pixels apart.
    const QMargins ring = RadioOptionRow::ringRoom;
    layout->setContentsMargins(16 - ring.left(), 16, 16 - ring.right(), 16 - ring.bottom());
    layout->setSpacing(0);
    QLabel *title = PaneLabels::primary(QStringLiteral("Notification Style"), 13, QFont::DemiBold);
    title->setContentsMargins(ring.left(), 0, ring.right(), 0);
    layout->addWidget(title);
    layout->addSpacing(10 - ring.top());
    for (const SizeOption &size : sizes) {
        const QString value = QLatin1String(size.value);
        auto *row = new RadioOptionRow(QLatin1String(size.label), QString(), {16, 8, QFont::Medium});
        row->setObjectName(QStringLiteral("hudStyle.") + value);
        // A hand-edited style that is none of the three selects no row.
        const auto show = [row, value, &settings] { row->setSelected(settings.hudStyle() == value); };
        show();
        QObject::connect(&settings, &AppSettings::hudStyleChanged, row, show);
        // Also when chosen already: the store then holds the text, though nothing changes.
        QObject::connect(row, &QAbstractButton::clicked, &settings, [value, &settings] { settings.setHudStyle(value); });
        layout->addWidget(row);
    }
    card->addRow(stack);
    return card;
}

QWidget *NotificationHUDCards::behaviorCard(AppSettings &settings)
{
    auto *card = new SettingCard;
    card->addRow(PaneRows::cardTitle(QStringLiteral("Behavior")));
    card->addRow(toggleRow(settings, "showCountdownInHUD", QStringLiteral("Show countdown in notification"),
                           &AppSettings::showCountdownInHUD, &AppSettings::setShowCountdownInHUD,
                           &AppSettings::showCountdownInHUDChanged));
    card->addRow(new SettingsRowDivider);
    card->addRow(toggleRow(settings, "hudAboveFullscreen", QStringLiteral("Bring HUD above full-screen apps"),
                           &AppSettings::hudAboveFullscreen, &AppSettings::setHudAboveFullscreen,
                           &AppSettings::hudAboveFullscreenChanged));
    card->rows()->addSpacing(12);
    return card;
}

QWidget *NotificationHUDCards::visibilityCard(AppSettings &settings)
{
    auto *card = new SettingCard;
    card->addRow(PaneRows::cardTitle(QStringLiteral("HUD Visibility")));
    card->addRow(toggleRow(settings, "hudAutoDismiss", QStringLiteral("Auto-dismiss reminders"),
                           &AppSettings::hudAutoDismiss, &AppSettings::setHudAutoDismiss,
                           &AppSettings::hudAutoDismissChanged));
    card->addRow(new SettingsRowDivider);
    card->addRow(durationRow(settings));
    card->addRow(new SettingsRowDivider);
    card->addRow(scheduledBreakRow(settings));
    card->rows()->addSpacing(8);
    return card;
}
