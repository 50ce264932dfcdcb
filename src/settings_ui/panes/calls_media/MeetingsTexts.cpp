#include "settings_ui/panes/calls_media/MeetingsTexts.h"

QString MeetingsTexts::detectorDisplayName(std::optional<DetectorType> detector)
{
    switch (detector.value_or(DetectorType::generic)) {
    case DetectorType::zoom:
        return QStringLiteral("Zoom");
    case DetectorType::teams:
        return QStringLiteral("Teams");
    case DetectorType::browser:
        return QStringLiteral("Browser");
    case DetectorType::slack:
        return QStringLiteral("Slack");
    case DetectorType::discord:
        return QStringLiteral("Discord");
    case DetectorType::webex:
        return QStringLiteral("Webex");
    case DetectorType::facetime:
        return QStringLiteral("FaceTime");
    case DetectorType::voiceMemos:
        return QStringLiteral("Voice Memos");
    case DetectorType::generic:
        break;
    }
    return QStringLiteral("Microphone");
}

QString MeetingsTexts::statusText(bool insideOfficeHours, const MeetingContext &context)
{
    if (!insideOfficeHours)
        return QStringLiteral("Detection is paused outside your configured office hours.");
    // Only the generic detector speaks of the microphone itself; a context without a
    // detector names it "Microphone" in the composed texts.
    const bool generic = context.activeDetector == DetectorType::generic;
    const QString name = detectorDisplayName(context.activeDetector);
    switch (context.state) {
    case MeetingState::inactive:
        break;
    case MeetingState::probable:
        return generic ? QStringLiteral("Confirming microphone activity...")
                       : QStringLiteral("Confirming ") + name + QStringLiteral(" audio activity...");
    case MeetingState::active:
        return generic ? QStringLiteral("Call or microphone recording detected.")
                       : name + QStringLiteral(" call or recording detected.");
    case MeetingState::ending:
        return generic ? QStringLiteral("Waiting briefly for microphone activity to recover.")
                       : QStringLiteral("Waiting briefly for ") + name
                             + QStringLiteral(" audio to recover.");
    }
    return QStringLiteral("No active call or microphone recording detected.");
}

QString MeetingsTexts::illustratedBehaviour(const QString &stored)
{
    return stored == adjust ? adjust : resume;
}

QString MeetingsTexts::exampleText(const QString &illustrated)
{
    if (illustrated == resume)
        return QStringLiteral("Example: Your break was due at 10:20 AM. The meeting lasted 32 "
                              "minutes. Timer resumes where it left off.");
    return QStringLiteral("Example: A 32-minute meeting adds an 8-minute buffer if your break "
                          "was about to begin.");
}

QString MeetingsTexts::infoText(const QString &stored)
{
    if (stored == adjust)
        return QStringLiteral("The buffer scales from 2 to 10 minutes. Existing time is never "
                              "shortened, and long meetings do not postpone a needed break for "
                              "a full interval.");
    return QStringLiteral("After a meeting, Lumenpause resumes from the exact time remaining "
                          "when the meeting started.");
}
