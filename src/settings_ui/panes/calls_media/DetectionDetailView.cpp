#include "settings_ui/panes/calls_media/DetectionDetailView.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/window/ContentServices.h"

#include <QBoxLayout>

namespace {

constexpr int sectionSpacing = 24;
// A caption keeps a little more room above it, and stays close to the card it names.
constexpr int captionLead = 8;
constexpr int captionToCard = 8;
constexpr double sectionFadeSeconds = 0.2;

} // namespace

DetectionDetailView::DetectionDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_wellness(*services.wellness)
    , m_clock(*services.clock)
{
}

void DetectionDetailView::build(const QString &title, const QString &subtitle, QWidget *tile,
                                const Detection &detection, QWidget *footer)
{
    m_detecting = detection.getter;
    QVBoxLayout *stack = PaneParts::column(this, sectionSpacing);
    stack->addWidget(PaneLabels::header(title, subtitle));
    stack->addWidget(buildDetectionCard(tile, detection));
    m_sectionSlot = new QVBoxLayout;
    m_sectionSlot->setContentsMargins(0, 0, 0, 0);
    stack->addLayout(m_sectionSlot);
    stack->addWidget(footer);
    showDetection();
    connect(&m_wellness, detection.changed, this, &DetectionDetailView::showDetection);
}

QWidget *DetectionDetailView::buildDetectionCard(QWidget *tile, const Detection &detection)
{
    auto *card = new SettingCard;
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    layout->addWidget(tile, 0, Qt::AlignVCenter);
    layout->addLayout(PaneRows::titled(detection.title, QFont::DemiBold, detection.subtitle, 2), 1);
    ToggleSwitch *control = PaneRows::newSwitch(detection.key, ToggleSwitch::Size::small);
    control->setAccessibleName(detection.title);
    SettingBinding::bindSwitch(control, &m_wellness, detection.getter, detection.setter, detection.changed);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    card->addRow(row);
    return card;
}

QWidget *DetectionDetailView::buildPauseCard(std::span<const PauseRow> rows)
{
    auto *card = new SettingCard;
    for (const PauseRow &pause : rows) {
        if (card->rows()->count() > 0)
            card->addRow(new SettingsRowDivider);
        QBoxLayout *layout = nullptr;
        QWidget *row = PaneRows::row(QMargins(16, 10, 16, 10), 10, &layout);
        layout->addWidget(new SymbolTile(QLatin1String(pause.symbol), 15, QFont::Normal, QSize(22, 18),
                                         NamedColor::secondaryLabel),
                          0, Qt::AlignVCenter);
        const QString title = QLatin1String(pause.title);
        layout->addLayout(PaneRows::titled(title, QFont::Medium, QLatin1String(pause.subtitle), 1), 1);
        ToggleSwitch *control = PaneRows::newSwitch(QLatin1String(pause.key), ToggleSwitch::Size::small);
        control->setAccessibleName(title);
        SettingBinding::bindSwitch(control, &m_settings, pause.getter, pause.setter, pause.changed);
        layout->addWidget(control, 0, Qt::AlignVCenter);
        card->addRow(row);
    }
    return card;
}

QWidget *DetectionDetailView::captioned(QWidget *caption, QWidget *card)
{
    auto *group = new QWidget;
    auto *stack = new QVBoxLayout(group);
    stack->setContentsMargins(0, captionLead, 0, 0);
    stack->setSpacing(captionToCard);
    stack->addWidget(caption);
    stack->addWidget(card);
    return group;
}

QVBoxLayout *DetectionDetailView::sectionColumn(QWidget *sections)
{
    QVBoxLayout *stack = PaneParts::column(sections, sectionSpacing);
    return stack;
}

void DetectionDetailView::showDetection()
{
    const bool detecting = (m_wellness.*m_detecting)();
    if (detecting == (m_sections != nullptr))
        return;
    if (m_sections) {
        m_sections->hide();
        m_sections->deleteLater();
        m_sections = nullptr;
        return;
    }
    m_sections = buildSections();
    m_sectionSlot->addWidget(m_sections);
    // A layout shows a widget added to a visible pane only later; the switch shows it now.
    m_sections->show();
    FadeIn::start(m_sections, sectionFadeSeconds);
}
