#include "support/FakeGlobalHotKeys.h"

std::optional<QString> FakeGlobalHotKeys::installHandler()
{
    m_handlerInstalled = !m_handlerFailure;
    return m_handlerFailure;
}

void FakeGlobalHotKeys::removeHandler()
{
    unregisterKeys();
    m_handlerInstalled = false;
}

QList<QString> FakeGlobalHotKeys::registerKeys(const QList<HotKeyDefinition> &rows)
{
    ++m_registrations;
    QList<QString> failures;
    for (const HotKeyDefinition &row : rows) {
        const QString failure = m_refusals.value(row.id);
        if (failure.isEmpty())
            m_registered.append(row.id);
        failures.append(failure);
    }
    return failures;
}

void FakeGlobalHotKeys::unregisterKeys()
{
    m_registered.clear();
}
