#include "settings_ui/panes/app/GeneralDetailView.h"

#include "core/AppSettings.h"
#include "core/ThemeManager.h"
#include "menubar/ShortcutController.h"
#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SectionReveal.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/window/ContentServices.h"

#include <QVBoxLayout>

namespace {

constexpr int themePickerWidth = 110;
constexpr int stylePickerWidth = 150;
const QMargins rowMargins(16, 12, 16, 12);
// The style row sits a little tighter under the switch that governs it.
const QMargins styleRowMargins(16, 10, 16, 10);

ValueComboBox *themePicker()
{
    QList<ValueComboBox::Option> options;
    for (const AppTheme theme : {AppTheme::system, AppTheme::light, AppTheme::dark})
        options.append({appThemeRawValue(theme), appThemeRawValue(theme)});
    auto *picker = new ValueComboBox(options, themePickerWidth);
    picker->setObjectName(QStringLiteral("appTheme"));
    return picker;
}

} // namespace

QWidget *GeneralDetailView::make(const ContentServices &services)
{
    return new GeneralDetailView(services);
}

GeneralDetailView::GeneralDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_theme(services.theme)
    , m_shortcuts(*services.shortcuts)
{
    setObjectName(QStringLiteral("pane:General"));
    QVBoxLayout *column = PaneParts::column(this);
    column->addWidget(PaneLabels::header(QStringLiteral("General"),
                                         QStringLiteral("App appearance, tray, and startup preferences.")));
    column->addWidget(PaneParts::section(QStringLiteral("Appearance"), 4));
    column->addWidget(buildAppearanceCard());
    column->addWidget(PaneParts::section(QStringLiteral("Tray"), 12));
    column->addWidget(buildTrayCard());
    column->addWidget(PaneParts::section(QStringLiteral("Startup"), 12));
    column->addWidget(buildStartupCard());
    auto *tipHolder = new QWidget;
    m_tipSlot = new QVBoxLayout(tipHolder);
    m_tipSlot->setContentsMargins(0, 0, 0, 0);
    column->addWidget(tipHolder);
    column->addStretch(1);

    // The entry may have been added or removed outside Lumenpause since the last look; the
    // switch shows what the desktop will do, and showing it asks the desktop for nothing.
    m_shortcuts.refreshLaunchAtLoginStatus();
    showLaunchAtLogin(m_shortcuts.launchAtLoginCached());
    showLaunchAtLoginTip(m_shortcuts.launchAtLoginError());
    connect(&m_shortcuts, &ShortcutController::launchAtLoginErrorChanged, this,
            &GeneralDetailView::showLaunchAtLoginTip);
}

QWidget *GeneralDetailView::buildAppearanceCard()
{
    ValueComboBox *picker = themePicker();
    const auto show = [this, picker] {
        const QSignalBlocker block(picker);
        picker->setValue(appThemeRawValue(m_theme.appTheme()));
    };
    show();
    connect(&m_theme, &ThemeManager::appThemeChanged, picker, show);
    connect(picker, &ValueComboBox::valueActivated, this, [this](const QVariant &raw) {
        if (const auto theme = appThemeFromRawValue(raw.toString()))
            m_theme.setAppTheme(*theme);
    });
    auto *card = new SettingCard;
    card->addRow(PaneParts::symbolRow(QStringLiteral("paintbrush"), QStringLiteral("App theme"), QString(),
                                      picker, rowMargins));
    return card;
}

QWidget *GeneralDetailView::buildTrayCard()
{
    ToggleSwitch *countdown = PaneRows::newSwitch(QStringLiteral("menuBarShowTimer"), ToggleSwitch::Size::small);
    SettingBinding::bindSwitch(countdown, &m_settings, &AppSettings::menuBarShowTimer,
                               &AppSettings::setMenuBarShowTimer, &AppSettings::menuBarShowTimerChanged);
    auto *style = new ValueComboBox({{QStringLiteral("Rounded (20m)"), QStringLiteral("rounded")},
                                     {QStringLiteral("Exact (19:42)"), QStringLiteral("exact")}},
                                    stylePickerWidth);
    style->setObjectName(QStringLiteral("menuBarTimerStyle"));
    // Picking the style already shown still stores it: the model persists every assignment
    // and tells its observers only of a change.
    SettingBinding::bindChoice<QString>(style, &m_settings, &AppSettings::menuBarTimerStyle,
                                        &AppSettings::setMenuBarTimerStyle,
                                        &AppSettings::menuBarTimerStyleChanged);
    auto *card = new SettingCard;
    card->addRow(PaneParts::symbolRow(QStringLiteral("timer"), QStringLiteral("Show countdown in the tray"),
                                      QStringLiteral("Optional; draws the countdown into the tray icon"),
                                      countdown, rowMargins));
    m_styleDivider = new SettingsRowDivider;
    m_styleDivider->setObjectName(QStringLiteral("menuBarTimerStyle.divider"));
    card->addRow(m_styleDivider);
    m_styleRow = PaneParts::symbolRow(QStringLiteral("textformat.123"), QStringLiteral("Timer style"), QString(),
                                      style, styleRowMargins);
    m_styleRow->setObjectName(QStringLiteral("menuBarTimerStyle.row"));
    card->addRow(m_styleRow);
    m_styleDivider->setVisible(m_settings.menuBarShowTimer());
    m_styleRow->setVisible(m_settings.menuBarShowTimer());
    connect(&m_settings, &AppSettings::menuBarShowTimerChanged, this, [this](bool shown) {
        SectionReveal::change(this, [this, shown] { showTimerStyleRow(shown); });
    });
    return card;
}

QWidget *GeneralDetailView::buildStartupCard()
{
    m_launchAtLogin = PaneRows::newSwitch(QStringLiteral("launchAtLogin"), ToggleSwitch::Size::small);
    // Only the user's turn of the switch (pointer, key or screen reader) asks the desktop for
    // a change; the switch set from what it reports (below, under a blocker) never does.
    connect(m_launchAtLogin, &QAbstractButton::toggled, this, &GeneralDetailView::setLaunchAtLogin);
    ToggleSwitch *wake = PaneRows::newSwitch(QStringLiteral("startAfterWake"), ToggleSwitch::Size::small);
    SettingBinding::bindSwitch(wake, &m_settings, &AppSettings::startAfterWake, &AppSettings::setStartAfterWake,
                               &AppSettings::startAfterWakeChanged);
    auto *card = new SettingCard;
    card->addRow(PaneParts::symbolRow(QStringLiteral("power"), QStringLiteral("Launch at login"),
                                      QStringLiteral("Open automatically when you log in"), m_launchAtLogin,
                                      rowMargins));
    card->addRow(new SettingsRowDivider);
    card->addRow(PaneParts::symbolRow(QStringLiteral("wake"), QStringLiteral("Start after wake"),
                                      QStringLiteral("Resume timer when the computer wakes from sleep"), wake,
                                      rowMargins));
    return card;
}

void GeneralDetailView::showTimerStyleRow(bool shown)
{
    m_styleDivider->setVisible(shown);
    m_styleRow->setVisible(shown);
}

void GeneralDetailView::setLaunchAtLogin(bool wanted)
{
    const bool reported = m_shortcuts.setLaunchAtLogin(wanted);
    if (reported == wanted)
        return;
    // The switch goes back to what the desktop reports on the next turn of the event loop,
    // once the click has finished; the tip says why.
    QMetaObject::invokeMethod(this, [this, reported] { showLaunchAtLogin(reported); }, Qt::QueuedConnection);
}

void GeneralDetailView::showLaunchAtLogin(bool enabled)
{
    const QSignalBlocker block(m_launchAtLogin);
    m_launchAtLogin->setChecked(enabled);
}

void GeneralDetailView::showLaunchAtLoginTip(const QString &error)
{
    delete m_tip;
    m_tip = nullptr;
    m_tipSlot->parentWidget()->setVisible(!error.isEmpty());
    if (error.isEmpty())
        return;
    m_tip = new InfoTip(QStringLiteral("exclamationmark.triangle.fill"),
                        QStringLiteral("Launch at login needs attention"), error, NamedColor::orange);
    m_tip->setObjectName(QStringLiteral("launchAtLoginTip"));
    m_tipSlot->addWidget(m_tip);
    // A layout shows a widget added to a visible pane only later; the tip is due now.
    m_tip->show();
}
