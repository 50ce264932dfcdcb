#include "menubar/PendingReminder.h"

namespace {

// Titles after the first continue a sentence, so they lose their capital.
QString continuingTitle(const QString &title)
{
    if (title.isEmpty())
        return title;
    return title.front().toLower() + title.mid(1);
}

} // namespace

WellnessSummary wellnessSummary(const QList<PendingReminder> &reminders)
{
    if (reminders.isEmpty())
        return {};
    if (reminders.size() == 1)
        return {reminders.constFirst().title, reminders.constFirst().subtitle};

    QStringList titles{reminders.constFirst().title};
    for (qsizetype i = 1; i < reminders.size(); ++i)
        titles.append(continuingTitle(reminders.at(i).title));
    const QString last = titles.takeLast();
    const QString subtitle = titles.size() == 1
        ? titles.constFirst() + QStringLiteral(" and ") + last
        : titles.join(QStringLiteral(", ")) + QStringLiteral(", and ") + last;
    return {QStringLiteral("Wellness check"), subtitle};
}
