#include "settings_ui/panes/app/ApplicationIconView.h"

#include "menubar/HUDBadge.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

ApplicationIconView::ApplicationIconView(int side, qreal cornerRadius, QWidget *parent)
    : QWidget(parent)
    , m_cornerRadius(cornerRadius)
{
    setFixedSize(side, side);
}

void ApplicationIconView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF square(rect());
    QPainterPath shape;
    shape.addRoundedRect(square, m_cornerRadius, m_cornerRadius);
    painter.setClipPath(shape);
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) {
        const QPixmap pixmap = icon.pixmap(size(), devicePixelRatioF());
        painter.drawPixmap(square, pixmap, QRectF(pixmap.rect()));
        return;
    }
    const HUDBadge standIn = HUDBadge::applicationIconStandIn();
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, standIn.topColor);
    fill.setColorAt(1, standIn.bottomColor);
    painter.fillRect(square, fill);
    SymbolGlyphs::paint(painter, standIn.symbolName, square.center(), square.width() * HUDBadge::standInSymbolShare,
                        QFont::Medium, Qt::white);
}
