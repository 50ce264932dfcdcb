#include "support/AppcastText.h"

namespace AppcastText {

QByteArray item(const QString &shortVersion, const QString &link, const QString &build)
{
    QString text = QStringLiteral("<item><title>Version %1</title>").arg(shortVersion);
    if (!link.isEmpty())
        text += QStringLiteral("<link>%1</link>").arg(link.toHtmlEscaped());
    text += QStringLiteral("<sparkle:shortVersionString>%1</sparkle:shortVersionString>")
                .arg(shortVersion);
    if (!build.isEmpty())
        text += QStringLiteral("<sparkle:version>%1</sparkle:version>").arg(build);
    text += QStringLiteral("<enclosure url=\"https://downloads.example/lp-%1.tar.gz\""
                           " length=\"100\" type=\"application/octet-stream\"/></item>")
                .arg(shortVersion);
    return text.toUtf8();
}

QByteArray feed(const QByteArray &items)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<rss version=\"2.0\" xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/"
           "sparkle\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
           "<channel><title>Lumenpause</title><link>https://lumenpause.example/</link>\n"
        + items + "\n</channel></rss>\n";
}

} // namespace AppcastText
