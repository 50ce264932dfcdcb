#include "settings_ui/SettingsRowDivider.h"

#include "settings_ui/NamedColors.h"

#include <QPainter>

namespace {

constexpr qreal lineOpacity = 0.5;

} // namespace

SettingsRowDivider::SettingsRowDivider(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SettingsRowDivider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(inset, 0, width() - 2 * inset, 1),
                     NamedColors::withOpacity(NamedColors::color(NamedColor::separator, this),
                                              lineOpacity));
}
