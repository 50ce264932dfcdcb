#include "menubar/FloatingHUD.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/FloatingWindowSupport.h"
#include "menubar/HUDBadge.h"
#include "menubar/HUDContentView.h"
#include "menubar/HUDCountdownRing.h"
#include "menubar/HUDPlacement.h"
#include "menubar/HUDWindow.h"

#include <QLabel>

#include <algorithm>

namespace {

const QString kCategory = QStringLiteral("HUD");

constexpr int kSlideInDistance = 12;
constexpr int kSlideInMs = 350;

// Until the application says otherwise: no compositor, so the notice is cut to its shape,
// which looks right on every desktop.
class QuietWindowSupport : public FloatingWindowSupport
{
public:
    bool isCompositing() const override { return false; }
    void showOnAllWorkspaces(QWidget *) const override {}
    void letClicksThroughFrame(QWidget *) const override {}
};

const FloatingWindowSupport *g_sharedWindowSupport = nullptr;

FloatingHUDServices sharedServices()
{
    static SystemClock *const clock = new SystemClock;
    static const QuietWindowSupport quiet;
    return {AppSettings::shared(),
            *clock,
            ThemeManager::shared(),
            g_sharedWindowSupport ? *g_sharedWindowSupport : quiet,
            [] { AppSoundPlayer::shared().play(AppSound::blow); },
            &HUDPlacement::screenUnderPointer};
}

} // namespace

FloatingHUD::FloatingHUD(QObject *parent)
    : FloatingHUD(sharedServices(), parent)
{
}

FloatingHUD::FloatingHUD(FloatingHUDServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
}

FloatingHUD::~FloatingHUD()
{
    // Windows have no parent; a notice on screen or fading out goes with its HUD.
    delete m_window;
    for (const QPointer<HUDWindow> &window : std::as_const(m_fadingWindows))
        delete window;
}

FloatingHUD &FloatingHUD::shared()
{
    static FloatingHUD *hud = new FloatingHUD;
    return *hud;
}

void FloatingHUD::setSharedWindowSupport(const FloatingWindowSupport *support)
{
    g_sharedWindowSupport = support;
}

bool FloatingHUD::present(HUDStyle style, const QString &title, const QString &subtitle,
                          int secondsLeft, HUDPresentationKind kind, bool ignoreOfficeHours,
                          std::function<void()> onDismiss)
{
    if (!ignoreOfficeHours && !m_services.settings.isWithinOfficeHours(m_services.clock))
        return false;
    const std::optional<QRect> screen = m_services.screenUnderPointer();
    if (!screen) {
        logWarn(kCategory, QStringLiteral("HUD presentation skipped because no display is available"));
        return false;
    }
    dismiss(false);
    const QUuid id = QUuid::createUuid();
    m_presentationId = id;
    ++m_presentationCount;
    m_dismissalHandler = std::move(onDismiss);

    HUDContentView *content = buildContent(style, title, subtitle, secondsLeft);
    if (content->ring())
        startCountdown(secondsLeft);
    m_window = openWindow(content, *screen);
    if (m_services.playReminderSound)
        m_services.playReminderSound();
    scheduleAutoDismissFor(kind, id);
    return true;
}

HUDContentView *FloatingHUD::buildContent(HUDStyle style, const QString &title,
                                          const QString &subtitle, int secondsLeft)
{
    const AppSettings &settings = m_services.settings;
    HUDContent content;
    content.style = style;
    content.title = title;
    content.subtitle = subtitle;
    content.secondsLeft = secondsLeft;
    content.size = hudSizeFromText(settings.hudStyle());
    content.isDark = m_services.theme.isDark();
    content.showCountdown = settings.showCountdownInHUD();
    content.headsUpSeconds = settings.headsUpSeconds();
    auto *view = new HUDContentView(content);
    m_titleLabel = view->titleLabel();
    m_subtitleLabel = view->subtitleLabel();
    m_compactLabel = view->compactLabel();
    m_countdownRing = view->ring();
    return view;
}

HUDWindow *FloatingHUD::openWindow(HUDContentView *content, const QRect &screen)
{
    const FloatingWindowSupport &support = m_services.windowSupport;
    auto *window = new HUDWindow(m_services.settings.hudAboveFullscreen(), support.isCompositing());
    window->setContent(content);
    support.showOnAllWorkspaces(window);
    connect(window, &HUDWindow::firstExposed, this,
            [&support, window] { support.letClicksThroughFrame(window); });
    window->slideIn(HUDPlacement::windowFrame(screen, content->metrics()).topLeft(),
                    kSlideInDistance, kSlideInMs);
    return window;
}

void FloatingHUD::scheduleAutoDismissFor(HUDPresentationKind kind, const QUuid &id)
{
    const AppSettings &settings = m_services.settings;
    // A planned break's heads-up may be asked to stay until the break begins.
    if (kind == HUDPresentationKind::scheduledBreak && settings.scheduledBreakHUDStaysVisible())
        return;
    if (settings.hudAutoDismiss())
        scheduleAutoDismiss(id, double(settings.hudDismissSeconds()));
}

bool FloatingHUD::update(const QString &title, const QString &subtitle, int secondsLeft)
{
    if (!m_window || m_presentationId.isNull())
        return false;
    if (m_titleLabel)
        m_titleLabel->setText(title);
    if (m_subtitleLabel)
        m_subtitleLabel->setText(subtitle);
    // The compact notice's one line is always the subtitle.
    if (m_compactLabel)
        m_compactLabel->setText(subtitle);
    if (secondsLeft >= 1 && m_countdownRing) {
        m_countdownTotalSeconds = std::max(m_countdownTotalSeconds, secondsLeft);
        m_countdownDeadlineMs = m_services.clock.monotonicMs() + qint64(secondsLeft) * 1000;
        refreshCountdown();
        // A countdown that had run out counts again from the new time.
        if (!m_countdownTimer)
            scheduleCountdownTicks();
    }
    return true;
}

void FloatingHUD::dismiss(bool runHandler)
{
    const bool wasShowing = m_window || !m_presentationId.isNull();
    // Taken before it runs: the handler may present the next notice.
    std::function<void()> handler = std::exchange(m_dismissalHandler, nullptr);
    m_autoDismissTimer.reset();
    m_countdownTimer.reset();
    if (m_window) {
        m_window->hide();
        m_window->deleteLater();
    }
    m_window = nullptr;
    m_presentationId = QUuid();
    resetCountdownState();
    if (runHandler && wasShowing && handler)
        handler();
}

bool FloatingHUD::isShowing() const
{
    return !m_window.isNull();
}

HUDWindow *FloatingHUD::window() const
{
    return m_window;
}

QColor FloatingHUD::badgeTopColor(HUDStyle style)
{
    return HUDBadge::forStyle(style).topColor;
}

QColor FloatingHUD::badgeBottomColor(HUDStyle style)
{
    return HUDBadge::forStyle(style).bottomColor;
}
