#include "breakscreen/BreakMessageFit.h"

#include "breakscreen/BreakOverlayText.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString ellipsis = QStringLiteral("\u2026");

bool fits(const QString &text, const BreakTextStyle &style, int height)
{
    return BreakOverlayText::sizeOf(text, style).height() <= height;
}

} // namespace

const BreakMessageFit::Fitted &BreakMessageFit::fit(const QString &message,
                                                    const BreakTextStyle &designed, QSize room)
{
    if (!m_valid || message != m_message || !(designed == m_designed) || room != m_room) {
        m_fitted = compute(message, designed, room);
        m_message = message;
        m_designed = designed;
        m_room = room;
        m_valid = true;
    }
    return m_fitted;
}

BreakMessageFit::Fitted BreakMessageFit::compute(const QString &message,
                                                 const BreakTextStyle &designed, QSize room)
{
    BreakTextStyle style = designed;
    style.maxWidth = std::max(1, room.width());
    const int designedSize = designed.font.pixelSize();
    if (designedSize <= 0 || fits(message, style, room.height()))
        return {style, message};
    const int smallest = std::max(1, int(std::lround(designedSize * smallestScale)));
    // The largest size that fits: text set smaller never takes more lines.
    int low = smallest;
    int high = designedSize - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(message, scaled(style, middle), room.height()))
            low = middle;
        else
            high = middle - 1;
    }
    style = scaled(style, low);
    if (fits(message, style, room.height()))
        return {style, message};
    return {style, cutToFit(message, style, room.height())};
}

// Sizes, tracking and the space between lines all scale together, so a smaller message keeps
// the designed look.
BreakTextStyle BreakMessageFit::scaled(const BreakTextStyle &designed, int pixelSize)
{
    BreakTextStyle style = designed;
    const qreal factor = qreal(pixelSize) / designed.font.pixelSize();
    style.font.setPixelSize(pixelSize);
    style.font.setLetterSpacing(QFont::AbsoluteSpacing, designed.font.letterSpacing() * factor);
    style.lineSpacing = designed.lineSpacing * factor;
    return style;
}

// The longest start of the message that, with "…" after it, fits: it ends on the last line
// there is room for. At least one character is kept, as the reader must see there is a
// message.
QString BreakMessageFit::cutToFit(const QString &message, const BreakTextStyle &style, int height)
{
    std::vector<qsizetype> ends;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, message);
    for (qsizetype end = graphemes.toNextBoundary(); end > 0; end = graphemes.toNextBoundary())
        ends.push_back(end);
    auto shown = [&](size_t count) {
        QString start = message.left(ends[count - 1]);
        while (start.size() > 1 && start.back().isSpace())
            start.chop(1);
        return start + ellipsis;
    };
    size_t low = 1;
    size_t high = ends.size();
    while (low < high) {
        const size_t middle = (low + high + 1) / 2;
        if (fits(shown(middle), style, height))
            low = middle;
        else
            high = middle - 1;
    }
    return ends.empty() ? message : shown(low);
}
