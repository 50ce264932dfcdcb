#pragma once

#include "support/SettingsWindowRig.h"

#include <QJsonObject>
#include <QSize>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// What the tests of the settings window and its panes stand on: a fresh settings window rig, animations that
// jump to their end, and, once a test is over, the deletions its pane deferred, run while
// everything the test's fixture holds is still there.
class SettingsPaneFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // `pane` on screen at `size`, as the detail area would show it.
    template <typename Pane>
    static std::unique_ptr<Pane> shown(std::unique_ptr<Pane> pane, QSize size)
    {
        pane->resize(size);
        pane->show();
        return pane;
    }

    // The child of `pane` named `name`; a failure when there is none.
    template <typename Widget>
    static Widget *find(QWidget *pane, const QString &name)
    {
        auto *widget = pane->findChild<Widget *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // How many of the pane's own parts (its direct children) show.
    static int partsShown(const QWidget *pane);
    // How many animations under `root` are running.
    static int runningAnimations(const QWidget *root);

    // The settings file as it is on disk now.
    QJsonObject storedJson();
    // The activity signals deliver the snapshot now, then at the end of each of the next
    // seconds.
    void deliver(const MeetingSignalSnapshot &snapshot, int seconds = 0) { rig.deliverActivity(snapshot, seconds); }

    SettingsWindowRig rig;
};
