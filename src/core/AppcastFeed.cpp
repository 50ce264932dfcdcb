#include "core/AppcastFeed.h"

#include <QXmlStreamReader>

const QString AppcastFeed::versionNamespace =
    QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

namespace {

QString text(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

QUrl urlText(const QString &value)
{
    return QUrl(value.trimmed(), QUrl::StrictMode);
}

void readEnclosure(QXmlStreamReader &xml, AppcastItem &item)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    item.enclosureUrl = urlText(attributes.value(QLatin1String("url")).toString());
    const auto fromAttribute = [&](const char *name) {
        return attributes.value(AppcastFeed::versionNamespace, QLatin1String(name))
            .toString()
            .trimmed();
    };
    // The item's own elements win over the enclosure's attributes.
    if (item.version.isEmpty())
        item.version = fromAttribute("version");
    if (item.shortVersionString.isEmpty())
        item.shortVersionString = fromAttribute("shortVersionString");
    xml.skipCurrentElement();
}

AppcastItem readItem(QXmlStreamReader &xml)
{
    AppcastItem item;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (xml.namespaceUri() == AppcastFeed::versionNamespace) {
            if (name == QLatin1String("version"))
                item.version = text(xml);
            else if (name == QLatin1String("shortVersionString"))
                item.shortVersionString = text(xml);
            else if (name == QLatin1String("releaseNotesLink"))
                item.releaseNotesLink = urlText(text(xml));
            else
                xml.skipCurrentElement();
        } else if (!xml.namespaceUri().isEmpty()) {
            xml.skipCurrentElement();
        } else if (name == QLatin1String("title")) {
            item.title = text(xml);
        } else if (name == QLatin1String("link")) {
            item.link = urlText(text(xml));
        } else if (name == QLatin1String("enclosure")) {
            readEnclosure(xml, item);
        } else {
            xml.skipCurrentElement();
        }
    }
    return item;
}

void readChannel(QXmlStreamReader &xml, QList<AppcastItem> &items)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("item") && xml.namespaceUri().isEmpty())
            items.append(readItem(xml));
        else
            xml.skipCurrentElement();
    }
}

// Moves to the root element; false when a document type declaration comes first.
bool readToRoot(QXmlStreamReader &xml)
{
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            return false;
        if (token == QXmlStreamReader::StartElement)
            return true;
    }
    return false;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool readDocument(QXmlStreamReader &xml, QList<AppcastItem> &items, QString *error)
{
    if (!readToRoot(xml) && !xml.hasError())
        return fail(error, QStringLiteral("The update feed declares a document type, "
                                          "which no appcast does."));
    if (!xml.hasError() && xml.name() != QLatin1String("rss"))
        return fail(error, QStringLiteral("The update feed is not an RSS feed."));
    while (!xml.hasError() && xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("channel") && xml.namespaceUri().isEmpty())
            readChannel(xml, items);
        else
            xml.skipCurrentElement();
    }
    // Read to the end, so that a cut-off or damaged tail is noticed too.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError()) {
        return fail(error, QStringLiteral("The update feed is malformed (line %1: %2).")
                               .arg(xml.lineNumber())
                               .arg(xml.errorString()));
    }
    return true;
}

} // namespace

std::optional<AppcastFeed> AppcastFeed::parse(const QByteArray &document, QString *error)
{
    if (document.trimmed().isEmpty()) {
        fail(error, QStringLiteral("The update feed is empty."));
        return std::nullopt;
    }
    QXmlStreamReader xml(document);
    AppcastFeed feed;
    if (!readDocument(xml, feed.m_items, error))
        return std::nullopt;
    return feed;
}

std::optional<AppcastItem> AppcastFeed::newestItem() const
{
    std::optional<AppcastItem> newest;
    for (const AppcastItem &item : m_items) {
        if (item.displayVersion().isEmpty())
            continue;
        if (!newest || item.comparableVersion() > newest->comparableVersion())
            newest = item;
    }
    return newest;
}

UpdateCheckResult AppcastFeed::evaluate(const QByteArray &document, const QString &currentVersion,
                                        const QUrl &feedUrl)
{
    QString error;
    const auto feed = parse(document, &error);
    if (!feed)
        return UpdateCheckResult::feedUnreadable(error);
    const auto newest = feed->newestItem();
    if (!newest) {
        return UpdateCheckResult::feedUnreadable(
            QStringLiteral("The update feed lists no versions."));
    }
    if (QVersionNumber::fromString(currentVersion.trimmed()).isNull()) {
        return UpdateCheckResult::feedUnreadable(
            QStringLiteral("This build's version \"%1\" cannot be compared.").arg(currentVersion));
    }
    const QVersionNumber ours = QVersionNumber::fromString(currentVersion.trimmed()).normalized();
    if (newest->comparableVersion() > ours)
        return UpdateCheckResult::newerVersion(newest->displayVersion(), currentVersion,
                                               newest->pageUrl(feedUrl));
    return UpdateCheckResult::upToDate(currentVersion);
}
