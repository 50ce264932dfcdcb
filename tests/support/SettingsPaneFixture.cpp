#include "support/SettingsPaneFixture.h"

#include "settings_ui/components/Motion.h"
#include "support/BreakScreenRig.h"

#include <QAbstractAnimation>
#include <QJsonDocument>

void SettingsPaneFixture::SetUp()
{
    Motion::setJumpToEnd(true);
}

void SettingsPaneFixture::TearDown()
{
    BreakScreenRig::flushDeletions();
    Motion::setJumpToEnd(false);
}

int SettingsPaneFixture::partsShown(const QWidget *pane)
{
    int shown = 0;
    for (const QWidget *child : pane->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        shown += child->isVisibleTo(pane);
    return shown;
}

int SettingsPaneFixture::runningAnimations(const QWidget *root)
{
    int count = 0;
    for (const QAbstractAnimation *animation : root->findChildren<QAbstractAnimation *>())
        count += animation->state() == QAbstractAnimation::Running;
    return count;
}

QJsonObject SettingsPaneFixture::storedJson()
{
    return QJsonDocument::fromJson(rig.settingsFile()).object();
}
