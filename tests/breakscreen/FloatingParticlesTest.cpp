#include "breakscreen/FloatingParticles.h"
#include "breakscreen/GradientBackgroundPainter.h"

#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <set>

namespace {

FloatingParticles::UnitRandom constant(double value)
{
    return [value] { return value; };
}

FloatingParticles::UnitRandom seeded(quint32 seed)
{
    auto generator = std::make_shared<QRandomGenerator>(seed);
    return [generator] { return generator->generateDouble(); };
}

qint64 area(const QRegion &region)
{
    qint64 total = 0;
    for (const QRect &rect : region)
        total += qint64(rect.width()) * rect.height();
    return total;
}

// Backdrop and leaves, limited to `clip` when one is given, as a widget's paint event does.
void paintFrame(QImage &image, GradientBackgroundPainter &background,
                const FloatingParticles &leaves, const QRegion &clip = {})
{
    QPainter painter(&image);
    if (!clip.isEmpty())
        painter.setClipRegion(clip);
    background.paint(painter, image.rect());
    leaves.paint(painter);
}

} // namespace

TEST(FloatingParticlesTest, MakesFiveLeavesWithinTheirRanges)
{
    FloatingParticles lowest(constant(0.0));
    ASSERT_EQ(lowest.particles().size(), 5u);
    const FloatingParticle &low = lowest.particles().front();
    EXPECT_EQ(low.x, 0.0);
    EXPECT_EQ(low.y, 0.0);
    EXPECT_EQ(low.size, 6.0);
    EXPECT_DOUBLE_EQ(low.opacity, 0.15);
    EXPECT_EQ(low.rotation, 0.0);
    EXPECT_EQ(low.icon, QStringLiteral("leaf.fill"));
    EXPECT_EQ(low.duration, 12.0);
    EXPECT_EQ(low.delay, 0.0);
    // A leaf may start on the edge, but its drift target stays inside the central 80 %.
    EXPECT_DOUBLE_EQ(low.targetX, 0.1);
    EXPECT_DOUBLE_EQ(low.targetY, 0.1);
    EXPECT_EQ(low.targetRotation, 30.0);

    FloatingParticles highest(constant(1.0));
    const FloatingParticle &high = highest.particles().front();
    EXPECT_EQ(high.x, 1.0);
    EXPECT_EQ(high.size, 14.0);
    EXPECT_DOUBLE_EQ(high.opacity, 0.35);
    EXPECT_EQ(high.icon, QStringLiteral("leaf.fill"));
    EXPECT_EQ(high.duration, 22.0);
    EXPECT_EQ(high.delay, 4.0);
    EXPECT_DOUBLE_EQ(high.targetX, 0.9);
    EXPECT_EQ(high.targetRotation, 360.0 + 90.0);

    // The middle third of the draw picks the outlined leaf.
    EXPECT_EQ(FloatingParticles(constant(0.5)).particles().front().icon, QStringLiteral("leaf"));
}

TEST(FloatingParticlesTest, EveryLeafIsItsOwnAndDriftsOnlyForwardByThirtyToNinetyDegrees)
{
    std::set<QUuid> ids;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        FloatingParticles layer(seeded(seed));
        for (const FloatingParticle &leaf : layer.particles()) {
            ids.insert(leaf.id);
            EXPECT_GE(leaf.targetX, 0.1);
            EXPECT_LE(leaf.targetX, 0.9);
            EXPECT_GE(leaf.targetY, 0.1);
            EXPECT_LE(leaf.targetY, 0.9);
            EXPECT_GE(leaf.targetRotation - leaf.rotation, 30.0);
            EXPECT_LE(leaf.targetRotation - leaf.rotation, 90.0);
        }
    }
    EXPECT_EQ(ids.size(), 200u);
}

TEST(FloatingParticlesTest, LeafWaitsThenGlidesToItsTargetAndBackWithoutEnd)
{
    FloatingParticle leaf;
    leaf.x = 0.0, leaf.y = 1.0, leaf.rotation = 100;
    leaf.targetX = 0.8, leaf.targetY = 0.2, leaf.targetRotation = 160;
    leaf.duration = 15, leaf.delay = 3;

    EXPECT_EQ(leaf.placementAt(2.9).x, 0.0);
    const FloatingParticle::Placement out = leaf.placementAt(3 + 15);
    EXPECT_NEAR(out.x, 0.8, 1e-6);
    EXPECT_NEAR(out.y, 0.2, 1e-6);
    EXPECT_NEAR(out.rotation, 160, 1e-6);
    // Ease in and out: halfway in time is halfway along, slow near the ends.
    EXPECT_NEAR(leaf.placementAt(3 + 7.5).x, 0.4, 1e-3);
    EXPECT_LT(leaf.placementAt(3 + 1.5).x, 0.8 * 0.1);
    // The second leg comes back, turning the leaf back too; the fifth goes out again.
    EXPECT_NEAR(leaf.placementAt(3 + 30).x, 0.0, 1e-6);
    EXPECT_NEAR(leaf.placementAt(3 + 30).rotation, 100, 1e-6);
    EXPECT_NEAR(leaf.placementAt(3 + 22.5).x, 0.4, 1e-3);
    EXPECT_NEAR(leaf.placementAt(3 + 75).x, 0.8, 1e-6);
    for (double t = 0; t < 120; t += 0.5) {
        const FloatingParticle::Placement at = leaf.placementAt(t);
        EXPECT_TRUE(at.x >= 0.0 && at.x <= 0.8 && at.rotation >= 100 && at.rotation <= 160) << t;
    }
}

TEST(FloatingParticlesTest, RepaintsNothingWhileTheLeavesWait)
{
    FloatingParticles layer(constant(0.5)); // every leaf waits 2 s
    layer.setLayerRect(QRect(0, 0, 1920, 1080));
    EXPECT_TRUE(layer.advanceTo(0.0).isEmpty());
    EXPECT_TRUE(layer.advanceTo(1.9).isEmpty());
    EXPECT_FALSE(layer.advanceTo(3.0).isEmpty());
}

TEST(FloatingParticlesTest, EachFrameRepaintsASmallPartOfTheScreen)
{
    const QRect screen(0, 0, 2560, 1440);
    const qint64 screenArea = qint64(screen.width()) * screen.height();
    FloatingParticles layer(seeded(7));
    layer.setLayerRect(screen);
    qint64 largest = 0;
    int framesWithWork = 0;
    for (int frame = 1; frame <= 60 * 1000 / FloatingParticles::frameIntervalMs; ++frame) {
        const QRegion dirty = layer.advanceTo(frame * FloatingParticles::frameIntervalMs / 1000.0);
        largest = std::max(largest, area(dirty));
        if (dirty.isEmpty())
            continue;
        ++framesWithWork;
        EXPECT_TRUE(screen.adjusted(-40, -40, 40, 40).contains(dirty.boundingRect()));
    }
    EXPECT_GT(framesWithWork, 0);
    EXPECT_LT(largest, screenArea / 200); // under half a percent of the screen
}

TEST(FloatingParticlesTest, RepaintingOnlyTheDirtyRegionMatchesAFullRepaint)
{
    const QSize size(640, 400);
    GradientBackgroundPainter background = GradientBackgroundPainter::vertical(
        QColor::fromRgbF(0.08f, 0.08f, 0.10f), QColor::fromRgbF(0.03f, 0.03f, 0.05f));
    FloatingParticles layer(seeded(11));
    layer.setLayerRect(QRect(QPoint(), size));
    QImage onScreen(size, QImage::Format_ARGB32_Premultiplied);
    paintFrame(onScreen, background, layer);
    for (double t = 0.5; t <= 30.0; t += 0.5) {
        paintFrame(onScreen, background, layer, layer.advanceTo(t));
        QImage fresh(size, QImage::Format_ARGB32_Premultiplied);
        paintFrame(fresh, background, layer);
        ASSERT_TRUE(onScreen == fresh) << "stale pixels after the frame at " << t << " s";
    }
}

TEST(FloatingParticlesTest, LeavesAreSpreadOverTheLayerRectangle)
{
    FloatingParticles layer(constant(1.0)); // every leaf starts at the bottom-right corner
    layer.setLayerRect(QRect(100, 50, 800, 600));
    auto centreOf = [&layer] { return QRectF(layer.leafBounds(0)).center(); };
    EXPECT_NEAR(centreOf().x(), 900, 1);
    EXPECT_NEAR(centreOf().y(), 650, 1);
    layer.setLayerRect(QRect(0, 0, 400, 300));
    EXPECT_NEAR(centreOf().x(), 400, 1);
    EXPECT_NEAR(centreOf().y(), 300, 1);
}
