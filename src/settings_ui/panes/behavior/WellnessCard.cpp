#include "settings_ui/panes/behavior/WellnessCard.h"

#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"

#include <QBoxLayout>

WellnessCard::WellnessCard(const QString &icon, NamedColor iconColour, const QString &title,
                           const QString &description, const QString &switchKey, QWidget *body, QWidget *parent)
    : SettingCard(parent)
    , m_body(body)
{
    addRow(buildHeader(icon, iconColour, title, description, switchKey));
    // From the text's edge on to the card's trailing edge.
    m_divider = new SettingsRowDivider(SettingsRowDivider::inset, 0);
    addRow(m_divider);
    addRow(m_body);
}

QWidget *WellnessCard::buildHeader(const QString &icon, NamedColor iconColour, const QString &title,
                                   const QString &description, const QString &switchKey)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    // A little larger than the layout's 14 pixels, as the other panes' tiles draw theirs: the
    // slim figure and hand would look lost on the tile.
    layout->addWidget(new SymbolTile(icon, 16, QFont::Medium, QSize(32, 32),
                                     NamedColors::color(iconColour, ColorScheme::light), 8),
                      0, Qt::AlignVCenter);
    layout->addLayout(PaneRows::titled(title, QFont::Medium, description), 1);
    m_switch = PaneRows::newSwitch(switchKey, ToggleSwitch::Size::small);
    m_switch->setAccessibleName(title);
    layout->addWidget(m_switch, 0, Qt::AlignVCenter);
    return row;
}

void WellnessCard::showBody(bool shown)
{
    m_divider->setVisible(shown);
    m_body->setVisible(shown);
}

bool WellnessCard::showsBody() const
{
    return m_body->isVisibleTo(this);
}
