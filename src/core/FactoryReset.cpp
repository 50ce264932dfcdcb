#include "core/FactoryReset.h"

#include "core/FileSettingsRepository.h"
#include "core/InfoDictionary.h"
#include "core/LogBuffer.h"
#include "core/PathRemoval.h"
#include "core/RuntimeControl.h"
#include "core/SettingsRepository.h"

#include <QCoreApplication>

FactoryResetContext FactoryResetContext::forApplication(RuntimeControl &launch)
{
    return {
        .launch = launch,
        .defaults = FileSettingsRepository::standard(),
        .loginItem = LoginItem::standard(),
        .logBuffer = LogBuffer::shared(),
        .folders = ResetFolders::standard(),
        .bundleIdentifier = readInfoPlistString(QStringLiteral("CFBundleIdentifier")),
        .configuration = AppConfiguration::current(),
        // Leaves the event loop outright, as the session's end does: a window that would
        // refuse to close must not keep a reset application alive.
        .terminate = [] { QCoreApplication::exit(0); },
    };
}

FactoryReset::FactoryReset(FactoryResetContext context)
    : m_context(std::move(context))
{
}

std::optional<ResetError> FactoryReset::perform()
{
    const bool servicesWereRunning = m_context.launch.runtimeServicesStarted();
    // Nothing may schedule a break, save a statistic or write a setting while the files
    // that hold them go away.
    m_context.launch.stopRuntimeServices();
    std::optional<ResetError> error = resetAfterStop();
    if (!error) {
        m_context.terminate();
        return std::nullopt;
    }
    if (servicesWereRunning)
        m_context.launch.startRuntimeServices();
    return error;
}

QString FactoryReset::failureMessage(const ResetError &error)
{
    return QStringLiteral("Reset failed: ") + error.localizedDescription();
}

std::optional<ResetError> FactoryReset::resetAfterStop()
{
    // A base folder that cannot be deleted in safely is known before anything changes, so
    // such a reset leaves the login item and the settings as they were.
    if (auto refusal = ResetTargets::basesRefusal(m_context.folders))
        return ResetError(ResetError::Kind::unsafeLocation, *refusal);
    if (auto error = unregisterLoginItem())
        return error;
    // The login item does not need the build's id (its name falls back to the default one),
    // so a build without one still leaves it removed.
    if (!m_context.bundleIdentifier)
        return ResetError::missingBundleIdentifier();
    const QString &id = *m_context.bundleIdentifier;
    QString refusal;
    const auto targets = ResetTargets::plan(
        m_context.folders, id, applicationSupportFolderNames(m_context.configuration, id),
        &refusal);
    if (!targets)
        return ResetError(ResetError::Kind::unsafeLocation, refusal);

    // Also drops whatever was waiting to be written, so the flush at quit cannot bring the
    // settings file back.
    m_context.defaults.removePersistentDomain();
    m_context.defaults.flush();
    if (auto error = wipe(*targets))
        return error;
    m_context.logBuffer.clear();
    return std::nullopt;
}

std::optional<ResetError> FactoryReset::unregisterLoginItem()
{
    if (!m_context.loginItem.isRegistered())
        return std::nullopt;
    QString reason;
    if (!m_context.loginItem.unregister(&reason))
        return ResetError(ResetError::Kind::loginItem, reason);
    return std::nullopt;
}

std::optional<ResetError> FactoryReset::wipe(const QList<ResetTarget> &targets)
{
    for (const ResetTarget &target : targets) {
        if (!entryExists(target.path))
            continue;
        QString reason;
        const bool removed = target.kind == ResetTargetKind::file
            ? removeFileEntry(target.path, &reason)
            : removeFolderEntry(target.path, &reason);
        if (!removed)
            return ResetError(ResetError::Kind::fileRemoval, reason);
    }
    return std::nullopt;
}
