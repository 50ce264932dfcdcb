#include "core/DesktopEntryText.h"

namespace {

bool isQuotedEscape(QChar c)
{
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// Whatever follows a percent sign: "%%" is one, a field code is nothing.
void takePercent(const QString &value, qsizetype &index, QString &argument, bool &hasArgument)
{
    if (index + 1 < value.size() && value.at(index + 1) == u'%') {
        argument.append(u'%');
        hasArgument = true;
    }
    ++index;
}

} // namespace

QHash<QString, QString> desktopEntryMainGroup(const QByteArray &text)
{
    QHash<QString, QString> keys;
    bool inMainGroup = false;
    for (const QString &rawLine : QString::fromUtf8(text).split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        // The first one counts, as desktops read a duplicated key.
        if (!keys.contains(key))
            keys.insert(key, line.mid(equals + 1).trimmed());
    }
    return keys;
}

QString escapeDesktopEntryString(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (c == u'\\')
            escaped.append(QStringLiteral("\\\\"));
        else if (c == u'\n')
            escaped.append(QStringLiteral("\\n"));
        else if (c == u'\t')
            escaped.append(QStringLiteral("\\t"));
        else if (c == u'\r')
            escaped.append(QStringLiteral("\\r"));
        else
            escaped.append(c);
    }
    return escaped;
}

QString unescapeDesktopEntryString(const QString &value)
{
    QString plain;
    plain.reserve(value.size());
    for (qsizetype index = 0; index < value.size(); ++index) {
        const QChar c = value.at(index);
        if (c != u'\\' || index + 1 == value.size()) {
            plain.append(c);
            continue;
        }
        const QChar next = value.at(++index);
        switch (next.unicode()) {
        case 's': plain.append(u' '); break;
        case 'n': plain.append(u'\n'); break;
        case 't': plain.append(u'\t'); break;
        case 'r': plain.append(u'\r'); break;
        case '\\': plain.append(u'\\'); break;
        default: plain.append(c).append(next); break;
        }
    }
    return plain;
}

QString desktopEntryExecValue(const QString &programPath)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (isQuotedEscape(c))
            quoted.append(u'\\');
        quoted.append(c);
    }
    quoted.append(u'"');
    quoted.replace(QStringLiteral("%"), QStringLiteral("%%"));
    return escapeDesktopEntryString(quoted);
}

QStringList desktopEntryExecArguments(const QString &execValue)
{
    QStringList arguments;
    QString argument;
    bool hasArgument = false;
    bool inQuotes = false;
    for (qsizetype index = 0; index < execValue.size(); ++index) {
        const QChar c = execValue.at(index);
        if (c == u'%') {
            takePercent(execValue, index, argument, hasArgument);
        } else if (inQuotes && c == u'\\' && index + 1 < execValue.size()
                   && isQuotedEscape(execValue.at(index + 1))) {
            argument.append(execValue.at(++index));
        } else if (c == u'"') {
            inQuotes = !inQuotes;
            hasArgument = true;
        } else if (c == u' ' && !inQuotes) {
            if (hasArgument)
                arguments.append(std::exchange(argument, QString()));
            hasArgument = false;
        } else {
            argument.append(c);
            hasArgument = true;
        }
    }
    if (hasArgument)
        arguments.append(argument);
    return arguments;
}
