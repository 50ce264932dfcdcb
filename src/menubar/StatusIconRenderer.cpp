#include "menubar/StatusIconRenderer.h"

#include "menubar/StatusGlyphs.h"
#include "menubar/StatusIconEngine.h"
#include "menubar/StatusIconPixelFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>

#include <optional>

namespace {

// Dark enough that white on them keeps a contrast of at least 4.5 to 1.
QColor badgeColour(const QString &symbolName)
{
    static const QHash<QString, QColor> colours = {
        {QStringLiteral("video"), QColor(0x2d, 0x6b, 0xc4)},
        {QStringLiteral("hourglass"), QColor(0xa0, 0x5e, 0x10)},
        {QStringLiteral("exclamationmark.circle"), QColor(0xb8, 0x3a, 0x2e)},
        {QStringLiteral("pause.circle"), QColor(0x56, 0x60, 0x6b)},
        {QStringLiteral("clock.badge.xmark"), QColor(0x56, 0x60, 0x6b)},
        {QStringLiteral("moon.zzz"), QColor(0x56, 0x60, 0x6b)},
    };
    // The application's green, darkened for the white text.
    return colours.value(symbolName, QColor(0x3e, 0x7a, 0x17));
}

constexpr qreal unitScale = 0.72; // the "m" after the minutes, smaller than the digits

// Kept per size: matching a new font object to a font file costs more than the drawing, and
// the exact style draws a title every second at every tray size. A change of the
// application's font starts afresh. Never destroyed: fonts must not outlive the font system
// that the application tears down before static objects go.
QFont titleFont(qreal pixelSize)
{
    static QFont *const base = new QFont;
    static QHash<int, QFont> *const fonts = new QHash<int, QFont>;
    const QFont current;
    if (!(current == *base)) {
        *base = current;
        fonts->clear();
    }
    const int size = std::max(1, qRound(pixelSize));
    auto found = fonts->constFind(size);
    if (found == fonts->constEnd()) {
        QFont font = current;
        font.setBold(true);
        font.setStretch(QFont::SemiCondensed);
        font.setPixelSize(size);
        found = fonts->insert(size, font);
    }
    return *found;
}

// One line of the title: its figures, and a unit letter set smaller so the figures can be
// as large as the icon allows.
struct TitleRow
{
    QString figures;
    QString unit;
};

// The title on one line; the exact style's "m:ss" as minutes over seconds, which a square
// icon holds at twice the size a single line would get.
QList<TitleRow> titleRows(const QString &title)
{
    const qsizetype colon = title.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        return {{title.left(colon), {}}, {title.mid(colon + 1), {}}};
    if (title.endsWith(QLatin1Char('m')) && title.size() > 1)
        return {{title.chopped(1), QStringLiteral("m")}};
    return {{title, {}}};
}

struct TitleLayout
{
    int pixelSize = 5;
    qreal rowHeight = 4;
    qreal gap = 1;
};

qreal rowWidth(const TitleRow &row, int pixelSize)
{
    return QFontMetricsF(titleFont(pixelSize)).horizontalAdvance(row.figures)
        + QFontMetricsF(titleFont(pixelSize * unitScale)).horizontalAdvance(row.unit);
}

constexpr int smallestTitlePixelSize = 6;

// The rows stacked with a small gap at this size, or nothing when they overflow the box.
std::optional<TitleLayout> layoutAt(const QList<TitleRow> &rows, const QSizeF &box, int pixelSize)
{
    // The ink of a figure, which the font's own cap height need not match.
    const qreal rowHeight =
        QFontMetricsF(titleFont(pixelSize)).tightBoundingRect(QStringLiteral("0")).height();
    const qreal gap = rows.size() > 1 ? std::max(1.0, std::round(rowHeight * 0.2)) : 0;
    if (rowHeight * rows.size() + gap * (rows.size() - 1) > box.height())
        return std::nullopt;
    for (const TitleRow &row : rows) {
        if (rowWidth(row, pixelSize) > box.width())
            return std::nullopt;
    }
    return TitleLayout{pixelSize, rowHeight, gap};
}

// The largest size at which the rows fit the box. Ink and advances grow with the size, so
// the sizes that fit run from the smallest up to some limit, found by halving: the exact
// style draws a new title every second at every tray size, and each size tried shapes text.
TitleLayout fitTitle(const QList<TitleRow> &rows, const QSizeF &box)
{
    TitleLayout best;
    int low = smallestTitlePixelSize;
    int high = int(box.height()) + 2;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        if (const std::optional<TitleLayout> layout = layoutAt(rows, box, middle)) {
            best = *layout;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

// Baselines and left edges fall on whole pixels, which keeps small figures sharp.
void paintTitle(QPainter &painter, const QString &title, const QRectF &box)
{
    const QList<TitleRow> rows = titleRows(title);
    const TitleLayout layout = fitTitle(rows, box.size());
    const QFont figures = titleFont(layout.pixelSize);
    const QFont unit = titleFont(layout.pixelSize * unitScale);
    const qreal blockHeight = layout.rowHeight * rows.size() + layout.gap * (rows.size() - 1);
    qreal baseline = box.center().y() - blockHeight / 2 + layout.rowHeight;
    for (const TitleRow &row : rows) {
        const qreal left = std::round(box.center().x() - rowWidth(row, layout.pixelSize) / 2);
        const qreal y = std::round(baseline);
        painter.setFont(figures);
        painter.drawText(QPointF(left, y), row.figures);
        painter.setFont(unit);
        painter.drawText(QPointF(left + QFontMetricsF(figures).horizontalAdvance(row.figures), y),
                         row.unit);
        baseline += layout.rowHeight + layout.gap;
    }
}

// Below this side an outline font cannot keep a countdown's figures sharp and tall enough.
constexpr int pixelFontBelowSide = 20;

// The title in the pixel font, centred on whole pixels; the unit letter goes first when the
// figures would not fit with it ("120" at 16 pixels: the tool tip still says minutes). False,
// drawing nothing, when the title holds a character the font lacks or cannot fit at all.
bool paintPixelTitle(QPainter &painter, const QString &title, int side)
{
    QStringList lines;
    for (const TitleRow &row : titleRows(title)) {
        const QString full = row.figures + row.unit;
        lines.append(StatusIconPixelFont::width(full) < side ? full : row.figures);
    }
    constexpr int lineGap = 1;
    constexpr int lineHeight = StatusIconPixelFont::glyphHeight + lineGap;
    const int blockHeight = int(lines.size()) * lineHeight - lineGap;
    for (const QString &line : std::as_const(lines)) {
        if (!StatusIconPixelFont::covers(line) || StatusIconPixelFont::width(line) >= side)
            return false;
    }
    if (blockHeight > side)
        return false;
    int top = (side - blockHeight) / 2;
    for (const QString &line : std::as_const(lines)) {
        const int left = (side - StatusIconPixelFont::width(line)) / 2;
        StatusIconPixelFont::draw(painter, line, QPoint(left, top), Qt::white);
        top += lineHeight;
    }
    return true;
}

} // namespace

const QList<int> &StatusIconRenderer::iconSizes()
{
    static const QList<int> sizes = {16, 22, 24, 32, 48, 64};
    return sizes;
}

QImage StatusIconRenderer::render(const StatusIconPicture &picture, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (picture.dimmed)
        painter.setOpacity(0.5);
    const QRectF badge(0, 0, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColour(picture.symbolName));
    painter.drawRoundedRect(badge, side * 0.22, side * 0.22);
    painter.setPen(Qt::white);
    if (picture.title.isEmpty()) {
        const qreal inset = side * 0.15;
        StatusGlyphs::paint(painter, picture.symbolName,
                            badge.adjusted(inset, inset, -inset, -inset), Qt::white,
                            StatusGlyphs::Enclosure::bare);
    } else if (side >= pixelFontBelowSide || !paintPixelTitle(painter, picture.title, side)) {
        const qreal across = std::max(1.0, side * 0.06);
        const qreal down = std::max(1.0, side * 0.1);
        paintTitle(painter, picture.title, badge.adjusted(across, down, -across, -down));
    }
    return image;
}

QIcon StatusIconRenderer::icon(const StatusIconPicture &picture)
{
    if (const QIcon *cached = m_cache.object(picture))
        return *cached;
    const QIcon icon(new StatusIconEngine(picture));
    m_cache.insert(picture, new QIcon(icon));
    return icon;
}
