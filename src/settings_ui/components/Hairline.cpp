#include "settings_ui/components/Hairline.h"

#include "settings_ui/components/NamedColors.h"

#include <QPainter>

Hairline::Hairline(int inset, qreal opacity, QWidget *parent)
    : Hairline(Qt::Horizontal, inset, opacity, parent)
{
}

Hairline::Hairline(Qt::Orientation orientation, int inset, qreal opacity, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
    , m_inset(inset)
    , m_opacity(opacity)
{
    if (orientation == Qt::Horizontal) {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setFixedWidth(1);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Hairline *Hairline::vertical(qreal opacity, QWidget *parent)
{
    return new Hairline(Qt::Vertical, 0, opacity, parent);
}

void Hairline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect line = m_orientation == Qt::Horizontal ? QRect(m_inset, 0, width() - 2 * m_inset, 1)
                                                       : QRect(0, m_inset, 1, height() - 2 * m_inset);
    painter.fillRect(line,
                     NamedColors::withOpacity(NamedColors::color(NamedColor::label, this), m_opacity));
}
