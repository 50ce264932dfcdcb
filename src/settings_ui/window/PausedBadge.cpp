#include "settings_ui/window/PausedBadge.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/window/SettingsSidebar.h"

#include <QPainter>

namespace {

constexpr qreal textSize = 10;
constexpr int spacing = 4;
const QString help = QStringLiteral("Resume break reminders from the Lumenpause tray menu.");

} // namespace

PausedBadge::PausedBadge(QWidget *parent)
    : SchemeLabel(QStringLiteral("Paused"), SettingsFont::font(textSize, QFont::Medium),
                  NamedColors::textColor(NamedColor::orange, ColorScheme::light,
                                         SettingsSidebar::fill(ColorScheme::light)),
                  NamedColors::textColor(NamedColor::orange, ColorScheme::dark,
                                         SettingsSidebar::fill(ColorScheme::dark)),
                  parent)
{
    // The symbol takes the room before the word.
    setContentsMargins(int(textSize) + spacing, 0, 0, 0);
    setToolTip(help);
    setAccessibleDescription(help);
    setObjectName(QStringLiteral("pausedBadge"));
}

void PausedBadge::paintEvent(QPaintEvent *event)
{
    SchemeLabel::paintEvent(event);
    QPainter painter(this);
    SymbolGlyphs::paint(painter, QStringLiteral("pause.fill"),
                        QPointF(textSize / 2, height() / 2.0), textSize, QFont::Medium,
                        palette().color(QPalette::WindowText));
}
