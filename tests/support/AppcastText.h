#pragma once

#include <QByteArray>
#include <QString>

// Appcast documents for tests, in the shape real feeds have.
namespace AppcastText {

// One <item> whose version elements carry shortVersion (and build, when given).
QByteArray item(const QString &shortVersion, const QString &link = QString(),
                const QString &build = QString());
// An RSS 2.0 appcast around the given items.
QByteArray feed(const QByteArray &items);

} // namespace AppcastText
