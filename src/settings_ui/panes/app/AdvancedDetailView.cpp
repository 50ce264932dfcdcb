#include "settings_ui/panes/app/AdvancedDetailView.h"

#include "core/AppSettings.h"
#include "core/FactoryReset.h"
#include "core/InfoDictionary.h"
#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/ConfirmationAlert.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SectionReveal.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/app/BatteryThresholdSlider.h"
#include "settings_ui/panes/app/IconRowButton.h"
#include "settings_ui/window/ContentServices.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

const QMargins rowMargins(16, 12, 16, 12);
const QMargins autoSkipMargins(16, 10, 16, 10);
constexpr int thresholdLabelWidth = 36;

QString batteryTitle(qint64 percent)
{
    return QStringLiteral("Battery below %1%").arg(percent);
}

QFont thresholdFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(11);
    font.setWeight(QFont::Medium);
    return font;
}

// Where the window was made without the application's reset (a test host, a tool), nothing
// is reset and the pane says why.
std::optional<ResetError> noReset()
{
    return ResetError(ResetError::Kind::unsafeLocation,
                      QStringLiteral("This window cannot reach the running application."));
}

} // namespace

QWidget *AdvancedDetailView::make(const ContentServices &services)
{
    return new AdvancedDetailView(services);
}

AdvancedDetailView::AdvancedDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_factoryReset(services.factoryReset ? services.factoryReset : FactoryResetAction(&noReset))
    , m_displayName(services.info ? resolveAppDisplayName(*services.info) : resolveAppDisplayName())
{
    setObjectName(QStringLiteral("pane:Advanced"));
    QVBoxLayout *column = PaneParts::column(this);
    column->addWidget(PaneLabels::header(QStringLiteral("Advanced"),
                                         QStringLiteral("Fine-tune break behavior and automatic skip conditions.")));
    column->addWidget(PaneParts::section(QStringLiteral("Break Behavior"), 4));
    column->addWidget(buildBreakBehaviorCard());
    column->addWidget(PaneParts::section(QStringLiteral("Auto Skip"), 12));
    column->addWidget(buildAutoSkipCard());
    column->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("Away time is automatic"),
                                  QStringLiteral("Locked and sleeping computers are already treated as away. Auto "
                                                 "skip is only needed for optional hardware and battery conditions."),
                                  NamedColor::blue));
    column->addWidget(PaneParts::section(QStringLiteral("Reset"), 12));
    column->addWidget(buildResetCard());
    column->addStretch(1);
}

QWidget *AdvancedDetailView::buildBreakBehaviorCard()
{
    ToggleSwitch *endEarly = PaneRows::newSwitch(QStringLiteral("endBreakEarly"), ToggleSwitch::Size::small);
    SettingBinding::bindSwitch(endEarly, &m_settings, &AppSettings::endBreakEarly, &AppSettings::setEndBreakEarly,
                               &AppSettings::endBreakEarlyChanged);
    auto *card = new SettingCard;
    card->addRow(PaneParts::symbolRow(QStringLiteral("forward.end.fill"), QStringLiteral("End break early"),
                                      QStringLiteral("Shows button in the last 20% of a break"), endEarly,
                                      rowMargins));
    return card;
}

QWidget *AdvancedDetailView::buildAutoSkipCard()
{
    ToggleSwitch *display =
        PaneRows::newSwitch(QStringLiteral("autoSkipDisplayDisconnected"), ToggleSwitch::Size::mini);
    SettingBinding::bindSwitch(display, &m_settings, &AppSettings::autoSkipDisplayDisconnected,
                               &AppSettings::setAutoSkipDisplayDisconnected,
                               &AppSettings::autoSkipDisplayDisconnectedChanged);
    m_batterySwitch = PaneRows::newSwitch(QStringLiteral("autoSkipBatteryLow"), ToggleSwitch::Size::mini);
    SettingBinding::bindSwitch(m_batterySwitch, &m_settings, &AppSettings::autoSkipBatteryLow,
                               &AppSettings::setAutoSkipBatteryLow, &AppSettings::autoSkipBatteryLowChanged);
    auto *card = new SettingCard;
    card->addRow(PaneParts::tileRow(QStringLiteral("rectangle.on.rectangle.slash"), NamedColor::orange,
                                    QStringLiteral("Display disconnected"), display, autoSkipMargins));
    card->addRow(new SettingsRowDivider);
    m_batteryRow = PaneParts::tileRow(QStringLiteral("battery.25percent"), NamedColor::red,
                                      batteryTitle(m_settings.batteryThreshold()), m_batterySwitch,
                                      autoSkipMargins);
    m_batteryRow->setObjectName(QStringLiteral("autoSkipBatteryLow.row"));
    card->addRow(m_batteryRow);
    card->addRow(buildThresholdRow());
    showBatteryThreshold(m_settings.batteryThreshold());
    connect(&m_settings, &AppSettings::batteryThresholdChanged, this, &AdvancedDetailView::showBatteryThreshold);
    m_thresholdRow->setVisible(m_settings.autoSkipBatteryLow());
    connect(&m_settings, &AppSettings::autoSkipBatteryLowChanged, this, [this](bool shown) {
        SectionReveal::change(this, [this, shown] { showThresholdRow(shown); });
    });
    return card;
}

QWidget *AdvancedDetailView::buildThresholdRow()
{
    m_thresholdRow = new QWidget;
    m_thresholdRow->setObjectName(QStringLiteral("batteryThreshold.row"));
    auto *row = new QHBoxLayout(m_thresholdRow);
    row->setContentsMargins(16, 0, 16, 12);
    row->setSpacing(10);
    m_thresholdLabel = new SchemeLabel(QString(), thresholdFont(),
                                       NamedColors::color(NamedColor::secondaryLabel, ColorScheme::light),
                                       NamedColors::color(NamedColor::secondaryLabel, ColorScheme::dark));
    m_thresholdLabel->setObjectName(QStringLiteral("batteryThreshold.value"));
    m_thresholdLabel->setFixedWidth(thresholdLabelWidth);
    row->addWidget(m_thresholdLabel);
    m_thresholdSlider = new BatteryThresholdSlider;
    m_thresholdSlider->setObjectName(QStringLiteral("batteryThreshold"));
    connect(m_thresholdSlider, &BatteryThresholdSlider::thresholdChosen, &m_settings,
            &AppSettings::setBatteryThreshold);
    row->addWidget(m_thresholdSlider, 1);
    return m_thresholdRow;
}

void AdvancedDetailView::showBatteryThreshold(qint64 percent)
{
    m_batteryRow->titleLabel()->setText(batteryTitle(percent));
    m_batterySwitch->setAccessibleName(batteryTitle(percent));
    m_thresholdLabel->setText(QStringLiteral("%1%").arg(percent));
    m_thresholdSlider->showThreshold(percent);
}

void AdvancedDetailView::showThresholdRow(bool shown)
{
    m_thresholdRow->setVisible(shown);
}

QWidget *AdvancedDetailView::buildResetCard()
{
    m_resetButton = new IconRowButton(QStringLiteral("trash.fill"), NamedColor::red, QString(), rowMargins);
    m_resetButton->setObjectName(QStringLiteral("factoryReset"));
    m_resetButton->setTitleWeight(QFont::Medium);
    m_resetButton->setSubtitle(QStringLiteral("Deletes app data on this computer"));
    connect(m_resetButton, &QAbstractButton::clicked, this, &AdvancedDetailView::askToReset);

    m_errorRow = new QWidget;
    m_errorRow->setObjectName(QStringLiteral("factoryReset.error"));
    auto *error = new QHBoxLayout(m_errorRow);
    error->setContentsMargins(16, 10, 16, 10);
    error->setSpacing(10);
    error->addWidget(new SymbolTile(QStringLiteral("exclamationmark.triangle.fill"), 14.4, QFont::Medium,
                                    QSize(24, 24), NamedColor::red),
                     0, Qt::AlignVCenter);
    m_errorText = PaneLabels::secondary(QString(), 11);
    m_errorText->setWordWrap(true);
    // The reason names a file or a folder; the user may want to copy it.
    m_errorText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    error->addWidget(m_errorText, 1);
    m_errorDivider = new SettingsRowDivider;

    auto *card = new SettingCard;
    card->addRow(m_resetButton);
    card->addRow(m_errorDivider);
    card->addRow(m_errorRow);
    showResetState(false, QString());
    return card;
}

void AdvancedDetailView::askToReset()
{
    if (m_confirmation || m_resetting)
        return;
    m_confirmation = ConfirmationAlert::open(
        this, QStringLiteral("Reset %1?").arg(m_displayName),
        QStringLiteral("This deletes %1's onboarding state, settings, statistics and cached state on this "
                       "computer, removes it from autostart, and quits %1.")
            .arg(m_displayName),
        QStringLiteral("Reset and Quit"), [this] { beginReset(); });
}

void AdvancedDetailView::beginReset()
{
    showResetState(true, QString());
    // The reset runs once the alert has closed and "Resetting..." is on screen: it may take
    // a moment, and when it succeeds the application ends inside it.
    QMetaObject::invokeMethod(this, &AdvancedDetailView::runReset, Qt::QueuedConnection);
}

void AdvancedDetailView::runReset()
{
    if (m_resetButton->isVisible())
        m_resetButton->repaint();
    const std::optional<ResetError> error = m_factoryReset();
    showResetState(false, error ? FactoryReset::failureMessage(*error) : QString());
}

void AdvancedDetailView::showResetState(bool resetting, const QString &error)
{
    m_resetting = resetting;
    m_resetButton->setTitle(resetting ? QStringLiteral("Resetting...") : QStringLiteral("Reset ") + m_displayName);
    m_resetButton->setEnabled(!resetting);
    m_errorText->setText(error);
    m_errorDivider->setVisible(!error.isEmpty());
    m_errorRow->setVisible(!error.isEmpty());
}
