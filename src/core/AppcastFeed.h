#pragma once

#include "core/AppcastItem.h"
#include "core/UpdateCheckResult.h"

#include <QByteArray>
#include <QList>

#include <optional>

// An appcast: an RSS 2.0 document whose items describe releases. Parsing and comparing
// live here, apart from the network, so they can be checked on plain text.
class AppcastFeed
{
public:
    // The namespace of the version and release-notes elements and attributes.
    static const QString versionNamespace;

    // Fails on malformed XML, on a document type declaration (appcasts have none, and
    // refusing one keeps entity tricks out), and on a root that is not <rss>. When it
    // fails and error is given, *error says why in one human sentence.
    static std::optional<AppcastFeed> parse(const QByteArray &document, QString *error = nullptr);

    // The whole check on a fetched document: the newest release against currentVersion.
    static UpdateCheckResult evaluate(const QByteArray &document, const QString &currentVersion,
                                      const QUrl &feedUrl);

    const QList<AppcastItem> &items() const { return m_items; }
    // The item with the highest version wherever it stands in the feed (the first of
    // equals); none when no item carries a usable version.
    std::optional<AppcastItem> newestItem() const;

private:
    QList<AppcastItem> m_items;
};
