#include "app/MemoryUpkeep.h"
#include "core/AppNotifier.h"
#include "support/FakeClock.h"

#include <QDateTime>

#include <gtest/gtest.h>

// Free pages go back a second after a break's panels are gone, once for breaks that end
// close together, and never while no break ends.
TEST(MemoryUpkeepTest, FreePagesGoBackASecondAfterTheLastBreakEnded)
{
    FakeClock clock(QDateTime(QDate(2025, 3, 4), QTime(9, 0)));
    AppNotifier notifier;
    QList<double> releasedAt;
    const QDateTime start = clock.now();
    MemoryUpkeep upkeep(clock, notifier, [&] {
        releasedAt.append(double(start.msecsTo(clock.now())) / 1000.0);
    });

    clock.advance(600);
    EXPECT_TRUE(releasedAt.isEmpty());
    emit notifier.breakDidHide();
    clock.advance(0.5);
    emit notifier.breakDidHide(); // a second break ended meanwhile
    clock.advance(5);
    emit notifier.breakDidHide();
    clock.advance(60);
    EXPECT_EQ(releasedAt, QList<double>({601.5, 606.5}));
}
