#include "settings_ui/components/SettingCard.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

const QColor darkFill = QColor::fromRgbF(0.125f, 0.129f, 0.133f);
constexpr qreal borderWidth = 1;

} // namespace

SettingCard::SettingCard(QWidget *parent)
    : QWidget(parent)
    , m_rows(new QVBoxLayout(this))
{
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    m_rows->setAlignment(Qt::AlignTop);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QColor SettingCard::fill(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? darkFill : NamedColors::color(NamedColor::textBackground, scheme);
}

void SettingCard::addRow(QWidget *row)
{
    m_rows->addWidget(row);
}

void SettingCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Stroked inside the border: the half-pixel inset keeps the line whole.
    const QRectF shape = QRectF(rect()).adjusted(borderWidth / 2, borderWidth / 2,
                                                 -borderWidth / 2, -borderWidth / 2);
    QPainterPath path;
    path.addRoundedRect(shape, cornerRadius - borderWidth / 2, cornerRadius - borderWidth / 2);
    painter.fillPath(path, fill(SettingsPalette::schemeOf(this)));
    painter.strokePath(path, QPen(NamedColors::color(NamedColor::separator, this), borderWidth));
}
