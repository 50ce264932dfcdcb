#include "settings_ui/DetectionStatusCard.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/PaneRows.h"
#include "settings_ui/SchemeLabel.h"

#include <QBoxLayout>

DetectionStatusCard::DetectionStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock,
                                         QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
    , m_wellness(wellness)
    , m_clock(clock)
    , m_title(PaneLabels::primary(QStringLiteral("Current status"), 13, QFont::DemiBold))
{
}

void DetectionStatusCard::build(std::initializer_list<QWidget *> symbols, Qt::Alignment alignment,
                                int textSpacing, const QString &statusName, ContextChanged contextChanged)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    for (QWidget *symbol : symbols)
        layout->addWidget(symbol, 0, alignment);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(textSpacing);
    texts->addWidget(m_title);
    m_status = PaneLabels::note(QString(), 11);
    m_status->setObjectName(statusName);
    texts->addWidget(m_status);
    layout->addLayout(texts, 1);
    addRow(row);
    showStatus();
    connect(&m_wellness, contextChanged, this, &DetectionStatusCard::showStatus);
    // The office-hours answer changes with the time of day, which the settings model notices
    // whenever anyone asks it, and with the week or the switch.
    connect(&m_settings, &AppSettings::lastOfficeHoursStateChanged, this, &DetectionStatusCard::showStatus);
    connect(&m_settings, &AppSettings::officeHoursSettingsAssigned, this, &DetectionStatusCard::showStatus);
}

QString DetectionStatusCard::statusText() const
{
    return m_status->text();
}

void DetectionStatusCard::setStatusText(const QString &text)
{
    m_status->setText(text);
}
