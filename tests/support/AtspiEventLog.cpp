#include "support/AtspiEventLog.h"

void AtspiEventLog::record(const QDBusMessage &message)
{
    // The event's kind ("checked"), then whether the state is now set.
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    m_stateChanges.append({{message.service(), message.path()}, arguments[0].toString(), arguments[1].toInt() != 0});
}
