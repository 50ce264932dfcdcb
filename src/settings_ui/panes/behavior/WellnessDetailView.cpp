#include "settings_ui/panes/behavior/WellnessDetailView.h"

#include "core/AppSettings.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/behavior/WellnessCard.h"
#include "settings_ui/window/ContentServices.h"

#include <QBoxLayout>

namespace {

constexpr int sectionSpacing = 20;
constexpr int headerSpacing = 6;
constexpr int headerTrail = 8;
constexpr int pickerWidth = 100;

ValueComboBox *minutePicker(const QString &key, const QList<qint64> &minutes)
{
    auto *picker = new ValueComboBox(ValueComboBox::numbered(minutes, QStringLiteral(" min")), pickerWidth);
    picker->setObjectName(key);
    return picker;
}

// A card's body: how often its reminder comes. Two cards label the row alike, so the picker
// also names its card to a screen reader.
QWidget *intervalRow(const QString &label, const QString &cardTitle, ValueComboBox *picker)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 10, 16, 10), 10, &layout);
    layout->addWidget(new SymbolTile(QStringLiteral("clock"), 12, QFont::Normal, QSize(20, 14),
                                     NamedColor::secondaryLabel),
                      0, Qt::AlignVCenter);
    SchemeLabel *title = PaneLabels::primary(label, 13);
    title->setBuddy(picker);
    layout->addWidget(title, 1);
    picker->setAccessibleName(label);
    picker->setAccessibleDescription(cardTitle);
    layout->addWidget(picker, 0, Qt::AlignVCenter);
    return row;
}

QWidget *header()
{
    QWidget *header = PaneLabels::header(QStringLiteral("Wellness"),
                                         QStringLiteral("Small reminders that help you feel better while you work."));
    header->layout()->setSpacing(headerSpacing);
    header->layout()->setContentsMargins(0, 0, 0, headerTrail);
    return header;
}

template <typename Model, typename Getter, typename Setter, typename Changed>
void bindCard(WellnessCard *card, Model *model, Getter getter, Setter setter, Changed changed)
{
    SettingBinding::bindSwitch(card->enabledSwitch(), model, getter, setter, changed);
    card->showBody((model->*getter)());
    QObject::connect(model, changed, card, [card](bool on) { card->showBody(on); });
}

} // namespace

QWidget *WellnessDetailView::make(const ContentServices &services)
{
    return new WellnessDetailView(services);
}

WellnessDetailView::WellnessDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_wellness(*services.wellness)
    , m_typing(*services.typing)
    , m_postureInterval(m_wellness.postureIntervalMinutes())
    , m_blinkInterval(m_wellness.blinkIntervalMinutes())
    , m_notificationsEnabled(m_settings.notificationsEnabled())
{
    setObjectName(QStringLiteral("pane:Wellness"));
    QVBoxLayout *stack = PaneParts::column(this, sectionSpacing);
    stack->addWidget(header());
    m_banner = new InfoTip(QStringLiteral("bell.slash.fill"), QStringLiteral("Wellness reminders need notifications"),
                              QStringLiteral("Turn notifications back on in the Notifications tab to receive wellness "
                                             "reminders."),
                              NamedColor::orange, InfoTip::note(0.05, 12, 2));
    m_banner->setObjectName(QStringLiteral("notificationsBanner"));
    m_banner->setVisible(!m_notificationsEnabled);
    stack->addWidget(m_banner);
    stack->addWidget(buildPostureCard());
    stack->addWidget(buildWristCard());
    stack->addWidget(buildBlinkCard());
    stack->addWidget(new InfoTip(QStringLiteral("lock.shield.fill"), QStringLiteral("No camera access"),
                                 QStringLiteral("Posture and blink reminders are timer-based and never access your "
                                                "camera."),
                                 NamedColor::blue));
}

void WellnessDetailView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Notifications are switched in their own pane; coming back here shows what they are now.
    m_notificationsEnabled = m_settings.notificationsEnabled();
    m_banner->setVisible(!m_notificationsEnabled);
}

WellnessCard *WellnessDetailView::buildPostureCard()
{
    const QString title = QStringLiteral("Posture reminders");
    ValueComboBox *picker = minutePicker(QStringLiteral("postureIntervalMinutes"), {10, 15, 20, 30, 45});
    // A stored interval no entry offers shows none, and stays in force until one is chosen.
    picker->setValue(QVariant::fromValue(m_postureInterval));
    connect(picker, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { choosePostureInterval(value.value<qint64>()); });
    auto *card = new WellnessCard(QStringLiteral("figure.stand"), NamedColor::red, title,
                                  QStringLiteral("Gentle reminders to check your posture and sit up straight."),
                                  QStringLiteral("postureEnabled"),
                                  intervalRow(QStringLiteral("Reminder every"), title, picker));
    bindCard(card, &m_wellness, &WellnessScheduler::postureEnabled, &WellnessScheduler::setPostureEnabled,
             &WellnessScheduler::postureEnabledChanged);
    return card;
}

WellnessCard *WellnessDetailView::buildWristCard()
{
    const QString title = QStringLiteral("Wrist & hand reminders");
    ValueComboBox *picker = minutePicker(QStringLiteral("typingThresholdMinutes"), {2, 5, 10, 15, 20, 30, 45});
    // Written on every choice: the engine clears the typing load only when the value changes.
    SettingBinding::bindChoice<qint64>(picker, &m_typing, &TypingHealthEngine::typingThresholdMinutes,
                                       &TypingHealthEngine::setTypingThresholdMinutes,
                                       &TypingHealthEngine::typingThresholdMinutesChanged);
    auto *card = new WellnessCard(QStringLiteral("hand.raised"), NamedColor::green, title,
                                  QStringLiteral("Detects sustained keyboard activity while ignoring short bursts and "
                                                 "thinking pauses."),
                                  QStringLiteral("typingHealthEnabled"),
                                  intervalRow(QStringLiteral("After sustained typing"), title, picker));
    bindCard(card, &m_typing, &TypingHealthEngine::enabled, &TypingHealthEngine::setEnabled,
             &TypingHealthEngine::enabledChanged);
    return card;
}

WellnessCard *WellnessDetailView::buildBlinkCard()
{
    const QString title = QStringLiteral("Blink reminders");
    ValueComboBox *picker = minutePicker(QStringLiteral("blinkIntervalMinutes"), {3, 5, 8, 10, 15, 20});
    picker->setValue(QVariant::fromValue(m_blinkInterval));
    connect(picker, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { chooseBlinkInterval(value.value<qint64>()); });
    auto *card = new WellnessCard(QStringLiteral("eye"), NamedColor::blue, title,
                                  QStringLiteral("Helps prevent dry eyes by reminding you to blink naturally."),
                                  QStringLiteral("blinkEnabled"),
                                  intervalRow(QStringLiteral("Reminder every"), title, picker));
    bindCard(card, &m_wellness, &WellnessScheduler::blinkEnabled, &WellnessScheduler::setBlinkEnabled,
             &WellnessScheduler::blinkEnabledChanged);
    return card;
}

void WellnessDetailView::choosePostureInterval(qint64 minutes)
{
    // The entry already chosen writes nothing, so its reminder's count goes on.
    if (minutes == m_postureInterval)
        return;
    m_postureInterval = minutes;
    m_wellness.setPostureIntervalMinutes(minutes);
}

void WellnessDetailView::chooseBlinkInterval(qint64 minutes)
{
    if (minutes == m_blinkInterval)
        return;
    m_blinkInterval = minutes;
    m_wellness.setBlinkIntervalMinutes(minutes);
}
