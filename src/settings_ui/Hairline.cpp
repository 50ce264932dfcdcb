#include "settings_ui/Hairline.h"

#include "settings_ui/NamedColors.h"

#include <QPainter>

Hairline::Hairline(int inset, qreal opacity, QWidget *parent)
    : QWidget(parent)
    , m_inset(inset)
    , m_opacity(opacity)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Hairline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(m_inset, 0, width() - 2 * m_inset, 1),
                     NamedColors::withOpacity(NamedColors::color(NamedColor::label, this), m_opacity));
}
