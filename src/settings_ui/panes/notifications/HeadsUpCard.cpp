#include "settings_ui/panes/notifications/HeadsUpCard.h"

#include "core/AppSettings.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/notifications/NotificationPreview.h"

#include <QBoxLayout>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr qint64 shortestLeadTime = 15;
constexpr int pickerWidth = 100;

QList<ValueComboBox::Option> leadTimes()
{
    const auto option = [](const char *label, qint64 seconds) {
        return ValueComboBox::Option{QLatin1String(label), QVariant::fromValue(seconds)};
    };
    return {option("15 sec", 15), option("30 sec", 30), option("45 sec", 45), option("60 sec", 60),
            option("2 min", 120)};
}

} // namespace

HeadsUpCard::HeadsUpCard(AppSettings &settings, QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
    , m_rememberedLeadTime(std::max<qint64>(settings.headsUpSeconds(), 0))
{
    addRow(buildSwitchRow());
    addRow(buildLeadTimeRow());
    showSetting();
    connect(&settings, &AppSettings::headsUpSecondsChanged, this, [this](qint64 seconds) {
        if (seconds > 0)
            m_rememberedLeadTime = seconds;
        showSetting();
    });
}

qint64 HeadsUpCard::leadTimeWhenOn() const
{
    return std::max(m_rememberedLeadTime, shortestLeadTime);
}

QWidget *HeadsUpCard::buildSwitchRow()
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 8, &layout);
    const QString title = QStringLiteral("Before a Break");
    layout->addLayout(
        PaneRows::titled(title, QFont::DemiBold, QStringLiteral("Receive a reminder before the break begins.")), 1);
    m_switch = PaneRows::newSwitch(QStringLiteral("headsUpSeconds"), ToggleSwitch::Size::mini);
    m_switch->setAccessibleName(title);
    connect(m_switch, &QAbstractButton::toggled, this, &HeadsUpCard::switchTurned);
    layout->addWidget(m_switch, 0, Qt::AlignTop);
    return row;
}

QWidget *HeadsUpCard::buildLeadTimeRow()
{
    m_picker = new ValueComboBox(leadTimes(), pickerWidth);
    m_picker->setObjectName(QStringLiteral("headsUpSeconds.picker"));
    connect(m_picker, &ValueComboBox::valueActivated, this, [this](const QVariant &value) {
        m_rememberedLeadTime = value.value<qint64>();
        m_settings.setHeadsUpSeconds(value.value<qint64>());
    });
    m_leadTimeRow = PaneRows::withControl(QStringLiteral("Notify before"), 13, m_picker, QMargins(16, 10, 16, 10));
    return m_leadTimeRow;
}

void HeadsUpCard::showSetting()
{
    const qint64 seconds = m_settings.headsUpSeconds();
    {
        const QSignalBlocker block(m_switch);
        m_switch->setChecked(seconds > 0);
    }
    m_leadTimeRow->setVisible(seconds > 0);
    // Below 15 seconds the notice is shown as "15 sec", as the window previews it.
    const QSignalBlocker block(m_picker);
    m_picker->setValue(QVariant::fromValue(qint64(NotificationPreview::effectiveLeadTime(seconds))));
}

void HeadsUpCard::switchTurned(bool on)
{
    m_settings.setHeadsUpSeconds(on ? leadTimeWhenOn() : 0);
}
