#pragma once

#include "menubar/StatusIconPicture.h"

#include <QIconEngine>
#include <QPixmap>

#include <map>
#include <memory>

// One tray picture as an icon that draws each size only when someone asks for it, and keeps
// it. An XEmbed tray paints a single size, while a countdown in minutes and seconds is a new
// picture every second: drawing all the sizes up front would throw most of them away.
class StatusIconEngine : public QIconEngine
{
public:
    explicit StatusIconEngine(StatusIconPicture picture);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    // Copies of the icon share what has been drawn.
    using Drawn = std::map<int, QPixmap>;

    StatusIconEngine(StatusIconPicture picture, std::shared_ptr<Drawn> drawn);

    StatusIconPicture m_picture;
    std::shared_ptr<Drawn> m_drawn;
};
