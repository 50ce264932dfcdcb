#pragma once

#include "breakscreen/BreakMessageFit.h"
#include "breakscreen/BreakOverlayLayout.h"
#include "breakscreen/BreakOverlayModel.h"
#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/BreakOverlayServices.h"
#include "breakscreen/FloatingParticles.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class BreakActionRow;
class BreakBackgroundPainter;
class BreakCompletePanel;
class BreakCountdownView;
class BreakOverlayText;
class EscapeKeyCapture;
class OverlayTransition;
class QScreen;

// The break screen's interactive content on the screen that carries the break's controls:
// the backdrop with its drifting leaves, and in a centred column the message, the clock,
// the countdown (or "Break complete" with Resume), the row of ways out and the hint. What
// shows when and what each control reports is the model's (model()); this widget draws it
// and eases each part in and out.
//
// It fills its parent and sets no window flags: the host puts it in a panel, shows it, and
// hides it when the break ends. While shown, every Escape key press in the application is
// the overlay's and goes no further: it closes the snooze menu when that is open, and
// otherwise counts for the break's Escape rule. Tab and Shift+Tab go through the controls
// that show; the keyboard goes to Resume when "Break complete" comes. Screen readers read
// the texts that show as labels, top to bottom, and the overlay itself as the message with the
// time left (BreakOverlayAccessible). The outcome receiver is called from inside a click or
// key handler: the host must not delete the overlay there (deleteLater is fine).
//
// Repaints stay small: the leaves repaint where they were and are, about 25 times a second;
// the countdown repaints its own rectangle once a second; everything else only on change.
class BreakOverlayView : public QWidget
{
    Q_OBJECT

public:
    using OutcomeReceiver = BreakOverlayModel::OutcomeReceiver;

    // On the application's shared settings, theme and clock; the blur backdrop shows
    // `screen` (the primary screen when null) as it is now, so build the overlay before
    // its panel covers the screen.
    BreakOverlayView(BreakScreenConfig &config, bool isLongBreak, BreakOverlayMode mode,
                     OutcomeReceiver onDismissBreak, QScreen *screen = nullptr,
                     QWidget *parent = nullptr);
    BreakOverlayView(BreakScreenConfig &config, bool isLongBreak, BreakOverlayMode mode,
                     OutcomeReceiver onDismissBreak, const BreakOverlayServices &services,
                     QWidget *parent = nullptr);
    ~BreakOverlayView() override;

    BreakOverlayModel &model() const { return *m_model; }
    BreakOverlayPalette overlayPalette() const;

    BreakOverlayText *messageText() const { return m_message; }
    BreakOverlayText *clockText() const { return m_clockLine; }
    BreakCountdownView *countdownView() const { return m_countdown; }
    BreakCompletePanel *completePanel() const { return m_completePanel; }
    BreakActionRow *actionRow() const { return m_actionRow; }
    BreakOverlayText *hintText() const { return m_hint; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void followParent();
    void buildSections();
    void watchModel();
    void watchControls();
    void watchLook();
    void rebuildBackground();
    void applyLook();
    void applyHintStyle();
    void applyOpacities();
    void relayout();
    bool closeSnoozeMenu();
    void fitMessage(BreakOverlayLayout::Parts others);
    void refreshCountdown();
    void refreshClock();
    void advanceLeaves();
    double leafSeconds() const;
    ColorScheme scheme() const;

    BreakScreenConfig &m_config;
    AppSettings &m_settings;
    Clock &m_clock;
    ThemeManager &m_theme;
    QPointer<QWidget> m_followed;
    QImage m_screenGrab;
    BreakOverlayModel *m_model;
    EscapeKeyCapture *m_escapeKeys;
    std::unique_ptr<BreakBackgroundPainter> m_background;
    FloatingParticles m_leaves;
    qint64 m_leavesStartMs = 0;
    QTimer m_leafTimer;

    BreakOverlayText *m_message = nullptr;
    BreakMessageFit m_messageFit;
    BreakOverlayText *m_clockLine = nullptr;
    BreakCountdownView *m_countdown = nullptr;
    BreakCompletePanel *m_completePanel = nullptr;
    BreakActionRow *m_actionRow = nullptr;
    BreakOverlayText *m_hint = nullptr;

    OverlayTransition *m_messageShown = nullptr;
    OverlayTransition *m_clockShown = nullptr;
    OverlayTransition *m_completeShown = nullptr;
    OverlayTransition *m_actionsShown = nullptr;
};
