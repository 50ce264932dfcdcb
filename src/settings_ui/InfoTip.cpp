#include "settings_ui/InfoTip.h"

#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsFont.h"
#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolGlyphs.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// 16 points in the layout, drawn larger as the sidebar's are (SidebarButtonView).
constexpr int symbolSize = 18;
constexpr qreal borderWidth = 0.5;

} // namespace

// The tip's symbol in its tint, centred on the text beside it.
class InfoTip::Symbol : public QWidget
{
public:
    Symbol(const QString &name, NamedColor tint, QWidget *parent)
        : QWidget(parent)
        , m_name(name)
        , m_tint(tint)
    {
        setFixedSize(symbolSize, symbolSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        SymbolGlyphs::paint(painter, m_name, QRectF(rect()).center(), symbolSize, QFont::Normal,
                            NamedColors::textColor(m_tint, SettingsPalette::schemeOf(this)));
    }

private:
    QString m_name;
    NamedColor m_tint;
};

InfoTip::InfoTip(const QString &symbol, const QString &title, const QString &message,
                 NamedColor tint, QWidget *parent)
    : QWidget(parent)
    , m_tint(tint)
    , m_title(new SchemeLabel(title, SettingsFont::font(13, QFont::Medium), NamedColors::textColor(tint, ColorScheme::light),
                              NamedColors::textColor(tint, ColorScheme::dark)))
    , m_message(new SchemeLabel(message, SettingsFont::font(11),
                                NamedColors::color(NamedColor::secondaryLabel, ColorScheme::light),
                                NamedColors::color(NamedColor::secondaryLabel, ColorScheme::dark)))
{
    m_message->setWordWrap(true);
    auto *text = new QVBoxLayout;
    text->setSpacing(4);
    text->setContentsMargins(0, 0, 0, 0);
    text->addWidget(m_title);
    text->addWidget(m_message);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(12);
    row->addWidget(new Symbol(symbol, tint, this), 0, Qt::AlignVCenter);
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
    return NamedColors::withOpacity(NamedColors::color(tint, scheme),
                                    scheme == ColorScheme::dark ? 0.12 : 0.05);
}

QColor InfoTip::borderColour(NamedColor tint, ColorScheme scheme)
{
    return NamedColors::withOpacity(NamedColors::color(tint, scheme),
                                    scheme == ColorScheme::dark ? 0.25 : 0.15);
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
    painter.fillPath(path, fillColour(m_tint, scheme));
    painter.strokePath(path, QPen(borderColour(m_tint, scheme), borderWidth));
}
