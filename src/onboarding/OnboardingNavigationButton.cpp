#include "onboarding/OnboardingNavigationButton.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

constexpr qreal titleSize = 13;
constexpr qreal verticalPadding = 9;
constexpr qreal backPadding = 18;
constexpr qreal nextPadding = 24;
constexpr qreal arrowSize = 10;
constexpr qreal arrowGap = 6;
constexpr qreal ringOffset = 2;

} // namespace

OnboardingNavigationButton::OnboardingNavigationButton(Kind kind, const QString &title, QWidget *parent)
    : QAbstractButton(parent)
    , m_kind(kind)
{
    setText(title);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void OnboardingNavigationButton::setShowsArrow(bool shows)
{
    if (shows == m_showsArrow)
        return;
    m_showsArrow = shows;
    updateGeometry();
    update();
}

void OnboardingNavigationButton::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    // Faded out, the button is not there for screen readers or Tab either; it keeps its
    // place in the bar.
    setVisible(opacity > 0);
    update();
}

QFont OnboardingNavigationButton::titleFont() const
{
    return SettingsFont::font(titleSize, m_kind == Kind::next ? QFont::DemiBold : QFont::Medium);
}

qreal OnboardingNavigationButton::labelWidth() const
{
    const qreal title = QFontMetricsF(titleFont()).horizontalAdvance(text());
    return m_showsArrow ? title + arrowGap + arrowSize : title;
}

QSize OnboardingNavigationButton::sizeHint() const
{
    const qreal padding = m_kind == Kind::next ? nextPadding : backPadding;
    const qreal height = std::ceil(QFontMetricsF(titleFont()).height()) + 2 * verticalPadding;
    return QSize(int(std::ceil(labelWidth() + 2 * padding)) + 2 * ringRoom, int(height) + 2 * ringRoom);
}

QRectF OnboardingNavigationButton::capsule() const
{
    return QRectF(rect()).adjusted(ringRoom, ringRoom, -ringRoom, -ringRoom);
}

void OnboardingNavigationButton::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void OnboardingNavigationButton::focusOutEvent(QFocusEvent *event)
{
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void OnboardingNavigationButton::keyPressEvent(QKeyEvent *event)
{
    // The flow opens with the focus on "Next" and no ring; Space (or Return, which reaches
    // us as Space) tells that the keyboard is in use, and the page it opens takes the focus
    // with a ring.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && !m_keyboardFocus) {
        m_keyboardFocus = true;
        update();
    }
    QAbstractButton::keyPressEvent(event);
}

void OnboardingNavigationButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor textColour = paintCapsule(painter, scheme == ColorScheme::dark);
    paintLabel(painter, textColour);
    if (hasFocus() && m_keyboardFocus && m_opacity > 0) {
        // Centred 2 pixels off the capsule: a 1-pixel gap, then 2 pixels of ring.
        const QRectF ring = capsule().adjusted(-ringOffset, -ringOffset, ringOffset, ringOffset);
        painter.setOpacity(1);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(SettingsPalette::focusRing(scheme), 2));
        painter.drawRoundedRect(ring, ring.height() / 2, ring.height() / 2);
    }
}

QColor OnboardingNavigationButton::paintCapsule(QPainter &painter, bool dark) const
{
    const QRectF capsule = this->capsule();
    QColor textColour = Qt::white;
    if (m_kind == Kind::next) {
        QLinearGradient fill(capsule.topLeft(), capsule.bottomRight());
        fill.setColorAt(0, OnboardingPalette::nextGradientStart());
        fill.setColorAt(1, OnboardingPalette::nextGradientEnd());
        painter.setBrush(fill);
    } else {
        painter.setBrush(OnboardingPalette::backFill(dark));
        textColour = OnboardingPalette::secondaryText(dark);
    }
    // Pressed, the capsule dims a little, as a button does under the finger.
    if (isDown())
        painter.setOpacity(m_opacity * 0.8);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    return textColour;
}

void OnboardingNavigationButton::paintLabel(QPainter &painter, const QColor &colour) const
{
    const QFont font = titleFont();
    const QFontMetricsF metrics(font);
    const QPointF centre = capsule().center();
    const qreal left = centre.x() - labelWidth() / 2;
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(left, centre.y() + (metrics.ascent() - metrics.descent()) / 2), text());
    if (m_showsArrow) {
        const qreal arrowCentre = left + metrics.horizontalAdvance(text()) + arrowGap + arrowSize / 2;
        SymbolGlyphs::paint(painter, QStringLiteral("arrow.right"), QPointF(arrowCentre, centre.y()), arrowSize,
                            QFont::Bold, colour);
    }
}
