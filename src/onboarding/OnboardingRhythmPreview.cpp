#include "onboarding/OnboardingRhythmPreview.h"

#include "onboarding/OnboardingBadge.h"
#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal blockWidth = 72;
constexpr qreal connectorWidth = 46;
constexpr qreal rowSpacing = 14;
constexpr qreal blockSpacing = 4;
constexpr qreal connectorLift = 11;
constexpr qreal connectorSpacing = 5;
constexpr qreal chevronGap = 3;
constexpr qreal chevronSize = 7;

QFont valueFont() { return SettingsFont::font(15, QFont::Bold); }
QFont captionFont() { return SettingsFont::font(10, QFont::Medium); }
QFont thenFont() { return SettingsFont::font(9, QFont::Medium); }

qreal lineHeight(const QFont &font)
{
    return std::ceil(QFontMetricsF(font).height());
}

} // namespace

OnboardingRhythmPreview::OnboardingRhythmPreview(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (Value *value : {&m_focus, &m_eyeBreak}) {
        value->animation = new CurveAnimation(MotionCurve::spring(0.3, 0.9), this);
        value->animation->setStartValue(0.0);
        value->animation->setEndValue(1.0);
        connect(value->animation, &QVariantAnimation::valueChanged, this, [this, value](const QVariant &roll) {
            value->roll = roll.toDouble();
            update();
        });
    }
    m_focus.text = QStringLiteral("20m");
    m_eyeBreak.text = QStringLiteral("20s");
    updateAccessibleName();
}

void OnboardingRhythmPreview::setIntervalMinutes(int minutes)
{
    setValue(m_focus, QStringLiteral("%1m").arg(minutes));
}

void OnboardingRhythmPreview::setBreakSeconds(int seconds)
{
    setValue(m_eyeBreak, QStringLiteral("%1s").arg(seconds));
}

void OnboardingRhythmPreview::setLongBreaks(bool enabled, int frequency, int minutes)
{
    // Not drawn: a change of them leaves the picture as it is.
    m_longBreaksEnabled = enabled;
    m_longBreakFrequency = frequency;
    m_longBreakMinutes = minutes;
}

void OnboardingRhythmPreview::setValue(Value &value, const QString &text)
{
    if (text == value.text)
        return;
    value.previous = value.roll < 0.5 ? value.previous : value.text;
    value.text = text;
    updateAccessibleName();
    value.animation->stop();
    if (!isVisible()) {
        value.roll = 1;
        update();
        return;
    }
    value.roll = 0;
    Motion::start(value.animation);
}

void OnboardingRhythmPreview::updateAccessibleName()
{
    setAccessibleName(QStringLiteral("%1 Focus, then %2 Eye break").arg(m_focus.text, m_eyeBreak.text));
}

QSize OnboardingRhythmPreview::sizeHint() const
{
    const qreal height = OnboardingBadge::side + blockSpacing + lineHeight(valueFont()) + blockSpacing
                         + lineHeight(captionFont());
    return QSize(int(2 * blockWidth + connectorWidth + 2 * rowSpacing), int(std::ceil(height)));
}

void OnboardingRhythmPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = SettingsPalette::isDark(this);
    const qreal centre = width() / 2.0;
    const qreal step = blockWidth / 2 + rowSpacing + connectorWidth / 2;
    paintBlock(painter, centre - step, QStringLiteral("keyboard"), m_focus, QStringLiteral("Focus"), dark);
    paintConnector(painter, centre, dark);
    paintBlock(painter, centre + step, QStringLiteral("eye"), m_eyeBreak, QStringLiteral("Eye break"), dark);
}

void OnboardingRhythmPreview::paintBlock(QPainter &painter, qreal centreX, const QString &symbol,
                                         const Value &value, const QString &caption, bool dark)
{
    const qreal badgeRadius = OnboardingBadge::side / 2.0;
    OnboardingBadge::paint(painter, QPointF(centreX, badgeRadius), symbol, OnboardingBadge::previewStyle(), dark);
    const qreal valueTop = OnboardingBadge::side + blockSpacing;
    const QRectF valueLine(centreX - blockWidth / 2, valueTop, blockWidth, lineHeight(valueFont()));
    paintValue(painter, valueLine, value, dark);
    const QRectF captionLine(valueLine.left(), valueLine.bottom() + blockSpacing, blockWidth,
                             lineHeight(captionFont()));
    painter.setFont(captionFont());
    painter.setPen(OnboardingPalette::previewCaption(dark));
    painter.drawText(captionLine, Qt::AlignHCenter | Qt::AlignTop, caption);
}

void OnboardingRhythmPreview::paintValue(QPainter &painter, const QRectF &line, const Value &value, bool dark)
{
    const QFont font = valueFont();
    QColor colour = OnboardingPalette::previewValue(dark);
    painter.setPen(colour);
    if (value.roll >= 1 || value.previous.size() != value.text.size()) {
        if (value.roll < 1)
            painter.setOpacity(std::clamp(value.roll, 0.0, 1.0));
        SettingsFont::drawTabular(painter, line, Qt::AlignCenter, font, value.text);
        painter.setOpacity(1);
        return;
    }
    // Unchanged characters stand; changed ones leave upward as the new ones rise from below.
    const qreal travel = line.height() * 0.8;
    const qreal share = std::clamp(value.roll, 0.0, 1.0);
    QString steady = value.text, leaving = value.previous, arriving = value.text;
    for (qsizetype index = 0; index < value.text.size(); ++index) {
        const bool changed = value.text[index] != value.previous[index];
        steady[index] = changed ? QChar(u' ') : value.text[index];
        if (!changed)
            leaving[index] = arriving[index] = QChar(u' ');
    }
    painter.save();
    painter.setClipRect(line.adjusted(0, -2, 0, 2));
    SettingsFont::drawTabular(painter, line, Qt::AlignCenter, font, steady);
    painter.setOpacity(1 - share);
    SettingsFont::drawTabular(painter, line.translated(0, -travel * value.roll), Qt::AlignCenter, font, leaving);
    painter.setOpacity(share);
    SettingsFont::drawTabular(painter, line.translated(0, travel * (1 - value.roll)), Qt::AlignCenter, font, arriving);
    painter.restore();
}

void OnboardingRhythmPreview::paintConnector(QPainter &painter, qreal centreX, bool dark)
{
    const QFont then = thenFont();
    const qreal columnHeight = chevronSize + connectorSpacing + lineHeight(then);
    const qreal top = (height() - columnHeight) / 2 - connectorLift;
    const qreal left = centreX - connectorWidth / 2;
    const qreal rowMiddle = top + chevronSize / 2;
    const qreal lineEnd = left + connectorWidth - chevronSize - chevronGap;
    painter.fillRect(QRectF(left, rowMiddle - 0.5, lineEnd - left, 1), OnboardingPalette::green(dark ? 0.22 : 0.3));
    SymbolGlyphs::paint(painter, QStringLiteral("chevron.right"),
                        QPointF(left + connectorWidth - chevronSize / 2, rowMiddle), chevronSize, QFont::Bold,
                        OnboardingPalette::green(0.65));
    painter.setFont(then);
    painter.setPen(OnboardingPalette::previewThen(dark));
    painter.drawText(QRectF(left, top + chevronSize + connectorSpacing, connectorWidth, lineHeight(then)),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("then"));
}
