#include "breakscreen/FloatingParticles.h"

#include "breakscreen/BreakGlyphs.h"

#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

double inRange(const FloatingParticles::UnitRandom &random, double low, double high)
{
    return low + (high - low) * std::clamp(random(), 0.0, 1.0);
}

// The filled leaf twice as often as the outlined one.
const QString leafIcons[] = {QStringLiteral("leaf.fill"), QStringLiteral("leaf"),
                             QStringLiteral("leaf.fill")};

// Moves under these are invisible; skipping them keeps the still and slow leaves from
// costing repaints.
constexpr double smallestVisibleShift = 0.05;
constexpr double smallestVisibleTurn = 0.05;

// Room around a leaf's rotated square for antialiasing.
constexpr int boundsMargin = 2;

} // namespace

FloatingParticles::UnitRandom FloatingParticles::systemRandom()
{
    return [] { return QRandomGenerator::system()->generateDouble(); };
}

FloatingParticles::FloatingParticles(const UnitRandom &random)
{
    for (int i = 0; i < particleCount; ++i)
        m_particles.push_back(makeParticle(random));
    // The targets are drawn after all five leaves exist, as each leaf's drift is set off
    // once it has been shown at its starting place.
    for (FloatingParticle &particle : m_particles) {
        chooseDrift(particle, random);
        const auto glyph = BreakGlyphs::fromSymbolName(particle.icon);
        m_shapes.push_back(glyph ? BreakGlyphs::path(*glyph, particle.size, QFont::Thin)
                                 : QPainterPath());
    }
    m_drawn.resize(m_particles.size());
}

FloatingParticle FloatingParticles::makeParticle(const UnitRandom &random)
{
    FloatingParticle particle;
    particle.id = QUuid::createUuid();
    particle.x = inRange(random, 0.0, 1.0);
    particle.y = inRange(random, 0.0, 1.0);
    particle.size = inRange(random, 6.0, 14.0);
    particle.opacity = inRange(random, 0.15, 0.35);
    particle.rotation = inRange(random, 0.0, 360.0);
    const int icon = std::min(static_cast<int>(std::clamp(random(), 0.0, 1.0) * 3), 2);
    particle.icon = leafIcons[icon];
    particle.duration = inRange(random, 12.0, 22.0);
    particle.delay = inRange(random, 0.0, 4.0);
    return particle;
}

void FloatingParticles::chooseDrift(FloatingParticle &particle, const UnitRandom &random)
{
    particle.targetX = inRange(random, 0.1, 0.9);
    particle.targetY = inRange(random, 0.1, 0.9);
    particle.targetRotation = particle.rotation + inRange(random, 30.0, 90.0);
}

void FloatingParticles::setLayerRect(const QRect &rect)
{
    m_layerRect = rect;
    for (size_t i = 0; i < m_particles.size(); ++i)
        m_drawn[i] = placedAt(m_particles[i], m_elapsedSeconds);
}

FloatingParticles::Drawn FloatingParticles::placedAt(const FloatingParticle &particle,
                                                     double elapsedSeconds) const
{
    const FloatingParticle::Placement place = particle.placementAt(elapsedSeconds);
    return {QPointF(m_layerRect.x() + place.x * m_layerRect.width(),
                    m_layerRect.y() + place.y * m_layerRect.height()),
            place.rotation};
}

QRegion FloatingParticles::advanceTo(double elapsedSeconds)
{
    m_elapsedSeconds = elapsedSeconds;
    QRegion dirty;
    for (size_t i = 0; i < m_particles.size(); ++i) {
        const Drawn next = placedAt(m_particles[i], elapsedSeconds);
        const QPointF shift = next.centre - m_drawn[i].centre;
        if (std::abs(shift.x()) < smallestVisibleShift && std::abs(shift.y()) < smallestVisibleShift
            && std::abs(next.rotation - m_drawn[i].rotation) < smallestVisibleTurn)
            continue;
        dirty += boundsAt(int(i), m_drawn[i]);
        dirty += boundsAt(int(i), next);
        m_drawn[i] = next;
    }
    return dirty;
}

QRect FloatingParticles::boundsAt(int index, const Drawn &drawn) const
{
    // A square of side `size` turned any way stays inside this circle's square.
    const double half = m_particles[index].size / 2 * M_SQRT2;
    return QRectF(drawn.centre.x() - half, drawn.centre.y() - half, 2 * half, 2 * half)
        .toAlignedRect()
        .adjusted(-boundsMargin, -boundsMargin, boundsMargin, boundsMargin);
}

QRect FloatingParticles::leafBounds(int index) const
{
    return boundsAt(index, m_drawn[index]);
}

void FloatingParticles::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QTransform base = painter.transform();
    for (size_t i = 0; i < m_particles.size(); ++i) {
        painter.setTransform(base);
        painter.translate(m_drawn[i].centre);
        painter.rotate(m_drawn[i].rotation);
        QColor white(Qt::white);
        white.setAlphaF(float(m_particles[i].opacity));
        painter.fillPath(m_shapes[i], white);
    }
    painter.restore();
}
