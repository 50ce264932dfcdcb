#include "settings_ui/panes/breaks/PlannedBreakDayButton.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QPainter>
#include <QPainterPath>

PlannedBreakDayButton::PlannedBreakDayButton(int index, const QString &initial, const QString &dayName,
                                             QWidget *parent)
    : TileButton(Role::checkBox, parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("day.%1").arg(index));
    setText(initial);
    setAccessibleName(dayName);
    setToolTip(dayName);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool PlannedBreakDayButton::hitButton(const QPoint &position) const
{
    const QPointF offset = QPointF(position) - QRectF(rect()).center();
    return offset.x() * offset.x() + offset.y() * offset.y() <= side * side / 4.0;
}

void PlannedBreakDayButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const qreal on = selectionProgress();
    QPainterPath circle;
    circle.addEllipse(QRectF(rect()));
    const QColor off = NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme),
                                                0.05 + 0.04 * hoverProgress());
    const QColor fill = NamedColors::blend(off, NamedColors::color(NamedColor::blue, scheme), on);
    painter.fillPath(circle, fill);
    painter.setFont(SettingsFont::font(11, QFont::Medium));
    painter.setPen(NamedColors::blend(NamedColors::color(NamedColor::secondaryLabel, scheme), Qt::white, on));
    painter.drawText(rect(), Qt::AlignCenter, text());
    paintFocusRing(painter, circle, fill);
}
