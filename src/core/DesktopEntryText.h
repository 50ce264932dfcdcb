#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// Reading and writing the few parts of a desktop entry the application needs: the keys of the
// main group, string values with their escapes, and an Exec line that names one program.

// The keys of the [Desktop Entry] group, values as written (escapes still in). Comments,
// other groups and lines without "=" are skipped; space around the "=" is not part of the
// key or the value.
QHash<QString, QString> desktopEntryMainGroup(const QByteArray &text);

// The escapes of string values: a backslash, a line break, a tab and a carriage return.
QString escapeDesktopEntryString(const QString &value);
// Also reads "\s" as a space; an unknown escape stays as written.
QString unescapeDesktopEntryString(const QString &value);

// The Exec value, escaped for the file, that runs the program at that path with no
// arguments: in double quotes, inside which a double quote, a backquote, a dollar sign and a
// backslash take a backslash, with every percent sign doubled.
QString desktopEntryExecValue(const QString &programPath);
// The arguments of an unescaped Exec value, quoting undone and "%%" read as "%"; field codes
// such as %f and %U are dropped.
QStringList desktopEntryExecArguments(const QString &execValue);
