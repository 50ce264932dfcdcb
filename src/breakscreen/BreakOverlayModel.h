#pragma once

#include "breakscreen/BreakOverlayHint.h"
#include "breakscreen/BreakOverlayMode.h"
#include "breakscreen/EscapePressWindow.h"
#include "core/Cancellable.h"
#include "scheduling/BreakDismissalOutcome.h"

#include <QObject>
#include <QString>

#include <functional>

class AppSettings;
class BreakScreenConfig;
class Clock;

// The break overlay without its drawing: the break's length and message, the countdown, when
// the message fades and the controls appear, the Escape rule, and the one outcome each way
// out of the break reports to the host. It never ends the break itself: the host takes the
// panel down and tells the break timer.
//
// What the view does with it:
// - call appear() once it is on screen and disappear() when it is taken down;
// - hand every Escape key press to handleEscape(), auto-repeats included, and drop the key
//   when it answers true (it does for as long as the overlay is up); other keys pass on;
// - draw from the properties (each change signal fires only on a real change) and from
//   config() for the countdown style, the background and the clock setting;
// - call skip(), snooze(), snoozeWith(), endBreak() and resume() from the controls.
// The fixed labels are in BreakOverlayTexts.h, the snooze menu in SnoozeOption.h.
//
// The outcome receiver may be called more than once for one break (two quick clicks, the
// countdown running out after a click): the host keeps the first report. It may also
// destroy the model; nothing of the model is touched after the call.
class BreakOverlayModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint64 breakDuration READ breakDuration CONSTANT)
    Q_PROPERTY(bool isLongBreak READ isLongBreak CONSTANT)
    Q_PROPERTY(bool isPreview READ isPreview CONSTANT)
    Q_PROPERTY(QString fixedMessage READ fixedMessage CONSTANT)
    Q_PROPERTY(qint64 countdown READ countdown NOTIFY countdownChanged)
    Q_PROPERTY(bool showTextContent READ showTextContent NOTIFY showTextContentChanged)
    Q_PROPERTY(bool showButtons READ showButtons NOTIFY showButtonsChanged)
    Q_PROPERTY(bool breakCompleteWaiting READ breakCompleteWaiting
                   NOTIFY breakCompleteWaitingChanged)
    Q_PROPERTY(qint64 elapsedSeconds READ elapsedSeconds NOTIFY elapsedSecondsChanged)
    Q_PROPERTY(double progressFraction READ progressFraction NOTIFY progressFractionChanged)
    Q_PROPERTY(bool inFinalFifth READ inFinalFifth NOTIFY inFinalFifthChanged)
    Q_PROPERTY(bool clockVisible READ clockVisible NOTIFY clockVisibleChanged)
    Q_PROPERTY(bool actionRowVisible READ actionRowVisible NOTIFY actionRowVisibleChanged)
    Q_PROPERTY(bool skipVisible READ skipVisible NOTIFY skipVisibleChanged)
    Q_PROPERTY(bool snoozeVisible READ snoozeVisible NOTIFY snoozeVisibleChanged)
    Q_PROPERTY(bool endBreakVisible READ endBreakVisible NOTIFY endBreakVisibleChanged)
    Q_PROPERTY(BreakOverlayHint hint READ hint NOTIFY hintChanged)

public:
    using OutcomeReceiver = std::function<void(const BreakDismissalOutcome &)>;

    static constexpr double messageFadeSeconds = 2.5;
    static constexpr double buttonsDelaySeconds = 5.0;

    // Fixes the length and the message. A live overlay takes the planned break's length and
    // name when the break timer left them (the name is used up); a preview lasts at least a
    // second. Settings are read live from `settings` for everything else.
    BreakOverlayModel(BreakScreenConfig &config, bool isLongBreak, BreakOverlayMode mode,
                      OutcomeReceiver onDismissBreak, AppSettings &settings, Clock &clock,
                      QObject *parent = nullptr);

    // Starts the countdown, and in a live break the message fade and the controls' delay.
    void appear();
    // Stops every timer; later Escape presses are no longer the overlay's.
    void disappear();
    // One Escape key press; true when the overlay took the key.
    bool handleEscape();

    void skip();
    void snooze();
    void snoozeWith(int snoozeValue);
    void endBreak();
    // The Resume button of a long break that waits for confirmation.
    void resume();

    BreakScreenConfig &config() const { return m_config; }
    qint64 breakDuration() const { return m_breakDuration; }
    bool isLongBreak() const { return m_isLongBreak; }
    bool isPreview() const { return m_mode.isPreview(); }
    QString fixedMessage() const { return m_fixedMessage; }
    qint64 countdown() const { return m_countdown; }
    bool showTextContent() const { return m_showTextContent; }
    bool showButtons() const { return m_showButtons; }
    bool breakCompleteWaiting() const { return m_breakCompleteWaiting; }

    qint64 elapsedSeconds() const;
    double progressFraction() const;
    bool inFinalFifth() const;
    bool clockVisible() const;
    // The action row and the hint under it.
    bool actionRowVisible() const;
    bool skipVisible() const;
    bool snoozeVisible() const;
    bool endBreakVisible() const;
    BreakOverlayHint hint() const;

signals:
    void countdownChanged(qint64 countdown);
    void showTextContentChanged(bool showTextContent);
    void showButtonsChanged(bool showButtons);
    void breakCompleteWaitingChanged(bool breakCompleteWaiting);
    void elapsedSecondsChanged(qint64 elapsedSeconds);
    void progressFractionChanged(double progressFraction);
    void inFinalFifthChanged(bool inFinalFifth);
    void clockVisibleChanged(bool clockVisible);
    void actionRowVisibleChanged(bool actionRowVisible);
    void skipVisibleChanged(bool skipVisible);
    void snoozeVisibleChanged(bool snoozeVisible);
    void endBreakVisibleChanged(bool endBreakVisible);
    void hintChanged(BreakOverlayHint hint);

private:
    struct Derived
    {
        qint64 elapsedSeconds = 0;
        double progressFraction = 0.0;
        bool inFinalFifth = false;
        bool clockVisible = false;
        bool actionRowVisible = false;
        bool skipVisible = false;
        bool snoozeVisible = false;
        bool endBreakVisible = false;
        BreakOverlayHint hint = BreakOverlayHint::none;
    };

    qint64 chooseDuration() const;
    QString chooseMessage();
    void watchInputs();
    void startCountdown();
    void countdownTick();
    qint64 secondsLeft() const;
    void countdownFinished();
    void reportDoubleEscape();
    bool escapeCountsAsSkip() const;
    void reportOutcome(const BreakDismissalOutcome &outcome, const QString &action);

    template <typename Signal>
    void setState(bool &field, bool value, Signal changed);
    void setCountdown(qint64 value);
    Derived derived() const;
    void refreshDerived();

    BreakScreenConfig &m_config;
    const bool m_isLongBreak;
    const BreakOverlayMode m_mode;
    const OutcomeReceiver m_onDismissBreak;
    AppSettings &m_settings;
    Clock &m_clock;

    qint64 m_breakDuration = 0;
    QString m_fixedMessage;
    qint64 m_countdown = 0;
    bool m_showTextContent = true;
    bool m_showButtons = false;
    bool m_breakCompleteWaiting = false;
    bool m_appeared = false;
    Derived m_lastDerived;

    qint64 m_countdownEndMs = 0; // on the clock's monotonic reading
    CancellableHandle m_countdownTimer;
    CancellableHandle m_messageFadeTimer;
    CancellableHandle m_buttonsTimer;
    EscapePressWindow m_escapePresses;
};
