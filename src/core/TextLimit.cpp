#include "core/TextLimit.h"

#include <QStringView>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Enough characters past the cut for the boundary rules to see what follows it.
constexpr qsizetype boundaryContext = 32;

} // namespace

QString TextLimit::cut(const QString &text, int maxCodePoints)
{
    // Fewer UTF-16 units than the limit are fewer code points too.
    if (text.size() <= maxCodePoints)
        return text;
    qsizetype end = 0;
    for (int counted = 0; counted < maxCodePoints && end < text.size(); ++counted) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size()
                          && text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    if (end >= text.size())
        return text;
    // Only the text around the cut goes to the boundary finder, never a pasted megabyte.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.left(end + boundaryContext));
    finder.setPosition(end);
    if (!finder.isAtBoundary())
        end = std::max<qsizetype>(0, finder.toPreviousBoundary());
    return text.left(end);
}

QString TextLimit::cutWithEllipsis(const QString &text, int maxCodePoints)
{
    QString kept = cut(text, maxCodePoints);
    if (kept.size() < text.size())
        kept.append(QChar(0x2026));
    return kept;
}

bool TextLimit::onlyRemoves(const QString &before, const QString &after)
{
    if (after.size() >= before.size())
        return false;
    qsizetype prefix = 0;
    while (prefix < after.size() && after.at(prefix) == before.at(prefix))
        ++prefix;
    const qsizetype removed = before.size() - after.size();
    return QStringView(after).mid(prefix) == QStringView(before).mid(prefix + removed);
}
