#include "settings_ui/panes/notifications/SymbolButton.h"

#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

SymbolButton::SymbolButton(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                           NamedColor tint, const QString &name, QWidget *parent)
    : TileButton(Role::button, parent)
    , m_symbol(symbol)
    , m_pointSize(pointSize)
    , m_weight(weight)
    , m_frame(frame)
    , m_tint(tint)
{
    setAccessibleName(name);
    setToolTip(name);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(frame);
}

void SymbolButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    QColor colour = isEnabled() ? NamedColors::color(m_tint, scheme)
                                : NamedColors::color(NamedColor::tertiaryLabel, scheme);
    if (isDown())
        colour = NamedColors::withOpacity(colour, 0.6);
    SymbolGlyphs::paint(painter, m_symbol, QRectF(rect()).center(), m_pointSize, m_weight, colour);
    QPainterPath whole;
    whole.addRoundedRect(QRectF(rect()), 4, 4);
    paintFocusRing(painter, whole);
}

void SymbolButton::changeEvent(QEvent *event)
{
    TileButton::changeEvent(event);
    // The pointing hand promises a click only while one does something.
    if (event->type() == QEvent::EnabledChange)
        setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}
