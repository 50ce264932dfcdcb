#pragma once

#include <QString>
#include <QUrl>
#include <QVersionNumber>

// One release in an appcast feed. Version fields come from the item's own elements, or
// else from the matching attributes of its enclosure.
struct AppcastItem
{
    static constexpr qsizetype maximumVersionLength = 64;

    QString title;
    QString version;            // the build's version
    QString shortVersionString; // the version people see
    QUrl link;
    QUrl releaseNotesLink;
    QUrl enclosureUrl;

    // The version shown and compared: the short version when it reads as a version
    // number, else the build version; empty when neither does. Text longer than
    // maximumVersionLength is cut to its numeric part.
    QString displayVersion() const;
    // displayVersion() as a number without trailing zeros, so "2.0" equals "2.0.0";
    // null when the item carries no usable version.
    QVersionNumber comparableVersion() const;
    // The page to offer for this release: its link, else its release notes, resolved
    // against the feed's address. Only http(s) addresses with a host qualify, so a feed
    // cannot make us open a local file or run a script; empty when none does.
    QUrl pageUrl(const QUrl &feedUrl) const;
};
