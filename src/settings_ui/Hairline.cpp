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

Hairline *Hairline::vertical(qreal opacity, QWidget *parent)
{
    auto *line = new Hairline(0, opacity, parent);
    line->m_orientation = Qt::Vertical;
    line->setMinimumHeight(0);
    line->setMaximumHeight(QWIDGETSIZE_MAX);
    line->setFixedWidth(1);
    line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return line;
}

void Hairline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect rule = m_orientation == Qt::Horizontal ? QRect(m_inset, 0, width() - 2 * m_inset, 1)
                                                       : QRect(0, m_inset, 1, height() - 2 * m_inset);
    painter.fillRect(rule, NamedColors::withOpacity(NamedColors::color(NamedColor::label, this), m_opacity));
}
