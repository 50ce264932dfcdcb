#include "onboarding/OnboardingValueSelector.h"

#include "onboarding/OnboardingPalette.h"
#include "onboarding/OnboardingValueChoice.h"
#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/GroupingAccessible.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr qreal headingSize = 13;
constexpr int headingHeight = 17;
constexpr int headingGap = 9;
constexpr int tileSpacing = 8;
constexpr qreal iconTitleGap = 6;
// How much of its look a disabled selector keeps.
constexpr qreal dimmedOpacity = 0.34;
constexpr double dimmingSeconds = 0.18;

MotionCurve selectionSpring()
{
    return MotionCurve::spring(0.28, 0.86);
}

} // namespace

OnboardingValueSelector::OnboardingValueSelector(const QString &icon, const QString &title,
                                                 const Options &options, QWidget *parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_title(title)
    , m_options(options)
    , m_selection(std::numeric_limits<int>::min())
    , m_dimming(new CurveAnimation(MotionCurve::easeOut(dimmingSeconds), this))
{
    GroupingAccessible::install<OnboardingValueSelector>();
    setAccessibleName(title);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, headingHeight + headingGap, 0, 0);
    auto *row = new QHBoxLayout;
    row->setSpacing(tileSpacing);
    column->addLayout(row);
    for (const auto &[label, value] : options) {
        auto *tile = new OnboardingValueChoice(label, this);
        row->addWidget(tile, 1);
        m_tiles.append(tile);
        connect(tile, &OnboardingChoiceButton::chosen, this, [this, value = value] {
            emit chosen(value);
            // A screen reader's toggle checked the tile itself: the checked states show the
            // selection again, whatever the owner made of the choice.
            setSelection(m_selection);
        });
    }
    connect(m_dimming, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { applyOpacity(value.toDouble()); });
}

void OnboardingValueSelector::setFieldName(const QString &field)
{
    for (int index = 0; index < m_tiles.size(); ++index)
        m_tiles[index]->setObjectName(QStringLiteral("%1:%2").arg(field).arg(m_options[index].second));
}

void OnboardingValueSelector::setSelection(int value)
{
    m_selection = value;
    for (int index = 0; index < m_tiles.size(); ++index)
        m_tiles[index]->setSelected(m_options[index].second == value, selectionSpring());
}

void OnboardingValueSelector::setDimmed(bool dimmed)
{
    if (dimmed == m_dimmed)
        return;
    m_dimmed = dimmed;
    setEnabled(!dimmed);
    m_dimming->stop();
    const qreal target = dimmed ? dimmedOpacity : 1.0;
    if (!isVisible()) {
        applyOpacity(target);
        return;
    }
    m_dimming->setStartValue(m_opacity);
    m_dimming->setEndValue(target);
    Motion::start(m_dimming);
}

void OnboardingValueSelector::applyOpacity(qreal opacity)
{
    m_opacity = opacity;
    for (OnboardingValueChoice *tile : std::as_const(m_tiles))
        tile->setGroupOpacity(opacity);
    update();
}

void OnboardingValueSelector::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    const QColor colour = OnboardingPalette::selectorHeading(SettingsPalette::isDark(this));
    const QFont font = SettingsFont::font(headingSize, QFont::DemiBold);
    const qreal middle = headingHeight / 2.0;
    SymbolGlyphs::paint(painter, m_icon, QPointF(headingSize / 2, middle), headingSize,
                        QFont::DemiBold, colour);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(headingSize + iconTitleGap, middle + (metrics.ascent() - metrics.descent()) / 2),
                     m_title);
}
