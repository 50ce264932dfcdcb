#include "settings_ui/components/SettingsRowDivider.h"

#include "settings_ui/components/NamedColors.h"

#include <QPainter>

namespace {

constexpr qreal lineOpacity = 0.5;

} // namespace

SettingsRowDivider::SettingsRowDivider(QWidget *parent)
    : SettingsRowDivider(inset, inset, parent)
{
}

SettingsRowDivider::SettingsRowDivider(int leadingInset, int trailingInset, QWidget *parent)
    : QWidget(parent)
    , m_leadingInset(leadingInset)
    , m_trailingInset(trailingInset)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SettingsRowDivider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(m_leadingInset, 0, width() - m_leadingInset - m_trailingInset, 1),
                     NamedColors::withOpacity(NamedColors::color(NamedColor::separator, this),
                                              lineOpacity));
}
