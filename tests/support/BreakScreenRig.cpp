#include "support/BreakScreenRig.h"

#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakSecondaryView.h"
#include "breakscreen/BreakWindowManager.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>

namespace {

QString describe(const BreakDismissalOutcome &outcome)
{
    return std::visit(
        [](const auto &value) -> QString {
            using Kind = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Kind, BreakDismissalOutcome::Completed>)
                return QStringLiteral("completed");
            else if constexpr (std::is_same_v<Kind, BreakDismissalOutcome::Snoozed>)
                return QStringLiteral("snoozed");
            else if constexpr (std::is_same_v<Kind, BreakDismissalOutcome::Skipped>)
                return QStringLiteral("skipped");
            else
                return QStringLiteral("interrupted");
        },
        outcome.value);
}

BreakScreenServices rigServices(BreakScreenRig &rig)
{
    BreakPanelContent content;
    content.overlay = [&rig](BreakScreenConfig &config, bool isLong, BreakOverlayMode mode,
                             BreakPanelContent::OutcomeReceiver onDismiss, QScreen *) {
        auto *view = new RecordingOverlayView(isLong, mode, std::move(onDismiss));
        view->config = &config;
        rig.overlays.append(view);
        return view;
    };
    content.secondary = [](BreakScreenConfig &config, QScreen *screen) {
        return new BreakSecondaryView(config, ColorScheme::dark, screen);
    };
    return {
        .clock = rig.clock,
        .notifier = rig.notifier,
        .sessionEvents = rig.session,
        .displayState = rig.display,
        .stacking = rig.stacking,
        .content = content,
        .screens = [&rig] { return QList<QScreen *>(rig.screenCount, QGuiApplication::primaryScreen()); },
        .screenUnderPointer = [] { return QGuiApplication::primaryScreen(); },
        .loadConfig =
            [] {
                auto config = std::make_unique<BreakScreenConfig>();
                config->setBackground(BreakBG::dark); // the blur would read the screen
                return config;
            },
        .enforcement = [&rig] { return rig.enforcement; },
        .isScreenLocked = [&rig] { return rig.screenLocked; },
        .clearNotices = [&rig] { rig.timeline.append(QStringLiteral("clearNotices")); },
        .playBreakSound = [&rig] { rig.timeline.append(QStringLiteral("sound")); },
        .handleBreakDismissal =
            [&rig](const BreakDismissalOutcome &outcome) {
                rig.timeline.append(QStringLiteral("outcome ") + describe(outcome));
                rig.atOutcome = rig.snapshot();
            },
    };
}

} // namespace

RecordingOverlayView::RecordingOverlayView(bool isLongBreak, BreakOverlayMode mode,
                                           BreakPanelContent::OutcomeReceiver onDismissBreak)
    : isLongBreak(isLongBreak)
    , mode(mode)
    , m_onDismissBreak(std::move(onDismissBreak))
{
}

BreakScreenRig::BreakScreenRig()
    : windows(activation, appState, rigServices(*this))
{
    WindowManager::setShared(&windows);
    QObject::connect(&notifier, &AppNotifier::breakWillShow,
                     [this] { timeline.append(QStringLiteral("breakWillShow")); });
    QObject::connect(&notifier, &AppNotifier::breakDidHide,
                     [this] { timeline.append(QStringLiteral("breakDidHide")); });
    QObject::connect(&appState, &AppStateStore::currentChanged, [this](AppState state) {
        timeline.append(QStringLiteral("state ") + appStateRawValue(state));
    });
    BreakWindowManager::setScheduledBreakName(std::nullopt);
    BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt);
}

BreakScreenRig::~BreakScreenRig()
{
    WindowManager::setShared(nullptr);
    BreakWindowManager::setScheduledBreakName(std::nullopt);
    BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt);
    flushDeletions();
}

bool BreakScreenRig::presentBreak(bool isLong)
{
    return BreakWindowManager::presentBreak(isLong);
}

BreakScreenRig::AtOutcome BreakScreenRig::snapshot()
{
    AtOutcome now;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<const BreakPanel *>(widget) && widget->isVisible())
            ++now.visiblePanels;
    }
    now.inBreakMode = activation.isInBreakMode();
    now.dismissing = windows.breakController().isDismissing();
    now.scheduledDuration = BreakWindowManager::scheduledBreakDurationSeconds();
    return now;
}

RecordingOverlayView *BreakScreenRig::overlay() const
{
    return overlays.isEmpty() ? nullptr : overlays.constLast().data();
}

void BreakScreenRig::finishFadeOut()
{
    // The fake clock's timers fire on whole milliseconds: each step takes a little longer.
    clock.advance(BreakWindowController::fadeOutSteps * 0.017);
}

void BreakScreenRig::flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
