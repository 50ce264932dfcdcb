#include "support/BreaksPaneFixture.h"

#include "settings_ui/components/Motion.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"

void BreaksPaneFixture::SetUp()
{
    Motion::setJumpToEnd(true);
}

void BreaksPaneFixture::TearDown()
{
    view.reset();
    BreaksPaneRig::settle();
    Motion::setJumpToEnd(false);
}

ScreenBreaksDetailView *BreaksPaneFixture::openSubpage(ScreenBreaksSubpage subpage)
{
    if (!view)
        view = rig.openWindow();
    return BreaksPaneRig::showSubpage(*view, subpage);
}
