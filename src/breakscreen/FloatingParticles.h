#pragma once

#include "breakscreen/FloatingParticle.h"

#include <QPainterPath>
#include <QRect>
#include <QRegion>

#include <functional>
#include <vector>

class QPainter;

// The five leaves that drift over every break backdrop. The layer holds no timer: its owner
// calls advanceTo with the time since the layer first showed (at about frameInterval) and
// repaints only the region it returns, the few small rectangles where leaves were and are.
// Positions follow from the time alone, so a late frame lands where an on-time one would.
class FloatingParticles
{
public:
    static constexpr int particleCount = 5;
    // The drift is slow (a few pixels per frame at most): this rate keeps it smooth while a
    // full-screen break leaves the processor nearly idle.
    static constexpr int frameIntervalMs = 40;

    // Uniform numbers in [0, 1]; the system's random source unless a test scripts them.
    using UnitRandom = std::function<double()>;
    static UnitRandom systemRandom();

    explicit FloatingParticles(const UnitRandom &random = systemRandom());

    const std::vector<FloatingParticle> &particles() const { return m_particles; }

    // The area the leaves are spread over, in the painter's logical pixels. A new size
    // moves every leaf: the caller repaints the whole layer.
    void setLayerRect(const QRect &rect);
    QRect layerRect() const { return m_layerRect; }

    // Moves every leaf to where it stands `elapsedSeconds` after the layer first showed and
    // returns what to repaint: the old and new place of each leaf that visibly moved.
    QRegion advanceTo(double elapsedSeconds);

    // Draws every leaf where the last advanceTo put it.
    void paint(QPainter &painter) const;

    // The pixels a leaf's drawing can touch at its current place.
    QRect leafBounds(int index) const;

private:
    struct Drawn
    {
        QPointF centre;
        double rotation = 0;
    };

    static FloatingParticle makeParticle(const UnitRandom &random);
    static void chooseDrift(FloatingParticle &particle, const UnitRandom &random);
    Drawn placedAt(const FloatingParticle &particle, double elapsedSeconds) const;
    QRect boundsAt(int index, const Drawn &drawn) const;

    std::vector<FloatingParticle> m_particles;
    std::vector<QPainterPath> m_shapes;
    std::vector<Drawn> m_drawn;
    QRect m_layerRect;
    double m_elapsedSeconds = 0;
};
