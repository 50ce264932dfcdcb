#include "menubar/MenuBarController.h"

#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/InfoDictionary.h"
#include "core/Logger.h"
#include "core/SessionEvents.h"
#include "core/SettingsRepository.h"
#include "menubar/LiveMenuBarStatusHeader.h"
#include "menubar/MeetingPauseStatus.h"
#include "scheduling/BreakScheduler.h"

#include <QMenu>

namespace {

const QString category = QStringLiteral("MenuBar");
const QString onboardingKey = QStringLiteral("hasCompletedOnboarding");

} // namespace

MenuBarController::MenuBarController(MenuBarServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
}

void MenuBarController::installStatusItem()
{
    if (m_installed)
        return;
    m_installed = true;
    if (m_services.defaults.boolean(onboardingKey)) {
        ensureStatusItem();
        refreshStatusItem();
    }
    // Whole seconds on the system clock: the refresh wakes the process together with the
    // break timer's tick rather than on a phase of its own.
    m_updateTimer = m_services.clock.schedule(refreshIntervalSeconds, true,
                                              [this] { refreshStatusItem(); });
    registerObservers();
}

void MenuBarController::registerObservers()
{
    AppNotifier &notifier = m_services.notifier;
    connect(&notifier, &AppNotifier::onboardingDidComplete, this,
            &MenuBarController::handleOnboardingDidComplete);
    connect(&notifier, &AppNotifier::breakWillShow, this, &MenuBarController::handleBreakWillShow);
    connect(&notifier, &AppNotifier::breakDidHide, this, &MenuBarController::handleBreakDidHide);
    connect(&notifier, &AppNotifier::showMenuBarHandoff, this,
            &MenuBarController::handleShowMenuBarHandoff);
    // Queued, so the break timer has handled the wake before a timed pause lets it go.
    connect(&m_services.sessionEvents, &SessionEvents::systemDidWake, this,
            &MenuBarController::refreshStatusItem, Qt::QueuedConnection);
}

void MenuBarController::ensureStatusItem()
{
    if (m_statusItem)
        return;
    m_contextMenu = std::make_unique<QMenu>();
    connect(m_contextMenu.get(), &QMenu::aboutToShow, this, &MenuBarController::rebuildContextMenu);
    connect(m_contextMenu.get(), &QMenu::aboutToHide, this, [this] {
        if (m_contextHeader)
            m_contextHeader->stop();
    });
    m_statusItem = m_services.makeStatusItem();
    m_statusItem->setContextMenu(m_contextMenu.get());
    connect(m_statusItem.get(), &StatusItem::activated, this, [this] { showMenu(); });
    if (!m_statusItem->isHostAvailable())
        logWarn(category, formatLogEvent(QStringLiteral("status_item_without_tray"),
                                         {{QStringLiteral("fallback"),
                                           QStringLiteral("reopen shows settings")}}));
    showPresentation(statusPresentation(m_services.clock.now()));
    m_statusItem->setVisible(true);
}

void MenuBarController::handleOnboardingDidComplete()
{
    ensureStatusItem();
    refreshStatusItem();
}

void MenuBarController::handleBreakWillShow()
{
    if (m_statusItem)
        m_statusItem->setVisible(false);
}

void MenuBarController::handleBreakDidHide()
{
    if (!m_statusItem)
        return;
    refreshStatusItem();
    m_statusItem->setVisible(true);
}

void MenuBarController::handleShowMenuBarHandoff()
{
    ensureStatusItem();
    m_statusItem->setVisible(true);
    refreshStatusItem();
    showMenu(MenuBarNotice::onboarding);
}

void MenuBarController::refreshStatusItem()
{
    const QDateTime now = m_services.clock.now();
    resumeIfTimedPauseEnded();
    if (!m_statusItem)
        return;
    clearStaleScheduledResume();
    showPresentation(statusPresentation(now));
}

// The icon is drawn and handed to the tray host only when its picture changes, and the tool
// tip only when its text does: a rounded countdown changes the icon once a minute.
void MenuBarController::showPresentation(const MenuBarStatusPresentation &presentation)
{
    const StatusIconPicture picture = StatusIconPicture::of(presentation);
    if (picture != m_shownPicture) {
        m_statusItem->setIcon(m_iconRenderer.icon(picture));
        m_shownPicture = picture;
    }
    if (presentation.toolTip != m_shownToolTip) {
        m_statusItem->setToolTip(presentation.toolTip);
        m_shownToolTip = presentation.toolTip;
    }
}

MenuBarStatusPresentation MenuBarController::statusPresentation(const QDateTime &at)
{
    return MenuBarStatusPresentation::make(statusContext(at), at);
}

MenuBarStatusContext MenuBarController::statusContext(const QDateTime &at)
{
    const BreakScheduler &scheduler = m_services.scheduler;
    const MeetingPauseStatus &meetings = m_services.meetings;
    AppSettings &settings = m_services.settings;
    const bool onboarded = m_services.defaults.boolean(onboardingKey);
    MenuBarStatusContext context;
    context.hasCompletedOnboarding = onboarded;
    context.isBreakInProgress = m_services.isBreakShowing();
    context.isRunning = scheduler.isRunning();
    context.isPaused = scheduler.isPaused();
    context.pauseReason = scheduler.currentPauseReason();
    context.isMeeting = onboarded && meetings.isMeetingActive()
        && !meetings.breaksOverriddenForCurrentMeeting();
    context.meetingPausesBreaks = onboarded && meetings.breaksPausedByMeeting();
    context.meetingDetector = meetings.activeDetectorType();
    context.isIdle = scheduler.isSystemIdle();
    context.isWaitingForNaturalPause = scheduler.isDelayingBreak();
    context.isWithinOfficeHours = settings.isWithinOfficeHours(at);
    context.timeRemaining = scheduler.timeRemaining();
    context.scheduledResumeDate = scheduledResumeDateAt(at);
    if (!context.isWithinOfficeHours)
        context.nextOfficeHoursStart = settings.nextOfficeHoursStart(at);
    context.showTimer = settings.menuBarShowTimer();
    context.timerStyle = settings.menuBarTimerStyle();
    context.hideMeetingStatus = settings.meetingHideMenuBar();
    return context;
}

void MenuBarController::showMenu(std::optional<MenuBarNotice> notice)
{
    if (!m_statusItem)
        return;
    // Every opening builds a new menu; the last one goes now, with its header.
    m_openMenu = std::make_unique<QMenu>();
    LiveMenuBarStatusHeader *header = buildMenu(*m_openMenu, true, notice);
    connect(m_openMenu.get(), &QMenu::aboutToHide, header, &LiveMenuBarStatusHeader::stop);
    header->start();
    m_statusItem->popUpMenu(m_openMenu.get(), notice ? StatusItem::MenuPlacement::nearItem
                                                     : StatusItem::MenuPlacement::atPointer);
}

void MenuBarController::rebuildContextMenu()
{
    delete m_contextHeader.data();
    m_contextHeader = buildMenu(*m_contextMenu, m_statusItem->contextMenuShowsWidgets(), std::nullopt);
    m_contextHeader->start();
}

LiveMenuBarStatusHeader *MenuBarController::buildMenu(QMenu &menu, bool widgets,
                                                      std::optional<MenuBarNotice> notice)
{
    const MenuBarStatusPresentation presentation = statusPresentation(m_services.clock.now());
    // The header lives in the menu, and the menu no longer than this controller.
    auto *header = new LiveMenuBarStatusHeader(
        [this](const QDateTime &at) { return statusPresentation(at); }, m_services.clock, &menu);
    MenuBarMenuBuilder::build(menu, menuState(presentation), widgets, notice, *header,
                              menuHandlers());
    return header;
}

MenuBarMenuState MenuBarController::menuState(const MenuBarStatusPresentation &presentation)
{
    const BreakScheduler &scheduler = m_services.scheduler;
    return {
        .presentation = presentation,
        .breakOnScreen = m_services.isBreakShowing(),
        .pausedManually = scheduler.pauseReasons().contains(PauseReason::manual),
        .breaksHeldByMeetingOrMedia = m_services.meetings.breaksPausedByMeeting()
            || m_services.meetings.breaksPausedByMedia(),
        .timerRunning = scheduler.isRunning(),
        .canSkip = m_services.settings.canSkip(),
        .enforcement = m_services.settings.enforcement(),
        .appDisplayName = resolveAppDisplayName(),
    };
}

MenuBarMenuHandlers MenuBarController::menuHandlers()
{
    const QPointer<MenuBarController> self(this);
    const auto bound = [self](void (MenuBarController::*action)()) {
        return [self, action] {
            if (self)
                (self.data()->*action)();
        };
    };
    return {
        .takeBreakNow = bound(&MenuBarController::takeBreakNow),
        .skipBreak = bound(&MenuBarController::skipBreak),
        .resumeBreaks = bound(&MenuBarController::resumeBreaks),
        .pauseForDuration =
            [self](int minutes) {
                if (self)
                    self->pauseForDuration(minutes);
            },
        .openSettings = bound(&MenuBarController::openSettings),
        .checkForUpdates = bound(&MenuBarController::checkForUpdates),
        .quit = bound(&MenuBarController::quitApp),
    };
}
