#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/SnoozeButton.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// Each present pill's capsule in the row's band, left to right.
QList<QRectF> capsules(const BreakActionRow &row)
{
    QList<QRectF> found;
    const QList<QWidget *> order{row.skipButton(), row.snoozeButton(), row.endBreakButton()};
    for (QWidget *control : order) {
        if (control->isHidden())
            continue;
        const QRectF local = control == row.snoozeButton()
            ? row.snoozeButton()->capsuleRect()
            : static_cast<BreakActionButton *>(control)->capsuleRect();
        found.append(local.translated(control->pos() + row.pos()));
    }
    return found;
}

void expectCentredAndSpaced(const QList<QRectF> &pills, qreal centreX)
{
    ASSERT_FALSE(pills.isEmpty());
    for (int i = 1; i < pills.size(); ++i)
        EXPECT_NEAR(pills[i].left() - pills[i - 1].right(), BreakActionRow::spacing, 1.0);
    EXPECT_NEAR((pills.first().left() + pills.last().right()) / 2, centreX, 1.0);
    for (const QRectF &pill : pills)
        EXPECT_NEAR(pill.center().y(), pills.first().center().y(), 0.5);
}

} // namespace

TEST(BreakActionRowTest, ThePillsStayCentredTenApartAsEachComesAndGoes)
{
    QWidget overlay;
    overlay.resize(1200, 600);
    BreakActionRow row(Qt::white, &overlay);
    const QRect band(220, 300, 760, row.controlsHeight());
    row.setControlsGeometry(band);
    const qreal centreX = band.left() + band.width() / 2.0;
    EXPECT_EQ(capsules(row).size(), 2) << "Skip and snooze, no End Break before the final fifth";
    expectCentredAndSpaced(capsules(row), centreX);

    row.setEndBreakVisible(true);
    ASSERT_EQ(capsules(row).size(), 3);
    expectCentredAndSpaced(capsules(row), centreX);

    row.setSkipVisible(false);
    row.setSnoozeVisible(false);
    ASSERT_EQ(capsules(row).size(), 1);
    expectCentredAndSpaced(capsules(row), centreX);
}

TEST(BreakActionRowTest, EndBreakGrowsInWhileItsNeighboursMoveAside)
{
    QWidget overlay;
    overlay.resize(1200, 600);
    BreakActionRow row(Qt::white, &overlay);
    row.setControlsGeometry(QRect(220, 300, 760, row.controlsHeight()));
    overlay.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&overlay));
    const qreal skipLeftBefore = capsules(row).first().left();

    row.setEndBreakVisible(true);
    BreakActionButton *endBreak = row.endBreakButton();
    ASSERT_TRUE(QTest::qWaitFor([&] { return endBreak->opacity() > 0.2 && endBreak->opacity() < 0.8; },
                                2000));
    const qreal skipLeftHalfway = capsules(row).first().left();
    EXPECT_LT(skipLeftHalfway, skipLeftBefore);
    ASSERT_TRUE(QTest::qWaitFor([&] { return endBreak->opacity() == 1.0; }, 2000));
    const qreal skipLeftAfter = capsules(row).first().left();
    EXPECT_LT(skipLeftAfter, skipLeftHalfway);
    EXPECT_NEAR(skipLeftBefore - skipLeftAfter,
                (endBreak->capsuleSize().width() + BreakActionRow::spacing) / 2.0, 1.0);
}
