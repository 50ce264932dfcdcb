#include "settings_ui/panes/calls_media/DetectionStatusCard.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolTile.h"

#include <QBoxLayout>

namespace {

// The warning's orange as the title's text: on the light card the tint itself reads at about
// 2:1 and its usual text shade at 3.5:1, so it is taken halfway to the label colour (5:1).
constexpr qreal warningTextDarkening = 0.45;

QColor warningText(ColorScheme scheme)
{
    const QColor orange = NamedColors::color(NamedColor::orange, scheme);
    if (scheme == ColorScheme::dark)
        return orange;
    return NamedColors::blend(orange, NamedColors::color(NamedColor::label, scheme), warningTextDarkening);
}

} // namespace

const QString DetectionStatusCard::statusTitle = QStringLiteral("Current status");
const QString DetectionStatusCard::unavailableTitle = QStringLiteral("Detection unavailable");

DetectionStatusCard::DetectionStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock,
                                         QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
    , m_wellness(wellness)
    , m_clock(clock)
    , m_title(PaneLabels::primary(statusTitle, 13, QFont::DemiBold))
{
}

void DetectionStatusCard::build(std::initializer_list<SymbolTile *> symbols, Qt::Alignment alignment,
                                int textSpacing, const QString &statusName, ContextChanged contextChanged)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    for (SymbolTile *symbol : symbols) {
        m_symbols.append(symbol);
        layout->addWidget(symbol, 0, alignment);
    }
    auto *texts = new QVBoxLayout;
    texts->setSpacing(textSpacing);
    texts->addWidget(m_title);
    m_status = PaneLabels::note(QString(), 11);
    m_status->setObjectName(statusName);
    texts->addWidget(m_status);
    layout->addLayout(texts, 1);
    addRow(row);
    refresh();
    connect(&m_wellness, contextChanged, this, &DetectionStatusCard::refresh);
    connect(&m_wellness, &WellnessScheduler::audioSignalsAvailableChanged, this, &DetectionStatusCard::refresh);
    // The office-hours answer changes with the time of day, which the settings model notices
    // whenever anyone asks it, and with the week or the switch.
    connect(&m_settings, &AppSettings::lastOfficeHoursStateChanged, this, &DetectionStatusCard::refresh);
    connect(&m_settings, &AppSettings::officeHoursSettingsAssigned, this, &DetectionStatusCard::refresh);
}

// Outside office hours detection rests anyway, and the signals are not even asked: that line
// comes first, from the card's own status.
void DetectionStatusCard::refresh()
{
    m_unavailable = !m_wellness.audioSignalsAvailable() && !outsideOfficeHours();
    showTitle(m_unavailable);
    showStatus();
    if (m_unavailable)
        setStatusText(unavailableText());
}

// While office hours are off their answer is not asked for.
bool DetectionStatusCard::outsideOfficeHours() const
{
    return m_settings.officeHoursEnabled() && !m_settings.isWithinOfficeHours(m_clock);
}

void DetectionStatusCard::showTitle(bool unavailable)
{
    m_title->setText(unavailable ? unavailableTitle : statusTitle);
    if (unavailable) {
        m_title->setColours(warningText(ColorScheme::light), warningText(ColorScheme::dark));
    } else {
        m_title->setColours(NamedColors::color(NamedColor::label, ColorScheme::light),
                            NamedColors::color(NamedColor::label, ColorScheme::dark));
    }
}

QString DetectionStatusCard::titleText() const
{
    return m_title->text();
}

QString DetectionStatusCard::statusText() const
{
    return m_status->text();
}

QString DetectionStatusCard::shownSymbol() const
{
    for (const SymbolTile *symbol : m_symbols) {
        if (symbol->isVisibleTo(this))
            return symbol->symbol();
    }
    return QString();
}

QColor DetectionStatusCard::titleColour() const
{
    return m_title->palette().color(QPalette::WindowText);
}

void DetectionStatusCard::setStatusText(const QString &text)
{
    m_status->setText(text);
}
