#include "menubar/StatusIconEngine.h"

#include "menubar/StatusIconRenderer.h"

#include <QPainter>

StatusIconEngine::StatusIconEngine(StatusIconPicture picture)
    : StatusIconEngine(std::move(picture), std::make_shared<Drawn>())
{
}

StatusIconEngine::StatusIconEngine(StatusIconPicture picture, std::shared_ptr<Drawn> drawn)
    : m_picture(std::move(picture))
    , m_drawn(std::move(drawn))
{
}

void StatusIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                             QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    painter->drawPixmap(rect, drawn);
}

// The picture is square: the side is the smaller of the two asked for. Every mode draws the
// same picture, since the tray shows it in one state only.
QPixmap StatusIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int side = std::min(size.width(), size.height());
    if (side <= 0)
        return {};
    auto found = m_drawn->find(side);
    if (found == m_drawn->end())
        found = m_drawn->emplace(side, QPixmap::fromImage(StatusIconRenderer::render(m_picture, side))).first;
    return found->second;
}

QSize StatusIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int side = std::min(size.width(), size.height());
    return {side, side};
}

QList<QSize> StatusIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : StatusIconRenderer::iconSizes())
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *StatusIconEngine::clone() const
{
    return new StatusIconEngine(m_picture, m_drawn);
}

QString StatusIconEngine::key() const
{
    return QStringLiteral("StatusIconEngine");
}
