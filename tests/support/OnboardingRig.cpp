#include "support/OnboardingRig.h"

#include "onboarding/OnboardingView.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/window/ContentView.h"
#include "support/BreakScreenRig.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QJsonDocument>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString settingsPath(const QTemporaryDir &folder)
{
    return folder.filePath(QStringLiteral("config/lumenpause/local.lumenpause.app.json"));
}

QString prepared(const QTemporaryDir &folder, const QVariantMap &stored)
{
    if (!stored.isEmpty())
        writeBytes(settingsPath(folder), QJsonDocument::fromVariant(stored).toJson());
    return settingsPath(folder);
}

} // namespace

OnboardingRig::OnboardingRig(const QVariantMap &stored)
    : store(prepared(folder, stored), clock)
    , m_start(clock.now())
{
    Motion::setJumpToEnd(true);
    QObject::connect(&notifier, &AppNotifier::onboardingDidComplete, [this] { record("onboardingDidComplete"); });
    QObject::connect(&notifier, &AppNotifier::showMenuBarHandoff, [this] { record("showMenuBarHandoff"); });
    QObject::connect(&appState, &AppStateStore::currentChanged, [this](AppState state) {
        record(QStringLiteral("state ") + appStateRawValue(state));
    });
    settingsWindow.setContentFactory([this] {
        const auto makeFlow = [this](std::function<void()> dismiss) {
            const auto flag = [this](const char *name) {
                return [this, name](bool value) {
                    record(QStringLiteral("%1 %2").arg(QLatin1String(name), value ? "true" : "false"));
                };
            };
            OnboardingServices services{clock,
                                        settings,
                                        store,
                                        notifier,
                                        flag("launchAtLogin"),
                                        flag("pauseDuringMeetings"),
                                        [this] { settingsWindow.hide(); },
                                        [this] { return runtimeRunning; },
                                        [this] { record("quit"); }};
            return new OnboardingView(services, std::move(dismiss));
        };
        // The window under the flow reads the rig's models, never the application's.
        ContentServices window{store, notifier, theme, makeFlow};
        window.settings = settings;
        window.clock = clock;
        window.breakScheduler = timer.scheduler;
        return new ContentView(window);
    });
}

OnboardingRig::~OnboardingRig()
{
    BreakScreenRig::flushDeletions();
    Motion::setJumpToEnd(false);
}

void OnboardingRig::record(const QString &event)
{
    const double seconds = m_start.msecsTo(clock.now()) / 1000.0;
    timeline.append(QStringLiteral("%1 %2").arg(seconds, 0, 'f', 2).arg(event));
}

void OnboardingRig::showWindow()
{
    appState.transition(AppState::onboarding);
    settingsWindow.show();
}

ContentView *OnboardingRig::content() const
{
    return qobject_cast<ContentView *>(settingsWindow.content());
}

OnboardingView *OnboardingRig::flow() const
{
    return content() ? qobject_cast<OnboardingView *>(content()->onboarding()) : nullptr;
}

QAbstractButton *OnboardingRig::button(const QString &objectName) const
{
    return window() ? window()->findChild<QAbstractButton *>(objectName) : nullptr;
}

void OnboardingRig::click(const QString &objectName)
{
    QAbstractButton *target = button(objectName);
    if (!target) {
        ADD_FAILURE() << "no button " << objectName.toStdString();
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton);
}

QVariantMap OnboardingRig::file() const
{
    return QJsonDocument::fromJson(readBytes(store.filePath())).toVariant().toMap();
}

void OnboardingRig::advance(double seconds)
{
    clock.advance(seconds);
    BreakScreenRig::flushDeletions();
}
