#include "scheduling/BreakMessages.h"

#include "core/RandomIndex.h"

#include <iterator>

namespace {

// Shown when a list is empty; it reads like any other entry, so an empty custom list
// still gives the break screen something to say.
const char *const kFallbackMessage = "Take a moment.";

// Julian day number of 31 December 1 BC, so 1 January AD 1 comes out as day 1.
constexpr qint64 kJulianDayBeforeFirstDay = 1721425;

// The order matters: the message of the day walks through it one entry per day.
constexpr const char *kMessages[] = {
    "The screen will wait.",
    "Time to look up.",
    "Give your eyes a new view.",
    "One minute is enough.",
    "Pause with purpose.",
    "Rest your eyes for a bit.",
    "Look at something far away.",
    "Roll your shoulders back.",
    "Take a slow, deep breath.",
    "Unclench your jaw.",
    "Let your hands rest.",
    "Stand up and stretch.",
    "Blink a few times.",
    "Find the horizon.",
    "Drink some water.",
    "Relax your shoulders.",
    "Breathe in, breathe out.",
    "Move a little.",
    "Look out of a window.",
    "Stretch your arms up high.",
    "Your eyes deserve a rest.",
    "A short pause helps a lot.",
    "Loosen your grip.",
    "Soften your gaze.",
    "Notice your breathing.",
    "Let your mind wander.",
    "Shake out your hands.",
    "Turn your head slowly.",
    "Stretch your fingers wide.",
    "Sit back and breathe.",
    "Give your back a break.",
    "Walk around the room.",
    "Refill your glass.",
    "Check your posture.",
    "Feet flat on the floor.",
    "Look at something green.",
    "A fresh view helps.",
    "Rest is part of the work.",
    "Small breaks add up.",
    "You earned this pause.",
    "Nothing is on fire.",
    "Let the thoughts settle.",
    "Close your eyes for a moment.",
    "Focus on a distant point.",
    "Stretch your neck gently.",
    "Open your hands.",
    "Breathe from your belly.",
    "Let your face relax.",
    "Lower your shoulders.",
    "Straighten your back.",
    "Take a few steps.",
    "Step away for a moment.",
    "Enjoy a quiet moment.",
    "This break is yours.",
    "Recharge for a moment.",
    "Good work so far.",
    "You are doing well.",
    "Let your eyes wander.",
    "Look around the room.",
    "Count five slow breaths.",
    "Feel your feet on the ground.",
    "Smile, just for a moment.",
    "Listen to the room.",
    "Notice three sounds nearby.",
    "Name three things you see.",
    "Rest your wrists.",
    "Circle your wrists slowly.",
    "Stretch your legs.",
    "Point and flex your feet.",
    "Reach for the ceiling.",
    "Lean gently to each side.",
    "Twist gently in your chair.",
    "Let your arms hang loose.",
    "A glass of water helps.",
    "Stay hydrated.",
    "Let the screen rest too.",
    "Step back from the screen.",
    "Your work can wait a moment.",
    "The inbox is not going anywhere.",
    "Clear your head.",
    "Let go of the last task.",
    "Reset before the next task.",
    "Fresh eyes see more.",
    "A rested mind works better.",
    "Pause, then carry on.",
    "Slow down for a moment.",
    "There is time for this.",
    "Take it easy for a moment.",
    "Be kind to your eyes.",
    "Be kind to yourself.",
    "Give your hands a rest.",
    "Let your focus drift.",
    "Gaze out and breathe.",
    "Sit tall and breathe.",
    "Relax your forehead.",
    "Release the tension.",
    "Let your breath slow down.",
    "Stretch like a cat.",
    "Get up and move around.",
    "Walk to the window.",
    "Open a window for fresh air.",
    "Fresh air does wonders.",
    "Notice how you feel.",
    "Check in with yourself.",
    "Take a breath before you go on.",
    "Enjoy the stillness.",
    "Everything can pause.",
    "Let this moment be quiet.",
    "A little rest goes far.",
    "Breaks keep you sharp.",
    "Rest now, focus later.",
    "Stand up for a minute.",
    "Stretch out your spine.",
    "Roll your neck slowly.",
    "Rotate your ankles.",
    "Wiggle your toes.",
    "Give your mind some space.",
    "Think about nothing at all.",
    "Let your thoughts drift.",
    "Watch the clouds for a while.",
    "Look at the sky.",
    "Find some natural light.",
    "Let your eyes adjust.",
    "Blink slowly and often.",
    "Palm your eyes gently.",
    "Cover your eyes and rest.",
    "Rub your hands warm.",
    "Massage your temples.",
    "Loosen your neck.",
    "Breathe in for four counts.",
    "Hold, then breathe out.",
    "Exhale slowly.",
    "Fill your lungs with air.",
    "Sigh it out.",
    "Shake off the stress.",
    "You deserve this rest.",
    "Well done, now rest.",
    "You have been busy.",
    "Time for a short recharge.",
    "Pause and reset.",
    "Step back, then step in.",
    "Come back refreshed.",
    "Return with fresh focus.",
    "Tidy your desk a little.",
    "Grab a cup of tea.",
    "Make yourself a warm drink.",
    "Have a healthy snack.",
    "Say hello to someone.",
    "Check on a plant nearby.",
    "Look at a picture you like.",
    "Stretch your chest open.",
    "Pull your shoulder blades in.",
    "Let your jaw hang loose.",
    "Enjoy a moment of calm.",
    "Calm is a good place to be.",
    "Slow is fine for now.",
    "Nothing needs you right now.",
    "This minute is for you.",
    "Let the world spin a while.",
    "Take a mindful pause.",
    "Notice the air around you.",
    "Feel the chair supporting you.",
    "Rest your elbows.",
    "Lift your chin a little.",
    "Look left, then right.",
    "Look up, then down.",
    "Trace a circle with your eyes.",
    "Follow a slow breath.",
    "Hum a tune you like.",
    "Stretch toward the sky.",
    "Touch your toes if you can.",
    "March in place a bit.",
    "Take the long way back.",
    "Let the pixels rest.",
    "The work is not going away.",
    "Breathe and let go.",
    "Make room for a breath.",
    "Be here for a moment.",
    "Enjoy doing nothing.",
    "Doing nothing is allowed.",
    "Rest without guilt.",
    "Your body says thanks.",
    "Your eyes say thanks.",
    "A pause makes good work better.",
    "Ease into the break.",
    "Quiet your mind.",
    "Let the moment pass slowly.",
    "Light and easy now.",
    "Keep it gentle.",
    "Stretch, breathe, smile.",
    "Recover a little energy.",
    "A calm mind sees clearly.",
    "Rest is productive too.",
    "Soon you will be back.",
    "Unplug for a moment.",
    "Let your hands go still.",
    "Take the stairs if you can.",
    "Your next task will still be here.",
    "Thanks for taking a break.",
    "See you in a minute.",
};
static_assert(std::size(kMessages) == 200);

} // namespace

const QStringList &breakMessages()
{
    static const QStringList messages = [] {
        QStringList list;
        list.reserve(qsizetype(std::size(kMessages)));
        for (const char *message : kMessages)
            list.append(QString::fromLatin1(message));
        return list;
    }();
    return messages;
}

QString randomBreakMessage(const QStringList &messages)
{
    if (messages.isEmpty())
        return QString::fromLatin1(kFallbackMessage);
    return messages.at(randomIndex(messages.size()));
}

QString messageOfTheDay(const QStringList &messages, const QDate &today)
{
    // The list is meant never to be empty here, but a custom or not-yet-loaded list must
    // not bring the break screen down with a division by zero.
    if (messages.isEmpty())
        return QString::fromLatin1(kFallbackMessage);
    const qint64 ordinal = today.isValid() ? today.toJulianDay() - kJulianDayBeforeFirstDay : 0;
    // Days before AD 1 have negative ordinals; keep the remainder inside the list.
    const qint64 count = messages.size();
    return messages.at(((ordinal % count) + count) % count);
}
