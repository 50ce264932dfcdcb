#include "detection/BundlePrefix.h"

namespace {

bool matchesPrefix(const QString &identifier, const QString &prefix)
{
    if (!identifier.startsWith(prefix))
        return false;
    return identifier.size() == prefix.size() || identifier.at(prefix.size()) == u'.';
}

} // namespace

bool matchesAnyBundlePrefix(const QSet<QString> &identifiers, const QStringList &prefixes)
{
    for (const QString &identifier : identifiers) {
        for (const QString &prefix : prefixes) {
            if (matchesPrefix(identifier, prefix))
                return true;
        }
    }
    return false;
}
