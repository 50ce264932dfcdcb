#include "breakscreen/BreakSecondaryView.h"

#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/PartedWidgetAccessible.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace {

QFont labelFont()
{
    QFont font;
    font.setPixelSize(BreakSecondaryView::labelPixelSize);
    font.setWeight(QFont::Medium);
    return font;
}

QColor white(qreal opacity)
{
    QColor colour(Qt::white);
    colour.setAlphaF(float(opacity));
    return colour;
}

} // namespace

BreakSecondaryView::BreakSecondaryView(BreakScreenConfig &config, ColorScheme scheme,
                                       QScreen *screen, QWidget *parent)
    : QWidget(parent)
    , m_config(config)
    , m_scheme(scheme)
    , m_screen(screen)
{
    PartedWidgetAccessible::install<BreakSecondaryView, QAccessible::Client>();
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuildBackground();
    connect(&m_config, &BreakScreenConfig::backgroundChanged, this, [this] {
        rebuildBackground();
        update();
    });
}

BreakSecondaryView::~BreakSecondaryView() = default;

QString BreakSecondaryView::label()
{
    return tr("Break in progress");
}

void BreakSecondaryView::rebuildBackground()
{
    m_background = BreakBackgrounds::forSecondaryScreen(m_config.background(), m_scheme,
                                                        m_screen.data());
    // A see-through backdrop needs the panel under it cleared on every paint.
    setAttribute(Qt::WA_OpaquePaintEvent, m_background->isOpaque());
}

void BreakSecondaryView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_background->isOpaque()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    m_background->paint(painter, rect());
    paintMarks(painter);
}

// The blur backdrop is light or dark with the scheme: white would vanish on the light one.
QColor BreakSecondaryView::labelInk() const
{
    if (m_config.background() == BreakBG::blur)
        return BreakOverlayPalette(BreakBG::blur, m_scheme).tertiaryText();
    return white(labelOpacity);
}

QList<AccessiblePart::Description> BreakSecondaryView::accessibleParts()
{
    return {{label(), QAccessible::StaticText, [this] { return labelRect().toAlignedRect(); },
             {}, {}, {}}};
}

// The symbol and the label under it, centred together.
QRectF BreakSecondaryView::labelRect() const
{
    const QFontMetricsF metrics(labelFont());
    const qreal height = symbolPointSize + spacing + metrics.height();
    const qreal top = (this->height() - height) / 2.0;
    return QRectF(0, top + symbolPointSize + spacing, width(), metrics.height());
}

void BreakSecondaryView::paintMarks(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF labelBox = labelRect();
    const QPointF symbolCentre(width() / 2.0, labelBox.top() - spacing - symbolPointSize / 2);
    const QColor ink = labelInk();
    QColor symbolInk = ink;
    symbolInk.setAlphaF(float(ink.alphaF() * symbolOpacity / labelOpacity));
    BreakGlyphs::paint(painter, BreakGlyph::eyeSlash, symbolCentre, symbolPointSize,
                       QFont::ExtraLight, symbolInk);
    painter.setFont(labelFont());
    painter.setPen(ink);
    painter.drawText(labelBox, Qt::AlignHCenter | Qt::AlignTop, label());
}
