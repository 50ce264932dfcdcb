#include "settings_ui/panes/notifications/NotificationsDetailView.h"

#include "core/AppSettings.h"
#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/notifications/HeadsUpCard.h"
#include "settings_ui/panes/notifications/NotificationHUDCards.h"
#include "settings_ui/panes/notifications/NotificationPreviewCard.h"
#include "settings_ui/panes/notifications/NotificationSoundCard.h"
#include "settings_ui/window/ContentServices.h"

#include <QBoxLayout>

namespace {

constexpr int sectionSpacing = 20;
// The "Preview" caption stays close to the card it names.
constexpr int captionToCard = 8;
constexpr double sectionFadeSeconds = 0.2;
const QColor bellTile = QColor::fromRgbF(0.3f, 0.75f, 0.65f);

} // namespace

QWidget *NotificationsDetailView::make(const ContentServices &services)
{
    return new NotificationsDetailView(services);
}

NotificationsDetailView::NotificationsDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_reminders(services.reminders)
    , m_hud(services.hud)
    , m_sounds(services.sounds)
    , m_notificationsEnabled(m_settings.notificationsEnabled())
    , m_notificationType(QStringLiteral("break"))
{
    setObjectName(QStringLiteral("pane:Notifications"));
    QVBoxLayout *stack = PaneParts::column(this, sectionSpacing);
    stack->addWidget(PaneLabels::header(QStringLiteral("Notifications"),
                                        QStringLiteral("How Lumenpause gets your attention before a break.")));
    stack->addWidget(buildMasterCard());
    stack->addWidget(new NotificationSoundCard(m_settings, m_sounds));
    m_lowerHalf = new QVBoxLayout;
    m_lowerHalf->setContentsMargins(0, 0, 0, 0);
    stack->addLayout(m_lowerHalf);
    showLowerHalf();
}

QWidget *NotificationsDetailView::buildMasterCard()
{
    auto *card = new SettingCard;
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    layout->addWidget(new SymbolTile(QStringLiteral("bell.fill"), 17, QFont::Normal, QSize(28, 28), bellTile, 6));
    const QString title = QStringLiteral("Enable notifications");
    layout->addWidget(PaneLabels::primary(title, 13, QFont::Medium), 1);
    m_masterSwitch = PaneRows::newSwitch(QStringLiteral("notificationsEnabled"), ToggleSwitch::Size::small);
    m_masterSwitch->setAccessibleName(title);
    m_masterSwitch->setChecked(m_notificationsEnabled);
    connect(m_masterSwitch, &QAbstractButton::toggled, this, &NotificationsDetailView::setNotificationsEnabled);
    layout->addWidget(m_masterSwitch);
    card->addRow(row);
    return card;
}

void NotificationsDetailView::setNotificationsEnabled(bool enabled)
{
    if (enabled == m_notificationsEnabled)
        return;
    m_notificationsEnabled = enabled;
    m_settings.setNotificationsEnabled(enabled);
    showLowerHalf();
}

void NotificationsDetailView::showLowerHalf()
{
    const bool switched = m_lowerContent != nullptr;
    if (m_lowerContent) {
        m_lowerContent->hide();
        m_lowerContent->deleteLater();
    }
    if (m_notificationsEnabled) {
        m_lowerContent = buildEnabledSections();
    } else {
        m_lowerContent = new InfoTip(QStringLiteral("bell.slash.fill"), QStringLiteral("Notifications are turned off"),
                                     QStringLiteral("Break heads-up reminders and wellness HUDs are disabled. "
                                                    "Full-screen breaks still appear on schedule."),
                                     NamedColor::orange);
        m_lowerContent->setObjectName(QStringLiteral("notificationsOffTip"));
    }
    m_lowerHalf->addWidget(m_lowerContent);
    // A layout shows a widget added to a visible pane only later; the switch shows it now.
    m_lowerContent->show();
    if (switched)
        FadeIn::start(m_lowerContent, sectionFadeSeconds);
}

QWidget *NotificationsDetailView::buildEnabledSections()
{
    auto *sections = new QWidget;
    sections->setObjectName(QStringLiteral("notificationsOnSections"));
    QVBoxLayout *stack = PaneParts::column(sections, sectionSpacing);
    auto *caption = new QVBoxLayout;
    caption->setSpacing(captionToCard);
    caption->addWidget(PaneLabels::section(QStringLiteral("Preview")));
    auto *preview = new NotificationPreviewCard(m_settings, m_reminders, m_hud, m_notificationType);
    connect(preview, &NotificationPreviewCard::typeChosen, this,
            [this](const QString &type) { m_notificationType = type; });
    caption->addWidget(preview);
    stack->addLayout(caption);
    stack->addWidget(new HeadsUpCard(m_settings));
    auto *pair = new QHBoxLayout;
    pair->setSpacing(12);
    pair->addWidget(NotificationHUDCards::styleCard(m_settings), 1);
    pair->addWidget(NotificationHUDCards::behaviorCard(m_settings), 1);
    stack->addLayout(pair);
    stack->addWidget(NotificationHUDCards::visibilityCard(m_settings));
    stack->addWidget(new InfoTip(QStringLiteral("rectangle.stack.fill"), QStringLiteral("When reminders overlap"),
                                 QStringLiteral("Wellness reminders arriving together are combined. Break alerts "
                                                "always take priority, and blocked reminders are not replayed later."),
                                 NamedColor::blue));
    return sections;
}
