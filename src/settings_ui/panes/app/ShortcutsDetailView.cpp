#include "settings_ui/panes/app/ShortcutsDetailView.h"

#include "menubar/HotKeyDefinition.h"
#include "menubar/ShortcutController.h"
#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SectionReveal.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/app/KeyCapLabel.h"
#include "settings_ui/window/ContentServices.h"

#include <QVBoxLayout>

namespace {

const QColor shortcutsTile = QColor::fromRgbF(0.34f, 0.72f, 0.54f);
const QMargins switchRowMargins(16, 12, 16, 12);
const QMargins listRowMargins(16, 10, 16, 10);

QString tipMessage(bool waylandSession)
{
    // Under Wayland the X server hears a grabbed key only while one of our own windows has
    // the keyboard, and the desktop decides what reaches it.
    if (waylandSession)
        return QStringLiteral("Lumenpause grabs these keys from the X server; under Wayland the desktop may keep "
                              "them from it. No extra permission is needed.");
    return QStringLiteral("Lumenpause grabs these keys from the X server. No extra permission is needed.");
}

} // namespace

const QList<ShortcutsDetailView::Row> &ShortcutsDetailView::rows()
{
    static const QList<Row> rows = {
        {QStringLiteral("pause.fill"), QStringLiteral("Pause / Resume"), u'P'},
        {QStringLiteral("forward.fill"), QStringLiteral("Skip break"), u'S'},
        {QStringLiteral("leaf.fill"), QStringLiteral("Take a break now"), u'B'},
        {QStringLiteral("clock"), QStringLiteral("Toggle timer in the tray"), u'T'},
        {QStringLiteral("macwindow"), QStringLiteral("Open Lumenpause"), u'G'},
    };
    return rows;
}

QWidget *ShortcutsDetailView::make(const ContentServices &services)
{
    return new ShortcutsDetailView(*services.shortcuts, services.waylandSession);
}

ShortcutsDetailView::ShortcutsDetailView(ShortcutController &shortcuts, bool waylandSession, QWidget *parent)
    : QWidget(parent)
    , m_shortcuts(shortcuts)
    , m_shortcutsEnabled(shortcuts.shortcutsEnabled())
{
    setObjectName(QStringLiteral("pane:Shortcuts"));
    QVBoxLayout *column = PaneParts::column(this);
    column->addWidget(PaneLabels::header(
        QStringLiteral("Shortcuts"),
        QStringLiteral("Global keyboard shortcuts that work even when Lumenpause is in the background.")));
    column->addWidget(buildSwitchCard());
    m_enabledSections = buildEnabledSections(waylandSession);
    m_enabledSections->setVisible(m_shortcutsEnabled);
    column->addWidget(m_enabledSections);
    column->addStretch(1);
    showWarning(m_shortcuts.shortcutRegistrationError());
    connect(&m_shortcuts, &ShortcutController::shortcutRegistrationErrorChanged, this,
            &ShortcutsDetailView::showWarning);
}

QWidget *ShortcutsDetailView::buildSwitchCard()
{
    ToggleSwitch *control = PaneRows::newSwitch(QStringLiteral("shortcutsEnabled"), ToggleSwitch::Size::small);
    const QString title = QStringLiteral("Enable global shortcuts");
    control->setAccessibleName(title);
    {
        const QSignalBlocker block(control);
        control->setChecked(m_shortcutsEnabled);
    }
    connect(control, &QAbstractButton::toggled, this, &ShortcutsDetailView::setShortcutsEnabled);
    auto *tile = new SymbolTile(QStringLiteral("keyboard"), 16.8, QFont::Medium, QSize(28, 28), shortcutsTile, 6);
    auto *card = new SettingCard;
    card->addRow(new BreaksSettingRow(tile, title,
                                      QStringLiteral("Control Lumenpause from anywhere with keyboard shortcuts"),
                                      control, switchRowMargins));
    return card;
}

QWidget *ShortcutsDetailView::buildEnabledSections(bool waylandSession)
{
    auto *sections = new QWidget;
    sections->setObjectName(QStringLiteral("shortcutsOnSections"));
    QVBoxLayout *column = PaneParts::column(sections);
    auto *warningHolder = new QWidget;
    m_warningSlot = new QVBoxLayout(warningHolder);
    m_warningSlot->setContentsMargins(0, 0, 0, 0);
    column->addWidget(warningHolder);
    column->addWidget(PaneParts::section(QStringLiteral("Available Shortcuts"), 4));
    column->addWidget(buildList());
    auto *tip = new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("How shortcuts work"),
                            tipMessage(waylandSession), NamedColor::blue);
    tip->setObjectName(QStringLiteral("shortcutsTip"));
    column->addWidget(tip);
    return sections;
}

QWidget *ShortcutsDetailView::buildList()
{
    auto *card = new SettingCard;
    card->setObjectName(QStringLiteral("shortcutsList"));
    for (const Row &row : rows()) {
        if (row.letter != rows().first().letter)
            card->addRow(new SettingsRowDivider);
        // The keys as the controller grabs them (Super+Alt and the letter), so the list and
        // the grab cannot drift apart.
        HotKeyDefinition key;
        key.letter = row.letter;
        auto *keys = new KeyCapLabel(key.shortcutText());
        auto *symbol = new SymbolTile(row.symbol, 14.4, QFont::Normal, QSize(20, 20), NamedColor::secondaryLabel);
        auto *line = new BreaksSettingRow(symbol, row.label, QString(), keys, listRowMargins);
        line->setObjectName(QStringLiteral("shortcut.") + row.letter);
        card->addRow(line);
    }
    return card;
}

void ShortcutsDetailView::setShortcutsEnabled(bool enabled)
{
    if (enabled == m_shortcutsEnabled)
        return;
    m_shortcutsEnabled = enabled;
    m_shortcuts.setShortcutsEnabled(enabled);
    SectionReveal::change(this, [this, enabled] { m_enabledSections->setVisible(enabled); });
}

void ShortcutsDetailView::showWarning(const QString &error)
{
    delete m_warning;
    m_warning = nullptr;
    m_warningSlot->parentWidget()->setVisible(!error.isEmpty());
    if (error.isEmpty())
        return;
    m_warning = new InfoTip(QStringLiteral("exclamationmark.triangle.fill"),
                            QStringLiteral("Some shortcuts are unavailable"), error, NamedColor::orange);
    m_warning->setObjectName(QStringLiteral("shortcutsWarning"));
    m_warningSlot->addWidget(m_warning);
    // A layout shows a widget added to a visible pane only later; the tip is due now.
    m_warning->show();
}
