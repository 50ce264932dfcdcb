#include "menubar/StatusIconPixelFont.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace {

constexpr int glyphGap = 1;

// Rows from the top of the seven-pixel cell; '#' is ink. A lower-case letter fills the
// bottom rows only, so it sits on the figures' baseline.
struct Glyph
{
    QChar character;
    std::array<const char *, StatusIconPixelFont::glyphHeight> rows;
};

const std::array<Glyph, 12> glyphs = {{
    {QLatin1Char('0'), {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."}},
    {QLatin1Char('1'), {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {QLatin1Char('2'), {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"}},
    {QLatin1Char('3'), {"###.", "...#", "...#", ".##.", "...#", "...#", "###."}},
    {QLatin1Char('4'), {"..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."}},
    {QLatin1Char('5'), {"####", "#...", "###.", "...#", "...#", "#..#", ".##."}},
    {QLatin1Char('6'), {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."}},
    {QLatin1Char('7'), {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."}},
    {QLatin1Char('8'), {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."}},
    {QLatin1Char('9'), {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."}},
    {QLatin1Char('<'), {"...#", "..#.", ".#..", "#...", ".#..", "..#.", "...#"}},
    {QLatin1Char('m'), {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}},
}};

const Glyph *glyphFor(QChar character)
{
    for (const Glyph &glyph : glyphs) {
        if (glyph.character == character)
            return &glyph;
    }
    return nullptr;
}

int glyphWidth(const Glyph &glyph)
{
    return int(qstrlen(glyph.rows[0]));
}

} // namespace

bool StatusIconPixelFont::covers(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return glyphFor(c) != nullptr; });
}

int StatusIconPixelFont::width(const QString &text)
{
    int total = 0;
    for (QChar character : text) {
        if (const Glyph *glyph = glyphFor(character))
            total += (total > 0 ? glyphGap : 0) + glyphWidth(*glyph);
    }
    return total;
}

void StatusIconPixelFont::draw(QPainter &painter, const QString &text, QPoint topLeft,
                               const QColor &colour)
{
    int left = topLeft.x();
    for (QChar character : text) {
        const Glyph *glyph = glyphFor(character);
        if (!glyph)
            continue;
        for (int row = 0; row < glyphHeight; ++row) {
            for (int column = 0; glyph->rows[row][column] != '\0'; ++column) {
                if (glyph->rows[row][column] == '#')
                    painter.fillRect(QRect(left + column, topLeft.y() + row, 1, 1), colour);
            }
        }
        left += glyphWidth(*glyph) + glyphGap;
    }
}
