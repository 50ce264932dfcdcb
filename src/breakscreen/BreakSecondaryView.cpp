#include "breakscreen/BreakSecondaryView.h"

#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/BreakScreenConfig.h"

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

void BreakSecondaryView::paintMarks(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = labelFont();
    const QFontMetricsF metrics(font);
    const qreal height = symbolPointSize + spacing + metrics.height();
    const qreal top = (this->height() - height) / 2.0;
    const qreal centreX = width() / 2.0;
    const QColor ink = labelInk();
    QColor symbolInk = ink;
    symbolInk.setAlphaF(float(ink.alphaF() * symbolOpacity / labelOpacity));
    BreakGlyphs::paint(painter, BreakGlyph::eyeSlash, QPointF(centreX, top + symbolPointSize / 2),
                       symbolPointSize, QFont::ExtraLight, symbolInk);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF labelBox(0, top + symbolPointSize + spacing, width(), metrics.height());
    painter.drawText(labelBox, Qt::AlignHCenter | Qt::AlignTop, label());
}
