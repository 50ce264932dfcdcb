#pragma once

#include <QString>

// Limits on the length of what a user types, counted in code points (what a reader mostly
// takes for characters; a combining mark counts on its own, so a heap of them on one letter
// cannot pass as one character) and cut only where a character as the reader sees it ends,
// so an accent or an emoji sequence is never split.
class TextLimit
{
public:
    // `text` cut to at most `maxCodePoints` code points, at the last grapheme boundary that
    // fits; unchanged when it is short enough.
    static QString cut(const QString &text, int maxCodePoints);
    // As cut(), with "…" after a text that had to be cut: how a text past its limit is shown.
    static QString cutWithEllipsis(const QString &text, int maxCodePoints);
    // Whether `after` is `before` with one run of characters taken out.
    static bool onlyRemoves(const QString &before, const QString &after);
};
