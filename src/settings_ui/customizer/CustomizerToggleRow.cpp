#include "settings_ui/customizer/CustomizerToggleRow.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/components/ToggleSwitch.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

CustomizerToggleRow::CustomizerToggleRow(const QString &symbolName, const QString &label,
                                         QWidget *parent)
    : QWidget(parent)
    , m_symbolName(symbolName)
    , m_label(label)
    , m_toggle(new ToggleSwitch(this))
{
    m_toggle->setControlSize(ToggleSwitch::Size::mini);
    m_toggle->setAccessibleName(label);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The look of the symbol and the label follows the switch.
    connect(m_toggle, &ToggleSwitch::toggled, this, qOverload<>(&QWidget::update));
}

QSize CustomizerToggleRow::sizeHint() const
{
    const QFontMetricsF metrics(SettingsFont::font(labelSize, QFont::Medium));
    const QSize toggle = m_toggle->sizeHint();
    const int width = symbolFrameWidth + spacing + int(std::ceil(metrics.horizontalAdvance(m_label)))
                      + spacing + toggle.width();
    return {width, std::max(toggle.height(), int(std::ceil(metrics.height())))};
}

void CustomizerToggleRow::resizeEvent(QResizeEvent *)
{
    // The switch's own size includes room for its focus ring; its track ends at the edge.
    const QSize toggle = m_toggle->sizeHint();
    const int ring = (toggle.width() - ToggleSwitch::trackSize(ToggleSwitch::Size::mini).width()) / 2;
    m_toggle->setGeometry(width() - toggle.width() + ring, (height() - toggle.height()) / 2,
                          toggle.width(), toggle.height());
}

void CustomizerToggleRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const bool on = m_toggle->isChecked();
    const QColor symbolColour = on ? NamedColors::color(NamedColor::blue, scheme)
                                   : NamedColors::withOpacity(NamedColors::color(NamedColor::secondaryLabel, scheme), 0.5);
    SymbolGlyphs::paint(painter, m_symbolName, QPointF(symbolFrameWidth / 2.0, height() / 2.0),
                        symbolSize, QFont::Medium, symbolColour);
    painter.setFont(SettingsFont::font(labelSize, QFont::Medium));
    painter.setPen(NamedColors::color(on ? NamedColor::label : NamedColor::secondaryLabel, scheme));
    const QRectF label(symbolFrameWidth + spacing, 0, m_toggle->x() - symbolFrameWidth - 2 * spacing, height());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_label);
}
