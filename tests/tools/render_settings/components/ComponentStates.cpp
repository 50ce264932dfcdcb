// A sheet of the shared components of the settings panes: a card of rows with dividers and
// navigation rows with and without detail, tips in four tints, the enforcement cards
// selected, hovered and unselected, and the back button at rest and hovered.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/components/BackButton.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/breaks/EnforcementCard.h"
#include "settings_ui/panes/breaks/NavigationRowButton.h"
#include "support/RenderTool.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int sheetWidth = 640;

// A bare strip of widgets one after the other, `spacing` apart.
template <typename Layout>
Layout *strip(QWidget *widget, int spacing)
{
    auto *layout = new Layout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

// A row of a card as the panes lay them out: a title over a subtitle, the control trailing.
QWidget *settingRow(const QString &title, const QString &subtitle, QWidget *control)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(16, 10, 16, 10);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto *titleLabel = new QLabel(title);
    titleLabel->setFont(SettingsFont::font(13));
    texts->addWidget(titleLabel);
    texts->addWidget(PaneLabels::secondary(subtitle, 11));
    layout->addLayout(texts, 1);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    return row;
}

QWidget *navigationRow(NavigationRowButton *button)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    const QMargins ring = NavigationRowButton::ringRoom;
    layout->setContentsMargins(16 - ring.left(), 8 - ring.top(), 16 - ring.right(), 8 - ring.bottom());
    layout->addWidget(button);
    return row;
}

SettingCard *rowsCard()
{
    auto *card = new SettingCard;
    auto *toggle = new ToggleSwitch;
    toggle->setChecked(true);
    card->addRow(settingRow(QStringLiteral("Show timer in tray"),
                            QStringLiteral("The countdown beside the icon"), toggle));
    card->addRow(new SettingsRowDivider);
    auto *picker = new ValueComboBox({{QStringLiteral("Rounded"), QStringLiteral("rounded")},
                                      {QStringLiteral("Exact"), QStringLiteral("exact")}},
                                     120);
    picker->setValue(QStringLiteral("rounded"));
    card->addRow(settingRow(QStringLiteral("Timer style"), QStringLiteral("How the minutes read"), picker));
    card->addRow(new SettingsRowDivider);
    card->addRow(navigationRow(new NavigationRowButton(QStringLiteral("timer"), NamedColor::orange,
                                                       QStringLiteral("Working Hours"),
                                                       QStringLiteral("Mon–Fri, 9:00–18:00"))));
    card->addRow(new SettingsRowDivider);
    auto *hovered = new NavigationRowButton(QStringLiteral("repeat"), NamedColor::purple,
                                            QStringLiteral("Long Breaks"), QString());
    hovered->setObjectName(QStringLiteral("hovered"));
    card->addRow(navigationRow(hovered));
    return card;
}

QWidget *tips()
{
    auto *grid = new QWidget;
    auto *layout = strip<QVBoxLayout>(grid, 12);
    layout->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("Tip"),
                                  QStringLiteral("Short breaks often beat long breaks rarely."),
                                  NamedColor::blue));
    layout->addWidget(new InfoTip(QStringLiteral("timer"), QStringLiteral("Heads-up"),
                                  QStringLiteral("A notice comes 30 seconds before each break."),
                                  NamedColor::orange));
    layout->addWidget(new InfoTip(QStringLiteral("leaf.fill"), QStringLiteral("Rest your eyes"),
                                  QStringLiteral("Look at something 20 feet away for 20 seconds."),
                                  NamedColor::green));
    layout->addWidget(new InfoTip(QStringLiteral("shield"), QStringLiteral("Stays on this computer"),
                                  QStringLiteral("Statistics never leave your machine."),
                                  NamedColor::purple));
    return grid;
}

QWidget *enforcementCards()
{
    auto *row = new QWidget;
    auto *layout = strip<QHBoxLayout>(row, 12 - 2 * EnforcementCard::sideOutset);
    for (BreakEnforcement mode : allBreakEnforcements()) {
        auto *card = new EnforcementCard(mode);
        card->setSelected(mode == BreakEnforcement::casual);
        layout->addWidget(card);
    }
    return row;
}

QWidget *backButtons()
{
    auto *row = new QWidget;
    auto *layout = strip<QHBoxLayout>(row, 10);
    layout->addWidget(new BackButton);
    auto *hovered = new BackButton;
    hovered->setObjectName(QStringLiteral("hovered"));
    layout->addWidget(hovered);
    auto *title = new QLabel(QStringLiteral("Scheduled Breaks"));
    title->setFont(SettingsFont::font(15, QFont::DemiBold, -0.3));
    layout->addWidget(title);
    layout->addStretch(1);
    return row;
}

QWidget *componentSheet()
{
    auto *sheet = new QWidget;
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(10);
    const std::pair<const char *, QWidget *> parts[] = {
        {"Card with rows and navigation rows", rowsCard()},
        {"Tips", tips()},
        {"Enforcement (Casual selected, Balanced hovered)", enforcementCards()},
        {"Back button (at rest, hovered)", backButtons()},
    };
    for (const auto &[title, part] : parts) {
        layout->addWidget(PaneLabels::secondary(QString::fromUtf8(title), 12, QFont::Medium));
        layout->addWidget(part);
        layout->addSpacing(12);
    }
    return sheet;
}

bool renderComponents(SettingsRenderContext &context)
{
    QWidget *sheet = componentSheet();
    // Hovered once laid out and shown, as a pointer would.
    return context.save(QStringLiteral("components"), context.sheet(sheet, sheetWidth, [sheet] {
        for (QWidget *widget : sheet->findChildren<QWidget *>(QStringLiteral("hovered")))
            hoverCentre(widget);
        if (const auto cards = sheet->findChildren<EnforcementCard *>(); cards.size() > 1)
            hoverCentre(cards[1]);
    }));
}

const SettingsRenderStates::Registration components("components", renderComponents);

} // namespace
