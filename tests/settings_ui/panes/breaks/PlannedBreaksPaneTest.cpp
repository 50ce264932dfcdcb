#include "settings_ui/components/SettingCard.h"
#include "settings_ui/panes/breaks/EditPlannedBreakSheet.h"
#include "settings_ui/panes/breaks/PlannedBreakDelegate.h"
#include "settings_ui/panes/breaks/PlannedBreakListModel.h"
#include "settings_ui/panes/breaks/PlannedBreakListView.h"
#include "settings_ui/panes/breaks/PlannedBreaksDetailView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/panes/breaks/WorkingHoursWarning.h"
#include "support/BreaksPaneFixture.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QList<bool> monday = {true, false, false, false, false, false, false};
const QList<bool> tuesday = {false, true, false, false, false, false, false};

QVariantMap day(bool enabled, int startHour, int startMin, int endHour, int endMin)
{
    return {{"enabled", enabled}, {"startHour", startHour}, {"startMin", startMin},
            {"endHour", endHour}, {"endMin", endMin}};
}

// Monday to Friday 09:00 to 18:00, the weekend off, with `changes` laid over it by index.
QVariantList week(std::initializer_list<std::pair<int, QVariant>> changes = {})
{
    QVariantList days;
    for (int index = 0; index < 7; ++index)
        days.append(day(index < 5, 9, 0, 18, 0));
    for (const auto &[index, record] : changes)
        days[index] = record;
    return days;
}

PlannedBreak plannedBreak(const QString &name, int hour, int minute, QList<bool> days = {true, true, true, true, true, false, false},
                          bool enabled = true)
{
    PlannedBreak planned;
    planned.name = name;
    planned.emoji = "figure.walk";
    planned.hour = hour;
    planned.minute = minute;
    planned.durationSeconds = 300;
    planned.days = std::move(days);
    planned.enabled = enabled;
    return planned;
}

class PlannedBreaksPaneTest : public BreaksPaneFixture
{
protected:
    PlannedBreaksDetailView *openPane()
    {
        openSubpage(ScreenBreaksSubpage::scheduledBreaks);
        return view->findChild<PlannedBreaksDetailView *>();
    }

    PlannedBreakListView *list() { return view->findChild<PlannedBreakListView *>("plannedBreaks"); }

    void moveTo(int row)
    {
        const QPoint centre = list()->rowRect(row).center();
        QTest::mouseMove(list()->viewport(), centre);
        QMouseEvent move(QEvent::MouseMove, centre, list()->viewport()->mapToGlobal(centre), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list()->viewport(), &move);
    }

    void clickAt(const QPointF &point)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, point.toPoint());
        BreaksPaneRig::settle();
    }

    QStringList names() const
    {
        QStringList all;
        for (const PlannedBreak &planned : rig.plannedBreaks.breaks())
            all.append(planned.name);
        return all;
    }
};

} // namespace

TEST(WorkingHoursWarningTest, ABreakIsOutsideWhenAnyOfItsDaysMissesTheWorkingHours)
{
    struct Case
    {
        const char *name;
        QVariantList schedule;
        QList<bool> days;
        int hour, minute;
        bool outside;
    };
    const Case cases[] = {
        {"before Monday's start", week(), monday, 8, 59, true},
        {"at Monday's start", week(), monday, 9, 0, false},
        {"before Monday's end", week(), monday, 17, 59, false},
        {"at Monday's end", week(), monday, 18, 0, true},
        {"one of two days off", week(), {true, false, false, false, false, true, false}, 10, 0, true},
        {"inside through Monday's night", week({{0, day(true, 22, 0, 6, 0)}, {1, day(false, 9, 0, 18, 0)}}), tuesday, 2, 0, false},
        {"after Monday's night", week({{0, day(true, 22, 0, 6, 0)}, {1, day(false, 9, 0, 18, 0)}}), tuesday, 6, 0, true},
        {"Monday's own night", week({{0, day(true, 22, 0, 6, 0)}}), monday, 23, 30, false},
        {"Sunday's night reaches Monday", week({{0, day(false, 9, 0, 18, 0)}, {6, day(true, 21, 0, 3, 0)}}), monday, 2, 0, false},
        {"equal ends are the whole day", week({{0, day(true, 12, 0, 12, 0)}}), monday, 3, 0, false},
        {"equal ends on a day off", week({{0, day(false, 12, 0, 12, 0)}}), monday, 3, 0, true},
        {"no day chosen", week(), {false, false, false, false, false, false, false}, 3, 0, false},
        {"no days at all", week(), {}, 3, 0, false},
        {"a mistyped switch is off", week({{0, QVariantMap{{"enabled", "yes"}}}}), monday, 10, 0, true},
        {"missing times are 09:00 to 18:00", week({{0, QVariantMap{{"enabled", true}}}}), monday, 17, 0, false},
        {"a week of six days warns of nothing", week().mid(0, 6), monday, 3, 0, false},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(WorkingHoursWarning::isOutsideWorkingHours(test.hour, test.minute, test.days, true, test.schedule),
                  test.outside);
        EXPECT_FALSE(WorkingHoursWarning::isOutsideWorkingHours(test.hour, test.minute, test.days, false,
                                                                test.schedule))
            << "office hours off";
    }
    EXPECT_EQ(PlannedBreakListModel::summary(plannedBreak("Walk", 9, 0)), "Weekdays · 5 min");
    PlannedBreak odd = plannedBreak("Walk", 9, 0, {true, false, true, false, false, false, false});
    odd.durationSeconds = 90;
    EXPECT_EQ(PlannedBreakListModel::summary(odd), "Mon, Wed · 1 min");
    odd.durationSeconds = 1800;
    EXPECT_EQ(PlannedBreakListModel::summary(odd), "Mon, Wed · 30 min");
}

TEST_F(PlannedBreaksPaneTest, TheListOrItsEmptyStateAndTheBannerAndWarningsFollowTheSettings)
{
    PlannedBreaksDetailView *pane = openPane();
    auto *empty = pane->findChild<SettingCard *>("plannedBreaks.empty");
    auto *banner = pane->findChild<QWidget *>("plannedBreaks.workingHours");
    EXPECT_TRUE(empty->isVisible());
    EXPECT_FALSE(list()->isVisible());
    EXPECT_FALSE(banner->isVisible());

    rig.plannedBreaks.add(plannedBreak("Lunch", 12, 30));
    rig.plannedBreaks.add(plannedBreak("Evening walk", 19, 0, {true, true, true, true, true, false, false}, false));
    EXPECT_FALSE(empty->isVisible());
    EXPECT_TRUE(list()->isVisible());
    EXPECT_EQ(list()->breaks()->rowCount(), 2);
    EXPECT_EQ(list()->height(), 2 * PlannedBreakDelegate::rowHeight()) << "the pane scrolls the list, not itself";
    const auto warnings = [this] {
        return QList<bool>{list()->breaks()->isOutsideWorkingHours(0), list()->breaks()->isOutsideWorkingHours(1)};
    };
    EXPECT_EQ(warnings(), (QList<bool>{false, false}));

    rig.settings.setOfficeHoursEnabled(true);
    EXPECT_TRUE(banner->isVisible());
    EXPECT_EQ(warnings(), (QList<bool>{false, true})) << "a switched-off break still warns";
    // A saved week is looked at again; the stored key alone is not watched.
    rig.settings.saveOfficeHoursSchedule({{"Monday", true, 7, 0, 20, 0}, {"Tuesday", true, 7, 0, 20, 0},
                                          {"Wednesday", true, 7, 0, 20, 0}, {"Thursday", true, 7, 0, 20, 0},
                                          {"Friday", true, 7, 0, 20, 0}, {"Saturday"}, {"Sunday"}});
    EXPECT_EQ(warnings(), (QList<bool>{false, false}));
    rig.settings.setOfficeHoursEnabled(false);
    EXPECT_FALSE(banner->isVisible());
}

TEST_F(PlannedBreaksPaneTest, HoverShowsTheButtonsOfTheRowWhichDeleteEditAndSwitchItsBreak)
{
    for (const char *name : {"Stretch", "Lunch", "Walk"})
        rig.plannedBreaks.add(plannedBreak(name, 12, 30));
    PlannedBreaksDetailView *pane = openPane();
    const QList<PlannedBreak> before = rig.plannedBreaks.breaks();

    // Not under the pointer, a row's buttons take no click.
    clickAt(PlannedBreakDelegate::trashRect(list()->rowRect(1)).center());
    EXPECT_EQ(names(), (QStringList{"Stretch", "Lunch", "Walk"}));

    moveTo(1);
    EXPECT_EQ(list()->hoveredBreak(), before[1].id);
    EXPECT_EQ(list()->hoverProgress(before[1].id), 1.0);
    clickAt(PlannedBreakDelegate::switchRect(list()->rowRect(1)).center());
    PlannedBreak switchedOff = before[1];
    switchedOff.enabled = false;
    EXPECT_EQ(rig.plannedBreaks.breaks()[1], switchedOff) << "only the switch changes";
    EXPECT_EQ(list()->hoveredBreak(), before[1].id) << "hover stays with its break";

    clickAt(PlannedBreakDelegate::pencilRect(list()->rowRect(1)).center());
    auto *sheet = qobject_cast<EditPlannedBreakSheet *>(pane->sheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->planned(), switchedOff);
    // The sheet stays with its break as the list changes around it.
    rig.plannedBreaks.remove(before[0].id);
    sheet->findChild<QLineEdit *>("name")->setText("Long lunch");
    sheet->save();
    EXPECT_EQ(names(), (QStringList{"Long lunch", "Walk"}));
    EXPECT_FALSE(rig.plannedBreaks.breaks()[0].enabled);

    moveTo(0);
    clickAt(PlannedBreakDelegate::trashRect(list()->rowRect(0)).center());
    EXPECT_EQ(names(), QStringList{"Walk"});
    EXPECT_EQ(list()->hoveredBreak(), before[2].id) << "the break now under the pointer shows its buttons";
}

TEST_F(PlannedBreaksPaneTest, NamesAreDrawnAsPlainText)
{
    openPane();
    // How far right the label-coloured ink of the row's name reaches (the time is blue, the
    // line under it grey).
    const auto nameInkRight = [this](const QString &name) {
        rig.plannedBreaks.add(plannedBreak(name, 12, 30));
        BreaksPaneRig::settle();
        const QImage image = list()->viewport()->grab(list()->rowRect(0)).toImage();
        int right = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 56; x < image.width() / 2; ++x) {
                if (qGray(image.pixel(x, y)) < 70)
                    right = std::max(right, x);
            }
        }
        rig.plannedBreaks.remove(rig.plannedBreaks.breaks().first().id);
        return right;
    };
    const int plain = nameInkRight("Lunch");
    const int marked = nameInkRight("<b>Lunch</b>");
    EXPECT_GT(plain, 56);
    EXPECT_GT(marked, plain + 20) << "the tags are shown, not applied";
}
