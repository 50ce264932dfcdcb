#include "core/AppcastItem.h"

namespace {

QVersionNumber parseVersion(const QString &text)
{
    return QVersionNumber::fromString(text.trimmed()).normalized();
}

bool isOpenablePage(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("http"))
        && !url.host().isEmpty();
}

} // namespace

QString AppcastItem::displayVersion() const
{
    // A version with no segments at all ("beta") cannot be compared with ours.
    for (const QString &candidate : {shortVersionString, version}) {
        const QString trimmed = candidate.trimmed();
        const QVersionNumber number = QVersionNumber::fromString(trimmed);
        if (number.isNull())
            continue;
        // The text goes in front of the user; a feed may not fill the window with it.
        return trimmed.size() <= maximumVersionLength ? trimmed : number.toString();
    }
    return QString();
}

QVersionNumber AppcastItem::comparableVersion() const
{
    return parseVersion(displayVersion());
}

QUrl AppcastItem::pageUrl(const QUrl &feedUrl) const
{
    for (const QUrl &candidate : {link, releaseNotesLink}) {
        if (candidate.isEmpty())
            continue;
        const QUrl resolved = feedUrl.resolved(candidate);
        if (isOpenablePage(resolved))
            return resolved;
    }
    return QUrl();
}
