#include "settings_ui/panes/statistics/TabularLabel.h"

#include "settings_ui/components/SettingsFont.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

TabularLabel::TabularLabel(const QFont &font, QWidget *parent)
    : QLabel(parent)
{
    setFont(font);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TabularLabel::sizeHint() const
{
    const QFontMetricsF metrics(font());
    return {int(std::ceil(SettingsFont::tabularWidth(font(), text()))),
            int(std::ceil(metrics.height()))};
}

void TabularLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(palette().color(foregroundRole()));
    SettingsFont::drawTabular(painter, QRectF(rect()), alignment(), font(), text());
}
