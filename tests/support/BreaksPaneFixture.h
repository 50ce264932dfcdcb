#pragma once

#include "settings_ui/panes/breaks/ScreenBreaksSubpage.h"
#include "support/BreaksPaneRig.h"

#include <gtest/gtest.h>

#include <memory>

// What the tests of the Breaks pane's pages stand on: the rig, animations that jump to their
// end, and the window a test opens, closed with its deferred deletions run before the rig
// goes.
class BreaksPaneFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The window on the Breaks pane's `subpage`, once that has settled; opened on the rig
    // unless the test has opened one already.
    ScreenBreaksDetailView *openSubpage(ScreenBreaksSubpage subpage);

    // The child of the window named `name`; a failure when there is none.
    template <typename T>
    T *control(const QString &name)
    {
        T *child = view->findChild<T *>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    BreaksPaneRig rig;
    std::unique_ptr<ContentView> view;
};
