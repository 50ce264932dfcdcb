#include "settings_ui/components/Motion.h"
#include "settings_ui/panes/calls_media/MeetingTimelineView.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

TEST(MeetingTimelineViewTest, TheNextBreakSitsThreeOrEightMinutesAfterTheMeeting)
{
    struct Case
    {
        QString afterMeeting;
        qreal width;
        qreal nextBreakX;
        QString nextBreakTime;
    };
    const Case cases[] = {
        {"resume", 300, 246, "10:58 AM"},
        {"adjust", 300, 264, "11:03 AM"},
        {"", 300, 264, "11:03 AM"},
        {"Resume", 300, 264, "11:03 AM"},
        {"resume", 0, 0, "10:58 AM"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.afterMeeting.toStdString() + " " + std::to_string(c.width));
        MeetingTimelineView view(c.afterMeeting);
        view.resize(int(c.width + 2 * MeetingTimelineView::inset), MeetingTimelineView::fixedHeight);
        ASSERT_EQ(view.drawingWidth(), c.width);
        const MeetingTimelineView::Geometry layout = view.geometry(view.drawingWidth());
        EXPECT_EQ(layout.track, QRectF(0, 42, c.width, 4));
        EXPECT_EQ(layout.meeting, QRectF(0.3 * c.width, 42, 0.35 * c.width, 4));
        // The connector always ends under the last marker.
        EXPECT_EQ(layout.connector, QLineF(0.65 * c.width, 44, c.nextBreakX, 44));
        const QList<QPointF> centres = {{0.04 * c.width, 44}, {0.3 * c.width, 44}, {0.65 * c.width, 44},
                                        {c.nextBreakX, 44}};
        EXPECT_EQ(layout.nodeCentres, centres);
        EXPECT_EQ(layout.pillCentre, QPointF(0.475 * c.width, 66));
        const QList<TimelineNode> nodes = MeetingTimelineView::nodes(c.afterMeeting);
        ASSERT_EQ(nodes.size(), 4);
        EXPECT_EQ(nodes[3].time, c.nextBreakTime);
        EXPECT_EQ(nodes[0].time + " " + nodes[0].label, "10:00 AM Timer started");
        EXPECT_TRUE(nodes[0].isCheckmark);
        // Drawn at any width, none included.
        QImage image(view.size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
        view.render(&image);
    }
}

TEST(MeetingTimelineViewTest, OnlyTheLastMarkerMovesAndItStopsWhenHidden)
{
    MeetingTimelineView view("resume");
    view.resize(332, MeetingTimelineView::fixedHeight);
    view.show();
    const MeetingTimelineView::Geometry before = view.geometry(300);
    view.setAfterMeeting("adjust");
    ASSERT_TRUE(view.isMoving());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.isMoving(); }, 2000));
    const MeetingTimelineView::Geometry after = view.geometry(300);
    EXPECT_EQ(after.nodeCentres.mid(0, 3), before.nodeCentres.mid(0, 3));
    EXPECT_EQ(after.track, before.track);
    EXPECT_EQ(after.pillCentre, before.pillCentre);
    EXPECT_DOUBLE_EQ(after.nodeCentres[3].x(), 264);

    view.setAfterMeeting("resume");
    ASSERT_TRUE(view.isMoving());
    view.hide();
    EXPECT_FALSE(view.isMoving());
    EXPECT_DOUBLE_EQ(view.geometry(300).connector.x2(), 246);
}
