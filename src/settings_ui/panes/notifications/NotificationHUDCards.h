#pragma once

class AppSettings;
class QWidget;

// The Notifications pane's cards about the floating notice itself: its size ("Notification
// Style", one radio row per size), what it shows and where ("Behavior"), and how long it stays
// ("HUD Visibility", whose duration picker dims and rests while auto-dismiss is off). Each
// control writes its setting through the settings model and follows it.
class NotificationHUDCards
{
public:
    // Opacity of the duration row while auto-dismiss is off.
    static constexpr double restingOpacity = 0.45;

    static QWidget *styleCard(AppSettings &settings);
    static QWidget *behaviorCard(AppSettings &settings);
    static QWidget *visibilityCard(AppSettings &settings);
};
