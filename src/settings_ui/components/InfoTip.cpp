#include "settings_ui/components/InfoTip.h"

#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolTile.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// 16 points in the layout, drawn larger as the sidebar's are (SidebarButtonView).
constexpr int symbolSize = 18;
constexpr qreal borderWidth = 0.5;
constexpr qreal titleSize = 13;

QColor wash(NamedColor tint, ColorScheme scheme, const InfoTip::Look &look)
{
    return NamedColors::withOpacity(NamedColors::color(tint, scheme),
                                    scheme == ColorScheme::dark ? look.darkWash : look.lightWash);
}

QColor border(NamedColor tint, ColorScheme scheme, const InfoTip::Look &look)
{
    return NamedColors::withOpacity(NamedColors::color(tint, scheme),
                                    scheme == ColorScheme::dark ? look.darkBorder : look.lightBorder);
}

// The title in the tint's text colour, strong enough to read on the tip's own wash.
SchemeLabel *titleLabel(const QString &title, NamedColor tint, const InfoTip::Look &look)
{
    const auto colour = [&](ColorScheme scheme) {
        return NamedColors::textColor(tint, scheme, wash(tint, scheme, look));
    };
    return new SchemeLabel(title, SettingsFont::font(titleSize, QFont::Medium), colour(ColorScheme::light),
                           colour(ColorScheme::dark));
}

} // namespace

InfoTip::Look InfoTip::note(qreal washOpacity, int verticalPadding, int textSpacing)
{
    return Look{washOpacity, washOpacity, 0.15, 0.15, verticalPadding, textSpacing, false};
}

InfoTip::InfoTip(const QString &symbol, const QString &title, const QString &message,
                 NamedColor tint, QWidget *parent)
    : InfoTip(symbol, title, message, tint, Look{}, parent)
{
}

InfoTip::InfoTip(const QString &symbol, const QString &title, const QString &message,
                 NamedColor tint, const Look &look, QWidget *parent)
    : QWidget(parent)
    , m_tint(tint)
    , m_look(look)
    , m_title(titleLabel(title, tint, look))
    , m_message(PaneLabels::note(message, 11))
{
    auto *text = new QVBoxLayout;
    text->setSpacing(m_look.textSpacing);
    text->setContentsMargins(0, 0, 0, 0);
    text->addWidget(m_title);
    text->addWidget(m_message);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, m_look.verticalPadding, 16, m_look.verticalPadding);
    row->setSpacing(12);
    const auto symbolColour = [&](ColorScheme scheme) {
        return m_look.symbolInTextColour ? NamedColors::textColor(tint, scheme, wash(tint, scheme, m_look))
                                         : NamedColors::color(tint, scheme);
    };
    row->addWidget(new SymbolTile(symbol, symbolSize, QFont::Normal, QSize(symbolSize, symbolSize),
                                  symbolColour(ColorScheme::light), symbolColour(ColorScheme::dark), this),
                   0, Qt::AlignVCenter);
    row->addLayout(text, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QString InfoTip::title() const
{
    return m_title->text();
}

QString InfoTip::message() const
{
    return m_message->text();
}

QColor InfoTip::fillColour(NamedColor tint, ColorScheme scheme)
{
    return wash(tint, scheme, Look{});
}

QColor InfoTip::borderColour(NamedColor tint, ColorScheme scheme)
{
    return border(tint, scheme, Look{});
}

void InfoTip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF shape = QRectF(rect()).adjusted(borderWidth / 2, borderWidth / 2,
                                                 -borderWidth / 2, -borderWidth / 2);
    QPainterPath path;
    path.addRoundedRect(shape, cornerRadius, cornerRadius);
    painter.fillPath(path, wash(m_tint, scheme, m_look));
    painter.strokePath(path, QPen(border(m_tint, scheme, m_look), borderWidth));
}
