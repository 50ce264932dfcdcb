#include "detection/BundlePrefix.h"
#include "detection/MeetingEvaluation.h"

#include <gtest/gtest.h>

TEST(DetectionTypesTest, AnIdentityMatchesAPrefixWhenEqualOrFollowedByAFullStop)
{
    struct Case
    {
        QSet<QString> identities;
        QStringList prefixes;
        bool matches;
    };
    const QList<Case> cases = {
        {{}, {"us.zoom"}, false},
        {{"us.zoom"}, {}, false},
        {{"us.zoom"}, {"us.zoom"}, true},
        {{"us.zoom.xos"}, {"us.zoom"}, true},
        {{"us.zoomer"}, {"us.zoom"}, false},
        {{"us.zoom-beta"}, {"us.zoom"}, false},
        {{"com.microsoft.teams2"}, {"com.microsoft.teams"}, false},
        {{"com.microsoft.teams2"}, {"com.microsoft.teams", "com.microsoft.teams2"}, true},
        {{"US.zoom"}, {"us.zoom"}, false},
        {{" us.zoom"}, {"us.zoom"}, false},
        {{"us"}, {"us.zoom"}, false},
        {{"bin:vlc", "org.videolan.VLC"}, {"org.videolan.VLC"}, true},
        {{"bin:vlc"}, {"bin:vl"}, false},
        {{"bin:vlc"}, {""}, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(matchesAnyBundlePrefix(c.identities, c.prefixes), c.matches)
            << c.identities.values().join(',').toStdString() << " / "
            << c.prefixes.join(',').toStdString();
    }
}

TEST(DetectionTypesTest, AnEvaluationStartsAndEndsOnlyRealMeetings)
{
    using S = MeetingState;
    struct Case
    {
        S previous;
        S current;
        bool started;
        bool ended;
    };
    const QList<Case> cases = {
        {S::inactive, S::active, true, false},  {S::probable, S::active, true, false},
        {S::ending, S::active, false, false},   {S::active, S::active, false, false},
        {S::active, S::inactive, false, true},  {S::ending, S::inactive, false, true},
        {S::probable, S::inactive, false, false}, {S::inactive, S::inactive, false, false},
        {S::active, S::ending, false, false},   {S::inactive, S::probable, false, false},
    };
    for (const Case &c : cases) {
        MeetingEvaluation evaluation;
        evaluation.previousState = c.previous;
        evaluation.context.state = c.current;
        const std::string name = (meetingStateRawValue(c.previous) + " -> "
                                  + meetingStateRawValue(c.current)).toStdString();
        EXPECT_EQ(evaluation.started(), c.started) << name;
        EXPECT_EQ(evaluation.ended(), c.ended) << name;
    }
}
