#include "core/QtMessageRouting.h"

#include "core/Logger.h"

#include <QString>

namespace {

void logQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Logging must not feed itself: a Qt warning raised while a line is being logged is
    // dropped rather than logged again and again.
    thread_local bool logging = false;
    if (logging)
        return;
    logging = true;
    const QLatin1String qtCategory(context.category ? context.category : "");
    const QString category = qtCategory.isEmpty() || qtCategory == QLatin1String("default")
        ? QStringLiteral("Qt")
        : QString(qtCategory);
    switch (type) {
    case QtDebugMsg:
        logDebug(category, message);
        break;
    case QtInfoMsg:
        logInfo(category, message);
        break;
    case QtWarningMsg:
        logWarn(category, message);
        break;
    case QtCriticalMsg:
    case QtFatalMsg: // Qt itself ends the process once the line is out
        logError(category, message);
        break;
    }
    logging = false;
}

} // namespace

QtMessageHandler routeQtMessagesToLog()
{
    return qInstallMessageHandler(logQtMessage);
}
