#include "core/Breadcrumbs.h"

Breadcrumbs::Breadcrumbs()
    : m_queue(QStringLiteral("local.lumenpause.breadcrumbs"))
{
}

Breadcrumbs &Breadcrumbs::shared()
{
    static auto *instance = new Breadcrumbs;
    return *instance;
}

void Breadcrumbs::add(QString category, QString message)
{
    m_queue.async([this, category = std::move(category), message = std::move(message)]() mutable {
        if (m_crumbs.size() >= maxCrumbs)
            m_crumbs.removeFirst();
        m_crumbs.append({QDateTime::currentDateTime(), std::move(category), std::move(message)});
    });
}

QList<Breadcrumbs::Crumb> Breadcrumbs::crumbs()
{
    QList<Crumb> copy;
    m_queue.sync([&] { copy = m_crumbs; });
    return copy;
}
