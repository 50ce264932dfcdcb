#include "settings_ui/customizer/BreakPreviewContent.h"

#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/customizer/PillButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <vector>

const QString BreakPreviewContent::sampleTime = QStringLiteral("00:34");
const QString BreakPreviewContent::clockLine = QStringLiteral("Current time  2:10 PM");

namespace {

QFont clockFont() { return SettingsFont::font(12); }
QFont messageFont() { return SettingsFont::font(BreakPreviewContent::messageSize); }
QFont timerFont() { return SettingsFont::font(52, QFont::Thin, 2); }
QFont ringFont() { return SettingsFont::font(11, QFont::Medium); }
QFont barFont() { return SettingsFont::font(13, QFont::Medium); }
QFont hintFont() { return SettingsFont::font(11); }
constexpr qreal barSpacing = 5;

std::vector<PillButton> pills(const BreakScreenConfig &config, const QColor &foreground)
{
    std::vector<PillButton> shown;
    if (config.showSkip())
        shown.emplace_back(QStringLiteral("forward.fill"), QStringLiteral("Skip Break"), foreground);
    if (config.showSnooze())
        shown.emplace_back(QStringLiteral("moon.fill"), QStringLiteral("Snooze 5m"), foreground);
    return shown;
}

} // namespace

BreakPreviewContent::BreakPreviewContent(const BreakScreenConfig &config, QString message,
                                         ColorScheme scheme)
    : m_config(config)
    , m_message(std::move(message))
    , m_colors(config.background(), scheme)
{
}

// As on the break screen: the message gives way to the other parts, smaller and at last cut.
BreakMessageFit::Fitted BreakPreviewContent::fittedMessage(QSizeF room) const
{
    BreakTextStyle designed;
    designed.font = messageFont();
    return BreakMessageFit().fit(m_message, designed, QSize(int(room.width()), int(room.height())));
}

qreal BreakPreviewContent::countdownHeight() const
{
    switch (m_config.countdownStyle()) {
    case BreakCountdown::timer: return QFontMetricsF(timerFont()).height();
    case BreakCountdown::ring: return ringSide;
    case BreakCountdown::bar: return QFontMetricsF(barFont()).height() + barSpacing + barHeight;
    case BreakCountdown::hidden: return 0;
    }
    return 0;
}

qreal BreakPreviewContent::pillsHeight() const
{
    const std::vector<PillButton> shown = pills(m_config, m_colors.primary());
    return pillsGap + (shown.empty() ? 0 : shown.front().size().height());
}

void BreakPreviewContent::paint(QPainter &painter, const QRectF &panel) const
{
    const QRectF column = panel.adjusted(contentPadding, contentPadding, -contentPadding, -contentPadding);
    const QRectF messageColumn = column.adjusted(messagePadding, 0, -messagePadding, 0);
    const qreal clockHeight = m_config.clockVisible() ? QFontMetricsF(clockFont()).height() + clockGap : 0;
    const qreal others = clockHeight + messageGap + countdownHeight() + pillsHeight() + hintGap
                         + QFontMetricsF(hintFont()).height();
    const BreakMessageFit::Fitted fitted =
        fittedMessage(QSizeF(messageColumn.width(), column.height() - others));
    QSize messageSize;
    const std::unique_ptr<QTextLayout> messageLines = BreakOverlayText::layOut(fitted.text, fitted.style, &messageSize);
    const qreal message = messageSize.height();
    const qreal total = others + message;
    // The flexible space above and below shares what is left; a column taller than the panel
    // (one too small for even the other parts) starts at its top and is cut at its foot.
    qreal y = column.top() + std::max<qreal>(0, (column.height() - total) / 2);
    painter.save();
    painter.setClipRect(panel, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_config.clockVisible()) {
        painter.setFont(clockFont());
        painter.setPen(m_colors.secondary());
        painter.drawText(QRectF(column.left(), y, column.width(), clockHeight - clockGap),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, clockLine);
        y += clockHeight;
    }
    painter.setPen(m_colors.primary());
    messageLines->draw(&painter, QPointF(messageColumn.center().x() - messageSize.width() / 2.0, y));
    y += message + messageGap;
    y += paintCountdown(painter, QRectF(column.left(), y, column.width(), countdownHeight()));
    paintPills(painter, y + pillsGap, column.center().x());
    y += pillsHeight() + hintGap;
    painter.setFont(hintFont());
    painter.setPen(m_colors.hint());
    painter.drawText(QRectF(column.left(), y, column.width(), QFontMetricsF(hintFont()).height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, hintText());
    painter.restore();
}

qreal BreakPreviewContent::paintCountdown(QPainter &painter, const QRectF &row) const
{
    switch (m_config.countdownStyle()) {
    case BreakCountdown::timer:
        painter.setPen(m_colors.secondary());
        SettingsFont::drawTabular(painter, row, Qt::AlignHCenter | Qt::AlignTop, timerFont(), sampleTime);
        break;
    case BreakCountdown::ring:
        paintRing(painter, row);
        break;
    case BreakCountdown::bar:
        paintBar(painter, row);
        break;
    case BreakCountdown::hidden:
        break;
    }
    return row.height();
}

void BreakPreviewContent::paintRing(QPainter &painter, const QRectF &row) const
{
    QRectF ring(0, 0, ringSide, ringSide);
    ring.moveCenter(row.center());
    // Track and arc share one circle, inside the ring's square.
    const QRectF circle = ring.adjusted(ringLineWidth / 2, ringLineWidth / 2, -ringLineWidth / 2, -ringLineWidth / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_colors.track(), ringLineWidth));
    painter.drawEllipse(circle);
    QPen arc(m_colors.secondary(), ringLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
    painter.setPen(arc);
    // From the top, clockwise (Qt's angles run anticlockwise, in sixteenths of a degree).
    painter.drawArc(circle, 90 * 16, -int(ringProgress * 360 * 16));
    painter.setPen(m_colors.secondary());
    SettingsFont::drawTabular(painter, ring, Qt::AlignCenter, ringFont(), sampleTime);
}

void BreakPreviewContent::paintBar(QPainter &painter, const QRectF &row) const
{
    const qreal textHeight = QFontMetricsF(barFont()).height();
    painter.setPen(m_colors.secondary());
    SettingsFont::drawTabular(painter, QRectF(row.left(), row.top(), row.width(), textHeight),
                              Qt::AlignHCenter | Qt::AlignTop, barFont(), sampleTime);
    const QRectF track(row.center().x() - barWidth / 2, row.top() + textHeight + barSpacing, barWidth, barHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colors.track());
    painter.drawRoundedRect(track, barHeight / 2, barHeight / 2);
    painter.setBrush(m_colors.secondary());
    painter.drawRoundedRect(QRectF(track.topLeft(), QSizeF(barFill, barHeight)), barHeight / 2, barHeight / 2);
}

void BreakPreviewContent::paintPills(QPainter &painter, qreal top, qreal centreX) const
{
    constexpr qreal spacing = 8;
    const std::vector<PillButton> shown = pills(m_config, m_colors.primary());
    qreal width = shown.empty() ? 0 : spacing * qreal(shown.size() - 1);
    for (const PillButton &pill : shown)
        width += pill.size().width();
    qreal x = centreX - width / 2;
    for (const PillButton &pill : shown) {
        pill.paint(painter, QPointF(x, top), m_colors.pillMaterial());
        x += pill.size().width() + spacing;
    }
}

QString BreakPreviewContent::hintText() const
{
    return m_config.escapeBehavior() == EscBehavior::disabled ? QStringLiteral("Escape disabled during break")
                                                              : QStringLiteral("Press Esc twice to skip");
}
