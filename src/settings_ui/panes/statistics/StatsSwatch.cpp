#include "settings_ui/panes/statistics/StatsSwatch.h"

#include "settings_ui/components/SettingsPalette.h"

#include <QPainter>
#include <QPainterPath>

StatsSwatch::StatsSwatch(StatsTint tint, int side, qreal cornerRadius, QWidget *parent)
    : QWidget(parent)
    , m_tint(tint)
    , m_cornerRadius(cornerRadius)
{
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatsSwatch::setTint(StatsTint tint)
{
    if (tint == m_tint)
        return;
    m_tint = tint;
    update();
}

void StatsSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
    painter.fillPath(shape, StatsColors::color(m_tint, SettingsPalette::schemeOf(this)));
}
