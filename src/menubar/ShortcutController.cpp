#include "menubar/ShortcutController.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "core/SettingsRepository.h"
#include "menubar/BreakSkip.h"
#include "menubar/GlobalHotKeys.h"
#include "menubar/HUDPresenter.h"
#include "menubar/ReminderQueue.h"
#include "menubar/UnavailableGlobalHotKeys.h"
#include "scheduling/BreakScheduler.h"

namespace {

const QString category = QStringLiteral("Shortcuts");
const QString enabledKey = QStringLiteral("shortcutsEnabled");
const QString approvalMessage =
    QStringLiteral("Lumenpause is turned off in your desktop's startup applications.");

GlobalHotKeys *sharedHotKeys = nullptr;

} // namespace

ShortcutController::ShortcutController(ShortcutServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
    m_services.defaults.registerDefaults({{enabledKey, true}});
    m_shortcutsEnabled = m_services.defaults.boolean(enabledKey);
    // Queued, so a key's work runs after the handler that heard it has returned.
    connect(&m_services.hotKeys, &GlobalHotKeys::hotKeyPressed, this,
            &ShortcutController::perform, Qt::QueuedConnection);
    connect(&m_services.hotKeys, &GlobalHotKeys::keyboardMappingChanged, this,
            &ShortcutController::handleKeyboardMappingChanged);
    refreshLaunchAtLoginStatus();
}

ShortcutController &ShortcutController::shared()
{
    static ShortcutController *controller = [] {
        if (!sharedHotKeys)
            sharedHotKeys = new UnavailableGlobalHotKeys(QStringLiteral("no hot-key service"));
        return new ShortcutController(ShortcutServices::forApplication(*sharedHotKeys));
    }();
    return *controller;
}

void ShortcutController::setSharedHotKeys(GlobalHotKeys *hotKeys)
{
    sharedHotKeys = hotKeys;
}

void ShortcutController::setShortcutsEnabled(bool enabled)
{
    const bool changed = enabled != m_shortcutsEnabled;
    m_shortcutsEnabled = enabled;
    if (changed)
        emit shortcutsEnabledChanged(enabled);
    m_services.defaults.setBool(enabledKey, enabled);
    updateHotKeyRegistration();
}

void ShortcutController::setIsRuntimeStarted(bool started)
{
    if (started == m_isRuntimeStarted)
        return;
    m_isRuntimeStarted = started;
    emit isRuntimeStartedChanged(started);
}

void ShortcutController::updateHotKeyRegistration()
{
    if (!m_isRuntimeStarted || !m_shortcutsEnabled) {
        unregisterHotKeys();
        return;
    }
    if (m_hotKeys.isEmpty())
        registerHotKeys();
}

void ShortcutController::registerHotKeys()
{
    unregisterHotKeys();
    setShortcutRegistrationError(QString());
    if (const std::optional<QString> failure = m_services.hotKeys.installHandler()) {
        const QString message =
            QStringLiteral("Lumenpause could not install its shortcut handler (%1).").arg(*failure);
        setShortcutRegistrationError(message);
        logWarn(category, message);
        return;
    }
    m_hasEventHandler = true;
    registerRows();
}

// A row that fails does not stop the others; the keys that did register stay in force.
void ShortcutController::registerRows()
{
    const QList<HotKeyDefinition> &rows = HotKeyDefinition::table();
    const QList<QString> failures = m_services.hotKeys.registerKeys(rows);
    QStringList failedNames;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const QString failure = failures.value(index, QStringLiteral("error: no answer"));
        if (failure.isEmpty()) {
            m_hotKeys.append(rows.at(index).id);
            continue;
        }
        failedNames.append(rows.at(index).name);
        logWarn(category, QStringLiteral("Could not register %1 (%2)").arg(rows.at(index).name, failure));
    }
    if (failedNames.isEmpty()) {
        logInfo(category, QStringLiteral("Global keyboard shortcuts registered"));
        return;
    }
    setShortcutRegistrationError(QStringLiteral("Unavailable shortcuts: ")
                                 + failedNames.join(QStringLiteral(", "))
                                 + QStringLiteral(". Another app may already use them."));
}

void ShortcutController::unregisterHotKeys()
{
    m_services.hotKeys.unregisterKeys();
    m_hotKeys.clear();
    if (!m_hasEventHandler)
        return;
    m_services.hotKeys.removeHandler();
    m_hasEventHandler = false;
}

// The same letters may now sit on other keys: the grabs start afresh, once for a burst of
// changes, and after the handler that heard of them has returned (it goes with the grabs).
void ShortcutController::handleKeyboardMappingChanged()
{
    if (m_regrabPending)
        return;
    m_regrabPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_regrabPending = false;
            if (m_hasEventHandler)
                registerHotKeys();
        },
        Qt::QueuedConnection);
}

void ShortcutController::perform(quint32 hotKeyID)
{
    switch (hotKeyID) {
    case HotKeyDefinition::pauseResume: pauseOrResume(); break;
    case HotKeyDefinition::skipBreak: skip(); break;
    case HotKeyDefinition::takeBreakNow: m_services.scheduler.takeBreakNow(); break;
    case HotKeyDefinition::toggleMenuBarTimer: toggleMenuBarTimer(); break;
    case HotKeyDefinition::openSettings: m_services.openSettings(); break;
    default: break;
    }
}

// A pause someone else took (a call, office hours, sleep) is not the user's to lift here.
void ShortcutController::pauseOrResume()
{
    BreakScheduler &scheduler = m_services.scheduler;
    if (scheduler.pauseReasons().contains(PauseReason::manual))
        scheduler.resume(PauseReason::manual);
    else if (!scheduler.isPaused())
        scheduler.pause(PauseReason::manual);
}

void ShortcutController::skip()
{
    if (!m_services.settings.canSkip())
        return;
    if (m_services.isBreakShowing()) {
        skipBreakOnScreen();
        return;
    }
    BreakSkip::skipInterval(m_services.settings, m_services.scheduler, m_services.reminders, m_services.hud);
}

void ShortcutController::skipBreakOnScreen()
{
    BreakSkip::skipOnScreen(category, QStringLiteral("global_shortcut"), m_services.reminders, m_services.hud,
                            m_services.skipBreakOnScreen);
}

void ShortcutController::toggleMenuBarTimer()
{
    AppSettings &settings = m_services.settings;
    settings.setMenuBarShowTimer(!settings.menuBarShowTimer());
}

void ShortcutController::refreshLaunchAtLoginStatus()
{
    const LoginItem::Status status = m_services.loginItem.status();
    setLaunchAtLoginCached(status == LoginItem::Status::enabled);
    m_services.settings.setLaunchAtLogin(m_launchAtLoginCached);
    setLaunchAtLoginError(status == LoginItem::Status::requiresApproval ? approvalMessage
                                                                        : QString());
}

bool ShortcutController::setLaunchAtLogin(bool wanted)
{
    setLaunchAtLoginError(QString());
    LoginItem &item = m_services.loginItem;
    QString reason;
    if (!(wanted ? item.registerEntry(&reason) : item.unregister(&reason)))
        logWarn(QStringLiteral("General"), QStringLiteral("Launch at login update failed: ") + reason);
    refreshLaunchAtLoginStatus();
    if (m_launchAtLoginCached != wanted && m_launchAtLoginError.isEmpty()) {
        setLaunchAtLoginError(
            wanted ? QStringLiteral("Your desktop did not enable Lumenpause. Check its startup applications.")
                   : QStringLiteral("Your desktop still starts Lumenpause at login."));
    }
    return m_launchAtLoginCached;
}

void ShortcutController::setShortcutRegistrationError(const QString &error)
{
    if (error == m_shortcutRegistrationError)
        return;
    m_shortcutRegistrationError = error;
    emit shortcutRegistrationErrorChanged(error);
}

void ShortcutController::setLaunchAtLoginCached(bool cached)
{
    if (cached == m_launchAtLoginCached)
        return;
    m_launchAtLoginCached = cached;
    emit launchAtLoginCachedChanged(cached);
}

void ShortcutController::setLaunchAtLoginError(const QString &error)
{
    if (error == m_launchAtLoginError)
        return;
    m_launchAtLoginError = error;
    emit launchAtLoginErrorChanged(error);
}
