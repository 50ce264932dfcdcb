#include "breakscreen/BreakOverlayView.h"

#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakCompletePanel.h"
#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/BreakOverlayAccessible.h"
#include "breakscreen/BreakOverlayLayout.h"
#include "breakscreen/BreakOverlayStyles.h"
#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/BreakOverlayTexts.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/EscapeKeyCapture.h"
#include "breakscreen/OverlayTransition.h"
#include "breakscreen/SnoozeButton.h"
#include "core/Clock.h"
#include "core/ThemeManager.h"

#include <QPainter>
#include <QShowEvent>

#include <algorithm>

namespace {

// Eases of the parts coming and going: the message fades slowly, the controls quicker,
// "Break complete" quickest.
constexpr int messageFadeMs = 800;
constexpr int controlsFadeMs = 400;
constexpr int completeFadeMs = 300;

} // namespace

BreakOverlayView::BreakOverlayView(BreakScreenConfig &config, bool isLongBreak,
                                   BreakOverlayMode mode, OutcomeReceiver onDismissBreak,
                                   QScreen *screen, QWidget *parent)
    : BreakOverlayView(config, isLongBreak, mode, std::move(onDismissBreak),
                       BreakOverlayServices::shared(screen), parent)
{
}

BreakOverlayView::BreakOverlayView(BreakScreenConfig &config, bool isLongBreak,
                                   BreakOverlayMode mode, OutcomeReceiver onDismissBreak,
                                   const BreakOverlayServices &services, QWidget *parent)
    : QWidget(parent)
    , m_config(config)
    , m_settings(services.settings)
    , m_clock(services.clock)
    , m_theme(services.theme)
    , m_model(new BreakOverlayModel(config, isLongBreak, mode, std::move(onDismissBreak),
                                    services.settings, services.clock, this))
    , m_escapeKeys(new EscapeKeyCapture(
          [this] { return closeSnoozeMenu() || m_model->handleEscape(); }, this))
    , m_leaves(services.leafRandom)
    , m_leavesStartMs(services.clock.monotonicMs())
{
    BreakOverlayAccessible::install();
    // The screen is read once, before the panel covers it; a later switch to the blur
    // backdrop falls back to its translucent fill.
    if (config.background() == BreakBG::blur && services.grabScreen)
        m_screenGrab = services.grabScreen();
    // The panel gives the overlay the keyboard; Tab goes on to the controls and cycles
    // through them alone, never back to the backdrop.
    setFocusPolicy(Qt::NoFocus);
    m_leafTimer.setInterval(FloatingParticles::frameIntervalMs);
    connect(&m_leafTimer, &QTimer::timeout, this, &BreakOverlayView::advanceLeaves);
    rebuildBackground();
    buildSections();
    watchModel();
    watchControls();
    watchLook();
    applyLook();
    followParent();
}

BreakOverlayView::~BreakOverlayView() = default;

void BreakOverlayView::buildSections()
{
    const BreakOverlayPalette palette = overlayPalette();
    m_message = new BreakOverlayText(this);
    m_message->setText(m_model->fixedMessage());
    m_clockLine = new BreakOverlayText(this);
    m_countdown = new BreakCountdownView(m_config.countdownStyle(), palette, this);
    m_completePanel = new BreakCompletePanel(palette, this);
    m_actionRow = new BreakActionRow(palette.tint(), this);
    m_hint = new BreakOverlayText(this);
    m_actionRow->setSkipVisible(m_model->skipVisible());
    m_actionRow->setSnoozeVisible(m_model->snoozeVisible());
    m_actionRow->setEndBreakVisible(m_model->endBreakVisible());
    // The row sits above the texts, so the snooze menu covers what it rises over. The hint
    // goes above the row (it lies below the pills, clear of the menu) so that screen readers,
    // which read the parts in this order, read it last, as it is seen.
    m_actionRow->raise();
    m_hint->raise();

    const auto ease = QEasingCurve::InOutQuad;
    m_messageShown = new OverlayTransition(messageFadeMs, ease, m_model->showTextContent(), this);
    m_clockShown = new OverlayTransition(controlsFadeMs, ease, m_model->clockVisible(), this);
    m_completeShown =
        new OverlayTransition(completeFadeMs, ease, m_model->breakCompleteWaiting(), this);
    m_actionsShown = new OverlayTransition(controlsFadeMs, ease, m_model->actionRowVisible(), this);
    for (OverlayTransition *transition :
         {m_messageShown, m_clockShown, m_completeShown, m_actionsShown})
        connect(transition, &OverlayTransition::valueChanged, this, [this] {
            applyOpacities();
            relayout();
        });
    refreshCountdown();
}

void BreakOverlayView::watchModel()
{
    BreakOverlayModel *model = m_model;
    connect(model, &BreakOverlayModel::countdownChanged, this, &BreakOverlayView::refreshCountdown);
    connect(model, &BreakOverlayModel::progressFractionChanged, this,
            &BreakOverlayView::refreshCountdown);
    connect(model, &BreakOverlayModel::showTextContentChanged, m_messageShown,
            qOverload<bool>(&OverlayTransition::setShown));
    connect(model, &BreakOverlayModel::breakCompleteWaitingChanged, m_completeShown,
            qOverload<bool>(&OverlayTransition::setShown));
    // The clock and the row leave with "Break complete" as it arrives, at its pace.
    const auto controlsPace = [this] {
        return m_model->breakCompleteWaiting() ? completeFadeMs : controlsFadeMs;
    };
    connect(model, &BreakOverlayModel::clockVisibleChanged, this, [this, controlsPace](bool shown) {
        m_clockShown->setShown(shown, controlsPace(), QEasingCurve::InOutQuad);
    });
    connect(model, &BreakOverlayModel::actionRowVisibleChanged, this,
            [this, controlsPace](bool shown) {
                m_actionsShown->setShown(shown, controlsPace(), QEasingCurve::InOutQuad);
            });
    connect(model, &BreakOverlayModel::skipVisibleChanged, m_actionRow,
            &BreakActionRow::setSkipVisible);
    connect(model, &BreakOverlayModel::snoozeVisibleChanged, m_actionRow,
            &BreakActionRow::setSnoozeVisible);
    connect(model, &BreakOverlayModel::endBreakVisibleChanged, m_actionRow,
            &BreakActionRow::setEndBreakVisible);
    connect(model, &BreakOverlayModel::hintChanged, this, [this] {
        applyHintStyle();
        relayout();
    });
}

void BreakOverlayView::watchControls()
{
    BreakOverlayModel *model = m_model;
    connect(m_actionRow->skipButton(), &BreakActionButton::clicked, model,
            &BreakOverlayModel::skip);
    connect(m_actionRow->endBreakButton(), &BreakActionButton::clicked, model,
            &BreakOverlayModel::endBreak);
    connect(m_actionRow->snoozeButton(), &SnoozeButton::snoozeClicked, model,
            &BreakOverlayModel::snooze);
    connect(m_actionRow->snoozeButton(), &SnoozeButton::snoozeChosen, model,
            &BreakOverlayModel::snoozeWith);
    connect(m_completePanel, &BreakCompletePanel::resumeClicked, model,
            &BreakOverlayModel::resume);
}

void BreakOverlayView::watchLook()
{
    connect(&m_config, &BreakScreenConfig::backgroundChanged, this, [this] {
        rebuildBackground();
        applyLook();
    });
    connect(&m_config, &BreakScreenConfig::countdownStyleChanged, this,
            [this](BreakCountdown style) {
                m_countdown->setCountdownStyle(style);
                applyOpacities();
                relayout();
            });
    connect(&m_theme, &ThemeManager::appThemeChanged, this, [this] {
        if (m_config.background() == BreakBG::blur)
            rebuildBackground();
        applyLook();
    });
}

ColorScheme BreakOverlayView::scheme() const
{
    return m_theme.isDark() ? ColorScheme::dark : ColorScheme::light;
}

BreakOverlayPalette BreakOverlayView::overlayPalette() const
{
    return BreakOverlayPalette(m_config.background(), scheme());
}

void BreakOverlayView::rebuildBackground()
{
    m_background = BreakBackgrounds::forOverlay(m_config.background(), scheme(), m_screenGrab);
    // An opaque backdrop covers everything beneath it: Qt need not paint the parent first.
    setAttribute(Qt::WA_OpaquePaintEvent, m_background->isOpaque());
    update();
}

void BreakOverlayView::applyLook()
{
    const BreakOverlayPalette palette = overlayPalette();
    m_clockLine->setTextStyle(BreakOverlayStyles::clockLine(palette));
    m_countdown->setPalette(palette);
    m_completePanel->setPalette(palette);
    const bool darkBackdrop = m_config.background() != BreakBG::blur || scheme() == ColorScheme::dark;
    m_actionRow->setColours(palette.tint(), BreakOverlayStyles::menuMaterial(darkBackdrop));
    m_actionRow->setFocusRingColour(BreakFocusRing::colour(darkBackdrop));
    m_completePanel->setFocusRingColour(BreakFocusRing::colour(darkBackdrop));
    applyHintStyle();
    refreshClock();
    applyOpacities();
    relayout();
}

void BreakOverlayView::applyHintStyle()
{
    const BreakOverlayHint hint = m_model->hint();
    m_hint->setTextStyle(BreakOverlayStyles::hint(overlayPalette(), hint));
    m_hint->setText(breakOverlayHintText(hint));
}

// Parts fully gone are hidden as well, so they neither paint nor take clicks.
void BreakOverlayView::applyOpacities()
{
    const qreal message = m_messageShown->value();
    const qreal clock = m_clockShown->value();
    const qreal complete = m_completeShown->value();
    const qreal actions = m_actionsShown->value();
    m_message->setOpacity(message);
    m_message->setVisible(message > 0);
    m_clockLine->setOpacity(clock);
    m_clockLine->setVisible(clock > 0);
    m_countdown->setOpacity(1 - complete);
    m_countdown->setVisible(complete < 1 && m_config.countdownStyle() != BreakCountdown::hidden);
    m_completePanel->setOpacity(complete);
    m_completePanel->setVisible(complete > 0);
    m_actionRow->setOpacity(actions);
    m_actionRow->setVisible(actions > 0);
    m_hint->setOpacity(actions);
    m_hint->setVisible(actions > 0 && !m_hint->text().isEmpty());
}

void BreakOverlayView::relayout()
{
    BreakOverlayLayout::Parts parts;
    parts.clock = m_clockLine->textSize();
    parts.countdown = m_countdown->contentSize();
    parts.completePanel = m_completePanel->sizeHint();
    parts.actionRowHeight = m_actionRow->controlsHeight();
    parts.hint = m_hint->text().isEmpty() ? QSize() : m_hint->textSize();
    fitMessage(parts);
    parts.message = m_message->textSize();
    parts.messageShown = m_messageShown->value();
    parts.clockShown = m_clockShown->value();
    parts.completeShown = m_completeShown->value();
    parts.actionsShown = m_actionsShown->value();
    const BreakOverlayLayout::Placement place = BreakOverlayLayout::place(rect(), parts);
    m_message->setTextGeometry(place.message);
    m_clockLine->setTextGeometry(place.clock);
    m_countdown->setContentGeometry(place.countdown);
    m_completePanel->setGeometry(place.completePanel);
    m_actionRow->setControlsGeometry(place.actionRow);
    m_hint->setTextGeometry(place.hint);
}

// Escape with the snooze menu open only closes the menu: it is no press of the break's
// Escape rule, neither counted nor logged.
bool BreakOverlayView::closeSnoozeMenu()
{
    SnoozeButton *snooze = m_actionRow->snoozeButton();
    if (!snooze->showOptions())
        return false;
    snooze->closeOptions();
    return true;
}

// The message takes what room the other parts leave at their fullest, counting only those
// that can come in this break.
void BreakOverlayView::fitMessage(BreakOverlayLayout::Parts others)
{
    if (!m_config.clockVisible())
        others.clock = QSize();
    if (!m_model->isLongBreak())
        others.completePanel = QSize();
    const BreakTextStyle designed = BreakOverlayStyles::message(
        overlayPalette(), BreakOverlayLayout::messageWrapWidth(width()));
    const BreakMessageFit::Fitted &fitted = m_messageFit.fit(
        m_model->fixedMessage(), designed, BreakOverlayLayout::messageRoom(rect(), others));
    m_message->setTextStyle(fitted.style);
    m_message->setText(fitted.text);
    // A message cut to fit the screen is still read whole.
    m_message->setSpokenText(m_model->fixedMessage());
}

void BreakOverlayView::refreshCountdown()
{
    m_countdown->setCountdown(m_model->countdown(), m_model->progressFraction());
    refreshClock();
}

// The time of day is read with each countdown step; its text, and so its repaint, changes
// once a minute.
void BreakOverlayView::refreshClock()
{
    m_clockLine->setText(BreakOverlayTexts::currentTimePrefix
                         + m_clock.now().toString(QStringLiteral("h:mm AP")));
}

// On the monotonic reading: the leaves neither freeze nor leap when the time of day is set.
double BreakOverlayView::leafSeconds() const
{
    return std::max<qint64>(m_clock.monotonicMs() - m_leavesStartMs, 0) / 1000.0;
}

void BreakOverlayView::advanceLeaves()
{
    const QRegion moved = m_leaves.advanceTo(leafSeconds());
    if (!moved.isEmpty())
        update(moved);
}

// The host may put the overlay into its panel after building it: whatever its parent,
// the overlay covers it.
void BreakOverlayView::followParent()
{
    if (m_followed)
        m_followed->removeEventFilter(this);
    m_followed = parentWidget();
    if (!m_followed)
        return;
    m_followed->installEventFilter(this);
    setGeometry(m_followed->rect());
}

bool BreakOverlayView::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        followParent();
    return QWidget::event(event);
}

bool BreakOverlayView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void BreakOverlayView::showEvent(QShowEvent *event)
{
    m_leafTimer.start();
    if (!event->spontaneous()) {
        m_model->appear();
        m_escapeKeys->setOn(true);
    }
    refreshClock();
}

// A window minimised by the desktop hides spontaneously: the break goes on, only the
// drawing stops.
void BreakOverlayView::hideEvent(QHideEvent *event)
{
    m_leafTimer.stop();
    if (event->spontaneous())
        return;
    m_escapeKeys->setOn(false);
    m_model->disappear();
}

void BreakOverlayView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background->paint(painter, rect());
    m_leaves.paint(painter);
}

void BreakOverlayView::resizeEvent(QResizeEvent *)
{
    m_leaves.setLayerRect(rect());
    m_leaves.advanceTo(leafSeconds());
    relayout();
}
