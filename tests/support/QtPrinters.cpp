#include "support/QtPrinters.h"

#include <QByteArray>

#include <cstdio>
#include <ostream>

namespace {

void printEscaped(std::ostream &out, const char *format, unsigned value)
{
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, value);
    out << escaped;
}

// Printable text stays as it is (as UTF-8); quotes, backslashes, control characters and
// halves of broken surrogate pairs are escaped, so that what differs can be seen.
void printQuoted(std::ostream &out, const QString &text)
{
    out << '"';
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar c = text.at(index);
        if (c.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
            out << QStringView(text).mid(index, 2).toUtf8().constData();
            ++index;
        } else if (c.isSurrogate()) {
            printEscaped(out, "\\u%04X", c.unicode());
        } else if (c == u'"' || c == u'\\') {
            out << '\\' << char(c.unicode());
        } else if (c == u'\n') {
            out << "\\n";
        } else if (c == u'\t') {
            out << "\\t";
        } else if (c == u'\r') {
            out << "\\r";
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            printEscaped(out, "\\x%02X", c.unicode());
        } else {
            out << QStringView(&c, 1).toUtf8().constData();
        }
    }
    out << '"';
}

} // namespace

void PrintTo(const QString &text, std::ostream *out)
{
    printQuoted(*out, text);
}

// As GoogleTest shows its own containers.
void PrintTo(const QStringList &texts, std::ostream *out)
{
    if (texts.isEmpty()) {
        *out << "{}";
        return;
    }
    *out << "{ ";
    for (qsizetype index = 0; index < texts.size(); ++index) {
        if (index > 0)
            *out << ", ";
        printQuoted(*out, texts.at(index));
    }
    *out << " }";
}
