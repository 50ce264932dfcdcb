#pragma once

#include "breakscreen/BreakMessageFit.h"
#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"
#include "settings_ui/customizer/PreviewTextColors.h"

#include <QRectF>
#include <QString>

class BreakScreenConfig;
class QPainter;

// The break screen's column as the customizer's preview draws it over its background,
// centred in the panel: the clock line, the message, a fixed gap, the countdown frozen at
// "00:34" in its style, the Skip and Snooze pills and the Esc hint. The message is drawn as
// plain text, never as markup, and gives way to the other parts as on the break screen.
class BreakPreviewContent
{
public:
    static constexpr qreal contentPadding = 24;
    static constexpr qreal messageSize = 38;
    static constexpr qreal messagePadding = 30;
    static constexpr qreal messageGap = 28;
    static constexpr qreal pillsGap = 32;
    static constexpr qreal hintGap = 16;
    static constexpr qreal clockGap = 8;
    static constexpr qreal ringSide = 54;
    static constexpr qreal ringLineWidth = 2.5;
    static constexpr qreal ringProgress = 0.57;
    static constexpr qreal barWidth = 150;
    static constexpr qreal barFill = 85;
    static constexpr qreal barHeight = 3;
    static const QString sampleTime;
    static const QString clockLine;

    BreakPreviewContent(const BreakScreenConfig &config, QString message, ColorScheme scheme);

    void paint(QPainter &painter, const QRectF &panel) const;

private:
    BreakMessageFit::Fitted fittedMessage(QSizeF room) const;
    qreal countdownHeight() const;
    qreal pillsHeight() const;
    qreal paintCountdown(QPainter &painter, const QRectF &row) const;
    void paintRing(QPainter &painter, const QRectF &row) const;
    void paintBar(QPainter &painter, const QRectF &row) const;
    void paintPills(QPainter &painter, qreal top, qreal centreX) const;
    QString hintText() const;

    const BreakScreenConfig &m_config;
    QString m_message;
    PreviewTextColors m_colors;
};
